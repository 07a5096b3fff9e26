import gc
import inspect

import pytest

import lodra._lodra as native
from lodra import StyleError

Theme = native.Theme
pigment = Theme.pigment()
RED = (2, 0xD64933FF, 1.0)

SETTERS = [
    # name, a valid value differing from pigment, summary
    ("with_palette", [RED, (2, 0x3366B8FF, 0.0)],
     "This theme with the palette `colors`, each of which must be concrete. The message of a\n"
     "color that is not concrete names its index, e.g. `colors[2]`."),
    ("with_background", RED, "This theme with the background color `value`."),
    ("with_text_color", RED, "This theme with the text color `value`."),
    ("with_muted_color", RED, "This theme with the muted text color `value`."),
    ("with_grid_color", RED, "This theme with the gridline color `value`."),
    ("with_baseline_color", RED, "This theme with the baseline color `value`."),
    ("with_grid_lines", 3, "This theme with the gridlines `value` (a `GridLines` value)."),
    ("with_grid_dash", 0, "This theme with the gridline dash `value` (a `Dash` value)."),
    ("with_title_font", 4, "This theme with the title font `value` (a `Font` value)."),
    ("with_title_align", 2, "This theme with the title alignment `value` (an `Align` value)."),
    ("with_body_font", 3, "This theme with the body font `value` (a `Font` value)."),
    ("with_legend_style", 2, "This theme with the legend style `value` (a `LegendStyle` value)."),
    ("with_legend_position", 4,
     "This theme with the panel legend position `value` (a `LegendPosition` value)."),
    ("with_fill_style", 1, "This theme with the fill style `value` (a `FillStyle` value)."),
    ("with_font_scale", 1.5, "This theme with the font scale `value`."),
    ("with_line_width", 3, "This theme with the line width `value`, in points."),
    ("with_marker_size", 9.0, "This theme with the marker size `value`, in points."),
    ("with_marker_alpha", 0.0, "This theme with the marker opacity `value`."),
    ("with_baseline_width", 0.0, "This theme with the baseline width `value`, in points."),
    ("with_bar_corner_radius", 2.0, "This theme with the bar corner radius `value`, in points."),
    ("with_hist_gap", 1.0, "This theme with the gap between histogram bars `value`, in points."),
]


@pytest.mark.parametrize("name, value, summary", SETTERS)
def test_setter_returns_a_new_theme(name, value, summary):
    method = getattr(Theme, name)
    argument = "colors" if name == "with_palette" else "value"
    assert method.__text_signature__ == f"($self, {argument})"
    assert method.__doc__ == summary
    changed = method(pigment, value)
    assert type(changed) is Theme and changed != pigment
    assert method(pigment, **{argument: value}) == changed
    assert pigment == Theme.pigment()


@pytest.mark.parametrize("name, summary", [
    ("pigment", "The default theme: warm paper, serif titles, dotted horizontal grid."),
    ("graphite", "A clean white theme with a navy-led palette."),
    ("midnight", "A dark theme with a monospaced body font."),
])
def test_presets(name, summary):
    preset = getattr(Theme, name)
    assert preset.__text_signature__ == "()" and preset.__doc__ == summary
    assert preset() == preset() and preset() is not preset()


def test_class():
    assert (Theme.__module__, Theme.__qualname__) == ("lodra._lodra", "Theme")
    assert Theme.__doc__ == (
        "An immutable theme. Equal themes compare equal; themes are not hashable.")
    assert Theme.__bases__ == (object,)
    assert gc.is_tracked(pigment)
    assert set(vars(Theme)) - {"__doc__", "__module__", "__hash__"} == (
        {name for name, _, _ in SETTERS} | {"pigment", "graphite", "midnight"}
        | {"__eq__", "__ne__", "__lt__", "__le__", "__gt__", "__ge__"})


def test_comparison_and_hashing():
    with pytest.raises(TypeError):
        Theme()
    assert pigment == Theme.pigment()
    assert pigment != Theme.midnight() and not pigment == Theme.graphite()
    assert pigment.with_line_width(2.0) == pigment
    assert pigment.__eq__(3) is NotImplemented and pigment.__lt__(pigment) is NotImplemented
    assert (pigment == 3) is False and (pigment != 3) is True
    with pytest.raises(TypeError):
        hash(pigment)
    with pytest.raises(TypeError):
        pigment < pigment  # noqa: B015


def palette_entry(index):
    return (1, index, 1.0)


ERRORS = [
    ("with_palette", [RED, RED, palette_entry(0)], StyleError,
     "Theme.with_palette(): colors[2] is Color.palette(0); theme colors must be concrete colors.",
     "colors", "use Color.hex(), Color.rgb() or a named color."),
    # Colours are checked in order before the length.
    ("with_palette", [RED] * 20 + [(0, 0, 1.0)] * 10, StyleError,
     "Theme.with_palette(): colors[20] is Color.AUTO; theme colors must be concrete colors.",
     "colors", "use Color.hex(), Color.rgb() or a named color."),
    ("with_palette", [], StyleError,
     "Theme.with_palette(): palette has 0 colors; a palette needs 1 to 16 colors.", "colors",
     None),
    ("with_palette", (RED,) * 17, StyleError,
     "Theme.with_palette(): palette has 17 colors; a palette needs 1 to 16 colors.", "colors",
     None),
    ("with_palette", [RED, (1, -1, 1.0)], StyleError,
     "Color.palette(): index is -1; a palette index must be 0 or greater.", "index",
     "indexes start at 0 and wrap around the palette."),
    ("with_background", (0, 0, 1.0), StyleError,
     "Theme.with_background(): value is Color.AUTO; theme colors must be concrete colors.",
     "value", "use Color.hex(), Color.rgb() or a named color."),
    ("with_grid_color", (1, 3, 0.5), StyleError,
     "Theme.with_grid_color(): value is Color.palette(3); theme colors must be concrete colors.",
     "value", "use Color.hex(), Color.rgb() or a named color."),
    ("with_text_color", (0, 0, 1.5), StyleError,
     "Color.alpha(): alpha is 1.5; alpha must be between 0.0 and 1.0.", "a", None),
    ("with_line_width", 0, StyleError,
     "Theme.with_line_width(): line_width is 0; line_width must be a finite number greater "
     "than 0.", "value", None),
    ("with_hist_gap", -0.5, StyleError,
     "Theme.with_hist_gap(): hist_gap is -0.5; hist_gap must be a finite number of at least 0.",
     "value", None),
    ("with_title_font", 5, ValueError, "internal error: 5 is not a value of Font", None, None),
    ("with_legend_position", -1, ValueError,
     "internal error: -1 is not a value of LegendPosition", None, None),
    ("with_muted_color", (3, 0, 1.0), ValueError, "internal error: 3 is not a color kind",
     None, None),
    ("with_baseline_color", (2, 2**32, 1.0), ValueError,
     "internal error: 4294967296 is not a color packed as 0xRRGGBBAA", None, None),
    ("with_palette", "#FFFFFF", TypeError,
     "with_palette() argument 'colors' must be a sequence of color tuples, not str", None, None),
    ("with_palette", [RED, (2, 0, "1")], TypeError,
     "with_palette() argument 'colors'[1][2] must be float, not str", None, None),
    ("with_grid_lines", 1.0, TypeError,
     "with_grid_lines() argument 'value' must be int, not float", None, None),
]


@pytest.mark.parametrize("name, value, cls, message, parameter, hint", ERRORS)
def test_setter_errors(name, value, cls, message, parameter, hint):
    with pytest.raises(cls) as caught:
        getattr(pigment, name)(value)
    assert type(caught.value) is cls and str(caught.value) == message
    if cls is StyleError:
        assert caught.value._lodra_parameter == parameter
        assert caught.value._lodra_hint == hint
