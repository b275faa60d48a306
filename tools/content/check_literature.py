#!/usr/bin/env python3
"""Check (and optionally normalise) the literature texts: featured prose and
poetry practices 4112-4123, their speed tests 307-318 and the poems
4049-4068 and 4111, together with tools/content/practices-literature.tsv.

Usage:
  check_literature.py          report every rule broken; exit status 1 if any
  check_literature.py --fix    first rewrite the texts with CR LF line ends,
                               no trailing spaces and no final line break

Python 3 standard library only.
"""
import os
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TEXTS = os.path.join(ROOT, "resources", "texts")
MANIFEST = os.path.join(ROOT, "tools", "content", "practices-literature.tsv")

FEATURED = list(range(4112, 4124))
FEATURED_PROSE = list(range(4112, 4121))
SPEED_TESTS = list(range(307, 319))
POEMS = list(range(4049, 4069)) + [4111]
PRACTICES = FEATURED + POEMS
# Texts typed line by line as verse.
VERSE = [4121, 4122, 4123] + POEMS

PRACTICE_WORDS = (80, 300)
SPEED_TEST_MIN_WORDS = 500
# A verse line longer than this would wrap in the 714-pixel text block.
MAX_VERSE_LINE = 70
MIN_VERSE_LINES = 8

HEADER = ["id", "category", "title", "bodytype", "usertype"]
USER_TYPE_COUNTS = {1: 8, 2: 4, 3: 8, 4: 2, 5: 5, 6: 3, 7: 3}


def text_path(key):
    return os.path.join(TEXTS, "%d.txt" % key)


def normalise(data):
    """Return the bytes with CR LF line ends, no trailing blanks, no final break."""
    text = data.decode("ascii", errors="replace")
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    lines = [line.rstrip(" \t") for line in lines]
    while lines and lines[-1] == "":
        lines.pop()
    return "\r\n".join(lines).encode("ascii", errors="replace")


def check_text(key, errors):
    """Check the byte-level rules of one text; return its lines or None."""
    path = text_path(key)
    if not os.path.isfile(path):
        errors.append("%d: file missing" % key)
        return None
    with open(path, "rb") as f:
        data = f.read()
    name = "%d.txt" % key
    if not data:
        errors.append("%s: empty" % name)
        return None
    for offset, byte in enumerate(data):
        if byte in (0x0D, 0x0A):
            continue
        if byte < 0x20 or byte > 0x7E:
            errors.append("%s: byte 0x%02X at offset %d is not printable ASCII"
                          % (name, byte, offset))
            return None
    text = data.decode("ascii")
    if text.replace("\r\n", "").count("\r") or text.replace("\r\n", "").count("\n"):
        errors.append("%s: line break that is not CR LF" % name)
    if text.endswith("\r\n"):
        errors.append("%s: line break after the last line" % name)
    lines = text.split("\r\n")
    for number, line in enumerate(lines, 1):
        if line != line.rstrip(" "):
            errors.append("%s: trailing space on line %d" % (name, number))
        if line != line.lstrip(" "):
            errors.append("%s: leading space on line %d" % (name, number))
        if line.strip() == "":
            errors.append("%s: empty line %d" % (name, number))
        if "  " in line:
            errors.append("%s: double space on line %d" % (name, number))
    return lines


def word_count(lines):
    return sum(len(line.split()) for line in lines)


def check_texts(errors):
    counts = {}
    for key in PRACTICES + SPEED_TESTS:
        lines = check_text(key, errors)
        if lines is None:
            continue
        words = word_count(lines)
        counts[key] = words
        if key in SPEED_TESTS:
            if words < SPEED_TEST_MIN_WORDS:
                errors.append("%d.txt: %d words, a speed test needs at least %d"
                              % (key, words, SPEED_TEST_MIN_WORDS))
        elif not PRACTICE_WORDS[0] <= words <= PRACTICE_WORDS[1]:
            errors.append("%d.txt: %d words, outside %d-%d"
                          % ((key, words) + PRACTICE_WORDS))
        if key in VERSE:
            if len(lines) < MIN_VERSE_LINES:
                errors.append("%d.txt: only %d verse lines" % (key, len(lines)))
            for number, line in enumerate(lines, 1):
                if len(line) > MAX_VERSE_LINE:
                    errors.append("%d.txt: verse line %d has %d characters"
                                  % (key, number, len(line)))
    return counts


def check_manifest(errors):
    if not os.path.isfile(MANIFEST):
        errors.append("practices-literature.tsv missing")
        return
    with open(MANIFEST, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("ascii")
    except UnicodeDecodeError:
        errors.append("practices-literature.tsv: not ASCII")
        return
    rows = [line.split("\t") for line in text.split("\n") if line != ""]
    if not rows or rows[0] != HEADER:
        errors.append("practices-literature.tsv: header must be %s" % "\\t".join(HEADER))
        return
    seen = []
    titles = set()
    type_counts = {}
    for number, row in enumerate(rows[1:], 2):
        where = "practices-literature.tsv line %d" % number
        if len(row) != len(HEADER):
            errors.append("%s: %d fields instead of %d" % (where, len(row), len(HEADER)))
            continue
        key, category, title, bodytype, usertype = row
        if not key.isdigit():
            errors.append("%s: id %r is not a number" % (where, key))
            continue
        key = int(key)
        seen.append(key)
        expected = "Prose" if key in FEATURED_PROSE else "Poetry"
        if category != expected:
            errors.append("%s: category %r, expected %r" % (where, category, expected))
        if not title or title != title.strip() or "  " in title:
            errors.append("%s: title %r is empty or badly spaced" % (where, title))
        if title in titles:
            errors.append("%s: title %r used twice" % (where, title))
        titles.add(title)
        if bodytype != "Resource":
            errors.append("%s: bodytype %r, expected 'Resource'" % (where, bodytype))
        if usertype not in [str(t) for t in USER_TYPE_COUNTS]:
            errors.append("%s: usertype %r not in 1-7" % (where, usertype))
        else:
            type_counts[int(usertype)] = type_counts.get(int(usertype), 0) + 1
    if seen != PRACTICES:
        missing = sorted(set(PRACTICES) - set(seen))
        extra = sorted(set(seen) - set(PRACTICES))
        errors.append("practices-literature.tsv: ids not as expected (order, missing %s, extra %s)"
                      % (missing, extra))
    for usertype, wanted in USER_TYPE_COUNTS.items():
        if type_counts.get(usertype, 0) != wanted:
            errors.append("practices-literature.tsv: usertype %d used %d times, expected %d"
                          % (usertype, type_counts.get(usertype, 0), wanted))


def fix_texts():
    for key in PRACTICES + SPEED_TESTS:
        path = text_path(key)
        if not os.path.isfile(path):
            continue
        with open(path, "rb") as f:
            data = f.read()
        fixed = normalise(data)
        if fixed != data:
            with open(path, "wb") as f:
                f.write(fixed)


def main(argv):
    if "--fix" in argv[1:]:
        fix_texts()
    errors = []
    counts = check_texts(errors)
    check_manifest(errors)
    if "--counts" in argv[1:]:
        for key in PRACTICES + SPEED_TESTS:
            if key in counts:
                print("%d.txt %d words" % (key, counts[key]))
    for error in errors:
        print(error)
    if errors:
        print("%d problem(s)" % len(errors))
        return 1
    print("literature: %d texts and the manifest are fine" % len(counts))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
