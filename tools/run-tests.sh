#!/usr/bin/env bash
# Installs every build and test dependency (Debian 12), builds everything with AddressSanitizer
# and UndefinedBehaviorSanitizer in build/asan, and runs all tests there. Run it as root or
# through sudo; it exits non-zero when anything fails.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    cmake ninja-build g++ clang pkg-config python3
    desktop-file-utils appstream lintian dpkg-dev libglib2.0-bin shared-mime-info
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libopenal-dev libopenal1 libsndfile1-dev libicu-dev
    espeak-ng sox xvfb xauth libclang-rt-14-dev
    libespeak-ng-dev
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "run-tests.sh: installing packages needs root: run as root or install sudo" >&2
        return 1
    fi
}

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    if [[ "$status" != *"install ok installed"* ]]; then
        missing+=("$p")
    fi
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "== Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

echo "== Configuring build/asan"
cmake -S . -B build/asan -G Ninja -DVEK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

echo "== Building"
cmake --build build/asan -j2

echo "== Testing"
ctest --test-dir build/asan --output-on-failure -j2
