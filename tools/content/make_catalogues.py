#!/usr/bin/env python3
"""Assemble the practice catalogue (3000.xml) and the speed-test catalogue (5000.xml).

Each content writer lists their practices in tools/content/practices-<group>.tsv
with the header: id, category, title, bodytype, usertype (empty when none).
This script merges every such file and writes the catalogues in the fixed
order the tutor presents them. Entries that are not listed yet are skipped
with a warning, so the script can be re-run as writers finish.
"""
import csv
import glob
import os
import sys
from xml.sax.saxutils import escape

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TSV_PATTERN = os.path.join(ROOT, "tools", "content", "practices-*.tsv")
CATALOGUE_DIR = os.path.join(ROOT, "resources", "catalogues")
HEADER = ["id", "category", "title", "bodytype", "usertype"]


def span(first, last):
    return list(range(first, last + 1))


# Category and ids in the order the practice list shows them.
PRACTICE_ORDER = [
    ("Prose", span(4112, 4120) + [4039, 4040] + span(4069, 4088) + span(4089, 4110)),
    ("Poetry", span(4121, 4123) + span(4049, 4068) + [4111]),
    ("Drills", span(4000, 4012) + span(9000, 9005)),
    ("Revision", [4013, 4014]),
    ("Professional", span(4015, 4038) + span(4041, 4048)),
]

# Speed tests with a text of their own; 307-318 borrow the titles of 4112-4123.
SPEED_TEST_TITLES = [
    (300, "Home keys: Speed test"),
    (301, "Neighbor keys: Speed test"),
    (302, "Capitals: Speed test"),
    (303, "Punctuation: Speed test"),
    (304, "Number Keys: Speed test"),
    (305, "Symbols: Speed test"),
    (306, "Numeric keypad: Speed test"),
]
SPEED_TESTS_FROM_PRACTICES = list(zip(span(307, 318), span(4112, 4123)))


def warn(message):
    print(f"make_catalogues: warning: {message}", file=sys.stderr)


def read_manifests():
    """Return {id: row} from every manifest; the first listing of an id wins."""
    entries = {}
    for path in sorted(glob.glob(TSV_PATTERN)):
        name = os.path.basename(path)
        with open(path, newline="", encoding="utf-8") as handle:
            reader = csv.reader(handle, delimiter="\t", quoting=csv.QUOTE_NONE)
            rows = list(reader)
        if not rows or [cell.strip() for cell in rows[0]] != HEADER:
            warn(f"{name}: header is not {'/'.join(HEADER)}; file ignored")
            continue
        for line_number, cells in enumerate(rows[1:], start=2):
            if not any(cell.strip() for cell in cells):
                continue
            cells = [cell.strip() for cell in cells] + [""] * (len(HEADER) - len(cells))
            if len(cells) > len(HEADER):
                warn(f"{name}:{line_number}: too many columns; row ignored")
                continue
            row = dict(zip(HEADER, cells))
            if not row["id"].isdigit():
                warn(f"{name}:{line_number}: id {row['id']!r} is not a number; row ignored")
                continue
            key = int(row["id"])
            if key in entries:
                warn(f"{name}:{line_number}: id {key} listed twice; first listing kept")
                continue
            if not row["category"] or not row["title"] or not row["bodytype"]:
                warn(f"{name}:{line_number}: id {key} lacks category, title or bodytype; row ignored")
                continue
            entries[key] = row
    return entries


def write_xml(path, lines):
    data = "\r\n".join(lines).encode("utf-8")
    with open(path, "wb") as handle:
        handle.write(data)


def element(indent, name, text):
    return f"{'  ' * indent}<{name}>{escape(text)}</{name}>"


def practice_lines(entries):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<practices>"]
    placed = set()
    for category, ids in PRACTICE_ORDER:
        for key in ids:
            row = entries.get(key)
            if row is None:
                warn(f"practice {key} ({category}) is not listed yet; skipped")
                continue
            if row["category"] != category:
                warn(f"practice {key} has category {row['category']!r}, expected {category!r}")
            placed.add(key)
            lines.append("  <practice>")
            lines.append(element(2, "id", str(key)))
            lines.append(element(2, "category", row["category"]))
            lines.append(element(2, "title", row["title"]))
            lines.append(element(2, "bodytype", row["bodytype"]))
            if row["usertype"]:
                lines.append(element(2, "usertype", row["usertype"]))
            lines.append("  </practice>")
    for key in sorted(set(entries) - placed):
        warn(f"practice {key} is listed but has no place in the catalogue; left out")
    lines.append("</practices>")
    return lines


def speed_test_lines(entries):
    titles = list(SPEED_TEST_TITLES)
    for key, practice in SPEED_TESTS_FROM_PRACTICES:
        row = entries.get(practice)
        if row is None:
            warn(f"speed test {key} needs the title of practice {practice}, not listed yet; skipped")
            continue
        titles.append((key, row["title"]))
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<speedtests>"]
    for key, title in titles:
        lines.append("  <speedtest>")
        lines.append(element(2, "key", str(key)))
        lines.append(element(2, "title", title))
        lines.append(element(2, "bodytype", "Resource"))
        lines.append("  </speedtest>")
    lines.append("</speedtests>")
    return lines


def main():
    entries = read_manifests()
    os.makedirs(CATALOGUE_DIR, exist_ok=True)
    write_xml(os.path.join(CATALOGUE_DIR, "3000.xml"), practice_lines(entries))
    write_xml(os.path.join(CATALOGUE_DIR, "5000.xml"), speed_test_lines(entries))
    return 0


if __name__ == "__main__":
    sys.exit(main())
