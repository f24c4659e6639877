#!/usr/bin/env bash
# Installs what Vimbral needs from Debian, builds it, then starts it ("run") or runs every
# test headless ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

action=${1:-run}
case "$action" in run | test) ;; *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

paquets=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite qt6-image-formats-plugins
    libglib2.0-dev fonts-dejavu-core qt6-translations-l10n
    libturbojpeg0-dev
)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
if ((${#manquants[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${manquants[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

if [ "$action" = run ]; then
    exec build/src/vimbral
fi
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
