#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it: control fields, the files an
# installation must hold, the extracted player, and lintian (when installed) without errors.
#
#   deb_contents.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail

build=$1 work=$2 version=$3
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    echo "dpkg-deb or dpkg-shlibdeps (dpkg-dev) not installed: no package built"
    exit 77
fi
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/vek2_*.deb)
echo "== $deb"
dpkg-deb -I "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vek2 ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[[ "$(field Maintainer)" == *'<'*'@'*'>' ]] || fail "maintainer $(field Maintainer)"
description=$(field Description)
[[ "$description" == *"sound adventures"* ]] || fail "no English description"
[[ "$description" == *"zvukové adventury"* ]] || fail "no Czech description"
depends=$(field Depends)
for lib in libopenal1 libsndfile1 libc6; do
    [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./usr/||' >"$work/contents.txt"
while read -r file; do
    case "$file" in '' | '#'*) continue ;; esac
    grep -qxF "$file" "$work/contents.txt" || fail "not in the package: $file"
done <"$here/installed-files.txt"

# Unpacked into any folder, the player finds its data there.
dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/VEK2" --version >/dev/null || fail "the packaged player does not start"
# The demo's voice is recorded at build time: espeak-ng is a dependency only of a program that
# speaks through it while running. The listing is read whole before it is searched: a grep that
# stops at its first match would leave objdump writing into a closed pipe.
needed=$(objdump -p "$work/root/usr/bin/"* | grep 'NEEDED' || true)
if [[ "$depends" == *espeak* && "$needed" != *espeak* ]]; then
    fail "espeak-ng is not needed at run time: $depends"
fi

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" || fail "lintian"
else
    echo "lintian not installed: the package is not checked"
fi

exit "$failed"
