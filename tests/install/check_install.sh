#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed program: every file a
# desktop and a new user need, the menu entry and software-centre data valid, and the
# installed program filling a new user's folder from the installed samples.
# Arguments: the cmake program, the build folder, the project version, the application id, the
# source folder.
set -uo pipefail
cmake="$1" build="$2" version="$3" id="$4" source="$5"

work="$(mktemp -d)"
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
prefix="$work/prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }

desktop="share/applications/$id.desktop"
metainfo="share/metainfo/$id.metainfo.xml"
for file in bin/moxabc share/moxabc/sample/MOXABC.INI share/moxabc/sample/MOXABC.TXT \
    "share/icons/hicolor/scalable/apps/$id.svg" "$desktop" "$metainfo" \
    share/man/man1/moxabc.1.gz share/man/de/man1/moxabc.1.gz \
    share/doc/moxabc/copyright share/doc/moxabc/changelog.gz; do
    [ -s "$prefix/$file" ] || fail "$file is missing"
done
[ -x "$prefix/bin/moxabc" ] || fail "bin/moxabc is not executable"
# The voice, which the program loads when it first speaks.
compgen -G "$prefix/lib*/moxabc/moxabc-voice.so" >/dev/null ||
    compgen -G "$prefix/lib/*/moxabc/moxabc-voice.so" >/dev/null || fail "the voice module is missing"

# The pieces name each other and the version.
entry() { sed -n "s/^$1=//p" "$prefix/$desktop"; }
[ "$(entry Name)" = "MOX-ABC" ] || fail "menu entry is named '$(entry Name)'"
[ "$(entry Icon)" = "$id" ] || fail "menu entry shows icon '$(entry Icon)'"
[ -x "$prefix/bin/$(entry Exec)" ] || fail "menu entry starts '$(entry Exec)', which is not installed"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/$metainfo" ||
    fail "software-centre data does not launch $id.desktop"
newest="$(grep -o '<release version="[^"]*"' "$prefix/$metainfo" | head -1 | cut -d'"' -f2)"
[ "$newest" = "$version" ] || fail "software-centre data's newest release is '$newest', not $version"
# Software centres fetch the screenshots from the repository, by the path after the branch.
[ "$(grep -c '<image>' "$prefix/$metainfo")" -ge 2 ] || fail "fewer than two screenshots"
for shot in $(grep -o 'https://github.com/moxabc/moxabc/raw/main/[^<]*' "$prefix/$metainfo"); do
    [ -f "$source/${shot#*/raw/main/}" ] || fail "screenshot $shot is not in the repository"
done
logged="$(gzip -dc "$prefix/share/doc/moxabc/changelog.gz" | head -1)"
[[ "$logged" == "moxabc ($version) "* ]] || fail "change log starts with '$logged', not $version"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/$desktop" >"$work/desktop.log" 2>&1
    cat "$work/desktop.log"
    ! grep -qE 'error|warning' "$work/desktop.log" || fail "desktop-file-validate"
else
    echo "SKIPPED: desktop-file-validate is not installed (scripts/deps.sh installs desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --strict --explain --no-net "$prefix/$metainfo" ||
        fail "appstreamcli validate"
else
    echo "SKIPPED: appstreamcli is not installed (scripts/deps.sh installs appstream)"
fi

# A new user starts the installed program: its folder must fill from the installed samples
# before the main window shows. The program runs until it is ended, so it is ended here.
home="$work/home"
mkdir -p "$home"
env -u MOXABC_HOME -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/moxabc" >"$work/program.log" 2>&1 &
program=$!
folder="$home/.local/share/moxabc"
for _ in $(seq 300); do
    [ -f "$folder/MOXABC.INI" ] && [ -f "$folder/MOXABC.TXT" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
for file in MOXABC.INI MOXABC.TXT; do
    cmp -s "$folder/$file" "$prefix/share/moxabc/sample/$file" ||
        fail "a new user's folder did not get $file"
done
kill -0 "$program" 2>/dev/null || { cat "$work/program.log"; fail "the installed program ended at start"; }

[ "$failures" -eq 0 ] && echo "installed tree complete"
exit "$failures"
