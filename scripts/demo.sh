#!/usr/bin/env bash
# Builds the suite, makes a demo data root with its demo company (a quarter of sales posted to its
# clients, so the books open with content), and starts the launcher on it,
# installing what is missing first. The demo keeps its own registry and data under build/demo,
# so an installation of the suite on this machine is left alone. Safe to run again: the books
# are kept. Without a display the books are made and the launcher is not started.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

demo_home="$PWD/build/demo"
export ORVANT_REGISTRY="$demo_home/registry.ini"
export ORVANT_MODULES="$PWD/build/release/modules"
export ORVANT_LANGUAGES="$PWD/languages"
orvantctl=build/release/tools/orvantctl/orvantctl

"$orvantctl" --data-root "$demo_home/Orvant/data" init
# The programs' folder of the build tree, where the launcher finds its wallpaper.
grep -qi '^pgmdrive=' "$ORVANT_REGISTRY" || sed -i "/^\[Orvant\]/a pgmdrive=$PWD/build/release" "$ORVANT_REGISTRY"
status=0
"$orvantctl" check 1 >/dev/null 2>&1 || status=$?
if [ "$status" -eq 2 ]; then  # no company 1 yet
  "$orvantctl" demo 1
fi
"$orvantctl" check 1

echo
echo "Demo data root: $demo_home/Orvant/data (registry $ORVANT_REGISTRY)."
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start the launcher on one with"
  echo "  ORVANT_REGISTRY=$ORVANT_REGISTRY ORVANT_MODULES=$ORVANT_MODULES ORVANT_LANGUAGES=$ORVANT_LANGUAGES build/release/launcher/app/orvant"
  exit 0
fi
exec build/release/launcher/app/orvant
