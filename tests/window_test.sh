#!/usr/bin/env bash
# Starts each program in a real window under Xvfb, asks its window to close
# as the close box does, and expects the program to end with status 0; first,
# the X error of a late wake-up must not end a program.
# With --cpu it also reports the processor time a program waiting for a key
# takes over a few seconds.
set -u
bin=$1
mode=${2:-}
command -v Xvfb >/dev/null || { echo "Xvfb is missing"; exit 1; }
. "$(dirname "$0")/xvfb.sh"
numfile=$(mktemp)
trap 'kill $xvfb 2>/dev/null; rm -f "$numfile"' EXIT
start_xvfb "$numfile" 1600x1000 || { echo "Xvfb did not start"; exit 1; }
status=0
"$bin/late_wakeup" || status=1
for program in telmira sundrel orvane; do
  title=$(echo "$program" | sed 's/./\U&/')
  "$bin/$program" &
  pid=$!
  if [ "$mode" = "--cpu" ]; then
    sleep 2
    t0=$(awk '{print $14+$15}' /proc/$pid/stat)
    sleep 5
    t1=$(awk '{print $14+$15}' /proc/$pid/stat)
    ticks=$(getconf CLK_TCK)
    echo "$program: $(awk -v a="$t0" -v b="$t1" -v t="$ticks" 'BEGIN{printf "%.1f", (b-a)/t/5*100}')% of one core while waiting for a key"
  fi
  if ! "$bin/close_window" "$title"; then kill $pid; status=1; continue; fi
  for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  # A request sent while the window was still being set up may be lost: ask once more.
  if kill -0 $pid 2>/dev/null; then
    "$bin/close_window" "$title"
    for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  fi
  if kill -0 $pid 2>/dev/null; then echo "$program: still running after its window was closed"; kill $pid; status=1; continue; fi
  wait $pid; rc=$?
  echo "$program: exit status $rc"
  [ $rc -eq 0 ] || status=1
done
exit $status
