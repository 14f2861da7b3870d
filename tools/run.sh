#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Hexacle and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh" run

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Hexacle is a desktop program and needs a display, but none was found" >&2
    echo "(neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run it from a desktop session, or under a virtual display:" >&2
    echo "    apt-get install xvfb && xvfb-run -a $0" >&2
    exit 1
fi

# A build folder of its own, so switching between running and testing
# (a Debug build in build/) does not rebuild everything each time.
build="$root/build-run"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target HexacleFree
exec "$build/HexacleFree"
