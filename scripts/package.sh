#!/usr/bin/env bash
# Builds the Debian package with CPack in build-package/ (or the folder in PACKAGE_DIR), checks
# it with lintian and prints its path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" dpkg-dev file lintian
cd "$root"
build_dir="${PACKAGE_DIR:-build-package}"

# Debian's own compiler and linker flags (hardening), and a fresh configuration so they apply.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --fresh -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DMOXABC_TESTS=OFF "${launcher[@]}" >&2
cmake --build "$build_dir" -j "$(nproc)" >&2

rm -f "$build_dir"/moxabc_*.deb
(cd "$build_dir" && cpack -G DEB) >&2
package="$(ls "$root/$build_dir"/moxabc_*.deb 2>/dev/null || true)"
[ -f "$package" ] || { echo "package.sh: cpack made no package" >&2; exit 1; }
lintian --fail-on error "$package" >&2
echo "$package"
