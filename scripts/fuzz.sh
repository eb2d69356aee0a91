#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang with ASan and UBSan) and runs each for
# SECONDS (default 20) with its dictionary, on a working corpus in build-fuzz/corpus/ seeded
# from the committed one in fuzz/corpus/, two at a time. Fails when one finds a fault; the input
# is kept in build-fuzz/findings/. Skips cleanly when clang or its fuzzer runtime is missing.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
[ $# -gt 0 ] && shift
all=(fuzz_ini fuzz_parameterfile fuzz_hexrecord fuzz_hexfile fuzz_eepromdump fuzz_numbertext
     fuzz_serial)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
    > "$probe/probe.cpp"
if ! command -v clang++ >/dev/null ||
   ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
       2>/dev/null; then
    echo "fuzz: clang++ with libFuzzer is not installed; fuzzing skipped."
    exit 0
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
mkdir -p build-fuzz/findings build-fuzz/logs
# One target on its own core: each gets its full time, two run at once.
fuzz_one() {
    local target=$1 work=build-fuzz/corpus/$1 log=build-fuzz/logs/$1.log
    mkdir -p "$work"
    local options=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
                   -artifact_prefix="build-fuzz/findings/$target-" -dict="fuzz/dict/$target.dict")
    if ! build-fuzz/fuzz/"$target" "${options[@]}" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz: $target found a fault; the input is in build-fuzz/findings/."
        return 1
    fi
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz: $target ok, $runs runs in $seconds s, corpus $(ls "$work" | wc -l) + $(ls "fuzz/corpus/$target" | wc -l) seeds"
}
failed=0
running=0
for target in "${targets[@]}"; do
    if [ "$running" -eq 2 ]; then
        wait -n || failed=1
        running=1
    fi
    fuzz_one "$target" &
    running=$((running + 1))
done
for _ in $(seq "$running"); do
    wait -n || failed=1
done
exit "$failed"
