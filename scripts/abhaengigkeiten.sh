# Sourced by ./saldino and ./run-tests: installs the Debian packages the build
# needs, or says how to install them.
# Usage: abhaengigkeiten_sichern PACKAGE...
abhaengigkeiten_sichern() {
    local fehlend=()
    local paket
    for paket in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed'; then
            fehlend+=("$paket")
        fi
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Es fehlen Pakete. Bitte einmal ausführen:" >&2
        echo "  sudo apt-get install -y ${fehlend[*]}" >&2
        exit 1
    fi
    echo "Installiere: ${fehlend[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -q "${fehlend[@]}" >&2 ||
        { apt-get update -q >&2 && apt-get install -y -q "${fehlend[@]}" >&2; } ||
        { echo "Die Pakete konnten nicht installiert werden." >&2; exit 1; }
}

BAU_PAKETE=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev libbenchmark-dev fonts-liberation2)
# What only the tests need besides: pdftotext and pdfinfo for the manual,
# lintian and dpkg-shlibdeps for the package, emscripten (with Node) for the
# core built as WebAssembly, chromium for the browser edition's tests.
PRUEF_PAKETE=(poppler-utils lintian dpkg-dev emscripten nodejs chromium)

# The browser edition's TypeScript and test runner (web/package-lock.json),
# without a browser of their own: the tests use Debian's chromium.
web_pakete_sichern() {
    local web="$1/web"
    if [ ! -x "$web/node_modules/.bin/tsc" ] || [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
        (cd "$web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund >&2)
    fi
}
