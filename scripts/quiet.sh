# Sourced by the scripts a newcomer runs: each step prints one line, what it prints goes
# to a log file, and a failure shows the log's last lines and where the whole of it is.

# quietly LOG WHAT COMMAND...: "WHAT... done, 41 s; log: LOG", or on a failure the log's
# last lines; returns the command's status.
quietly() {
  local log=$1 what=$2 start=$SECONDS status=0
  shift 2
  mkdir -p "$(dirname "$log")"
  printf '%s... ' "$what"
  "$@" >"$log" 2>&1 </dev/null || status=$?
  if [ "$status" = 0 ]; then
    echo "done, $((SECONDS - start)) s; log: $log"
  else
    echo "FAILED after $((SECONDS - start)) s; the last lines of $log:"
    tail -n 30 "$log" | sed 's/^/  /'
  fi
  return "$status"
}

# run_tests PRESET DIR [CTEST OPTIONS...]: CTest's test preset PRESET, whose build folder is
# DIR, its output in DIR/ctest.log; one line with how many passed, or the failing tests and
# where their output is. Leaves "passed run seconds" in DIR/tests-summary for a summary table.
run_tests() {
  local name=$1 dir=$2 start=$SECONDS status=0 failed run
  shift 2
  ctest --preset "$name" "$@" >"$dir/ctest.log" 2>&1 </dev/null || status=$?
  run=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$dir/ctest.log" | tail -n 1)
  failed=$(sed -n 's/.*, \([0-9]*\) tests failed out of .*/\1/p' "$dir/ctest.log" | tail -n 1)
  run=${run:-0}
  local passed=$((run - ${failed:-0}))
  echo "$passed $run $((SECONDS - start))" >"$dir/tests-summary"
  if [ "$status" = 0 ]; then
    echo "$name: $passed of $run tests passed, $((SECONDS - start)) s; log: $dir/ctest.log"
  else
    echo "$name: FAILED; $passed of $run tests passed. Their output is in $dir/ctest.log:"
    sed -n '/The following tests FAILED:/,$p' "$dir/ctest.log" | grep -v '^Errors while' | sed 's/^/  /'
  fi
  return "$status"
}
