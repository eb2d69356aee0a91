#!/usr/bin/env bash
# Line and branch coverage of the product code by the whole suite, per folder.
# Builds the coverage preset (build-coverage/), runs every test, and prints one row per folder;
# the whole report as HTML lands in build-coverage/coverage/index.html.
# Usage: scripts/coverage.sh [ctest arguments, e.g. -L unit]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-missing.sh gcovr

cmake --preset coverage >/dev/null
cmake --build --preset coverage
find build-coverage -name '*.gcda' -delete
# A failing test still leaves its counters; the figures then show what the rest reached.
ctest --preset coverage -j2 "$@" || echo "Some tests failed; coverage of the others follows." >&2

folders=(base model files device report firmware app platform commandline ui cli sim bench)
# Branches the compiler adds for exceptions say nothing about the tests.
common=(--root . --object-directory build-coverage --exclude-directories 'build-coverage/CMakeFiles'
        --exclude-throw-branches --exclude-unreachable-branches
        --exclude 'build-coverage/.*' --exclude 'tests/.*' --exclude 'fuzz/.*')
mkdir -p build-coverage/coverage
gcovr "${common[@]}" --json build-coverage/coverage/all.json \
      --html-details build-coverage/coverage/index.html >/dev/null

python3 - "${folders[@]}" <<'PY'
import json, sys
files = json.load(open("build-coverage/coverage/all.json"))["files"]
def tally(prefix):
    lines = [l for f in files if f["file"].startswith(prefix) for l in f["lines"]
             if not l.get("gcovr/noncode")]
    branches = [b for l in lines for b in l["branches"]]
    hit = sum(1 for l in lines if l["count"] > 0)
    taken = sum(1 for b in branches if b["count"] > 0)
    return hit, len(lines), taken, len(branches)
def pct(a, b):
    return f"{100 * a / b:5.1f} %" if b else "    – "
print(f"{'folder':<12} {'lines':>17} {'branches':>17}")
total = [0, 0, 0, 0]
for folder in sys.argv[1:]:
    t = tally(folder + "/")
    total = [x + y for x, y in zip(total, t)]
    print(f"{folder:<12} {pct(t[0], t[1])} {t[0]:>5}/{t[1]:<5} {pct(t[2], t[3])} {t[2]:>5}/{t[3]:<5}")
print(f"{'all':<12} {pct(total[0], total[1])} {total[0]:>5}/{total[1]:<5} "
      f"{pct(total[2], total[3])} {total[2]:>5}/{total[3]:<5}")
PY
