#!/usr/bin/env bash
# Removes what `make install` put under PREFIX. The list of files comes from
# the install rules themselves, by installing into an empty staging folder;
# anything else under PREFIX, such as the settings file datevane.INI beside
# the program and the user's anniversary files, stays.
#   tools/uninstall.sh BUILD PREFIX
set -euo pipefail

build=$1
prefix=$2
here=$(dirname "$0")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$stage$prefix" && find . ! -type d -print0) | while IFS= read -r -d '' file; do
  target="$prefix/${file#./}"
  if [ -e "$target" ] || [ -L "$target" ]; then
    echo "Removing $target"
    rm -f "$target"
  fi
done
# The program folder goes only when nothing of the user's is left in it.
rmdir "$prefix/lib/datevane" 2>/dev/null || true
"$here/desktop-register.sh" unregister "$prefix"
