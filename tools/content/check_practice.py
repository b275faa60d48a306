#!/usr/bin/env python3
"""Check the practice and speed-test catalogues and the texts they name.

Covers the whole practice catalogue (every writer's entries), the speed-test
catalogue, the drill, professional and speed-test texts, and the layout rules
every shipped text follows. Prints one line per fault; exit status 1 if any.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(__file__))
from make_catalogues import PRACTICE_ORDER, ROOT, SPEED_TEST_TITLES, SPEED_TESTS_FROM_PRACTICES  # noqa: E402

TEXT_DIR = os.path.join(ROOT, "resources", "texts")
CATALOGUE_DIR = os.path.join(ROOT, "resources", "catalogues")

CATEGORY_COUNTS = {"Prose": 53, "Poetry": 24, "Drills": 19, "Revision": 2, "Professional": 32}
USERTYPE_COUNTS = {1: 17, 2: 8, 3: 18, 4: 4, 5: 14, 6: 7, 7: 9}
FIXED_TITLES = {
    4000: "Keyboard home keys: Practice 1", 4001: "Keyboard home keys: Practice 2",
    4002: "Neighbor keys: Practice 1", 4003: "Neighbor keys: Practice 2",
    4004: "Capitals: Practice 1", 4005: "Capitals: Practice 2",
    4006: "Number keys: Practice 1", 4007: "Number keys: Practice 2",
    4008: "Punctuation and Symbols: Practice 1", 4009: "Punctuation and Symbols: Practice 2",
    4010: "Numeric keypad: Practice 1", 4011: "Numeric keypad: Practice 2", 4012: "Emoticons",
    9000: "Random words, all lower-case, no punctuation", 9001: "Random words, mixed case, punctuation",
    9002: "Random letters, all lower-case", 9003: "Random letters, mixed case",
    9004: "Random numbers", 9005: "Random letters and numbers",
    4013: "Problem characters", 4014: "Problem words",
}
GENERATED_BODYTYPES = {
    9000: "RandomWordsLower", 9001: "RandomWordsMixed", 9002: "RandomLettersLower",
    9003: "RandomLettersMixed", 9004: "RandomNumbers", 9005: "RandomCharacters",
    4013: "ReviseProblemChars", 4014: "ReviseProblemWords",
}
PROFESSIONAL_PREFIXES = ("Email: ", "Letter: ", "Report: ", "Transcription: ")
PRACTICE_CHILDREN = ["id", "category", "title", "bodytype", "usertype"]
KEYPAD_CHARACTERS = set("0123456789/*-+.")
HOME_KEY_CHARACTERS = set("asdfghjkl; ")
KEYPAD_TEXTS = (4010, 4011, 306)
HOME_KEY_TEXTS = (4000, 4001, 300)
PRACTICE_WORDS = (80, 300)
SPEED_TEST_MIN_WORDS = 500

faults = []


def fault(where, message):
    faults.append(f"{where}: {message}")


def layout_fault(data, indented=False):
    """First breach of the shipped layout, or None; XML lines may be indented."""
    if not data:
        return "file is empty"
    if re.search(rb"[^\x20-\x7e\r\n]", data):
        return "byte outside printable ASCII"
    if re.search(rb"\r(?!\n)|(?<!\r)\n", data):
        return "line break other than CR LF"
    if data.endswith(b"\n"):
        return "line break after the last line"
    for number, line in enumerate(data.split(b"\r\n"), start=1):
        if not line:
            return f"line {number} is empty"
        if line != (line.rstrip(b" ") if indented else line.strip(b" ")):
            return f"line {number} has a space at an end"
    return None


def read_checked(path, where, indented=False):
    if not os.path.isfile(path):
        fault(where, f"missing file {os.path.relpath(path, ROOT)}")
        return None
    with open(path, "rb") as handle:
        data = handle.read()
    problem = layout_fault(data, indented)
    if problem:
        fault(where, problem)
    return data


def check_text(key, low, high=None):
    where = f"text {key}"
    data = read_checked(os.path.join(TEXT_DIR, f"{key}.txt"), where)
    if data is None:
        return
    words = len(data.split())
    if words < low or (high is not None and words > high):
        fault(where, f"{words} words, wanted {low}..{high if high else 'any'}")
    text = data.decode("ascii", "replace")
    if key in KEYPAD_TEXTS and set(text) - KEYPAD_CHARACTERS - {"\r", "\n"}:
        fault(where, "character not on the numeric keypad")
    if key in HOME_KEY_TEXTS and set(text) - HOME_KEY_CHARACTERS - {"\r", "\n"}:
        fault(where, "character outside the home keys")


def parse_catalogue(name, root_name):
    data = read_checked(os.path.join(CATALOGUE_DIR, name), name, indented=True)
    if data is None:
        return None
    try:
        root = ET.fromstring(data)
    except ET.ParseError as error:
        fault(name, f"not well-formed: {error}")
        return None
    if root.tag != root_name:
        fault(name, f"root is <{root.tag}>, wanted <{root_name}>")
        return None
    return root


def children_text(entry, where, allowed):
    fields = {}
    for child in entry:
        if child.tag not in allowed:
            fault(where, f"unexpected element <{child.tag}>")
        elif child.tag in fields:
            fault(where, f"<{child.tag}> given twice")
        text = child.text or ""
        if not text or text != text.strip():
            fault(where, f"<{child.tag}> is empty or has blanks at an end")
        fields[child.tag] = text
    return fields


def check_practices():
    root = parse_catalogue("3000.xml", "practices")
    if root is None:
        return {}
    expected = [(category, key) for category, keys in PRACTICE_ORDER for key in keys]
    entries = [children_text(entry, f"practice #{n}", PRACTICE_CHILDREN)
               for n, entry in enumerate(root, start=1)]
    if [child.tag for child in root] != ["practice"] * len(entries):
        fault("3000.xml", "the root holds something other than <practice>")
    if len(entries) != len(expected):
        fault("3000.xml", f"{len(entries)} practices, wanted {len(expected)}")
    titles = {}
    by_key = {}
    categories = {}
    usertypes = {}
    for position, fields in enumerate(entries):
        key_text = fields.get("id", "")
        where = f"practice {key_text or '#' + str(position + 1)}"
        key = int(key_text) if key_text.isdigit() else -1
        if position < len(expected) and (fields.get("category"), key) != expected[position]:
            fault(where, f"at position {position + 1}, wanted {expected[position][1]} "
                         f"({expected[position][0]})")
        by_key[key] = fields
        category = fields.get("category", "")
        categories[category] = categories.get(category, 0) + 1
        title = fields.get("title", "")
        if title in titles.values():
            fault(where, f"title {title!r} used twice")
        titles[key] = title
        if key in FIXED_TITLES and title != FIXED_TITLES[key]:
            fault(where, f"title {title!r}, wanted {FIXED_TITLES[key]!r}")
        if 4015 <= key <= 4038 and not title.startswith(PROFESSIONAL_PREFIXES):
            fault(where, "professional title lacks Email/Letter/Report/Transcription prefix")
        if 4041 <= key <= 4048 and title.startswith(PROFESSIONAL_PREFIXES):
            fault(where, "title takes a prefix reserved for 4015-4038")
        bodytype = fields.get("bodytype", "")
        wanted_bodytype = GENERATED_BODYTYPES.get(key, "Resource")
        if bodytype != wanted_bodytype:
            fault(where, f"bodytype {bodytype!r}, wanted {wanted_bodytype!r}")
        usertype = fields.get("usertype")
        if category in ("Prose", "Poetry"):
            if usertype is None or usertype not in {str(n) for n in USERTYPE_COUNTS}:
                fault(where, f"usertype {usertype!r}, wanted 1..7")
            else:
                usertypes[int(usertype)] = usertypes.get(int(usertype), 0) + 1
        elif usertype is not None:
            fault(where, "has a usertype")
        if bodytype == "Resource":
            check_text(key, *PRACTICE_WORDS)
    if categories != CATEGORY_COUNTS:
        fault("3000.xml", f"category counts {categories}, wanted {CATEGORY_COUNTS}")
    if usertypes != USERTYPE_COUNTS:
        fault("3000.xml", f"usertype counts {dict(sorted(usertypes.items()))}, wanted {USERTYPE_COUNTS}")
    check_manifests(by_key)
    return titles


def check_manifests(catalogue):
    """The writers' manifests must say what the catalogue holds, row for row."""
    header = "\t".join(PRACTICE_CHILDREN)
    folder = os.path.dirname(os.path.abspath(__file__))
    for name in sorted(os.listdir(folder)):
        if not (name.startswith("practices-") and name.endswith(".tsv")):
            continue
        with open(os.path.join(folder, name), encoding="utf-8") as manifest:
            lines = manifest.read().split("\n")
        if lines[0].strip() != header:
            fault(name, "bad header")
            continue
        for number, line in enumerate(lines[1:], start=2):
            if not line.strip():
                continue
            cells = line.rstrip("\r").split("\t")
            where = f"{name}:{number}"
            if len(cells) != len(PRACTICE_CHILDREN):
                fault(where, f"{len(cells)} cells, wanted {len(PRACTICE_CHILDREN)}")
                continue
            fields = catalogue.get(int(cells[0]) if cells[0].isdigit() else -1)
            if fields is None:
                fault(where, f"practice {cells[0]!r} is not in the catalogue")
                continue
            for tag, cell in zip(PRACTICE_CHILDREN[1:], cells[1:]):
                if fields.get(tag, "") != cell.strip():
                    fault(where, f"<{tag}> is {fields.get(tag, '')!r} in the catalogue, {cell.strip()!r} here")


def check_speed_tests(practice_titles):
    root = parse_catalogue("5000.xml", "speedtests")
    if root is None:
        return
    wanted = list(SPEED_TEST_TITLES)
    wanted += [(key, practice_titles.get(practice)) for key, practice in SPEED_TESTS_FROM_PRACTICES]
    entries = [children_text(entry, f"speed test #{n}", ["key", "title", "bodytype"])
               for n, entry in enumerate(root, start=1)]
    if [child.tag for child in root] != ["speedtest"] * len(entries):
        fault("5000.xml", "the root holds something other than <speedtest>")
    found = [(fields.get("key"), fields.get("title")) for fields in entries]
    if found != [(str(key), title) for key, title in wanted]:
        fault("5000.xml", f"keys and titles {found}, wanted {wanted}")
    for fields in entries:
        if fields.get("bodytype", "Resource") != "Resource":
            fault(f"speed test {fields.get('key')}", "bodytype other than Resource")
    for key, _ in wanted:
        check_text(key, SPEED_TEST_MIN_WORDS)


def main():
    check_speed_tests(check_practices())
    for line in faults:
        print(line)
    print(f"check_practice: {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
