#!/usr/bin/env bash
# Checks the direction of the layers by their includes: the core (everything
# in src/ but gui/, app/ and the pages) includes neither Qt nor gui/ nor app/;
# gui/ and the pages never include app/; gui/ includes no page; a page
# includes no other page (its own parts, <name>seite_<part>, are the page).
# Inside the core the subsystems follow runtime <- masterdata <- journal <-
# reports <- backup: none includes one to its right. Every call to the
# operating system lives in runtime/: no other file includes <unistd.h>,
# <fcntl.h> or <sys/...> or changes the disk through std::filesystem.
# Also keeps every source file under 400 lines.
# Usage: schichten.sh SOURCE_DIR
set -uo pipefail
src="$1/src"
fehler=0
melde() { echo "$1" >&2; fehler=1; }

cd "$src" || exit 2
for datei in $(find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort); do
    ordner="${datei%%/*}"
    name="${datei##*/}"
    includes=$(grep -E '^#include' "$datei")
    ist_seite=0
    [[ "$name" == *seite.h || "$name" == *seite.cpp || "$name" == *seite_*.* ]] && ist_seite=1
    if [[ "$ordner" != app ]] && grep -q '"app/' <<<"$includes"; then
        melde "$datei: bindet app/ ein"
    fi
    if [[ "$ordner" != app && "$ordner" != gui && $ist_seite -eq 0 ]]; then
        grep -qE '<Q|"gui/' <<<"$includes" && melde "$datei: Kern bindet Qt oder gui/ ein"
    fi
    if [[ "$ordner" == gui ]] && grep -qE 'seite\.h"' <<<"$includes"; then
        melde "$datei: gui/ bindet eine Seite ein"
    fi
    if [[ $ist_seite -eq 1 && "$ordner" != app ]]; then
        eigene="${name%.*}.h"
        # A part of a page (buchungsseite_schreiben.cpp) belongs to its page.
        teil_von="${name%%seite_*}seite.h"
        while read -r seite; do
            [[ -n "$seite" && "${seite##*/}" != "$eigene" && "${seite##*/}" != "$teil_von" ]] &&
                melde "$datei: bindet die Seite $seite ein"
        done < <(grep -oE '"[a-z]+/[a-z]+seite\.h"' <<<"$includes" | tr -d '"')
    fi
    stufe() {
        case "$1" in
            runtime) echo 0 ;; masterdata) echo 1 ;; journal) echo 2 ;; reports) echo 3 ;;
            backup) echo 4 ;; *) echo 9 ;;
        esac
    }
    eigene_stufe=$(stufe "$ordner")
    if [[ $eigene_stufe -lt 9 && $ist_seite -eq 0 ]]; then
        while read -r ziel; do
            [[ -n "$ziel" && $(stufe "$ziel") -gt $eigene_stufe && $(stufe "$ziel") -lt 9 ]] &&
                melde "$datei: $ordner bindet $ziel/ ein"
        done < <(grep -oE '^#include "[a-z]+/' <<<"$includes" | sed -E 's/^#include "//; s#/$##')
    fi
    if [[ "$ordner" != runtime ]]; then
        grep -qE '^#include <(unistd\.h|fcntl\.h|dirent\.h|sys/)' <<<"$includes" &&
            melde "$datei: Betriebssystemaufruf außerhalb von runtime/"
        grep -qE '(fs|filesystem)::(create_director|create_(hard_|sym)?link|copy|remove|rename|resize_file|permissions|last_write_time)' "$datei" &&
            melde "$datei: ändert die Platte mit std::filesystem außerhalb von runtime/"
    fi
    zeilen=$(wc -l <"$datei")
    [[ $zeilen -gt 400 ]] && melde "$datei: $zeilen Zeilen (höchstens 400)"
done
exit $fehler
