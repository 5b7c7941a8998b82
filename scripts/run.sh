#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. The program itself chooses and
# fills its working folder (~/.local/share/moxabc unless MOXABC_HOME says otherwise).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
exec "$root/${BUILD_DIR:-build}/src/moxabc"
