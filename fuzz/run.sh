#!/bin/sh
# Runs one fuzz target as a test: run.sh NAME CORPUS TARGET [libFuzzer arguments and seeds...]
# CORPUS comes first among the target's directories, so what the run finds is kept there (never
# among the seeds); it is made when missing. libFuzzer's output is shown as it was, and the last
# line is the target's throughput, "fuzz_NAME: N inputs/s" (from -print_final_stats=1). The exit
# status is the target's.
name=$1
corpus=$2
target=$3
shift 3
mkdir -p "$corpus" || exit 1
log="$corpus.log"
"$target" "$corpus" "$@" >"$log" 2>&1
status=$?
cat "$log"
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
echo "fuzz_$name: ${rate:-unknown} inputs/s"
exit $status
