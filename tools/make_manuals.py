#!/usr/bin/python3
"""Writes the user manuals and the knowledge base of install/DOC as PDF files.

  tools/make_manuals.py           write the PDFs
  tools/make_manuals.py --check   fail when a checked-in PDF differs from what this
                                  script writes, or pdftotext cannot read its title back

Laid out with ReportLab (python3-reportlab, see scripts/deps) in WenQuanYi Micro Hei
(fonts-wqy-microhei), which ReportLab embeds as subsets with Unicode maps, so that every
viewer shows the Chinese texts and text can be searched and extracted. ReportLab's
invariant mode keeps the files free of dates and random ids.
"""
import io
import os
import subprocess
import sys
from xml.sax.saxutils import escape

try:
    from reportlab.lib import textsplit
    from reportlab.lib.styles import ParagraphStyle
    from reportlab.pdfbase import pdfmetrics
    from reportlab.pdfbase.ttfonts import TTFont
    from reportlab.platypus import Paragraph, SimpleDocTemplate, paragraph
except ImportError as error:
    raise SystemExit("%s: install python3-reportlab (scripts/deps) and run the script with Debian's "
                     "/usr/bin/python3" % error)

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from generated import write_or_check  # noqa: E402
from manual_texts import GUIDE, KNOWLEDGE  # noqa: E402

DOC = os.path.normpath(os.path.join(HERE, "..", "install", "DOC"))
FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
FONT = "WenQuanYiMicroHei"

PAGE_SIZE, MARGIN = (595, 842), 56
# Font size, line height and the space above a block of each style, in points.
STYLES = {"title": (20, 30, 0), "h": (13, 24, 10), "p": (10.5, 16, 0)}


# ReportLab's list of characters that may not begin a line lacks the full-width Chinese
# punctuation; without them a comma can open a line. Both of its line breakers read the list.
textsplit.ALL_CANNOT_START += "\uff0c\uff1a\uff1b\uff01\uff1f\u3009\u300b"
paragraph.ALL_CANNOT_START = textsplit.ALL_CANNOT_START


def paragraph_styles(language):
    # Chinese text has no spaces to break at: it breaks between any two characters.
    wrap = None if language == "en" else "CJK"
    return {name: ParagraphStyle(name, fontName=FONT, fontSize=size, leading=leading, spaceBefore=before,
                                 wordWrap=wrap)
            for name, (size, leading, before) in STYLES.items()}


def build(blocks, language):
    """The PDF of blocks [(style, text)], titled by its first block."""
    styles = paragraph_styles(language)
    out = io.BytesIO()
    document = SimpleDocTemplate(out, pagesize=PAGE_SIZE, leftMargin=MARGIN, rightMargin=MARGIN,
                                 topMargin=MARGIN, bottomMargin=MARGIN, title=blocks[0][1], author="Olvanta",
                                 creator="Olvanta tools/make_manuals.py", initialFontName=FONT, invariant=1)
    document.build([Paragraph(escape(text), styles[style]) for style, text in blocks])
    return out.getvalue()


# (file name, texts, language)
OUTPUTS = [
    ("Olvanta User's GuideV100(1252).pdf", GUIDE, "en"),
    ("Olvanta User's GuideV100(936).pdf", GUIDE, "zh_CN"),
    ("Olvanta User's GuideV100(950).pdf", GUIDE, "zh_TW"),
    ("Infrared Remote Controller Knowledge baseV100(1252).pdf", KNOWLEDGE, "en"),
    ("Infrared Remote Controller Knowledge baseV100(936).pdf", KNOWLEDGE, "zh_CN"),
    ("Infrared Remote Controller Knowledge baseV100(950).pdf", KNOWLEDGE, "zh_TW"),
    ("Olvanta使用手册v100.pdf", GUIDE, "zh_CN"),
    ("红外线(IR)遥控器理论知识库v100.pdf", KNOWLEDGE, "zh_CN"),
]


def titles_unreadable(titles):
    """The files whose title pdftotext does not find in their text."""
    failed = []
    for path, title in sorted(titles.items()):
        text = subprocess.run(["pdftotext", "-enc", "UTF-8", path, "-"], capture_output=True).stdout.decode()
        if title not in text:
            failed.append(path)
    return failed


def main(argv):
    pdfmetrics.registerFont(TTFont(FONT, FONT_FILE, subfontIndex=0))
    files, titles = {}, {}
    for name, texts, language in OUTPUTS:
        path = os.path.join(DOC, name)
        files[path] = build(texts[language], language)
        titles[path] = texts[language][0][1]
    result = write_or_check(files, argv)
    if result == 0 and "--check" in argv:
        unreadable = titles_unreadable(titles)
        if unreadable:
            sys.stderr.write("pdftotext does not read the title back:\n  " + "\n  ".join(unreadable) + "\n")
            result = 1
    return result


if __name__ == "__main__":
    sys.exit(main(sys.argv))
