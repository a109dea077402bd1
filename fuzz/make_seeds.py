#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz target into corpus/<target>/, one file per seed.

The byte layouts are those that each target's header comment describes. Run again after
changing a layout; the fuzzer finds its own inputs from these starting points.
"""
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent


def text(units):
    """A text as ByteReader::text reads it: ASCII as itself, any other unit escaped."""
    out = bytearray()
    for unit in units:
        code = ord(unit) if isinstance(unit, str) else unit
        if code < 0x80:
            out.append(code)
        else:
            out += b"\x80" + struct.pack("<H", code)
    return bytes(out)


def utf16(string):
    """The UTF-16 code units of a string, surrogate pairs split."""
    data = string.encode("utf-16-le", "surrogatepass")
    return [struct.unpack_from("<H", data, i)[0] for i in range(0, len(data), 2)]


EMOJI = utf16("\U0001F600")


def encoding_seeds():
    def seed(code, min_digits, units):
        return struct.pack("<IB", code & 0xFFFFFFFF, min_digits) + text(units)

    return {
        "letter_a": seed(0x61, 1, "61"),
        "euro_sign": seed(0x20AC, 2, "20AC"),
        "lower_case_digits": seed(0x6F, 1, "6f"),
        "invalid_digit": seed(0x47, 1, "6G"),
        "space_after_digit": seed(0x20, 1, "6 "),
        "binary_text": seed(0x63, 1, "01100011"),
        "emoji": seed(0xD83D, 4, EMOJI),
        "lone_half_before_digit": seed(0, 1, ["0", "1", 0xD83D, "1"]),
        "nul": seed(0, 0, [0]),
        "negative_code": seed(-1, 11, ""),
    }


def trace_seeds():
    return {
        "a": text("01100001"),
        "c": text("01100011"),
        "w": text("01110111"),
        "one_digit": text("1010"),
        "above_255": text("0010000010101100"),
        "empty": b"",
        "not_a_digit": text("0110x001"),
        "other_digits": text("29"),
        "emoji": text(["0", "1"] + EMOJI),
    }


def axis_labels_seeds():
    def seed(minimum, maximum, length, points, kind, a, b, c, group, decimal):
        def separator(units):
            return bytes([len(units)]) + text(units)

        return (
            struct.pack("<dddI", minimum, maximum, length, points)
            + struct.pack("<Bddd", kind, a, b, c)
            + separator(group)
            + separator(decimal)
        )

    return {
        "time_axis": seed(0, 600, 537, 26, 1, 6, 0, 0, ",", "."),
        "voltage_axis": seed(-10, 10, 180, 26, 0, 14, 0, 0, ",", "."),
        "french_separators": seed(0, 1e6, 400, 0, 1, 6, 2, 0, [0x202F], ","),
        "zero_range": seed(0, 0, 500, 0, 0, 14, 0, 0, ",", "."),
        "widest_doubles": seed(-1.7e308, 1.7e308, 500, 0, 1, 6, 0, 0, ",", "."),
        "narrower_than_normal": seed(0, 5e-324, 1e6, 0, 0, 1, 0, 0, "", ""),
        "step_finer_than_doubles": seed(
            4.0348802750121446e175, 4.034880275012215e175, 1e9, 0, 0, 1e-300, 0, 0, "", ""
        ),
        "unrelated_widths": seed(-0.5, 0.25, 200, 3, 2, 10, -1, float("nan"), " ", ","),
    }


def point_list_seeds():
    def trace_like(levels):
        # Step k * 16 + 2 appends (k * 52, +5), k * 16 + 4 appends (k * 52, -5).
        return bytes(k * 16 + (2 if level > 0 else 4) for k, level in enumerate(levels))

    frame = [-5, -5, 5, 5, -5, -5, 5, 5, 5, 5, 5, -5, -5, 5, 5]
    raw = lambda x, y: b"\x01" + struct.pack("<dd", x, y)
    return {
        "one_trace": trace_like(frame),
        "two_traces_merged": trace_like(frame) * 2,
        "cleared_between": trace_like(frame) + b"\x00" + trace_like(frame),
        "falling_x": bytes([0xF2, 0xE4, 0x32, 0x12, 0x02]),
        "nan_then_more": raw(float("nan"), 0) + trace_like(frame),
        "infinities_and_zeros": raw(float("inf"), 1) + raw(-0.0, 2) + raw(0.0, 3)
        + raw(float("-inf"), 4),
    }


def main():
    for target, seeds in {
        "encoding": encoding_seeds(),
        "trace": trace_seeds(),
        "axis_labels": axis_labels_seeds(),
        "point_list": point_list_seeds(),
    }.items():
        folder = HERE / "corpus" / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, data in seeds.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
