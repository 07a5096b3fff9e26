"""lodra: fast, exact, deterministic static charts."""

from lodra._errors import DataError, LodraError, StyleError, UsageError
from lodra._lodra import __version__

__all__ = ["DataError", "LodraError", "StyleError", "UsageError", "__version__"]
