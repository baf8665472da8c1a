#!/usr/bin/env bash
# Starts the program the way the README says, with the run command, in a build
# folder of its own on a virtual X server the size of a small screen; waits for
# the main window, keeps a screenshot of it, and checks that the run command
# built the program and its manual but none of the test programs.
set -u
root="$1"; dir="$2"; shot="$3"
export QT_QPA_PLATFORM=xcb VORTESALIN_BUILD_DIR="$dir"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  bash "$0/scripts/vortesalin.sh" run >"$2.log" 2>&1 & pid=$!
  for i in $(seq 1 1200); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"VORTESALIN"; then
      sleep 1
      xwd -root -silent | convert xwd:- "png:$1" 2>/dev/null
      kill $pid 2>/dev/null; wait $pid 2>/dev/null
      echo "main window appeared"
      exit 0
    fi
    kill -0 $pid 2>/dev/null || break
    sleep 0.5
  done
  kill $pid 2>/dev/null
  cat "$2.log" >&2
  echo "main window did not appear" >&2
  exit 1
' "$root" "$shot" "$dir" || exit 1
for f in vortesalin ayudaVORTESALIN.pdf; do
  [ -f "$dir/$f" ] || { echo "the run command did not build $f" >&2; exit 1; }
done
built=$(find "$dir" -type f \( -name '*_tests' -o -name '*_tests_san' -o -name 'vortesalin-bench' -o -name 'vortesalin_bench' \) | head -n 5)
if [ -n "$built" ]; then
  echo "the run command built more than the program:" >&2
  echo "$built" >&2
  exit 1
fi
