#!/usr/bin/env python3
"""Check the word list, the game word lists and the initial skill test text.

resources/texts/1.txt: 2284 words, one per line, from "a" to "zero", strictly
ascending by their lower-case form; lower case a-z except "Christmas", "I" and
the one hyphenated word "old-fashioned".
data/flurrix/<n>letterwords.csv (n = 1..9): comma-separated words of exactly n
letters a-z, no duplicates, enough words per list and enough words that a
beginner who knows only the home row (or home and top rows) can type.
resources/texts/999.txt: 994 words of prose, one paragraph per line.
All files: printable ASCII only, CR LF line ends, no blank lines, no leading
or trailing spaces, no line break after the last line.
Prints one line per problem and exits 1 when there is any.
"""
import os
import re
import sys

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WORD_LIST = os.path.join(REPO, "resources", "texts", "1.txt")
SKILL_TEST = os.path.join(REPO, "resources", "texts", "999.txt")
GAME_LIST = os.path.join(REPO, "data", "flurrix", "{}letterwords.csv")

WORD_LIST_COUNT = 2284
CAPITALISED_WORDS = {"Christmas", "I"}
HYPHENATED_WORD = "old-fashioned"
SKILL_TEST_WORDS = 994
MAX_PARAGRAPH_CHARS = 1000

HOME_ROW = set("asdfghjkl")
HOME_AND_TOP_ROWS = HOME_ROW | set("qwertyuiop")
# Smallest list size per word length. Two-letter words are fewer in English.
MIN_LIST_SIZE = {1: 26, 2: 60, **{n: 300 for n in range(3, 10)}}
# Home-row-only words per length. A general dictionary lists only seven
# two-letter words of these letters, and few words of six or more.
MIN_HOME_ROW = {2: 7, 3: 15, 4: 15, 5: 15, 6: 4, 7: 1}
MIN_HOME_AND_TOP = {n: 40 for n in range(2, 10)}


def read_lines(path, problems):
    """Return the lines of a file split at CR LF, reporting layout problems."""
    name = os.path.relpath(path, REPO)
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as err:
        problems.append(f"{name}: cannot read: {err.strerror}")
        return []
    bad = [i for i, b in enumerate(data) if not (0x20 <= b <= 0x7E or b in (0x0D, 0x0A))]
    if bad:
        problems.append(f"{name}: byte 0x{data[bad[0]]:02X} at offset {bad[0]} is not printable ASCII")
        return []
    text = data.decode("ascii")
    if re.search(r"\r(?!\n)|(?<!\r)\n", text):
        problems.append(f"{name}: line break that is not CR LF")
    if text.endswith("\n") or text.endswith("\r"):
        problems.append(f"{name}: line break after the last line")
    lines = text.split("\r\n")
    for number, line in enumerate(lines, 1):
        if not line:
            problems.append(f"{name}: line {number} is empty")
        elif line != line.strip(" "):
            problems.append(f"{name}: line {number} has leading or trailing spaces")
    return lines


def check_word_list(problems):
    words = read_lines(WORD_LIST, problems)
    if len(words) != WORD_LIST_COUNT:
        problems.append(f"1.txt: {len(words)} words, expected {WORD_LIST_COUNT}")
    if words and (words[0] != "a" or words[-1] != "zero"):
        problems.append(f"1.txt: runs from {words[0]!r} to {words[-1]!r}, expected 'a' to 'zero'")
    for word in words:
        if word in CAPITALISED_WORDS or word == HYPHENATED_WORD:
            continue
        if not re.fullmatch("[a-z]+", word):
            problems.append(f"1.txt: {word!r} is not a lower-case word of letters a-z")
    for word in CAPITALISED_WORDS | {HYPHENATED_WORD}:
        if word not in words:
            problems.append(f"1.txt: {word!r} is missing")
    for before, after in zip(words, words[1:]):
        if before.lower().encode() >= after.lower().encode():
            problems.append(f"1.txt: {before!r} is not before {after!r} (order or duplicate)")


def check_game_list(length, problems):
    name = f"{length}letterwords.csv"
    words = []
    for line in read_lines(GAME_LIST.format(length), problems):
        words.extend(line.split(","))
    seen = set()
    for word in words:
        if not re.fullmatch(f"[a-z]{{{length}}}", word):
            problems.append(f"{name}: {word!r} is not {length} letters a-z")
        if word in seen:
            problems.append(f"{name}: {word!r} appears twice")
        seen.add(word)
    if len(seen) < MIN_LIST_SIZE[length]:
        problems.append(f"{name}: {len(seen)} words, expected at least {MIN_LIST_SIZE[length]}")
    if length == 1 and seen != set("abcdefghijklmnopqrstuvwxyz"):
        problems.append(f"{name}: does not hold exactly the 26 letters")
    for letters, minimum, label in ((HOME_ROW, MIN_HOME_ROW, "home-row"),
                                    (HOME_AND_TOP_ROWS, MIN_HOME_AND_TOP, "home- and top-row")):
        count = sum(1 for word in seen if set(word) <= letters)
        if count < minimum.get(length, 0):
            problems.append(f"{name}: {count} {label} words, expected at least {minimum[length]}")


def check_skill_test(problems):
    paragraphs = read_lines(SKILL_TEST, problems)
    count = sum(len(paragraph.split()) for paragraph in paragraphs)
    if count != SKILL_TEST_WORDS:
        problems.append(f"999.txt: {count} words, expected {SKILL_TEST_WORDS}")
    if len(paragraphs) < 2:
        problems.append("999.txt: expected several paragraphs")
    for number, paragraph in enumerate(paragraphs, 1):
        if len(paragraph) > MAX_PARAGRAPH_CHARS:
            problems.append(f"999.txt: paragraph {number} is longer than {MAX_PARAGRAPH_CHARS} characters")
        if "  " in paragraph:
            problems.append(f"999.txt: paragraph {number} has a double space")


def main():
    problems = []
    check_word_list(problems)
    for length in range(1, 10):
        check_game_list(length, problems)
    check_skill_test(problems)
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print("word lists and skill test: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
