#!/usr/bin/env python3
"""Check the course content: lesson catalogue and texts, custom catalogue
templates, dictation catalogue, transcriptions and dictation audio.

Usage:
  check_course.py                 check everything, exit 1 on any problem
  check_course.py --normalize F.. rewrite text files with CR LF line ends,
                                  no trailing spaces and no final line break
"""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
TEXTS = ROOT / "resources" / "texts"
CATALOGUES = ROOT / "resources" / "catalogues"
AUDIO = ROOT / "data" / "components" / "dictationsamples"

TEMPLATES = {
    6: b"<custompractices><nextkey>500</nextkey></custompractices>",
    7: b"<customspeedtests><nextkey>600</nextkey></customspeedtests>",
    10: b"<customdictations><nextkey>1100</nextkey></customdictations>",
}

CATALOGUE_COMMENT = (
    "id should be the number at the beginning of the filename",
    "difficulty is one of {1, 2, 3} 1 means child or beginner, "
    "2 means teenager, 3 means adult",
    "introduced keys is a list of keys the lesson focuses on",
)

# (title prefix, description subject, keys introduced by the Overview lesson)
SECTIONS = (
    ("Home Row", "the home row", "asdfghjkl;"),
    ("Top Row", "the top row", "qwertyuiop"),
    ("Bottom Row", "the bottom row", "zxcvbnm,./"),
    ("Capitals", "capitals", "ASDFGHJKLQWERTYUIOPZXCVBNM"),
    ("Numbers", "numbers", "1234567890"),
    ("Symbols", "symbols", "`~!@#$%^&*()'\"\\|[{]}_-"),
    ("Numeric Keypad", "the numeric keypad", "0123456789/*-+"),
)
STEPS = (("Overview", "introduces"), ("Basics 1", "focuses on"),
         ("Basics 2", "focuses on"), ("Revision", "reviews"))
KEYPAD_CHARACTERS = set("0123456789/*-+.")
FIRST_LESSON = 1001
KEYPAD_SECTION = 6

LESSON_LENGTH = (300, 700)
LESSON_LINE_LENGTH = (25, 60)
KEYPAD_LINE_LENGTH = (1, 12)
TRANSCRIPTION_WORDS = (150, 300)
AUDIO_BYTES = (1024, 600 * 1024)

DICTATIONS = {
    800: "An exercise in transcribing legal communication.",
    801: "An exercise in transcribing legal communication.",
    802: "An exercise in transcribing legal communication.",
    803: "An exercise in transcribing medical communication.",
    804: "An exercise in transcribing medical communication.",
    805: "An exercise in transcribing medical communication.",
}

problems = []


def problem(where, message):
    problems.append(f"{where}: {message}")


def expected_lessons():
    """(id, title, description, introduced_keys) in catalogue order."""
    rows = [(999, "Initial Skill Test", "Initial Skill Test", "")]
    key = FIRST_LESSON
    for name, subject, keys in SECTIONS:
        for index, (step, verb) in enumerate(STEPS):
            rows.append((key, f"{name}: {step}", f"This lesson {verb} {subject}",
                         keys if index == 0 else ""))
            key += 1
    return rows


def allowed_characters(lesson_key):
    """Characters a lesson may use: space plus every key taught so far."""
    section = (lesson_key - FIRST_LESSON) // len(STEPS)
    if section == KEYPAD_SECTION:
        return KEYPAD_CHARACTERS
    allowed = {" "}
    for _, _, keys in SECTIONS[:section + 1]:
        allowed.update(keys)
    return allowed


def check_file_form(path, data):
    """House rules for every content file: ASCII, CR LF, tidy line ends."""
    where = path.relative_to(ROOT)
    if any(b < 0x20 and b not in (0x0D, 0x0A) or b > 0x7E for b in data):
        problem(where, "contains a character outside printable ASCII")
    if re.search(rb"\r(?!\n)|(?<!\r)\n", data):
        problem(where, "has a line break that is not CR LF")
    if data.endswith(b"\r\n") or data.endswith(b"\n"):
        problem(where, "ends with a line break")
    for number, line in enumerate(data.split(b"\r\n"), 1):
        if line != line.rstrip(b" "):
            problem(where, f"line {number} has trailing spaces")


def read(path):
    if not path.is_file():
        problem(path.relative_to(ROOT), "is missing")
        return None
    return path.read_bytes()


def check_templates():
    for number, expected in TEMPLATES.items():
        path = CATALOGUES / f"{number}.xml"
        data = read(path)
        if data is not None and data != expected:
            problem(path.relative_to(ROOT), "differs from the template text")


def parse_xml(path, data):
    try:
        return ET.fromstring(data)
    except ET.ParseError as error:
        problem(path.relative_to(ROOT), f"is not well-formed XML: {error}")
        return None


def check_element_texts(path, root):
    for element in root.iter():
        text = element.text or ""
        if len(element) == 0 and text != text.strip():
            problem(path.relative_to(ROOT),
                    f"<{element.tag}> text has surrounding white space")


def check_lesson_catalogue():
    path = CATALOGUES / "1000.xml"
    data = read(path)
    if data is None:
        return
    where = path.relative_to(ROOT)
    check_file_form(path, data)
    comment = re.match(rb"<!--(.*?)-->", data, re.S)
    if not comment:
        problem(where, "does not begin with the format comment")
    else:
        for sentence in CATALOGUE_COMMENT:
            if sentence.encode() not in comment.group(1):
                problem(where, f"format comment lacks '{sentence}'")
    root = parse_xml(path, data)
    if root is None:
        return
    check_element_texts(path, root)
    if root.tag != "lessons":
        problem(where, f"root is <{root.tag}>, not <lessons>")
    lessons = list(root)
    expected = expected_lessons()
    if [element.tag for element in lessons] != ["lesson"] * len(expected):
        problem(where, f"expected {len(expected)} <lesson> elements")
        return
    for element, (key, title, description, keys) in zip(lessons, expected):
        children = [child.tag for child in element]
        wanted = ["id", "title", "description", "difficulty"]
        if keys:
            wanted.append("introduced_keys")
        if children != wanted:
            problem(where, f"lesson {key} has children {children}")
        found = (element.findtext("id"), element.findtext("title"),
                 element.findtext("description"),
                 element.findtext("difficulty"),
                 element.findtext("introduced_keys") or "")
        if found != (str(key), title, description, "1", keys):
            problem(where, f"lesson {key} reads {found}")


def check_lesson_text(key):
    path = TEXTS / f"{key}.txt"
    data = read(path)
    if data is None:
        return
    where = path.relative_to(ROOT)
    check_file_form(path, data)
    text = data.decode("ascii", "replace")
    low, high = LESSON_LENGTH
    if not low <= len(text) <= high:
        problem(where, f"has {len(text)} characters, not {low}-{high}")
    allowed = allowed_characters(key)
    stray = sorted(set(text.replace("\r\n", "")) - allowed)
    if stray:
        problem(where, f"uses keys not taught yet: {''.join(stray)!r}")
    keypad = allowed is KEYPAD_CHARACTERS
    low, high = KEYPAD_LINE_LENGTH if keypad else LESSON_LINE_LENGTH
    for number, line in enumerate(text.split("\r\n"), 1):
        if not low <= len(line) <= high:
            problem(where, f"line {number} is {len(line)} long, not {low}-{high}")
    if "  " in text or " \r\n" in text or "\r\n " in text or text.startswith(" "):
        problem(where, "has a doubled or loose space")
    if (key - FIRST_LESSON) % len(STEPS) == 0:
        section = SECTIONS[(key - FIRST_LESSON) // len(STEPS)]
        missing = sorted(set(section[2]) - set(text))
        if missing:
            problem(where, f"overview never drills {''.join(missing)!r}")


def check_dictation_catalogue():
    path = CATALOGUES / "7000.xml"
    data = read(path)
    if data is None:
        return
    where = path.relative_to(ROOT)
    check_file_form(path, data)
    root = parse_xml(path, data)
    if root is None:
        return
    if root.tag != "dictations":
        problem(where, f"root is <{root.tag}>, not <dictations>")
    entries = list(root)
    if len(entries) != len(DICTATIONS):
        problem(where, f"has {len(entries)} entries, not {len(DICTATIONS)}")
    for number, (element, key) in enumerate(zip(entries, DICTATIONS), 1):
        if element.tag != "dictation" or len(element) or (element.text or "").strip():
            problem(where, f"entry {number} is not an empty <dictation>")
        if sorted(element.attrib) != ["description", "key", "title"]:
            problem(where, f"entry {number} has attributes {sorted(element.attrib)}")
        if element.get("key") != str(key):
            problem(where, f"entry {number} has key {element.get('key')}")
        if element.get("description") != DICTATIONS[key]:
            problem(where, f"dictation {key} has the wrong description")
        title = element.get("title") or ""
        if not re.fullmatch(rf"Dict{number} - \S.*\S", title):
            problem(where, f"dictation {key} has title {title!r}")


def check_transcription(key):
    path = TEXTS / f"{key}.txt"
    data = read(path)
    if data is None:
        return
    where = path.relative_to(ROOT)
    check_file_form(path, data)
    words = len(data.split())
    low, high = TRANSCRIPTION_WORDS
    if not low <= words <= high:
        problem(where, f"has {words} words, not {low}-{high}")
    if b"\r\n\r\n" in data or data.startswith(b"\r\n"):
        problem(where, "has an empty line")


def check_audio(key):
    path = AUDIO / f"{key}.mp3"
    data = read(path)
    if data is None:
        return
    where = path.relative_to(ROOT)
    low, high = AUDIO_BYTES
    if not low < len(data) < high:
        problem(where, f"is {len(data)} bytes, not between {low} and {high}")
    frame_sync = len(data) > 1 and data[0] == 0xFF and data[1] & 0xE0 == 0xE0
    if not (data.startswith(b"ID3") or frame_sync):
        problem(where, "does not look like MP3 audio")


def normalize(paths):
    for name in paths:
        path = Path(name)
        lines = path.read_text(encoding="ascii").splitlines()
        lines = [line.rstrip() for line in lines]
        while lines and not lines[-1]:
            lines.pop()
        path.write_bytes("\r\n".join(lines).encode("ascii"))


def main(arguments):
    if arguments[:1] == ["--normalize"]:
        normalize(arguments[1:])
        return 0
    check_templates()
    check_lesson_catalogue()
    for key, _, _, _ in expected_lessons()[1:]:
        check_lesson_text(key)
    check_dictation_catalogue()
    for key in DICTATIONS:
        check_transcription(key)
        check_audio(key)
    for line in problems:
        print(line)
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
