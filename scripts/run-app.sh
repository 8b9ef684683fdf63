#!/usr/bin/env bash
# Installs what is needed, builds the application and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_BUILD_TESTS=OFF -DVANTOREL_BUILD_BENCH=OFF
# Without a display, render off screen so the application still starts.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
fi
exec "$root/build/backend/Vantorel" "$@"
