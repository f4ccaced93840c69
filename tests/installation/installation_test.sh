#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks every installed file,
# then the program's start through the launcher: it prepares ~/Saldino (or the
# directory given) with the supplied files, overwrites nothing, starts without
# a box, and answers its options.
# Usage: installation_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
bau="$1"
quelle="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
p="$tmp/usr"
fehler=0
falsch() {
    echo "FEHLER: $*" >&2
    fehler=1
}

cmake --install "$bau" --prefix "$p" >/dev/null

for datei in bin/saldino bin/saldino-cli libexec/saldino/saldino; do
    [ -x "$p/$datei" ] || falsch "$datei fehlt oder ist nicht ausführbar"
done
for datei in "$quelle"/data/* "$quelle"/data/loesungen/*; do
    [ -f "$datei" ] || continue
    relativ="${datei#"$quelle"/data/}"
    cmp -s "$datei" "$p/share/saldino/$relativ" || falsch "share/saldino/$relativ fehlt oder weicht ab"
done
[ "$(head -c 5 "$p/share/saldino/Anleitung.pdf")" = "%PDF-" ] || falsch "Anleitung.pdf fehlt"

desktop="$p/share/applications/saldino.desktop"
for zeile in 'Type=Application' 'Name=Saldino' 'Comment=Buchführung lernen' 'Exec=saldino' \
    'Icon=saldino'; do
    grep -qx "$zeile" "$desktop" || falsch "saldino.desktop: '$zeile' fehlt"
done
kategorien="$(grep '^Categories=' "$desktop")"
for kategorie in Education Economy; do
    [[ ";${kategorien#Categories=}" == *";$kategorie;"* ]] || falsch "Kategorie $kategorie fehlt"
done

grep -qx 'Actions=anleitung;' "$desktop" || falsch "saldino.desktop: Aktion fehlt"
grep -qx 'Exec=saldino --anleitung' "$desktop" || falsch "saldino.desktop: Anleitung öffnen fehlt"
for seite in saldino saldino-cli; do
    gzip -dc "$p/share/man/man1/$seite.1.gz" 2>/dev/null | grep -q "^\.TH ${seite^^} 1" ||
        falsch "Handbuchseite $seite(1) fehlt"
done
grep -q 'complete -F _saldino_cli saldino-cli' "$p/share/bash-completion/completions/saldino-cli" ||
    falsch "Vervollständigung für die bash fehlt"
# A backup whose name has blanks is offered whole.
mkdir "$tmp/abgaben" && touch "$tmp/abgaben/Klasse 8b.sdn" "$tmp/abgaben/notiz.txt"
angebot="$(cd "$tmp/abgaben" && bash -c 'source "$1"; COMP_WORDS=(saldino-cli laden Kl); COMP_CWORD=2
    _saldino_cli; printf "%s|" "${COMPREPLY[@]}"' - "$p/share/bash-completion/completions/saldino-cli")"
[ "$angebot" = "Klasse 8b.sdn|" ] || falsch "Vervollständigung: $angebot"

grep -q '<svg' "$p/share/icons/hicolor/scalable/apps/saldino.svg" || falsch "SVG-Symbol fehlt"
for n in 16 22 24 32 48 64 128 256; do
    png="$p/share/icons/hicolor/${n}x${n}/apps/saldino.png"
    # The PNG signature, then the width and height of the IHDR chunk.
    kopf="$(od -An -tx1 -N24 "$png" 2>/dev/null | tr -d ' \n')"
    groesse="$(printf '%08x%08x' "$n" "$n")"
    [ "${kopf:0:16}" = 89504e470d0a1a0a ] && [ "${kopf:32:16}" = "$groesse" ] ||
        falsch "Symbol ${n}x${n} fehlt oder hat die falsche Größe"
done

"$p/bin/saldino-cli" --help | grep -q '^Aufruf: saldino-cli' || falsch "saldino-cli --help"

# The program prepares ~/Saldino (or the directory given) itself; its start
# check opens the window offscreen and fails on any box.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tmp/laufzeit"
mkdir -m 700 "$tmp/laufzeit" "$tmp/home"
starten() { (cd "$tmp" && HOME="$tmp/home" "$p/bin/saldino" --pruefstart "$@" 2>"$tmp/fehler"); }
starten || falsch "Start mit leerem HOME: $(cat "$tmp/fehler")"
arbeit="$tmp/home/Saldino"
for datei in "$p"/share/saldino/*; do
    [ -f "$datei" ] || continue
    cmp -s "$datei" "$arbeit/$(basename "$datei")" || falsch "~/Saldino/$(basename "$datei") fehlt"
done
[ ! -e "$arbeit/loesungen" ] && [ ! -e "$arbeit/loesung1.sdn" ] ||
    falsch "die Lösungen gehören nicht ins Arbeitsverzeichnis"

cp "$arbeit/einstellungen.txt" "$tmp/einstellungen"
printf 'meine Firma\r\n' >>"$tmp/einstellungen"
cp "$tmp/einstellungen" "$arbeit/einstellungen.txt"
rm "$arbeit/Kontenplan2.txt"
starten || falsch "zweiter Start: $(cat "$tmp/fehler")"
cmp -s "$tmp/einstellungen" "$arbeit/einstellungen.txt" || falsch "einstellungen.txt überschrieben"
[ -f "$arbeit/Kontenplan2.txt" ] || falsch "fehlende Datei nicht ergänzt"

starten "$tmp/Klasse 8b" || falsch "Start mit Verzeichnis: $(cat "$tmp/fehler")"
[ -f "$tmp/Klasse 8b/Kontenplan1.txt" ] || falsch "Verzeichnis nicht vorbereitet"
touch "$tmp/datei"
status=0
starten "$tmp/datei/unter" || status=$?
[ "$status" = 1 ] && grep -q 'kann nicht angelegt werden' "$tmp/fehler" ||
    falsch "ein unmögliches Verzeichnis: Status $status, $(cat "$tmp/fehler")"

# A hidden folder that is a link to a folder elsewhere is laid aside at the
# start, and nothing is written into or removed from its target.
mkdir -p "$tmp/opfer/ordner" "$tmp/opfer/verlauf/ordner"
echo Brief >"$tmp/opfer/ordner/brief.txt"
vorher="$(cd "$tmp/opfer" && find . | sort && cat ordner/brief.txt)"
ln -s "$tmp/opfer" "$tmp/Klasse 8b/.saldino"
starten "$tmp/Klasse 8b" || falsch "Start mit verlinktem .saldino: $(cat "$tmp/fehler")"
[ "$(cd "$tmp/opfer" && find . | sort && cat ordner/brief.txt)" = "$vorher" ] ||
    falsch "das Ziel des verlinkten .saldino wurde verändert"
ls -a "$tmp/Klasse 8b" | grep -q '^\.saldino\.beiseite-[0-9]\{8\}-[0-9]\{6\}$' ||
    falsch ".saldino nicht beiseitegelegt"

# Options are never taken for a folder, nor two folders given.
status=0
"$p/bin/saldino" a b 2>/dev/null || status=$?
[ "$status" = 64 ] || falsch "zwei Argumente: Status $status statt 64"
"$p/bin/saldino" --help | grep -q '^Aufruf: saldino' || falsch "saldino --help"
# Qt's own options are Qt's, wherever they stand, and need no display for --help.
env -u QT_QPA_PLATFORM DISPLAY= WAYLAND_DISPLAY= "$p/bin/saldino" -style fusion --help | grep -q '^Aufruf: saldino' ||
    falsch "saldino -style fusion --help"
starten -style fusion -reverse "$tmp/Klasse 8b" || falsch "Start mit Qt-Optionen: $(cat "$tmp/fehler")"
"$p/bin/saldino" --version | grep -q '^saldino [0-9]' || falsch "saldino --version"
status=0
(cd "$tmp" && HOME="$tmp/home" "$p/bin/saldino" -x 2>/dev/null) || status=$?
[ "$status" = 64 ] || falsch "-x: Status $status statt 64"
[ ! -e "$tmp/-x" ] || falsch "-x als Verzeichnis angelegt"
mkdir "$tmp/werkzeug"
printf '#!/bin/sh\necho "$1" >"%s"\n' "$tmp/geoeffnet" >"$tmp/werkzeug/xdg-open"
chmod +x "$tmp/werkzeug/xdg-open"
PATH="$tmp/werkzeug:$PATH" "$p/bin/saldino" --anleitung || falsch "--anleitung: Status $?"
for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ -s "$tmp/geoeffnet" ] && break
    sleep 0.2
done
[ "$(cat "$tmp/geoeffnet" 2>/dev/null)" -ef "$p/share/saldino/Anleitung.pdf" ] || falsch "--anleitung"
# No viewer for PDF files: status 1 and the reason.
printf '#!/bin/sh\nexit 3\n' >"$tmp/werkzeug/xdg-open"
status=0
PATH="$tmp/werkzeug:$PATH" "$p/bin/saldino" --anleitung 2>"$tmp/fehler" || status=$?
[ "$status" = 1 ] && grep -q 'kann nicht geöffnet werden: kein Programm für PDF-Dateien' "$tmp/fehler" ||
    falsch "--anleitung ohne Betrachter: Status $status, $(cat "$tmp/fehler")"

exit "$fehler"
