#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and test, if any are missing,
# and those named as arguments.
set -euo pipefail

# desktop-file-utils and appstream check the installed menu entry and software-centre data;
# poppler-utils: the print tests read the printed sheets back with pdftotext;
# qt6-translations-l10n: Qt's own print and preview dialogs in German. The voice: espeak-ng's
# library with its German data, played through PulseAudio's client library (libpulse-dev);
# pulseaudio and pulseaudio-utils give the sound tests audio servers with a silent output to
# record. libxcb-damage0-dev: the start-up benchmark watches the X screen's drawing.
# The reading help: libhyphen with the German hyphenation patterns for syllables, and the
# Andika font for beginning readers.
# libsodium-dev: the slow, salted hash of the teacher's password.
packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          libpulse-dev libespeak-ng-dev espeak-ng-data pulseaudio pulseaudio-utils
          fonts-comic-neue fonts-dejavu-core desktop-file-utils appstream poppler-utils
          qt6-translations-l10n libxcb-damage0-dev libhyphen-dev hyphen-de fonts-sil-andika
          libsodium-dev "$@")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
