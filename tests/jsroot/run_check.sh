#!/bin/sh
# Runs one JSROOT check: run_check.sh JSDIR FIXTURE written|genuine [SHARED_DIR]
# Node's output goes through a file so that a library dumping its sources cannot flood the log.
jsdir="$1"
fixture="$2"
mode="$3"
log="$jsdir/$mode.log"
cd "$jsdir" || exit 1
if [ "$mode" = written ]; then
    out="$jsdir/written"
    rm -rf "$out" && mkdir -p "$out" || exit 1
    "$fixture" write "$out" || exit 1
    node check_written.mjs "$out" > "$log" 2>&1
    rc=$?
else
    files=$(ls "$4"/testdata/rootfiles/*.root 2>/dev/null)
    if [ -z "$files" ]; then
        echo "no genuine files in $4/testdata/rootfiles: skipped"
        exit 77
    fi
    # shellcheck disable=SC2086
    node check_genuine.mjs "$fixture" $files > "$log" 2>&1
    rc=$?
fi
head -c 20000 "$log"
exit $rc
