#!/usr/bin/env python3
"""Check the prose practice texts and their manifest.

Checks every text named in tools/content/practices-prose.tsv and the manifest
itself: the expected ids, category, body type, user-type spread and titles;
for each text printable ASCII only, CR LF line ends, no blank lines, no
leading or trailing spaces, no line break after the last line and a length of
80 to 300 words. Prints one line per problem and exits 1 when there is any.
"""
import collections
import os
import sys

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MANIFEST = os.path.join(REPO, "tools", "content", "practices-prose.tsv")
TEXT_DIR = os.path.join(REPO, "resources", "texts")

HEADER = ["id", "category", "title", "bodytype", "usertype"]
EXPECTED_IDS = [4039, 4040] + list(range(4069, 4111))
# How many of this group's texts suit each user type (1 Kid Boy .. 7 Adult Professional).
EXPECTED_USERTYPES = {1: 9, 2: 4, 3: 10, 4: 2, 5: 9, 6: 4, 7: 6}
MIN_WORDS, MAX_WORDS = 80, 300


def is_printable_ascii(text):
    return all(0x20 <= ord(c) <= 0x7E for c in text)


def check_text(path):
    """Return the problems of one text file and its word count."""
    problems = []
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as err:
        return [f"cannot read: {err.strerror}"], 0
    try:
        text = data.decode("ascii")
    except UnicodeDecodeError as err:
        return [f"non-ASCII byte at offset {err.start}"], 0
    if not text:
        return ["empty file"], 0
    if text.endswith("\r\n") or text.endswith("\n") or text.endswith("\r"):
        problems.append("line break after the last line")
    lines = text.split("\r\n")
    for number, line in enumerate(lines, start=1):
        if "\r" in line or "\n" in line:
            problems.append(f"line {number}: line end other than CR LF")
            continue
        if not is_printable_ascii(line):
            problems.append(f"line {number}: character outside printable ASCII")
        if line != line.strip(" "):
            problems.append(f"line {number}: leading or trailing space")
        if not line.strip() and number < len(lines):
            problems.append(f"line {number}: blank line")
        if "  " in line:
            problems.append(f"line {number}: double space")
    words = len(text.split())
    if not MIN_WORDS <= words <= MAX_WORDS:
        problems.append(f"{words} words, expected {MIN_WORDS} to {MAX_WORDS}")
    return problems, words


def read_manifest(problems):
    """Return the manifest rows keyed by id, noting format problems."""
    rows = {}
    try:
        with open(MANIFEST, "rb") as f:
            raw = f.read().decode("ascii")
    except (OSError, UnicodeDecodeError) as err:
        problems.append(f"manifest unreadable: {err}")
        return rows
    lines = raw.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0].split("\t") != HEADER:
        problems.append("manifest: header must be " + "\\t".join(HEADER))
        return rows
    for number, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) != len(HEADER):
            problems.append(f"manifest line {number}: {len(fields)} fields")
            continue
        key, category, title, bodytype, usertype = fields
        if not key.isdigit():
            problems.append(f"manifest line {number}: id {key!r} is not a number")
            continue
        if int(key) in rows:
            problems.append(f"manifest line {number}: duplicate id {key}")
        if category != "Prose":
            problems.append(f"manifest {key}: category {category!r}")
        if bodytype != "Resource":
            problems.append(f"manifest {key}: bodytype {bodytype!r}")
        if not title or title != title.strip() or not is_printable_ascii(title):
            problems.append(f"manifest {key}: bad title {title!r}")
        if usertype not in {str(t) for t in EXPECTED_USERTYPES}:
            problems.append(f"manifest {key}: usertype {usertype!r}")
        rows[int(key)] = (title, usertype)
    return rows


def main():
    problems = []
    rows = read_manifest(problems)
    missing = sorted(set(EXPECTED_IDS) - set(rows))
    extra = sorted(set(rows) - set(EXPECTED_IDS))
    if missing:
        problems.append(f"manifest: missing ids {missing}")
    if extra:
        problems.append(f"manifest: unexpected ids {extra}")
    if list(rows) != sorted(rows):
        problems.append("manifest: ids not in ascending order")

    titles = collections.Counter(title for title, _ in rows.values())
    for title, count in titles.items():
        if count > 1:
            problems.append(f"manifest: title {title!r} used {count} times")

    spread = collections.Counter(int(u) for _, u in rows.values() if u.isdigit())
    for usertype, wanted in EXPECTED_USERTYPES.items():
        if spread[usertype] != wanted:
            problems.append(f"usertype {usertype}: {spread[usertype]} texts, expected {wanted}")

    total_words = 0
    for key in sorted(rows):
        text_problems, words = check_text(os.path.join(TEXT_DIR, f"{key}.txt"))
        total_words += words
        problems.extend(f"{key}.txt: {p}" for p in text_problems)

    for problem in problems:
        print(problem)
    print(f"{len(rows)} texts, {total_words} words, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
