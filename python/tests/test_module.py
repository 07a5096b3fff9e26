import pathlib

import lodra._lodra as native


def test_module_is_built_for_the_stable_abi():
    assert pathlib.Path(native.__file__).name.endswith(".abi3.so")


def test_constants():
    assert native.__version__ == "0.2.0"
    assert native.MAX_BINS == 10000 and type(native.MAX_BINS) is int
