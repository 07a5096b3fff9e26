import pytest

from lodra import DataError, LodraError, StyleError, UsageError


@pytest.mark.parametrize("cls", [DataError, StyleError, UsageError])
def test_errors_are_value_errors_with_parameter_and_hint(cls):
    error = cls("Figure(): width is 0; it must be finite, above 0 and at most 200 inches.")
    error._lodra_parameter = "width"
    error._lodra_hint = "use a positive width."
    assert isinstance(error, LodraError) and isinstance(error, ValueError)
    assert error.parameter == "width"
    assert error.hint == "use a positive width."
    assert error.__notes__ == ["hint: use a positive width."]
    error._lodra_hint = "use a positive width."
    assert error.__notes__ == ["hint: use a positive width."]
    with pytest.raises(AttributeError):
        error.parameter = "height"


def test_error_without_hint_has_no_note():
    error = UsageError("Figure.axes_at(): row 0, col 0 holds no axes.")
    error._lodra_parameter = None
    error._lodra_hint = None
    assert error.parameter is None and error.hint is None
    assert not hasattr(error, "__notes__")
