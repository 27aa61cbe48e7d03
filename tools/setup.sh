#!/usr/bin/env bash
# One command for a new machine: installs the packages, builds Release, installs the plug-in for
# this user (~/.vst3) and the tools (~/.local/bin), then renders a short demo through the
# installed plug-in and prints its summary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-packages.sh

export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRUME2_VST3_INSTALL_DIR="$HOME/.vst3"
cmake --build build
cmake --install build --prefix "$HOME/.local"

render="$HOME/.local/bin/brume2-render"
bundle="$HOME/.vst3/Brume 2.vst3"
demo="$PWD/build/demo"
mkdir -p "$demo"
echo "==== demo: a signal of our own, rendered through $bundle"
"$render" --generate-demo "$demo/demo.wav" --seconds 6
# Mono below 120 Hz, the top bands wider apart by a little Haas delay.
"$render" --plugin "$bundle" --no-progress \
    --set "Width Band 1=0" --set "Width Band 2=0" \
    --set "Haas Band 14=0.56" --set "Haas Band 15=0.44" --set "Haas Band 16=0.58" \
    "$demo/demo.wav" "$demo/demo-brume2.wav"
echo "==== done: plug-in in ~/.vst3, brume2-render in ~/.local/bin, demo files in $demo"
case ":$PATH:" in
    *":$HOME/.local/bin:"*) ;;
    *) echo "(add ~/.local/bin to PATH to call brume2-render by name)" ;;
esac
