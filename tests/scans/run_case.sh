#!/usr/bin/env bash
# Runs one whole-process case of vortelin-scans:
#   run_case.sh CASE_DIR PROGRAM VERSION
# In a fresh folder holding a copy of CASE_DIR/files/ (after CASE_DIR/setup.sh,
# run there with sh), runs PROGRAM with the arguments in CASE_DIR/args (one a
# line) and standard input from CASE_DIR/stdin (or nothing), then checks
# CASE_DIR/expected/: `status`; `stdout` exactly (none: empty; @VERSION@ stands
# for VERSION); `stderr_lines`, lines that must each be a whole line of
# standard error; `outputs/PATH`, the files the run must leave with exactly
# these bytes. Any other file the run creates or changes fails the case.
# VORTELIN_SCANS_BINARY, when set, is the program instead of PROGRAM (the
# Windows build), started through VORTELIN_SCANS_LAUNCHER (wine) when that is
# set; a case holding skip_on_windows is skipped for a .exe, and skip_as_root
# when run as root.
set -euo pipefail
case_dir=$(cd "$1" && pwd)
program=${VORTELIN_SCANS_BINARY:-$2}
version=$3
expected=$case_dir/expected
launcher=()
[ -n "${VORTELIN_SCANS_LAUNCHER:-}" ] && launcher=("$VORTELIN_SCANS_LAUNCHER")

if [ -f "$case_dir/skip_on_windows" ] && [[ $program == *.exe ]]; then
  echo "SKIPPED: not on Windows: $(cat "$case_dir/skip_on_windows")"
  exit 0
fi
if [ -f "$case_dir/skip_as_root" ] && [ "$(id -u)" = 0 ]; then
  echo "SKIPPED: runs as root, who reads any file"
  exit 0
fi

top=$(mktemp -d)
work=$top/work
trap 'chmod -R u+rwx "$top" 2>/dev/null; rm -rf "$top"' EXIT
mkdir "$work"
[ -d "$case_dir/files" ] && cp -R "$case_dir/files/." "$work/"
if [ -f "$case_dir/setup.sh" ]; then (cd "$work" && sh "$case_dir/setup.sh"); fi
args=()
if [ -f "$case_dir/args" ]; then mapfile -t args < "$case_dir/args"; fi
input=/dev/null
[ -f "$case_dir/stdin" ] && input=$case_dir/stdin
# Every file's checksum before the run (what cannot be read counts as such).
snapshot() { (cd "$work" && find . \( -type f -o -type l \) -print | while IFS= read -r f; do
  printf '%s\t%s\n' "$f" "$(cksum < "$f" 2>/dev/null || echo unreadable)"; done | LC_ALL=C sort); }
before=$(snapshot)

set +e
(cd "$work" && timeout 60 "${launcher[@]}" "$program" "${args[@]}" < "$input" > "$top/stdout" 2> "$top/stderr")
status=$?
set -e

failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }
[ "$status" = "$(cat "$expected/status")" ] || fail "status $status, expected $(cat "$expected/status")"
if [ -f "$expected/stdout" ]; then
  sed "s/@VERSION@/$version/" "$expected/stdout" > "$top/expected_stdout"
else
  : > "$top/expected_stdout"
fi
if ! cmp -s "$top/expected_stdout" "$top/stdout"; then
  fail "stdout differs"
  diff -u "$top/expected_stdout" "$top/stdout" | cat -A | head -40 >&2 || true
fi
# Windows writes its own line ends on standard error; lines are compared without a CR.
tr -d '\r' < "$top/stderr" > "$top/stderr_lf"
if [ -f "$expected/stderr_lines" ]; then
  while IFS= read -r line || [ -n "$line" ]; do
    grep -qxF -- "$line" "$top/stderr_lf" || fail "no line on standard error: $line"
  done < "$expected/stderr_lines"
fi
if [ -d "$expected/outputs" ]; then
  while IFS= read -r path; do
    path=${path#./}
    if [ ! -f "$work/$path" ]; then
      fail "$path was not written"
    elif ! cmp -s "$expected/outputs/$path" "$work/$path"; then
      fail "$path differs"
      diff -u <(cat -A "$expected/outputs/$path") <(cat -A "$work/$path") | head -40 >&2 || true
    fi
  done < <(cd "$expected/outputs" && find . -type f | LC_ALL=C sort)
fi
# Nothing else was created or changed.
after=$(snapshot)
changed=$(LC_ALL=C comm -13 <(echo "$before") <(echo "$after") | cut -f1 |
  while IFS= read -r f; do [ -f "$expected/outputs/${f#./}" ] || echo "$f"; done)
[ -z "$changed" ] || fail "files created or changed that the case does not expect: $changed"
if [ "$failed" != 0 ]; then
  echo "--- stderr ---" >&2
  cat "$top/stderr" >&2
fi
[ "$failed" = 0 ] && echo "passed: $(basename "$case_dir")"
exit "$failed"
