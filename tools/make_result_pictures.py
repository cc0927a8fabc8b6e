#!/usr/bin/python3
"""Draw the drill's three result pictures and write them as GIF files.

    /usr/bin/python3 tools/make_result_pictures.py [output folder]

The output folder defaults to data/画像 beside this tools folder.  Writes
maru.gif (right answer: a red circle), batu.gif (wrong answer: a blue cross)
and gmedal.gif (pass: a gold medal on a ribbon), each 211 x 207 px on a
transparent ground, and beside each its copies name@2x.gif and name@3x.gif,
drawn anew at twice and three times the size for screens shown that large.  The drill shows them over its quiz board, across the
magenta score box, the dark answer column and the blue ground; every shape
ends in a dark outline that reads on all of them.

GIF knows only fully transparent or fully opaque pixels, so the pictures are
drawn at four times the size and scaled down, and each edge pixel that the
shape covers in part is blended with the colour of the board beneath it,
drawn here from the rectangles of src/drill/art/board.svg: the edge is smooth
on the board and shows no fringe of a colour that is not there.  Running the
script again rewrites the nine files byte for byte.  Developer tool only:
the program reads the GIF files, never this script.
"""

import math
import os
import sys
import xml.etree.ElementTree as ET

from PIL import Image, ImageDraw, ImageFont

WIDTH, HEIGHT = 211, 207          # px, the size of the result picture control
SCALE = 4                         # supersampling factor
ZOOM = 1                          # the copy being drawn: 1, 2 or 3 times the size
TRANSPARENT_INDEX = 255           # palette index kept for the transparent ground

FONT_MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
FONT_GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)

OUTLINE = 2.0                     # px, the darker outline that ends each shape
EDGE_COVER = 0.25                 # an edge pixel covered less than this stays see-through

HERE = os.path.dirname(os.path.abspath(__file__))
BOARD_SVG = os.path.join(HERE, os.pardir, "src", "drill", "art", "board.svg")
# Where the picture lies on the board: the mark (Image5, 7020 x 1275 twips) and
# the board (Image1, 945 x 1050 twips) of the drill's layout, 15 twips a pixel.
ON_BOARD = ((7020 - 945) / 15, (1275 - 1050) / 15)


def s(v):
    """A final-size length in supersampled pixels of the copy being drawn."""
    return v * SCALE * ZOOM


def out_size():
    """The copy's size in its own pixels."""
    return WIDTH * ZOOM, HEIGHT * ZOOM


def new_canvas():
    return Image.new("RGBA", (s(WIDTH), s(HEIGHT)), CLEAR)


def circle(draw, cx, cy, r, fill):
    draw.ellipse((s(cx - r), s(cy - r), s(cx + r), s(cy + r)), fill=fill)


def capsule(draw, p, q, r, fill):
    """A bar from p to q with half-width r and round ends (final-size px)."""
    (x1, y1), (x2, y2) = p, q
    length = math.hypot(x2 - x1, y2 - y1)
    nx, ny = -(y2 - y1) / length * r, (x2 - x1) / length * r
    draw.polygon([(s(x1 + nx), s(y1 + ny)), (s(x2 + nx), s(y2 + ny)),
                  (s(x2 - nx), s(y2 - ny)), (s(x1 - nx), s(y1 - ny))], fill=fill)
    circle(draw, x1, y1, r, fill)
    circle(draw, x2, y2, r, fill)


def strap(draw, top, bottom, half, fill):
    """A straight ribbon strap of half-width `half` from a level cut at `top`
    down to `bottom` (which the medal hides)."""
    (x1, y1), (x2, y2) = top, bottom
    length = math.hypot(x2 - x1, y2 - y1)
    across = half * length / abs(y2 - y1)    # horizontal half-width of the level cut
    nx, ny = -(y2 - y1) / length * half, (x2 - x1) / length * half
    draw.polygon([(s(x1 - across), s(y1)), (s(x1 + across), s(y1)),
                  (s(x2 - nx), s(y2 - ny)), (s(x2 + nx), s(y2 + ny))], fill=fill)


# --- the board beneath the pictures -----------------------------------------

def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def board_under_picture():
    """The quiz board as the picture's pixels lie over it, drawn from the
    board's rectangles and lines (its text is left out: the few edge pixels
    over a letter take the colour of the panel behind it)."""
    ns = {"s": "http://www.w3.org/2000/svg"}
    root = ET.parse(BOARD_SVG).getroot()
    gradients = {}
    for grad in root.iter("{http://www.w3.org/2000/svg}linearGradient"):
        stops = [(float(st.get("offset")), hex_colour(st.get("stop-color")))
                 for st in grad.findall("s:stop", ns)]
        gradients[grad.get("id")] = (float(grad.get("y1")), float(grad.get("y2")), stops)

    def paint_of(value, y):
        if value.startswith("url(#"):
            y1, y2, stops = gradients[value[5:-1]]
            t = min(1.0, max(0.0, (y - y1) / (y2 - y1)))
            (o1, c1), (o2, c2) = stops[0], stops[-1]
            f = (t - o1) / (o2 - o1)
            return tuple(int(round(a + (b - a) * f)) for a, b in zip(c1, c2)) + (255,)
        return hex_colour(value) + (255,)

    ox, oy = ON_BOARD
    img = Image.new("RGBA", (s(WIDTH), s(HEIGHT)), (0, 0, 0, 255))
    d = ImageDraw.Draw(img)

    def box(x, y, w, h):
        return tuple(int(round(v)) for v in (s(x - ox), s(y - oy), s(x + w - ox) - 1, s(y + h - oy) - 1))

    for el in root:             # top-level shapes, back to front
        tag = el.tag.split("}")[1]
        if tag == "rect" and el.get("fill") is not None:
            x, y = float(el.get("x", 0)), float(el.get("y", 0))
            w, h = float(el.get("width")), float(el.get("height"))
            r = int(round(s(float(el.get("rx", 0)))))
            fill = el.get("fill")
            if fill.startswith("url(#"):
                for row in range(max(0, box(x, y, w, h)[1]), min(s(HEIGHT), box(x, y, w, h)[3] + 1)):
                    d.line((0, row, s(WIDTH), row), fill=paint_of(fill, oy + row / (SCALE * ZOOM)))
            elif fill != "none":
                d.rounded_rectangle(box(x, y, w, h), radius=r, fill=paint_of(fill, 0))
            if el.get("stroke"):
                half = float(el.get("stroke-width", 1)) / 2
                d.rounded_rectangle(box(x - half, y - half, w + 2 * half, h + 2 * half),
                                    radius=int(round(r + s(half))), outline=paint_of(el.get("stroke"), 0),
                                    width=int(round(s(2 * half))))
        elif tag == "line" and el.get("stroke"):
            half = float(el.get("stroke-width", 1)) / 2
            x1, y1, x2, y2 = (float(el.get(a)) for a in ("x1", "y1", "x2", "y2"))
            d.rectangle(box(min(x1, x2), min(y1, y2) - half, abs(x2 - x1), abs(y2 - y1) + 2 * half),
                        fill=paint_of(el.get("stroke"), 0))
    return img.convert("RGB").resize(out_size(), Image.BOX)


def finish(big, path, ground):
    """Scale down, blend the edge pixels with the board beneath, drop those the
    shape hardly covers, and save as a GIF with one transparent palette entry."""
    # Scaled with premultiplied alpha, so the clear ground does not darken the edges.
    small = big.convert("RGBa").resize(out_size(), Image.LANCZOS).convert("RGBA")
    alpha = small.getchannel("A").point(lambda a: 255 if a >= EDGE_COVER * 255 else 0)
    # The picture over the board: what the eye would see if it could be drawn
    # with soft edges.
    rgb = Image.alpha_composite(ground.convert("RGBA"), small).convert("RGB")
    # The see-through pixels take the commonest colour of the picture, so the
    # board's colours do not take palette entries from the shapes.
    shown = Image.composite(rgb, Image.new("RGB", rgb.size), alpha)
    commonest = max(c for c in shown.getcolors(WIDTH * HEIGHT * ZOOM * ZOOM) if c[1] != (0, 0, 0))[1]
    rgb = Image.composite(rgb, Image.new("RGB", rgb.size, commonest), alpha)

    pal = rgb.quantize(colors=TRANSPARENT_INDEX, method=Image.Quantize.MEDIANCUT,
                       dither=Image.Dither.NONE)
    palette = pal.getpalette()[: 3 * TRANSPARENT_INDEX]
    palette += [0, 0, 0] * (TRANSPARENT_INDEX - len(palette) // 3)
    palette += [255, 255, 255]     # the transparent entry, white for viewers without transparency
    pal.putpalette(palette)
    clear = alpha.point(lambda a: 255 if a == 0 else 0)
    pal.paste(TRANSPARENT_INDEX, (0, 0) + out_size(), clear)
    pal.save(path, format="GIF", transparency=TRANSPARENT_INDEX, optimize=False)


# --- the circle: a right answer -------------------------------------------

def draw_maru():
    img = new_canvas()
    d = ImageDraw.Draw(img)
    cx, cy = WIDTH / 2, HEIGHT / 2
    outer, inner = 97.0, 70.0        # px, ring radii of the red band

    red, dark_red, light_red = (226, 20, 28, 255), (120, 0, 0, 255), (255, 120, 120, 255)
    # Layers from the outside in: outline, red band, outline, hole.
    circle(d, cx, cy, outer + OUTLINE, dark_red)
    circle(d, cx, cy, outer, red)
    circle(d, cx, cy, inner, dark_red)
    circle(d, cx, cy, inner - OUTLINE, CLEAR)

    # A soft highlight along the upper left of the band gives it some body.
    mid = (outer + inner) / 2
    width = s(5)
    box = (s(cx - mid), s(cy - mid), s(cx + mid), s(cy + mid))
    d.arc(box, start=200, end=265, fill=light_red, width=width)
    return img


# --- the cross: a wrong answer ---------------------------------------------

def draw_batu():
    img = new_canvas()
    d = ImageDraw.Draw(img)
    half = 17.0                       # px, half the bar thickness
    inset = half + OUTLINE + 4        # keeps the round ends inside the picture
    a = ((inset + 8, inset), (WIDTH - inset - 8, HEIGHT - inset))
    b = ((WIDTH - inset - 8, inset), (inset + 8, HEIGHT - inset))

    blue, dark_blue, light_blue = (30, 90, 240, 255), (8, 24, 96, 255), (130, 170, 255, 255)
    for r, colour in ((half + OUTLINE, dark_blue), (half, blue)):
        capsule(d, a[0], a[1], r, colour)
        capsule(d, b[0], b[1], r, colour)

    # Highlight stripes along the upper edge of each arm, kept clear of the
    # crossing so the two bars read as one piece.
    cx, cy = WIDTH / 2, HEIGHT / 2
    gap = half * 1.9                  # px from the centre where the stripes stop
    for (p, q) in (a, b):
        (x1, y1), (x2, y2) = p, q
        length = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / length, (y2 - y1) / length
        nx, ny = -uy * half * 0.55, ux * half * 0.55
        if ny > 0:                    # pick the side that faces upward
            nx, ny = -nx, -ny
        for end, sign in (((x1, y1), 1), ((x2, y2), -1)):
            start = (end[0] + nx + sign * ux * 4, end[1] + ny + sign * uy * 4)
            stop = (cx + nx - sign * ux * gap, cy + ny - sign * uy * gap)
            capsule(d, start, stop, 2.2, light_blue)
    return img


# --- the medal: the pass ---------------------------------------------------

def gold_disc(radius, light, dark, shift):
    """A disc of supersampled radius `radius`, shaded from `light` at a spot
    moved by `shift` radii toward the upper left down to `dark` at the far
    edge."""
    radius = int(round(radius))
    size = 2 * radius
    spot = radius * (1 - shift)                        # the light spot, in disc pixels
    reach = radius * (1 + shift) * 1.05                # farthest edge point from the spot
    span = int(2 * reach)
    grad = Image.radial_gradient("L").resize((span, span), Image.BICUBIC)  # 0 at the middle
    off = int(span / 2 - spot)
    grad = grad.crop((off, off, off + size, off + size))
    disc = Image.composite(Image.new("RGBA", (size, size), dark),
                           Image.new("RGBA", (size, size), light), grad)
    mask = Image.new("L", (size, size), 0)
    ImageDraw.Draw(mask).ellipse((0, 0, size - 1, size - 1), fill=255)
    disc.putalpha(mask)
    return disc


def draw_gmedal():
    img = new_canvas()
    d = ImageDraw.Draw(img)
    cx, cy, r = WIDTH / 2, 133.0, 66.0   # px, the medal disc

    red, blue = (214, 24, 32, 255), (28, 63, 170, 255)
    ribbon_dark = (70, 10, 20, 255)
    # Two straps falling from the top into a V behind the medal.
    top = 5.0                         # px, level cut of the straps
    straps = ((151, 113), (60, 98))   # x at the top, x where the medal hides them
    def lay(x_top, x_bottom, half, lift, colour):
        strap(d, (x_top, top - lift), (x_bottom, 100), half, colour)
    for xt, xb in straps:
        lay(xt, xb, 24 + OUTLINE, OUTLINE, ribbon_dark)
        lay(xt, xb, 24, 0, red)
        lay(xt, xb, 9, 0, WHITE)
        lay(xt, xb, 7, 0, blue)

    # Clasp where the ribbon meets the medal.
    d.rounded_rectangle((s(cx - 22 - OUTLINE), s(cy - r - 12 - OUTLINE),
                         s(cx + 22 + OUTLINE), s(cy - r + 8 + OUTLINE)),
                        radius=s(4), fill=(110, 74, 0, 255))
    d.rounded_rectangle((s(cx - 22), s(cy - r - 12), s(cx + 22), s(cy - r + 8)),
                        radius=s(3), fill=(230, 180, 40, 255))
    d.line((s(cx - 18), s(cy - r - 8), s(cx + 18), s(cy - r - 8)),
           fill=(255, 236, 150, 255), width=s(2))

    # The disc: dark outline, shaded rim band, inner face.
    circle(d, cx, cy, r + OUTLINE, (110, 74, 0, 255))
    rim = gold_disc(s(r), (255, 226, 110, 255), (184, 128, 10, 255), 0.35)
    img.alpha_composite(rim, (int(s(cx - r)), int(s(cy - r))))
    face_r = r - 10
    circle(d, cx, cy, face_r + 1.5, (150, 100, 0, 255))
    face = gold_disc(s(face_r), (255, 244, 180, 255), (222, 166, 28, 255), 0.45)
    img.alpha_composite(face, (int(s(cx - face_r)), int(s(cy - face_r))))

    # Beads around the rim band.
    for k in range(24):
        t = 2 * math.pi * k / 24
        circle(d, cx + (r - 5) * math.cos(t), cy + (r - 5) * math.sin(t), 1.6, (255, 246, 200, 255))

    # A small star above the lettering.
    star = []
    for k in range(10):
        t = -math.pi / 2 + math.pi * k / 5
        rr = 8.5 if k % 2 == 0 else 3.6
        star.append((s(cx + rr * math.cos(t)), s(cy - 35 + rr * math.sin(t))))
    d.polygon(star, fill=(200, 24, 24, 255), outline=(120, 0, 0, 255), width=ZOOM)

    # "合格", bold (thickened with a stroke of its own colour).
    font = ImageFont.truetype(FONT_MINCHO, s(42))
    text = "合格"
    ink = (170, 10, 10, 255)
    stroke = s(1)                     # thickens the regular face to a bold one
    box = d.textbbox((0, 0), text, font=font, stroke_width=stroke)
    tw, th = box[2] - box[0], box[3] - box[1]
    tx = s(cx) - tw / 2 - box[0]
    ty = s(cy + 1) - th / 2 - box[1]
    d.text((tx + s(1), ty + s(1)), text, font=font, fill=(140, 96, 0, 255),
           stroke_width=stroke, stroke_fill=(140, 96, 0, 255))
    d.text((tx, ty), text, font=font, fill=ink, stroke_width=stroke, stroke_fill=ink)

    # Two laurel sprigs curving up either side of the lower face.
    leaf = (46, 132, 62, 255)
    leaf_dark = (16, 70, 30, 255)
    arc_r = 45.0                      # px, radius of the sprigs' stems
    for side in (-1, 1):
        stem = []
        for k in range(7):
            ang = math.radians(90 + side * (8 + 6 * k))
            stem.append((s(cx + arc_r * math.cos(ang)), s(cy + arc_r * math.sin(ang))))
        d.line(stem, fill=leaf_dark, width=s(1))
        for k in range(4):
            ang = math.radians(90 + side * (12 + 11 * k))
            px, py = cx + arc_r * math.cos(ang), cy + arc_r * math.sin(ang)
            ux, uy = -math.sin(ang) * side, math.cos(ang) * side     # along the stem, upward
            for lean in (-1, 1):                                     # a leaf on each side
                la = math.atan2(uy, ux) + lean * math.radians(35)
                ex, ey = math.cos(la), math.sin(la)
                lx, ly = px + ex * 4.2, py + ey * 4.2
                pts = []
                for j in range(16):
                    u = 2 * math.pi * j / 16
                    along, across = 4.6 * math.cos(u), 1.9 * math.sin(u)
                    pts.append((s(lx + along * ex - across * ey), s(ly + along * ey + across * ex)))
                d.polygon(pts, fill=leaf, outline=leaf_dark, width=ZOOM)
    return img


def main():
    global ZOOM
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "画像")
    os.makedirs(out, exist_ok=True)
    for ZOOM in (1, 2, 3):
        draw_copies(out)


def draw_copies(out):
    """The three pictures at the size ZOOM says."""
    ground = board_under_picture()
    suffix = "" if ZOOM == 1 else f"@{ZOOM}x"
    for name, draw in (("maru", draw_maru), ("batu", draw_batu), ("gmedal", draw_gmedal)):
        path = os.path.join(out, name + suffix + ".gif")
        finish(draw(), path, ground)
        check = Image.open(path)
        if check.size != out_size() or check.info.get("transparency") != TRANSPARENT_INDEX:
            raise SystemExit(f"{path}: wrong size or no transparency")
        print(f"wrote {os.path.normpath(path)}")


if __name__ == "__main__":
    main()
