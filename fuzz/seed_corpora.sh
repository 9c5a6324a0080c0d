#!/bin/sh
# Builds the seed corpora of the fuzz targets from the whole-process cases:
#   fuzz/seed_corpora.sh CASES_DIR OUT_DIR
# Each case's folder (after its setup.sh, regular files and folders only) gives
# a whole-run seed; its data files seed the scanners, the record reader and,
# line by line, the value reader. The first bytes of a seed are the target's
# own choices (buffer size, field length, item kinds).
set -eu
cases=$1
out=$2
mkdir -p "$out/value_reader" "$out/record_reader" "$out/smps_scanner" "$out/ccn_scanner" \
  "$out/whole_run" "$out/overview_tables" "$out/scans_readers"
# Seeds longer than the fuzzers' -max_len would only be cut. A case's file may
# be huge (the 1 GB case, a line with no end), so every file is cut with
# head -c before it is split into lines, and the shell reads only lines that
# cut has shortened: it reads a line one byte at a time.
max_seed=65536
max_lines_bytes=8388608
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
head="$scratch/.head"
lines="$scratch/.lines"

for case_dir in "$cases"/*/; do
  name=$(basename "$case_dir")
  work="$scratch/$name"
  mkdir -p "$work"
  [ -d "$case_dir/files" ] && cp -R "$case_dir/files/." "$work/"
  if [ -f "$case_dir/setup.sh" ]; then
    (cd "$work" && timeout 20 sh "$case_dir/setup.sh" >/dev/null 2>&1) || true
  fi

  seed="$out/whole_run/$name"
  if [ -f "$case_dir/stdin" ]; then cat "$case_dir/stdin" > "$seed"; else : > "$seed"; fi
  (cd "$work" && find . -mindepth 1 -maxdepth 1 -type d) | while IFS= read -r entry; do
    printf '\n@@\n%s/' "${entry#./}" >> "$seed"
  done
  (cd "$work" && find . -mindepth 1 -maxdepth 1 -type f) | while IFS= read -r entry; do
    head -c "$max_seed" "$work/${entry#./}" > "$head"
    printf '\n@@\n%s\n' "${entry#./}" >> "$seed"
    cat "$head" >> "$seed"
    base="${name}_$(printf '%s' "${entry#./}" | tr -c 'A-Za-z0-9._-' '_')"
    head -c "$max_lines_bytes" "$work/${entry#./}" | head -n 40 | cut -c 1-300 > "$lines"
    if head -n 10 "$lines" | cut -c 1-64 | grep -q DMA; then
      { printf '\000\000'; cat "$head"; } > "$out/smps_scanner/$base"
      { printf '\000\005'; cat "$head"; } > "$out/scans_readers/$base"
    else
      { printf '\000\000'; cat "$head"; } > "$out/ccn_scanner/$base"
      { printf '\001\005'; cat "$head"; } > "$out/scans_readers/$base"
    fi
    { printf '\001\020\100'; cat "$head"; } > "$out/record_reader/$base"
    i=0
    cut -c 9- "$lines" | while IFS= read -r line; do
      i=$((i + 1))
      printf '\003\000%s\n' "$line" > "$out/value_reader/${base}_$i"
    done
  done
done

# The tables the cases expect seed the reader of vortelin-overview; the first
# byte says which table a seed is (0 scn_smps.dat, 1 scn_ccnc.dat).
for table in "$cases"/*/expected/scn_smps.dat "$cases"/*/expected/scn_ccnc.dat; do
  [ -f "$table" ] || continue
  case_name=$(basename "$(dirname "$(dirname "$table")")")
  case $table in *smps.dat) kind='\000' ;; *) kind='\001' ;; esac
  { printf "$kind"; head -c "$max_seed" "$table"; } > "$out/overview_tables/${case_name}_$(basename "$table")"
done

# The scans tables of vortelin-scans' cases seed it too (first byte 2).
for table in "$cases"/../../scans/cases/*/expected/outputs/scn_scans.csv; do
  [ -f "$table" ] || continue
  case_name=$(basename "$(dirname "$(dirname "$(dirname "$table")")")")
  { printf '\002'; head -c "$max_seed" "$table"; } > "$out/overview_tables/${case_name}_scn_scans.csv"
done
