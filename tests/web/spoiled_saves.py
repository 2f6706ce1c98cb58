#!/usr/bin/python3
"""Spoiled saved games, made from a good Kelmar.ini, for the page's import
(tests/web/app_test.py): values that are no numbers, empty shikona, shikona
without their portrait number or with one the sheet lacks, no rikishi of the
player's, files cut short, and random byte flips with a fixed seed. The same
files come out on every run.

usage: spoiled_saves.py GOOD_INI OUT_DIR    writes OUT_DIR/NN-what.ini
"""
import os
import random
import re
import sys

FLIP_SEED = 20261210
FLIPS = 20


def lines_of(good):
    return good.split(b"\r\n")


def joined(lines):
    return b"\r\n".join(lines)


def with_value(good, key, value, nth=0):
    """`good` with the value of its nth line KEY=... replaced."""
    lines = lines_of(good)
    found = [i for i, line in enumerate(lines) if line.startswith(key + b"=")]
    i = found[nth % len(found)]
    lines[i] = key + b"=" + value
    return joined(lines)


def without_line(good, key):
    return joined([line for line in lines_of(good) if not line.startswith(key + b"=")])


def shikona(good, nth):
    value = [line for line in lines_of(good) if line.startswith(b"NameOfWres=")][nth]
    return value[len(b"NameOfWres="):]


def spoiled(good):
    """[(what, bytes)]: at least 50 spoiled copies of the good save."""
    cases = []
    for key, nth in [(b"Age", 0), (b"Pw", 3), (b"Sp", 7), (b"Tc", 31), (b"Zaii", 12), (b"Stage", 5),
                     (b"E", 9), (b"Nengo", 0), (b"Basyo6", 0), (b"MyP", 0), (b"Torikumiday", 0)]:
        cases.append((f"{key.decode()} {nth} is no number", with_value(good, key, b"abc", nth)))
        cases.append((f"{key.decode()} {nth} is empty", with_value(good, key, b"", nth)))
    cases.append(("Nengo absurd", with_value(good, b"Nengo", b"99999999999")))
    cases.append(("Stage 9", with_value(good, b"Stage", b"9", 2)))
    for nth in (0, 17, 31):
        name = shikona(good, nth)
        bare = re.sub(rb"\d+$", b"", name)
        cases.append((f"shikona {nth} empty", with_value(good, b"NameOfWres", b"", nth)))
        cases.append((f"shikona {nth} without its portrait number", with_value(good, b"NameOfWres", bare, nth)))
        cases.append((f"shikona {nth} with portrait 99", with_value(good, b"NameOfWres", bare + b"99", nth)))
    cases.append(("no rikishi of the player's", without_line(good, b"PlayersWres")))
    cases.append(("the player's rikishi nobody", with_value(good, b"PlayersWres", b"nobody01")))
    for fraction in (0, 0.1, 0.5, 0.9, 0.99):
        cases.append((f"cut short at {fraction:.0%}", good[:int(len(good) * fraction)]))
    rng = random.Random(FLIP_SEED)
    for k in range(FLIPS):
        flipped = bytearray(good)
        for _ in range(1 + k % 4):
            flipped[rng.randrange(len(flipped))] ^= 1 << rng.randrange(8)
        cases.append((f"flip {k}", bytes(flipped)))
    return cases


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        good = f.read()
    os.makedirs(sys.argv[2], exist_ok=True)
    for i, (what, data) in enumerate(spoiled(good)):
        name = re.sub(r"[^A-Za-z0-9]+", "-", what).strip("-")
        with open(os.path.join(sys.argv[2], f"{i:02d}-{name}.ini"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
