# SPDX-License-Identifier: GPL-3.0-or-later
"""A small Windows metafile writer of its own, independent of the C++ one,
that writes records the way different drawing programs do."""
import math
import struct


def w(v):
    return struct.pack('<h', v) if v < 0x8000 else struct.pack('<H', v)


class Wmf:
    def __init__(self, placeable=None, inch=1440, objects=None):
        self.placeable = placeable  # (left, top, right, bottom) or None
        self.inch = inch
        self.recs = []
        self.slots = []
        self.objects = objects  # header's object count; None: as many as used

    def rec(self, func, *params):
        self.recs.append(struct.pack('<IH', 3 + len(params), func) + b''.join(w(p) for p in params))

    def raw(self, func, payload):
        if len(payload) % 2:
            payload += b'\0'
        self.recs.append(struct.pack('<IH', 3 + len(payload) // 2, func) + payload)

    # ---- state
    def window_org(self, x, y): self.rec(0x020B, y, x)
    def window_ext(self, cx, cy): self.rec(0x020C, cy, cx)
    def viewport_org(self, x, y): self.rec(0x020D, y, x)
    def viewport_ext(self, cx, cy): self.rec(0x020E, cy, cx)
    def map_mode(self, m): self.rec(0x0103, m)
    def bk_mode(self, m): self.rec(0x0102, m)
    def bk_color(self, rgb): self.rec(0x0201, *colour(rgb))
    def text_color(self, rgb): self.rec(0x0209, *colour(rgb))
    def text_align(self, a): self.rec(0x012E, a)
    def poly_fill(self, m): self.rec(0x0106, m)
    def save_dc(self): self.rec(0x001E)
    def restore_dc(self, n=-1): self.rec(0x0127, n)
    def intersect_clip(self, l, t, r, b): self.rec(0x0416, b, r, t, l)
    def exclude_clip(self, l, t, r, b): self.rec(0x0415, b, r, t, l)

    # ---- objects: each takes the lowest free slot
    def _slot(self):
        for i, used in enumerate(self.slots):
            if not used:
                self.slots[i] = True
                return i
        self.slots.append(True)
        return len(self.slots) - 1

    def pen(self, style, width, rgb):
        self.rec(0x02FA, style, width, 0, *colour(rgb))
        return self._slot()

    def brush(self, style, rgb, hatch=0):
        self.rec(0x02FC, style, *colour(rgb), hatch)
        return self._slot()

    def font(self, height, weight=400, face='Liberation Sans', escapement=0, italic=False):
        name = face.encode('latin-1')[:31]
        name += b'\0' * (32 - len(name))
        payload = struct.pack('<hhhhhBBBBBBBB', height, 0, escapement, escapement, weight,
                              1 if italic else 0, 0, 0, 0, 0, 0, 0, 0) + name
        self.raw(0x02FB, payload)
        return self._slot()

    def select(self, slot): self.rec(0x012D, slot)
    def select_stock(self, n): self.rec(0x012D, 0x8000 | n)  # a writer's stock object

    def delete(self, slot):
        self.rec(0x01F0, slot)
        self.slots[slot] = False

    # ---- shapes
    def rectangle(self, l, t, r, b): self.rec(0x041B, b, r, t, l)
    def round_rect(self, l, t, r, b, cw, ch): self.rec(0x061C, ch, cw, b, r, t, l)
    def ellipse(self, l, t, r, b): self.rec(0x0418, b, r, t, l)
    def arc(self, l, t, r, b, xs, ys, xe, ye): self.rec(0x0817, ye, xe, ys, xs, b, r, t, l)
    def pie(self, l, t, r, b, xs, ys, xe, ye): self.rec(0x081A, ye, xe, ys, xs, b, r, t, l)
    def chord(self, l, t, r, b, xs, ys, xe, ye): self.rec(0x0830, ye, xe, ys, xs, b, r, t, l)
    def move_to(self, x, y): self.rec(0x0214, y, x)
    def line_to(self, x, y): self.rec(0x0213, y, x)

    def polygon(self, pts): self.rec(0x0324, len(pts), *[c for p in pts for c in p])
    def polyline(self, pts): self.rec(0x0325, len(pts), *[c for p in pts for c in p])

    def polypolygon(self, polys):
        self.rec(0x0538, len(polys), *[len(p) for p in polys], *[c for p in polys for q in p for c in q])

    def text_out(self, x, y, text):
        t = text.encode('cp1252')
        payload = w(len(t)) + t + (b'\0' if len(t) % 2 else b'') + w(y) + w(x)
        self.raw(0x0521, payload)

    def ext_text_out(self, x, y, text, options=0, rect=None):
        t = text.encode('cp1252')
        payload = w(y) + w(x) + w(len(t)) + w(options)
        if rect:
            payload += b''.join(w(v) for v in rect)
        self.raw(0x0A32, payload + t)

    # ---- bitmaps: pixels as rows of (r, g, b), top row first
    def stretch_dib(self, x, y, cx, cy, pixels):
        h, wd = len(pixels), len(pixels[0])
        self.raw(0x0F43, struct.pack('<IHhhhhhhhh', 0x00CC0020, 0, h, wd, 0, 0, cy, cx, y, x) + dib(pixels))

    def dib_stretch_blt(self, x, y, cx, cy, pixels):
        h, wd = len(pixels), len(pixels[0])
        self.raw(0x0B41, struct.pack('<Ihhhhhhhh', 0x00CC0020, h, wd, 0, 0, cy, cx, y, x) + dib(pixels))

    def dib_bit_blt(self, x, y, pixels):
        h, wd = len(pixels), len(pixels[0])
        self.raw(0x0940, struct.pack('<Ihhhhhh', 0x00CC0020, 0, 0, h, wd, y, x) + dib(pixels))

    def data(self):
        body = b''.join(self.recs) + struct.pack('<IH', 3, 0)
        longest = max([3] + [len(r) // 2 for r in self.recs])
        objects = len(self.slots) if self.objects is None else self.objects
        head = struct.pack('<HHHIHIH', 1, 9, 0x0300, 9 + len(body) // 2, objects, longest, 0)
        out = head + body
        if self.placeable:
            l, t, r, b = self.placeable
            ph = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, l, t, r, b, self.inch, 0)
            s = 0
            for i in range(0, 20, 2):
                s ^= struct.unpack_from('<H', ph, i)[0]
            out = ph + struct.pack('<H', s) + out
        return out


def colour(rgb):
    r, g, b = rgb
    return (r | (g << 8), b)


def dib(pixels):
    h, wd = len(pixels), len(pixels[0])
    stride = (wd * 3 + 3) // 4 * 4
    rows = b''
    for row in reversed(pixels):
        line = b''.join(bytes((b, g, r)) for r, g, b in row)
        rows += line + b'\0' * (stride - len(line))
    return struct.pack('<IiiHHIIiiII', 40, wd, h, 1, 24, 0, len(rows), 3780, 3780, 0, 0) + rows


# ---- the corpus ---------------------------------------------------------------
# Colours are named colours of SVG, so that the reference renderer, which
# writes colour names, shows them unchanged.
RED, GREEN, BLUE, BLACK, WHITE = (255, 0, 0), (0, 128, 0), (0, 0, 255), (0, 0, 0), (255, 255, 255)
YELLOW, NAVY, ORANGE, PURPLE, TEAL, IVORY = (255, 255, 0), (0, 0, 128), (255, 165, 0), (128, 0, 128), (0, 128, 128), (255, 255, 240)
PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL = 0, 1, 2, 3, 4, 5
BS_SOLID, BS_NULL, BS_HATCHED = 0, 1, 2
MM_TEXT, MM_ISOTROPIC, MM_ANISOTROPIC = 1, 7, 8


def placeable(w, h, inch=1440, ext=True, org=(0, 0), background=True):
    """A placeable file of w x h logical units; the background rectangle covers
    the frame, so the bounds of what is drawn are the frame."""
    m = Wmf(placeable=(org[0], org[1], org[0] + w, org[1] + h), inch=inch)
    if ext:
        m.window_org(*org)
        m.window_ext(w, h)
    if background:
        p = m.pen(PS_NULL, 0, BLACK)
        b = m.brush(BS_SOLID, IVORY)
        m.select(p)
        m.select(b)
        m.rectangle(org[0], org[1], org[0] + w, org[1] + h)
        m.delete(b)
        m.delete(p)
    return m


def per_shape(m, pen, brush, draw, pen_first=False):
    """The style of writers that make, select and delete a pen and a brush
    around every shape: each shape reuses the slots of the one before."""
    objs = [('pen', pen), ('brush', brush)]
    if pen_first is False:
        objs.reverse()
    slots = []
    for kind, args in objs:
        slot = m.pen(*args) if kind == 'pen' else m.brush(*args)
        m.select(slot)
        slots.append(slot)
    draw()
    for slot in slots:
        m.delete(slot)


def ellipse_points(l, t, r, b, n=144):
    cx, cy, a, e = (l + r) / 2, (t + b) / 2, (r - l) / 2, (b - t) / 2
    return [(cx + a * math.cos(2 * math.pi * i / n), cy - e * math.sin(2 * math.pi * i / n)) for i in range(n)]


def clip_polygon(pts, l, t, r, b):
    """The polygon cut to a rectangle, as integer points."""
    edges = [(lambda p: p[0] >= l, lambda p, q: (l, p[1] + (q[1] - p[1]) * (l - p[0]) / (q[0] - p[0]))),
             (lambda p: p[0] <= r, lambda p, q: (r, p[1] + (q[1] - p[1]) * (r - p[0]) / (q[0] - p[0]))),
             (lambda p: p[1] >= t, lambda p, q: (p[0] + (q[0] - p[0]) * (t - p[1]) / (q[1] - p[1]), t)),
             (lambda p: p[1] <= b, lambda p, q: (p[0] + (q[0] - p[0]) * (b - p[1]) / (q[1] - p[1]), b))]
    for inside, cut in edges:
        out = []
        for i, p in enumerate(pts):
            q = pts[i - 1]
            if inside(p):
                if not inside(q):
                    out.append(cut(q, p))
                out.append(p)
            elif inside(q):
                out.append(cut(q, p))
        pts = out
    return [(round(x), round(y)) for x, y in pts]


def arc_points(box, start, end, step=3):
    """Points of an elliptic arc, counter-clockwise on the page from the
    radial through start to the radial through end."""
    l, t, r, b = box
    cx, cy, a, e = (l + r) / 2, (t + b) / 2, (r - l) / 2, (b - t) / 2

    def param(p):
        alpha = math.atan2(-(p[1] - cy), p[0] - cx)
        return math.atan2(a * math.sin(alpha), e * math.cos(alpha))
    f0, f1 = param(start), param(end)
    if f1 <= f0:
        f1 += 2 * math.pi
    n = max(2, int(math.degrees(f1 - f0) / step))
    return [(round(cx + a * math.cos(f0 + (f1 - f0) * i / n)), round(cy - e * math.sin(f0 + (f1 - f0) * i / n)))
            for i in range(n + 1)]


def corpus():
    """The corpus files and, for a few of them, twins: the same picture in
    records that the reference draws right."""
    files = {}
    twins = {}

    # Per shape create, select, draw, delete: brush first, then pen first.
    m = placeable(1600, 1200)
    per_shape(m, (PS_SOLID, 40, BLACK), (BS_SOLID, RED), lambda: m.rectangle(100, 100, 700, 500))
    per_shape(m, (PS_SOLID, 40, NAVY), (BS_SOLID, BLUE), lambda: m.ellipse(800, 600, 1500, 1100))
    per_shape(m, (PS_DASH, 20, GREEN), (BS_SOLID, YELLOW), lambda: m.round_rect(100, 650, 700, 1100, 200, 200), True)
    per_shape(m, (PS_SOLID, 60, PURPLE), (BS_NULL, BLACK), lambda: m.polygon([(900, 100), (1500, 150), (1200, 500)]), True)
    files['per-shape-objects'] = m

    # The same without selecting anything else before the deletion, and with a
    # header that counts only the slots in use at one time.
    m = placeable(1000, 800, inch=576)
    for i, c in enumerate([RED, GREEN, BLUE, ORANGE]):
        p = m.pen(PS_SOLID, 10, BLACK)
        b = m.brush(BS_SOLID, c)
        m.select(p)
        m.select(b)
        m.rectangle(50 + i * 230, 100 + i * 120, 250 + i * 230, 400 + i * 120)
        m.delete(p)
        m.delete(b)
    files['reused-slots'] = m

    # One filled ellipse, nothing else: no window, no background.
    m = Wmf()
    m.select(m.brush(BS_SOLID, GREEN))
    m.ellipse(10, 10, 150, 100)
    files['one-ellipse'] = m
    m = Wmf(placeable=(0, 0, 2000, 1200), inch=1440)
    m.select(m.pen(PS_NULL, 0, BLACK))
    m.select(m.brush(BS_SOLID, ORANGE))
    m.ellipse(0, 0, 2000, 1200)
    files['one-ellipse-placeable'] = m

    # All objects made first, then selected in turn (and a stock-like reuse).
    m = placeable(1200, 900)
    pens = [m.pen(PS_SOLID, 30, c) for c in (BLACK, RED, BLUE)]
    brushes = [m.brush(BS_SOLID, c) for c in (YELLOW, TEAL, ORANGE)]
    for i in range(3):
        m.select(pens[i])
        m.select(brushes[i])
        m.rectangle(100 + i * 350, 100 + i * 150, 400 + i * 350, 500 + i * 150)
    m.select(pens[0])
    m.select(brushes[1])
    m.ellipse(100, 600, 400, 850)
    files['objects-first'] = m

    # Every shape record, non-placeable, in plain logical units.
    m = Wmf()
    m.window_org(0, 0)
    m.window_ext(400, 300)
    m.select(m.pen(PS_SOLID, 3, BLACK))
    m.select(m.brush(BS_SOLID, RED))
    m.rectangle(0, 0, 400, 300)
    m.select(m.brush(BS_SOLID, YELLOW))
    m.rectangle(10, 10, 90, 70)
    m.round_rect(110, 10, 190, 70, 30, 30)
    m.ellipse(210, 10, 290, 70)
    m.rectangle(310, 10, 390, 90)
    m.rectangle(10, 100, 90, 180)
    m.round_rect(110, 100, 190, 180, 80, 80)
    m.polygon([(210, 100), (290, 120), (250, 180)])
    m.polyline([(310, 100), (350, 180), (390, 100)])
    m.poly_fill(1)
    m.polypolygon([[(10, 200), (90, 200), (90, 290), (10, 290)], [(30, 220), (70, 220), (70, 270), (30, 270)]])
    m.poly_fill(2)
    m.polypolygon([[(110, 200), (190, 200), (190, 290), (110, 290)], [(130, 220), (170, 220), (170, 270), (130, 270)]])
    m.move_to(210, 200)
    m.line_to(290, 290)
    m.line_to(290, 200)
    m.move_to(310, 290)
    m.line_to(390, 200)
    files['shapes'] = m

    # Pens: styles, widths, the null pen.
    m = placeable(1600, 1200)
    for i, style in enumerate([PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT]):
        p = m.pen(style, 1, BLACK)
        m.select(p)
        m.move_to(100, 100 + i * 80)
        m.line_to(1500, 100 + i * 80)
        m.delete(p)
    for i, width in enumerate([15, 40, 80, 120]):
        p = m.pen(PS_SOLID, width, [NAVY, RED, GREEN, PURPLE][i])
        m.select(p)
        m.move_to(100 + i * 200, 600)
        m.line_to(250 + i * 200, 1100)
        m.delete(p)
    p = m.pen(PS_NULL, 80, RED)
    m.select(p)
    m.select(m.brush(BS_SOLID, TEAL))
    m.rectangle(1000, 600, 1500, 1100)
    files['pens'] = m

    # Brushes: solid and null, in pen widths of one point and more. (Hatched
    # brushes are left out: the reference fills them solid.)
    m = placeable(600, 400)
    m.select(m.pen(PS_SOLID, 20, BLACK))
    b = m.brush(BS_NULL, RED)
    m.select(b)
    m.rectangle(30, 30, 280, 370)
    m.delete(b)
    b = m.brush(BS_SOLID, GREEN)
    m.select(b)
    m.rectangle(320, 30, 570, 180)
    p = m.pen(PS_SOLID, 40, BLUE)
    m.select(p)
    m.ellipse(320, 220, 570, 370)
    files['brushes'] = m

    # Text: TextOut and ExtTextOut, heights, alignment, escapement.
    m = placeable(2400, 1600)
    m.bk_mode(1)
    m.text_color(NAVY)
    f = m.font(-240, 700)
    m.select(f)
    m.text_out(100, 100, 'Hund')
    m.text_align(24)  # baseline
    m.text_out(100, 700, 'Katze')
    g = m.font(-400, 400)
    m.select(g)
    m.delete(f)
    m.text_align(6)  # centre, top
    m.text_color(RED)
    m.ext_text_out(1200, 800, 'Maus')
    m.text_align(0)
    m.bk_mode(2)
    m.bk_color(YELLOW)
    m.ext_text_out(100, 1100, 'Igel')
    files['text'] = m
    m = placeable(2400, 1600)
    m.bk_mode(1)
    m.select(m.font(-300, 400, escapement=900))
    m.text_out(600, 1400, 'Baum')
    m.select(m.font(-300, 400, escapement=2700))
    m.text_out(1800, 200, 'Ast')
    files['text-escapement'] = m

    # Bitmaps: a 4 x 3 picture stretched by two records, a 40 x 30 one copied.
    pix = [[RED, GREEN, BLUE, YELLOW], [BLACK, WHITE, ORANGE, TEAL], [NAVY, PURPLE, RED, GREEN]]
    big = [[pix[y // 10][x // 10] for x in range(40)] for y in range(30)]
    m = placeable(240, 180, inch=96)
    m.stretch_dib(0, 0, 120, 90, pix)
    m.dib_stretch_blt(120, 0, 120, 90, pix)
    m.dib_bit_blt(30, 110, big)
    files['bitmaps'] = m

    # Map modes: anisotropic with window and viewport, isotropic, MM_TEXT.
    m = Wmf()
    m.map_mode(MM_ANISOTROPIC)
    m.window_org(-500, -500)
    m.window_ext(1000, 1000)
    m.viewport_org(0, 0)
    m.viewport_ext(400, 200)
    m.select(m.pen(PS_NULL, 0, BLACK))
    m.select(m.brush(BS_SOLID, IVORY))
    m.rectangle(-500, -500, 500, 500)
    m.select(m.brush(BS_SOLID, RED))
    m.ellipse(-400, -400, 0, 0)
    m.select(m.brush(BS_SOLID, BLUE))
    m.rectangle(100, 100, 450, 450)
    files['anisotropic'] = m
    m = Wmf()
    m.map_mode(MM_ISOTROPIC)
    m.window_org(0, 0)
    m.window_ext(1000, 500)
    m.viewport_ext(300, 300)
    m.select(m.pen(PS_SOLID, 20, BLACK))
    m.select(m.brush(BS_SOLID, TEAL))
    m.rectangle(0, 0, 1000, 500)
    m.select(m.brush(BS_SOLID, ORANGE))
    m.ellipse(100, 100, 400, 400)
    files['isotropic'] = m
    m = Wmf()
    m.map_mode(MM_TEXT)
    m.select(m.brush(BS_SOLID, PURPLE))
    m.rectangle(20, 30, 180, 130)
    m.select(m.brush(BS_SOLID, YELLOW))
    m.round_rect(60, 60, 140, 100, 20, 20)
    files['mm-text'] = m
    m = placeable(1000, 800, org=(2000, 3000))
    m.select(m.brush(BS_SOLID, GREEN))
    m.ellipse(2100, 3100, 2900, 3700)
    files['window-origin'] = m
    m = placeable(1000, 800, ext=False)
    m.select(m.brush(BS_SOLID, BLUE))
    m.rectangle(100, 100, 900, 700)
    files['no-window'] = m

    # SaveDC and RestoreDC bring back pen, brush and clipping; clipping
    # itself has a twin (the reference ignores clip regions).
    m = placeable(1200, 900)
    m.select(m.pen(PS_SOLID, 40, NAVY))
    m.select(m.brush(BS_SOLID, GREEN))
    m.save_dc()
    m.select(m.pen(PS_NULL, 0, BLACK))
    m.select(m.brush(BS_SOLID, RED))
    m.rectangle(100, 100, 500, 400)
    m.save_dc()
    m.select(m.brush(BS_SOLID, YELLOW))
    m.ellipse(600, 100, 1100, 400)
    m.restore_dc()
    m.rectangle(100, 500, 500, 800)
    m.restore_dc()
    m.ellipse(600, 500, 1100, 800)
    files['savedc'] = m

    m = placeable(1200, 900)
    m.select(m.pen(PS_NULL, 0, BLACK))
    m.save_dc()
    m.intersect_clip(100, 100, 600, 500)
    m.select(m.brush(BS_SOLID, RED))
    m.ellipse(0, 0, 1000, 800)
    m.restore_dc()
    m.save_dc()
    m.intersect_clip(650, 350, 1150, 850)
    m.exclude_clip(800, 500, 1000, 700)
    m.select(m.brush(BS_SOLID, BLUE))
    m.rectangle(600, 300, 1200, 900)
    m.restore_dc()
    m.select(m.brush(BS_SOLID, GREEN))
    m.rectangle(50, 650, 400, 850)
    files['clip'] = m
    t = placeable(1200, 900)
    t.select(t.pen(PS_NULL, 0, BLACK))
    t.select(t.brush(BS_SOLID, RED))
    t.polygon(clip_polygon(ellipse_points(0, 0, 1000, 800), 100, 100, 600, 500))
    t.select(t.brush(BS_SOLID, BLUE))
    t.poly_fill(1)
    t.polypolygon([[(650, 350), (1150, 350), (1150, 850), (650, 850)], [(800, 500), (1000, 500), (1000, 700), (800, 700)]])
    t.select(t.brush(BS_SOLID, GREEN))
    t.rectangle(50, 650, 400, 850)
    twins['clip'] = t

    # Arcs, chords and pies; the twin draws them as polygons (the reference
    # misplaces them).
    figures = [((50, 50, 350, 350), (350, 100), (100, 50)), ((400, 50, 700, 250), (400, 150), (700, 150)),
               ((750, 50, 1150, 350), (1150, 350), (750, 200)), ((50, 400, 450, 850), (250, 850), (450, 400))]
    m = placeable(1200, 900)
    t = placeable(1200, 900)
    for w in (m, t):
        w.select(w.pen(PS_SOLID, 30, BLACK))
        w.select(w.brush(BS_SOLID, ORANGE))
    kinds = ['pie', 'chord', 'arc', 'pie']
    for (box, start, end), kind in zip(figures, kinds):
        getattr(m, kind)(*box, *start, *end)
        pts = arc_points(box, start, end)
        if kind == 'pie':
            t.polygon([((box[0] + box[2]) // 2, (box[1] + box[3]) // 2)] + pts)
        elif kind == 'chord':
            t.polygon(pts)
        else:
            t.polyline(pts)
    m.select(m.brush(BS_SOLID, TEAL))
    t.select(t.brush(BS_SOLID, TEAL))
    m.chord(600, 450, 1150, 850, 600, 650, 1150, 800)
    t.polygon(arc_points((600, 450, 1150, 850), (600, 650), (1150, 800)))
    files['arcs'] = m
    twins['arcs'] = t

    # Faults the comparison found: a placeable file whose window is not its
    # frame, and one that sets the anisotropic map mode.
    m = Wmf(placeable=(0, 0, 1600, 1200))
    m.window_org(0, 0)
    m.window_ext(160, 120)
    m.select(m.pen(PS_NULL, 0, BLACK))
    m.select(m.brush(BS_SOLID, RED))
    m.rectangle(0, 0, 160, 120)
    m.select(m.brush(BS_SOLID, BLUE))
    m.ellipse(20, 20, 100, 80)
    files['window-not-frame'] = m
    m = Wmf(placeable=(0, 0, 1400, 900))
    m.map_mode(MM_ANISOTROPIC)
    m.window_ext(1400, 900)
    m.select(m.pen(PS_NULL, 0, BLACK))
    m.select(m.brush(BS_SOLID, GREEN))
    m.ellipse(0, 0, 1400, 900)
    files['anisotropic-placeable'] = m
    m = Wmf(placeable=(0, 0, 2000, 1500), inch=1000)
    m.map_mode(MM_ANISOTROPIC)
    m.window_org(0, 0)
    m.window_ext(2000, 1500)
    for i, c in enumerate([IVORY, RED, GREEN, BLUE]):
        box = (0, 0, 2000, 1500) if i == 0 else (100 + 600 * (i - 1), 200 + 350 * (i - 1), 600 + 600 * (i - 1), 700 + 350 * (i - 1))
        per_shape(m, (PS_NULL if i == 0 else PS_SOLID, 20, BLACK), (BS_SOLID, c),
                  lambda: (m.rectangle if i % 2 == 0 else m.ellipse)(*box))
    files['per-shape-anisotropic'] = m
    return files, twins


if __name__ == '__main__':
    import os
    import sys
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'data', 'metafiles')
    os.makedirs(out, exist_ok=True)
    files, twins = corpus()
    os.makedirs(os.path.join(out, 'twins'), exist_ok=True)
    for name, m in files.items():
        with open(os.path.join(out, name + '.wmf'), 'wb') as f:
            f.write(m.data())
    for name, m in twins.items():
        with open(os.path.join(out, 'twins', name + '.wmf'), 'wb') as f:
            f.write(m.data())
