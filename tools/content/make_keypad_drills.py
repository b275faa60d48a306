#!/usr/bin/env python3
"""Write the numeric keypad drills (4010, 4011) and the keypad speed test (306).

Keypad texts hold one entry per line and nothing but the keypad's characters
(digits, / * - + . and the line break, typed with Enter), so the typist never
leaves the keypad. The drills move outwards from the home keys 4 5 6; the
speed test mixes the kind of figures people key in at work. A fixed seed keeps
the output the same on every run.
"""
import os
import random

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TEXT_DIR = os.path.join(ROOT, "resources", "texts")


def digits(rng, alphabet, low, high):
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(low, high)))


def number(rng, low, high):
    """A plain number without a leading zero, low..high digits."""
    first = rng.choice("123456789")
    return first + digits(rng, "0123456789", low - 1, high - 1) if high > 1 else first


def amount(rng):
    return f"{number(rng, 1, 4)}.{digits(rng, '0123456789', 2, 2)}"


def sum_of(rng, operators, terms):
    parts = [number(rng, 1, 3) for _ in range(terms)]
    line = parts[0]
    for part in parts[1:]:
        line += rng.choice(operators) + part
    return line


def practice_one(rng):
    """Digits only: home keys, then the reaches up, down and to 0."""
    lines = ["4", "5", "6", "44", "55", "66", "456", "654", "465", "546", "564", "645"]
    lines += ["4456", "5564", "6645", "4545", "5656", "6464", "45654", "65456"]
    lines += [digits(rng, "456", 2, 4) for _ in range(12)]
    lines += ["47", "58", "69", "74", "85", "96", "478", "589", "697", "4747", "5858", "6969"]
    lines += [digits(rng, "456789", 2, 4) for _ in range(16)]
    lines += ["41", "52", "63", "14", "25", "36", "412", "523", "631", "1414", "2525", "3636"]
    lines += [digits(rng, "456123", 2, 4) for _ in range(16)]
    lines += ["40", "50", "60", "400", "500", "600", "4050", "5060", "1000", "2000", "3000", "9000"]
    lines += [digits(rng, "4560", 2, 4) for _ in range(10)]
    lines += [number(rng, 2, 5) for _ in range(34)]
    return lines


def practice_two(rng):
    """The decimal point and the four operator keys above and beside the digits."""
    lines = ["4.5", "5.6", "6.4", "0.5", "1.25", "2.75", "3.5", "10.05", "45.60", "99.99"]
    lines += [amount(rng) for _ in range(20)]
    lines += ["4+5", "5+6", "6+4", "7+8", "1+2", "9+3", "10+20", "45+55"]
    lines += ["9-4", "8-5", "7-6", "-4", "-56", "100-1", "60-15", "3-2"]
    lines += ["4*5", "6*6", "7*8", "9*3", "12*12", "25*4", "2*2*2", "5*20"]
    lines += ["8/4", "9/3", "6/2", "100/5", "144/12", "81/9", "1/4", "3/8"]
    lines += [sum_of(rng, "+-", 2) for _ in range(14)]
    lines += [sum_of(rng, "*/", 2) for _ in range(14)]
    lines += [sum_of(rng, "+-*/", 3) for _ in range(18)]
    lines += [f"{amount(rng)}{rng.choice('+-*/')}{amount(rng)}" for _ in range(18)]
    return lines


def speed_test(rng):
    """Figures of an office day: prices, quantities, codes, short sums."""
    makers = [
        lambda: amount(rng),
        lambda: number(rng, 1, 6),
        lambda: number(rng, 3, 7),
        lambda: sum_of(rng, "+-", 2),
        lambda: sum_of(rng, "*/", 2),
        lambda: sum_of(rng, "+-*/", 3),
        lambda: f"{amount(rng)}*{number(rng, 1, 2)}",
        lambda: f"-{amount(rng)}",
        lambda: f"{number(rng, 1, 3)}.{digits(rng, '0123456789', 1, 3)}",
    ]
    return [rng.choice(makers)() for _ in range(540)]


def write_text(key, lines):
    path = os.path.join(TEXT_DIR, f"{key}.txt")
    with open(path, "wb") as handle:
        handle.write("\r\n".join(lines).encode("ascii"))


def main():
    rng = random.Random(4010)
    write_text(4010, practice_one(rng))
    write_text(4011, practice_two(rng))
    write_text(306, speed_test(rng))


if __name__ == "__main__":
    main()
