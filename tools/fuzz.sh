#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz/*.cpp) with clang, ASan and UBSan,
# and runs each over its seeds for a fixed time; any crash, hang, leak or
# sanitizer finding fails. Seeds: tests/fuzz/corpus/<target>/ plus the demo
# game's files that tests/fuzz/<target>.seeds names (globs under the demo
# folder). New inputs libFuzzer finds stay in the build folder.
#
# clang cannot compile our UTF-8 literals to CP932, so the build runs on a
# mirror of the sources whose literals tools/cp932_sources.py has escaped.
#
# usage: tools/fuzz.sh [seconds per target, default 20]
# env:   FUZZ_BUILD_DIR (build-fuzz), DEMO_DIR (build/demo), FUZZ_JOBS (nproc),
#        FUZZ_TARGETS (names to run, default all)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-20}
dir=$root/${FUZZ_BUILD_DIR:-build-fuzz}
demo=${DEMO_DIR:-$root/build/demo}
jobs=${FUZZ_JOBS:-$(nproc)}

python3 tools/cp932_sources.py . "$dir/src"
# Line tables are enough for the sanitizers' stack traces and build faster.
CC=clang CXX=clang++ cmake -S "$dir/src" -B "$dir/out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG" -DBRINDLE_FUZZ=ON -DBRINDLE_BENCH=OFF >/dev/null
targets=${FUZZ_TARGETS:-$(cd tests/fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')}
# Only the targets that run are built, with as many jobs as run.
cmake --build "$dir/out" -j "$jobs" --target $targets

run_one() {
    local name=$1 work=$dir/run/$1
    rm -rf "$work/crashes" "$work/demo-seeds" && mkdir -p "$work/corpus" "$work/crashes" "$work/cwd"
    local seeds=()
    [ -d "$root/tests/fuzz/corpus/$name" ] && seeds+=("$root/tests/fuzz/corpus/$name")
    if [ -f "$root/tests/fuzz/$name.seeds" ] && [ -d "$demo" ]; then
        mkdir -p "$work/demo-seeds"
        # Each line: a glob under the demo folder, and optionally a byte (0-255)
        # that goes in front of each file (for targets whose first byte chooses a reader).
        while read -r pattern prefix; do
            [ -z "$pattern" ] && continue
            (cd "$demo" && for f in $pattern; do
                [ -f "$f" ] || continue
                out="$work/demo-seeds/${prefix:+$prefix-}$(basename "$f")"
                if [ -n "$prefix" ]; then
                    { printf "\\$(printf '%03o' "$prefix")"; cat "$f"; } >"$out"
                else
                    cp "$f" "$out"
                fi
            done)
        done <"$root/tests/fuzz/$name.seeds"
        seeds+=("$work/demo-seeds")
    fi
    # The targets run in a scratch folder: readers may log or write files.
    # DEMO_DIR tells targets that read a whole project where the demo game is.
    if (cd "$work/cwd" && DEMO_DIR="$demo" "$dir/out/$name" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
            -malloc_limit_mb=256 -print_final_stats=1 -artifact_prefix="$work/crashes/" \
            "$work/corpus" "${seeds[@]}" >"$work/log.txt" 2>&1); then
        echo "fuzz $name: ok, $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log.txt" | grep -o '[0-9]*$') runs in ${seconds}s"
    else
        echo "fuzz $name: FAILED (log: $work/log.txt, input: $work/crashes/)"
        tail -n 40 "$work/log.txt"
        return 1
    fi
}
export -f run_one
export dir demo root seconds
printf '%s\n' $targets | xargs -P "$jobs" -I{} bash -c 'run_one {}'
