#!/usr/bin/env bash
# Builds the Debian package from the build directory and checks it with
# lintian: no error, no warning, and no informational tag that the package's
# override file does not explain. Skipped (status 77) without lintian.
# Usage: lintian_test.sh BUILD_DIR
set -euo pipefail
if ! command -v lintian >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    echo "lintian oder dpkg-shlibdeps fehlt: Prüfung des Pakets übersprungen"
    exit 77
fi
ziel="$(mktemp -d)"
trap 'rm -rf "$ziel"' EXIT
(cd "$1" && cpack -G DEB -B "$ziel" >/dev/null)
paket="$(ls "$ziel"/saldino_*_amd64.deb)"
lintian --fail-on error,warning,info --tag-display-limit 0 -I "$paket" 2>&1 |
    grep -v 'running with root privileges' || true
lintian --fail-on error,warning,info --tag-display-limit 0 -I "$paket" >/dev/null 2>&1
# Where the browser edition was built, the package carries it for a web server.
web="$(sed -n 's/^SALDINO_WEB_DIR:PATH=//p' "$1/CMakeCache.txt")"
inhalt="$(dpkg -c "$paket")"
if [ -e "$web/saldino.wasm" ] && ! grep -q ' ./usr/share/saldino/web/saldino.wasm$' <<<"$inhalt"; then
    echo "the package lacks the browser edition (usr/share/saldino/web)" >&2
    exit 1
fi
# The manual pages as man renders them: no warning of troff.
dpkg-deb -x "$paket" "$ziel/inhalt"
for seite in "$ziel"/inhalt/usr/share/man/man1/*.1.gz; do
    warnungen="$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$seite" 2>&1 >/dev/null)"
    if [ -n "$warnungen" ]; then
        echo "$(basename "$seite"): $warnungen" >&2
        exit 1
    fi
done
