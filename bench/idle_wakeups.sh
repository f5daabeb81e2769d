#!/usr/bin/env bash
# What the calendar costs while nobody touches it: CPU time and wakeups (context switches, summed
# over its threads from /proc) over an idle period, in each state it waits in: shown, minimised,
# and hidden behind its tray icon (the pointer resting elsewhere: over the window, the status
# hints rotate every 2.5 s, as they should). It runs on a private X desktop (Xvfb, openbox,
# trayer, a session bus), on a new calendar.
#   bench/idle_wakeups.sh [BUILD_DIR] [SECONDS]     (defaults: build, 120; 10 s to settle first)
set -euo pipefail
build="${1:-build}"
seconds="${2:-120}"
orvane="$(realpath "$build/orvane")"
work="$(mktemp -d "${TMPDIR:-/tmp}/orvane-idle.XXXXXX")"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=":$(( (RANDOM % 400) + 500 ))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 & pids+=($!)
export DISPLAY="$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
bus="$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$work/bus.pid")"
pids+=("$(cat "$work/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS="$bus"
openbox --sm-disable >/dev/null 2>&1 & pids+=($!)
trayer --edge top --align right --widthtype request --height 24 --SetDockType false >/dev/null 2>&1 & pids+=($!)

# One line per thread of $1: its id, utime+stime (clock ticks), voluntary+involuntary switches.
threads() {
  local task
  for task in /proc/"$1"/task/*; do
    read -r -a stat < <(sed 's/^.*) //' "$task/stat")
    echo "${task##*/} $(( stat[11] + stat[12] )) $(awk '/ctxt_switches/ {s += $2} END {print s}' "$task/status")"
  done
}

measure() { # $1: the state's name; nobody touches it: the pointer rests away from it
  xdotool mousemove 0 1023
  sleep 10
  threads "$pid" >"$work/before"
  sleep "$seconds"
  threads "$pid" >"$work/after"
  # A thread that ended in between is counted to its end; one that began, from its start.
  awk -v n="$1" -v sec="$seconds" -v hz="$(getconf CLK_TCK)" '
    NR == FNR { t[$1] = $2; s[$1] = $3; next }
    { ticks += $2 - t[$1]; switches += $3 - s[$1]; delete t[$1] }
    END {
      for (id in t) ended++
      printf "%-10s CPU %6.1f ms per minute   wakeups %5.2f per second%s\n", n, ticks * 1000 / hz * 60 / sec,
             switches / sec, ended ? sprintf("   (%d thread(s) ended)", ended) : ""
    }' "$work/before" "$work/after"
}

mkdir -p "$work/data" "$work/config/orvane" "$work/runtime"
chmod 700 "$work/runtime"
printf 'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Orvane]\n"OptionsFlag"="13399"\n' \
  >"$work/config/orvane/registry.reg"
ORVANE_AUTO_ANSWER=ok ORVANE_DATA_DIR="$work/data" XDG_CONFIG_HOME="$work/config" \
  XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$orvane" >"$work/orvane.log" 2>&1 & pid=$!
pids+=("$pid")
# The calendar's window: the widest of the program's (its tray icon is another).
calendar_window() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    echo "$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p') $w"
  done | sort -rn | awk 'NR == 1 && $1 > 100 {print $2}'
}
window=""
for _ in $(seq 600); do
  window="$(calendar_window)"
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the calendar did not show" >&2; cat "$work/orvane.log" >&2; exit 1; }

measure shown
xdotool windowminimize --sync "$window"
measure minimised
xdotool windowactivate "$window"; sleep 2
xdotool windowfocus --sync "$window" key Escape # hidden behind the tray icon
measure hidden
