#!/usr/bin/env bash
# Makes sure the Debian packages named in the arguments are installed.
# As root it installs what is missing; otherwise it prints the exact command and fails.
set -euo pipefail
missing=()
for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "Missing packages. Run as root, or install them first with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
