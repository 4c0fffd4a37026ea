#!/usr/bin/env bash
# Installs the Debian packages the project needs when any is missing:
# with apt-get as root, through sudo otherwise.
set -euo pipefail

missing=()
for package in "$@"; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Please install these Debian packages, then run make again: ${missing[*]}" >&2
  exit 1
fi
echo "Installing ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
