#!/usr/bin/env bash
# Runs the store benchmarks: installs what is missing, builds the optimised tree, starts a
# throwaway PostgreSQL cluster (stopped on exit, also on failure) and prints the store beside the
# same work written raw, on both engines. Arguments go to store_bench (for example --rows 20000).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target store_bench sales_bench receipts_bench purchases_bench disbursements_bench aging_bench

eval "$(scripts/pg-test-cluster.sh start)"
trap 'scripts/pg-test-cluster.sh stop "$ORVANT_TEST_PG_DIR"' EXIT

echo "PostgreSQL: a throwaway cluster on a Unix socket, started as for the tests (fsync off)."
build/release/bench/store_bench --postgres "$ORVANT_TEST_PG" "$@"
build/release/bench/sales_bench --postgres "$ORVANT_TEST_PG"
build/release/bench/receipts_bench --postgres "$ORVANT_TEST_PG"
build/release/bench/purchases_bench --postgres "$ORVANT_TEST_PG"
build/release/bench/disbursements_bench --postgres "$ORVANT_TEST_PG"
build/release/bench/aging_bench
build/release/bench/aging_bench --payables
