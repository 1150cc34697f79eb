#!/usr/bin/env bash
# Sets up, builds and starts Kestrovin. Arguments go to the program (a record
# file to open). Without a display the program runs under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
# Preselect the built-in engine simulator so "Читать" shows a live drive.
export KESTROVIN_PORT="${KESTROVIN_PORT:-COM50}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found, starting Kestrovin under xvfb-run (the window is not visible; close it with Ctrl-C)"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/kestrovin "$@"
fi
exec build/bin/kestrovin "$@"
