#!/usr/bin/env python3
"""Generates tc/standin/pinyintable_p.h, the pinyin table behind KD::getPy and KD::testPy.

Reads the Unihan readings that Debian's unicode-data package installs and keeps, for every
Chinese character of the GBK code page, each modern Mandarin reading without tones:
kMandarin (the customary reading), kTGHZ2013 (Tongyong Guifan Hanzi Zidian, 2013), kXHC1983
(Xiandai Hanyu Cidian) and kHanyuPinlu (readings counted in a modern corpus, with their
frequency). kHanyuPinyin is left out: it lists the historical readings of the Hanyu Da Zidian.

Readings are ordered natural first: the customary kMandarin reading, then by corpus frequency,
then in dictionary order. phrases.txt overrides the natural reading in instrument names;
dropped.txt leaves out readings nobody types for a character in a name.

    python3 tools/pinyin/genpinyintable.py [--unihan PATH] [--out PATH]
"""

import argparse
import bz2
import collections
import os
import re
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEFAULT_UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"
DEFAULT_OUT = os.path.join(ROOT, "tc", "standin", "pinyintable_p.h")

MODERN_FIELDS = ("kMandarin", "kHanyuPinlu", "kTGHZ2013", "kXHC1983")
MAX_PHRASE = 4


def plain(reading):
    """A toned reading ("lǘ", "zhàng") as the letters typed for it ("lv", "zhang")."""
    s = unicodedata.normalize("NFD", reading.strip().lower())
    s = s.replace("u\u0308", "v")
    s = "".join(ch for ch in s if not unicodedata.combining(ch))
    if not re.fullmatch(r"[a-z]+", s):
        raise ValueError("unexpected reading %r" % reading)
    return s


def load_unihan(path):
    fields = collections.defaultdict(dict)
    opener = bz2.open if path.endswith(".bz2") else open
    version = None
    with opener(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("# Unicode version:"):
                version = line.split(":", 1)[1].strip()
            if not line.startswith("U+"):
                continue
            cp, field, value = line.rstrip("\n").split("\t")
            if field in MODERN_FIELDS:
                fields[int(cp[2:], 16)][field] = value
    return fields, version


def readings_of(entry):
    """Plain readings of one character, natural first; empty when it has no modern reading."""
    mandarin = [plain(r) for r in entry.get("kMandarin", "").split()]
    freq = collections.Counter()
    for item in entry.get("kHanyuPinlu", "").split():
        m = re.fullmatch(r"(.+)\((\d+)\)", item)
        freq[plain(m.group(1))] += int(m.group(2))
    dictionary = []
    for field in ("kTGHZ2013", "kXHC1983"):
        for item in entry.get(field, "").split():
            dictionary.append(plain(item.split(":", 1)[1]))

    order = []
    for r in mandarin[:1] + [r for r, _ in sorted(freq.items(), key=lambda kv: -kv[1])]:
        if r not in order:
            order.append(r)
    for r in dictionary + mandarin[1:]:
        if r not in order:
            order.append(r)
    return order


def gbk_hanzi():
    chars = set()
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                c = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                continue
            name = unicodedata.name(c, "")
            if name.startswith("CJK UNIFIED IDEOGRAPH") or \
                    name.startswith("CJK COMPATIBILITY IDEOGRAPH") or c == "\u3007":
                chars.add(ord(c))
    return sorted(chars)


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if line:
                yield number, line.split()


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--unihan", default=DEFAULT_UNIHAN)
    ap.add_argument("--out", default=DEFAULT_OUT)
    args = ap.parse_args()

    fields, version = load_unihan(args.unihan)
    extra = {}
    for number, words in read_lines(os.path.join(HERE, "extra.txt")):
        extra[ord(words[0])] = words[1:]

    dropped = {}
    for number, words in read_lines(os.path.join(HERE, "dropped.txt")):
        dropped[ord(words[0])] = (number, set(words[1:]))

    table = {}
    missing = []
    for cp in gbk_hanzi():
        readings = readings_of(fields.get(cp, {}))
        if not readings:
            # Compatibility ideographs read as the character they stand for.
            canonical = ord(unicodedata.normalize("NFC", chr(cp)))
            readings = readings_of(fields.get(canonical, {}))
        if not readings:
            readings = extra.get(cp, [])
        if cp in dropped:
            number, gone = dropped.pop(cp)
            if not gone <= set(readings) or gone >= set(readings):
                sys.exit("dropped.txt:%d: %s must name some, not all, of its readings %s"
                         % (number, chr(cp), " ".join(readings)))
            readings = [r for r in readings if r not in gone]
        if readings:
            table[cp] = readings
        else:
            missing.append(cp)

    if dropped:
        sys.exit("dropped.txt:%d: not a character of GBK" % min(n for n, _ in dropped.values()))

    phrases = []
    for number, words in read_lines(os.path.join(HERE, "phrases.txt")):
        text, syllables = words[0], words[1:]
        if len(text) != len(syllables) or len(text) > MAX_PHRASE:
            sys.exit("phrases.txt:%d: %s needs one reading per character, at most %d"
                     % (number, text, MAX_PHRASE))
        for ch, syl in zip(text, syllables):
            if syl not in table.get(ord(ch), []):
                sys.exit("phrases.txt:%d: %s is not a reading of %s" % (number, syl, ch))
        phrases.append((text, syllables))
    phrases.sort(key=lambda p: [ord(c) for c in p[0]])
    texts = [p[0] for p in phrases]
    if len(set(texts)) != len(texts):
        sys.exit("phrases.txt: a phrase is listed twice")

    syllables = sorted({r for rs in table.values() for r in rs} |
                       {s for _, ss in phrases for s in ss})
    sid = {s: i for i, s in enumerate(syllables)}
    width = max(len(s) for s in syllables) + 1
    # Characters of the block U+4E00 to U+9FA5, all in GBK, are indexed by code point; the few
    # others are listed. Most characters have one reading, kept in place; the others point into
    # kMultiReadings.
    block_first, block_last = 0x4E00, 0x9FA5
    others = sorted(c for c in table if not block_first <= c <= block_last)
    codes = list(range(block_first, block_last + 1)) + others
    readings, multi_first, multi = [], [], []
    for cp in codes:
        ids = [sid[r] for r in table.get(cp, [])]
        if not ids:
            readings.append(0xFFFF)
        elif len(ids) == 1:
            readings.append(ids[0])
        else:
            readings.append(0x8000 | len(multi_first))
            multi_first.append(len(multi))
            multi.extend(ids)
    multi_first.append(len(multi))
    assert len(syllables) < 0x8000 and len(multi_first) < 0x7FFF and len(multi) < 65536

    def numbers(values, per_line=16):
        rows = []
        for i in range(0, len(values), per_line):
            rows.append("    " + ", ".join(str(v) for v in values[i:i + per_line]) + ",")
        return "\n".join(rows)

    out = []
    out.append("// Generated by tools/pinyin/genpinyintable.py from Unihan_Readings.txt of the "
               "Unicode Character")
    out.append("// Database %s and tools/pinyin/phrases.txt, extra.txt and dropped.txt." % version)
    out.append("// Do not edit; run the script.")
    out.append("// Modified from the Unicode data: tones removed, u-umlaut written v, modern "
               "readings only.")
    out.append("// Unicode data licence: tools/pinyin/LICENSE-Unicode.txt.")
    out.append("#pragma once")
    out.append("")
    out.append("#include <cstdint>")
    out.append("")
    out.append("// clang-format off")
    out.append("namespace KD::pinyintable {")
    out.append("")
    out.append("// Toneless syllables, sorted; readings refer to them by index.")
    out.append("constexpr int kSyllableWidth = %d;" % width)
    out.append("constexpr char kSyllables[][kSyllableWidth] = {")
    for i in range(0, len(syllables), 10):
        out.append("    " + " ".join('"%s",' % s for s in syllables[i:i + 10]))
    out.append("};")
    out.append("")
    out.append("// The %d Chinese characters of GBK with a reading (%d have none): the block"
               % (len(table), len(missing)))
    out.append("// kBlockFirst to kBlockLast, then kOtherChars.")
    out.append("constexpr char32_t kBlockFirst = 0x%04X;" % block_first)
    out.append("constexpr char32_t kBlockLast = 0x%04X;" % block_last)
    out.append("constexpr uint16_t kOtherChars[] = {")
    out.append(numbers(["0x%04X" % c for c in others], 12))
    out.append("};")
    out.append("")
    out.append("// The reading of each character, in the order above: a syllable index when it has one,")
    out.append("// kNoReading when it has none, 0x8000 | k when it has several: kMultiReadings from")
    out.append("// kMultiFirst[k] up to kMultiFirst[k + 1]. Natural readings first.")
    out.append("constexpr uint16_t kNoReading = 0xFFFF;")
    out.append("constexpr uint16_t kReading[] = {")
    out.append(numbers(["0x%04X" % r if r & 0x8000 else str(r) for r in readings], 16))
    out.append("};")
    out.append("constexpr uint16_t kMultiFirst[] = {")
    out.append(numbers(multi_first))
    out.append("};")
    out.append("constexpr uint16_t kMultiReadings[] = {")
    out.append(numbers(multi, 20))
    out.append("};")
    out.append("")
    out.append("// Words of instrument names whose natural reading differs from the characters' own;")
    out.append("// a single character gives its natural reading in names. Sorted by text.")
    out.append("constexpr int kMaxPhrase = %d;" % MAX_PHRASE)
    out.append("struct Phrase")
    out.append("{")
    out.append("    char16_t text[kMaxPhrase];")
    out.append("    uint16_t syllables[kMaxPhrase];")
    out.append("    int length;")
    out.append("};")
    out.append("constexpr Phrase kPhrases[] = {")
    for text, ss in phrases:
        t = ", ".join("0x%04X" % ord(c) for c in text)
        s = ", ".join(str(sid[x]) for x in ss)
        out.append("    {{%s}, {%s}, %d}, // %s %s" % (t, s, len(text), text, " ".join(ss)))
    out.append("};")
    out.append("")
    out.append("} // namespace KD::pinyintable")
    out.append("// clang-format on")
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")
    print("%d characters (%d with several readings), %d syllables, %d phrases; no reading: %s"
          % (len(table), len(multi_first) - 1, len(syllables), len(phrases),
             " ".join("U+%04X" % c for c in missing)))


if __name__ == "__main__":
    main()
