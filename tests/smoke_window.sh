#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built editor in a real X server and waits for its main window.
# The arguments are the command that starts it (the Windows one: wine-run
# and the program).
command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null || {
    echo "xvfb-run or xwininfo missing (Debian: xvfb, x11-utils); skipped"
    exit 77
}
unset QT_QPA_PLATFORM
# Exit codes of one try: 0 window shown, 1 no window, 3 no X server to talk to.
try() {
    xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        title="J3K&J3LM(BLE) parameter setting sofeware  V3.0"
        log=$(mktemp) && trap "rm -f $log" EXIT
        "$@" 2>"$log" & pid=$!
        # Once, on a loaded machine, Wine showed no window within 30 s.
        for _ in $(seq 1 600); do
            if ! kill -0 $pid 2>/dev/null; then
                cat "$log"
                grep -q "could not connect to display" "$log" && exit 3
                echo "editor exited before showing a window"; exit 1
            fi
            xwininfo -root -tree | grep -F "\"$title\"" && { kill $pid; exit 0; }
            sleep 0.1
        done
        echo "no window titled \"$title\" within 60 s; the windows there:"
        xwininfo -root -tree | grep -F "\"" || echo "(none)"
        cat "$log"; kill $pid; exit 1' _ "$@"
}
# xvfb-run -a can hand two servers started at the same moment the same
# display; that is the X server's trouble, not the editor's, so try again.
for attempt in 1 2 3; do
    try "$@"
    status=$?
    [ $status -ne 3 ] && exit $status
    echo "no X server on attempt $attempt; trying again"
done
exit 1
