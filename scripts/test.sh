#!/usr/bin/env bash
# Sets up, builds and runs every test (core tests and window tests on the
# offscreen platform). Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir build --output-on-failure --timeout 600
