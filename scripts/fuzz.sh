#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang (build-fuzz/, preset "fuzz") and runs
# each for the given number of seconds on its corpus:
#   scripts/fuzz.sh [seconds] [word_list|settings|numbers ...]     (default: 60 s, all three)
# Inputs that find new paths collect in build-fuzz/corpus/, never in the repository; a finding
# stops the run with the input saved as build-fuzz/crash-* (replay: build-fuzz/fuzz/fuzz_<target>
# <file>).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(word_list settings numbers)

"$root/scripts/deps.sh" clang libclang-rt-14-dev
build="$root/build-fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
(cd "$root" && cmake --preset fuzz "${launcher[@]}" >/dev/null)
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}" >"$build/build.log" ||
    { cat "$build/build.log"; exit 1; }

for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    mkdir -p "$work"
    log="$build/fuzz_$target.log"
    echo "fuzz_$target: $seconds s"
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/" "$work" "$root/fuzz/corpus/$target" \
        >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target: FINDING (whole log in $log)" >&2
        exit 1
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "fuzz_$target: ${runs:-?} runs, no finding"
done
