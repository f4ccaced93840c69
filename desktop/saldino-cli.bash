# bash completion for saldino-cli: its commands, options and backup files.
_saldino_cli() {
    local aktuell vorher
    aktuell="${COMP_WORDS[COMP_CWORD]}"
    vorher="${COMP_WORDS[COMP_CWORD - 1]}"
    case "$vorher" in
    --dir | -C)
        COMPREPLY=($(compgen -d -- "$aktuell"))
        return
        ;;
    --loesung | laden | pruefen | sichern)
        COMPREPLY=($(compgen -f -X '!*.sdn' -- "$aktuell") $(compgen -d -- "$aktuell"))
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
            laden | pruefen | rueckgaengig | wiederholen | verlauf) befehl="$wort" ;;
        esac
    done
    if [ -z "$befehl" ]; then
        COMPREPLY=($(compgen -W 'bilanz betriebsergebnis abschluss journal kontenblatt kontenplan
            sichern laden pruefen rueckgaengig wiederholen verlauf' -- "$aktuell"))
    elif [ "$befehl" = pruefen ]; then
        COMPREPLY=($(compgen -f -X '!*.sdn' -- "$aktuell") $(compgen -d -- "$aktuell"))
    fi
}
complete -F _saldino_cli saldino-cli
