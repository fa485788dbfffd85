#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds everything (Release, build/release) and
# starts the player on the demo adventure. Without a display it plays the demo's walkthrough in the terminal instead.
#
#   sudo bash tools/play-demo.sh
#
# Run through sudo, only the package installation runs as root; the build and the game run as
# the user who called sudo, so the build tree stays theirs and the game reaches their desktop
# and sound server.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build/release"
GAME="$BUILD/game"
WALKTHROUGH="$ROOT/tests/walk/demo/keys.txt"
PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libopenal-dev libopenal1
          libsndfile1-dev libicu-dev libgtest-dev libgmock-dev libbenchmark-dev espeak-ng sox
          libespeak-ng-dev)

say() { printf '\n== %s\n' "$*"; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Runs a command as the person playing: the caller of sudo when there is one.
as_player() {
    if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
        local uid
        uid="$(id -u "$SUDO_USER")"
        sudo -u "$SUDO_USER" env HOME="$(getent passwd "$SUDO_USER" | cut -d: -f6)" \
            DISPLAY="${DISPLAY:-}" WAYLAND_DISPLAY="${WAYLAND_DISPLAY:-}" \
            XAUTHORITY="${XAUTHORITY:-}" XDG_RUNTIME_DIR="/run/user/$uid" \
            PATH="$PATH" "$@"
    else
        "$@"
    fi
}

install_packages() {
    if ! command -v apt-get >/dev/null 2>&1; then
        say "apt-get není k dispozici: balíčky nainstalujte ručně: ${PACKAGES[*]}"
        return
    fi
    say "Instaluji balíčky: ${PACKAGES[*]}"
    # Offline, or without sudo rights, the packages may still be there: go on and let the build
    # say what is missing.
    if ! as_root apt-get update; then
        say "Seznam balíčků se nepodařilo obnovit; pokračuji s tím, co je nainstalováno"
    fi
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${PACKAGES[@]}"; then
        say "Instalace balíčků se nezdařila; pokračuji s tím, co je nainstalováno"
    fi
}

build() {
    say "Překládám přehrávač, editor a demo hru (build/release)"
    as_player cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release
    as_player cmake --build "$BUILD" --parallel 2
}

play() {
    local player="$BUILD/player/shell/VEK2"
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        say "Spouštím VEK2 v adresáři hry $GAME"
        cd "$GAME"
        as_player "$player"
        return
    fi
    say "Není k dispozici žádný displej (DISPLAY ani WAYLAND_DISPLAY):" \
        "přehrávám průchod demo hrou v terminálu (VEK2 --walk)"
    local scratch
    scratch="$(as_player mktemp -d)"
    # A copy of the game directory: the walkthrough writes its configuration there.
    as_player cp -R "$GAME/." "$scratch"
    as_player cp "$WALKTHROUGH" "$scratch/walkthrough.txt"
    (cd "$scratch" && as_player env ALSOFT_DRIVERS=null "$player" --walk walkthrough.txt)
    rm -rf "$scratch"
}

install_packages
build
play
