#!/usr/bin/python3
"""Make the lead cell's charging pictures (GIF) in data/画像/充電/ from their SVG artwork.

    /usr/bin/python3 tools/make_charge_pictures.py [BUILD_DIR] [OUTPUT_DIR]

Needs Pillow and the renderer ulmaro-svgpng, built on request:
    cmake --build build --target ulmaro-svgpng
The artwork lies in tools/charge/; each picture is drawn with the program's own SVG renderer:

    dengen.gif            the source connected in place of the lamp (over Image12)
    fukyoku.gif           PbSO4 + 2e- -> Pb + SO4 2-, the band at the negative plate
    seikyoku.gif          PbSO4 + 2H2O -> PbO2 + SO4 2- + 4H+ + 2e-, at the positive plate
    fukyoku_kakudai.gif   the close-up of the negative plate, charging
    seikyoku_kakudai.gif  the close-up of the positive plate, charging

The source and the bands are opaque.  The close-ups are round, and GIF has only one fully
transparent colour: outside the glass they are transparent, and each pixel the artwork covers in
part is blended with the lead cell's drawing beneath it (the close-up's place on the screen is
known from the layout), so the edge is smooth on the drawing.  Each picture is also written as
name@2x.gif and name@3x.gif, rendered from the artwork at twice and three times the size for
screens shown that large.  Running the script again rewrites every file byte for byte.  Developer tool only: the program reads the GIF files.
"""

import os
import subprocess
import sys
import tempfile

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, os.pardir)
ART = os.path.join(HERE, "charge")
DRAWING = os.path.join(ROOT, "src", "lessons", "art", "lead", "cell.svg")
KEY = (0xBF, 0xE4, 0xFF)   # stored under the transparent index: the acid's blue

# name, whether round (transparent outside), and its top-left on the cell drawing in pixels:
# the control's place in the layout less the drawing's (915, 855), at 15 twips a pixel.
PICTURES = [
    ("dengen", False, None),
    ("fukyoku", False, None),
    ("seikyoku", False, None),
    ("fukyoku_kakudai", True, ((3420 - 915) // 15, (1800 - 855) // 15)),   # Image17
    ("seikyoku_kakudai", True, ((3375 - 915) // 15, (1725 - 855) // 15)),  # Image18
]


COPY_SCALES = (1, 2, 3)    # the picture itself, then its larger copies


def render(renderer, svg, folder, scale):
    png = os.path.join(folder, "%s@%d.png" % (os.path.basename(svg), scale))
    subprocess.run([renderer, svg, png, str(scale)], check=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                   stderr=subprocess.DEVNULL)
    with Image.open(png) as image:
        return image.convert("RGBA")


def opaque_gif(picture, path):
    flat = Image.new("RGB", picture.size, KEY)
    flat.paste(picture, mask=picture.getchannel("A"))
    flat.quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                  dither=Image.Dither.NONE).save(path, format="GIF", optimize=False)


def round_gif(picture, beneath, path):
    """Transparent where the artwork draws nothing, elsewhere the artwork over the drawing."""
    blended = Image.alpha_composite(beneath, picture).convert("RGB")
    alpha = picture.getchannel("A")
    indexed = blended.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = indexed.getpalette()[:255 * 3]
    palette += [0] * (255 * 3 - len(palette)) + list(KEY)
    indexed.putpalette(palette)
    pixels = indexed.load()
    seen = alpha.load()
    for y in range(picture.height):
        for x in range(picture.width):
            if seen[x, y] == 0:
                pixels[x, y] = 255
    indexed.save(path, format="GIF", transparency=255, optimize=False)


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
    out = os.path.normpath(sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "data", "画像", "充電"))
    renderer = os.path.join(build, "ulmaro-svgpng")
    if not os.access(renderer, os.X_OK):
        sys.exit("make_charge_pictures: build ulmaro-svgpng first: cmake --build %s --target ulmaro-svgpng" % build)
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as folder:
        for scale in COPY_SCALES:
            drawing = render(renderer, DRAWING, folder, scale)
            suffix = "" if scale == 1 else "@%dx" % scale
            for name, rounded, at in PICTURES:
                picture = render(renderer, os.path.join(ART, name + ".svg"), folder, scale)
                path = os.path.join(out, name + suffix + ".gif")
                if rounded:
                    box = (at[0] * scale, at[1] * scale,
                           at[0] * scale + picture.width, at[1] * scale + picture.height)
                    round_gif(picture, drawing.crop(box), path)
                else:
                    opaque_gif(picture, path)
                print("%-25s %3d x %3d" % (name + suffix + ".gif", picture.width, picture.height))


if __name__ == "__main__":
    main()
