#!/usr/bin/env bash
# The browser edition in Debian's chromium (Playwright Test, web/tests): the
# pages on the WebAssembly core, compared with the native saldino-cli.
# Usage: browser_test.sh SOURCE_DIR NATIVE_CLI
# Exit 77 (skipped) when the WebAssembly build, web/node_modules or chromium is missing.
set -uo pipefail
quelle="$1"
export SALDINO_CLI="$2"
for noetig in "$quelle/build-wasm/browser/js/main.js" "$quelle/web/node_modules/.bin/playwright" /usr/bin/chromium; do
    if [ ! -e "$noetig" ]; then
        echo "übersprungen: $noetig fehlt (./run-tests baut und installiert alles)" >&2
        exit 77
    fi
done
# A port nothing else uses, for the server of the built pages.
SALDINO_PORT="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
export SALDINO_PORT
cd "$quelle/web" && exec node_modules/.bin/playwright test
