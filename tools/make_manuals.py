#!/usr/bin/env python3
"""Writes the user manuals and the knowledge base of install/DOC as PDF files.

  tools/make_manuals.py           write the PDFs
  tools/make_manuals.py --check   fail when a checked-in PDF differs from what this
                                  script writes, or pdftotext cannot read its title back

The PDFs embed a subset of WenQuanYi Micro Hei (fonts-wqy-microhei) as a CID
TrueType font with a ToUnicode map, so that every viewer shows the Chinese
texts and text can be searched and extracted. The output is deterministic.
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DOC = os.path.join(HERE, "..", "install", "DOC")
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# ---------------------------------------------------------------- font subset


class Font:
    def __init__(self, path):
        data = open(path, "rb").read()
        base = struct.unpack(">I", data[12:16])[0] if data[:4] == b"ttcf" else 0
        count = struct.unpack(">H", data[base + 4:base + 6])[0]
        self.tables = {}
        for i in range(count):
            tag, _, offset, length = struct.unpack(">4sIII", data[base + 12 + 16 * i:base + 28 + 16 * i])
            self.tables[tag.decode("latin-1")] = data[offset:offset + length]
        head = self.tables["head"]
        self.units = struct.unpack(">H", head[18:20])[0]
        self.bbox = struct.unpack(">hhhh", head[36:44])
        self.long_loca = struct.unpack(">h", head[50:52])[0] == 1
        hhea = self.tables["hhea"]
        self.ascent, self.descent = struct.unpack(">hh", hhea[4:8])
        self.hmetrics = struct.unpack(">H", hhea[34:36])[0]
        self.glyph_count = struct.unpack(">H", self.tables["maxp"][4:6])[0]
        self.cmap = self._read_cmap()

    def _read_cmap(self):
        cmap = self.tables["cmap"]
        count = struct.unpack(">H", cmap[2:4])[0]
        for i in range(count):
            platform, encoding, offset = struct.unpack(">HHI", cmap[4 + 8 * i:12 + 8 * i])
            if platform == 3 and encoding == 1 and struct.unpack(">H", cmap[offset:offset + 2])[0] == 4:
                return self._format4(cmap[offset:])
        raise SystemExit("no Unicode BMP cmap in " + FONT)

    @staticmethod
    def _format4(table):
        segments = struct.unpack(">H", table[6:8])[0] // 2
        ends = struct.unpack(">%dH" % segments, table[14:14 + 2 * segments])
        at = 16 + 2 * segments
        starts = struct.unpack(">%dH" % segments, table[at:at + 2 * segments])
        deltas = struct.unpack(">%dh" % segments, table[at + 2 * segments:at + 4 * segments])
        range_at = at + 4 * segments
        offsets = struct.unpack(">%dH" % segments, table[range_at:range_at + 2 * segments])
        mapping = {}
        for s in range(segments):
            for code in range(starts[s], ends[s] + 1):
                if code == 0xFFFF:
                    continue
                if offsets[s] == 0:
                    glyph = (code + deltas[s]) & 0xFFFF
                else:
                    where = range_at + 2 * s + offsets[s] + 2 * (code - starts[s])
                    glyph = struct.unpack(">H", table[where:where + 2])[0]
                    if glyph:
                        glyph = (glyph + deltas[s]) & 0xFFFF
                if glyph:
                    mapping[code] = glyph
        return mapping

    def glyph_data(self, glyph):
        loca = self.tables["loca"]
        if self.long_loca:
            start, end = struct.unpack(">II", loca[4 * glyph:4 * glyph + 8])
        else:
            start, end = (2 * v for v in struct.unpack(">HH", loca[2 * glyph:2 * glyph + 4]))
        return self.tables["glyf"][start:end]

    def advance(self, glyph):
        index = min(glyph, self.hmetrics - 1)
        return struct.unpack(">H", self.tables["hmtx"][4 * index:4 * index + 2])[0]

    def metric(self, glyph):
        hmtx = self.tables["hmtx"]
        if glyph < self.hmetrics:
            return hmtx[4 * glyph:4 * glyph + 4]
        lsb_at = 4 * self.hmetrics + 2 * (glyph - self.hmetrics)
        return struct.pack(">H", self.advance(glyph)) + hmtx[lsb_at:lsb_at + 2]

    @staticmethod
    def components(data):
        """Offsets of the glyph indices of a composite glyph, with the indices."""
        found = []
        if len(data) < 10 or struct.unpack(">h", data[:2])[0] >= 0:
            return found
        at = 10
        while True:
            flags, glyph = struct.unpack(">HH", data[at:at + 4])
            found.append((at + 2, glyph))
            at += 4 + (4 if flags & 1 else 2)
            if flags & 8:
                at += 2
            elif flags & 0x40:
                at += 4
            elif flags & 0x80:
                at += 8
            if not flags & 0x20:
                return found

    def subset(self, glyphs):
        """A TrueType font of glyph 0 and glyphs (closed over composites); the new ids by old id."""
        wanted = {0} | set(glyphs)
        pending = list(wanted)
        while pending:
            for _, component in self.components(self.glyph_data(pending.pop())):
                if component not in wanted:
                    wanted.add(component)
                    pending.append(component)
        order = sorted(wanted)
        new_id = {old: new for new, old in enumerate(order)}
        glyf, loca, hmtx = b"", [0], b""
        for old in order:
            data = bytearray(self.glyph_data(old))
            for at, component in self.components(bytes(data)):
                data[at:at + 2] = struct.pack(">H", new_id[component])
            data += b"\0" * (-len(data) % 4)
            glyf += bytes(data)
            loca.append(len(glyf))
            hmtx += self.metric(old)
        head = bytearray(self.tables["head"])
        head[8:12] = b"\0\0\0\0"
        head[50:52] = struct.pack(">h", 1)
        hhea = bytearray(self.tables["hhea"])
        hhea[34:36] = struct.pack(">H", len(order))
        maxp = bytearray(self.tables["maxp"])
        maxp[4:6] = struct.pack(">H", len(order))
        tables = {
            "head": bytes(head), "hhea": bytes(hhea), "maxp": bytes(maxp), "hmtx": hmtx,
            "loca": struct.pack(">%dI" % len(loca), *loca), "glyf": glyf,
        }
        for tag in ("cvt ", "fpgm", "prep"):
            if tag in self.tables:
                tables[tag] = self.tables[tag]
        return write_sfnt(tables), new_id


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def write_sfnt(tables):
    tags = sorted(tables)
    count = len(tags)
    power = 1
    while power * 2 <= count:
        power *= 2
    header = struct.pack(">IHHHH", 0x00010000, count, power * 16, power.bit_length() - 1, count * 16 - power * 16)
    offset = 12 + 16 * count
    records, body = b"", b""
    for tag in tags:
        data = tables[tag]
        records += struct.pack(">4sIII", tag.encode("latin-1"), checksum(data), offset + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    return header + records + body


# ---------------------------------------------------------------- PDF writer

PAGE_W, PAGE_H, MARGIN = 595, 842, 56
STYLES = {"title": (20, 30), "h": (13, 24), "p": (10.5, 16)}


class Document:
    def __init__(self, font, blocks):
        self.font = font
        self.blocks = blocks
        self.used = set()
        for _, text in blocks:
            self.used.update(ord(c) for c in text)

    def width(self, text, size):
        return sum(self.font.advance(self.font.cmap.get(ord(c), 0)) for c in text) * size / self.font.units

    def wrap(self, text, size):
        limit = PAGE_W - 2 * MARGIN
        lines, line = [], ""
        for char in text:
            if self.width(line + char, size) <= limit or not line:
                line += char
                continue
            cut = line.rfind(" ")
            if cut > 0 and char != " " and ord(line[-1]) < 0x2E80:
                lines.append(line[:cut])
                line = line[cut + 1:] + char
            else:
                lines.append(line.rstrip())
                line = "" if char == " " else char
        lines.append(line)
        return lines

    def pages(self):
        pages, current, y = [], [], PAGE_H - MARGIN
        for style, text in self.blocks:
            size, leading = STYLES[style]
            if style != "p":
                y -= leading * 0.4
            for line in self.wrap(text, size):
                if y - leading < MARGIN:
                    pages.append(current)
                    current, y = [], PAGE_H - MARGIN
                y -= leading
                current.append((size, MARGIN, y, line))
        pages.append(current)
        return pages

    def write(self, title):
        glyphs = {code: self.font.cmap.get(code, 0) for code in self.used}
        font_file, new_id = self.font.subset(glyphs.values())
        cid = {code: new_id[glyph] for code, glyph in glyphs.items()}
        scale = 1000.0 / self.font.units
        objects = []

        def add(body):
            objects.append(body)
            return len(objects)

        def stream(data, extra=""):
            packed = zlib.compress(data, 9)
            return ("<< /Length %d /Filter /FlateDecode%s >>\nstream\n" % (len(packed), extra)).encode() + \
                packed + b"\nendstream"

        widths = " ".join("%d [%d]" % (c, round(self.font.advance(g) * scale))
                          for c, g in sorted((new_id[g], g) for g in set(glyphs.values())))
        cmap = ["/CIDInit /ProcSet findresource begin", "12 dict begin", "begincmap",
                "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def",
                "/CMapName /Adobe-Identity-UCS def", "/CMapType 2 def",
                "1 begincodespacerange <0000> <FFFF> endcodespacerange"]
        pairs = sorted((cid[code], code) for code in self.used if glyphs[code])
        for start in range(0, len(pairs), 100):
            chunk = pairs[start:start + 100]
            cmap.append("%d beginbfchar" % len(chunk))
            cmap += ["<%04X> <%04X>" % pair for pair in chunk]
            cmap.append("endbfchar")
        cmap += ["endcmap", "CMapName currentdict /CMap defineresource pop", "end", "end"]

        catalog = add(None)
        pages_id = add(None)
        font_file_id = add(stream(font_file, " /Length1 %d" % len(font_file)))
        to_unicode = add(stream("\n".join(cmap).encode()))
        bbox = " ".join(str(round(v * scale)) for v in self.font.bbox)
        descriptor = add(("<< /Type /FontDescriptor /FontName /OLVAAA+WenQuanYiMicroHei /Flags 4 "
                          "/FontBBox [%s] /ItalicAngle 0 /Ascent %d /Descent %d /CapHeight %d /StemV 80 "
                          "/FontFile2 %d 0 R >>" % (bbox, round(self.font.ascent * scale),
                                                    round(self.font.descent * scale),
                                                    round(self.font.ascent * scale), font_file_id)).encode())
        cid_font = add(("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /OLVAAA+WenQuanYiMicroHei "
                        "/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> "
                        "/FontDescriptor %d 0 R /CIDToGIDMap /Identity /DW 1000 /W [%s] >>"
                        % (descriptor, widths)).encode())
        font = add(("<< /Type /Font /Subtype /Type0 /BaseFont /OLVAAA+WenQuanYiMicroHei /Encoding /Identity-H "
                    "/DescendantFonts [%d 0 R] /ToUnicode %d 0 R >>" % (cid_font, to_unicode)).encode())
        page_ids = []
        for lines in self.pages():
            ops = ["BT"]
            for size, x, y, text in lines:
                codes = "".join("%04X" % cid[ord(c)] for c in text)
                ops.append("/F1 %g Tf 1 0 0 1 %d %.1f Tm <%s> Tj" % (size, x, y, codes))
            ops.append("ET")
            content = add(stream("\n".join(ops).encode()))
            page_ids.append(add(("<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %d %d] "
                                 "/Resources << /Font << /F1 %d 0 R >> >> /Contents %d 0 R >>"
                                 % (pages_id, PAGE_W, PAGE_H, font, content)).encode()))
        objects[catalog - 1] = ("<< /Type /Catalog /Pages %d 0 R >>" % pages_id).encode()
        objects[pages_id - 1] = ("<< /Type /Pages /Kids [%s] /Count %d >>"
                                 % (" ".join("%d 0 R" % p for p in page_ids), len(page_ids))).encode()
        info = add(("<< /Title <FEFF%s> /Producer (Olvanta tools/make_manuals.py) >>"
                    % title.encode("utf-16-be").hex().upper()).encode())

        out = b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n"
        offsets = []
        for number, body in enumerate(objects, 1):
            offsets.append(len(out))
            out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
        xref = len(out)
        out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
        out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
        out += b"trailer\n<< /Size %d /Root %d 0 R /Info %d 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (
            len(objects) + 1, catalog, info, xref)
        return out


# ---------------------------------------------------------------- content

from manual_texts import GUIDE, KNOWLEDGE  # noqa: E402

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


def build(font, texts, language):
    blocks = texts[language]
    return Document(font, blocks).write(blocks[0][1])


def main():
    font = Font(FONT)
    check = "--check" in sys.argv[1:]
    failed = False
    os.makedirs(DOC, exist_ok=True)
    for name, texts, language in OUTPUTS:
        data = build(font, texts, language)
        path = os.path.join(DOC, name)
        if not check:
            open(path, "wb").write(data)
            continue
        if not os.path.exists(path) or open(path, "rb").read() != data:
            print("out of date: " + path)
            failed = True
            continue
        text = subprocess.run(["pdftotext", "-enc", "UTF-8", path, "-"], capture_output=True).stdout.decode()
        title = texts[language][0][1]
        if title not in text:
            print("pdftotext does not read the title back: " + path)
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
