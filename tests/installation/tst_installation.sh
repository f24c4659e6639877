#!/bin/sh
# Installs the build into a temporary prefix, checks what lands there and validates the
# desktop entry and the software metadata.
# usage: tst_installation.sh BUILD_DIR VERSION
set -eu
construction=$1
version=$2
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
cmake --install "$construction" --prefix "$prefixe" >/dev/null
for f in bin/vimbral \
         share/applications/org.vimbral.Vimbral.desktop \
         share/metainfo/org.vimbral.Vimbral.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.vimbral.Vimbral.svg \
         share/icons/hicolor/16x16/apps/org.vimbral.Vimbral.png \
         share/icons/hicolor/48x48/apps/org.vimbral.Vimbral.png \
         share/icons/hicolor/256x256/apps/org.vimbral.Vimbral.png; do
    [ -s "$prefixe/$f" ] || { echo "absent : $f"; exit 1; }
done
# Nothing but the program and its data: no test, no library, no header.
inattendus=$(cd "$prefixe" && find . -type f | grep -v -e '^./bin/vimbral$' -e '^./share/' || true)
[ -z "$inattendus" ] || { echo "installé en trop : $inattendus"; exit 1; }
desktop-file-validate "$prefixe/share/applications/org.vimbral.Vimbral.desktop"
appstreamcli validate --no-net --pedantic "$prefixe/share/metainfo/org.vimbral.Vimbral.metainfo.xml"
grep -q "<release version=\"$version\"" "$prefixe/share/metainfo/org.vimbral.Vimbral.metainfo.xml"
# The version and the help need no window nor display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefixe/bin/vimbral" --version)" = "Vimbral $version" ]
env -u DISPLAY "$prefixe/bin/vimbral" --help | grep -q '^Usage : vimbral \[DOSSIER | PHOTO\]$'
if env -u DISPLAY "$prefixe/bin/vimbral" --inconnue 2>/dev/null; then exit 1; fi
echo "installation vérifiée"
