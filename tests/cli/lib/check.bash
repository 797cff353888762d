# Helpers for the mousecfg tests: run a command and compare its exit code and output.
failures=0

# expect_exit CODE -- COMMAND...: runs COMMAND, keeps stdout and stderr in $out and $err.
expect_exit() {
    local expected=$1
    shift 2
    out=$("$@" 2>"$work/stderr") && status=0 || status=$?
    err=$(cat "$work/stderr")
    if [ "$status" != "$expected" ]; then
        echo "FAIL: '$*' exited $status, expected $expected (stderr: $err)"
        failures=$((failures + 1))
    fi
}

# expect_one_stderr_line: the last command said exactly one line on stderr.
expect_one_stderr_line() {
    if [ "$(printf '%s\n' "$err" | grep -c .)" != 1 ]; then
        echo "FAIL: expected one line on stderr, got: $err"
        failures=$((failures + 1))
    fi
}

expect_equal() {
    if [ "$1" != "$2" ]; then
        printf 'FAIL: %s\n--- expected\n%s\n--- got\n%s\n' "$3" "$2" "$1"
        failures=$((failures + 1))
    fi
}

finish() {
    [ "$failures" = 0 ] && echo "all passed" || { echo "$failures failure(s)"; exit 1; }
}
