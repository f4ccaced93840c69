#!/usr/bin/env bash
# Builds the Debian package and installs it into a clean Debian 12 root made
# with debootstrap, then starts saldino-cli --help and the program's start
# check (offscreen; it fails when the start shows any box) there, and finally
# purges the package and checks that nothing of it is left. Needs root and
# the Debian mirror; outside CI (takes some minutes).
# Usage: scripts/deb_pruefen.sh
set -euo pipefail
quelle="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$quelle/scripts/abhaengigkeiten.sh"
abhaengigkeiten_sichern "${BAU_PAKETE[@]}" dpkg-dev debootstrap

cmake --preset release -S "$quelle" >/dev/null
cmake --build "$quelle/build" --parallel "$(nproc)" >/dev/null
(cd "$quelle/build" && cpack -G DEB >/dev/null)
# The newest package, should older ones lie beside it.
paket="$(ls -t "$quelle"/build/saldino_*_amd64.deb | head -n 1)"
echo "Paket: $paket"
dpkg-deb -f "$paket" Depends

wurzel="$(mktemp -d /var/tmp/saldino-debian12-XXXXXX)"
aufraeumen() {
    umount "$wurzel/proc" 2>/dev/null || true
    rm -rf "$wurzel"
}
trap aufraeumen EXIT
echo "debootstrap nach $wurzel ..."
debootstrap --variant=minbase bookworm "$wurzel" http://deb.debian.org/debian >"$wurzel.log" 2>&1 ||
    { tail -n 20 "$wurzel.log"; exit 1; }
rm -f "$wurzel.log"
mount -t proc proc "$wurzel/proc"
cp "$paket" "$wurzel/tmp/saldino.deb"

im_system() { chroot "$wurzel" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
im_system sh -c 'apt-get update -q >/dev/null && DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/saldino.deb >/tmp/apt.log 2>&1' ||
    { tail -n 20 "$wurzel/tmp/apt.log"; exit 1; }

fehler=0
if im_system sh -c 'ldd /usr/libexec/saldino/saldino /usr/bin/saldino-cli | grep "not found"'; then
    echo "FEHLER: fehlende Bibliotheken" >&2
    fehler=1
fi
im_system saldino-cli --help | head -n 1
if ! im_system sh -c 'QT_QPA_PLATFORM=offscreen timeout 60 saldino --pruefstart'; then
    echo "FEHLER: saldino startete nicht ohne Meldung" >&2
    fehler=1
fi
if [ ! -f "$wurzel/root/Saldino/Anleitung.pdf" ] || [ ! -f "$wurzel/root/Saldino/buchungen.dat" ]; then
    echo "FEHLER: ~/Saldino wurde nicht vorbereitet" >&2
    fehler=1
fi
ls "$wurzel/root/Saldino"
# Purged, the package leaves nothing behind outside the pupil's folder.
im_system sh -c 'dpkg-query -L saldino' >"$wurzel/tmp/dateien"
im_system sh -c 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -q saldino >/dev/null'
while read -r datei; do
    if [ -f "$wurzel$datei" ] || [ -L "$wurzel$datei" ]; then
        echo "FEHLER: $datei ist nach dem Entfernen noch da" >&2
        fehler=1
    fi
done <"$wurzel/tmp/dateien"
[ "$fehler" = 0 ] && echo "Das Paket läuft in einem frischen Debian 12 und lässt sich restlos entfernen."
exit "$fehler"
