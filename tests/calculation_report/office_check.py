#!/usr/bin/env python3
"""Converts the Word report to PDF with LibreOffice and reads it back.

varnolt-report writes the example file as .docx (in Chinese with the title
block given on the command line, and in English); LibreOffice Writer,
headless and with a profile of its own, converts each to PDF; pdftotext
reads the pages back. Checked as the browser test checks the HTML: the title
page with the project's entries and the sign-off words; every page headed by
the project's name and the title and footed "第 x 页 共 N 页" ("Page x of N")
with N the PDF's page count; every case's name and governing figures (from
the program's JSON of the same input) on the pages, the structure's
governing figures in the summary and the conclusion; each case starting a
page of its own. The page images stay in the output folder.
"""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import browser_check as common  # noqa: E402  (the browser test's reading of PDFs)

from browser_check import check, squeeze  # noqa: E402


def convert(docx, work):
    """The document as PDF, by a LibreOffice with a fresh profile (so it runs
    as root, on a machine where it never ran)."""
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home)
        subprocess.run(["soffice", "--headless", "--norestore", "--nologo",
                        f"-env:UserInstallation={pathlib.Path(home).as_uri()}/profile",
                        "--convert-to", "pdf", "--outdir", str(work), str(docx)],
                       check=True, env=env, stdout=subprocess.DEVNULL, timeout=600)
    pdf = work / (docx.stem + ".pdf")
    if not pdf.exists():
        raise RuntimeError(f"{docx.name}: LibreOffice wrote no PDF")
    return pdf


def check_pdf(pdf, expected, lang, title, case_heading):
    name = pdf.name
    pages = common.page_texts(pdf)
    count = common.pdf_pages(pdf)
    check(len(pages) == count, f"{name}: {len(pages)} pages of text, {count} in the PDF")
    project = expected.get("project", {})
    header = (project["name"] + common.HEADER_GAP[lang] + title if project.get("name")
              else title)
    # The header's and footer's words by their place on the page, in the
    # margin bands, as the browser test reads them; the page's body is the
    # rest of its words in reading order.
    words = common.page_words(pdf)
    frames = common.margin_lines(words)
    check(len(frames) == count, f"{name}: {len(frames)} pages of words, {count} in the PDF")
    bodies = []
    for number, ((top, bottom), (_, height, boxes)) in enumerate(zip(frames, words), start=1):
        head, foot = squeeze(header), squeeze(common.FOOTER[lang].format(number, count))
        check(top == head, f"{name}: page {number} headed {top!r}, not {head!r}")
        check(bottom == foot, f"{name}: page {number} footed {bottom!r}, not {foot!r}")
        bodies.append("".join(squeeze(box[4]) for box in boxes
                              if common.TOP <= (box[1] + box[3]) / 2 <= height - common.BOTTOM))
    first = bodies[0] if bodies else ""
    for entry in ("name", "stage", "number"):
        if project.get(entry):
            check(squeeze(project[entry]) in first, f"{name}: project {entry} not on page 1")
    check(squeeze(title) in first, f"{name}: title not on the title page")
    for word in common.TITLE_PAGE[lang]:
        check(squeeze(word) in first, f"{name}: {word!r} not on the title page")
    check("3.1" not in first, f"{name}: the report starts on the title page")

    whole = "".join(bodies)
    cases = expected["cases"]
    previous = -1
    for k, case in enumerate(cases, start=1):
        head = squeeze(case_heading(k))
        starts = [i for i, p in enumerate(bodies)
                  if p.startswith(head) or (k == 1 and p.startswith(squeeze(
                      common.SECTIONS[lang][2])) and head in p[:60])]
        check(len(starts) == 1 and starts[0] > previous,
              f"{name}: case {k} does not start a page of its own ({starts})")
        if starts:
            previous = starts[0]
            check(squeeze(case["name"]) in bodies[starts[0]],
                  f"{name}: name of case {k} not on its page")
        for figure in case["figures"]:
            check(figure in whole, f"{name}: case {k} figure {figure} not printed")
        if case["error"] and lang == "zh":
            check(squeeze(case["error"]) in whole, f"{name}: error of case {k} not printed")
    at = [whole.find(squeeze(t)) for t in common.SECTIONS[lang]]
    check(all(i >= 0 for i in at) and at == sorted(at),
          f"{name}: chapters out of order or missing: {at}")
    summary = whole[at[3]:at[4]] if min(at) >= 0 else ""
    conclusion = whole[at[4]:] if min(at) >= 0 else ""
    for what, figure in expected["governing"].items():
        check(figure in summary, f"{name}: governing {what} {figure} not in the summary")
        check(figure in conclusion, f"{name}: governing {what} {figure} not in the conclusion")
    return count


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True, help="varnolt-report")
    parser.add_argument("--example", required=True, help="the example case file")
    parser.add_argument("--out", required=True, help="folder for the documents and pages")
    args = parser.parse_args()

    work = pathlib.Path(args.out).resolve()
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    expected = common.example_expectations(args.program, pathlib.Path(args.example), work)
    project = {"name": "示例溢流坝", "stage": "可行性研究", "number": "EX-2026-01"}
    runs = [
        ("example-zh", "zh", "消能计算书", lambda k: f"3.{k} 工况：",
         ["--project", project["name"], "--stage", project["stage"], "--number",
          project["number"]], project),
        ("example-en", "en", "Energy Dissipator Calculation Report", lambda k: f"3.{k} Case: ",
         ["--lang", "en"], {}),
    ]
    for stem, lang, title, heading, options, given in runs:
        docx = work / f"{stem}.docx"
        run = subprocess.run([args.program, args.example, "-o", str(docx)] + options)
        check(run.returncode == 0, f"{stem}: varnolt-report exited with {run.returncode}")
        started = time.monotonic()
        pdf = convert(docx, work)
        seconds = time.monotonic() - started
        subprocess.run(["pdftoppm", "-r", "60", "-png", str(pdf), str(work / stem)], check=True)
        pages = check_pdf(pdf, dict(expected, project=given), lang, title, heading)
        print(f"{stem}: {pages} pages, converted in {seconds:.1f} s; images in {work}")
    failures = common.failures
    if failures:
        print(f"{len(failures)} failures", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
