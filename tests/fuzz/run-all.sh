#!/usr/bin/env bash
# Runs every fuzz target (each tests/fuzz/*.cpp) of a fuzz build for a bounded
# time, starting from its seed corpus tests/fuzz/corpus/<target>/ when there is
# one. A crash, sanitizer report, leak or hang fails the run; the input that
# caused it is kept in <build>/fuzz-artifacts/<target>/ and the log says how
# to replay it.
#
#   run-all.sh BUILD_DIR [SECONDS_PER_TARGET] [PARALLEL_RUNS]
set -uo pipefail

build=$(cd "${1:?usage: run-all.sh BUILD_DIR [SECONDS] [JOBS]}" && pwd)
seconds=${2:-20}
jobs=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)

# One target; prints one summary line, or the log's end and the replay command.
run_one() {
    local name=$1
    local bin=$build/tests/$name
    local work=$build/fuzz-corpus/$name
    local artifacts=$build/fuzz-artifacts/$name
    local log=$build/fuzz-logs/$name.log
    mkdir -p "$work" "$artifacts" "$(dirname "$log")"
    local seeds=()
    [[ -d $here/corpus/$name ]] && seeds=("$here/corpus/$name")
    if [[ ! -x $bin ]]; then
        echo "fuzz $name: FAILED, $bin was not built"
        return 1
    fi
    # New inputs go to the build folder's corpus, never into the repository's seeds.
    "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work" "${seeds[@]}" >"$log" 2>&1
    local rc=$?
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [[ $rc -eq 0 ]]; then
        echo "fuzz $name: ok, ${runs:-?} inputs in ${seconds} s"
        return 0
    fi
    {
        echo "fuzz $name: FAILED (exit code $rc); the end of $log:"
        tail -n 40 "$log" | sed 's/^/    /'
        local found
        for found in "$artifacts"/*; do
            [[ -e $found ]] && echo "    replay: $bin $found"
        done
    }
    return 1
}

targets=()
for src in "$here"/*.cpp; do
    targets+=("$(basename "$src" .cpp)")
done
if [[ ${#targets[@]} -eq 0 ]]; then
    echo "fuzz: no targets in $here"
    exit 1
fi

# Scratch files of the targets stay inside the build folder, even after a crash.
export TMPDIR=$build/fuzz-tmp
mkdir -p "$TMPDIR"

echo "fuzz: ${#targets[@]} targets, ${seconds} s each, ${jobs} at a time"
started=$SECONDS
failed=0
running=0
for name in "${targets[@]}"; do
    if [[ $running -ge $jobs ]]; then
        wait -n || failed=$((failed + 1))
        running=$((running - 1))
    fi
    run_one "$name" &
    running=$((running + 1))
done
while [[ $running -gt 0 ]]; do
    wait -n || failed=$((failed + 1))
    running=$((running - 1))
done
echo "fuzz: $((${#targets[@]} - failed)) of ${#targets[@]} targets passed in $((SECONDS - started)) s"
[[ $failed -eq 0 ]]
