#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a fresh root as dpkg would and runs both programs
# from the installed paths: orvanectl's help, and the calendar on the offscreen platform until
# SIGTERM ends it (saving the calendar it created).
#   package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d "${TMPDIR:-/tmp}/orvane-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb="$(ls "$work"/out/orvane_*.deb)"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for library in libqt6widgets6 libqt6dbus6 libqt6network6 qt6-wayland libxml2 libstdc++6 libc6; do
  grep -q "\b$library\b" <<<"$depends" || fail "the package does not depend on $library"
done

root="$work/root"
dpkg -x "$deb" "$root"
for file in usr/bin/orvane usr/bin/orvanectl usr/share/applications/org.example.Orvane.desktop \
            usr/share/man/man1/orvanectl.1 usr/share/doc/orvane/orvane-help.html; do
  [ -e "$root/$file" ] || fail "the package does not hold /$file"
done

export ASAN_OPTIONS=detect_leaks=0
# grep reads the whole help: one that stopped at the first line would cut the writer off (SIGPIPE).
"$root/usr/bin/orvanectl" --help | grep '^Usage: orvanectl' >/dev/null || fail "orvanectl --help"

home="$work/home"
mkdir -p "$home/data" "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
QT_QPA_PLATFORM=offscreen ORVANE_AUTO_ANSWER=ok ORVANE_DATA_DIR="$home/data" \
  XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$home/no-bus" \
  "$root/usr/bin/orvane" 2>"$work/orvane.err" &
pid=$!
# Up to a minute for the first save: a busy machine runs the sanitizer build slowly.
for _ in $(seq 600); do
  [ -s "$home/data/orvane.orvd" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null || { cat "$work/orvane.err" >&2; fail "orvane ended at start"; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { cat "$work/orvane.err" >&2; fail "orvane ended with $status after SIGTERM"; }
[ -s "$home/data/orvane.orvd" ] || fail "the installed orvane saved no calendar"
echo "package: OK"
