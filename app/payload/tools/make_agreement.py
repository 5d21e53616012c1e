#!/usr/bin/env python3
"""Makes the installer's agreement text from its UTF-8 source.

agreement.utf8.txt (UTF-8, one line per LF) becomes agreement.txt: the same
lines in GBK, the installer's code page, separated by CR LF with no line end
after the last one. The wizard shows these bytes unchanged, and they must be
exactly 3381 bytes in 51 lines; edit the source text until the check passes.

Run by hand from anywhere; the output is committed:
    python3 app/payload/tools/make_agreement.py
"""
import pathlib

LINES, SIZE = 51, 3381
FOLDER = pathlib.Path(__file__).resolve().parent.parent


def main():
    lines = (FOLDER / "agreement.utf8.txt").read_text(encoding="utf-8").rstrip("\n").split("\n")
    data = "\r\n".join(lines).encode("gbk")  # raises on a character GBK lacks
    if len(lines) != LINES or len(data) != SIZE:
        raise SystemExit(f"{len(lines)} lines, {len(data)} bytes: must be {LINES} lines, {SIZE} bytes")
    (FOLDER / "agreement.txt").write_bytes(data)
    print(f"agreement.txt: {LINES} lines, {SIZE} bytes")


if __name__ == "__main__":
    main()
