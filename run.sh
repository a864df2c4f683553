#!/usr/bin/env bash
# Sets up what Opbench needs on Debian 12, builds it, and then starts the program
# (./run.sh) or runs the whole test suite (./run.sh test).
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in
  run|test) ;;
  *) echo "usage: ./run.sh [test]" >&2; exit 2 ;;
esac

packages=(g++ cmake make qt6-base-dev qt6-translations-l10n fonts-urw-base35 libacl1-dev libgtest-dev libbenchmark-dev)
tools/ensure-packages.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"

if [ "$mode" = test ]; then
  ctest --test-dir build --output-on-failure -j"$(nproc)"
else
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Opbench needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set." >&2
    exit 1
  fi
  exec build/opbench
fi
