#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in its working folder
# (~/.local/share/moxabc unless MOXABC_HOME says otherwise), which is seeded once from sample/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "moxabc: no display found (DISPLAY is not set); start it inside a desktop session." >&2
    exit 1
fi

home="${MOXABC_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/moxabc}"
mkdir -p "$home"
for file in "$root"/sample/*; do
    [ -e "$home/$(basename "$file")" ] || cp "$file" "$home/"
done
cd "$home"
exec "$root/${BUILD_DIR:-build}/src/moxabc"
