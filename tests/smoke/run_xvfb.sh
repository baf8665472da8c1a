#!/usr/bin/env bash
# Starts the real program on a virtual X server, waits for the main window,
# and keeps a screenshot of it.
set -u
program="$1"; shot="$2"
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1400x1000x24" bash -c '
  "$0" & pid=$!
  for i in $(seq 1 60); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"VORTESALIN"; then
      sleep 1
      xwd -root -silent | convert xwd:- "png:$1" 2>/dev/null
      kill $pid 2>/dev/null; wait $pid 2>/dev/null
      echo "main window appeared"
      exit 0
    fi
    sleep 0.5
  done
  kill $pid 2>/dev/null
  echo "main window did not appear" >&2
  exit 1
' "$program" "$shot"
