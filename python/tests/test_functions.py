import math

import numpy as np
import pytest

import lodra._lodra as native
from lodra import StyleError

RETURNS = [
    (native.color_hex, ("#FF000080",), 0xFF000080),
    (native.color_hex, ("#1a2B3c",), 0x1A2B3CFF),
    (native.color_rgb, (255, 0, 0), 0xFF0000FF),
    (native.color_with_alpha, (0xFF0000FF, 0.5), 0xFF000080),
    (native.color_with_alpha, (0, 1.0), 0xFF),
    (native.color_with_alpha, (0xFFFFFFFF, 0.0), 0xFFFFFF00),
    (native.grid_auto_size, (2, 3), (18.0, 8.0)),
    (native.grid_cells, (2, 2, 3), [(0, 0), (0, 1), (1, 0)]),
    (native.grid_cells, (1, 1, 1), [(0, 0)]),
    (native.check_alpha, (0.0,), None),
    (native.check_palette_index, (0,), None),
    (native.check_log_base, (3.0,), None),
    (native.check_size_times, (10,), None),
    (native.check_size_points, (72.0,), None),
    (native.check_tick_format, ((1, 12, "$", " kg"),), None),
    (native.check_tick_format, ((3, 99, "", ""),), None),
    (native.check_tick_format, ((0, -5, "", ""),), None),
    (native.box_stats, (np.array([1.0, 2, 3, 4, 100]),), (2.0, 3.0, 4.0, 1.0, 4.0, [100.0])),
    (native.box_stats, (np.array([7.0]),), (7.0, 7.0, 7.0, 7.0, 7.0, [])),
    (native.box_stats, (np.array([]),), None),
    (native.box_stats, (np.array([math.nan]),), None),
    (native.kde_scott, (np.array([3.0, 3.0]),), None),
    (native.kde_scott, (np.array([math.inf, math.nan]),), None),
]


@pytest.mark.parametrize("function, args, expected", RETURNS)
def test_returns(function, args, expected):
    result = function(*args)
    assert result == expected and type(result) is type(expected)


def test_keyword_arguments():
    assert native.color_with_alpha(a=0.5, rgba=0xFF0000FF) == 0xFF000080
    assert native.grid_cells(2, cols=2, count=1) == [(0, 0)]


def test_named_colors():
    colors = native.named_colors()
    assert [name for name, _ in colors] == [
        "BLACK", "WHITE", "GRAY", "RED", "ORANGE", "YELLOW", "GREEN", "TEAL", "BLUE", "PURPLE",
        "PINK", "BROWN"]
    assert colors[0] == ("BLACK", 0x1A1A1AFF) and colors[-1] == ("BROWN", 0x7A5236FF)


def test_kde_scott_of_two_values_is_symmetric_with_scotts_bandwidth():
    curve = native.kde_scott(np.array([2.0, 6.0]))
    assert len(curve) == 128
    assert curve[0][0] == 2.0 and curve[-1][0] == 6.0
    h = math.sqrt(0.5) * 2 ** -0.2
    peak = 1 + math.exp(-0.5 / h**2)
    assert curve[0][1] == pytest.approx(peak / (h * 2 * math.sqrt(2 * math.pi)))
    densities = [density for _, density in curve]
    assert densities == pytest.approx(densities[::-1])


ERRORS = [
    # Engine errors: class, message, parameter and hint.
    (native.color_with_alpha, (0xFF0000FF, 2), StyleError,
     "Color.alpha(): alpha is 2; alpha must be between 0.0 and 1.0.", "a", None),
    (native.check_alpha, (math.nan,), StyleError,
     "Color.alpha(): alpha is NaN; alpha must be between 0.0 and 1.0.", "a", None),
    (native.grid_auto_size, (0, 1), StyleError,
     "Figure(): rows is 0; rows must be between 1 and 32.", "rows", "use at least 1 row."),
    (native.grid_cells, (2, 2, 5), StyleError,
     "Figure.cells(): count is 5; a 2 × 2 figure has 4 cells.", "count",
     "pass a count from 1 to the number of cells."),
    (native.grid_cells, (1, 0, 5), StyleError,
     "Figure(): cols is 0; cols must be between 1 and 32.", "cols", "use at least 1 column."),
    (native.color_hex, ("#12345G",), StyleError,
     'Color.hex(): "#12345G" is not a hex color; use #RRGGBB or #RRGGBBAA.', "code", None),
    (native.color_rgb, (255, 256, -1), StyleError,
     "Color.rgb(): g is 256; each channel must be between 0 and 255.", "g", None),
    (native.check_log_base, (1.0,), StyleError,
     "Scale.log(): base is 1; a log base must be finite and greater than 1.", "base", None),
    (native.check_size_times, (0.0,), StyleError,
     "Size.times(): factor is 0; a size factor must be greater than 0 and at most 10.", "factor",
     "use Size.AUTO for the theme's size, or a factor below 1 for a smaller one."),
    (native.check_size_points, (72.0000001,), StyleError,
     "Size.pt(): points is 72.0000001; a size in points must be greater than 0 and at most 72.",
     "points", None),
    (native.check_tick_format, ((1, 13, "", ""),), StyleError,
     "TickFormat.fixed(): decimals is 13; decimals must be between 0 and 12.", "decimals", None),
    (native.check_tick_format, ((2, -1, "", ""),), StyleError,
     "TickFormat.percent(): decimals is -1; decimals must be between 0 and 12.", "decimals", None),
    (native.check_tick_format, ((0, 0, "", "x" * 1001),), StyleError,
     "TickFormat.affix(): suffix has 1,001 characters; text must be at most 1,000 characters.",
     "suffix", "shorten the text; it would not fit the figure."),
    # Values the package never passes.
    (native.color_with_alpha, (-1, 0.5), ValueError,
     "internal error: -1 is not a color packed as 0xRRGGBBAA", None, None),
    (native.color_with_alpha, (2**32, 2.0), ValueError,
     "internal error: 4294967296 is not a color packed as 0xRRGGBBAA", None, None),
    (native.check_tick_format, ((4, 0, "", ""),), ValueError,
     "internal error: 4 is not a tick format kind", None, None),
    (native.check_tick_format, ((-1, 0, "", ""),), ValueError,
     "internal error: -1 is not a tick format kind", None, None),
    (native.box_stats, ([1.0, 2.0],), TypeError,
     "internal error: expected a one-dimensional float64 buffer, got list", None, None),
    # The binding layer's checks of Python types come first.
    (native.color_with_alpha, (-1, "x"), TypeError,
     "color_with_alpha() argument 'a' must be float, not str", None, None),
    (native.grid_cells, ("2", 2, None), TypeError,
     "grid_cells() argument 'rows' must be int, not str", None, None),
    (native.color_rgb, (1.0, 2, 3), TypeError,
     "color_rgb() argument 'r' must be int, not float", None, None),
    (native.color_rgb, (2**63, 0, 0), OverflowError,
     "color_rgb() argument 'r' does not fit a 64-bit signed integer", None, None),
    (native.color_rgb, (1, 2), TypeError,
     "color_rgb() missing required argument 'b' (pos 3)", None, None),
    (native.color_hex, (b"#FFFFFF",), TypeError,
     "color_hex() argument 'code' must be str, not bytes", None, None),
    (native.check_tick_format, ([1, 2, "", ""],), TypeError,
     "check_tick_format() argument 'format' must be a tuple (int, int, str, str), not list",
     None, None),
    (native.check_tick_format, ((1, 2, ""),), TypeError,
     "check_tick_format() argument 'format' must be a tuple (int, int, str, str), not a tuple "
     "of 3 items", None, None),
    (native.check_tick_format, ((1, 2, "", 3),), TypeError,
     "check_tick_format() argument 'format'[3] must be str, not int", None, None),
]


@pytest.mark.parametrize("function, args, cls, message, parameter, hint", ERRORS)
def test_errors(function, args, cls, message, parameter, hint):
    with pytest.raises(cls) as caught:
        function(*args)
    assert type(caught.value) is cls
    assert str(caught.value) == message
    if issubclass(cls, StyleError):
        assert caught.value._lodra_parameter == parameter
        assert caught.value._lodra_hint == hint


@pytest.mark.parametrize("call, message", [
    (lambda: native.color_rgb(1, 2, 3, r=1), "color_rgb() got multiple values for argument 'r'"),
    (lambda: native.check_alpha(a=1.0, b=2), "check_alpha() got an unexpected keyword argument 'b'"),
    (lambda: native.check_alpha(1.0, 2.0), "check_alpha() takes 1 argument but 2 were given"),
    (lambda: native.grid_cells(), "grid_cells() missing required argument 'rows' (pos 1)"),
])
def test_argument_list_errors(call, message):
    with pytest.raises(TypeError) as caught:
        call()
    assert str(caught.value) == message
