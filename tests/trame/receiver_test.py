#!/usr/bin/env python3
"""Our receiver's verdicts (--verdict) against sigrok-cli's UART decoder, which we did not
write, reading the same line at the receiver's rate: per frame the value read, a parity error
or not, the first stop bit found or not. A table of formats and rate mismatches, then errors
sent on purpose. The CSV is sampled 16 times a receiver bit, so that sigrok's samples are the
receiver's ticks: there every row must agree. The VCD gives sigrok the nanosecond, finer than
our ticks: there the rows must agree where no bit boundary can fall between its sample and ours.
The same tables again on the VCD read by sigrok at 16 samples a receiver bit (its downsample
option, for a receiver at 10000 bit/s): there every row must agree.
Usage: receiver_test.py QUARNEL_TRAME WORK_DIR"""
import concurrent.futures
import math
import os
import re
import sys
from fractions import Fraction

sys.dont_write_bytecode = True  # keep the source tree clean
from trame_tool import decode, run, uart_options

COMMAND, WORK = sys.argv[1], sys.argv[2]
os.makedirs(WORK, exist_ok=True)

RATE = 9600  # every whole percent of it is a whole rate: the CSV rate is then exact
# Letters whose bits change at almost every bit (U, *, Z, j) beside plain ones.
TEXT = "Bonjour, U*Zj!"

# name, data bits, parity, stop bits, bit order
FORMATS = [
    ("8E1", 8, "paire", "1", "lsb"),
    ("8N1", 8, "aucune", "1", "lsb"),
    ("7E1", 7, "paire", "1", "lsb"),
    ("8N2", 8, "aucune", "2", "lsb"),
    ("7O2", 7, "impaire", "2", "lsb"),
    ("8O1-msb", 8, "impaire", "1", "msb"),
]
MISMATCHES = [0, 2, -2, 4, -4, 6, -6, 10, -10]  # receiver against sender, in %

# Errors sent on purpose, read at the sender's rate: name, options, the formats they apply to.
ERRORS = [
    ("bit 0 flipped", ["--inverser", "0"], ("8E1", "8N1")),
    ("bits 0 and 1 flipped", ["--inverser", "0,1"], ("8E1", "8N1")),
    ("parity bit flipped", ["--inverser", "P"], ("8E1",)),
    ("false stop in frame 2", ["--stop-faux", "--trame", "2"], ("8E1", "8N1")),
    ("false stop in every frame", ["--stop-faux"], ("8E1", "8N1")),
    ("break of 30 bits", ["--pause-ligne", "30"], ("8E1", "8N1")),
]

# Idle appended to each file, in sender bits. Our receiver takes the line as idle after its
# end and finishes a frame begun; sigrok stops where the file stops. Without this, a frame
# that the receiver begins late (after a false stop, or far off rate) has no end in sigrok.
IDLE_AFTER = 16

VERDICT = re.compile(r"trame (\d+) : lu 0x([0-9A-F]+)(?: « .+ »)?, "
                     r"(parité juste|parité fausse|sans parité), bit de stop (présent|absent)")
PARITY_WORDS = {"parité juste": "juste", "parité fausse": "fausse", "sans parité": "sans"}
ANNOTATIONS = "rx-data:rx-start:rx-parity-ok:rx-parity-err:rx-warnings:rx-break"

failures = []
notes = []


def check(condition, message):
    if not condition:
        failures.append(message)


def receiver_rate(percent):
    rate = Fraction(RATE * (100 + percent), 100)
    assert rate.denominator == 1, "the CSV needs a whole sample rate"
    return int(rate)


def bits_read(data_bits, parity):
    return 2 + data_bits + (parity != "aucune")


def vcd_may_differ(data_bits, parity, percent):
    """Whether a bit boundary can fall between sigrok's sample and ours in some frame.
    From the start edge, sigrok reads bit j of a VCD at (j + 1/2) receiver bits, to the
    nanosecond; our receiver sees that edge only at its next tick, up to 1/16 bit late, and
    reads every bit that much later. With whole stop bits, whole pauses and breaks, the line
    changes only on whole sender bits from any edge."""
    bit = Fraction(100, 100 + percent)  # a receiver bit in sender bits
    slack = Fraction(2 * RATE, 10**9)  # edges rounded to the nanosecond, sigrok's ceil
    for j in range(bits_read(data_bits, parity)):
        early = (j + Fraction(1, 2)) * bit - slack
        late = (j + Fraction(1, 2) + Fraction(1, 16)) * bit + slack
        if math.ceil(early) <= late:
            return True
    return False


def our_frames(stdout):
    """(line, (value, parity word, stop found)) for each verdict line."""
    frames = []
    for line in stdout.decode("utf-8").splitlines():
        match = VERDICT.fullmatch(line)
        if not match or int(match[1]) != len(frames) + 1:
            frames.append((line, ("unreadable", None, None)))
            continue
        frames.append((line, (int(match[2], 16), PARITY_WORDS[match[3]], match[4] == "présent")))
    return frames


def sigrok_frames(lines, parity):
    """Sigrok's annotations grouped by frame, from its start bit to its stop bit, as
    (annotations, (value, parity word, stop found)); and its break annotations. A frame error
    outside a frame is a false start, which gives no frame, as in our receiver."""
    frames, breaks, current = [], [], None
    for text in lines:
        if text.startswith("Break"):
            breaks.append(text)
        elif text == "Start bit":
            current = {"lines": [], "value": None, "stop": True,
                       "parity": "sans" if parity == "aucune" else "juste"}
        elif current is None:
            continue
        else:
            current["lines"].append(text)
            if text == "Parity error":
                current["parity"] = "fausse"
            elif text == "Frame error":
                current["stop"] = False
            elif text == "Stop bit":
                frames.append(current)
                current = None
            elif text != "Parity bit":
                current["value"] = int(text, 16)
    if current is not None:
        current["stop"] = None  # begun, cut off by the file's end
        frames.append(current)
    parsed = [(" / ".join(f["lines"]), (f["value"], f["parity"], f["stop"])) for f in frames]
    return parsed, breaks


def differences(row, ours, theirs):
    """What differs between our verdicts and sigrok's frames, frame by frame."""
    found = []
    for i in range(max(len(ours), len(theirs))):
        mine = ours[i] if i < len(ours) else ("(no frame)", None)
        other = theirs[i] if i < len(theirs) else ("(no frame)", None)
        if mine[1] != other[1]:
            found.append(f"{row}, frame {i + 1}: ours « {mine[0]} », sigrok « {other[0]} »")
    # A receiver off by one tick goes wrong in most frames: the first few tell it.
    return found[:3] + ([f"{row}: and {len(found) - 3} more frames"] if len(found) > 3 else [])


def add_idle(kind, path, sample_rate):
    """IDLE_AFTER bits of idle line appended to the file (its last level is the idle one)."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    if kind == "csv":
        last = lines[-1].split(",")
        assert last[2] == "1", "the line should end idle"
        first = len(lines) - 1
        extra = [f"{n / sample_rate:.10f},{last[1]},1"
                 for n in range(first, first + IDLE_AFTER * sample_rate // RATE)]
    else:
        end = int(lines[-1].removeprefix("#"))
        extra = [f"#{end + IDLE_AFTER * 10**9 // RATE}"]
    with open(path, "a", encoding="utf-8") as f:
        f.write("\n".join(extra) + "\n")


def read_row(row, fmt, percent, fault_options):
    """Runs quarnel-trame for the row's CSV (with the verdicts) and VCD; sigrok decodes both
    at the receiver's rate. Returns our frames and sigrok's per file kind."""
    _, data_bits, parity, stop, order = fmt
    rate = receiver_rate(percent)
    options = ["--debit", str(RATE), "--donnees", str(data_bits), "--parite", parity,
               "--stop", stop, "--ordre", order, f"--ecart={percent:+d}", *fault_options]
    uart = uart_options(rate, data_bits, parity, stop, order)
    slug = re.sub(r"[^A-Za-z0-9+-]+", "_", row)
    result = {"errors": []}
    for kind in ("csv", "vcd"):
        path = os.path.join(WORK, f"{slug}.{kind}")
        extra = ["--verdict", "--frequence", str(16 * rate)] if kind == "csv" else []
        status, stdout, err = run(COMMAND, [TEXT, *options, *extra, "--format", kind, "-o", path])
        if status != 0 or err:
            result["errors"].append(f"{row} {kind}: exit {status}, {err!r}")
            return result
        if kind == "csv":
            result["ours"] = our_frames(stdout)
        else:
            with open(path, "rb") as f:
                result["line"] = f.read()
        add_idle(kind, path, 16 * rate)
        input_option = (f"csv:column_formats=-,-,l:samplerate={16 * rate}:header=yes"
                        if kind == "csv" else "vcd")
        lines, err = decode(input_option, path, uart, ANNOTATIONS)
        if err.strip():
            result["errors"].append(f"{row} {kind}: sigrok says {err.strip()}")
        result[kind] = sigrok_frames(lines, parity)
    return result


# A receiver clock that sigrok's VCD input can keep: 1 GHz divided by a whole 6250 is 16 samples
# a bit at 10000 bit/s; the sender's rate is the one that gives the row's mismatch.
ALIGNED_RECEIVER = 10000
DOWNSAMPLE = 10**9 // (16 * ALIGNED_RECEIVER)


def read_aligned_row(row, fmt, percent, fault_options):
    """Our verdicts for a receiver at 10000 bit/s and sigrok's reading of the VCD at the same
    clock: the differences, frame by frame."""
    _, data_bits, parity, stop, order = fmt
    sender = round(ALIGNED_RECEIVER * 100 / (100 + percent))
    path = os.path.join(WORK, re.sub(r"[^A-Za-z0-9+-]+", "_", row) + "-aligned.vcd")
    status, stdout, err = run(COMMAND, [TEXT, "--debit", str(sender), "--recepteur", str(ALIGNED_RECEIVER),
                                        "--donnees", str(data_bits), "--parite", parity, "--stop", stop,
                                        "--ordre", order, *fault_options, "--verdict", "--format", "vcd",
                                        "-o", path])
    if status != 0 or err:
        return [f"{row} (vcd at the receiver's clock): exit {status}, {err!r}"]
    add_idle("vcd", path, None)
    lines, err = decode(f"vcd:downsample={DOWNSAMPLE}", path,
                        uart_options(ALIGNED_RECEIVER, data_bits, parity, stop, order), ANNOTATIONS)
    if err.strip():
        return [f"{row} (vcd at the receiver's clock): sigrok says {err.strip()}"]
    frames, _ = sigrok_frames(lines, parity)
    return differences(f"{row} (vcd at the receiver's clock, sender at {sender} bit/s)", our_frames(stdout), frames)


rows = [(f"{fmt[0]} at {percent:+d} %", fmt, percent, []) for fmt in FORMATS for percent in MISMATCHES]
by_name = {fmt[0]: fmt for fmt in FORMATS}
rows += [(f"{fmt} {error}", by_name[fmt], 0, options)
         for error, options, formats in ERRORS for fmt in formats]

with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
    results = list(pool.map(lambda r: read_row(*r), rows))
    for found in pool.map(lambda r: read_aligned_row(*r), rows):
        failures.extend(found)

sent = {}  # the VCD of each format and errors, from its row at 0 % (the first of its rows)
for (row, fmt, percent, fault_options), result in zip(rows, results):
    failures.extend(result["errors"])
    if result["errors"]:
        continue
    ours = result["ours"]
    check(ours, f"{row}: no verdict")
    # The receiver's rate is the receiver's only: the line sent stays the same.
    line = sent.setdefault((fmt[0], tuple(fault_options)), result["line"])
    check(result["line"] == line, f"{row}: the VCD differs from the one at 0 %")
    # Sigrok reads the text back from a line sent and read at one rate: both sides are right.
    if percent == 0 and not fault_options:
        values = [frame[1][0] for frame in result["csv"][0]]
        check(values == list(TEXT.encode()), f"{row}: sigrok read {values} from the CSV")
    # CSV: the same instants as our ticks, so every row, whatever the mismatch.
    csv_frames, csv_breaks = result["csv"]
    for difference in differences(f"{row} (csv)", ours, csv_frames):
        failures.append(difference)

    vcd_frames, vcd_breaks = result["vcd"]
    vcd_differences = differences(f"{row} (vcd)", ours, vcd_frames)
    if vcd_may_differ(fmt[1], fmt[2], percent):
        notes.append(f"{row} (vcd): a bit boundary may fall between sigrok's samples and ours: "
                     + ("some frames differ" if vcd_differences else "all agree"))
        notes.extend("  " + d for d in vcd_differences)
    else:
        failures.extend(vcd_differences)

    # Sigrok calls a break a line at space for a frame's length or more: it must see one in
    # the rows that hold the line at space, and none elsewhere. Our receiver has no break
    # verdict of its own: it reads the break's first frame time as zeros with no stop bit,
    # as sigrok does (value 00, frame error), then waits for the line to rise; sigrok adds
    # its break annotation when the line rises, over the whole time at space.
    wants_break = "--pause-ligne" in fault_options
    for kind, breaks in (("csv", csv_breaks), ("vcd", vcd_breaks)):
        check(bool(breaks) == wants_break,
              f"{row} ({kind}): sigrok reports {breaks or 'no break'}; ours ends "
              f"« {ours[-1][0] if ours else '(no frame)'} »")
    if wants_break:
        notes.append(f"{row}: ours « {ours[-1][0]} », sigrok « {csv_frames[-1][0]} » "
                     f"then « {' / '.join(csv_breaks)} »")

for note in notes:
    print(note)
for failure in failures:
    print("FAIL:", failure)
print(f"{len(rows)} rows read by both" if not failures else "")
sys.exit(1 if failures else 0)
