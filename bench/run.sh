#!/usr/bin/env bash
# Throughput and memory of the program against the line-scanning floor.
#
#   bench/run.sh [RUNS]        RUNS timed rounds per command (default 5)
#   BASELINE=/path/to/older/vortelin bench/run.sh
#                              also times an older build of the program on the
#                              inputs it reads the same way, side by side, and
#                              prints this build's time over the older one's
#
# Builds the `bench` preset, generates the synthetic inputs (deterministic from
# SEED, default 20050514) into a temporary folder, times the program and its
# baselines (`wc -l`, `cat` to /dev/null, the awk peer) round by round, and
# prints a table of median wall times and peak resident memory, then the
# ratios, one per line. It also times vortelin-overview drawing a year in day
# strips, 233,600 samples of scn_scans.csv and 100,000 CCN segments, against its
# goals (under 2 s, an SVG under 30 MB, peak memory under 100 MiB), and
# vortelin-scans on a year of a campaign (8,760 hourly CCN files and 365 daily
# exports) beside vortelin on the same files. The inputs take about 6 GB and
# are deleted at the end (KEEP=1 keeps them). Not part of CI.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
seed=${SEED:-20050514}

for tool in /usr/bin/time cmake; do
  if ! command -v "$tool" >/dev/null; then
    echo "run.sh: $tool is missing (Debian: apt-get install time cmake)" >&2
    exit 1
  fi
done
awk_peer=$(command -v mawk || command -v awk)

echo "building the bench preset..." >&2
(cd "$root" && cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null)
prog=$root/build/bench/vortelin
generate=$root/build/bench/bench/generate_inputs
overview=$root/build/bench/vortelin-overview
scans=$root/build/bench/vortelin-scans

tmp=$(mktemp -d "${TMPDIR:-/tmp}/vortelin-bench.XXXXXX")
if [ "${KEEP:-0}" = 1 ]; then
  echo "inputs kept in $tmp" >&2
else
  trap 'rm -rf "$tmp"' EXIT
fi
need_kb=$((6500 * 1024))
free_kb=$(df -Pk "$tmp" | awk 'NR == 2 { print $4 }')
if [ "$free_kb" -lt "$need_kb" ]; then
  echo "run.sh: $tmp has $((free_kb / 1024)) MiB free, the inputs need 6500 MiB" >&2
  exit 1
fi

echo "generating the inputs (seed $seed)..." >&2
nice "$generate" "$seed" "$tmp/in"
in=$tmp/in
mkdir -p "$in/overview"
"$root/build/bench/bench/generate_campaign" "$seed" "$in/overview" 365 100000 640
mapfile -t many_files < <(tr -d '\r' < "$in/many/files.lst")
# Read every input once, so each timed run finds it in the page cache.
cat "$in"/ccn/ccn_big.csv "$in"/smps/smps_big.txt "$in"/rows/smps_rows.txt \
  "$in"/wide/smps_wide.txt "$in"/newest/smps_newest.csv "$in"/noeol/no_line_end.dat \
  "$in"/year/* > /dev/null
(cd "$in/many" && cat -- "${many_files[@]}" > /dev/null)

# One timed run: wall time from the shell's clock, peak memory and exit status
# from /usr/bin/time. Standard output goes to $out.
out=/dev/null
timed() {
  local start end
  start=$EPOCHREALTIME
  set +e
  /usr/bin/time -f '%M %x' -o "$tmp/usage" "$@" > "$out" 2> "$tmp/stderr"
  set -e
  end=$EPOCHREALTIME
  # A command ended by a signal gets a leading line from time(1) instead.
  read -r rss status < <(tail -n 1 "$tmp/usage")
  if grep -q 'terminated by signal' "$tmp/usage"; then
    status=signal$(sed -n 's/.*terminated by signal \([0-9]*\).*/\1/p' "$tmp/usage")
  fi
  wall=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }')
}

# The commands, by label: case.command.
labels=(ccn.vortelin ccn.wc ccn.awk smps.vortelin smps.wc rows.vortelin rows.wc wide.vortelin
        wide.wc newest.vortelin newest.wc many.vortelin many.cat noeol.vortelin noeol.wc
        overview.draw year.vortelin year.scans)
# The inputs an older build reads as this one does (it may not know the newest layout).
baseline=${BASELINE:-}
compared=(ccn smps rows wide many)
if [ -n "$baseline" ]; then
  for case in "${compared[@]}"; do labels+=("$case.baseline"); done
fi
run_label() {
  out=/dev/null
  case $1 in
    ccn.vortelin) cd "$in/ccn" && timed "$prog" < answer.txt ;;
    ccn.wc) cd "$in/ccn" && timed wc -l ccn_big.csv ;;
    ccn.awk) cd "$in/ccn" && out=$tmp/awk_rows && timed "$awk_peer" -v file=ccn_big.csv \
      -f "$root/bench/peer/ccn_segments.awk" ccn_big.csv ;;
    smps.vortelin) cd "$in/smps" && timed "$prog" < answer.txt ;;
    smps.wc) cd "$in/smps" && timed wc -l smps_big.txt ;;
    rows.vortelin) cd "$in/rows" && timed "$prog" < answer.txt ;;
    rows.wc) cd "$in/rows" && timed wc -l smps_rows.txt ;;
    wide.vortelin) cd "$in/wide" && timed "$prog" < answer.txt ;;
    wide.wc) cd "$in/wide" && timed wc -l smps_wide.txt ;;
    newest.vortelin) cd "$in/newest" && timed "$prog" < answer.txt ;;
    newest.wc) cd "$in/newest" && timed wc -l smps_newest.csv ;;
    *.baseline) cd "$in/${1%%.*}" && timed "$baseline" < answer.txt ;;
    many.vortelin) cd "$in/many" && timed "$prog" < answer.txt ;;
    many.cat) cd "$in/many" && timed cat -- "${many_files[@]}" ;;
    noeol.vortelin) cd "$in/noeol" && timed "$prog" < answer.txt ;;
    noeol.wc) cd "$in/noeol" && timed wc -l no_line_end.dat ;;
    overview.draw) cd "$in/overview" && timed "$overview" ;;
    year.vortelin) cd "$in/year" && timed "$prog" < answer.txt ;;
    year.scans) cd "$in/year" && timed "$scans" ;;
  esac
}

# The rows the exports with one row per sample must give.
declare -A expected_rows=(
  [rows.vortelin]='"smps_rows.txt" "02/01/25 " "0[0-9]/[0-9][0-9]/25" "09:05:00" "[0-9][0-9]:[0-9][0-9]:00"   1  300.0    4.0'
  [wide.vortelin]='"smps_wide.txt" "02/19/25 " "02/19/25" "15:46:00" "15:58:00"   1  300.0    4.0'
  [newest.vortelin]='"smps_newest.csv" "05/02/26 " "05/02/26" "17:46:02" "17:58:02"   0  314.0    0.0')

# The program must do its whole job on every input: the expected end of the
# run, and for the CCN file the same rows as the awk peer.
check() {
  case $1 in
    rows.vortelin | wide.vortelin | newest.vortelin)
      [ "$status" = 0 ] && grep -q "${expected_rows[$1]}" "$in/${1%%.*}/scn_smps.dat" ||
        { echo "run.sh: $1 did not give its row (status $status)" >&2; exit 1; } ;;
    year.scans)
      [ "$status" = 0 ] && [ "$(wc -l < "$in/year/scn_scans.csv")" = 233601 ] ||
        { echo "run.sh: vortelin-scans did not write the year's 233,600 samples" >&2; cat "$tmp/stderr" >&2; exit 1; } ;;
    overview.draw)
      [ "$status" = 0 ] && [ -s "$in/overview/scn_overview.svg" ] ||
        { echo "run.sh: vortelin-overview failed (status $status)" >&2; cat "$tmp/stderr" >&2; exit 1; } ;;
    *.vortelin | *.baseline)
      [ "$status" = 0 ] && grep -q 'STOP Scanning finished' "$tmp/stderr" ||
        { echo "run.sh: $1 failed (status $status)" >&2; cat "$tmp/stderr" >&2; exit 1; } ;;
    ccn.awk)
      if ! tail -n +2 "$in/ccn/scn_ccnc.dat" | cmp -s - "$tmp/awk_rows"; then
        echo "run.sh: the awk peer's rows differ from scn_ccnc.dat" >&2
        exit 1
      fi ;;
  esac
}

declare -A walls peak
for ((round = 1; round <= runs; ++round)); do
  echo "round $round of $runs..." >&2
  for label in "${labels[@]}"; do
    run_label "$label"
    check "$label"
    walls[$label]+="$wall "
    if [ -z "${peak[$label]:-}" ] || [ "$rss" -gt "${peak[$label]}" ]; then peak[$label]=$rss; fi
  done
done
cd "$root"

median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A med
for label in "${labels[@]}"; do med[$label]=$(median <<< "${walls[$label]}"); done

size() { stat -c %s "$1" | awk '{ printf "%.0f", $1 / 1e6 }'; }
describe() {
  case $1 in
    ccn) echo "CCN file, 10M records, $(size "$in/ccn/ccn_big.csv") MB" ;;
    smps) echo "SMPS export, 5k-20k-char lines, $(size "$in/smps/smps_big.txt") MB" ;;
    rows) echo "SMPS rows per sample, 5k-20k chars, $(size "$in/rows/smps_rows.txt") MB" ;;
    wide) echo "SMPS export, 100 MB header row" ;;
    newest) echo "SMPS newest layout, 100 MB header row" ;;
    many) echo "10,000 CCN files of ~10 KB" ;;
    noeol) echo "1 GiB data file, no line end" ;;
    overview) echo "vortelin-overview, a year: 233,600 samples" ;;
    year) echo "A year: 8,760 CCN files, 365 exports, $(du -sm "$in/year" | cut -f1) MB" ;;
  esac
}

echo
echo "VORTELIN throughput, median of $runs runs (wall seconds), peak RSS over all runs"
printf '%-44s %-10s %10s %10s\n' "input" "command" "median s" "peak MiB"
for label in "${labels[@]}"; do
  printf '%-44s %-10s %10.3f %10.1f\n' "$(describe "${label%%.*}")" "${label#*.}" \
    "${med[$label]}" "$(awk -v k="${peak[$label]}" 'BEGIN { print k / 1024 }')"
done
echo "(awk peer: $(basename "$awk_peer"); its rows match scn_ccnc.dat: $(($(wc -l < "$tmp/awk_rows"))) rows)"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v g="$2" -v op="$3" 'BEGIN { ok = (op == "<=") ? r <= g : r >= g; print ok ? "met" : "NOT met" }'; }
max_peak=0
for label in ccn.vortelin smps.vortelin rows.vortelin wide.vortelin newest.vortelin many.vortelin \
  noeol.vortelin; do
  [ "${peak[$label]}" -gt "$max_peak" ] && max_peak=${peak[$label]}
done
max_peak_mib=$(awk -v k="$max_peak" 'BEGIN { printf "%.1f", k / 1024 }')

echo
r=$(ratio "${med[ccn.vortelin]}" "${med[ccn.wc]}")
echo "ccn vortelin / wc -l: $r (goal <= 4: $(verdict "$r" 4 '<='); stretch <= 2.5: $(verdict "$r" 2.5 '<='))"
r=$(ratio "${med[ccn.awk]}" "${med[ccn.vortelin]}")
echo "ccn awk peer / vortelin: $r (goal >= 10: $(verdict "$r" 10 '>='))"
r=$(ratio "${med[smps.vortelin]}" "${med[smps.wc]}")
echo "smps vortelin / wc -l: $r (goal <= 4: $(verdict "$r" 4 '<='))"
r=$(ratio "${med[rows.vortelin]}" "${med[rows.wc]}")
echo "rows vortelin / wc -l: $r (goal <= 1.5: $(verdict "$r" 1.5 '<='))"
r=$(ratio "${med[wide.vortelin]}" "${med[wide.wc]}")
echo "wide vortelin / wc -l: $r (goal <= 2: $(verdict "$r" 2 '<='))"
r=$(ratio "${med[newest.vortelin]}" "${med[newest.wc]}")
echo "newest vortelin / wc -l: $r (goal <= 2: $(verdict "$r" 2 '<='))"
r=$(ratio "${med[many.vortelin]}" "${med[many.cat]}")
echo "many vortelin / cat: $r (goal <= 3: $(verdict "$r" 3 '<='))"
r=$(ratio "${med[noeol.vortelin]}" "${med[noeol.wc]}")
echo "noeol vortelin / wc -l: $r (no goal: the whole line is read to find it has no line end)"
echo "peak RSS of vortelin: $max_peak_mib MiB (goal <= 8: $(verdict "$max_peak_mib" 8 '<='))"

svg_mb=$(stat -c %s "$in/overview/scn_overview.svg" | awk '{ printf "%.1f", $1 / 1e6 }')
overview_s=$(awk -v m="${med[overview.draw]}" 'BEGIN { printf "%.3f", m }')
overview_mib=$(awk -v k="${peak[overview.draw]}" 'BEGIN { printf "%.1f", k / 1024 }')
echo "overview: $overview_s s for a year in day strips, 233,600 samples and 100,000 CCN segments (goal < 2: $(verdict "$overview_s" 2 '<=')), SVG $svg_mb MB (goal < 30: $(verdict "$svg_mb" 30 '<=')), peak RSS $overview_mib MiB (goal < 100: $(verdict "$overview_mib" 100 '<='))"
r=$(ratio "${med[year.scans]}" "${med[year.vortelin]}")
scans_mib=$(awk -v k="${peak[year.scans]}" 'BEGIN { printf "%.1f", k / 1024 }')
echo "year vortelin-scans / vortelin: $r (goal <= 1.5: $(verdict "$r" 1.5 '<=')), peak RSS of vortelin-scans $scans_mib MiB (goal <= 64: $(verdict "$scans_mib" 64 '<='))"
if [ -n "$baseline" ]; then
  echo
  echo "this build / $baseline, same inputs, same rounds (above 1: slower):"
  for case in "${compared[@]}"; do
    echo "  $case: $(ratio "${med[$case.vortelin]}" "${med[$case.baseline]}")"
  done
fi
