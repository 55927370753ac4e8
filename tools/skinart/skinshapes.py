"""A tiny deterministic rasteriser for the skin art: an RGBA canvas, shapes
given as inside-tests, 4 x 4 supersampled coverage, straight-alpha "over"."""

import math

SAMPLES = 4


def hsb(hue, saturation, brightness):
    """Hue in degrees, saturation and brightness 0-1 -> (r, g, b), truncating
    like the library's own conversion."""
    s = min(max(saturation, 0.0), 1.0)
    v = min(max(brightness, 0.0), 1.0)
    if s == 0.0:
        c = int(v * 255)
        return (c, c, c)
    f = min(hue, 360) / 60.0
    i = int(f)
    t = f - i
    p, q, u = v * (1 - s), v * (1 - t * s), v * (1 - (1 - t) * s)
    rgb = {0: (v, u, p), 1: (q, v, p), 2: (p, v, u), 3: (p, q, v), 4: (u, p, v), 5: (v, p, q), 6: (v, u, p)}[i]
    return tuple(int(ch * 255) for ch in rgb)


def grey(v):
    c = int(v * 255)
    return (c, c, c)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def _with_box(test, box):
    test.bbox = box
    return test


def rounded_rect(x0, y0, x1, y1, r, ring=None):
    def inside(x, y, inset=0.0):
        ax0, ay0, ax1, ay1, ar = x0 + inset, y0 + inset, x1 - inset, y1 - inset, max(r - inset, 0.0)
        if x < ax0 or x > ax1 or y < ay0 or y > ay1:
            return False
        cx = min(max(x, ax0 + ar), ax1 - ar)
        cy = min(max(y, ay0 + ar), ay1 - ar)
        return (x - cx) ** 2 + (y - cy) ** 2 <= ar * ar

    if ring is None:
        test = lambda x, y: inside(x, y)
    else:
        test = lambda x, y: inside(x, y) and not inside(x, y, ring)
    return _with_box(test, (math.floor(x0), math.floor(y0), math.ceil(x1), math.ceil(y1)))


def segment(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    half = width / 2.0

    def test(x, y):
        t = 0.0 if length2 == 0 else min(max(((x - x0) * dx + (y - y0) * dy) / length2, 0.0), 1.0)
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= half * half

    box = (math.floor(min(x0, x1) - half), math.floor(min(y0, y1) - half),
           math.ceil(max(x0, x1) + half), math.ceil(max(y0, y1) + half))
    return _with_box(test, box)


def polygon(points):
    def test(x, y):
        inside = False
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return inside

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return _with_box(test, (math.floor(min(xs)), math.floor(min(ys)), math.ceil(max(xs)), math.ceil(max(ys))))


def circle(cx, cy, r):
    return _with_box(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                     (math.floor(cx - r), math.floor(cy - r), math.ceil(cx + r), math.ceil(cy + r)))


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def _put(self, x, y, rgb, alpha):
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0.0:
            return
        p = self.px[y * self.width + x]
        out_a = alpha + p[3] * (1.0 - alpha)
        for i in range(3):
            p[i] = (rgb[i] * alpha + p[i] * p[3] * (1.0 - alpha)) / out_a
        p[3] = out_a

    def fill_rect(self, x, y, w, h, rgb):
        for yy in range(max(y, 0), min(y + h, self.height)):
            for xx in range(max(x, 0), min(x + w, self.width)):
                self.px[yy * self.width + xx] = [float(rgb[0]), float(rgb[1]), float(rgb[2]), 1.0]

    def _coverage(self, test, x, y):
        hits = 0
        for j in range(SAMPLES):
            for i in range(SAMPLES):
                if test(x + (i + 0.5) / SAMPLES, y + (j + 0.5) / SAMPLES):
                    hits += 1
        return hits / float(SAMPLES * SAMPLES)

    def _box(self, test, box=None):
        x0, y0, x1, y1 = box or getattr(test, "bbox", (0, 0, self.width, self.height))
        return max(x0, 0), max(y0, 0), min(x1 + 1, self.width), min(y1 + 1, self.height)

    def shape(self, test, colour, alpha=1.0):
        x0, y0, x1, y1 = self._box(test)
        for y in range(y0, y1):
            for x in range(x0, x1):
                cov = self._coverage(test, x, y)
                if cov > 0.0:
                    rgb = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                    self._put(x, y, rgb, cov * alpha)

    def paint(self, x, y, w, h, test, rgb):
        x0, y0, x1, y1 = self._box(test, (x, y, x + w - 1, y + h - 1))
        for yy in range(y0, y1):
            for xx in range(x0, x1):
                cov = self._coverage(test, xx, yy)
                if cov > 0.0:
                    self._put(xx, yy, rgb, cov)

    def cut(self, x, y, w, h, outside):
        """Makes the area where outside() holds transparent (anti-aliased)."""
        x0, y0, x1, y1 = self._box(outside, (x, y, x + w - 1, y + h - 1))
        for yy in range(y0, y1):
            for xx in range(x0, x1):
                self.px[yy * self.width + xx][3] *= 1.0 - self._coverage(outside, xx, yy)

    def blit(self, other, ox, oy):
        for y in range(other.height):
            for x in range(other.width):
                if 0 <= ox + x < self.width and 0 <= oy + y < self.height:
                    self.px[(oy + y) * self.width + ox + x] = list(other.px[y * other.width + x])

    def transposed(self):
        t = Canvas(self.height, self.width)
        for y in range(self.height):
            for x in range(self.width):
                t.px[x * t.width + y] = list(self.px[y * self.width + x])
        return t

    def flatten(self, background, key=None, key_below=0.5):
        """(width, height, [rgb]) over an opaque background; with a key, pixels
        less covered than key_below become the key colour."""
        out = []
        for p in self.px:
            if key is not None and p[3] < key_below:
                out.append(tuple(key))
                continue
            a = p[3]
            out.append(tuple(int(round(p[i] * a + background[i] * (1.0 - a))) for i in range(3)))
        return (self.width, self.height, out)

    def rgba(self):
        out = []
        for p in self.px:
            a = int(round(p[3] * 255))
            out.append((int(round(p[0])), int(round(p[1])), int(round(p[2])), a) if a else (255, 255, 255, 0))
        return (self.width, self.height, out)
