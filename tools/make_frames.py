#!/usr/bin/python3
"""Generate the animation frames (GIF) loaded at run time from data/画像/アニメ/.

Run with /usr/bin/python3 (needs Pillow); an optional argument names the
output folder.  Every frame is drawn pixel by pixel.  The lesson frames and
the bubbles lie over the cell drawings on a transparent ground, so the
electrolyte behind shows through, with no half-transparent fringe (GIF has
only one fully transparent colour).  The principle screen's strips are shown
in picture boxes whose own ground is the system window colour, so they are
painted in the colours of the diagram beneath them instead, and only the
particles seem to move.

Lesson ion streams (three frames each, 400 ms apart, then one blank tick):
    zn_1..3      Zn2+ leaving the zinc plate (left of the strip), moving right
    h_1..3       H+ moving right, towards the positive electrode
    cu_1..3      Cu2+ moving right, towards the copper plate
    znso4_1..3   the Daniell cell's: Zn2+ leaving the zinc plate as in zn_, and
                 SO4 2- crossing the porous plate leftwards
    so4_x1..3    SO4 2- moving left, towards the lead plate
    so4_1..3     SO4 2- moving right, towards the lead(IV) oxide plate
    so4_cx1..3   charging: SO4 2- moving right, away from the lead plate
    so4_c1..3    charging: SO4 2- moving left, away from the lead(IV) oxide plate
Voltaic cell gas bubbles (alternated every 50 ms):
    awa1, awa2   at the plate where hydrogen forms
    awa3, awa4   the few that still form at the zinc plate while the circuit
                 is closed
Principle screen strips (nine frames, 100 ms apart, then one blank tick):
    g1..g9       metal ions budding from metal A's surface into the electrolyte,
                 and hydrogen ions taking up electrons at metal B
    e1..e9       electrons running in the wire from metal A to metal B

Every frame is also written as name@2x.gif and name@3x.gif, drawn anew at
twice and three times the size (finer discs, rims and signs, not enlarged
pixels) for screens shown that large.

Running it again rewrites every file byte for byte, so `git status` shows
only the frames a change to this script meant to change.
"""

import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, os.pardir, "data", "画像", "アニメ")

# The colour stored under the transparent index.  Viewers that ignore the
# transparency then show the electrolyte blue rather than black.
KEY = (0xBF, 0xE4, 0xFF)


def hexrgb(s):
    s = s.lstrip("#")
    return tuple(int(s[i:i + 2], 16) for i in (0, 2, 4))


# ---------------------------------------------------------------------------
# Canvas: a grid of colours (None = transparent), written as a palette GIF.
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, ground=None, scale=1):
        """w, h in frame pixels; the grid holds scale x scale of its own
        pixels for each.  ground: None for a transparent ground, else a
        function of the (fractional) frame row giving the colour that fills
        it."""
        self.w, self.h, self.scale = w * scale, h * scale, scale
        self.opaque = ground is not None
        self.px = [[ground((y + 0.5) / scale - 0.5) if ground else None] * self.w
                   for y in range(self.h)]

    def put_fine(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = colour

    def put(self, x, y, colour):
        """Fill frame pixel (x, y): a scale x scale block of the grid."""
        s = self.scale
        for fy in range(y * s, y * s + s):
            for fx in range(x * s, x * s + s):
                self.put_fine(fx, fy, colour)

    def blit(self, sprite, x0, y0):
        """Copy a sprite (rows of colours at this canvas's scale, None =
        leave) with its top-left at frame pixel (x0, y0); whatever falls
        outside the canvas is cut off."""
        s = self.scale
        for sy, row in enumerate(sprite):
            for sx, c in enumerate(row):
                if c is not None:
                    self.put_fine(x0 * s + sx, y0 * s + sy, c)

    def save_gif(self, path):
        colours = [KEY]
        index = {}
        data = []
        for row in self.px:
            for c in row:
                if c is None:
                    data.append(0)
                    continue
                if c == KEY:  # never let a drawn pixel become see-through
                    c = (KEY[0], KEY[1], KEY[2] - 1)
                i = index.get(c)
                if i is None:
                    i = len(colours)
                    if i > 255:
                        raise ValueError("too many colours for a GIF")
                    colours.append(c)
                    index[c] = i
                data.append(i)
        img = Image.new("P", (self.w, self.h), 0)
        pal = []
        for c in colours:
            pal.extend(c)
        pal.extend([0] * (768 - len(pal)))
        img.putpalette(pal)
        img.putdata(data)
        if self.opaque:
            img.save(path, format="GIF", optimize=False)
        else:
            img.save(path, format="GIF", transparency=0, optimize=False)


# ---------------------------------------------------------------------------
# Sprites
# ---------------------------------------------------------------------------

def disc_mask(d):
    """Pixel mask of a round disc d pixels across (odd d keeps it symmetric)."""
    # a radius a little under half the width rounds off the corners that a
    # plain d/2 leaves on such small discs
    c = (d - 1) / 2.0
    r2 = (d / 2.0 - 0.2) ** 2
    return [[(x - c) ** 2 + (y - c) ** 2 <= r2 for x in range(d)] for y in range(d)]


def outline_of(mask, width=1):
    """Pixels of the mask within `width` steps of the outside
    (4-neighbourhood)."""
    h, w = len(mask), len(mask[0])
    core = mask
    for _ in range(width):
        def inside(x, y, m=core):
            return 0 <= x < w and 0 <= y < h and m[y][x]

        core = [[inside(x, y) and inside(x - 1, y) and inside(x + 1, y)
                 and inside(x, y - 1) and inside(x, y + 1)
                 for x in range(w)] for y in range(h)]
    return [[mask[y][x] and not core[y][x] for x in range(w)] for y in range(h)]


def rimmed_disc(d, fill, edge, s):
    """A disc d frame pixels across drawn at scale s, its rim one frame
    pixel thick."""
    n = d * s
    mask = disc_mask(n)
    rim = outline_of(mask, s)
    return [[(edge if rim[y][x] else fill) if mask[y][x] else None
             for x in range(n)] for y in range(n)]


def paint_block(spr, x, y, colour, s, only_over=None):
    """Paint frame pixel (x, y) of a sprite drawn at scale s; with only_over,
    only where the sprite shows that colour."""
    for fy in range(y * s, y * s + s):
        for fx in range(x * s, x * s + s):
            if only_over is None or spr[fy][fx] == only_over:
                spr[fy][fx] = colour


def ion_sprite(d, fill, edge, sign_colour, sign, highlight=None, arm=1, s=1):
    """A charged particle: a disc with a dark rim and a pixel-drawn sign,
    drawn at scale s.

    sign is "+" or "-"; arm is the half-length of the sign's strokes."""
    spr = rimmed_disc(d, fill, edge, s)
    c = d // 2
    if highlight is not None:
        # a glint at the upper left makes the disc read as a ball
        hx = hy = c - arm - 1
        paint_block(spr, hx, hy, highlight, s, only_over=fill)
    for k in range(-arm, arm + 1):
        paint_block(spr, c + k, c, sign_colour, s)
        if sign == "+":
            paint_block(spr, c, c + k, sign_colour, s)
    return spr


def bubble_sprite(d, fill, edge, glint, s=1):
    """A gas bubble: light inside, thin grey-blue rim, a white glint."""
    spr = rimmed_disc(d, fill, edge, s)
    if d >= 5:
        g = 1 if d < 7 else 2
        paint_block(spr, g, g, glint, s, only_over=fill)
        if d >= 7:
            paint_block(spr, g + 1, g, glint, s, only_over=fill)
    return spr


BUBBLE_FILL = hexrgb("#EEF7FF")
BUBBLE_EDGE = hexrgb("#6A88A8")
BUBBLE_GLINT = hexrgb("#FFFFFF")

# The scale the frames are being drawn at (1, 2 or 3) and the sprites drawn
# at it; draw_at() sets them before each set of frames.
SCALE = 1


def draw_at(s):
    """Draw the sprites anew at scale s for the frames that follow."""
    global SCALE, ZN, H, CU, SO4, ELECTRON, A_ION, H2_BUBBLES
    SCALE = s
    # Colours of the particles.  The rims are dark shades of each fill so the
    # ions stand out on the light electrolyte, the blue copper sulfate and the
    # green ground alike.
    ZN = ion_sprite(9, hexrgb("#E8E8E8"), hexrgb("#3C4248"), hexrgb("#202428"), "+",
                    highlight=hexrgb("#FFFFFF"), s=s)
    H = ion_sprite(9, hexrgb("#E03030"), hexrgb("#5C0C0C"), hexrgb("#FFFFFF"), "+",
                   highlight=hexrgb("#F49090"), s=s)
    CU = ion_sprite(9, hexrgb("#1040C0"), hexrgb("#061848"), hexrgb("#FFFFFF"), "+",
                    highlight=hexrgb("#5C84E8"), s=s)
    SO4 = ion_sprite(9, hexrgb("#F09000"), hexrgb("#5A3000"), hexrgb("#2A1400"), "-",
                     highlight=hexrgb("#FFD080"), arm=2, s=s)
    ELECTRON = ion_sprite(7, hexrgb("#FFE800"), hexrgb("#5A4A00"), hexrgb("#5A4A00"), "-", s=s)
    # Ions of metal A on the principle screen, drawn in A's own grey.
    A_ION = ion_sprite(7, hexrgb("#E2E5EA"), hexrgb("#3C4248"), hexrgb("#202428"), "+", s=s)
    H2_BUBBLES = [bubble_sprite(d, BUBBLE_FILL, BUBBLE_EDGE, BUBBLE_GLINT, s) for d in (5, 7, 9)]


def side(sprite):
    """A sprite's width in frame pixels, whatever the scale it is drawn at."""
    return len(sprite) // SCALE


def trail(canvas, x, y, direction, colour):
    """A short dash and a dot behind a moving ion, so the direction of
    travel reads even in a single still frame."""
    if direction > 0:
        canvas.put(x - 2, y, colour)
        canvas.put(x - 3, y, colour)
        canvas.put(x - 5, y, colour)
    else:
        canvas.put(x + 2, y, colour)
        canvas.put(x + 3, y, colour)
        canvas.put(x + 5, y, colour)


# ---------------------------------------------------------------------------
# Lesson ion streams
# ---------------------------------------------------------------------------

# A stream is drawn as three waves of ions.  Each wave enters at the side
# the ions come from and crosses the strip in three steps, one per frame, and
# a new wave enters behind it each frame: frame 1 shows one column of ions,
# frame 2 two, frame 3 three, so the front plainly advances in the
# direction of travel while every single ion also shifts.  The waves stand at
# different heights so that neighbouring ions never touch.
WAVE_ROWS = 6
# small sideways / up-down nudges per (wave, row) so the ions do not stand
# on a ruled grid
JITTER = [
    [(0, 1), (1, -1), (0, 0), (-1, 1), (1, 0), (0, -1)],
    [(1, 0), (0, 1), (-1, -1), (0, 0), (1, 1), (-1, 0)],
    [(0, -1), (-1, 0), (1, 1), (0, -1), (-1, 0), (1, 1)],
]


def ion_stream(w, h, sprite, frame, direction, trail_colour, rows=WAVE_ROWS):
    """One frame (1..3) of a stream of ions moving sideways.

    direction +1 moves right (ions enter at the left), -1 moves left."""
    cv = Canvas(w, h, scale=SCALE)
    d = side(sprite)
    pitch = (h - d - 2) / (rows - 1 + 2 / 3.0)
    step = (w - d - 1) / 2.0          # three positions across the strip
    for wave in range(3):
        stage = frame - 1 - wave      # 0: just entered, 1: middle, 2: far side
        if stage < 0:
            continue
        for row in range(rows):
            dx, dy = JITTER[wave][row]
            y = int(round(1 + row * pitch + wave * pitch / 3.0)) + dy
            y = max(0, min(h - d, y))
            travel = int(round(step * stage)) + dx
            travel = max(0, min(w - d, travel))
            x = travel if direction > 0 else (w - d) - travel
            if stage > 0:
                cx = x if direction > 0 else x + d - 1
                trail(cv, cx, y + d // 2, direction, trail_colour)
            cv.blit(sprite, x, y)
    return cv


STREAMS = [
    # prefix, width, height, sprite (its name, drawn anew at each scale),
    # direction, trail colour
    ("zn_", 21, 203, "ZN", +1, hexrgb("#8A9098")),
    ("h_", 23, 201, "H", +1, hexrgb("#E03030")),
    ("cu_", 23, 201, "CU", +1, hexrgb("#1040C0")),
    ("so4_x", 21, 203, "SO4", -1, hexrgb("#E07800")),
    ("so4_", 23, 201, "SO4", +1, hexrgb("#E07800")),
    ("so4_cx", 21, 203, "SO4", +1, hexrgb("#E07800")),
    ("so4_c", 23, 201, "SO4", -1, hexrgb("#E07800")),
]

# The Daniell cell's first stream reaches from just right of the zinc plate
# (x 208 of its drawing) to the copper-ion stream (x 343), across the porous
# plate at x 313-319: the zinc ions leave the plate in its left 21 px, and the
# sulfate ions cross the porous plate leftwards in a band around it, fewer of
# them so they read as a second, thinner stream.
ZNSO4_W, ZNSO4_H = 135, 203
ZNSO4_BAND_LEFT, ZNSO4_BAND_W = 78, 55   # x 286-340 of the drawing
ZNSO4_BAND_ROWS = 4


def zinc_and_sulfate_frame(frame):
    cv = Canvas(ZNSO4_W, ZNSO4_H, scale=SCALE)
    zinc = ion_stream(21, ZNSO4_H, ZN, frame, +1, hexrgb("#8A9098"))
    sulfate = ion_stream(ZNSO4_BAND_W, ZNSO4_H, SO4, frame, -1, hexrgb("#E07800"),
                         rows=ZNSO4_BAND_ROWS)
    cv.blit(zinc.px, 0, 0)
    cv.blit(sulfate.px, ZNSO4_BAND_LEFT, 0)
    return cv


# ---------------------------------------------------------------------------
# Gas bubbles of the Voltaic cell
# ---------------------------------------------------------------------------

BUBBLE_W, BUBBLE_H = 9, 215
BUBBLE_PITCH = 14
FEW_BUBBLES = 4   # one bubble in four at the zinc plate of the closed cell


def bubble_column(phase, every=1):
    """A column of hydrogen bubbles along a plate face.

    Both pictures show the same stream of bubbles; phase 1 has every bubble
    half a pitch higher than phase 0, so swapping the two pictures makes
    the column seem to rise.  Bubbles grow a little as they climb.  With
    every > 1 only each every-th bubble of the stream is drawn."""
    cv = Canvas(BUBBLE_W, BUBBLE_H, scale=SCALE)
    # sizes and sideways wobble repeat along the stream; a bubble keeps its
    # own size and wobble in both pictures so the eye pairs it with itself
    sizes = [5, 5, 7, 5, 9, 5, 7, 5, 5, 7, 5, 9, 5, 7, 7, 5]
    wobble = [0, 2, -1, 1, -2, 0, 1, -1, 2, 0, -1, 1, 0, -2, 1, 0]
    shift = phase * BUBBLE_PITCH // 2
    n = BUBBLE_H // BUBBLE_PITCH + 2
    for k in range(n):
        if k % every:
            continue
        cy = BUBBLE_H - 4 - k * BUBBLE_PITCH - shift
        d = sizes[k % len(sizes)]
        if cy < BUBBLE_H * 0.55 and d < 9:
            d += 2  # higher up, a bubble has grown a little
        d = min(d, 9)
        spr = bubble_sprite(d, BUBBLE_FILL, BUBBLE_EDGE, BUBBLE_GLINT, SCALE)
        x = (BUBBLE_W - d) // 2 + (wobble[k % len(wobble)] if d < 9 else 0)
        x = max(0, min(BUBBLE_W - d, x))
        cv.blit(spr, x, cy - d // 2)
    return cv


# ---------------------------------------------------------------------------
# Principle screen strips
# ---------------------------------------------------------------------------

# Where the strips stand in the diagram (src/principle/art/diagram.svg), both
# from x 92, the right face of metal A, to x 304, just short of metal B's left
# face at 305: the ion strip at y 92-188 in the electrolyte, whose colour runs
# from #CDEAFF at its surface (y 86) to #AED9FA at the vessel's floor (y 219);
# the electron strip at y 50-62, on the diagram's white ground, over the wire.
STRIP_LEFT = 92
G_W, G_H = 213, 97
E_W, E_H = 213, 13
G_TOP = 92
E_TOP = 50
SOLUTION_TOP, SOLUTION_BOTTOM = 86, 219
SOLUTION_TOP_COLOUR, SOLUTION_BOTTOM_COLOUR = hexrgb("#CDEAFF"), hexrgb("#AED9FA")
DIAGRAM_WHITE = hexrgb("#FFFFFF")
WIRE = hexrgb("#1A3C9E")

# The wire as the diagram draws it, in diagram pixels (x0, y0, x1, y1, end
# excluded): from metal A's clip to the switch's left post, the two posts
# (the switch's own picture lies over them above y 50) and on to B's clip.
WIRE_RECTS = [(92, 56, 189, 59), (186, 45, 189, 59), (208, 45, 211, 59), (208, 56, 305, 59)]

# The electrons' path along the middle of the wire, as (x, y) corners: out
# of A's clip, up the left post to where the switch hides it, across under the
# switch, down the right post and into B's clip.  Its ends lie under the clips,
# so the electrons come out of one and go into the other.
E_PATH = [(88, 57), (187, 57), (187, 45), (209, 45), (209, 57), (309, 57)]
E_PITCH = 12
E_STEP = 4


def electrolyte(row):
    """The diagram's electrolyte colour at row `row` of the ion strip."""
    t = (G_TOP + row + 0.5 - SOLUTION_TOP) / (SOLUTION_BOTTOM - SOLUTION_TOP)
    return tuple(int(round(a + (b - a) * t))
                 for a, b in zip(SOLUTION_TOP_COLOUR, SOLUTION_BOTTOM_COLOUR))


def on_path(s):
    """The point at distance s along E_PATH, or None past either end."""
    if s < 0:
        return None
    for (x0, y0), (x1, y1) in zip(E_PATH, E_PATH[1:]):
        length = abs(x1 - x0) + abs(y1 - y0)
        if s <= length:
            f = s / float(length)
            return int(round(x0 + (x1 - x0) * f)), int(round(y0 + (y1 - y0) * f))
        s -= length
    return None


def electron_frame(k):
    """Frame k (1..9): the wire, and a file of electrons moving along it from
    A to B, E_STEP px per frame; one every E_PITCH px, so it wraps."""
    cv = Canvas(E_W, E_H, lambda row: DIAGRAM_WHITE, SCALE)
    for x0, y0, x1, y1 in WIRE_RECTS:
        for y in range(y0, y1):
            for x in range(x0, x1):
                cv.put(x - STRIP_LEFT, y - E_TOP, WIRE)
    total = sum(abs(x1 - x0) + abs(y1 - y0) for (x0, y0), (x1, y1) in zip(E_PATH, E_PATH[1:]))
    r = side(ELECTRON) // 2
    for j in range(total // E_PITCH + 2):
        point = on_path(j * E_PITCH + (E_STEP * k) % E_PITCH)
        if point is not None:
            cv.blit(ELECTRON, point[0] - r - STRIP_LEFT, point[1] - r - E_TOP)
    return cv


# Ions of metal A: (top at emergence, frame at which the ion starts to come
# out of the metal, downward drift per frame once free).
G_IONS = [(6, 1, 1), (30, 2, 1), (54, 3, 1), (78, 4, 1), (18, 5, 2), (42, 6, 1),
          (66, 7, 1), (1, 8, 0)]
A_ION_PACE = 2  # px a frame away from the metal once whole

# An ion comes out of the metal's face, the strip's left edge, over two frames
# (the part still inside the metal is not drawn), and only then drifts off.
A_ION_EMERGING = (-5, -3)

# At metal B (the strip's right edge): hydrogen ions come to the surface, where
# the electrons that came through the wire wait, take one each, and each pair
# leaves as a bubble of hydrogen, 2H+ + 2e- -> H2.  (top of the upper ion,
# frame it sets out); the two ions of a pair come one above the other.
H_SITES = [(6, 2), (34, 3), (64, 1), (77, 6)]
H_PAIR_GAP = 11   # from the upper ion's top to the lower one's
H_APPROACH = 3    # frames the ions take to reach the electrons
H_PACE = 5        # px a frame on their way
BUBBLE_RISE = 3   # px a frame


def a_ions(cv, k):
    d = side(A_ION)
    for top, start, drift in G_IONS:
        t = k - start             # frames since this ion began to leave
        if t < 0:
            continue
        y = min(top, G_H - d)
        if t < len(A_ION_EMERGING):
            cv.blit(A_ION, A_ION_EMERGING[t], y)
            continue
        free = t - len(A_ION_EMERGING)  # frames since it came wholly out
        cv.blit(A_ION, free * A_ION_PACE, min(top + drift * free, G_H - d))


def hydrogen_at_b(cv, k):
    e = side(ELECTRON)
    h = side(H)
    surface = G_W                      # B's face, just right of the strip
    for top, start in H_SITES:
        t = k - start
        if t < 0:
            continue
        pair = (top, top + H_PAIR_GAP)
        if t <= H_APPROACH:
            # the electrons show on B's face, the ions close in on them
            for y in pair:
                cv.blit(ELECTRON, surface - e, y + (h - e) // 2)
            x = surface - e - h - (H_APPROACH - t) * H_PACE
            for y in pair:
                cv.blit(H, x, y)
            continue
        # each ion has taken its electron: the pair is a hydrogen molecule,
        # a bubble that grows on the face and rises along it
        grown = min(t - H_APPROACH - 1, len(H2_BUBBLES) - 1)
        bubble = H2_BUBBLES[grown]
        b = side(bubble)
        cy = top + (H_PAIR_GAP + h) // 2 - (t - H_APPROACH - 1) * BUBBLE_RISE
        cv.blit(bubble, surface - b - 1, cy - b // 2)


def metal_ion_frame(k):
    """Frame k (1..9): ions come out of metal A, one after another, and spread
    into the electrolyte; at metal B hydrogen ions take up the electrons."""
    cv = Canvas(G_W, G_H, electrolyte, SCALE)
    a_ions(cv, k)
    hydrogen_at_b(cv, k)
    return cv


# ---------------------------------------------------------------------------

def main():
    out = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else OUT_DIR)
    os.makedirs(out, exist_ok=True)
    written = []

    def save(cv, name):
        if SCALE > 1:
            name = name.replace(".gif", "@%dx.gif" % SCALE)
        path = os.path.join(out, name)
        cv.save_gif(path)
        written.append((name, cv.w, cv.h))

    for s in (1, 2, 3):
        draw_at(s)
        draw_all(save)

    for name, w, h in written:
        print("%-16s %3d x %3d" % (name, w, h))


def draw_all(save):
    for prefix, w, h, sprite, direction, tc in STREAMS:
        for n in (1, 2, 3):
            save(ion_stream(w, h, globals()[sprite], n, direction, tc), "%s%d.gif" % (prefix, n))
    for n in (1, 2, 3):
        save(zinc_and_sulfate_frame(n), "znso4_%d.gif" % n)
    save(bubble_column(0), "awa1.gif")
    save(bubble_column(1), "awa2.gif")
    save(bubble_column(0, FEW_BUBBLES), "awa3.gif")
    save(bubble_column(1, FEW_BUBBLES), "awa4.gif")
    for k in range(1, 10):
        save(metal_ion_frame(k), "g%d.gif" % k)
        save(electron_frame(k), "e%d.gif" % k)


if __name__ == "__main__":
    main()
