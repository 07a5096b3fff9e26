import array

import numpy as np
import pytest

import lodra._lodra as native

VALUES = np.array([5.0, -1.0, 3.0, 8.0, 2.0, 100.0, 4.0, 0.5])


def unaligned(values):
    raw = bytearray(values.nbytes + 1)
    view = np.frombuffer(raw, dtype=np.float64, offset=1, count=len(values))
    view[:] = values
    assert not view.flags.aligned
    return view


ACCEPTED = [
    ("ndarray", VALUES, VALUES),
    ("array of d", array.array("d", VALUES), VALUES),
    ("memoryview", memoryview(VALUES.tobytes()).cast("d"), VALUES),
    ("every second", VALUES[::2], VALUES[::2]),
    ("reversed", VALUES[::-1], VALUES[::-1]),
    ("column of a 2-D array", VALUES.reshape(4, 2)[:, 1], VALUES[1::2]),
    ("unaligned", unaligned(VALUES), VALUES),
]


@pytest.mark.parametrize("name, buffer, values", ACCEPTED, ids=[case[0] for case in ACCEPTED])
def test_float64_buffers_are_read_at_their_stride(name, buffer, values):
    assert native.box_stats(buffer) == native.box_stats(np.ascontiguousarray(values))
    assert native.kde_scott(buffer) == native.kde_scott(np.ascontiguousarray(values))


def stride_of_12_bytes():
    base = np.zeros(8, dtype=np.float64)
    return np.lib.stride_tricks.as_strided(base, shape=(3,), strides=(12,))


REJECTED = [
    ("2-D", VALUES.reshape(2, 4), "ndarray"),
    ("float32", VALUES.astype(np.float32), "ndarray"),
    ("int64", VALUES.astype(np.int64), "ndarray"),
    ("big-endian", VALUES.astype(">f8"), "ndarray"),
    ("stride not a multiple of 8", stride_of_12_bytes(), "ndarray"),
    ("list", [1.0, 2.0], "list"),
    ("bytes", VALUES.tobytes(), "bytes"),
    ("array of f", array.array("f", [1.0]), "array"),
    ("None", None, "NoneType"),
]


@pytest.mark.parametrize("name, buffer, type_name", REJECTED, ids=[case[0] for case in REJECTED])
def test_other_objects_are_rejected_with_their_type(name, buffer, type_name):
    for function in (native.box_stats, native.kde_scott):
        with pytest.raises(TypeError) as caught:
            function(buffer)
        assert str(caught.value) == (
            f"internal error: expected a one-dimensional float64 buffer, got {type_name}")


def test_buffers_are_released():
    # A bytearray refuses to resize while a buffer of it is held.
    accepted = bytearray(VALUES.tobytes())
    native.box_stats(memoryview(accepted).cast("d"))
    accepted.extend(bytes(8))
    rejected = bytearray(16)
    with pytest.raises(TypeError):
        native.box_stats(memoryview(rejected))
    rejected.extend(bytes(8))


def test_allocation_failure_is_an_exception_not_a_crash():
    huge = np.lib.stride_tricks.as_strided(np.zeros(1), shape=(2**59,), strides=(0,))
    with pytest.raises(MemoryError):
        native.box_stats(huge)
