#!/usr/bin/env bash
# tcutil csv against Miller's "mlr --icsv --ocsv cat" on the same file of one-minute bars, in
# China's time zone as a user there has it: wall and CPU seconds and peak resident memory of each,
# best wall time of several runs (the machine may be shared). Needs Miller and GNU time (Debian:
# miller, time); ./build.sh compare installs them and runs this on the Release build.
#
#   bench/tcutil_vs_mlr.sh <tcutil binary> [lines, default 2400000] [runs, default 3]
#   (BENCH_TZ=UTC for another zone)
#
# The bars: "20200102 09:31:00,3000.00,3001.00,2999.00,3000.00,"1,234,500",3.70350E+09",
# 240 a trading day (09:31 to 11:30, 13:01 to 15:00) from 1990 on, weekends left out; a random
# walk for the prices, the volume quoted with thousands separators, the amount in exponent form.
set -euo pipefail

tcutil=${1:?usage: $0 <tcutil binary> [lines] [runs]}
lines=${2:-2400000}
runs=${3:-3}
zone=${BENCH_TZ:-Asia/Shanghai}
command -v mlr >/dev/null || { echo "needs Miller (Debian: apt-get install miller)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs GNU time (Debian: apt-get install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -n "${KEEP_BARS:-}" ] && trap 'cp "$work/bars.csv" "$KEEP_BARS"; rm -rf "$work"' EXIT
bars=$work/bars.csv

awk -v lines="$lines" '
function civil(days,    z, era, doe, yoe, doy, mp, d, m, y) {
    # Howard Hinnant'"'"'s civil_from_days: days since 1970-01-01 to yyyymmdd.
    z = days + 719468; era = int(z / 146097); doe = z - era * 146097
    yoe = int((doe - int(doe / 1460) + int(doe / 36524) - int(doe / 146096)) / 365)
    y = yoe + era * 400; doy = doe - (365 * yoe + int(yoe / 4) - int(yoe / 100))
    mp = int((5 * doy + 2) / 153); d = doy - int((153 * mp + 2) / 5) + 1
    m = mp < 10 ? mp + 3 : mp - 9
    return sprintf("%04d%02d%02d", y + (m <= 2), m, d)
}
function grouped(n,    s) {
    s = sprintf("%d", n)
    while (s ~ /[0-9][0-9][0-9][0-9]/) sub(/[0-9][0-9][0-9]($|,)/, ",&", s)
    return s
}
BEGIN {
    srand(1)
    print "datetime,open,high,low,close,volume,amount"
    price = 3000; n = 0
    for (day = 7305; n < lines; day++) {          # 1990-01-01, a Monday
        weekday = (day + 4) % 7                   # 0 Sunday, 1970-01-01 a Thursday
        if (weekday == 0 || weekday == 6) continue
        date = civil(day)
        for (bar = 0; bar < 240 && n < lines; bar++) {
            minute = bar < 120 ? 9 * 60 + 31 + bar : 13 * 60 + 1 + bar - 120
            price += rand() * 2 - 1; if (price < 1) price = 1
            volume = int(rand() * 5000000) + 1000
            printf "%s %02d:%02d:00,%.2f,%.2f,%.2f,%.2f,\"%s\",%.5E\n", date, int(minute / 60),
                minute % 60, price, price + 1, price - 1, price, grouped(volume), volume * price
            n++
        }
    }
}' >"$bars"

echo "$(wc -l <"$bars") lines, $(du -m "$bars" | cut -f1) MiB; TZ=$zone; best wall time of $runs"
measure() { # name command...: best "wall user sys maxrss" of the runs
    local name=$1 best= result wall
    shift
    for _ in $(seq "$runs"); do
        result=$(TZ=$zone /usr/bin/time -f "%e %U %S %M" "$@" 2>&1 >"$work/$name.out" | tail -1)
        wall=${result%% *}
        if [ -z "$best" ] || awk -v a="$wall" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
            best=$result
        fi
    done
    echo "$best"
}
t=$(measure tcutil "$tcutil" csv "$bars")
m=$(measure mlr mlr --icsv --ocsv cat "$bars")
read -r tw tu ts tm <<<"$t"
read -r mw mu ms mm <<<"$m"
printf '%-8s %8s %8s %8s %10s\n' "" "wall s" "user s" "sys s" "peak MiB"
printf '%-8s %8s %8s %8s %10d\n' tcutil "$tw" "$tu" "$ts" $((tm / 1024)) mlr "$mw" "$mu" "$ms" $((mm / 1024))
# The CPU ratio is worked out before printf: awk reads a '>' among printf's arguments as a
# redirection to a file.
awk -v tw="$tw" -v mw="$mw" -v a="$tu" -v b="$ts" -v c="$mu" -v d="$ms" 'BEGIN {
    cpu = 0; if (a + b != 0) cpu = (c + d) / (a + b)
    printf "mlr / tcutil: %.2fx the wall time, %.2fx the CPU time\n", mw / tw, cpu }'
echo "rows: tcutil $(($(wc -l <"$work/tcutil.out") - 1)), mlr $(($(wc -l <"$work/mlr.out") - 1))"
