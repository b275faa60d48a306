#!/usr/bin/env python3
"""Check that a learner meets every printable key: each printable ASCII
character appears in at least one shipped exercise text.

Prints the characters no text holds; exit status 1 if there are any.
"""
import sys
from pathlib import Path

TEXTS = Path(__file__).resolve().parents[2] / "resources" / "texts"
PRINTABLE = {chr(code) for code in range(0x20, 0x7F)}


def main():
    found = set()
    for path in TEXTS.glob("*.txt"):
        found.update(path.read_bytes().decode("ascii", "replace"))
    missing = "".join(sorted(PRINTABLE - found))
    if missing:
        print(f"check_characters: no text holds {missing!r}")
        return 1
    print("check_characters: every printable character is drilled somewhere")
    return 0


if __name__ == "__main__":
    sys.exit(main())
