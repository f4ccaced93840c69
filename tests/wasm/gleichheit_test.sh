#!/usr/bin/env bash
# The core as WebAssembly gives the native core's results to the byte:
# saldino-cli built by emscripten and run by Node loads each supplied
# solution, prints every report, saves a backup, takes the load back and
# makes it again, and the output, the exit status and every file of the
# working directory equal the native saldino-cli's.
# Usage: gleichheit_test.sh NATIVE_CLI WASM_CLI_JS DATA_DIR
# Exit 77 (skipped) when the WebAssembly build or Node is missing.
set -uo pipefail
nativ="$(realpath "$1")" wasm="$(realpath "$2")" daten="$(realpath "$3")"
if [ ! -f "$wasm" ] || ! command -v node >/dev/null; then
    echo "übersprungen: $wasm fehlt (cmake --preset wasm && cmake --build --preset wasm)" >&2
    exit 77
fi
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fehler=0

# One run of both on their own copies of the directory; what each printed
# and left must be the same.
beide() {
    local a b
    for seite in nativ wasm; do
        if [ "$seite" = nativ ]; then
            (cd "$tmp/nativ" && "$nativ" "$@" >"$tmp/aus.nativ" 2>"$tmp/fehler.nativ"; echo "$?" >"$tmp/status.nativ")
        else
            (cd "$tmp/wasm" && node "$wasm" "$@" >"$tmp/aus.wasm" 2>"$tmp/fehler.wasm"; echo "$?" >"$tmp/status.wasm")
        fi
    done
    for teil in aus fehler status; do
        cmp -s "$tmp/$teil.nativ" "$tmp/$teil.wasm" || {
            echo "$n: saldino-cli $*: $teil verschieden" >&2
            diff "$tmp/$teil.nativ" "$tmp/$teil.wasm" | head -5 >&2
            fehler=$((fehler + 1))
            [ "$fehler" -lt 10 ] || exit 1
        }
    done
}

for loesung in "$daten"/loesungen/loesung*.sdn; do
    n="$(basename "$loesung" .sdn)"
    rm -rf "$tmp/nativ" "$tmp/wasm"
    mkdir -p "$tmp/nativ" "$tmp/wasm"
    for ordner in nativ wasm; do
        cp "$daten"/*.txt "$tmp/$ordner/"
    done
    beide laden "$loesung"
    for befehl in bilanz betriebsergebnis journal abschluss kontenplan verlauf; do
        beide "$befehl"
    done
    beide kontenblatt Bank
    beide kontenblatt Kasse
    beide kontenblatt "Gibt es nicht"
    beide pruefen "$loesung"
    beide sichern stand
    beide rueckgaengig
    beide bilanz
    beide wiederholen
    beide journal
    for datei in buchungen.dat einstellungen.txt stand.sdn; do
        cmp -s "$tmp/nativ/$datei" "$tmp/wasm/$datei" || {
            echo "$n: $datei verschieden" >&2
            fehler=$((fehler + 1))
        }
    done
done
[ "$fehler" = 0 ] && echo "WebAssembly und nativ gleich"
[ "$fehler" = 0 ]
