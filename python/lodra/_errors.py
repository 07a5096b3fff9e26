"""The exceptions lodra raises for bad data, bad style values and misuse of the interface.

The native module creates them with the message as the only argument and then sets
``_lodra_parameter`` and ``_lodra_hint``; the read-only properties below expose those.
"""


class LodraError(ValueError):
    """Base class of every error lodra reports about the caller's arguments."""

    _lodra_parameter: str | None = None
    _lodra_hint: str | None = None

    @property
    def parameter(self) -> str | None:
        """The name of the argument at fault, or None when no single argument is."""
        return self._lodra_parameter

    @property
    def hint(self) -> str | None:
        """One sentence saying what to change, or None."""
        return self._lodra_hint

    def __setattr__(self, name, value):
        super().__setattr__(name, value)
        if name == "_lodra_hint" and value is not None:
            note = f"hint: {value}"
            if note not in getattr(self, "__notes__", ()):
                self.add_note(note)


class DataError(LodraError):
    """The data contradicts itself or the axis it is drawn on."""


class StyleError(LodraError):
    """A style or size value is out of range, or the figure cannot be laid out in its size."""


class UsageError(LodraError):
    """The interface was used in a way that cannot work."""
