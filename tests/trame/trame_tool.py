"""What the quarnel-trame script tests share: running the command and decoding its files
with sigrok-cli's UART decoder, which we did not write."""
import os
import subprocess

SIGROK_PARITY = {"paire": "even", "impaire": "odd", "aucune": "none", "marque": "one",
                 "espace": "zero"}
SIGROK_STOP = {"1": "1.0", "1.5": "1.5", "2": "2.0"}


def run(command, args, stdin=None, env=None, unset=()):
    """Runs quarnel-trame, with `env` added to the environment and `unset` taken out of it;
    returns (exit status, stdout bytes, stderr text)."""
    full_env = {k: v for k, v in os.environ.items() if k not in unset}
    full_env.update(env or {})
    result = subprocess.run([command, *args], input=stdin, capture_output=True, timeout=120,
                            env=full_env)
    return result.returncode, result.stdout, result.stderr.decode("utf-8", "replace")


def uart_options(rate, data_bits, parity, stop, order):
    return (f"uart:rx=TxD:baudrate={rate}:data_bits={data_bits}:parity={SIGROK_PARITY[parity]}"
            f":stop_bits={SIGROK_STOP[stop]}:bit_order={order}-first:format=hex")


def decode(input_option, path, uart, annotations="rx-data:rx-warnings:rx-parity-err"):
    """The decoder's annotations, by default data values in hexadecimal and any warning or
    parity error."""
    result = subprocess.run(
        ["sigrok-cli", "-I", input_option, "-i", path, "-P", uart, "-A", f"uart={annotations}"],
        capture_output=True, text=True, timeout=300)
    lines = [line.removeprefix("uart-1: ").strip() for line in result.stdout.splitlines()]
    return lines, result.stderr
