#!/usr/bin/env python3
"""Opens the Word report with python-docx and compares it with the HTML report.

varnolt-report writes the same input as .docx and as .html; the HTML is the
reference for what the document must hold. Checked: the title in the Title
style; every h2, h3 and h4 as Heading 1, 2 and 3 with the same words, in the
same order; as many tables; one inline picture per sketch, placed at the
sketch's paper size (EMU = mm × 36000, so its stated scale holds); A4
portrait with the report's margins; the running header's words and the
footer's PAGE and NUMPAGES fields; the document's properties.

Skipped (exit 77) only where python-docx is not installed.
"""
import argparse
import html as html_module
import os
import pathlib
import re
import shutil
import subprocess
import sys

SKIPPED = 77
EMU_PER_MM = 36000
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, file=sys.stderr)


def text_of(fragment):
    return html_module.unescape(re.sub(r"<[^>]*>", "", fragment))


def html_reference(html):
    source = html.read_text(encoding="utf-8")
    title = text_of(re.search(r"<h1>(.*?)</h1>", source, re.S).group(1))
    headings = [(int(level), text_of(text))
                for level, text in re.findall(r"<h([234])>(.*?)</h\1>", source, re.S)]
    tables = len(re.findall(r"<table\b", source))
    sketches = [(float(w), float(h)) for w, h in
                re.findall(r'<svg [^>]*style="width:([\d.]+)mm;height:([\d.]+)mm"', source)]
    return title, headings, tables, sketches


def check_document(docx_module, path, html, expect_subject):
    name = path.name
    document = docx_module.Document(str(path))
    title, headings, tables, sketches = html_reference(html)

    titles = [p.text for p in document.paragraphs if p.style.name == "Title"]
    check(titles == [title], f"{name}: titles {titles}, not [{title!r}]")
    found = [(int(p.style.name.split()[-1]) + 1, p.text) for p in document.paragraphs
             if p.style.name.startswith("Heading ")]
    check(found == headings,
          f"{name}: headings differ from the HTML's: "
          f"{[h for h in found if h not in headings][:3]} / "
          f"{[h for h in headings if h not in found][:3]} ({len(found)} vs {len(headings)})")
    # Word's own heading styles: their outline levels drive the navigation pane.
    for level in (1, 2, 3):
        style = document.styles[f"Heading {level}"]
        outline = style.element.xpath("./w:pPr/w:outlineLvl/@w:val")
        check(outline == [str(level - 1)], f"{name}: Heading {level} outline level {outline}")

    check(len(document.tables) == tables,
          f"{name}: {len(document.tables)} tables, the HTML has {tables}")
    for t, table in enumerate(document.tables):
        rows = table._tbl.xpath("./w:tr")
        split = [r for r in rows if not r.xpath("./w:trPr/w:cantSplit")]
        check(not split, f"{name}: table {t + 1}: {len(split)} rows may split across pages")

    shapes = list(document.inline_shapes)
    check(len(shapes) == len(sketches),
          f"{name}: {len(shapes)} pictures for {len(sketches)} sketches")
    for k, (shape, (width, height)) in enumerate(zip(shapes, sketches), start=1):
        check(abs(shape.width - width * EMU_PER_MM) <= 1
              and abs(shape.height - height * EMU_PER_MM) <= 1,
              f"{name}: picture {k} is {shape.width}×{shape.height} EMU, "
              f"the sketch {width}×{height} mm")
        blip = shape._inline.xpath(".//a:blip/@r:embed")
        part = document.part.related_parts[blip[0]] if blip else None
        check(part is not None and part.content_type == "image/png",
              f"{name}: picture {k} is no PNG part")

    section = document.sections[0]
    check(len(document.sections) == 1, f"{name}: {len(document.sections)} sections")
    mm = lambda length: round(length / EMU_PER_MM, 1)
    check((mm(section.page_width), mm(section.page_height)) == (210.0, 297.0),
          f"{name}: page {mm(section.page_width)}×{mm(section.page_height)} mm, not A4")
    margins = (mm(section.top_margin), mm(section.right_margin), mm(section.bottom_margin),
               mm(section.left_margin))
    check(margins == (18.0, 18.0, 20.0, 20.0), f"{name}: margins {margins} mm")
    footer = section.footer._element
    fields = [f.strip() for f in footer.xpath(".//w:fldSimple/@w:instr")]
    check(fields == ["PAGE", "NUMPAGES"], f"{name}: footer fields {fields}")
    header = "".join(p.text for p in section.header.paragraphs)
    check(title in header, f"{name}: header {header!r} without the title")

    core = document.core_properties
    check(core.title == title, f"{name}: document title {core.title!r}")
    check(core.author == "Varnolt", f"{name}: creator {core.author!r}")
    check(core.subject == expect_subject, f"{name}: subject {core.subject!r}")
    check(core.created is not None and core.created == core.modified,
          f"{name}: created {core.created}, modified {core.modified}")
    return len(found), len(shapes)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True, help="varnolt-report")
    parser.add_argument("--out", required=True, help="folder for the documents")
    parser.add_argument("inputs", nargs="+", help="case or design files")
    args = parser.parse_args()
    try:
        import docx as docx_module
    except ImportError:
        print("python-docx is not installed: skipped")
        return SKIPPED

    work = pathlib.Path(args.out).resolve()
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    env = dict(os.environ, SOURCE_DATE_EPOCH="1796601600")
    for source in map(pathlib.Path, args.inputs):
        for lang, extra, subject in (("zh", ["--project", "示例溢流坝"], "示例溢流坝"),
                                     ("en", [], None)):
            stem = f"{source.stem}-{lang}"
            for suffix in ("docx", "html"):
                subprocess.run([args.program, str(source), "-o", str(work / f"{stem}.{suffix}"),
                                "--lang", lang] + extra, check=True, env=env)
            if subject is None:
                subject = re.search(r'^name\s*=\s*"([^"]*)"', source.read_text(encoding="utf-8"),
                                    re.M)
                subject = subject.group(1) if subject and source.suffix == ".toml" else ""
            headings, pictures = check_document(docx_module, work / f"{stem}.docx",
                                                work / f"{stem}.html", subject)
            print(f"{stem}.docx: {headings} headings, {pictures} pictures")
    if failures:
        print(f"{len(failures)} failures", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
