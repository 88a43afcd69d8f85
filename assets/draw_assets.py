#!/usr/bin/python3
"""Draws Ranquill's banner (banner.jpg, 1599 x 428) and icon (ranquill.png,
256 x 256, and as ranquill.ico for Windows) into the directory of this script.

A developer tool: the build uses the committed images, never this script.
Needs Pillow (Debian's python3-pil, hence /usr/bin/python3 rather than
whatever python3 comes first on the path) and, for the best lettering, the
URW base fonts (fonts-urw-base35); DejaVu is used when they are missing.

Everything is drawn at four times the final size and scaled down, which
gives smooth edges without any anti-aliasing support in the drawing calls.
"""

import math
import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
SCALE = 4

NAVY = (28, 52, 86)
NAVY_DEEP = (18, 34, 58)
GOLD = (196, 150, 64)
GOLD_LIGHT = (226, 196, 128)
PAPER = (249, 245, 236)
PAPER_SHADE = (238, 230, 214)
INK_SOFT = (92, 104, 122)

FONT_CHOICES = {
    "title": ["/usr/share/fonts/opentype/urw-base35/P052-Bold.otf",
              "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"],
    "tagline": ["/usr/share/fonts/opentype/urw-base35/P052-Italic.otf",
                "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Italic.ttf"],
    "motto": ["/usr/share/fonts/opentype/urw-base35/URWGothic-Book.otf",
              "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"],
}


def font(kind, size):
    for path in FONT_CHOICES[kind]:
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def rotate(points, angle, origin):
    ox, oy = origin
    c, s = math.cos(angle), math.sin(angle)
    return [(ox + x * c - y * s, oy + x * s + y * c) for x, y in points]


def draw_quill(draw, nib, length, angle, feather, barbs, shaft):
    """A quill from its nib at `nib`, pointing away along `angle` (radians,
    screen coordinates), `length` long."""
    vane_start = 0.24
    steps = 80
    half_width = length * 0.15
    bend = length * 0.06

    def edge(t, side):
        # Full just above the middle, tapering to a point at the top and the
        # base; one side broader than the other, as on a flight feather.
        profile = math.sin(math.pi * t ** 0.7) ** 0.8
        return half_width * (1.0 if side < 0 else 0.62) * profile

    def along(t):
        return length * (vane_start + (1 - vane_start) * t)

    def curve(t):
        # The feather bows gently away from its broad side.
        return bend * t * t

    left = [(along(i / steps), curve(i / steps) - edge(i / steps, -1)) for i in range(steps + 1)]
    right = [(along(i / steps), curve(i / steps) + edge(i / steps, 1)) for i in range(steps + 1)]
    outline = max(2, int(length * 0.012))
    draw.polygon(rotate(left + right[::-1], angle, nib), fill=feather, outline=shaft,
                 width=outline)

    # Barbs: fine lines from the shaft out towards the tip of the feather.
    width = max(1, int(length * 0.006))
    for k in range(1, 12):
        t = k / 12
        for side in (-1, 1):
            # Kept inside the vane where it narrows towards the tip.
            t_end = min(1.0, t + 0.55 * edge(t, side) / (length * (1 - vane_start)))
            reach = min(edge(t, side), edge(t_end, side)) * 0.8
            line = [(along(t), curve(t)),
                    (along(t) + reach * 0.55, curve(t) + side * reach)]
            draw.line(rotate(line, angle, nib), fill=barbs, width=width)

    # The shaft runs from the nib through the vane almost to its top, and
    # ends at the nib in a cut point.
    width = max(2, int(length * 0.02))
    spine = [(length * 0.06, 0)] + [(along(i / steps), curve(i / steps))
                                    for i in range(int(steps * 0.97))]
    draw.line(rotate(spine, angle, nib), fill=shaft, width=width, joint="curve")
    point = rotate([(0, 0), (length * 0.1, -width * 0.9), (length * 0.1, width * 0.9)],
                   angle, nib)
    draw.polygon(point, fill=shaft)


def draw_emblem(draw, centre, radius):
    """The mark: three rising bars (a list in order of priority) inside a
    ring, with a quill laid across them."""
    cx, cy = centre
    draw.ellipse([cx - radius, cy - radius, cx + radius, cy + radius], fill=NAVY)
    ring = radius * 0.9
    draw.ellipse([cx - ring, cy - ring, cx + ring, cy + ring], outline=GOLD,
                 width=max(2, int(radius * 0.035)))

    bar_width = radius * 0.26
    gap = radius * 0.09
    base = cy + radius * 0.5
    heights = (0.42, 0.70, 0.98)
    colours = (GOLD_LIGHT, GOLD_LIGHT, GOLD)
    first = cx - 1.5 * bar_width - gap + radius * 0.1
    for k, (height, colour) in enumerate(zip(heights, colours)):
        left = first + k * (bar_width + gap)
        draw.rounded_rectangle([left, base - height * radius, left + bar_width, base],
                               radius=bar_width * 0.18, fill=colour)

    draw_quill(draw, nib=(cx - radius * 0.50, cy + radius * 0.62), length=radius * 1.42,
               angle=math.radians(-62), feather=PAPER, barbs=PAPER_SHADE, shaft=NAVY_DEEP)


def spaced_text(draw, origin, text, typeface, fill, tracking):
    x, y = origin
    for character in text:
        draw.text((x, y), character, font=typeface, fill=fill)
        x += draw.textlength(character, font=typeface) + tracking
    return x


def spaced_length(draw, text, typeface, tracking):
    return sum(draw.textlength(c, font=typeface) for c in text) + tracking * (len(text) - 1)


def draw_banner(path):
    width, height = 1599 * SCALE, 428 * SCALE
    image = Image.new("RGB", (width, height), PAPER)
    draw = ImageDraw.Draw(image)

    # Paper that darkens slightly towards the right, like a lit sheet.
    for x in range(0, width, SCALE):
        t = x / width
        shade = tuple(int(a + (b - a) * t * t) for a, b in zip(PAPER, PAPER_SHADE))
        draw.rectangle([x, 0, x + SCALE, height], fill=shade)

    # Letterhead rules: a navy band along the top edge with a gold line
    # under it, and a gold hairline near the foot.
    s = SCALE
    draw.rectangle([0, 0, width, 22 * s], fill=NAVY)
    draw.rectangle([0, 22 * s, width, 27 * s], fill=GOLD)
    draw.rectangle([0, height - 30 * s, width, height - 27 * s], fill=GOLD)
    draw.rectangle([0, height - 14 * s, width, height], fill=NAVY)

    draw_emblem(draw, centre=(225 * s, 217 * s), radius=150 * s)

    title = font("title", 150 * s)
    left = 430 * s
    draw.text((left, 212 * s), "Ranquill", font=title, fill=NAVY, anchor="ls")

    tagline = font("tagline", 66 * s)
    draw.text((left + 6 * s, 296 * s), "a decision aid", font=tagline, fill=GOLD, anchor="ls")

    # A short motto set in spaced capitals at the right, under a thin rule.
    motto = font("motto", 24 * s)
    tracking = 6 * s
    lines = ("NAME YOUR OPTIONS", "WEIGH EVERY PAIR", "SEE WHAT MATTERS MOST")
    right = width - 70 * s
    rule_top = 130 * s
    draw.rectangle([right - 330 * s, rule_top, right, rule_top + 3 * s], fill=GOLD)
    for k, line in enumerate(lines):
        line_width = spaced_length(draw, line, motto, tracking)
        spaced_text(draw, (right - line_width, rule_top + (28 + k * 52) * s), line, motto,
                    INK_SOFT, tracking)
    draw.rectangle([right - 330 * s, rule_top + 176 * s, right, rule_top + 179 * s], fill=GOLD)

    image = image.resize((1599, 428), Image.LANCZOS)
    image.save(path, "JPEG", quality=92, optimize=True, progressive=False)


def draw_icon(path):
    size = 256 * SCALE
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw_emblem(draw, centre=(size / 2, size / 2), radius=size * 0.48)
    image = image.resize((256, 256), Image.LANCZOS)
    image.save(path, "PNG", optimize=True)
    # The same icon at the sizes Windows shows, for the program's resource.
    image.save(os.path.splitext(path)[0] + ".ico", sizes=[(s, s) for s in (16, 24, 32, 48, 64, 256)])


if __name__ == "__main__":
    draw_banner(os.path.join(HERE, "banner.jpg"))
    draw_icon(os.path.join(HERE, "ranquill.png"))
