# SPDX-License-Identifier: MIT
"""Draws Tickwell's artwork: the window icon, the splash picture and the
About picture.

Outputs, written next to this script:

  watch-16.png, watch-32.png, watch-48.png, watch-64.png
      the window icon (a stopwatch) in the 16-colour VGA palette with a
      transparent background; the 16 px one is pixel art
  tickwell.svg
      the same stopwatch as a scalable icon
  splash.jpg (154x140), splash@2x.jpg (308x280)
      the start-up picture; the title and author lines are painted over it
  about.jpg (60x127), about@2x.jpg (120x254)
      the figure on the About card

Everything is drawn with PIL primitives (supersampled, then reduced with
LANCZOS), so the output is identical on every run.

Run:  python3 resources/draw_pictures.py  (the files land next to the script,
whatever the current directory)
"""

import math
import os

from PIL import Image, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))

# The classic 16-colour VGA palette, in the usual order.
VGA = [
    (0x00, 0x00, 0x00),  # black
    (0x80, 0x00, 0x00),  # maroon
    (0x00, 0x80, 0x00),  # green
    (0x80, 0x80, 0x00),  # olive
    (0x00, 0x00, 0x80),  # navy
    (0x80, 0x00, 0x80),  # purple
    (0x00, 0x80, 0x80),  # teal
    (0xC0, 0xC0, 0xC0),  # silver
    (0x80, 0x80, 0x80),  # grey
    (0xFF, 0x00, 0x00),  # red
    (0x00, 0xFF, 0x00),  # lime
    (0xFF, 0xFF, 0x00),  # yellow
    (0x00, 0x00, 0xFF),  # blue
    (0xFF, 0x00, 0xFF),  # fuchsia
    (0x00, 0xFF, 0xFF),  # aqua
    (0xFF, 0xFF, 0xFF),  # white
]
BLACK, MAROON, SILVER, GREY, RED, WHITE = (VGA[0], VGA[1], VGA[7], VGA[8],
                                           VGA[9], VGA[15])
TRANSPARENT_INDEX = 16

SUPERSAMPLE = 8


def out_path(name):
    return os.path.join(HERE, name)


def polar(cx, cy, r, deg):
    """Point at clock angle `deg` (0 = twelve o'clock, clockwise)."""
    a = math.radians(deg)
    return cx + r * math.sin(a), cy - r * math.cos(a)


class Sketch:
    """A supersampled canvas addressed in output pixels (floats)."""

    def __init__(self, width, height, scale=1, background=(0, 0, 0, 0),
                 supersample=SUPERSAMPLE):
        self.width = round(width * scale)
        self.height = round(height * scale)
        self.k = scale * supersample
        mode = "RGBA" if len(background) == 4 else "RGB"
        self.img = Image.new(mode, (self.width * supersample,
                                    self.height * supersample), background)
        self.draw = ImageDraw.Draw(self.img, "RGBA")

    def _pt(self, p):
        return (p[0] * self.k, p[1] * self.k)

    def _w(self, w):
        return max(1, round(w * self.k)) if w else 0

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=0):
        k = self.k
        self.draw.ellipse([(cx - rx) * k, (cy - ry) * k,
                           (cx + rx) * k, (cy + ry) * k],
                          fill=fill, outline=outline, width=self._w(width))

    def circle(self, cx, cy, r, fill=None, outline=None, width=0):
        self.ellipse(cx, cy, r, r, fill, outline, width)

    def line(self, points, fill, width, round_caps=True):
        pts = [self._pt(p) for p in points]
        self.draw.line(pts, fill=fill, width=self._w(width), joint="curve")
        if round_caps:
            for p in (points[0], points[-1]):
                self.circle(p[0], p[1], width / 2, fill=fill)

    def polygon(self, points, fill=None, outline=None, width=0):
        pts = [self._pt(p) for p in points]
        self.draw.polygon(pts, fill=fill, outline=outline,
                          width=self._w(width) or 1)

    def rrect(self, x0, y0, x1, y1, radius, fill=None, outline=None, width=0):
        k = self.k
        self.draw.rounded_rectangle([x0 * k, y0 * k, x1 * k, y1 * k],
                                    radius=radius * k, fill=fill,
                                    outline=outline, width=self._w(width))

    def arc(self, cx, cy, r, start, end, fill, width):
        """Arc between clock angles `start` and `end` (clockwise)."""
        k = self.k
        self.draw.arc([(cx - r) * k, (cy - r) * k, (cx + r) * k, (cy + r) * k],
                      start - 90, end - 90, fill=fill, width=self._w(width))

    def pie(self, cx, cy, r, start, end, fill):
        k = self.k
        self.draw.pieslice([(cx - r) * k, (cy - r) * k,
                            (cx + r) * k, (cy + r) * k],
                           start - 90, end - 90, fill=fill)

    def layer(self):
        """A transparent sheet of the same size, for soft effects."""
        sheet = Sketch.__new__(Sketch)
        sheet.width, sheet.height, sheet.k = self.width, self.height, self.k
        sheet.img = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        sheet.draw = ImageDraw.Draw(sheet.img, "RGBA")
        return sheet

    def merge(self, sheet, blur=0.0, inside=None):
        """Composite a sheet made by layer(), optionally blurred (in output
        pixels) and optionally kept inside the circle `inside` = (cx, cy, r).
        """
        img = sheet.img
        if blur:
            img = img.filter(ImageFilter.GaussianBlur(blur * self.k))
        if inside:
            cx, cy, r = (v * self.k for v in inside)
            mask = Image.new("L", img.size, 0)
            ImageDraw.Draw(mask).ellipse([cx - r, cy - r, cx + r, cy + r],
                                         fill=255)
            alpha = img.getchannel("A")
            img.putalpha(Image.composite(alpha, mask, mask))
        if self.img.mode == "RGBA":
            self.img = Image.alpha_composite(self.img, img)
        else:
            base = self.img.convert("RGBA")
            self.img = Image.alpha_composite(base, img).convert("RGB")
        self.draw = ImageDraw.Draw(self.img, "RGBA")

    def result(self):
        return self.img.resize((self.width, self.height), Image.LANCZOS)


# ---------------------------------------------------------------------------
# Window icon
# ---------------------------------------------------------------------------

# The 16 px icon is drawn pixel by pixel; at that size a reduced vector
# drawing turns to mush.  Four marks, a thick minute and hour hand (three
# o'clock) and a one-pixel red second hand.
#   . transparent  K black  G grey  S silver  W white  R red
WATCH_16 = [
    "......KKKK......",
    ".......KK.......",
    ".....KKKKKK.....",
    "...KKKGGGGKKK...",
    "...KGGWKKWGGK...",
    "..KGWWWWWWWWGK..",
    ".KGWWWWKKWWWWGK.",
    ".KGWWWWKKWWWWGK.",
    ".KGKWWWKKKKWKGK.",
    ".KGKWWWKKKKWKGK.",
    ".KGWWWRWWWWWWGK.",
    ".KGWWRWWWWWWWGK.",
    "..KGRWWWWWWWGK..",
    "...KGGWKKWGGK...",
    "....KKGGGGKK....",
    ".....KKKKKK.....",
]
PIXEL_COLOURS = {"K": BLACK, "G": GREY, "S": SILVER, "W": WHITE, "R": RED}


def watch_pixel_art(rows):
    img = Image.new("RGBA", (len(rows[0]), len(rows)), (0, 0, 0, 0))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != ".":
                img.putpixel((x, y), PIXEL_COLOURS[ch] + (255,))
    return img


# Geometry of the larger icons, in pixels of each size.  The centre sits on
# a pixel corner and the marks are snapped to the pixel grid so they stay
# sharp; only the round case and the slanted hands are anti-aliased.
WATCH_SIZES = {
    32: dict(cx=16, cy=18, case=13, edge=1, ring=2, dial_edge=1,
             button=(12, 0, 20, 3.2, 1), stem=(14, 2.2, 18, 5.5),
             pusher=(3.0, 1.6, 2.0),
             hour=(5.6, 2.0), minute=(8.2, 1.8), second=(8.6, 2.6, 1.0),
             cap=(1.5, 0.5), major=(2, 3, 1), minor=(1, 8.5)),
    48: dict(cx=24, cy=27, case=20, edge=1.5, ring=3, dial_edge=1,
             button=(18, 0, 30, 5, 1.5), stem=(21, 4, 27, 8.5),
             pusher=(4.4, 2.4, 3.0),
             hour=(8.4, 3.0), minute=(12.4, 2.6), second=(13.0, 4.0, 1.4),
             cap=(2.3, 0.9), major=(2, 4, 1), minor=(2, 13.0)),
    64: dict(cx=32, cy=37, case=26, edge=2, ring=4, dial_edge=1.5,
             button=(25, 0, 39, 6.4, 2), stem=(28, 5, 36, 11),
             pusher=(6.0, 3.2, 4.0),
             hour=(11.2, 4.0), minute=(16.4, 3.4), second=(17.4, 5.2, 2.0),
             cap=(3.0, 1.1), major=(4, 6, 2), minor=(2, 17.6)),
}


def watch_vector(size):
    """The stopwatch for the 32, 48 and 64 px icons."""
    g = WATCH_SIZES[size]
    s = Sketch(size, size)
    cx, cy, R, edge = g["cx"], g["cy"], g["case"], g["edge"]

    # Pushers either side of the crown.
    width, out, inset = g["pusher"]
    for a in (-45, 45):
        p0, p1 = polar(cx, cy, R - inset, a), polar(cx, cy, R + out, a)
        s.line([p0, p1], BLACK, width, round_caps=False)
        s.line([p0, polar(cx, cy, R + out - edge, a)], GREY,
               width - 2 * edge, round_caps=False)

    # Crown: stem and button.
    x0, y0, x1, y1 = g["stem"]
    s.rrect(x0, y0, x1, y1, 0, fill=GREY, outline=BLACK, width=edge)
    x0, y0, x1, y1, r = g["button"]
    s.rrect(x0, y0, x1, y1, r, fill=SILVER, outline=BLACK, width=edge)

    # Case: black edge, grey ring with a silver gleam, white dial.
    s.circle(cx, cy, R, fill=BLACK)
    s.circle(cx, cy, R - edge, fill=GREY)
    s.arc(cx, cy, R - edge - g["ring"] * 0.45, 285, 345, SILVER,
          g["ring"] * 0.45)
    dial = R - edge - g["ring"]
    s.circle(cx, cy, dial, fill=BLACK)
    s.circle(cx, cy, dial - g["dial_edge"], fill=WHITE)

    # Quarter marks: pixel-aligned bars just inside the dial edge.
    w, length, gap = g["major"]
    inner = dial - g["dial_edge"] - gap        # from the centre to a bar's tip
    h = w / 2
    k = s.k
    for x0, y0, x1, y1 in ((cx - h, cy - inner, cx + h, cy - inner + length),
                           (cx - h, cy + inner - length, cx + h, cy + inner),
                           (cx + inner - length, cy - h, cx + inner, cy + h),
                           (cx - inner, cy - h, cx - inner + length, cy + h)):
        s.draw.rectangle([x0 * k, y0 * k, x1 * k - 1, y1 * k - 1],
                         fill=BLACK)
    # The other eight hours: square dots snapped to the grid.
    n, radius = g["minor"]
    for i in range(12):
        if i % 3:
            px, py = polar(cx, cy, radius, i * 30)
            x0, y0 = round(px - n / 2), round(py - n / 2)
            s.draw.rectangle([x0 * k, y0 * k, (x0 + n) * k - 1,
                              (y0 + n) * k - 1], fill=BLACK)

    # Hands at ten past ten, red sweep hand towards half past.
    length, w = g["hour"]
    s.line([(cx, cy), polar(cx, cy, length, 300)], BLACK, w)
    length, w = g["minute"]
    s.line([(cx, cy), polar(cx, cy, length, 60)], BLACK, w)
    length, tail, w = g["second"]
    s.line([polar(cx, cy, -tail, 165), polar(cx, cy, length, 165)], RED, w)
    r_cap, r_pin = g["cap"]
    s.circle(cx, cy, r_cap, fill=RED)
    s.circle(cx, cy, r_pin, fill=BLACK)
    return s.result()


# Colours the larger icons may use; keeping to these stops anti-aliased
# edges from picking up stray teal or olive pixels.
ICON_COLOURS = [VGA.index(c) for c in (BLACK, MAROON, SILVER, GREY, RED,
                                        WHITE)]


def to_vga(img, allowed=ICON_COLOURS):
    """Map an RGBA picture onto the VGA palette; alpha becomes 0 or 255.
    Returns a palette image whose index 16 is the transparent entry."""
    img = img.convert("RGBA")
    out = Image.new("P", img.size, TRANSPARENT_INDEX)
    for y in range(img.height):
        for x in range(img.width):
            r, g, b, a = img.getpixel((x, y))
            if a < 128:
                continue
            best = min(allowed, key=lambda i: (VGA[i][0] - r) ** 2 * 3 +
                       (VGA[i][1] - g) ** 2 * 4 + (VGA[i][2] - b) ** 2 * 2)
            out.putpixel((x, y), best)
    palette = [c for rgb in VGA for c in rgb] + [0, 0, 0]
    out.putpalette(palette)
    out.info["transparency"] = TRANSPARENT_INDEX
    return out


def save_icon(img, name):
    img.save(out_path(name), transparency=TRANSPARENT_INDEX, optimize=False)


def hexcolour(rgb):
    return "#%02x%02x%02x" % rgb


def watch_svg():
    """The 64 px design as a scalable icon, written out by hand."""
    g = WATCH_SIZES[64]
    cx, cy, R, edge = g["cx"], g["cy"], g["case"], g["edge"]
    black, grey, silver, red, white = (hexcolour(c) for c in
                                       (BLACK, GREY, SILVER, RED, WHITE))

    def num(v):
        return ("%.2f" % v).rstrip("0").rstrip(".")

    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
           'width="64" height="64" viewBox="0 0 64 64">',
           '  <title>Tickwell</title>']
    # Pushers, drawn upright and turned into place.
    width, reach, inset = g["pusher"]
    for a in (-45, 45):
        out.append('  <g transform="rotate(%d %s %s)">'
                   % (a, num(cx), num(cy)))
        out.append('    <rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                   % (num(cx - width / 2), num(cy - R - reach), num(width),
                      num(reach + inset), black))
        out.append('    <rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                   % (num(cx - width / 2 + edge), num(cy - R - reach + edge),
                      num(width - 2 * edge), num(reach + inset), grey))
        out.append('  </g>')
    # Crown.
    x0, y0, x1, y1 = g["stem"]
    e = edge / 2
    out.append('  <rect x="%s" y="%s" width="%s" height="%s" fill="%s" '
               'stroke="%s" stroke-width="%s"/>'
               % (num(x0 + e), num(y0 + e), num(x1 - x0 - edge),
                  num(y1 - y0 - edge), grey, black, num(edge)))
    x0, y0, x1, y1, r = g["button"]
    out.append('  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" '
               'fill="%s" stroke="%s" stroke-width="%s"/>'
               % (num(x0 + e), num(y0 + e), num(x1 - x0 - edge),
                  num(y1 - y0 - edge), num(r - e), silver, black, num(edge)))
    # Case and dial.
    out.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
               % (num(cx), num(cy), num(R), black))
    out.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
               % (num(cx), num(cy), num(R - edge), grey))
    gr = R - edge - g["ring"] * 0.45
    p0, p1 = polar(cx, cy, gr, 285), polar(cx, cy, gr, 345)
    out.append('  <path d="M %s %s A %s %s 0 0 1 %s %s" fill="none" '
               'stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
               % (num(p0[0]), num(p0[1]), num(gr), num(gr), num(p1[0]),
                  num(p1[1]), silver, num(g["ring"] * 0.45)))
    dial = R - edge - g["ring"]
    out.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
               % (num(cx), num(cy), num(dial), black))
    out.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
               % (num(cx), num(cy), num(dial - g["dial_edge"]), white))
    # Marks.
    w, length, gap = g["major"]
    inner = dial - g["dial_edge"] - gap
    out.append('  <g fill="%s">' % black)
    for a in (0, 90, 180, 270):
        out.append('    <rect x="%s" y="%s" width="%s" height="%s" '
                   'transform="rotate(%d %s %s)"/>'
                   % (num(cx - w / 2), num(cy - inner), num(w), num(length),
                      a, num(cx), num(cy)))
    n, radius = g["minor"]
    for i in range(12):
        if i % 3:
            px, py = polar(cx, cy, radius, i * 30)
            out.append('    <circle cx="%s" cy="%s" r="%s"/>'
                       % (num(px), num(py), num(n * 0.6)))
    out.append('  </g>')
    # Hands.
    for (length, w), a in ((g["hour"], 300), (g["minute"], 60)):
        px, py = polar(cx, cy, length, a)
        out.append('  <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" '
                   'stroke-width="%s" stroke-linecap="round"/>'
                   % (num(cx), num(cy), num(px), num(py), black, num(w)))
    length, tail, w = g["second"]
    p0, p1 = polar(cx, cy, -tail, 165), polar(cx, cy, length, 165)
    out.append('  <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" '
               'stroke-width="%s" stroke-linecap="round"/>'
               % (num(p0[0]), num(p0[1]), num(p1[0]), num(p1[1]), red, num(w)))
    r_cap, r_pin = g["cap"]
    out.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
               % (num(cx), num(cy), num(r_cap), red))
    out.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
               % (num(cx), num(cy), num(r_pin), black))
    out.append('</svg>')
    with open(out_path("tickwell.svg"), "w", encoding="utf-8",
              newline="\n") as f:
        f.write("\n".join(out) + "\n")


def make_icons():
    save_icon(to_vga(watch_pixel_art(WATCH_16)), "watch-16.png")
    for size in (32, 48, 64):
        save_icon(to_vga(watch_vector(size)), "watch-%d.png" % size)
    watch_svg()


# ---------------------------------------------------------------------------
# Splash picture
# ---------------------------------------------------------------------------

# The program paints the title over rows 8-40 and the author lines over rows
# 96-130 (in 154x140 units), so those bands stay pale and the detail sits
# in between.
SPLASH_SIZE = (154, 140)
PINK = (255, 128, 255)
PERIWINKLE = (128, 128, 255)


def mix(a, b, t):
    """Blend colour a towards b by t (0..1)."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def sparkle(s, x, y, r, colour):
    """A four-pointed twinkle."""
    t = r * 0.22
    s.polygon([(x, y - r), (x + t, y - t), (x + r, y), (x + t, y + t),
               (x, y + r), (x - t, y + t), (x - r, y), (x - t, y - t)],
              fill=colour)


def draw_splash(scale):
    w, h = SPLASH_SIZE
    s = Sketch(w, h, scale, background=(255, 255, 255))
    cx, cy = 77.0, 68.0
    R = 29.0                       # outer edge of the case

    # A soft lilac glow behind the watch.
    glow = s.layer()
    glow.circle(cx, cy, 52, fill=PERIWINKLE + (26,))
    glow.circle(cx, cy, 40, fill=PINK + (26,))
    s.merge(glow, blur=14)

    # Ripples of time spreading outwards, broken into arcs.
    rings = s.layer()
    for radius, start, end, colour, alpha in (
            (38, 300, 420, PERIWINKLE, 90), (38, 110, 240, PINK, 80),
            (45, 320, 390, PINK, 70), (45, 140, 215, PERIWINKLE, 70),
            (52, 330, 372, PERIWINKLE, 50), (52, 155, 200, PINK, 50)):
        rings.arc(cx, cy, radius, start, end, colour + (alpha,), 1.1)
    s.merge(rings, blur=0.25)

    # Speed streaks either side: the watch is on the move.
    streaks = s.layer()
    for y, x0, x1, alpha in ((56, 14, 36, 120), (64, 6, 33, 150),
                             (72, 16, 34, 110), (80, 10, 37, 90)):
        streaks.line([(x0, y), (x1, y)], PINK + (alpha,), 2.2)
    for y, x0, x1, alpha in ((60, 118, 140, 100), (76, 121, 146, 80)):
        streaks.line([(x0, y), (x1, y)], PERIWINKLE + (alpha,), 1.8)
    s.merge(streaks, blur=0.3)

    # Twinkles, pale where the text goes.
    twinkle = s.layer()
    for x, y, r, colour, alpha in (
            (16, 22, 4.5, PINK, 110), (138, 20, 5.5, PERIWINKLE, 110),
            (126, 42, 3.0, PINK, 150), (24, 46, 2.6, PERIWINKLE, 150),
            (134, 92, 4.0, PINK, 130), (19, 96, 3.4, PERIWINKLE, 120),
            (144, 128, 4.0, PERIWINKLE, 90), (9, 126, 3.0, PINK, 90)):
        sparkle(twinkle, x, y, r, colour + (alpha,))
    s.merge(twinkle)

    # Soft shadow under the watch.
    shadow = s.layer()
    shadow.ellipse(cx + 2, cy + R + 4, R * 0.9, 3.2, fill=(112, 80, 200, 56))
    shadow.circle(cx + 2.5, cy + 3, R, fill=(112, 80, 200, 30))
    s.merge(shadow, blur=2.5)

    edge = (96, 96, 208)
    case_dark = mix(PERIWINKLE, (96, 96, 224), 0.3)
    case_light = mix(PERIWINKLE, (255, 255, 255), 0.55)

    # Pushers and crown.
    for a in (-42, 42):
        p0, p1 = polar(cx, cy, R - 2, a), polar(cx, cy, R + 5.5, a)
        s.line([p0, p1], edge, 5.6, round_caps=False)
        s.line([p0, polar(cx, cy, R + 4.9, a)], case_light, 4.2,
               round_caps=False)
        s.line([polar(cx, cy, R + 5.2, a - 1.5),
                polar(cx, cy, R + 5.2, a + 1.5)], edge, 1.0)
    s.rrect(cx - 3.2, cy - R - 7, cx + 3.2, cy - R + 2, 0.8, fill=case_light,
            outline=edge, width=0.7)
    s.rrect(cx - 8, cy - R - 12.5, cx + 8, cy - R - 6.2, 3.0,
            fill=mix(PINK, (255, 255, 255), 0.35), outline=edge, width=0.7)
    s.rrect(cx - 6.2, cy - R - 11.4, cx + 2, cy - R - 9.9, 0.7,
            fill=(255, 255, 255, 200))

    # Case: a periwinkle ring shading from light (top left) to deeper.
    s.circle(cx, cy, R, fill=edge)
    ring = s.layer()
    ring.circle(cx, cy, R - 0.7, fill=case_dark + (255,))
    ring.circle(cx - 2.0, cy - 2.0, R - 3.0, fill=case_light + (255,))
    s.merge(ring, blur=1.6, inside=(cx, cy, R - 0.7))
    s.arc(cx, cy, R - 1.6, 290, 345, (255, 255, 255, 210), 1.2)
    s.arc(cx, cy, R - 1.6, 355, 362, (255, 255, 255, 170), 1.2)

    # Dial.
    dial = R - 4.6
    s.circle(cx, cy, dial + 0.7, fill=edge)
    s.circle(cx, cy, dial, fill=(255, 255, 255))
    face = s.layer()
    face.circle(cx, cy, dial, fill=(246, 240, 255, 255))
    face.circle(cx - 1.5, cy - 2.0, dial - 3.5, fill=(255, 255, 255, 255))
    s.merge(face, blur=2.0)

    # Elapsed time, shaded as a pale pink wedge.
    wedge = s.layer()
    wedge.pie(cx, cy, dial - 0.6, 0, 222, PINK + (46,))
    s.merge(wedge)

    # Ticks: sixty fine ones, twelve hours, four bold quarters.
    for i in range(60):
        a = i * 6
        if i % 15 == 0:
            r0, r1, wd, col = dial - 1.2, dial - 5.4, 2.0, PINK
        elif i % 5 == 0:
            r0, r1, wd, col = dial - 1.2, dial - 4.0, 1.2, mix(PINK, edge, 0.4)
        else:
            r0, r1, wd, col = dial - 1.2, dial - 2.4, 0.5, (176, 176, 240)
        s.line([polar(cx, cy, r0, a), polar(cx, cy, r1, a)], col, wd,
               round_caps=i % 5 == 0)

    # Small minute counter below the centre.
    sx, sy, sr = cx, cy + 9.5, 5.2
    s.circle(sx, sy, sr + 0.5, fill=mix(PERIWINKLE, (255, 255, 255), 0.5))
    s.circle(sx, sy, sr, fill=(250, 247, 255))
    for i in range(6):
        s.line([polar(sx, sy, sr - 0.6, i * 60),
                polar(sx, sy, sr - 1.8, i * 60)], PERIWINKLE, 0.6)
    s.line([(sx, sy), polar(sx, sy, sr - 1.2, 130)], (96, 96, 208), 1.0)
    s.circle(sx, sy, 0.9, fill=(96, 96, 208))

    # Hands: minute hand in deep periwinkle, sweep hand in pink.
    hand = (80, 72, 192)
    s.line([(cx, cy), polar(cx, cy, dial - 7.5, 40)], hand, 2.4)
    sweep = (240, 96, 224)
    s.line([polar(cx, cy, -6.5, 222), polar(cx, cy, dial - 2.4, 222)],
           sweep, 1.1)
    s.circle(*polar(cx, cy, -5.6, 222), 1.7, fill=sweep)
    s.circle(cx, cy, 2.6, fill=sweep)
    s.circle(cx, cy, 1.1, fill=(255, 255, 255))

    return s.result()


def save_jpeg(img, name):
    img.convert("RGB").save(out_path(name), "JPEG", quality=92,
                            subsampling=0, optimize=True)


def make_splash():
    save_jpeg(draw_splash(1), "splash.jpg")
    save_jpeg(draw_splash(2), "splash@2x.jpg")


# ---------------------------------------------------------------------------
# About picture
# ---------------------------------------------------------------------------

ABOUT_SIZE = (60, 127)
INK = (58, 40, 74)             # outline colour
SKIN = (255, 214, 180)
SKIN_SHADE = (238, 178, 146)
HAIR = (128, 74, 40)
CAP = (236, 72, 160)
CAP_BRIM = (196, 40, 124)
SHIRT = (104, 116, 240)
SHIRT_SHADE = (80, 88, 208)
SHORTS = (32, 164, 150)
SHOE = (236, 64, 64)
GOLD = (255, 200, 48)


def limb(s, points, colour, width, ink=0.9):
    """A rounded limb with an ink outline."""
    s.line(points, INK, width + 2 * ink)
    s.line(points, colour, width)


def draw_about(scale):
    w, h = ABOUT_SIZE
    s = Sketch(w, h, scale, background=(255, 255, 255))
    ink = 0.9

    # Ground shadow.
    shadow = s.layer()
    shadow.ellipse(30, 122.5, 19, 2.6, fill=(120, 100, 170, 70))
    s.merge(shadow, blur=0.8)

    # Legs, socks and trainers.
    for x0, x1 in ((25.5, 24.0), (34.5, 36.0)):
        limb(s, [(x0, 86), (x1, 112)], SKIN, 5.8)
        s.line([(x1 + (x0 - x1) * 0.26, 105.5), (x1, 112)], (255, 255, 255),
               5.8)
        s.line([(x1 + (x0 - x1) * 0.23, 106.8), (x1 + (x0 - x1) * 0.2,
                                                  106.8)], SHOE, 1.0)
    for x, toe in ((24.0, -1), (36.0, 1)):
        s.rrect(x - 4.6 + toe * 2.2 - 0.4, 111, x + 4.6 + toe * 2.2 + 0.4,
                121, 3.6, fill=SHOE, outline=INK, width=ink)
        s.rrect(x - 4.6 + toe * 2.2, 118.2, x + 4.6 + toe * 2.2, 120.2, 0.8,
                fill=(255, 255, 255))
        s.line([(x - 1.5 + toe * 2, 114.0), (x + 1.5 + toe * 2, 114.0)],
               (255, 255, 255), 0.8)

    # Shorts.
    s.polygon([(18.5, 66), (41.5, 66), (43, 88), (31.5, 88), (30, 79),
               (28.5, 88), (17, 88)], fill=SHORTS, outline=INK, width=ink)
    s.line([(30, 70), (30, 79)], INK, 0.6)

    # Waving arm, behind the body.
    limb(s, [(39.5, 40), (48, 33), (51, 21)], SKIN, 4.0)
    s.circle(51.3, 18.3, 3.6, fill=SKIN, outline=INK, width=ink)
    s.line([(48.2, 19.0), (47.2, 16.2)], INK, 0.7)
    s.line([(48.2, 19.0), (47.6, 16.6)], SKIN, 1.6)
    # Motion marks beside the waving hand.
    s.arc(51.3, 18.3, 7.0, 20, 70, (255, 128, 255), 0.9)
    s.arc(51.3, 18.3, 9.3, 25, 65, (128, 128, 255), 0.9)

    # Body: a T-shirt with short sleeves.
    s.rrect(18, 34, 42, 70, 7, fill=SHIRT, outline=INK, width=ink)
    s.line([(20, 66), (40, 66)], SHIRT_SHADE, 1.4, round_caps=False)
    for x0, x1 in ((19.5, 15.0), (40.5, 45.0)):
        s.line([(x0, 38), (x1, 42 if x1 < 30 else 37)], INK, 8.6)
        s.line([(x0, 38), (x1, 42 if x1 < 30 else 37)], SHIRT, 6.8)
    s.rrect(18 + ink, 36, 42 - ink, 68, 6, fill=SHIRT)
    s.line([(20, 66.8), (40, 66.8)], SHIRT_SHADE, 1.4, round_caps=False)
    # A star on the shirt.
    star = [polar(36.2, 60.5, 3.2 if i % 2 == 0 else 1.35, i * 36)
            for i in range(10)]
    s.polygon(star, fill=(255, 230, 80))

    # Neck and collar.
    s.rrect(27, 30, 33, 36, 1.5, fill=SKIN_SHADE, outline=INK, width=ink)
    s.pie(30, 34, 4.2, 90, 270, SKIN_SHADE)
    s.arc(30, 34, 4.2, 90, 270, INK, ink)

    # The other arm comes forward to hold up the stopwatch.
    limb(s, [(20.5, 40), (13.5, 52), (19.5, 60)], SKIN, 4.0)
    s.line([(20.5, 38.5), (15.8, 43.5)], INK, 8.4)
    s.line([(20.5, 38.5), (15.8, 43.5)], SHIRT, 6.6)
    s.circle(22.6, 40.2, 3.2, fill=SHIRT)

    # Lanyard and stopwatch.
    s.line([(26.5, 35), (22.5, 47)], (230, 40, 40), 1.0)
    s.line([(33.5, 35), (25.5, 47)], (230, 40, 40), 1.0)
    wx, wy, wr = 24, 55, 7.2
    s.rrect(wx - 1.6, wy - wr - 3.2, wx + 1.6, wy - wr + 1, 0.6, fill=GOLD,
            outline=INK, width=0.7)
    s.circle(wx, wy, wr, fill=GOLD, outline=INK, width=ink)
    s.circle(wx, wy, wr - 1.8, fill=(255, 255, 255), outline=INK, width=0.5)
    for i in range(4):
        s.line([polar(wx, wy, wr - 2.5, i * 90), polar(wx, wy, wr - 3.4,
                                                       i * 90)], INK, 0.6)
    s.line([(wx, wy), polar(wx, wy, 3.6, 50)], INK, 0.8)
    s.line([(wx, wy), polar(wx, wy, 4.2, 200)], (230, 30, 30), 0.6)
    s.circle(wx, wy, 0.7, fill=(230, 30, 30))
    s.arc(wx, wy, wr - 0.9, 300, 340, (255, 245, 190), 0.8)

    # Hand holding the watch from below.
    s.circle(19.6, 60.4, 3.4, fill=SKIN, outline=INK, width=ink)
    s.line([(20.6, 58.0), (23.4, 57.2)], INK, 2.4)
    s.line([(20.6, 58.0), (23.2, 57.3)], SKIN, 1.0)

    # Head.
    for x in (17.6, 42.4):
        s.circle(x, 22.5, 2.8, fill=SKIN, outline=INK, width=ink)
        s.circle(x, 22.5, 1.2, fill=SKIN_SHADE)
    s.ellipse(30, 21.5, 12, 11.5, fill=SKIN, outline=INK, width=ink)
    # Hair peeking out under the cap.
    for x, sign in ((19.3, -1), (40.7, 1)):
        s.polygon([(x - sign * 1.5, 12.5), (x + sign * 1.5, 13.5),
                   (x + sign * 0.6, 19.5), (x - sign * 1.0, 17.5)],
                  fill=HAIR)
    # Face.
    for x in (25.6, 34.4):
        s.ellipse(x, 21.8, 1.35, 1.8, fill=INK)
        s.circle(x + 0.45, 21.1, 0.5, fill=(255, 255, 255))
        s.ellipse(x + (-2.3 if x < 30 else 2.3), 26, 2.0, 1.2,
                  fill=(255, 150, 170))
    s.arc(30, 23.6, 1.4, 120, 240, SKIN_SHADE, 0.8)
    s.pie(30, 26.3, 3.6, 90, 270, (150, 40, 70))
    s.ellipse(30, 28.6, 1.9, 1.0, fill=(255, 120, 140))
    s.line([(26.5, 26.3), (33.5, 26.3)], (150, 40, 70), 0.6,
           round_caps=False)

    # Cap: dome, peak and button.
    s.pie(30, 15.5, 12.4, 270, 450, CAP)
    s.arc(30, 15.5, 12.4, 270, 450, INK, ink)
    s.line([(30, 3.6), (30, 15)], CAP_BRIM, 0.6, round_caps=False)
    s.arc(30, 15.5, 9.5, 300, 330, (255, 160, 210), 1.2)
    s.ellipse(30, 15.2, 14.2, 2.6, fill=CAP_BRIM, outline=INK, width=ink)
    s.circle(30, 3.3, 1.3, fill=CAP_BRIM, outline=INK, width=0.6)
    return s.result()


def make_about():
    save_jpeg(draw_about(1), "about.jpg")
    save_jpeg(draw_about(2), "about@2x.jpg")


if __name__ == "__main__":
    make_icons()
    make_splash()
    make_about()
