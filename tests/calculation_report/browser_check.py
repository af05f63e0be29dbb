#!/usr/bin/env python3
"""Renders the calculation reports in a real browser and reads them back.

The reports come from write_test_report (the design library on real cases)
and from varnolt-report itself on the example file of examples/.
Chromium prints each to PDF and takes a screenshot; pdftotext reads the PDF
back. Checked: tidy finds no problem in the HTML; every case's name and its
governing figures are on the pages; each case starts a page of its own; the
malicious name is printed as text; no word lies outside the page's margins.
The page images are left in the output folder for a person to look at.

CTest runs it with the suite's pinned faces, and once more with --face
naming Noto Serif CJK SC as the only Chinese face: Chromium embeds Noto CJK
as Type 3 fonts, whose boxes pdftotext reports far taller than the glyphs,
so that run judges the margins by the pages' ink instead.
"""
import argparse
import csv
import json
import math
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

# The print margins of the report's @page rule, in points, less a tolerance
# for glyph boxes that reach a little beyond their advance.
MM = 72 / 25.4
LEFT, RIGHT, TOP, BOTTOM = 20 * MM - 3, 18 * MM - 3, 18 * MM - 3, 20 * MM - 3

failures = []
SKIPPED = 77  # CTest's SKIP_RETURN_CODE


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, file=sys.stderr)


def chromium(browser, args, profile):
    cmd = [browser, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
           "--no-first-run", "--disable-background-networking", "--disable-component-update",
           "--disable-sync", f"--user-data-dir={profile}"] + args
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=180)


def squeeze(text):
    return re.sub(r"\s+", "", text)


def page_texts(pdf):
    out = subprocess.run(["pdftotext", "-enc", "UTF-8", str(pdf), "-"], check=True,
                         capture_output=True).stdout.decode("utf-8")
    pages = out.split("\f")
    if pages and not pages[-1].strip():
        pages.pop()
    return pages


def words_off_the_page(pdf):
    """Words whose boxes reach into the margins or past the paper."""
    out = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True,
                         capture_output=True).stdout.decode("utf-8")
    off = []
    for page in re.finditer(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', out, re.S):
        width, height = float(page.group(1)), float(page.group(2))
        for w in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                             r'yMax="([\d.]+)">([^<]*)</word>', page.group(3)):
            x0, y0, x1, y1 = (float(w.group(i)) for i in range(1, 5))
            if x0 < LEFT or x1 > width - RIGHT or y0 < TOP or y1 > height - BOTTOM:
                off.append(f"{w.group(5)} at ({x0:.0f},{y0:.0f})-({x1:.0f},{y1:.0f})")
    return off


def ink_off_the_page(pdf, work):
    """Pages whose ink reaches into the margins, from page images at 144 dpi."""
    dpi = 144
    prefix = work / (pdf.stem + "-ink")
    subprocess.run(["pdftoppm", "-r", str(dpi), "-gray", str(pdf), str(prefix)], check=True)
    # Anything darker than near-white is ink; antialiasing leaves a faint fringe.
    ink = bytes(0 if v < 240 else 1 for v in range(256))
    off = []
    for number, image in enumerate(sorted(work.glob(prefix.name + "-*.pgm")), start=1):
        data = image.read_bytes()
        magic, width, height, depth, pixels = data.split(maxsplit=4)
        if magic != b"P5" or depth != b"255":
            raise ValueError(f"{image}: not an 8-bit PGM")
        width, height = int(width), int(height)
        pixels = pixels[:width * height].translate(ink)
        rows = [(y, pixels.find(0, y * width, (y + 1) * width),
                 pixels.rfind(0, y * width, (y + 1) * width)) for y in range(height)]
        inked = [(y, first - y * width, last - y * width) for y, first, last in rows
                 if first >= 0]
        image.unlink()
        if not inked:
            continue
        points = 72 / dpi
        x0 = min(first for _, first, _ in inked) * points
        x1 = (max(last for _, _, last in inked) + 1) * points
        y0 = inked[0][0] * points
        y1 = (inked[-1][0] + 1) * points
        page_width, page_height = width * points, height * points
        if x0 < LEFT or x1 > page_width - RIGHT or y0 < TOP or y1 > page_height - BOTTOM:
            off.append(f"page {number}: ink at ({x0:.0f},{y0:.0f})-({x1:.0f},{y1:.0f})")
    return off


def check_report(html, expected, browser, work, case_heading, malicious=True, by_ink=False):
    pdf = work / (html.stem + ".pdf")
    with tempfile.TemporaryDirectory() as profile:
        chromium(browser, ["--no-pdf-header-footer", f"--print-to-pdf={pdf}", html.as_uri()],
                 profile)
    with tempfile.TemporaryDirectory() as profile:
        png = work / (html.stem + "-screen.png")
        chromium(browser, ["--window-size=900,1300", "--hide-scrollbars",
                           f"--screenshot={png}", html.as_uri()], profile)
    check(png.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n" and png.stat().st_size > 20000,
          f"{png.name}: no screenshot")
    subprocess.run(["pdftoppm", "-r", "60", "-png", str(pdf), str(work / html.stem)],
                   check=True)

    pages = page_texts(pdf)
    squeezed = [squeeze(p) for p in pages]
    whole = "".join(squeezed)
    cases = expected["cases"]
    check(len(pages) >= 2 + len(cases), f"{html.name}: {len(pages)} pages for {len(cases)} cases")

    # Each case heads a page of its own, in order.
    previous = -1
    for k, case in enumerate(cases, start=1):
        head = squeeze(case_heading(k))
        starts = [i for i, p in enumerate(squeezed)
                  if p.startswith(head) or (k == 1 and re.match(r"^3\D{2,40}?" + re.escape(head), p))]
        check(len(starts) == 1 and starts[0] > previous,
              f"{html.name}: case {k} does not start a page of its own ({starts})")
        if starts:
            previous = starts[0]
            page = squeezed[starts[0]]
            check(squeeze(case["name"]) in page, f"{html.name}: name of case {k} not on its page")
        for figure in case["figures"]:
            check(figure in whole, f"{html.name}: case {k} figure {figure} not printed")
        # The English report gives the error in English where the writer says how.
        error = case.get("error_en", "") if html.name.endswith("-en.html") else case["error"]
        if error:
            check(squeeze(error) in whole, f"{html.name}: error of case {k} not printed")

    # The governing figures stand on the summary page.
    summary = squeezed[0] + (squeezed[1] if len(squeezed) > 1 else "")
    for what, figure in expected["governing"].items():
        check(figure in summary, f"{html.name}: governing {what} {figure} not in the summary")

    if malicious:
        check("<script>alert(1)</script>" in whole,
              f"{html.name}: malicious name not printed as text")

    if by_ink:
        off = ink_off_the_page(pdf, work)
        check(not off, f"{html.name}: ink outside the margins: {off[:5]}")
    else:
        off = words_off_the_page(pdf)
        check(not off, f"{html.name}: {len(off)} words outside the margins: {off[:5]}")
    return len(pages)


def figure(value):
    """A figure as the report prints it: four significant digits, three decimals at least."""
    if abs(value) >= 1e6:
        return f"{value:.3e}"
    decimals = 3 if value == 0 else min(max(3, 3 - math.floor(math.log10(abs(value)))), 9)
    return f"{value:.{decimals}f}"


def example_expectations(program, example, work):
    """What the example's report must show, from the program's own JSON of the same run."""
    json_path = work / "example.json"
    subprocess.run([program, str(example), "-o", str(json_path)], check=True)
    design = json.loads(json_path.read_text(encoding="utf-8"))
    with open(example, encoding="utf-8-sig", newline="") as f:
        names = [row["name"] for row in csv.DictReader(line for line in f
                                                       if not line.startswith("#"))]
    cases, by_name = [], {}
    for name, case in zip(names, design["cases"], strict=True):
        check(case["name"] == name, f"example: case {name} read as {case['name']}")
        figures = []
        if case["check"]:
            figures.append(figure(case["check"]["hco2"]))
        if case["basin"]:
            b = case["basin"]
            figures += [figure(b["d"]), figure(b["length_min"]), figure(b["length_max"])]
        cases.append({"name": name, "figures": figures,
                      "error": case["error"]["message"] if case["error"] else ""})
        by_name[name] = case
    governing = {}
    if design["governing"]["depth"]:
        governing["depth"] = figure(by_name[design["governing"]["depth"]]["basin"]["d"])
    if design["governing"]["length"]:
        governing["length"] = figure(
            by_name[design["governing"]["length"]]["basin"]["length_max"])
    return {"cases": cases, "governing": governing}


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--writer", required=True, help="write_test_report program")
    parser.add_argument("--out", required=True, help="folder for the reports and page images")
    parser.add_argument("--program", help="varnolt-report, to render the example file")
    parser.add_argument("--example", help="the example case file")
    parser.add_argument("--browser", default=shutil.which("chromium") or "chromium")
    parser.add_argument("--face", help="a face that must be installed; margins judged by ink")
    args = parser.parse_args()

    if args.face:
        found = subprocess.run(["fc-list", args.face, "family"], check=True,
                               capture_output=True, text=True).stdout
        if not found.strip():
            print(f"{args.face} is not installed: skipped")
            return SKIPPED

    work = pathlib.Path(args.out).resolve()
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    subprocess.run([args.writer, str(work)], check=True)
    expected = json.loads((work / "expected.json").read_text(encoding="utf-8"))

    for html in (work / "report-zh.html", work / "report-en.html"):
        tidy = subprocess.run(["tidy", "-q", "-e", "-utf8", str(html)], capture_output=True,
                              text=True)
        check(tidy.returncode == 0, f"{html.name}: tidy: {tidy.stderr.strip()[:2000]}")

    by_ink = bool(args.face)
    zh = check_report(work / "report-zh.html", expected, args.browser, work,
                      lambda k: f"3.{k} 工况：", by_ink=by_ink)
    en = check_report(work / "report-en.html", expected, args.browser, work,
                      lambda k: f"3.{k} Case: ", by_ink=by_ink)
    print(f"pages: {zh} (Chinese), {en} (English); images in {work}")

    if args.program and args.example:
        expected = example_expectations(args.program, pathlib.Path(args.example), work)
        html = work / "example.html"
        run = subprocess.run([args.program, args.example, "-o", str(html)])
        check(run.returncode == 0, f"example: varnolt-report exited with {run.returncode}")
        tidy = subprocess.run(["tidy", "-q", "-e", "-utf8", str(html)], capture_output=True,
                              text=True)
        check(tidy.returncode == 0, f"{html.name}: tidy: {tidy.stderr.strip()[:2000]}")
        pages = check_report(html, expected, args.browser, work, lambda k: f"3.{k} 工况：",
                             malicious=False, by_ink=by_ink)
        print(f"example: {pages} pages")
    if failures:
        print(f"{len(failures)} failures", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
