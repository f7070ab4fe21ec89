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
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    exe=$1 title=$2
    "$exe" & pid=$!
    for _ in $(seq 1 150); do
        if ! kill -0 "$pid" 2>/dev/null; then echo "editor exited before showing a window"; exit 1; fi
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
