#!/usr/bin/env python3
"""Renders the calculation reports in a real browser and reads them back.

The reports come from write_test_report (the design library on real cases)
and from varnolt-report itself on the example file of examples/.
Chromium prints each to PDF and takes a screenshot; pdftotext reads the PDF
back. Checked: tidy finds no problem in the HTML; the first page is the title
page with the project's entries and the sign-off words; every page is headed
by the project's name and the title and numbered "第 x 页 共 N 页" ("Page x of
N") with N the PDF's pages; every case's name and its governing figures are
on the pages; each case starts a page of its own; the malicious name is
printed as text; no word lies outside the page's margins but the header's and
the footer's, which stay in their margin bands.
The page images are left in the output folder for a person to look at.

CTest runs it with the suite's pinned faces, and once more with --face
naming Noto Serif CJK SC as the only Chinese face: Chromium embeds Noto CJK
as Type 3 fonts, whose boxes pdftotext reports far taller than the glyphs,
so that run judges the margins by the pages' ink instead.
"""
import argparse
import csv
import html as html_module
import json
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
# The running header and the page numbers stand in the top and bottom
# margins, but no nearer the paper's edge than this.
EDGE = 5 * MM

# The words of the title page and the page footer, by the report's language.
TITLE_PAGE = {
    "zh": ["工程名称", "设计阶段", "计算书编号", "签署", "签名", "日期", "计算", "校核", "审查", "批准"],
    "en": ["Project", "Design stage", "Report number", "Sign-off", "Name", "Date", "Calculated",
           "Checked", "Reviewed", "Approved"],
}
FOOTER = {"zh": "第 {} 页 共 {} 页", "en": "Page {} of {}"}
# The report's five chapters, in order.
SECTIONS = {
    "zh": ["1 设计条件", "2 计算方法及依据", "3 各工况计算", "4 计算成果汇总", "5 结论"],
    "en": ["1 Design conditions", "2 Method and basis of the calculation",
           "3 Calculation by case", "4 Summary of results", "5 Conclusion"],
}
HEADER_GAP = {"zh": "　", "en": " — "}

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
    """Text without blanks, and without the invisible isolates around a right-to-left name."""
    return re.sub(r"[\s\u2068\u2069]+", "", text)


def html_unescape(text):
    return html_module.unescape(text)


def pdf_pages(pdf):
    info = subprocess.run(["pdfinfo", str(pdf)], check=True, capture_output=True,
                          text=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def page_texts(pdf):
    out = subprocess.run(["pdftotext", "-enc", "UTF-8", str(pdf), "-"], check=True,
                         capture_output=True).stdout.decode("utf-8")
    pages = out.split("\f")
    if pages and not pages[-1].strip():
        pages.pop()
    return pages


def page_words(pdf):
    """Each page's size and its words with their boxes, in points."""
    out = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True,
                         capture_output=True).stdout.decode("utf-8")
    pages = []
    for page in re.finditer(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', out, re.S):
        words = [tuple(float(w.group(i)) for i in range(1, 5)) + (html_unescape(w.group(5)),)
                 for w in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" '
                                      r'xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>',
                                      page.group(3))]
        pages.append((float(page.group(1)), float(page.group(2)), words))
    return pages


def margin_lines(pages):
    """The words of each page's top and bottom margins, each band joined in
    reading order: its running header and its footer."""
    lines = []
    for width, height, words in pages:
        # By the boxes' middles: Noto CJK's boxes reach far above and below
        # its glyphs.
        middle = [((w[1] + w[3]) / 2, w) for w in words]
        top = sorted((w for m, w in middle if m < TOP), key=lambda w: (round(w[1]), w[0]))
        bottom = sorted((w for m, w in middle if m > height - BOTTOM),
                        key=lambda w: (round(w[1]), w[0]))
        lines.append((squeeze("".join(w[4] for w in top)),
                      squeeze("".join(w[4] for w in bottom))))
    return lines


def words_off_the_page(pages):
    """Words whose boxes reach into the side margins or past the paper, or
    cross from the page's body into its top or bottom margin; the header's
    and footer's words stand in their margins clear of the paper's edge."""
    off = []
    for number, (width, height, words) in enumerate(pages, start=1):
        for x0, y0, x1, y1, text in words:
            in_body = y0 >= TOP and y1 <= height - BOTTOM
            in_header = y1 <= TOP and y0 >= EDGE
            in_footer = y0 >= height - BOTTOM and y1 <= height - EDGE
            if x0 < LEFT or x1 > width - RIGHT or not (in_body or in_header or in_footer):
                off.append(f"page {number}: {text} at ({x0:.0f},{y0:.0f})-({x1:.0f},{y1:.0f})")
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
        # The header and footer lines stand in the margins, clear of the edge.
        if x0 < LEFT or x1 > page_width - RIGHT or y0 < EDGE or y1 > page_height - EDGE:
            off.append(f"page {number}: ink at ({x0:.0f},{y0:.0f})-({x1:.0f},{y1:.0f})")
    return off


def check_page_frame(html, pages, words, lang, project, title):
    """The title page first, and every page's running header and numbered
    footer in its margins; the pages' texts without them."""
    header = project["name"] + HEADER_GAP[lang] + title if project.get("name") else title
    count = len(words)
    bodies = []
    for number, (page, (top, bottom)) in enumerate(zip(pages, margin_lines(words)), start=1):
        head, foot = squeeze(header), squeeze(FOOTER[lang].format(number, count))
        check(top == head, f"{html.name}: page {number} headed {top!r}, not {head!r}")
        check(bottom == foot, f"{html.name}: page {number} footed {bottom!r}, not {foot!r}")
        # pdftotext may read the footer in among a table's columns.
        bodies.append(squeeze(page).replace(head, "", 1).replace(foot, "", 1))
    first = bodies[0] if bodies else ""
    for entry in ("name", "stage", "number"):
        if project.get(entry):
            check(squeeze(project[entry]) in first,
                  f"{html.name}: project {entry} {project[entry]!r} not on the title page")
    check(squeeze(title) in first, f"{html.name}: title not on the title page")
    for word in TITLE_PAGE[lang]:
        check(squeeze(word) in first, f"{html.name}: {word!r} not on the title page")
    check(not re.search(r"3\.1", first), f"{html.name}: the report starts on the title page")
    return bodies


def check_report(html, expected, browser, work, case_heading, malicious=True, by_ink=False,
                 lang="zh", title="消能计算书"):
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
    words = page_words(pdf)
    count = pdf_pages(pdf)
    check(len(pages) == count and len(words) == count,
          f"{html.name}: {len(pages)} pages of text, {len(words)} of words, {count} in the PDF")
    squeezed = check_page_frame(html, pages, words, lang, expected.get("project", {}), title)
    whole = "".join(squeezed)
    cases = expected["cases"]
    # What only a program would print: the window's control names, its
    # length-range separator, and quotation marks a mainland reader does not use.
    for internal in ("Text", "Command", "----", "「", "」"):
        check(internal not in whole, f"{html.name}: {internal!r} printed")
    # The formulas typeset in MathML and laid out as such: the source of the
    # formula tables writes no radical sign, the printed page draws them, and
    # its quantities are set in mathematical italic, which only MathML's
    # layout chooses.
    source = html.read_text(encoding="utf-8")
    tables = "".join(re.findall(r'<table class="formulas">.*?</table>', source, re.S))
    check("<math>" in tables and "<mfrac>" in tables and "<msqrt>" in tables,
          f"{html.name}: no MathML formulas")
    check("√" not in tables, f"{html.name}: a formula left in its line form")
    check("√" in whole, f"{html.name}: no radical drawn: MathML not laid out")
    check(any(0x1D434 <= ord(ch) <= 0x1D467 for ch in whole),
          f"{html.name}: no quantity in mathematical italic: MathML not laid out")
    # One name per quantity: the contracted depth is hc, its conjugate hc″
    # (read from the page's source: the squeezed text runs "hc of" together).
    check(not re.search(r"(?<![A-Za-z])hco", html.read_text(encoding="utf-8")),
          f"{html.name}: the window's hco names printed")
    check(len(pages) >= 3 + len(cases), f"{html.name}: {len(pages)} pages for {len(cases)} cases")

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

    # The five chapters in order, each heading a line of its own.
    at = [whole.find(squeeze(title)) for title in SECTIONS[lang]]
    check(all(i >= 0 for i in at) and at == sorted(at),
          f"{html.name}: chapters out of order or missing: {at}")
    # The governing figures stand in the summary and again in the conclusion.
    summary = whole[at[3]:at[4]] if min(at) >= 0 else ""
    conclusion = whole[at[4]:] if min(at) >= 0 else ""
    for what, figure in expected["governing"].items():
        check(figure in summary, f"{html.name}: governing {what} {figure} not in the summary")
        check(figure in conclusion,
              f"{html.name}: governing {what} {figure} not in the conclusion")

    if malicious:
        check("<script>alert(1)</script>" in whole,
              f"{html.name}: malicious name not printed as text")

    if by_ink:
        off = ink_off_the_page(pdf, work)
        check(not off, f"{html.name}: ink outside the margins: {off[:5]}")
    else:
        off = words_off_the_page(words)
        check(not off, f"{html.name}: {len(off)} words outside the margins: {off[:5]}")
    return len(pages)


def millimetre(value):
    """A depth as the report prints a result: to the millimetre."""
    return f"{value:.3f}"


def centimetre(value):
    """A length along the flow as the report prints a result: to the centimetre."""
    return f"{value:.2f}"


def shortest(value):
    """An adopted value as the report prints it: the shortest decimal, no trailing .0."""
    text = repr(float(value))
    return text[:-2] if text.endswith(".0") else text


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
            figures.append(millimetre(case["check"]["hco2"]))
        if case["basin"]:
            b = case["basin"]
            figures += [millimetre(b["d"]), centimetre(b["length_min"]),
                        centimetre(b["length_max"])]
        cases.append({"name": name, "figures": figures,
                      "error": case["error"]["message"] if case["error"] else ""})
        by_name[name] = case
    # The structure's adopted depth and length, as the summary states them.
    governing = {}
    for what in ("depth", "length"):
        if design["governing"][what]:
            governing[what] = shortest(design["governing"][what]["value"])
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
                      lambda k: f"3.{k} Case: ", by_ink=by_ink, lang="en",
                      title="Energy Dissipator Calculation Report")
    print(f"pages: {zh} (Chinese), {en} (English); images in {work}")

    if args.program and args.example:
        expected = example_expectations(args.program, pathlib.Path(args.example), work)
        html = work / "example.html"
        # The title block by the command line.
        expected["project"] = {"name": "示例溢流坝", "stage": "可行性研究", "number": "EX-2026-01"}
        run = subprocess.run([args.program, args.example, "-o", str(html),
                              "--project", expected["project"]["name"],
                              "--stage", expected["project"]["stage"],
                              "--number", expected["project"]["number"]])
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
