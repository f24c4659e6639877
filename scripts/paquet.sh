#!/usr/bin/env bash
# Builds the Debian package, installs it with apt on a fresh Debian 12 root made with
# debootstrap (the state of a new machine), checks the installed program and starts it there
# under Xvfb, leaving a screenshot in build-paquet/paquet.png. Run by hand, as root:
#   scripts/paquet.sh [ROOT_FOLDER]        (default /var/tmp/vimbral-racine, kept for reruns)
set -euo pipefail
cd "$(dirname "$0")/.."
racine=${1:-/var/tmp/vimbral-racine}

export DEBIAN_FRONTEND=noninteractive
apt-get install -y debootstrap dpkg-dev >/dev/null
cmake -S . -B build-paquet -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIMBRAL_TESTS=OFF >/dev/null
cmake --build build-paquet
(cd build-paquet && rm -f vimbral_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build-paquet/vimbral_*.deb)
dpkg-deb --field "$deb" Package Version Depends

[ -x "$racine/usr/bin/apt-get" ] ||
    debootstrap --variant=minbase bookworm "$racine" http://deb.debian.org/debian
cp "$deb" "$racine/tmp/vimbral.deb"
for d in proc dev sys; do mountpoint -q "$racine/$d" || mount --bind "/$d" "$racine/$d"; done
trap 'for d in proc dev sys; do umount -l "$racine/$d" 2>/dev/null || true; done' EXIT
dans() { chroot "$racine" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

dans apt-get update -q
dans apt-get install -y -q /tmp/vimbral.deb xvfb xauth imagemagick
dans dpkg -L vimbral | grep -x /usr/bin/vimbral
dans vimbral --version

# A first start with a data folder and a photo, opened from the command line.
dans sh -c '
    set -e
    rm -rf /root/essai && mkdir -p /root/essai/.local/share/Vimbral /root/essai/donnees/DataKorvane/DataPhoto /root/essai/photos
    printf "\"/root/essai/donnees/DataKorvane/DataPhoto\"\r\n" > /root/essai/.local/share/Vimbral/CheminData.cfg
    convert -size 640x480 gradient:navy-gold /root/essai/photos/IMG_0001.jpg
    cd /root/essai
    HOME=/root/essai xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
        vimbral /root/essai/photos/IMG_0001.jpg & pid=\$!
        sleep 8
        import -window root /tmp/paquet.png
        kill \$pid"'
cp "$racine/tmp/paquet.png" build-paquet/paquet.png
echo "paquet installé et lancé : build-paquet/paquet.png"
