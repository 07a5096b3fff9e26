import inspect
import math

import numpy as np
import pytest

import lodra._lodra as native
from lodra import DataError, StyleError, UsageError

Theme = native.Theme
Figure = native.Figure

AUTO_COLOR = (0, 0, 1.0)
AUTO_SIZE = (0, 0.0)
LINEAR, LOG, CATEGORY = (0, 10.0), (1, 10.0), (2, 10.0)


def figure(rows=1, cols=1, share_x=0, share_y=0):
    return Figure(None, None, Theme.pigment(), rows, cols, share_x, share_y, 0)


def with_axes(x=LINEAR, y=LINEAR, rows=1, cols=1):
    fig = figure(rows, cols)
    fig.add_axes(1, 0, 1, 0, 1, 1, *x, *y)
    return fig


def floats(*values):
    return np.array(values, dtype=np.float64)


SIGNATURES = [
    ("clone", "", "An independent copy of this figure. Marks share their data, which never "
     "changes, so the\ncopy is cheap."),
    ("add_axes", "row_kind, row, col_kind, col, row_span, col_span, x_kind, x_base, y_kind, y_base",
     "Adds axes at the row `(row_kind, row)` and the column `(col_kind, col)`, spanning\n"
     "`row_span × col_span` cells, with the x scale `(x_kind, x_base)` and the y scale\n"
     "`(y_kind, y_base)`, and returns the `(row, col)` of their top-left cell. The core checks\n"
     "the position and the scales, and a refused call adds nothing."),
    ("axes_at", "row_kind, row, col_kind, col, x_kind, x_base, y_kind, y_base",
     "The `(row, col)` of the top-left cell of the axes found at the row `(row_kind, row)`\n"
     "and the column `(col_kind, col)`, after the core has checked that they were created\n"
     "with the x scale `(x_kind, x_base)` and the y scale `(y_kind, y_base)`."),
    ("figure_title", "text", "Sets the figure title above every panel."),
    ("figure_subtitle", "text", "Sets the figure subtitle below its title."),
    ("title", "row, col, text", "Sets the title."),
    ("subtitle", "row, col, text", "Sets the subtitle."),
    ("xlabel", "row, col, text", "Sets the x axis label."),
    ("ylabel", "row, col, text", "Sets the y axis label."),
    ("xlim", "row, col, low, high", "Sets the x limits."),
    ("ylim", "row, col, low, high", "Sets the y limits."),
    ("xticks", "row, col, positions", "Replaces the x ticks with ticks at `positions`."),
    ("yticks", "row, col, positions", "Replaces the y ticks with ticks at `positions`."),
    ("xticks_labeled", "row, col, positions, labels",
     "Replaces the x ticks with ticks at `positions`, each with the label at its index."),
    ("yticks_labeled", "row, col, positions, labels",
     "Replaces the y ticks with ticks at `positions`, each with the label at its index."),
    ("xtick_format", "row, col, format", "Sets the format of the x tick labels."),
    ("ytick_format", "row, col, format", "Sets the format of the y tick labels."),
    ("legend", "row, col, style", "Sets the legend style (a `LegendStyle` value)."),
    ("legend_at", "row, col, style, position",
     "Sets the legend style and position (`LegendStyle` and `LegendPosition` values)."),
    ("line", "row, col, x, y, label, color, dash, width", "Adds a line."),
    ("area", "row, col, x, y, label, color, dash, width",
     "Adds an area: a line with the region down to the baseline filled."),
    ("scatter", "row, col, x, y, label, color, marker, size", "Adds a scatter series."),
    ("stem", "row, col, x, y, label, color, marker, size",
     "Adds stems from the baseline with a marker at each value."),
    ("step", "row, col, x, y, position, label, color, dash, width",
     "Adds a step line; `position` is a `Step` value."),
    ("bubbles", "row, col, x, y, sizes, label, color, marker",
     "Adds bubbles sharing an area scale on these axes."),
    ("bar", "row, col, categories, heights, label, color", "Adds bars, one per category."),
    ("grouped_bar", "row, col, categories, series",
     "Adds grouped bars: in each category, one bar per series."),
    ("stacked_bar", "row, col, categories, series",
     "Adds stacked bars: in each category, one stack of the series."),
    ("stacked_area", "row, col, x, series",
     "Adds non-negative area series stacked over shared x values."),
    ("box_plot", "row, col, categories, groups, label, color",
     "Adds a box plot for each category."),
    ("violin", "row, col, categories, groups, label, color", "Adds a violin for each category."),
    ("grouped_box_plot", "row, col, categories, distributions",
     "Adds distributions side by side in each category."),
    ("grouped_violin", "row, col, categories, distributions",
     "Adds distributions side by side in each category."),
    ("hist", "row, col, values, bins, label, color", "Adds a histogram of `values` in `bins` bins."),
    ("band", "row, col, x, low, high, label, color",
     "Adds a band between the curves `low` and `high` over `x`."),
    ("y_error_bars", "row, col, x, low, high, label, color, width, caps",
     "Adds vertical error bars at `x` between the limits `low` and `high`."),
    ("x_error_bars", "row, col, y, low, high, label, color, width, caps",
     "Adds horizontal error bars at `y` between the limits `low` and `high`."),
    ("hline", "row, col, y, label, color, dash, width",
     "Adds a horizontal reference line at `y`."),
    ("vline", "row, col, x, label, color, dash, width",
     "Adds a vertical reference line at `x`, a `float` or, on a category x axis, a `str`."),
    ("hspan", "row, col, low, high, label, color",
     "Adds a horizontal reference span between the y values `low` and `high`."),
    ("vspan", "row, col, low, high, label, color",
     "Adds a vertical reference span between the x values `low` and `high`."),
]

RENDER_SIGNATURES = [
    ("to_png", "dpi", "Renders the figure as a PNG at `dpi`."),
    ("png_for_file", "dpi",
     "Renders the figure as a PNG at `dpi` for `Figure.save_png()`, which reports its errors."),
    ("to_svg", "text",
     "Renders the figure as an SVG document, with text as `text` (an `SvgText` value)."),
    ("svg_for_file", "text",
     "Renders the figure as an SVG document for `Figure.save_svg()`, which reports its errors."),
]
SIGNATURES += RENDER_SIGNATURES


def test_class():
    assert Figure.__module__ == "lodra._lodra" and Figure.__qualname__ == "Figure"
    assert Figure.__text_signature__ == "(width, height, theme, rows, cols, share_x, share_y, legend)"
    assert Figure.__doc__ == ("A figure: a size in inches, a theme, a grid and the axes placed on "
                              "it with their marks.")
    assert not [name for name in vars(Figure) if not name.startswith("_")
                and name not in {entry[0] for entry in SIGNATURES}]


@pytest.mark.parametrize("name, arguments, summary", SIGNATURES)
def test_signatures_and_docstrings(name, arguments, summary):
    method = getattr(Figure, name)
    expected = f"($self, {arguments})" if arguments else "($self)"
    assert method.__text_signature__ == expected
    assert method.__doc__ == summary


def test_page_size_defaults_to_the_grid():
    fig = figure(2, 3)
    # The default page is 6 × cols by 4 × rows inches: an axes fits each cell.
    assert fig.add_axes(1, 1, 1, 2, 1, 1, *LINEAR, *LINEAR) == (1, 2)
    Figure(None, 5.0, Theme.pigment(), 1, 1, 0, 0, 0)
    Figure(200, 200, Theme.pigment(), 32, 32, 3, 3, 1)


RAISES = [
    # (call, exception, message, parameter, hint)
    (lambda: Figure(300.0, None, Theme.pigment(), 0, 1, 0, 0, 0), StyleError,
     "Figure(): width is 300; it must be finite, above 0 and at most 200 inches.", "width", None),
    (lambda: Figure(None, math.nan, Theme.pigment(), 1, 1, 0, 0, 0), StyleError,
     "Figure(): height is NaN; it must be finite, above 0 and at most 200 inches.", "height",
     None),
    (lambda: Figure(None, None, Theme.pigment(), 1, 33, 4, 0, 0), StyleError,
     "Figure(): cols is 33; cols must be between 1 and 32.", "cols",
     "split the figure into several figures."),
    (lambda: Figure(None, None, Theme.pigment(), 1, 1, 4, 0, 0), ValueError,
     "internal error: 4 is not a value of Share", None, None),
    (lambda: Figure(None, None, Theme.pigment(), 1, 1, 0, 0, 2), ValueError,
     "internal error: 2 is not a value of Legend", None, None),
    (lambda: figure(3).add_axes(1, 5, 0, 0, 1, 1, *LINEAR, *LINEAR), UsageError,
     "Figure.add_axes(): row is 5; this figure has rows 0 to 2.", "row",
     "rows and columns count from 0."),
    (lambda: figure().add_axes(2, 0, 0, 0, 1, 1, *LINEAR, *LINEAR), ValueError,
     "internal error: 2 is not a grid index kind", None, None),
    (lambda: figure().add_axes(0, 0, 0, 0, 1, 1, 3, 10.0, *LINEAR), ValueError,
     "internal error: 3 is not a scale kind", None, None),
    (lambda: figure().add_axes(0, 0, 0, 0, 1, 1, *LINEAR, 1, 1.0), StyleError,
     "Scale.log(): base is 1; a log base must be finite and greater than 1.", "base", None),
    (lambda: with_axes().axes_at(0, 0, 0, 0, *LOG, *LINEAR), UsageError,
     "Figure.axes_at(): x is Scale.log(10); the axes at row 0, col 0 has x Scale.linear().", "x",
     "pass the scales the axes was created with."),
    (lambda: with_axes(rows=2).axes_at(0, 0, 0, 0, *LINEAR, *LINEAR), UsageError,
     "Figure.axes_at(): row is AUTO; this figure has 2 rows, so each axes needs a row.", "row",
     "pass row=, counting from 0."),
    (lambda: with_axes(rows=2).line(1, 0, floats(1), floats(1), "", AUTO_COLOR, 0, AUTO_SIZE),
     UsageError, "Figure.axes_at(): row 1, col 0 holds no axes.", None,
     "add one with add_axes(row=, col=) first."),
    # Conversions come before the lookup.
    (lambda: with_axes(rows=2).line(1, 0, floats(1), [1.0], "", AUTO_COLOR, 0, AUTO_SIZE),
     TypeError, "internal error: expected a one-dimensional float64 buffer, got list", None, None),
    (lambda: with_axes().line(0, 0, floats(1), floats(math.inf), "", AUTO_COLOR, 0, AUTO_SIZE),
     DataError, "Axes.line(): y[0] is inf; values must be finite.", "y",
     "use NaN to leave a gap in the line."),
    (lambda: with_axes().line(0, 0, floats(1), floats(1), "", AUTO_COLOR, 3, AUTO_SIZE),
     ValueError, "internal error: 3 is not a value of Dash", None, None),
    (lambda: with_axes().scatter(0, 0, floats(1), floats(1), "", (3, 0, 1.0), 0, AUTO_SIZE),
     ValueError, "internal error: 3 is not a color kind", None, None),
    (lambda: with_axes().scatter(0, 0, floats(1), floats(1), "", (0, 0, 2.0), 0, AUTO_SIZE),
     StyleError, "Color.alpha(): alpha is 2; alpha must be between 0.0 and 1.0.", "a", None),
    (lambda: with_axes().stem(0, 0, floats(1), floats(1), "", AUTO_COLOR, 5, AUTO_SIZE),
     ValueError, "internal error: 5 is not a value of Marker", None, None),
    (lambda: with_axes().step(0, 0, floats(1), floats(1), 3, "", AUTO_COLOR, 0, AUTO_SIZE),
     ValueError, "internal error: 3 is not a value of Step", None, None),
    (lambda: with_axes().hline(0, 0, 1.0, "", AUTO_COLOR, 0, (3, 1.0)),
     ValueError, "internal error: 3 is not a size kind", None, None),
    (lambda: with_axes(CATEGORY).bar(0, 0, ("a",), floats(1), "", AUTO_COLOR), TypeError,
     "internal error: expected a list of str, got tuple", None, None),
    (lambda: with_axes(CATEGORY).bar(0, 0, ["a", "\ud800"], floats(1, 2), "", AUTO_COLOR),
     TypeError, "internal error: a name is not valid UTF-8: it contains a lone surrogate", None,
     None),
    (lambda: with_axes(CATEGORY).bar(0, 0, ["a", "b", "a"], floats(1, 2, 3), "", AUTO_COLOR),
     DataError,
     'Axes.bar(): categories[2] repeats "a" from categories[0]; each category must appear once.',
     "categories", "combine repeated categories and sum their heights."),
    (lambda: with_axes().vline(0, 0, 1, "", AUTO_COLOR, 0, AUTO_SIZE), TypeError,
     "internal error: expected a str or a float, got int", None, None),
    (lambda: with_axes().vline(0, 0, "a", "", AUTO_COLOR, 0, AUTO_SIZE), DataError,
     "Axes.vline(): x holds a category name but the x axis is not a category axis; pass a "
     "number.", "x", "pass x=Scale.category() to Figure.add_axes()."),
    (lambda: with_axes().hist(0, 0, floats(1), 0, "", AUTO_COLOR), StyleError,
     "Axes.hist(): bins is 0; bins must be between 1 and 10000.", "bins", "use at least one bin."),
    (lambda: with_axes().hspan(0, 0, 3.0, 3.0, "", AUTO_COLOR), StyleError,
     "Axes.hspan(): low is 3, high is 3; low must be below high.", "high",
     "swap the two values."),
    (lambda: with_axes().legend_at(0, 0, 1, 4), UsageError,
     "Axes.legend(): position is LegendPosition.BEST; direct labels sit at the ends of their "
     "lines and take no position.", "position", "drop position=, or use another legend style."),
    (lambda: with_axes().legend_at(0, 0, 4, 0), ValueError,
     "internal error: 4 is not a value of LegendStyle", None, None),
    (lambda: with_axes().xtick_format(0, 0, (4, 0, "", "")), ValueError,
     "internal error: 4 is not a tick format kind", None, None),
    (lambda: with_axes(y=LOG).ylim(0, 0, 0.0, 10.0), StyleError,
     "Axes.ylim(): the lower limit is 0; a log scale needs a positive lower limit.", "low",
     "use a linear axis if either limit is not positive."),
    (lambda: with_axes().xticks_labeled(0, 0, floats(1, 2), ["a"]), StyleError,
     "Axes.xticks_labeled(): positions has 2 values but labels has 1; pass one label per "
     "position.", "labels", None),
    (lambda: with_axes(CATEGORY).grouped_bar(0, 0, ["a"], []), DataError,
     "Axes.grouped_bar(): series is empty; pass at least one series.", "series", None),
    (lambda: with_axes(CATEGORY).stacked_bar(0, 0, ["a"], [("s", floats(1e300), AUTO_COLOR),
                                                           ("t", floats(1e300), AUTO_COLOR)]),
     DataError, 'Axes.stacked_bar(): the values of categories[0] ("a") stack to 2e300; each '
     "stack must stay within 1e300 on both sides of 0.", "series", None),
    (lambda: with_axes(CATEGORY).grouped_bar(0, 0, ["a"], "s"), TypeError, None, None, None),
    (lambda: with_axes(CATEGORY).violin(0, 0, ["a"], [floats(1), floats(2)], "", AUTO_COLOR),
     DataError, "Axes.violin(): groups has 2 groups; categories has 1.", "groups",
     "pass one group per category, using an empty group when there are no samples."),
    (lambda: with_axes(CATEGORY).grouped_box_plot(0, 0, ["a"], [("d", [floats(math.inf)],
                                                                 AUTO_COLOR)]),
     DataError, "Axes.grouped_box(): distributions[0].groups[0][0] is inf; values must be "
     "finite.", "distributions", "use NaN to leave a sample out."),
    (lambda: with_axes().stacked_area(0, 0, floats(0, 1), [("s", floats(1, -1), AUTO_COLOR)]),
     DataError, "Axes.stacked_area(): series[0].values[1] is -1; stacked areas need values of "
     "at least 0.", "series", "use stacked_bar for values with mixed signs."),
    (lambda: with_axes().band(0, 0, floats(1, 0), floats(0, 0), floats(1, 1), "", AUTO_COLOR),
     DataError, "Axes.band(): x[1] is 0, below x[0] = 1; band needs x in non-decreasing order.",
     "x", "sort the points by x first."),
    (lambda: with_axes(CATEGORY).x_error_bars(0, 0, floats(1), floats(0), floats(1), "",
                                              AUTO_COLOR, AUTO_SIZE, True), UsageError,
     "Axes.x_error_bars(): this is a category axis; error bars along x apply to linear and log "
     "axes only.", None, "x_error_bars needs a numeric x axis; use y_error_bars on a category."),
    (lambda: with_axes().y_error_bars(0, 0, floats(1), floats(2), floats(1), "", AUTO_COLOR,
                                      AUTO_SIZE, 1), TypeError, None, None, None),
    (lambda: with_axes().bubbles(0, 0, floats(1), floats(1), floats(-1), "", AUTO_COLOR, 0),
     DataError, "Axes.bubbles(): sizes[0] is -1; bubble sizes must be finite and at least 0.",
     "sizes", "use 0 for a point to leave out."),
    (lambda: with_axes().xticks(0, 0, np.zeros((2, 2))), TypeError,
     "internal error: expected a one-dimensional float64 buffer, got ndarray", None, None),
]


@pytest.mark.parametrize("call, exception, message, parameter, hint", RAISES)
def test_raises(call, exception, message, parameter, hint):
    with pytest.raises(exception) as raised:
        call()
    assert type(raised.value) is exception
    if message is not None:
        assert str(raised.value) == message
    if exception in (DataError, StyleError, UsageError):
        assert raised.value.parameter == parameter and raised.value.hint == hint


def test_every_mark_and_setting_is_accepted():
    fig = figure(2, 2)
    fig.add_axes(1, 0, 1, 0, 1, 1, *LINEAR, *LOG)
    fig.add_axes(1, 0, 1, 1, 1, 1, *CATEGORY, *LINEAR)
    fig.add_axes(1, 1, 1, 0, 1, 2, *LOG, *LINEAR)
    x, y = floats(1, 2, 3), floats(1, 10, 100)
    fig.figure_title("t")
    fig.figure_subtitle("s")
    for text in (fig.title, fig.subtitle, fig.xlabel, fig.ylabel):
        text(0, 0, "text")
    fig.xlim(0, 0, -1.0, 1.0)
    fig.ylim(row=0, col=0, low=1.0, high=1000.0)
    fig.xticks(0, 0, floats(0, 1))
    fig.yticks_labeled(0, 0, floats(1, 10), ["one", "ten"])
    fig.xtick_format(0, 0, (2, 1, "", " %"))
    fig.legend(0, 0, 1)
    fig.legend_at(0, 1, 2, 3)
    fig.line(0, 0, x, y, "l", (1, 3, 0.5), 1, (1, 2.0))
    fig.area(0, 0, x, y, "a", AUTO_COLOR, 2, (2, 3.0))
    fig.scatter(0, 0, x, y, "s", (2, 0xFF0000FF, 0.0), 4, AUTO_SIZE)
    fig.stem(0, 0, x, y, "s", AUTO_COLOR, 0, AUTO_SIZE)
    fig.step(0, 0, x, y, 2, "s", AUTO_COLOR, 0, AUTO_SIZE)
    fig.bubbles(0, 0, x, y, floats(0, 1, 2), "b", AUTO_COLOR, 1)
    fig.band(0, 0, x, y, y, "b", AUTO_COLOR)
    fig.y_error_bars(0, 0, x, y, y, "e", AUTO_COLOR, AUTO_SIZE, False)
    fig.x_error_bars(0, 0, y, x, x, "e", AUTO_COLOR, AUTO_SIZE, True)
    fig.hline(0, 0, 10.0, "h", AUTO_COLOR, 0, AUTO_SIZE)
    fig.vline(0, 0, np.float64(0.5), "v", AUTO_COLOR, 0, AUTO_SIZE)
    fig.hspan(0, 0, 1.0, 2.0, "h", AUTO_COLOR)
    fig.vspan(0, 0, 0.0, 1.0, "v", AUTO_COLOR)
    fig.stacked_area(0, 0, x, [("s", floats(1, 2, 3), AUTO_COLOR)])
    fig.hist(0, 0, x, native.MAX_BINS, "h", AUTO_COLOR)
    names = ["a", "b"]
    fig.line(0, 1, names, floats(1, 2), "", AUTO_COLOR, 0, AUTO_SIZE)
    fig.bar(0, 1, names, floats(1, 2), "", AUTO_COLOR)
    fig.grouped_bar(0, 1, names, [("s", floats(1, 2), AUTO_COLOR)])
    fig.stacked_bar(0, 1, names, (("s", floats(1, 2), AUTO_COLOR),))
    fig.box_plot(0, 1, names, [floats(1, 2), floats()], "", AUTO_COLOR)
    fig.violin(0, 1, names, [floats(1, 2), floats(3)], "", AUTO_COLOR)
    fig.grouped_box_plot(0, 1, names, [("d", [floats(1), floats(2)], AUTO_COLOR)])
    fig.grouped_violin(0, 1, names, [("d", [floats(1), floats(2)], AUTO_COLOR)])
    fig.vline(0, 1, "c", "", AUTO_COLOR, 0, AUTO_SIZE)
    fig.y_error_bars(0, 1, names, floats(0, 1), floats(1, 2), "", AUTO_COLOR, AUTO_SIZE, True)
    # Strided buffers are read at their stride.
    fig.line(1, 0, floats(1, 0, 2, 0, 3)[::2], floats(1, 2, 3), "", AUTO_COLOR, 0, AUTO_SIZE)
    assert fig.axes_at(1, 1, 1, 0, *LOG, *LINEAR) == (1, 0)


def test_shared_limits_are_set_once_for_the_group():
    fig = Figure(None, None, Theme.pigment(), 2, 1, 2, 0, 0)
    for row in (0, 1):
        fig.add_axes(1, row, 1, 0, 1, 1, *LINEAR, *LINEAR)
    fig.xlim(0, 0, 0.0, 10.0)
    fig.xlim(0, 0, 0.0, 5.0)
    fig.xlim(1, 0, 0.0, 5.0)
    with pytest.raises(UsageError) as raised:
        fig.xlim(1, 0, 0.0, 10.0)
    assert str(raised.value) == "Axes.xlim(): x limits are shared with row 0, col 0, which set (0, 5)."


def test_a_refused_call_adds_nothing():
    fig = figure(2, 2)
    with pytest.raises(UsageError):
        fig.add_axes(1, 0, 1, 0, 1, 1, *LINEAR, *CATEGORY)
    with pytest.raises(StyleError):
        fig.add_axes(1, 0, 1, 0, 1, 1, *LINEAR, 1, 0.5)
    assert fig.add_axes(1, 0, 1, 0, 2, 1, *LINEAR, *LINEAR) == (0, 0)
    with pytest.raises(UsageError, match="is part of the axes added at row 0, col 0"):
        fig.axes_at(1, 1, 1, 0, *LINEAR, *LINEAR)


def test_clone_is_independent():
    fig = with_axes(rows=2)
    copy = fig.clone()
    assert type(copy) is Figure and copy is not fig
    copy.add_axes(1, 1, 1, 0, 1, 1, *LINEAR, *LINEAR)
    assert copy.axes_at(1, 1, 1, 0, *LINEAR, *LINEAR) == (1, 0)
    with pytest.raises(UsageError, match="holds no axes"):
        fig.axes_at(1, 1, 1, 0, *LINEAR, *LINEAR)


class Reentrant(list):
    """A sequence whose reading runs `action` first, as user code inside a conversion could."""

    def __init__(self, items, action):
        super().__init__(items)
        self.action = action

    def __getitem__(self, index):
        self.action()
        return super().__getitem__(index)


class ReentrantIndex:
    def __init__(self, value, action):
        self.value, self.action = value, action

    def __index__(self):
        self.action()
        return self.value


def test_a_figure_being_changed_cannot_be_used_meanwhile():
    fig = with_axes(CATEGORY)
    series = Reentrant([("s", floats(1), AUTO_COLOR)], fig.clone)
    with pytest.raises(RuntimeError, match="^Already mutably borrowed$"):
        fig.grouped_bar(0, 0, ["a"], series)
    row = ReentrantIndex(0, lambda: fig.figure_title("x"))
    with pytest.raises(RuntimeError, match="^Already borrowed$"):
        fig.title(row, 0, "t")
    # The borrow is given back after each refusal.
    fig.grouped_bar(0, 0, ["a"], [("s", floats(1), AUTO_COLOR)])
    assert fig.clone() is not None


def test_keywords_and_missing_arguments():
    fig = with_axes()
    fig.hline(row=0, col=0, y=1.0, label="", color=AUTO_COLOR, dash=0, width=AUTO_SIZE)
    with pytest.raises(TypeError):
        fig.hline(0, 0, 1.0)
    with pytest.raises(TypeError):
        fig.title(0, 0, "t", extra=1)
    with pytest.raises(OverflowError):
        fig.title(2**63, 0, "t")
    assert str(inspect.signature(fig.line)) == "(row, col, x, y, label, color, dash, width)"


def line_figure():
    fig = with_axes()
    fig.line(0, 0, floats(0, 1, 2), floats(1, 3, 2), "a", AUTO_COLOR, 0, AUTO_SIZE)
    return fig


PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def test_rendering_returns_png_bytes_and_svg_text():
    fig = line_figure()
    for png in (fig.to_png(72), fig.png_for_file(dpi=30)):
        assert type(png) is bytes and png.startswith(PNG_SIGNATURE)
    for text in (0, 1):
        svg = fig.to_svg(text)
        assert type(svg) is str and "<svg" in svg
        assert fig.svg_for_file(text=text) == svg


@pytest.mark.parametrize("method, context", [("to_png", "Figure.to_png()"),
                                             ("png_for_file", "Figure.save_png()")])
def test_dpi_out_of_range_names_the_method(method, context):
    with pytest.raises(StyleError) as raised:
        getattr(line_figure(), method)(5)
    assert str(raised.value) == f"{context}: dpi 5 is out of range; use a value from 10 to 2400."
    assert raised.value._lodra_parameter == "dpi"


@pytest.mark.parametrize("method, context", [("to_svg", "Figure.to_svg()"),
                                             ("svg_for_file", "Figure.save_svg()"),
                                             ("png_for_file", "Figure.save_png()")])
def test_render_errors_take_the_method_context(method, context):
    fig = Figure(0.3, 3.0, Theme.pigment(), 1, 1, 0, 0, 0)
    fig.add_axes(1, 0, 1, 0, 1, 1, *LINEAR, *LINEAR)
    with pytest.raises(StyleError) as raised:
        getattr(fig, method)(72 if "png" in method else 0)
    assert str(raised.value).startswith(context + ": the figure is 21 pt wide")


@pytest.mark.parametrize("method", ["to_svg", "svg_for_file"])
def test_svg_text_code_is_checked_first(method):
    with pytest.raises(ValueError, match="^internal error: 2 is not a value of SvgText$"):
        getattr(line_figure(), method)(2)


def test_a_clone_renders_without_marks_added_later():
    fig = line_figure()
    copy = fig.clone()
    fig.scatter(0, 0, floats(0.5), floats(2.5), "b", AUTO_COLOR, 0, AUTO_SIZE)
    assert copy.to_svg(0) == line_figure().to_svg(0)
    assert fig.to_svg(0) != copy.to_svg(0)
    assert fig.to_png(20) != copy.to_png(20)
