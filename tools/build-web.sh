#!/usr/bin/env bash
# Builds the player's web page into build/web/, a static folder any web server can host:
# index.html with its scripts, the player as JavaScript and WebAssembly, and game/ with the demo,
# its recordings and the manual. Installs what it needs (Debian 12) when it is missing.
#
#   bash tools/build-web.sh
#   python3 -m http.server -d build/web 8000     # then open http://localhost:8000/
#
# --skip-if-unavailable (the tests): when Emscripten cannot be installed, say so and exit 77.
set -euo pipefail

skip_if_unavailable=false
[ "${1:-}" = --skip-if-unavailable ] && skip_if_unavailable=true

cd "$(dirname "${BASH_SOURCE[0]}")/.."
source_dir=$PWD
build_dir=$source_dir/build/web-build
out_dir=$source_dir/build/web

packages=(emscripten cmake ninja-build python3 espeak-ng sox)
missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "== Installing: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    if ! { "${as_root[@]}" apt-get update &&
           "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"; }; then
        if $skip_if_unavailable && ! command -v emcmake >/dev/null; then
            echo "SKIP: Emscripten cannot be installed here (${missing[*]}): the page is not built"
            exit 77
        fi
        echo "build-web.sh: cannot install ${missing[*]}" >&2
        exit 1
    fi
fi

# Debian's emcc runs its JavaScript passes with the first node on PATH; another node than
# Debian's does not find the modules (acorn) Debian installs.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Emscripten writes into its cache; a user who cannot write the system's gets a copy.
if [ ! -w /usr/share/emscripten/cache ] && [ -z "${EM_CACHE:-}" ]; then
    export EM_CACHE=$build_dir/emscripten-cache
    [ -d "$EM_CACHE" ] || { mkdir -p "$EM_CACHE"; cp -r /usr/share/emscripten/cache/. "$EM_CACHE"; }
fi

echo "== Building the player for the browser in $build_dir"
emcmake cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build "$build_dir" --target vek2_web

echo "== Writing $out_dir"
mkdir -p "$out_dir/game"
cp "$source_dir"/player/web/page/{index.html,style.css,audio.js,player.js,zip.js,boot.js} \
   "$out_dir/"
cp "$build_dir"/player/web/vek2.{js,wasm} "$out_dir/"
python3 "$source_dir/tools/make-game.py" --out "$out_dir/game" \
    --stamp "$build_dir/game.stamp" "$source_dir/demo/borvatin.scn.utf8" >/dev/null
mkdir -p "$out_dir/game/Help"
cp "$source_dir"/help/{index.html,styl.css} "$out_dir/game/Help/"
# The page's list of the game directory: what the player needs before it starts (the scenario,
# the system recordings), and the scenarios' own recordings (folders under wave/), which the page
# fetches while the player already runs. The manual is opened, never loaded.
(cd "$out_dir/game" && find . -type f ! -name files.json ! -path './Help/*' ! -name '.*' |
    sed 's|^\./||' | sort | python3 -c '
import json, sys
names = [line.rstrip("\n") for line in sys.stdin]
later = [n for n in names if n.lower().startswith("wave/") and n.count("/") >= 2]
print(json.dumps({"start": [n for n in names if n not in later], "later": later}))' \
    >files.json)
echo "== Done: serve it with  python3 -m http.server -d build/web 8000"
