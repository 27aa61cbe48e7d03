#!/usr/bin/env bash
# One command for a new machine: installs the packages, builds Release, installs the plug-in for
# this user (~/.vst3), the tools (~/.local/bin) and the factory presets (/opt), then renders a short demo through the
# installed plug-in and prints its summary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-packages.sh

export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRUME2_VST3_INSTALL_DIR="$HOME/.vst3"
cmake --build build
# The plug-in and the tools belong to this user; the factory presets go to the all-users folder
# the plug-in reads (/opt/Zuvotone/Brume 2/Factory Presets), which needs root.
cmake --install build --prefix "$HOME/.local" --component Unspecified
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO cmake --install build --component factory_presets

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
