#!/usr/bin/env bash
# Takes the documentation's pictures on a demo company in a temporary folder: the launcher on a
# virtual X display (Xvfb) with its receivables menu open (docs/launcher.png), and the cash
# receipts screen played by the screen driver (docs/receipts.png).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
dpkg-query -W -f='${Status}' xvfb 2>/dev/null | grep -q "install ok installed" || {
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get install -y --no-install-recommends xvfb
}
cmake --preset release >/dev/null
cmake --build --preset release --target orvantctl launcher cmpcreate waitbox screendriver rcvreceipts

work="$(mktemp -d)"
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
export ORVANT_REGISTRY="$work/registry.ini" ORVANT_MODULES="$PWD/build/release/modules" ORVANT_LANGUAGES="$PWD/languages"
build/release/tools/orvantctl/orvantctl --data-root "$work/Orvant/data" init >/dev/null
build/release/tools/orvantctl/orvantctl demo >/dev/null
sed -i "/^\[Orvant\]/a pgmdrive=$PWD/build/release\nShowWelcome=N" "$ORVANT_REGISTRY"

Xvfb :97 -screen 0 1024x640x24 -nolisten tcp &
xvfb=$!
sleep 1
mkdir -p docs
DISPLAY=:97 QT_QPA_PLATFORM=xcb ORVANT_SCREENSHOT="$PWD/docs/launcher.png" build/release/launcher/app/orvant
build/release/tools/screendriver/screendriver --data-root "$work/Orvant/data" rcvreceipts scripts/screenshots/receipts.script >/dev/null
echo "docs/launcher.png and docs/receipts.png written."
