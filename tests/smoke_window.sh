#!/usr/bin/env bash
# Starts the built editor in a real X server and waits for its main window.
set -u
exe=$1
if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null; then
    echo "xvfb-run or xwininfo missing (Debian: xvfb, x11-utils); skipped"
    exit 77
fi
unset QT_QPA_PLATFORM
title='J3K&J3LM(BLE) parameter setting sofeware  V3.0'

# Exit codes of one try: 0 window shown, 1 no window, 3 no X server to talk to.
try() {
    xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        exe=$1 title=$2
        log=$(mktemp)
        "$exe" 2>"$log" & pid=$!
        for _ in $(seq 1 150); do
            if ! kill -0 "$pid" 2>/dev/null; then
                cat "$log"
                grep -q "could not connect to display" "$log" && exit 3
                echo "editor exited before showing a window"; exit 1
            fi
            line=$(xwininfo -root -tree | grep -F "\"$title\"")
            if [ -n "$line" ]; then
                echo "window shown: $line"
                kill "$pid"; wait "$pid" 2>/dev/null
                exit 0
            fi
            sleep 0.1
        done
        echo "no window titled \"$title\" within 15 s"
        kill "$pid"; exit 1' _ "$exe" "$title"
}

# xvfb-run -a can hand two servers started at the same moment the same
# display; that is the X server's trouble, not the editor's, so try again.
for attempt in 1 2 3; do
    try
    status=$?
    [ $status -ne 3 ] && exit $status
    echo "no X server on attempt $attempt; trying again"
    sleep 1
done
exit 1
