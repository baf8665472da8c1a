#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, then runs the
# program ("run") or the whole test suite ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(g++ cmake make pkg-config qt6-base-dev libgl-dev libpugixml-dev libexpat1-dev libqrencode-dev libxcb1-dev
          libgtest-dev libbenchmark-dev xvfb xauth x11-utils x11-apps imagemagick
          fonts-dejavu-core adwaita-icon-theme poppler-utils zbar-tools qt6-translations-l10n qt6-l10n-tools)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Instalando paquetes: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y -q "${missing[@]}" || { $sudo apt-get update -q && $sudo apt-get install -y -q "${missing[@]}"; }
}

# The build folder; the tests point it elsewhere to try the run command afresh.
BUILD="${VORTESALIN_BUILD_DIR:-build}"

# Builds the given targets, or everything when none is given.
build() {
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD" -j"$(nproc)" ${1:+--target "$@"}
}

case "${1:-run}" in
  run)
    install_missing
    # Only the program and the manual it opens: the tests and benchmarks
    # are the test command's business.
    build vortesalin manual_pdf
    exec "$BUILD/vortesalin"
    ;;
  test)
    install_missing
    build
    cd "$BUILD" && ctest --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "uso: $0 run|test" >&2
    exit 2
    ;;
esac
