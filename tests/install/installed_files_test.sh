#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop finds there: the two
# programs, the menu entry, the icons in the sizes their folders promise, the software-centre
# description, the manual page and the systemd user units, validated by the desktop's own tools.
#   installed_files_test.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d "${TMPDIR:-/tmp}/orvane-install.XXXXXX")"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in orvane orvanectl; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
[ -s "$prefix/share/doc/orvane/orvane-help.html" ] || fail "the user guide is not installed"

desktop="$prefix/share/applications/org.example.Orvane.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
grep -qx 'Categories=Office;Calendar;' "$desktop" || fail "the menu entry's categories"
grep -q '^Name\[ru\]=' "$desktop" || fail "the menu entry has no Russian name"

metainfo="$prefix/share/metainfo/org.example.Orvane.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses $metainfo"
grep -q '<screenshot type="default">' "$metainfo" || fail "the description shows no screenshot"

for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/org.example.Orvane.png"
  [ "$(identify -format '%w %h' "$icon")" = "$size $size" ] || fail "$icon is not $size x $size"
done
svg="$prefix/share/icons/hicolor/scalable/apps/org.example.Orvane.svg"
xmllint --noout "$svg" || fail "$svg is not well-formed"

man="$prefix/share/man/man1/orvanectl.1"
grep -q '^\.SH SYNOPSIS\|^\.SH DESCRIPTION' "$man" || fail "$man has no description"
for command in dump upcoming export import; do
  grep -q "$command" "$man" || fail "$man does not describe $command"
done
grep -q '^\.SH "SEE ALSO"\|^\.SH SEE ALSO' "$man" || fail "$man has no SEE ALSO"

units="$prefix/lib/systemd/user"
# The manual page they name lies under this prefix, where man does not look: it is checked above.
grep -qx "ExecStart=$prefix/bin/orvanectl notify" "$units/orvane-remind.service" || fail "the service runs no orvanectl notify"
systemd-analyze --user --man=no verify "$units/orvane-remind.service" "$units/orvane-remind.timer" \
  || fail "systemd-analyze refuses the user units"
echo "installed files: OK"
