#!/usr/bin/env python3
"""Checks data/instruments.csv: header, three non-empty fields per line, code forms by
market, and that every market and code pair occurs once. Prints counts by market and
exits non-zero on the first kind of fault found. Run from the repository root."""

import collections
import re
import sys

CODE_FORMS = {
    "SH": r"\d{6}",
    "SZ": r"\d{6}",
    "HK": r"\d{5}",
    "IF": r"[A-Z]{1,2}\d{4}",
    "SF": r"[a-z]{2}\d{4}",
    "DF": r"[a-z]{1,2}\d{4}",
    "ZF": r"[A-Z]{2}\d{3}",
    "INE": r"[a-z]{2}\d{4}",
}


def main(path="data/instruments.csv"):
    faults = []
    seen = collections.Counter()
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    if lines[0] != "market,code,name":
        faults.append(f"bad header: {lines[0]!r}")
    if lines[-1] != "":
        faults.append("no final newline")
    for number, line in enumerate(lines[1:-1], start=2):
        fields = line.split(",")
        if len(fields) != 3 or not all(fields) or any(s != s.strip() for s in fields):
            faults.append(f"line {number}: {line!r}")
            continue
        market, code, name = fields
        form = CODE_FORMS.get(market)
        if form is None or not re.fullmatch(form, code):
            faults.append(f"line {number}: code {code!r} does not fit market {market!r}")
        if '"' in name:
            faults.append(f"line {number}: quote in name")
        seen[(market, code)] += 1
    faults += [f"duplicate {m}.{c} ({n} times)" for (m, c), n in seen.items() if n > 1]
    for fault in faults:
        print(fault, file=sys.stderr)
    for market, n in sorted(collections.Counter(m for m, _ in seen).items()):
        print(f"{market}\t{n}")
    print(f"total\t{sum(seen.values())}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
