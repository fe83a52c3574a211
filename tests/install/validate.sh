#!/usr/bin/env bash
# Runs a validator on a file of dist/: validate.sh VALIDATOR [ARGS...] FILE.
# Exit 77 (skipped) with a message when the validator is not installed.
set -uo pipefail
if ! command -v "$1" >/dev/null 2>&1; then
    echo "SKIPPED: $1 is not installed (Debian: desktop-file-utils, appstream)"
    exit 77
fi
"$@"
