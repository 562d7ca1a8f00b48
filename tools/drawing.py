"""Drawing for the generated pictures: a cairo canvas with the shapes the pictures are made of,
saved as PNG (cairo), as a 24-bit bitmap or as a GIF animation (Pillow).

Coordinates are in pixels, (0, 0) the top left corner of the top left pixel; colours are
(red, green, blue) tuples of 0..255. Shapes are antialiased; edges on whole pixels stay sharp.
The saved bytes hold no time stamps, so the same drawing always gives the same file.
"""
import contextlib
import io
import math

try:
    import cairo
    from PIL import Image
except ImportError as error:
    raise SystemExit("%s: install python3-cairo and python3-pil (scripts/deps) and run the script with "
                     "Debian's /usr/bin/python3" % error)


def _source(ctx, colour, opacity):
    r, g, b = colour
    ctx.set_source_rgba(r / 255.0, g / 255.0, b / 255.0, opacity)


class Canvas:
    """An RGBA picture, transparent unless a background colour is given."""

    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        self.surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, height)
        self.ctx = cairo.Context(self.surface)
        if background is not None:
            self.rect(0, 0, width, height, background)

    # ------------------------------------------------------------------ filled shapes

    def _fill(self, colour, opacity):
        _source(self.ctx, colour, opacity)
        self.ctx.fill()

    def rect(self, left, top, right, bottom, colour, opacity=1.0):
        self.ctx.rectangle(left, top, right - left, bottom - top)
        self._fill(colour, opacity)

    def pixel(self, x, y, colour):
        self.rect(x, y, x + 1, y + 1, colour)

    def rows(self, colour_of_row):
        """Fills every row with its own colour: colour_of_row(y) -> (r, g, b)."""
        for y in range(self.height):
            self.rect(0, y, self.width, y + 1, colour_of_row(y))

    def frame(self, left, top, right, bottom, colour, opacity=1.0, width=1):
        """An outline inside the rectangle, width pixels thick."""
        ctx = self.ctx
        ctx.rectangle(left, top, right - left, bottom - top)
        ctx.rectangle(left + width, top + width, right - left - 2 * width, bottom - top - 2 * width)
        ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
        self._fill(colour, opacity)
        ctx.set_fill_rule(cairo.FILL_RULE_WINDING)

    def rounded_rect(self, left, top, right, bottom, radius, colour, opacity=1.0):
        ctx = self.ctx
        ctx.new_sub_path()
        ctx.arc(right - radius, top + radius, radius, -math.pi / 2, 0)
        ctx.arc(right - radius, bottom - radius, radius, 0, math.pi / 2)
        ctx.arc(left + radius, bottom - radius, radius, math.pi / 2, math.pi)
        ctx.arc(left + radius, top + radius, radius, math.pi, 3 * math.pi / 2)
        ctx.close_path()
        self._fill(colour, opacity)

    def ellipse(self, cx, cy, rx, ry, colour, opacity=1.0):
        ctx = self.ctx
        ctx.save()
        ctx.translate(cx, cy)
        ctx.scale(rx, ry)
        ctx.new_sub_path()
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        self._fill(colour, opacity)

    def polygon(self, points, colour, opacity=1.0):
        ctx = self.ctx
        ctx.move_to(*points[0])
        for point in points[1:]:
            ctx.line_to(*point)
        ctx.close_path()
        self._fill(colour, opacity)

    # ------------------------------------------------------------------ strokes

    def _stroke(self, thickness, colour, opacity, round_ends):
        ctx = self.ctx
        ctx.set_line_width(thickness)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND if round_ends else cairo.LINE_CAP_BUTT)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND if round_ends else cairo.LINE_JOIN_MITER)
        _source(ctx, colour, opacity)
        ctx.stroke()

    def line(self, ax, ay, bx, by, thickness, colour, opacity=1.0, round_ends=False):
        """A segment thickness pixels wide, cut square at its end points or rounded."""
        self.ctx.move_to(ax, ay)
        self.ctx.line_to(bx, by)
        self._stroke(thickness, colour, opacity, round_ends)

    def arc(self, cx, cy, radius, start, end, thickness, colour, opacity=1.0):
        """A circular arc around (cx, cy), cut along radii. Angles in degrees, clockwise from
        the right (y grows downwards)."""
        self.ctx.new_sub_path()
        self.ctx.arc(cx, cy, radius, math.radians(start), math.radians(end))
        self._stroke(thickness, colour, opacity, False)

    # ------------------------------------------------------------------ text and layers

    def text(self, x, baseline, text, size, colour, bold=False, family="DejaVu Sans"):
        """Text with its left end at x on the given baseline; returns its advance width."""
        ctx = self.ctx
        ctx.select_font_face(family, cairo.FONT_SLANT_NORMAL,
                             cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
        ctx.set_font_size(size)
        ctx.move_to(x, baseline)
        _source(ctx, colour, 1.0)
        ctx.show_text(text)
        return ctx.text_extents(text).x_advance

    @contextlib.contextmanager
    def faded(self, opacity):
        """What is drawn inside the block lands as one layer at opacity, so that overlapping
        shapes do not darken where they cross."""
        self.ctx.push_group()
        yield self
        self.ctx.pop_group_to_source()
        self.ctx.paint_with_alpha(opacity)

    # ------------------------------------------------------------------ output

    def png(self):
        out = io.BytesIO()
        self.surface.flush()
        self.surface.write_to_png(out)
        return out.getvalue()

    def image(self):
        """The picture as a Pillow RGBA image (straight alpha)."""
        self.surface.flush()
        data = bytes(self.surface.get_data())
        return Image.frombuffer("RGBA", (self.width, self.height), data, "raw", "BGRa",
                                self.surface.get_stride(), 1)

    def bmp(self):
        """A 24-bit Windows bitmap; transparent areas come out white, as a bitmap has no alpha."""
        picture = Image.new("RGB", (self.width, self.height), (255, 255, 255))
        rgba = self.image()
        picture.paste(rgba, mask=rgba.getchannel("A"))
        out = io.BytesIO()
        picture.save(out, format="BMP", dpi=(72, 72))
        return out.getvalue()


def gif(frames, delays, loop=0):
    """A GIF animation of canvases of one size; delays in milliseconds, one per frame.
    Each frame gets its own adaptive palette; fully transparent pixels stay transparent."""
    images = []
    for canvas in frames:
        rgba = canvas.image()
        paletted = rgba.convert("RGB").quantize(255, dither=Image.Dither.NONE)
        paletted.paste(255, mask=rgba.getchannel("A").point(lambda a: 255 if a == 0 else 0))
        images.append(paletted)
    out = io.BytesIO()
    images[0].save(out, format="GIF", save_all=True, append_images=images[1:], duration=list(delays),
                   loop=loop, transparency=255, disposal=2, optimize=False)
    return out.getvalue()
