# Sourced by the scripts that need a real X display.
#   start_xvfb NUMBER_FILE SIZE [XVFB OPTIONS ...]
# starts Xvfb on a free display of its own choosing (it writes the number to
# NUMBER_FILE), so that runs in parallel never share one; sets xvfb to its
# process and exports DISPLAY. Returns 1 when it did not start.
start_xvfb() {
  local numfile=$1 size=$2
  shift 2
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp "$@" 3>"$numfile" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$numfile" ] && break; sleep 0.1; done
  [ -s "$numfile" ] || return 1
  export DISPLAY=:$(head -n1 "$numfile")
}
