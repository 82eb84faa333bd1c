#!/usr/bin/env bash
# Builds Veltrin and starts it in ./demo on a freshly prepared demo store.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRIN_TESTS=OFF -DVELTRIN_BENCH=OFF
cmake --build build -j2

mkdir -p demo
[ -f demo/Veltrin.mdb ] || build/tools/make-demo-store demo/Veltrin.mdb
[ -f demo/PAGE.frf ] || build/tools/make-page-template demo/PAGE.frf
cd demo && exec ../build/app/veltrin
