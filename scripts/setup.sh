#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then
# configures and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config git
  qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev libsimpleini-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
  clang libclang-rt-14-dev qt6-translations-l10n
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]} > 0)); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build
