#!/usr/bin/env python3
"""Writes data/bars-sample.csv: one trading morning of one-minute bars for SH 600000.

The bars are generated, not recorded: a seeded random walk on the 0.01 tick around the
price level of 600000 in March 2024, with a heavier opening minute and volume easing
towards noon. The numeric columns deliberately mix the forms a bar export from a
spreadsheet or a terminal can contain: plain numbers, quoted numbers with thousands
separators, and amounts in exponent form. Run from the repository root; the output
is the same on every run.
"""

import datetime
import random

SEED = 20240315
DAY = datetime.date(2024, 3, 15)
OPEN_PRICE = 7.05
LOW_BOUND, HIGH_BOUND = 7.00, 7.20
TICK = 0.01


def morning_minutes():
    """The bar end times of the morning session, 09:31 to 11:30."""
    t = datetime.datetime.combine(DAY, datetime.time(9, 31))
    end = datetime.datetime.combine(DAY, datetime.time(11, 30))
    while t <= end:
        yield t
        t += datetime.timedelta(minutes=1)


def ticks(price):
    return round(price / TICK)


def price_text(n):
    return f"{n * TICK:.2f}"


def grouped(value, decimals=0):
    return f'"{value:,.{decimals}f}"'


def exponent(value, padded=True):
    text = f"{value:.4E}"
    if not padded:
        mantissa, power = text.split("E")
        text = f"{mantissa}E{power[0]}{int(power[1:])}"
    return text


def main():
    rng = random.Random(SEED)
    lines = ["datetime,open,high,low,close,volume,amount"]
    last = ticks(OPEN_PRICE)
    lo_bound, hi_bound = ticks(LOW_BOUND), ticks(HIGH_BOUND)
    for i, when in enumerate(morning_minutes()):
        o = last if i else ticks(OPEN_PRICE)
        c = min(hi_bound, max(lo_bound, o + rng.choice((-2, -1, -1, 0, 0, 0, 1, 1, 2))))
        h = min(hi_bound, max(o, c) + rng.choice((0, 0, 0, 1, 1, 2)))
        lo = max(lo_bound, min(o, c) - rng.choice((0, 0, 0, 1, 1, 2)))
        if i == 0:  # the opening minute always trades through a range
            h, lo = max(h, o + 3), min(lo, o - 2)
        last = c

        # Shares traded, in whole board lots of 100; the first minute carries the auction.
        base = 14000 if i == 0 else int(2600 * (1.0 - i / 240.0))
        lots = max(20, int(rng.gauss(base, base * 0.35)))
        volume = lots * 100
        vwap = (o + h + lo + c) / 4.0 * TICK + rng.uniform(-0.002, 0.002)
        vwap = min(h * TICK, max(lo * TICK, vwap))
        amount = round(volume * vwap, 2)

        volume_text = grouped(volume) if i == 0 or i % 3 == 1 else str(volume)
        form = i % 4
        if form == 0:
            amount_text = f"{amount:.2f}"
        elif form == 1:
            amount_text = exponent(amount)
        elif form == 3:
            amount_text = exponent(amount, padded=False)
        else:
            amount_text = grouped(amount, 2)

        lines.append(",".join((when.strftime("%Y%m%d %H:%M:%S"), price_text(o), price_text(h),
                               price_text(lo), price_text(c), volume_text, amount_text)))
    with open("data/bars-sample.csv", "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
