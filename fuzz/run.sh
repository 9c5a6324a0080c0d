#!/bin/sh
# Runs one fuzz target for a number of seconds, on a corpus seeded from the
# whole-process cases the first time, with the committed seeds and past
# findings (fuzz/corpus/TARGET, fuzz/findings/TARGET) read as well:
#   fuzz/run.sh TARGET SECONDS [extra libFuzzer flags]
# TARGET is value_reader, record_reader, smps_scanner, ccn_scanner, whole_run or
# overview_tables.
# Build the targets first: cmake --preset fuzz && cmake --build --preset fuzz
# Crash inputs go to build/fuzz/artifacts/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORTELIN_FUZZ_BUILD:-$root/build/fuzz}
target=$1
seconds=$2
shift 2
[ -d "$build/corpus/$target" ] || "$root/fuzz/seed_corpora.sh" "$root/tests/e2e/cases" "$build/corpus"
mkdir -p "$build/artifacts" "$build/corpus/$target"
# New inputs go to the first corpus folder, the build's; the committed ones are only read.
committed=""
for folder in "$root/fuzz/corpus/$target" "$root/fuzz/findings/$target"; do
  [ -d "$folder" ] && committed="$committed $folder"
done
flags=""
# The whole run points standard error at a file while the program runs; the
# fuzzer's own messages then go to a copy of the real one.
[ "$target" = whole_run ] && flags="-close_fd_mask=2"
# The words of an export help the targets that read whole exports.
case $target in smps_scanner | whole_run) flags="$flags -dict=$root/fuzz/export.dict" ;; esac
cd "$build"
exec nice -n 10 "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/$target-" $flags "$@" "$build/corpus/$target" $committed
