#!/usr/bin/env python3
"""Draws the calendar's pictures into res/ as PNG files named by resource number, and res.qrc.

Every picture is a small vector scene in logical pixels, rendered with 4 x 4 supersampling at
scale 1 (<id>.png) and scale 2 (<id>@2x.png). Standard library only; the output is the same
byte for byte on every run.

    python3 res/tools/draw_pictures.py [output folder, default: the res/ folder]
"""

import math
import os
import struct
import sys
import zlib

SUPERSAMPLE = 4

# Colours
PANEL = (255, 255, 204)      # the main window's background colour
INK = (74, 64, 46)           # glyphs on the panel
OUTLINE = (0, 0, 0)          # the panel's frame line
CHIP = (246, 231, 145)       # a focused button's face
ACCENT = (232, 125, 36)      # a pressed button's face, ear marks
RED = (221, 67, 51)          # the pressed close button
WHITE = (255, 255, 255)
EAR = (250, 237, 160)        # the face of the frame's ears
GRIP = (186, 172, 104)       # the dots of the size grip
ROLL_EDGE = (226, 208, 120)  # where an ear's roll meets the panel
MAGENTA = (255, 0, 255)


# ---------------------------------------------------------------- shapes (logical pixels)

class Shape:
    """A set of points given by a membership test, with a bounding box (x0, y0, x1, y1)."""

    def __init__(self, test, box):
        self.test = test
        self.box = box

    def __or__(self, other):
        a, b = self.test, other.test
        return Shape(lambda x, y: a(x, y) or b(x, y),
                     (min(self.box[0], other.box[0]), min(self.box[1], other.box[1]),
                      max(self.box[2], other.box[2]), max(self.box[3], other.box[3])))

    def __and__(self, other):
        a, b = self.test, other.test
        return Shape(lambda x, y: a(x, y) and b(x, y),
                     (max(self.box[0], other.box[0]), max(self.box[1], other.box[1]),
                      min(self.box[2], other.box[2]), min(self.box[3], other.box[3])))

    def __sub__(self, other):
        a, b = self.test, other.test
        return Shape(lambda x, y: a(x, y) and not b(x, y), self.box)

    def moved(self, dx, dy):
        t = self.test
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: t(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))

    def mirrored_x(self, axis):
        """Mirrored about the vertical line x = axis."""
        t = self.test
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: t(2 * axis - x, y), (2 * axis - x1, y0, 2 * axis - x0, y1))

    def mirrored_y(self, axis):
        t = self.test
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: t(x, 2 * axis - y), (x0, 2 * axis - y1, x1, 2 * axis - y0))

    def inner_stroke(self, width=1.0):
        """The band of the shape within `width` of its edge."""
        t = self.test
        d = width * math.sqrt(0.5)
        probes = ((width, 0), (-width, 0), (0, width), (0, -width),
                  (d, d), (d, -d), (-d, d), (-d, -d))
        return Shape(lambda x, y: t(x, y) and not all(t(x + px, y + py) for px, py in probes),
                     self.box)


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def ellipse(x0, y0, x1, y1):
    """The ellipse inscribed in the box, as GDI's Ellipse and region calls take it."""
    cx, cy, rx, ry = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return ellipse(cx - r, cy - r, cx + r, cy + r)


def rounded_rect(x0, y0, x1, y1, r):
    def test(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        nx = min(max(x, x0 + r), x1 - r)
        ny = min(max(y, y0 + r), y1 - r)
        return (x - nx) ** 2 + (y - ny) ** 2 <= r * r
    return Shape(test, (x0, y0, x1, y1))


def segment(x0, y0, x1, y1, width):
    """A stroke with round caps from (x0, y0) to (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    h = width / 2

    def test(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= h * h
    return Shape(test, (min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h))


def polyline(points, width):
    shape = segment(*points[0], *points[1], width)
    for a, b in zip(points[1:], points[2:]):
        shape = shape | segment(*a, *b, width)
    return shape


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]

    def test(x, y):
        inside = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside
    return Shape(test, (min(xs), min(ys), max(xs), max(ys)))


def arc(cx, cy, r, width, start, end):
    """A round-capped stroke along the circle from angle `start` to `end` (degrees, counter-
    clockwise on screen, 0 = right), drawn as short segments."""
    steps = max(8, int(abs(end - start) / 6))
    points = []
    for i in range(steps + 1):
        a = math.radians(start + (end - start) * i / steps)
        points.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    return polyline(points, width)


# ---------------------------------------------------------------- canvas

class Canvas:
    """Premultiplied RGBA pixels of a w x h logical area starting at (ox, oy), at a scale."""

    def __init__(self, w, h, scale, origin=(0, 0)):
        self.w, self.h, self.scale = w * scale, h * scale, scale
        self.ox, self.oy = origin
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.w * self.h)]

    def fill(self, shape, colour, alpha=1.0):
        s = self.scale
        x0, y0, x1, y1 = shape.box
        px0 = max(0, int(math.floor((x0 - self.ox) * s)) - 1)
        py0 = max(0, int(math.floor((y0 - self.oy) * s)) - 1)
        px1 = min(self.w, int(math.ceil((x1 - self.ox) * s)) + 1)
        py1 = min(self.h, int(math.ceil((y1 - self.oy) * s)) + 1)
        n = SUPERSAMPLE
        offsets = [(i + 0.5) / n for i in range(n)]
        r, g, b = (c / 255.0 for c in colour)
        test = shape.test
        for py in range(py0, py1):
            for px in range(px0, px1):
                hits = 0
                for fy in offsets:
                    y = self.oy + (py + fy) / s
                    for fx in offsets:
                        if test(self.ox + (px + fx) / s, y):
                            hits += 1
                if hits:
                    a = alpha * hits / (n * n)
                    p = self.pixels[py * self.w + px]
                    keep = 1.0 - a
                    p[0] = r * a + p[0] * keep
                    p[1] = g * a + p[1] * keep
                    p[2] = b * a + p[2] * keep
                    p[3] = a + p[3] * keep

    def png(self, transparent_rgb=(0, 0, 0)):
        """PNG bytes; fully transparent pixels get the colour `transparent_rgb`."""
        rows = []
        for y in range(self.h):
            row = bytearray([0])
            for x in range(self.w):
                r, g, b, a = self.pixels[y * self.w + x]
                if a <= 0.5 / 255:
                    row += bytes(transparent_rgb) + b'\0'
                    continue
                row += bytes([round(min(1.0, c / a) * 255) for c in (r, g, b)])
                row.append(round(a * 255))
            rows.append(bytes(row))
        self.check_key(transparent_rgb, rows)

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))
        header = struct.pack('>IIBBBBB', self.w, self.h, 8, 6, 0, 0, 0)
        return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
                + chunk(b'IDAT', zlib.compress(b''.join(rows), 9)) + chunk(b'IEND', b''))

    def check_key(self, key, rows):
        """A picture whose transparent colour is keyed out must not show that colour."""
        if key == (0, 0, 0):
            return
        for row in rows:
            for x in range(1, len(row), 4):
                if tuple(row[x:x + 3]) == key and row[x + 3] != 0:
                    raise ValueError('a visible pixel has the transparent colour')


# ---------------------------------------------------------------- button strips (CBitmapButtonEx)

def glyph_close():
    return segment(6.5, 6.5, 13.5, 13.5, 1.9) | segment(13.5, 6.5, 6.5, 13.5, 1.9)


def glyph_about():
    return (arc(10, 7.4, 3.1, 1.9, 165, -35)
            | polyline([(12.54, 9.18), (10.2, 10.9), (10.0, 12.1)], 1.9)
            | circle(10.0, 15.0, 1.2))


def glyph_minimize():
    return segment(6.0, 13.5, 14.0, 13.5, 2.0)


def glyph_prev():
    return (polyline([(9.5, 11.0), (5.5, 15.0), (9.5, 19.0)], 1.7)
            | polyline([(14.5, 11.0), (10.5, 15.0), (14.5, 19.0)], 1.7))


def glyph_next():
    return glyph_prev().mirrored_x(10)


def button_strip(width, height, glyph, pressed_face):
    """Normal, pressed and focused images side by side, transparent around the glyph."""
    def draw(canvas):
        face = rounded_rect(1, 1, width - 1, height - 1, 5)
        canvas.fill(glyph, INK)
        canvas.fill(face.moved(width, 0), pressed_face)
        canvas.fill(glyph.moved(width, 0), WHITE)
        canvas.fill(face.moved(2 * width, 0), CHIP)
        canvas.fill(glyph.moved(2 * width, 0), INK)
    return (3 * width, height, draw, (0, 0, 0))


# ---------------------------------------------------------------- frame decorations

# The frame is drawn for this client size; each decoration is a cut-out of it.
FRAME_W, FRAME_H = 400, 300


def frame_panel(w, h):
    """The panel with its ears: the main window's rounded rectangle, whose outline runs on the
    pixel columns 26 and w - 28 and the rows 0 and h - 2, joined by the parts of the window
    shape that lie outside it (the square top-right corner, the ears, the bottom-left foot)."""
    return (rounded_rect(26, 0, w - 27, h - 1, 15)
            | rect(w - 56, 0, w - 13, 35) | ellipse(w - 26, 0, w, 36)
            | rect(13, h - 36, 56, h - 1) | ellipse(0, h - 36, 26, h))


def draw_frame(canvas, w, h):
    """The panel, its ears rolled like the ends of a scroll, the width handle on the top-right
    ear and the size grip. The status line's text starts at x = 16 over the bottom-left ear,
    so that ear's roll and mark keep left of it."""
    panel = frame_panel(w, h)
    canvas.fill(rect(-1, -1, w + 1, h + 1), PANEL)
    # Just outside the ears' rims, where a window shape that rounds its ellipses another way
    # may still show a pixel, the rim goes on.
    canvas.fill((ellipse(w - 27, -1, w + 1, 37) & rect(w - 13, -1, w + 1, 37)) - panel, OUTLINE)
    canvas.fill((ellipse(-1, h - 37, 27, h + 1) & rect(-1, h - 37, 13, h + 1)) - panel, OUTLINE)
    canvas.fill(ellipse(w - 26, 0, w, 36) & rect(w - 13, 0, w, 36), EAR)
    canvas.fill(ellipse(0, h - 36, 26, h) & rect(0, h - 36, 13, h), EAR)
    canvas.fill(rect(w - 14, 1, w - 13, 34), ROLL_EDGE)
    canvas.fill(rect(13, h - 35, 14, h - 2), ROLL_EDGE)
    canvas.fill(panel.inner_stroke(), OUTLINE)
    canvas.fill(rect(26, h - 36, w - 27, h - 35), OUTLINE)  # upper edge of the bottom strip
    # the width handle: two arrowheads apart
    cx, cy = w - 6.5, 18
    handle = polygon([(cx - 1, cy - 3.5), (cx - 1, cy + 3.5), (cx - 4.5, cy)])
    canvas.fill(handle | handle.mirrored_x(cx), ACCENT)
    # a ring on the bottom-left roll
    cx, cy = 6.5, h - 18
    canvas.fill(circle(cx, cy, 3.6) - circle(cx, cy, 1.7), ACCENT)
    # the size grip in the bottom-right corner
    for row in range(3):
        for col in range(3 - row):
            x, y = w - 36 - 4 * col, h - 11 - 4 * row
            canvas.fill(rounded_rect(x, y, x + 2, y + 2, 0.5), GRIP)


def frame_piece(x, y, w, h):
    """The part of the frame at (x, y) from the client's right or bottom edge when negative.

    A 1-pixel pen draws the line at coordinate c on the pixel [c, c + 1) at scale 1, but on
    [c - 0.5, c + 0.5) at scale 2; the denser drawing is moved by half a pixel to match."""
    def draw(canvas):
        shift = 0.5 if canvas.scale == 2 else 0.0
        canvas.ox = (x if x >= 0 else FRAME_W + x) + shift
        canvas.oy = (y if y >= 0 else FRAME_H + y) + shift
        draw_frame(canvas, FRAME_W, FRAME_H)
    return (w, h, draw, (0, 0, 0))


# ---------------------------------------------------------------- tool-tip button strips

def triangles(count, down):
    """Downward triangles, or the same mirrored upward; edges on whole pixels."""
    if count == 1:
        shape = polygon([(9.0, 4.0), (21.0, 4.0), (15.0, 11.0)])
    else:
        shape = (polygon([(10.0, 2.0), (20.0, 2.0), (15.0, 7.0)])
                 | polygon([(10.0, 8.0), (20.0, 8.0), (15.0, 13.0)]))
    return shape if down else shape.mirrored_y(7.5)


def move_strip(count, down):
    """Normal, pressed and hot (red) images of 30 x 16, magenta around the triangles."""
    def draw(canvas):
        glyph = triangles(count, down)
        canvas.fill(glyph, INK)
        canvas.fill(glyph.moved(30, 1 if down else -1), (160, 36, 24))
        canvas.fill(glyph.moved(60, 0), RED)
    return (90, 16, draw, MAGENTA)


# ---------------------------------------------------------------- browse button strip

def browse_folder(x, y):
    """An open folder with three dots on its front, 21 x 21 at (x, y)."""
    back = rounded_rect(x + 2, y + 4, x + 18, y + 17, 1.5) | rounded_rect(x + 2, y + 3, x + 9, y + 6, 1)
    front = polygon([(x + 5.5, y + 8), (x + 20, y + 8), (x + 17, y + 17), (x + 2, y + 17)])
    dots = circle(x + 8.5, y + 13, 1.1) | circle(x + 11.5, y + 13, 1.1) | circle(x + 14.5, y + 13, 1.1)
    return back, front, dots


def browse_strip():
    """Normal, pressed (one pixel down and right, darker) and hot images of 21 x 21, magenta
    around the folder: the browse buttons of the exchange wizards."""
    faces = (((196, 146, 48), (240, 186, 70), INK, 0),
             ((150, 100, 28), (201, 128, 30), WHITE, 1),
             ((201, 128, 30), ACCENT, WHITE, 0))

    def draw(canvas):
        for index, (back_colour, front_colour, dot_colour, shift) in enumerate(faces):
            back, front, dots = browse_folder(21 * index + shift, shift)
            canvas.fill(back, back_colour)
            canvas.fill(front, front_colour)
            canvas.fill(front.inner_stroke(0.8), INK)
            canvas.fill(dots, dot_colour)
    return (63, 21, draw, MAGENTA)


# ---------------------------------------------------------------- event tree images

def folder(x, open_):
    back = rounded_rect(x + 1, 3, x + 15, 14, 1.5) | rounded_rect(x + 1, 2, x + 7, 5, 1)
    if open_:
        front = polygon([(x + 3.5, 7), (x + 15.5, 7), (x + 13, 14), (x + 1, 14)])
    else:
        front = rounded_rect(x + 1, 5, x + 15, 14, 1.5)
    return back, front


def leaf(x):
    body = rounded_rect(x + 2, 2, x + 14, 15, 2)
    band = body & rect(x + 2, 2, x + 14, 6)
    rows = rect(x + 5, 8, x + 11, 9) | rect(x + 5, 11, x + 9, 12)
    return body, band, rows


def draw_tree_images(canvas):
    for index, open_ in ((0, True), (1, False)):
        back, front = folder(16 * index, open_)
        canvas.fill(back, (201, 128, 30) if open_ else (196, 146, 48))
        canvas.fill(front, ACCENT if open_ else (240, 186, 70))
    for index, selected in ((2, True), (3, False)):
        body, band, rows = leaf(16 * index)
        canvas.fill(body.inner_stroke(1.0), (120, 100, 70))
        canvas.fill(body - body.inner_stroke(1.0), (255, 236, 200) if selected else (254, 252, 238))
        canvas.fill(band, ACCENT if selected else (46, 170, 80))
        canvas.fill(rows, (150, 130, 100))


# ---------------------------------------------------------------- window icon

def draw_icon(canvas):
    """A calendar leaf with the grid's marks: today framed red, a day with events green."""
    page = rounded_rect(4, 6, 28, 28, 3)
    canvas.fill(rounded_rect(3, 5, 29, 29, 4), (120, 92, 50))
    canvas.fill(page, (255, 253, 238))
    canvas.fill(page & rect(4, 6, 28, 12), ACCENT)
    for x in (10, 22):
        canvas.fill(rounded_rect(x - 1, 2, x + 1, 9, 1), (90, 70, 40))
    for row in range(3):
        for col in range(4):
            x, y = 7 + 5 * col, 14 + 5 * row
            canvas.fill(rect(x, y, x + 3, y + 3), (200, 184, 144))
    for (col, row), colour in (((1, 1), (225, 40, 30)), ((3, 2), (20, 170, 60))):
        x, y = 7 + 5 * col, 14 + 5 * row
        canvas.fill(rect(x - 1, y - 1, x + 4, y + 4) - rect(x, y, x + 3, y + 3), colour)


# ---------------------------------------------------------------- reminders

def draw_tray_icon(canvas):
    """The window icon's calendar leaf at 16 x 16: a bound page with today framed red."""
    canvas.fill(rounded_rect(1, 2, 15, 15.5, 2), (120, 92, 50))
    page = rounded_rect(2, 3, 14, 14.5, 1.5)
    canvas.fill(page, (255, 253, 238))
    canvas.fill(page & rect(2, 3, 14, 6), ACCENT)
    for x in (5, 11):
        canvas.fill(rounded_rect(x - 0.75, 0.5, x + 0.75, 4.5, 0.7), (90, 70, 40))
    for row in range(2):
        for col in range(3):
            x, y = 3.5 + 3.25 * col, 7.5 + 3.25 * row
            canvas.fill(rect(x, y, x + 2, y + 2), (200, 184, 144))
    x, y = 6.75, 10.75
    canvas.fill(rect(x - 1, y - 1, x + 3, y + 3) - rect(x, y, x + 2, y + 2), (225, 40, 30))


def draw_monitor_toolbar(canvas):
    """Two 16 x 15 toolbar images: open the calendar (a calendar page), close (a cross)."""
    page = rounded_rect(2, 2, 14, 14, 1.5)
    canvas.fill(page.inner_stroke(1.0), (120, 92, 50))
    canvas.fill(page - page.inner_stroke(1.0), (255, 253, 238))
    canvas.fill(rect(3, 3, 13, 6), ACCENT)
    for row in range(2):
        for col in range(3):
            x, y = 4 + 3 * col, 7.5 + 2.5 * row
            canvas.fill(rect(x, y, x + 2, y + 1.5), (150, 130, 100))
    cross = segment(4.5, 4, 11.5, 11, 2.0) | segment(11.5, 4, 4.5, 11, 2.0)
    canvas.fill(cross.moved(16, 0), RED)


def draw_folded_corner(canvas):
    """The monitor's top-right corner, 38 x 36, drawn at (W - 31, 0) of a window whose shape
    cuts the corner along the line from (W - 30, 0) to (W, 30): the cut-off triangle folded
    down onto the page, the cut edge outlined, and the window's right outline continued below
    it (on column W - 1). Transparent elsewhere: the page shows through."""
    flap = polygon([(1, 0), (31, 30), (1, 30)])
    canvas.fill(polygon([(1, 1.5), (29.5, 30), (29.5, 31.5), (2.5, 31.5), (2.5, 1.5)]), (0, 0, 0), 0.18)
    canvas.fill(flap, EAR)
    canvas.fill(rect(1, 0, 2, 30) | rect(1, 29, 31, 30), GRIP)
    canvas.fill(segment(1.2, 0.2, 30.8, 29.8, 1.3), OUTLINE)
    canvas.fill(rect(30, 29.5, 31, 36), OUTLINE)


# ---------------------------------------------------------------- option tree marks and group images

MARK_EDGE = (112, 112, 112)  # the rim of a check box or radio button
MARK_INK = (32, 32, 32)      # the tick and the dot


def draw_option_marks(canvas):
    """Check box on and off, radio button on and off, 13 x 13 each, magenta around them."""
    for index in range(2):
        x = 13 * index
        canvas.fill(rounded_rect(x + 0.5, 0.5, x + 12.5, 12.5, 2), MARK_EDGE)
        canvas.fill(rounded_rect(x + 1.5, 1.5, x + 11.5, 11.5, 1.2), WHITE)
    canvas.fill(polyline([(3.2, 6.7), (5.4, 9.1), (9.8, 3.9)], 1.8), MARK_INK)
    for index in range(2, 4):
        cx = 13 * index + 6.5
        canvas.fill(circle(cx, 6.5, 6), MARK_EDGE)
        canvas.fill(circle(cx, 6.5, 5), WHITE)
    canvas.fill(circle(13 * 2 + 6.5, 6.5, 2.6), MARK_INK)


def draw_group_images(canvas):
    """The settings' groups, 16 x 16 each: the calendar, the notice span (an alarm clock) and
    the monitor (a window listing the coming events)."""
    # the calendar: a leaf with its top band and today marked
    canvas.fill(rounded_rect(1, 2, 15, 15, 2), (120, 92, 50))
    canvas.fill(rect(2, 3, 14, 14), (255, 253, 238))
    canvas.fill(rect(2, 3, 14, 6), ACCENT)
    for row in range(2):
        for col in range(3):
            x, y = 3.5 + 3.5 * col, 7.5 + 3 * row
            canvas.fill(rect(x, y, x + 2, y + 2), (200, 184, 144))
    canvas.fill(rect(10, 10.5, 12, 12.5), (225, 40, 30))
    # the notice span: an alarm clock
    cx, cy = 16 + 8, 9
    canvas.fill(circle(cx - 4.5, 3.5, 2.2) | circle(cx + 4.5, 3.5, 2.2), (196, 60, 40))
    canvas.fill(circle(cx, cy, 6), (90, 70, 40))
    canvas.fill(circle(cx, cy, 4.8), WHITE)
    canvas.fill(polyline([(cx, cy - 3.4), (cx, cy), (cx + 2.6, cy + 1.4)], 1.3), MARK_INK)
    # the monitor: a window with a title bar and three lines of events
    x = 32
    canvas.fill(rounded_rect(x + 1, 2, x + 15, 14, 1.5), (70, 86, 120))
    canvas.fill(rect(x + 2, 5, x + 14, 13), PANEL)
    for row, width in enumerate((9, 7, 8)):
        y = 6.5 + 2.2 * row
        canvas.fill(rect(x + 4, y, x + 4 + width, y + 1.2), INK)


# ---------------------------------------------------------------- about box picture

def draw_about(canvas):
    """A leaf of the calendar on its ring binding, the months' grid below the red band with
    today framed and a day with events marked green, and a scroll's roll at the foot."""
    canvas.fill(rect(0, 0, 64, 77), PANEL)
    leaf = rounded_rect(6, 8, 58, 66, 5)
    canvas.fill(rounded_rect(5, 7, 59, 67, 6), (120, 92, 50))
    canvas.fill(leaf, (255, 253, 238))
    canvas.fill(leaf & rect(6, 8, 58, 22), ACCENT)
    for x in (18, 32, 46):
        canvas.fill(rounded_rect(x - 2, 2, x + 2, 14, 2), (90, 70, 40))
        canvas.fill(rounded_rect(x - 1, 3, x + 1, 13, 1), (170, 150, 110))
    for row in range(5):
        for col in range(7):
            x, y = 10 + 6.6 * col, 26 + 7.4 * row
            canvas.fill(rounded_rect(x, y, x + 4.6, y + 4.6, 0.8), (214, 200, 160))
    for (col, row), colour in (((2, 2), (225, 40, 30)), ((5, 3), (20, 170, 60))):
        x, y = 10 + 6.6 * col, 26 + 7.4 * row
        canvas.fill(rounded_rect(x - 1.2, y - 1.2, x + 5.8, y + 5.8, 1.2)
                    - rect(x, y, x + 4.6, y + 4.6), colour)
    roll = rounded_rect(3, 66, 61, 75, 4.5)
    canvas.fill(roll, OUTLINE)
    canvas.fill(rounded_rect(4, 67, 60, 74, 3.5), EAR)
    canvas.fill(rect(8, 70, 56, 71), ROLL_EDGE)


PICTURES = {
    128: (32, 32, draw_icon, (0, 0, 0)),
    141: (64, 77, draw_about, (0, 0, 0)),
    138: frame_piece(-39, 0, 38, 36),
    139: frame_piece(0, -36, 38, 36),
    140: frame_piece(-57, -41, 31, 40),
    148: button_strip(20, 30, glyph_prev(), ACCENT),
    149: button_strip(20, 30, glyph_next(), ACCENT),
    150: button_strip(20, 20, glyph_close(), RED),
    153: button_strip(20, 20, glyph_about(), ACCENT),
    155: button_strip(20, 20, glyph_minimize(), ACCENT),
    156: (16, 16, draw_tray_icon, (0, 0, 0)),
    157: (64, 16, draw_tree_images, WHITE),
    186: move_strip(1, True),
    188: move_strip(1, False),
    190: move_strip(2, True),
    192: move_strip(2, False),
    199: (32, 15, draw_monitor_toolbar, (0, 0, 0)),
    201: (38, 36, draw_folded_corner, (0, 0, 0)),
    203: browse_strip(),
    210: (52, 13, draw_option_marks, MAGENTA),
    211: (48, 16, draw_group_images, MAGENTA),
}


def main():
    folder_ = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
    names = []
    for number, (w, h, draw, key) in sorted(PICTURES.items()):
        for scale, suffix in ((1, ''), (2, '@2x')):
            canvas = Canvas(w, h, scale)
            draw(canvas)
            names.append(f'{number}{suffix}.png')
            with open(os.path.join(folder_, names[-1]), 'wb') as out:
                out.write(canvas.png(key))
    with open(os.path.join(folder_, 'res.qrc'), 'w', encoding='utf-8') as qrc:
        qrc.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n  <qresource prefix="/res">\n')
        qrc.writelines(f'    <file>{name}</file>\n' for name in names)
        qrc.write('  </qresource>\n</RCC>\n')


if __name__ == '__main__':
    main()
