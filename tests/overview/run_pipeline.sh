#!/usr/bin/env bash
# The example folder from instrument files to picture, so that a change to a
# table that breaks the picture fails the suite:
#   run_pipeline.sh EXAMPLES VORTELIN SCANS OVERVIEW
# In a copy of EXAMPLES, runs VORTELIN on the answer the README gives it, then
# SCANS (vortelin-scans; skipped when empty), then OVERVIEW, and checks that
# every row of every table has its bar: each CCN file's and each export's row in
# a bar's hover title, or, for an export with samples in scn_scans.csv, each of
# its samples as "EXPORT sample N:".
set -euo pipefail
examples=$1
vortelin=$2
scans=$3
overview=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$examples/." "$work/"
rm -f "$work"/scn_*
cd "$work"
"$vortelin" < answer.txt > vortelin.out 2>&1 || { cat vortelin.out >&2; exit 1; }
if [ -n "$scans" ]; then
  "$scans" > scans.out 2>&1 || { cat scans.out >&2; exit 1; }
  [ -f scn_scans.csv ] || { echo "vortelin-scans wrote no scn_scans.csv" >&2; exit 1; }
fi
"$overview" > overview.out 2>&1 || { cat overview.out >&2; exit 1; }
cat overview.out

failed=0
bars=$(grep -F '<rect class="bar"' scn_overview.svg || true)
has_bar() { grep -qF -- "$1" <<< "$bars" || { echo "no bar's title holds: $1" >&2; failed=1; }; }
xml() { local text=${1//&/&amp;}; text=${text//</&lt;}; printf '%s' "${text//>/&gt;}"; }

# A row is a blank, the quoted name, the fixed-width fields, then CR LF.
sampled=""
if [ -f scn_scans.csv ]; then
  if grep -q '"' scn_scans.csv; then
    echo "run_pipeline.sh: scn_scans.csv quotes a field; this check reads plain fields only" >&2
    exit 1
  fi
  while IFS=, read -r export sample _; do
    has_bar "$(xml "$export") sample $(xml "$sample"):"
  done < <(tail -n +2 scn_scans.csv | tr -d '\r')
  sampled=$(tail -n +2 scn_scans.csv | cut -d, -f1 | sort -u)
fi
while IFS= read -r name; do
  grep -qxF -- "$name" <<< "$sampled" || has_bar "\"$(xml "$name")\""
done < <(LC_ALL=C awk 'FNR > 1 { print substr($0, 3, length($0) - 64 - 3) }' scn_smps.dat)
while IFS= read -r name; do
  has_bar "\"$(xml "$name")\""
done < <(LC_ALL=C awk 'FNR > 1 { print substr($0, 3, length($0) - 54 - 3) }' scn_ccnc.dat)
[ "$failed" = 0 ] && echo "every row of the tables has its bar"
exit "$failed"
