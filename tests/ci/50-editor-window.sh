#!/usr/bin/env bash
# The editor in a real window: the built VST3 bundle hosted under Xvfb with audio running,
# a screenshot saved to build/artefacts/editor-window.png, the plug-in unloaded cleanly.
# Reuses the release build of stage 10.
set -euo pipefail
source tests/ci/common.sh

dir=build
cmake --build "$dir" --target brume2-window-test Brume2_VST3
# BRUME2_WINDOW_BUNDLE picks another bundle, e.g. a Debug build, in which JUCE's leak detector
# is compiled in and reports on unload (Release compiles it out).
bundle=${BRUME2_WINDOW_BUNDLE:-"$dir/Brume2_artefacts/Release/VST3/Brume 2.vst3"}
mkdir -p "$dir/artefacts"
log="$dir/artefacts/editor-window.log"

# The hosted plug-in uses the real user folders: point them at a throw-away directory.
scratch=$(mktemp -d)
export XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"

display_number=97
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
    display_number=$((display_number + 1))
done
Xvfb ":$display_number" -screen 0 1024x600x24 -noreset -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
cleanup() { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT
export DISPLAY=":$display_number"
for _ in $(seq 1 100); do
    xprop -root >/dev/null 2>&1 && break
    sleep 0.1
done
# No window manager runs, so nobody has created the atoms JUCE only looks up (and then uses
# unchecked). Setting a root property by a name interns the atom; then announce the state atom.
for atom in WM_PROTOCOLS WM_TAKE_FOCUS WM_DELETE_WINDOW _NET_WM_PING WM_CHANGE_STATE WM_STATE \
            _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_NORMAL _NET_WM_STATE _NET_WM_STATE_HIDDEN \
            _NET_FRAME_EXTENTS _NET_WORKAREA _MOTIF_WM_HINTS _NET_WM_ALLOWED_ACTIONS; do
    xprop -root -f "$atom" 8s -set "$atom" x
    xprop -root -remove "$atom"
done
xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WM_STATE

status=0
"$dir/tests/window/brume2-window-test" "$bundle" "$dir/artefacts/editor-window.png" 1.0 >"$log" 2>&1 || status=$?
cat "$log"
# The leak detector (compiled in wherever JUCE_CHECK_MEMORY_LEAKS is on) reports on unload.
if grep -E "Leaked objects" "$log"; then
    echo "editor window: JUCE's leak detector reported leaked objects" >&2
    status=1
fi
# A Debug plug-in unloaded right after its window closed asserts once in JUCE's own shutdown
# (the image cache's purge timer is still running, juce_Timer.cpp); shown, not failed.
grep -E "JUCE Assertion failure" "$log" | sed 's/^/editor window: warning: /' || true
if [ "$status" -eq 0 ] && [ -s "$dir/artefacts/editor-window.png" ]; then
    echo "1 0" >> "$BRUME2_RESULTS"
    echo "editor window: passed, screenshot in $dir/artefacts/editor-window.png"
else
    echo "0 1" >> "$BRUME2_RESULTS"
    echo "editor window: FAILED (status $status)" >&2
    exit 1
fi
