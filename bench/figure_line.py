"""Times Figure.line with 10^7 points against numpy.copy of the same array.

Adding a line copies x and y once each into shared lists and checks them in one pass each, so
it should stay within a small factor of copying one array. Run with the extension module
importable (for example PYTHONPATH pointing at an assembled package):

    python3 bench/figure_line.py
"""

import time

import numpy as np

import lodra._lodra as native

POINTS = 10_000_000
ROUNDS = 7


def best_of(run):
    times = []
    for _ in range(ROUNDS):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    x = np.arange(POINTS, dtype=np.float64)
    y = np.sin(x * 1e-3)

    def add_line():
        figure = native.Figure(6.0, 4.0, native.Theme.pigment(), 1, 1, 0, 0, 0)
        figure.add_axes(0, 0, 0, 0, 1, 1, 0, 10.0, 0, 10.0)
        figure.line(0, 0, x, y, "", (0, 0, 1.0), 0, (0, 0.0))

    line = best_of(add_line)
    copy = best_of(lambda: np.copy(y))
    copy_both = best_of(lambda: (np.copy(x), np.copy(y)))
    print(f"Figure.line, {POINTS:,} points: {line * 1e3:.1f} ms")
    print(f"numpy.copy of one array:       {copy * 1e3:.1f} ms")
    print(f"numpy.copy of x and y:         {copy_both * 1e3:.1f} ms")
    print(f"ratio to one copy: {line / copy:.2f}x, to both: {line / copy_both:.2f}x")


if __name__ == "__main__":
    main()
