#!/usr/bin/env bash
# Feeds the program and saldino-cli files too large for the unit tests: a
# settings file of 100 MB (valid lines followed by 100 MB more, one line of
# 100 MB, 100 MB of NUL bytes) and a backup of 1 GB of "|". Each must end with
# a clear message or a sound result within its time limit, with bounded memory
# and no file changed that the command should not change. Outside CTest; needs
# about 1.5 GB in the temporary directory.
# Usage: scripts/feindliche_dateien.sh
set -euo pipefail
quelle="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$quelle/scripts/abhaengigkeiten.sh"
abhaengigkeiten_sichern "${BAU_PAKETE[@]}"
cmake --preset release -S "$quelle" >/dev/null
cmake --build "$quelle/build" --parallel "$(nproc)" >/dev/null
cli="$quelle/build/src/saldino-cli"
programm="$quelle/build/src/saldino"

arbeit="$(mktemp -d "${TMPDIR:-/tmp}/saldino-feindlich-XXXXXX")"
trap 'rm -rf "$arbeit"' EXIT
fehler=0

# A working directory with the supplied files, chart 1 chosen and one booking
# made by loading a small backup.
neues_verzeichnis() {
    rm -rf "$arbeit/dir"
    mkdir -p "$arbeit/dir"
    cp "$quelle"/data/* "$arbeit/dir/"
    printf 'Firma|||||||X|1\r\n|0|05.03.2004|P|G|Kasse|10|0|Bank|0|10||0|0||0|0||0|0|\r\n' \
        >"$arbeit/klein.sdn"
    "$cli" --dir "$arbeit/dir" laden "$arbeit/klein.sdn"
}

pruefsumme() { (cd "$arbeit/dir" && sha256sum buchungen.dat einstellungen.txt); }

# fall NAME ERWARTETE_STATUS... -- BEFEHL...: runs the command with a limit of
# 120 s and reports its status, time and peak memory.
fall() {
    local name="$1"
    shift
    local erwartet=()
    while [ "$1" != "--" ]; do
        erwartet+=("$1")
        shift
    done
    shift
    local status=0
    /usr/bin/time -o "$arbeit/zeit" -f '%e s, %M KB' timeout 120 "$@" \
        >/dev/null 2>"$arbeit/meldung" || status=$?
    local ok=nein
    for s in "${erwartet[@]}"; do
        [ "$status" = "$s" ] && ok=ja
    done
    printf '%-52s Status %-3s %-20s %s\n' "$name" "$status" "$(tail -n1 "$arbeit/zeit")" \
        "$(grep -v '^Command' "$arbeit/meldung" | head -c 100 | tr '\n' ' ')"
    if [ "$ok" = nein ]; then
        echo "  FEHLER: erwartet Status ${erwartet[*]}" >&2
        fehler=1
    fi
}

unveraendert() {
    if [ "$(pruefsumme)" != "$1" ]; then
        echo "  FEHLER: $2 hat Dateien verändert" >&2
        fehler=1
    fi
}

einstellungen_fall() {
    local name="$1"
    neues_verzeichnis
    "$2" >"$arbeit/dir/einstellungen.txt"
    local vorher
    vorher="$(pruefsumme)"
    fall "$name: saldino-cli bilanz" 0 1 2 -- "$cli" --dir "$arbeit/dir" bilanz
    fall "$name: saldino-cli journal" 0 1 2 -- "$cli" --dir "$arbeit/dir" journal
    # The window has started soundly when it is still running after 15 s.
    fall "$name: Programmstart (15 s)" 124 -- \
        env QT_QPA_PLATFORM=offscreen sh -c "cd '$arbeit/dir' && exec timeout 15 '$programm'"
    unveraendert "$vorher" "$name"
}

gueltig_und_mehr() {
    head -n 17 "$quelle/data/einstellungen.txt" | sed 's/^-1\r$/0\r/'
    head -c 100M /dev/zero | tr '\0' 'x' | fold -w 98 | sed 's/$/\r/'
}
eine_zeile() { head -c 100M /dev/zero | tr '\0' 'F'; printf '\r\n'; }
nullbytes() { head -c 100M /dev/zero; }

einstellungen_fall "Einstellungen, 17 Zeilen + 100 MB" gueltig_und_mehr
einstellungen_fall "Einstellungen, eine Zeile von 100 MB" eine_zeile
einstellungen_fall "Einstellungen, 100 MB Nullbytes" nullbytes

neues_verzeichnis
head -c 1G /dev/zero | tr '\0' '|' >"$arbeit/striche.sdn"
vorher="$(pruefsumme)"
fall "Sicherung aus 1 GB \"|\": saldino-cli laden" 1 -- \
    "$cli" --dir "$arbeit/dir" laden "$arbeit/striche.sdn"
unveraendert "$vorher" "Sicherung aus 1 GB"

exit "$fehler"
