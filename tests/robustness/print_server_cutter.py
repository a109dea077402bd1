#!/usr/bin/env python3
"""Stands between the program and a private CUPS server, and stops that server at a chosen
moment of a print job.

Usage: print_server_cutter.py LISTEN_SOCKET STATE_DIR CUPS_SCRIPT MODE_FILE

Clients connect to LISTEN_SOCKET; each connection is passed on to the server that
STATE_DIR/cups.env names (read anew for every connection, so a restarted server is found).
MODE_FILE holds what to do, read when a job comes by:
  pass        pass everything on;
  before-job  on the request that creates the job, stop the server before it hears of it;
  mid-job     once the first bytes of the job's document have reached the server, stop it.
Either stop is done once, with CUPS_SCRIPT stop STATE_DIR: the mode reads "stopping" while it
runs, then "stopped", and everything passes again. A test waits for "stopped" before it starts
the server anew, so that the two never overlap.
"""
import os
import re
import socket
import subprocess
import sys
import threading

listen_path, state_dir, cups_script, mode_file = sys.argv[1:5]

# The head of an IPP request that creates a job (Print-Job 0x0002 or Create-Job 0x0005):
# version, operation, request id, then the charset attribute that always comes first.
JOB_REQUEST = re.compile(rb"[\x01\x02][\x00\x01]\x00[\x02\x05].{4}\x01\x47\x00\x12attributes-charset",
                         re.DOTALL)
DOCUMENT_START = b"%PDF-"
stop_lock = threading.Lock()


def upstream_path():
    with open(os.path.join(state_dir, "cups.env")) as env:
        for line in env:
            if line.startswith("export CUPS_SERVER="):
                return line.split("=", 1)[1].strip()
    raise OSError("no CUPS_SERVER in cups.env")


def mode():
    try:
        with open(mode_file) as f:
            return f.read().strip()
    except OSError:
        return "pass"


def set_mode(value):
    with open(mode_file, "w") as f:
        f.write(value)


def stop_server():
    with stop_lock:
        set_mode("stopping")
        subprocess.run([cups_script, "stop", state_dir], check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        set_mode("stopped")


def close(*sockets):
    for s in sockets:
        try:
            s.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        s.close()


def server_to_client(server, client):
    try:
        while data := server.recv(65536):
            client.sendall(data)
    except OSError:
        pass
    close(server, client)


def serve(client):
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        server.connect(upstream_path())
    except OSError:
        close(client, server)  # the server is gone: so is the connection
        return
    threading.Thread(target=server_to_client, args=(server, client), daemon=True).start()
    seen = b""  # the end of what went before, so that a pattern split between reads is found
    try:
        while data := client.recv(65536):
            window = seen + data
            if mode() == "before-job" and JOB_REQUEST.search(window):
                stop_server()
                break
            if mode() == "mid-job" and DOCUMENT_START in window:
                # Part of the document goes through; then the server stops under it.
                cut = data.find(DOCUMENT_START)
                server.sendall(data[: max(cut, 0) + 64])
                stop_server()
                break
            server.sendall(data)
            seen = window[-64:]
    except OSError:
        pass
    close(client, server)


def main():
    if os.path.exists(listen_path):
        os.unlink(listen_path)
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(listen_path)
    listener.listen(16)
    while True:
        client, _ = listener.accept()
        threading.Thread(target=serve, args=(client,), daemon=True).start()


if __name__ == "__main__":
    main()
