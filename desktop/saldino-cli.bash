# bash completion for saldino-cli: its commands, options and backup files.
# Names are offered one per line, so that a name with blanks stays whole.
_saldino_cli_dateien() {
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -X '!*.sdn' -- "$1"; compgen -d -- "$1")
}

_saldino_cli() {
    local aktuell vorher
    aktuell="${COMP_WORDS[COMP_CWORD]}"
    vorher="${COMP_WORDS[COMP_CWORD - 1]}"
    case "$vorher" in
    --dir | -C)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$aktuell")
        return
        ;;
    --loesung | laden | pruefen | sichern)
        _saldino_cli_dateien "$aktuell"
        return
        ;;
    esac
    if [[ "$aktuell" == -* ]]; then
        COMPREPLY=($(compgen -W '--dir -C --loesung --csv --help --version' -- "$aktuell"))
        return
    fi
    local befehl="" wort
    for wort in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        case "$wort" in
        bilanz | betriebsergebnis | abschluss | journal | kontenblatt | kontenplan | sichern | \
            laden | pruefen | rueckgaengig | wiederholen | verlauf | aufgaben) befehl="$wort" ;;
        esac
    done
    if [ -z "$befehl" ]; then
        COMPREPLY=($(compgen -W 'bilanz betriebsergebnis abschluss journal kontenblatt kontenplan
            sichern laden pruefen rueckgaengig wiederholen verlauf aufgaben' -- "$aktuell"))
    elif [ "$befehl" = aufgaben ]; then
        COMPREPLY=($(compgen -W 'pruefen' -- "$aktuell"))
    elif [ "$befehl" = pruefen ]; then
        _saldino_cli_dateien "$aktuell"
    fi
}
complete -F _saldino_cli saldino-cli
