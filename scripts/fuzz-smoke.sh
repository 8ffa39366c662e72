#!/usr/bin/env bash
# Builds the libFuzzer targets (the `fuzz` preset, clang) into ./build-fuzz and
# runs each one briefly from its seed corpus, all four side by side.
#   FUZZ_SECONDS  time per target (default 30)
# A crash, leak, sanitizer report or timeout fails the run; the input that
# caused it is left in build-fuzz/findings/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${FUZZ_SECONDS:-30}"
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

declare -A corpusOf=([profileImport]=import [store]=store [scenario]=scenario [keyboardLink]=link)
mkdir -p build-fuzz/findings
pids=()
targets=()
for target in profileImport store scenario keyboardLink; do
    seeds="build-fuzz/seeds/$target"
    work="build-fuzz/corpus/$target"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$work"
    for seed in tests/fuzz/corpus/"${corpusOf[$target]}"/*; do
        name="$(basename "$seed")"
        if [[ "$seed" == *.hex ]]; then
            # Reports are kept as hex text; the fuzzer reads raw bytes.
            printf "$(tr -d ' \n' <"$seed" | sed 's/\(..\)/\\x\1/g')" >"$seeds/${name%.hex}"
        else
            cp "$seed" "$seeds/$name"
        fi
    done
    "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/fuzz_$target-" "$work" "$seeds" \
        >"build-fuzz/fuzz_$target.log" 2>&1 &
    pids+=($!)
    targets+=("$target")
done

status=0
for i in "${!pids[@]}"; do
    if wait "${pids[$i]}"; then
        echo "fuzz_${targets[$i]}: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/fuzz_${targets[$i]}.log" | grep -o '[0-9]*$') runs, no finding"
    else
        status=1
        echo "fuzz_${targets[$i]}: FINDING (build-fuzz/fuzz_${targets[$i]}.log)"
        tail -n 40 "build-fuzz/fuzz_${targets[$i]}.log"
    fi
done
exit $status
