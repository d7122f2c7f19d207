#!/usr/bin/env bash
# Builds and runs every test: installs what is missing, builds the debug tree, starts a
# throwaway PostgreSQL cluster so the store tests run on both engines, and stops it afterwards,
# also when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"

eval "$(scripts/pg-test-cluster.sh start)"
trap 'scripts/pg-test-cluster.sh stop "$ORVANT_TEST_PG_DIR"' EXIT
export ORVANT_REQUIRE_PG=1 QT_QPA_PLATFORM=offscreen

ctest --preset dev "$@"
