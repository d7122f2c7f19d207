#!/usr/bin/env bash
# Builds the suite and makes a demo data root with its demo company, installing what is
# missing first. The demo keeps its own registry and data under build/demo, so an installation
# of the suite on this machine is left alone. Safe to run again: the books are kept.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target orvantctl

demo_home="$PWD/build/demo"
export ORVANT_REGISTRY="$demo_home/registry.ini"
orvantctl=build/release/tools/orvantctl/orvantctl

"$orvantctl" --data-root "$demo_home/Orvant/data" init
status=0
"$orvantctl" check 1 >/dev/null 2>&1 || status=$?
if [ "$status" -eq 2 ]; then  # no company 1 yet
  "$orvantctl" demo 1
fi
"$orvantctl" check 1

echo
echo "Demo data root: $demo_home/Orvant/data (registry $ORVANT_REGISTRY)."
echo "To work on it by hand: ORVANT_REGISTRY=$ORVANT_REGISTRY $orvantctl help"
