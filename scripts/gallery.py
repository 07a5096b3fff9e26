"""Renders a small gallery of charts as SVG and PNG into the folder given (default gallery/)."""

import pathlib
import sys

import numpy as np

import lodra._lodra as native

AUTO_COLOR = (0, 0, 1.0)
AUTO_SIZE = (0, 0.0)
LINEAR = (0, 10.0)
CATEGORY = (2, 10.0)


def panel_grid(theme, rows, cols, x_scales):
    figure = native.Figure(None, None, theme, rows, cols, 0, 0, 0)
    for (row, col), x_scale in zip(native.grid_cells(rows, cols, rows * cols), x_scales):
        figure.add_axes(1, row, 1, col, 1, 1, *x_scale, *LINEAR)
    return figure


def overview(theme):
    rng = np.random.default_rng(7)
    x = np.linspace(0.0, 10.0, 200)
    figure = panel_grid(theme, 2, 2, [LINEAR, LINEAR, LINEAR, LINEAR])
    figure.figure_title("lodra gallery")
    figure.figure_subtitle("lines, points, a histogram and an area")
    figure.title(0, 0, "Lines")
    figure.line(0, 0, x, np.sin(x), "sin", AUTO_COLOR, 0, AUTO_SIZE)
    figure.line(0, 0, x, np.cos(x), "cos", AUTO_COLOR, 1, AUTO_SIZE)
    figure.title(0, 1, "Scatter")
    figure.scatter(0, 1, rng.normal(size=120), rng.normal(size=120), "points", AUTO_COLOR, 0,
                   AUTO_SIZE)
    figure.title(1, 0, "Histogram")
    figure.hist(1, 0, rng.normal(size=2000), 24, "draws", AUTO_COLOR)
    figure.title(1, 1, "Area")
    figure.area(1, 1, x, np.abs(np.sin(x)) + 0.2, "level", AUTO_COLOR, 0, AUTO_SIZE)
    return figure


def categories(theme):
    rng = np.random.default_rng(11)
    names = ["North", "South", "East", "West"]
    figure = panel_grid(theme, 1, 2, [CATEGORY, CATEGORY])
    figure.figure_title("Regions")
    figure.title(0, 0, "Revenue by quarter")
    figure.grouped_bar(0, 0, names, [
        (f"Q{q}", rng.uniform(20, 90, size=4), AUTO_COLOR) for q in range(1, 4)])
    figure.title(0, 1, "Spread")
    figure.box_plot(0, 1, names, [rng.normal(loc, 1.0, size=80) for loc in (1, 2, 1.5, 3)],
                    "spread", AUTO_COLOR)
    return figure


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "gallery")
    out.mkdir(parents=True, exist_ok=True)
    themes = {"pigment": native.Theme.pigment(), "graphite": native.Theme.graphite(),
              "midnight": native.Theme.midnight()}
    for theme_name, theme in themes.items():
        for chart in (overview, categories):
            figure = chart(theme)
            stem = out / f"{chart.__name__}-{theme_name}"
            stem.with_suffix(".svg").write_text(figure.to_svg(0), encoding="utf-8")
            stem.with_suffix(".png").write_bytes(figure.to_png(100))
            print(stem.with_suffix(".png"))


if __name__ == "__main__":
    main()
