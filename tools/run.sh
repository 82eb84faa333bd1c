#!/usr/bin/env bash
# Builds Veltrin and starts it in ./demo on a freshly prepared demo store.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRIN_TESTS=OFF -DVELTRIN_BENCH=OFF
cmake --build build -j2

mkdir -p demo
if [ -x build/app/veltrin ]; then
  [ -f demo/Veltrin.mdb ] || build/tools/make-demo-store demo/Veltrin.mdb
  [ -f demo/PAGE.frf ] || ( [ -x build/tools/make-page-template ] && build/tools/make-page-template demo/PAGE.frf ) || true
  cd demo && exec ../build/app/veltrin
elif [ -x build/tools/controls-demo ]; then
  # Without the notes application, show what the platform layer does.
  exec build/tools/controls-demo
else
  exec build/tools/graphics-showcase demo/showcase.png
fi
