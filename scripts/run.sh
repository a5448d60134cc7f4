#!/usr/bin/env bash
# Builds Tavrel (Release, incremental) and starts the window; without a display it shows what the
# command-line tool does instead.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"

build="$top/build/release"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target tavrel tavrel-cli

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/bin/tavrel" "$@"
fi

echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset); showing the command-line tool."
cli="$build/bin/tavrel-cli"
set -x
"$cli" --version
"$cli" paths
"$cli" --help
"$cli" cast --date "$(date '+%Y-%m-%d %H:%M')"
