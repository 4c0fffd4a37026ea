#!/usr/bin/env bash
# Installs the built program for a user with an empty home folder, as
# `make install` does, checks what landed where and that ".EVT" files open
# in Datevane, then uninstalls and checks that only the user's files and the
# desktop's regenerated caches are left. Then the same into a chosen prefix
# whose name needs quoting in the desktop entry.
#   install-test.sh BUILD SOURCE
set -euo pipefail

build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
mkdir -p "$HOME"
type=application/x-datevane-anniversaries

fail() { echo "FAILED: $*" >&2; exit 1; }
expect_file() { [ -f "$1" ] || fail "missing $1"; }
# The regular files and links under a folder, one relative name a line.
contents() { (cd "$1" && find . ! -type d | sort); }

install_into() { cmake --install "$build" --prefix "$1" >/dev/null; }
uninstall_from() { "$source/tools/uninstall.sh" "$build" "$1" >/dev/null; }

# For the user: everything under ~/.local.
prefix=$HOME/.local
install_into "$prefix"
program=$prefix/lib/datevane
for file in datevane duealert datevane.HLP datevane.png DATEVANE.NEW; do expect_file "$program/$file"; done
[ -x "$program/datevane" ] && [ -x "$program/duealert" ] || fail "the programs are not executable"
cmp -s "$program/datevane.HLP" "$source/help/datevane.help" || fail "the help file differs from help/datevane.help"
[ "$(readlink -f "$prefix/bin/datevane")" = "$(readlink -f "$program/datevane")" ] || fail "the launcher does not lead to the program"
for size in 16 32 48 64 128 256; do
  cmp -s "$prefix/share/icons/hicolor/${size}x$size/apps/datevane.png" "$source/share/icons/datevane-$size.png" \
    || fail "icon ${size}x$size"
done
expect_file "$prefix/share/icons/hicolor/scalable/apps/datevane.svg"
entry=$prefix/share/applications/datevane.desktop
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -qx "Exec=$prefix/bin/datevane %f" "$entry" || fail "Exec line: $(grep ^Exec "$entry")"
grep -qx "MimeType=$type;" "$entry" || fail "MimeType line"
grep -qx "Categories=Office;Calendar;" "$entry" || fail "Categories line"
expect_file "$prefix/share/mime/packages/datevane.xml"
grep -q "^$type=datevane.desktop;" "$prefix/share/applications/mimeinfo.cache" || fail "desktop database"

# A double click on a file asks these two questions.
mkdir -p "$HOME/Documents"
touch "$HOME/Documents/Family.EVT" "$HOME/Documents/family.evt" "$HOME/Documents/notes.txt"
for file in Family.EVT family.evt; do
  [ "$(xdg-mime query filetype "$HOME/Documents/$file")" = "$type" ] || fail "file type of $file"
done
[ "$(xdg-mime query filetype "$HOME/Documents/notes.txt")" != "$type" ] || fail "notes.txt taken for an anniversaries list"
[ "$(xdg-mime query default "$type")" = datevane.desktop ] || fail "default program: $(xdg-mime query default "$type")"

# The user's settings, and the user's own choice for another type, survive.
# (The first start removes the marker and writes the settings.)
rm "$program/DATEVANE.NEW"
echo "[Startup]" > "$program/datevane.INI"
xdg-mime default other.desktop text/x-other
install_into "$prefix"  # installing again changes nothing of the user's
[ -f "$program/datevane.INI" ] && [ ! -e "$program/DATEVANE.NEW" ] || fail "a reinstall marked a used installation as new"
uninstall_from "$prefix"
[ "$(contents "$program")" = "./datevane.INI" ] || fail "left in the program folder: $(contents "$program")"
[ ! -e "$prefix/bin/datevane" ] && [ ! -L "$prefix/bin/datevane" ] || fail "the launcher is left"
left=$(contents "$prefix" | grep -v -e '^./share/mime/[^p]' -e '^./share/applications/mimeinfo.cache$' -e '^./lib/datevane/datevane.INI$' || true)
[ -z "$left" ] || fail "left after uninstall: $left"
[ -z "$(xdg-mime query default "$type")" ] || fail "still the default program"
[ "$(xdg-mime query filetype "$HOME/Documents/Family.EVT")" != "$type" ] || fail "the file type is still known"
grep -qx "text/x-other=other.desktop" "$HOME/.config/mimeapps.list" || fail "the user's own default was lost"
[ -f "$HOME/Documents/Family.EVT" ] || fail "the user's file was removed"

# Into a folder of the user's choice, with a blank and a quote in its name.
prefix="$work/opt/Date \"vane\""
install_into "$prefix"
entry=$prefix/share/applications/datevane.desktop
desktop-file-validate "$entry" || fail "the desktop entry for a quoted prefix is not valid"
exec_line="Exec=\"$(printf '%s' "$prefix/bin/datevane" | sed 's/"/\\\\"/g')\" %f"
grep -qxF "$exec_line" "$entry" || fail "Exec line: $(grep ^Exec "$entry"), wanted $exec_line"
[ -x "$prefix/bin/datevane" ] || fail "launcher under the chosen prefix"
uninstall_from "$prefix"
left=$(contents "$prefix" | grep -v -e '^./share/mime/[^p]' -e '^./share/applications/mimeinfo.cache$' || true)
[ -z "$left" ] || fail "left after uninstall: $left"
[ ! -e "$prefix/lib/datevane" ] || fail "the empty program folder is left"
echo "install and uninstall: OK"
