#!/usr/bin/env bash
# Registers (or unregisters) an installation under PREFIX with the desktop:
# refreshes the MIME and desktop-entry databases under PREFIX/share and makes
# Datevane the user's default program for ".EVT" files, so that opening one
# from a file manager starts Datevane with it. Unregistering drops that
# default only while it still names Datevane.
#   tools/desktop-register.sh register|unregister PREFIX
set -euo pipefail

action=$1
prefix=$2
type=application/x-datevane-anniversaries
entry=datevane.desktop

refresh() {
  if [ -d "$prefix/share/mime/packages" ]; then
    update-mime-database "$prefix/share/mime"
  fi
  if [ -d "$prefix/share/applications" ]; then
    update-desktop-database "$prefix/share/applications"
  fi
  # GTK reads a theme folder's icon cache only when there is one; keep it current.
  if [ -f "$prefix/share/icons/hicolor/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
    gtk-update-icon-cache -q -t -f "$prefix/share/icons/hicolor" || true
  fi
}

case $action in
register)
  refresh
  xdg-mime default "$entry" "$type"
  ;;
unregister)
  list="${XDG_CONFIG_HOME:-$HOME/.config}/mimeapps.list"
  if [ -f "$list" ] && grep -q "^$type=$entry;\?\$" "$list"; then
    sed -i "\\|^$type=$entry;\\?\$|d" "$list"
    # A list that held nothing but this default goes with it.
    if ! grep -qv -e '^\[Default Applications\]$' -e '^$' "$list"; then rm "$list"; fi
  fi
  refresh
  ;;
*)
  echo "usage: $0 register|unregister PREFIX" >&2
  exit 2
  ;;
esac
