#!/usr/bin/env python3
"""Writes the league's data files into data/: the roster Wrestler.txt, the
juryo names juryo.txt and the pairing table Match.txt, and the help file
Kelmar.hlp from its UTF-8 source tools/kelmar_help.txt (and its English
Kelmar-en.hlp from tools/kelmar_help_en.txt), all in Shift-JIS with
CR LF; and beside them romaji.txt, the readings of the shikona for the faces
that do not show Japanese, in UTF-8.

Run from anywhere: python3 tools/make_data.py. The output is the same on every
run; the committed files are its output.
"""

import pathlib

TOOLS = pathlib.Path(__file__).resolve().parent
DATA = TOOLS.parent / "data"

# The makuuchi of the first basho, in banzuke order. Rank codes: 1 yokozuna,
# 2 ozeki, 3 sekiwake, 4 komusubi, 5 maegashira. Portrait numbers follow the
# order of the list. Columns: name, rank, E, LB, L, age, Pw, Sp, Tc.
ROSTER = [
    ("剛嶽", 1, 42, 13, 12, 31, 5, 2, 3),
    ("雷峰", 1, 36, 11, 14, 28, 2, 3, 5),
    ("蒼龍山", 2, 30, 10, 11, 27, 3, 2, 5),
    ("北斗錦", 2, 27, 9, 8, 30, 5, 1, 4),
    ("千歳海", 2, 24, 11, 9, 25, 2, 5, 3),
    ("鳳雅", 3, 22, 8, 10, 26, 3, 4, 3),
    ("朝霧山", 3, 19, 9, 9, 29, 6, 1, 3),
    ("琴浦", 4, 16, 0, 9, 24, 2, 2, 6),
    ("豊嵐", 4, 14, 0, 8, 33, 4, 3, 3),
    ("栃波", 5, 13, 0, 10, 27, 4, 4, 2),
    ("若雲", 5, 12, 0, 9, 22, 1, 3, 6),
    ("大隼", 5, 12, 0, 8, 26, 2, 6, 2),
    ("玉嶺", 5, 11, 0, 7, 30, 3, 3, 4),
    ("隆鷲", 5, 11, 0, 9, 28, 5, 2, 3),
    ("輝星", 5, 10, 0, 8, 21, 2, 4, 4),
    ("旭岳", 5, 10, 0, 6, 34, 6, 2, 2),
    ("霧昇", 5, 9, 0, 8, 25, 1, 5, 4),
    ("千代雷", 5, 9, 0, 10, 23, 4, 2, 4),
    ("鯨丸", 5, 8, 0, 7, 29, 7, 1, 2),
    ("荒鷹", 5, 8, 0, 8, 27, 3, 5, 2),
    ("錦灘", 5, 7, 0, 9, 24, 2, 2, 6),
    ("白銀山", 5, 7, 0, 6, 32, 4, 1, 5),
    ("岩戸山", 5, 6, 0, 8, 26, 5, 3, 2),
    ("天翔", 5, 6, 0, 7, 20, 2, 4, 4),
    ("豪力山", 5, 5, 0, 9, 28, 6, 1, 3),
    ("青嵐", 5, 5, 0, 8, 22, 3, 3, 4),
    ("竜星", 5, 4, 0, 10, 21, 1, 4, 5),
    ("高嶺山", 5, 3, 0, 7, 31, 4, 2, 4),
    ("春日岳", 5, 3, 0, 8, 36, 2, 3, 5),
    ("鶴翔", 5, 2, 0, 9, 20, 3, 4, 3),
    ("潮風", 5, 1, 0, 8, 38, 5, 2, 3),
]

# The juryo, portrait numbers 32 to 58 in this order.
JURYO = [
    "若楓", "大雷", "北翔山", "琴雅", "朝陽丸", "栄峰", "翠嶺", "旭凰", "雲海",
    "夕凪", "金鵄", "飛燕", "湊鷹", "岳錦", "若鯱", "黒嶽", "剣嵐", "千代嶺",
    "豊雲", "明星山", "磯千鳥", "浪速海", "蒼天", "東雲", "鷹峰", "雪嶺", "霞山",
]

# The reading of every shikona, in plain ASCII Hepburn without macrons (long
# vowels written once: Soryuzan, not Sōryūzan), as English-speaking fans write
# the names. The names are our own, and so are their readings.
READINGS = {
    "剛嶽": "Gotake", "雷峰": "Raiho", "蒼龍山": "Soryuzan", "北斗錦": "Hokutonishiki",
    "千歳海": "Chitoseumi", "鳳雅": "Hoga", "朝霧山": "Asagiriyama", "琴浦": "Kotoura",
    "豊嵐": "Toyoarashi", "栃波": "Tochinami", "若雲": "Wakakumo", "大隼": "Ohayabusa",
    "玉嶺": "Tamamine", "隆鷲": "Ryuwashi", "輝星": "Kisei", "旭岳": "Asahidake",
    "霧昇": "Kirinobori", "千代雷": "Chiyoikazuchi", "鯨丸": "Kujiramaru", "荒鷹": "Aradaka",
    "錦灘": "Nishikinada", "白銀山": "Shiroganeyama", "岩戸山": "Iwatoyama", "天翔": "Tensho",
    "豪力山": "Gorikiyama", "青嵐": "Seiran", "竜星": "Ryusei", "高嶺山": "Takaneyama",
    "春日岳": "Kasugadake", "鶴翔": "Kakusho", "潮風": "Shiokaze",
    "若楓": "Wakakaede", "大雷": "Oikazuchi", "北翔山": "Hokushozan", "琴雅": "Kotomasa",
    "朝陽丸": "Asahimaru", "栄峰": "Sakaemine", "翠嶺": "Suirei", "旭凰": "Kyokuo",
    "雲海": "Unkai", "夕凪": "Yunagi", "金鵄": "Kinshi", "飛燕": "Hien", "湊鷹": "Minatotaka",
    "岳錦": "Takenishiki", "若鯱": "Wakashachi", "黒嶽": "Kurotake", "剣嵐": "Kenran",
    "千代嶺": "Chiyomine", "豊雲": "Toyokumo", "明星山": "Myojoyama", "磯千鳥": "Isochidori",
    "浪速海": "Naniwaumi", "蒼天": "Soten", "東雲": "Shinonome", "鷹峰": "Takamine",
    "雪嶺": "Yukimine", "霞山": "Kasumiyama",
}

BLOCK = 8  # the 32 slots fall into four blocks of eight


def block_round(members, k):
    """Round k (1..7) of the round robin inside one block of eight: member i
    meets member i xor k, so the seven rounds give every pair once."""
    return [(members[i], members[i ^ k]) for i in range(BLOCK) if i < i ^ k]


def cross_round(upper, lower, k):
    """Round k (0..7) of the eight rounds between two blocks: upper i meets
    lower i xor k, so every upper member meets every lower one once."""
    return [(upper[i], lower[i ^ k]) for i in range(BLOCK)]


def day_pairs(day):
    """The sixteen pairs of a day, higher slot first.

    The top half (slots 1..16) and the bottom half (17..32) each fight inside
    themselves. In the first eight days a block meets the block below it,
    the weaker end first, so that slot 1 meets slot 16 on day 1 and slot 9 on
    day 8; in the last seven days each block fights its own round robin,
    neighbours last, so that the final day pairs 1-2, 3-4 and so on."""
    blocks = [list(range(b * BLOCK + 1, b * BLOCK + BLOCK + 1)) for b in range(4)]
    pairs = []
    if day <= 8:
        k = 8 - day
        pairs += cross_round(blocks[0], blocks[1], k)
        pairs += cross_round(blocks[2], blocks[3], k)
    else:
        k = 16 - day
        for members in blocks:
            pairs += block_round(members, k)
    return pairs


def match_line(day):
    """Bouts ordered from the lowest ranks to the highest, as a day is fought:
    the top slot's bout comes last. East and west alternate along the card."""
    pairs = sorted(day_pairs(day), key=lambda p: -min(p))
    fields = []
    for bout, (a, b) in enumerate(pairs):
        high, low = min(a, b), max(a, b)
        east, west = (high, low) if (day + bout) % 2 == 0 else (low, high)
        fields.append("%02d%02d" % (east, west))
    return "".join(fields)


def write_lines(name, lines):
    text = "".join(line + "\r\n" for line in lines)
    (DATA / name).write_bytes(text.encode("cp932"))


def main():
    DATA.mkdir(exist_ok=True)
    roster_lines = []
    for number, (name, rank, e, lb, l, age, pw, sp, tc) in enumerate(ROSTER, start=1):
        roster_lines.append("%s%02d%d" % (name, number, rank))
        roster_lines.append("%02d%02d%02d%02d%d%d%d" % (e, lb, l, age, pw, sp, tc))
    write_lines("Wrestler.txt", roster_lines)
    first_juryo = len(ROSTER) + 1
    write_lines("juryo.txt",
                ["%s%02d" % (name, n) for n, name in enumerate(JURYO, start=first_juryo)])
    write_lines("Match.txt", [match_line(day) for day in range(1, 16)])
    help_text = (TOOLS / "kelmar_help.txt").read_text(encoding="utf-8")
    write_lines("Kelmar.hlp", help_text.rstrip("\n").split("\n"))
    # The help in English, in the same format, for the English face.
    help_text = (TOOLS / "kelmar_help_en.txt").read_text(encoding="utf-8")
    write_lines("Kelmar-en.hlp", help_text.rstrip("\n").split("\n"))
    write_readings([name for name, *_ in ROSTER] + JURYO)


def write_readings(names):
    """romaji.txt: one line a shikona of the data, "<display name>\\t<reading>",
    UTF-8 with LF, in the order of the roster and then the juryo."""
    lines = []
    for name in names:
        reading = READINGS[name]
        if not (reading.isascii() and reading.isalpha() and reading[0].isupper()):
            raise SystemExit("the reading of %s is no plain romaji: %r" % (name, reading))
        lines.append("%s\t%s\n" % (name, reading))
    if len(set(READINGS.values())) != len(READINGS) or len(READINGS) != len(names):
        raise SystemExit("every shikona has a reading of its own, and no other name has one")
    (DATA / "romaji.txt").write_bytes("".join(lines).encode("utf-8"))


if __name__ == "__main__":
    main()
