#!/usr/bin/env bash
# Runs one whole-process case of vortelin-overview:
#   run_case.sh CASE_DIR PROGRAM PROJECT_ROOT VERSION
# In a fresh folder holding a copy of CASE_DIR/files/ (after CASE_DIR/setup.sh,
# run there), runs PROGRAM with the arguments in CASE_DIR/args (one a line) and
# checks what CASE_DIR/expected/ holds: status, stdout and stderr exactly;
# `picture`, the one SVG file the run must write (without it, it must write
# none); `titles`, texts that bars' hover titles must hold, one a line; `bars`,
# how many bars the picture has; `contains`, texts the picture must hold
# anywhere, one a line. @VERSION@ in stdout stands for VERSION.
set -euo pipefail
case_dir=$1
program=$2
export PROJECT_ROOT=$3
version=$4
expected=$case_dir/expected

work=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
[ -d "$case_dir/files" ] && cp -R "$case_dir/files/." "$work/"
if [ -f "$case_dir/setup.sh" ]; then (cd "$work" && bash "$case_dir/setup.sh"); fi
args=()
if [ -f "$case_dir/args" ]; then mapfile -t args < "$case_dir/args"; fi
before=$(cd "$work" && find . -name '*.svg' | sort)

set +e
(cd "$work" && timeout 30 "$program" "${args[@]}" < /dev/null > "$work/.stdout" 2> "$work/.stderr")
status=$?
set -e

failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }
[ "$status" = "$(cat "$expected/status")" ] || fail "status $status, expected $(cat "$expected/status")"
sed "s/@VERSION@/$version/" "$expected/stdout" > "$work/.expected_stdout"
if ! diff -u "$work/.expected_stdout" "$work/.stdout" >&2; then fail "stdout differs"; fi
if ! diff -u "$expected/stderr" "$work/.stderr" >&2; then fail "stderr differs"; fi

after=$(cd "$work" && find . -name '*.svg' -o -name '*.part' | sort)
if [ -f "$expected/picture" ]; then
  picture=$work/$(cat "$expected/picture")
  [ -s "$picture" ] || fail "no picture $(cat "$expected/picture")"
  if [ -f "$expected/titles" ]; then
    while IFS= read -r title; do
      grep -F '<rect class="bar' "$picture" | grep -qF -- "$title" || fail "no bar's title holds: $title"
    done < "$expected/titles"
  fi
  if [ -f "$expected/contains" ]; then
    while IFS= read -r text; do
      grep -qF -- "$text" "$picture" || fail "the picture does not hold: $text"
    done < "$expected/contains"
  fi
  if [ -f "$expected/bars" ]; then
    bars=$(grep -c '<rect class="bar' "$picture" || true)
    [ "$bars" = "$(cat "$expected/bars")" ] || fail "$bars bars, expected $(cat "$expected/bars")"
  fi
  # The picture stands alone: no script, no link to another file.
  ! grep -qiE '<script|href=|url\(|@import' "$picture" || fail "the picture refers to something"
elif [ "$before" != "$after" ]; then
  fail "a picture was written: $after"
fi
[ "$failed" = 0 ] && echo "passed: $(basename "$case_dir")"
exit "$failed"
