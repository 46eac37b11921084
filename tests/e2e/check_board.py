#!/usr/bin/env python3
"""Checks a screenshot of the board: finds the surface from its blue axes, then looks for the red
parabola y = Ax^2 + Bx + C (3 units either side of its vertex) and the black segment where their
formulas put them, and for red anywhere else on the surface (unless --no-strays: texts beside
marked points are red too), and for filled dots of a colour at given points. Exit status 0 when all holds;
otherwise the reasons go to standard error."""
import argparse
import subprocess
import sys

NEAR = 2      # px: a dot must lie this close to where its formula puts it
FAR = 4       # px: red farther than this from the curve is a stray dot


def read_pixels(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maxval
        while ppm[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, ppm[pos + 1:]


class Shot:
    def __init__(self, path):
        self.width, self.height, self.data = read_pixels(path)

    def rgb(self, x, y):
        i = 3 * (y * self.width + x)
        return self.data[i], self.data[i + 1], self.data[i + 2]

    def is_(self, kind, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return False
        r, g, b = self.rgb(x, y)
        return {"red": r > 200 and g < 70 and b < 70,
                "blue": b > 200 and r < 70 and g < 70,
                "black": r < 70 and g < 70 and b < 70}[kind]

    def near(self, kind, px, py, radius):
        return any(self.is_(kind, round(px) + dx, round(py) + dy)
                   for dx in range(-radius, radius + 1) for dy in range(-radius, radius + 1))


def longest_run(flags, gap):
    """(first, last) of the longest run of True, bridging gaps where drawings cross the axis."""
    best, start, last = (0, -1), None, None
    for i, flag in enumerate(flags):
        if not flag:
            continue
        if start is None or i - last > gap:
            start = i
        last = i
        if last - start > best[1] - best[0]:
            best = (start, last)
    return best


class Board:
    """World x -10..10 and y 10..-10 spread over the surface found from its two axes."""

    def __init__(self, shot):
        # A scaled page may spread an axis over two rows or columns: look at neighbours too.
        def band(x, y, horizontal):
            return any(shot.is_("blue", x, y + d) if horizontal else shot.is_("blue", x + d, y)
                       for d in (-2, -1, 0, 1, 2))

        # Curves crossing an axis, and a marked point's filled dot on it; wider on a page.
        gap = max(12, shot.width // 60)
        rows = [sum(shot.is_("blue", x, y) for x in range(shot.width)) for y in range(shot.height)]
        axis_row = max(range(shot.height), key=rows.__getitem__)
        self.left, self.right = longest_run([band(x, axis_row, True) for x in range(shot.width)], gap)
        axis_col = (self.left + self.right) // 2  # x = 0 halfway along the x axis
        self.top, self.bottom = longest_run([band(axis_col, y, False) for y in range(shot.height)], gap)
        if self.right - self.left < 200 or self.bottom - self.top < 200:
            raise SystemExit(f"no board with its axes on the screenshot (axes found at x {self.left}..{self.right}, "
                             f"y {self.top}..{self.bottom})")
        # Tolerances are for the board on screen; a printed page may show it larger.
        self.zoom = max(1.0, (self.right - self.left) / 413)

    def pixel(self, x, y):
        return (self.left + (x + 10) / 20 * (self.right - self.left + 1),
                self.top + (10 - y) / 20 * (self.bottom - self.top + 1))

    def inside(self, px, py):
        return self.left <= px <= self.right and self.top <= py <= self.bottom


def check_parabola(shot, board, a, b, c, problems, strays=True):
    start, end = -3 - b / (2 * a), 3 - b / (2 * a)
    curve = [board.pixel(x, a * x * x + b * x + c) for x in
             (start + (end - start) * i / 1200 for i in range(1201))]
    # Several x across the range, the last sample included: in animation mode it shows last.
    for i in list(range(0, 12)) + [12]:
        x = start + (end - start) * i / 12
        y = a * x * x + b * x + c
        px, py = board.pixel(x, y)
        if board.inside(px, py) and not shot.near("red", px, py, round(NEAR * board.zoom)):
            problems.append(f"no red dot near ({x:.3f}, {y:.3f}) = pixel ({px:.0f}, {py:.0f})")
    if strays:
        check_strays(shot, board, "red", curve, "the parabola", problems)


def check_strays(shot, board, kind, curve, name, problems):
    """Every pixel of the colour on the surface lies near the curve (pixels, densely sampled)."""
    far = max(FAR, round(FAR * board.zoom))
    buckets = {}
    for qx, qy in curve:
        buckets.setdefault(int(qx) // far, []).append((qx, qy))

    def off_curve(px, py):
        nearby = [q for k in (px // far - 1, px // far, px // far + 1) for q in buckets.get(k, [])]
        return all((px - qx) ** 2 + (py - qy) ** 2 > far ** 2 for qx, qy in nearby)

    stray = 0
    for py in range(board.top, board.bottom + 1):
        for px in range(board.left, board.right + 1):
            if shot.is_(kind, px, py) and off_curve(px, py):
                stray += 1
                if stray == 1:
                    problems.append(f"{kind} pixel ({px}, {py}) lies off {name}")
    if stray > 1:
        problems.append(f"{stray} {kind} pixels lie off {name} in all")


DISC = 3     # px: a marked point's filled dot covers most of the square this far around its centre


def check_discs(shot, board, kind, coordinates, problems):
    """A filled dot, wider than any pen line through it, at every (x, y) of the list."""
    reach = round(DISC * board.zoom)
    for x, y in zip(coordinates[0::2], coordinates[1::2]):
        px, py = (round(v) for v in board.pixel(x, y))
        covered = sum(shot.is_(kind, px + dx, py + dy)
                      for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1))
        if covered < 0.6 * (2 * reach + 1) ** 2:
            problems.append(f"no filled {kind} dot at ({x}, {y}) = pixel ({px}, {py}): {covered} pixels")


def check_segment(shot, board, x1, y1, x2, y2, problems):
    for i in range(0, 9):
        t = 0.05 + 0.9 * i / 8  # the ends meet the axes, which are blue on top of nothing
        x, y = x1 + (x2 - x1) * t, y1 + (y2 - y1) * t
        if not shot.near("black", *board.pixel(x, y), round(NEAR * board.zoom)):
            problems.append(f"no black segment pixel near ({x:.2f}, {y:.2f})")
    line = [board.pixel(x1 + (x2 - x1) * i / 400, y1 + (y2 - y1) * i / 400) for i in range(401)]
    check_strays(shot, board, "black", line, "the segment", problems)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("screenshot")
    parser.add_argument("--parabola", nargs=3, type=float, metavar=("A", "B", "C"))
    parser.add_argument("--segment", nargs=4, type=float, metavar=("X1", "Y1", "X2", "Y2"))
    parser.add_argument("--no-strays", action="store_true", help="do not look for red off the parabola")
    parser.add_argument("--discs", nargs="+", action="append", default=[], metavar="COLOUR X Y",
                        help="a colour (red or black) and the points where its filled dots stand")
    args = parser.parse_args()
    shot = Shot(args.screenshot)
    board = Board(shot)
    problems = []
    if args.parabola:
        check_parabola(shot, board, *args.parabola, problems, strays=not args.no_strays)
    for discs in args.discs:
        check_discs(shot, board, discs[0], [float(v) for v in discs[1:]], problems)
    if args.segment:
        check_segment(shot, board, *args.segment, problems)
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"board surface at pixels x {board.left}..{board.right}, y {board.top}..{board.bottom}: "
          + ("FAILED" if problems else "ok"), file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
