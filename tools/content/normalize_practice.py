#!/usr/bin/env python3
"""Bring exercise text files into the shipped form, in place.

Drafts are written with plain LF line ends; the tutor expects CR LF between
lines, no line break after the last line, no trailing blanks and no empty
lines (an empty line would make the typist press Enter twice for nothing).
Characters outside printable ASCII are reported, not silently replaced, so
the writer decides how to spell them.

Usage: normalize_practice.py FILE...
"""
import sys


def normalize(raw: bytes) -> bytes:
    text = raw.decode("ascii")
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    lines = [line.rstrip(" \t") for line in lines]
    lines = [line for line in lines if line]
    return "\r\n".join(lines).encode("ascii")


def main(paths) -> int:
    failed = False
    for path in paths:
        with open(path, "rb") as handle:
            raw = handle.read()
        bad = sorted({b for b in raw if b not in (0x0A, 0x0D) and not 0x20 <= b <= 0x7E})
        if bad:
            print(f"{path}: non-ASCII or control bytes {[hex(b) for b in bad]}", file=sys.stderr)
            failed = True
            continue
        fixed = normalize(raw)
        if fixed != raw:
            with open(path, "wb") as handle:
                handle.write(fixed)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
