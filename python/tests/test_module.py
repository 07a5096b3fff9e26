import inspect
import pathlib
import sys
import types

import pytest

import lodra._lodra as native
from lodra import StyleError

EXPORTS = [
    "__version__", "MAX_BINS", "Theme", "Figure", "enum_members", "grid_auto_size",
    "grid_cells", "named_colors", "color_hex", "color_rgb", "color_with_alpha", "check_alpha",
    "check_palette_index", "check_log_base", "check_size_times", "check_size_points",
    "check_tick_format", "box_stats", "kde_scott",
]

FUNCTIONS = [
    ("enum_members", "()",
     "The member tables of every bound enum, keyed by the Python enum name."),
    ("grid_auto_size", "(rows, cols)",
     "The figure size in inches that fits a `rows × cols` grid when no size is given."),
    ("grid_cells", "(rows, cols, count)",
     "The first `count` cells of a `rows × cols` grid in row-major order, as `(row, col)`."),
    ("named_colors", "()", "The named colors as `(name, 0xRRGGBBAA)` pairs."),
    ("color_hex", "(code)", "Parses `#RRGGBB` or `#RRGGBBAA` into `0xRRGGBBAA`."),
    ("color_rgb", "(r, g, b)",
     "An opaque color from three channels in `0..=255`, as `0xRRGGBBAA`."),
    ("color_with_alpha", "(rgba, a)",
     "The color `rgba` with its alpha replaced by `a`, as `0xRRGGBBAA`."),
    ("check_alpha", "(a)", "Checks an opacity for `Color.alpha()`."),
    ("check_palette_index", "(index)", "Checks a palette index for `Color.palette()`."),
    ("check_log_base", "(base)", "Checks a logarithm base for `Scale.log()`."),
    ("check_size_times", "(factor)", "Checks a factor for `Size.times()`."),
    ("check_size_points", "(points)", "Checks a size in points for `Size.pt()`."),
    ("check_tick_format", "(format)",
     "Checks a tick format argument without using it: the decimals of `TickFormat.fixed()` and\n"
     "`TickFormat.percent()`, and the text of `TickFormat.affix()`."),
    ("box_stats", "(values)",
     "Computes box statistics from a float64 buffer for tests, not the public Python API."),
    ("kde_scott", "(values)",
     "Computes Scott kernel density from a float64 buffer for tests, not the public Python API."),
]


def test_module_is_built_for_the_stable_abi():
    assert pathlib.Path(native.__file__).name.endswith(".abi3.so")
    assert native.__doc__ == (
        "Native extension module behind the `lodra` Python package. Private: use `lodra` instead."
    )


def test_exports_in_order():
    names = [name for name in vars(native) if name not in {
        "__name__", "__doc__", "__package__", "__loader__", "__spec__", "__file__"}]
    assert names == EXPORTS
    assert native.__version__ == "0.2.0"
    assert native.MAX_BINS == 10000 and type(native.MAX_BINS) is int


@pytest.mark.parametrize("name, signature, summary", FUNCTIONS)
def test_function_signatures_and_docstrings(name, signature, summary):
    function = getattr(native, name)
    assert function.__text_signature__ == signature
    assert function.__doc__ == summary
    assert str(inspect.signature(function)) == signature


def test_enum_members():
    assert native.enum_members() == {
        "Dash": [("SOLID", 0), ("DASHED", 1), ("DOTTED", 2)],
        "Marker": [("CIRCLE", 0), ("SQUARE", 1), ("TRIANGLE", 2), ("DIAMOND", 3), ("CROSS", 4)],
        "Font": [("SOURCE_SERIF_4", 0), ("IBM_PLEX_SANS", 1), ("GEIST", 2), ("INTER", 3),
                 ("JETBRAINS_MONO", 4)],
        "LegendStyle": [("HEADER", 0), ("DIRECT", 1), ("CHIPS", 2), ("NONE", 3)],
        "FillStyle": [("SOLID", 0), ("GRADIENT", 1)],
        "GridLines": [("HORIZONTAL", 0), ("VERTICAL", 1), ("BOTH", 2), ("NONE", 3)],
        "SvgText": [("OUTLINES", 0), ("EDITABLE", 1)],
        "Share": [("NONE", 0), ("ROW", 1), ("COL", 2), ("ALL", 3)],
        "Legend": [("MERGED", 0), ("PER_PANEL", 1)],
        "LegendPosition": [("TOP_LEFT", 0), ("TOP_RIGHT", 1), ("RIGHT", 2), ("BOTTOM", 3),
                           ("BEST", 4)],
        "Align": [("LEFT", 0), ("CENTER", 1), ("RIGHT", 2)],
        "Step": [("POST", 0), ("PRE", 1), ("MID", 2)],
    }
    assert list(native.enum_members()) == list(native.enum_members().keys())


def test_engine_errors_are_raised_with_parameter_hint_and_note():
    with pytest.raises(StyleError) as caught:
        native.check_palette_index(-1)
    error = caught.value
    assert type(error) is StyleError
    assert str(error) == "Color.palette(): index is -1; a palette index must be 0 or greater."
    assert error._lodra_parameter == "index" and error.parameter == "index"
    assert error._lodra_hint == "indexes start at 0 and wrap around the palette."
    assert error.__notes__ == ["hint: indexes start at 0 and wrap around the palette."]


def module_without_classes():
    return types.ModuleType("lodra._errors")


class RefusesAttributes(Exception):
    def __setattr__(self, name, value):
        raise AttributeError(f"read-only {name}")


def module_with_strict_class():
    module = types.ModuleType("lodra._errors")
    module.StyleError = RefusesAttributes
    return module


@pytest.mark.parametrize("replacement, expected", [
    (lambda: None, ImportError),
    (module_without_classes, AttributeError),
    (module_with_strict_class, AttributeError),
])
def test_failure_to_build_the_exception_is_what_the_caller_sees(monkeypatch, replacement,
                                                                 expected):
    monkeypatch.setitem(sys.modules, "lodra._errors", replacement())
    with pytest.raises(expected) as caught:
        native.check_alpha(2.0)
    assert not isinstance(caught.value, StyleError)
