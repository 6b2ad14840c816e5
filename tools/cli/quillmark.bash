# bash completion for quillmark. It stands alone: plain bash, nothing of the
# bash-completion package.

# Files and folders for the current word; with extensions, only files that
# end in one of them (any case).
_quillmark_files()
{
    local f ext lower
    compopt -o filenames 2>/dev/null
    while IFS= read -r f; do
        if [[ $# -eq 0 || -d $f ]]; then
            COMPREPLY+=("$f")
            continue
        fi
        lower=${f,,}
        for ext in "$@"; do
            [[ $lower == *."$ext" ]] && { COMPREPLY+=("$f"); break; }
        done
    done < <(compgen -f -- "$cur")
}

_quillmark()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local words=("${COMP_WORDS[@]}") cword=$COMP_CWORD
    COMPREPLY=()

    local commands="scan list ops run status raw render exporter inventory"
    local verbs="beep cut drawer print feed logo barcode qr network test-page reset"
    local targets="--tcp --usb --serial --queue --preview"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands $verbs help --help --version" -- "$cur"))
        return
    fi
    local command=${words[1]}

    case $prev in
        --usb)
            COMPREPLY=($(compgen -f -- "${cur:-/dev/usb/}"))
            return ;;
        --serial)
            COMPREPLY=($(compgen -f -- "${cur:-/dev/tty}"))
            return ;;
        --script|--targets|--file|--targets-out)
            _quillmark_files
            return ;;
        --queue)
            COMPREPLY=($(compgen -W "$(quillmark list queues 2>/dev/null)" -- "$cur"))
            return ;;
        --pin)
            COMPREPLY=($(compgen -W "2 5" -- "$cur"))
            return ;;
        --level)
            COMPREPLY=($(compgen -W "L M Q H" -- "$cur"))
            return ;;
        --receipt)
            COMPREPLY=($(compgen -W "58 76 80" -- "$cur"))
            return ;;
        --codepage)
            COMPREPLY=($(compgen -W "GBK CP437 IBM850 IBM852 IBM858 IBM866 Windows-1252 ISO-8859-1 UTF-8" -- "$cur"))
            return ;;
        --tcp|--segment|--range|--connect-timeout|--timeout|--max-open|--jobs|--times|--duration|--feed|--on|--off|--size|--ip|--mask|--gateway|--width)
            return ;;
    esac

    # The options of a printer task, besides the targets.
    local options=""
    case $command in
        beep) options="--times --duration" ;;
        cut) options="--partial --feed" ;;
        drawer) options="--pin --on --off" ;;
        print) options="--codepage" ;;
        qr) options="--size --level" ;;
        network) options="--ip --mask --gateway --dhcp" ;;
        test-page) options="--receipt --codepages" ;;
    esac

    case $command in
        help)
            [[ $cword -eq 2 ]] && COMPREPLY=($(compgen -W "$commands $verbs" -- "$cur")) ;;
        scan)
            COMPREPLY=($(compgen -W "--segment --range --connect-timeout --max-open --json --help" -- "$cur")) ;;
        inventory)
            COMPREPLY=($(compgen -W "--range --file --targets-out --connect-timeout --max-open --json --help" -- "$cur")) ;;
        list)
            COMPREPLY=($(compgen -W "usb serial queues --json --help" -- "$cur")) ;;
        ops)
            COMPREPLY=($(compgen -W "--json --help" -- "$cur")) ;;
        status)
            COMPREPLY=($(compgen -W "$targets --json --help" -- "$cur")) ;;
        render)
            if [[ $prev == --width ]]; then
                COMPREPLY=($(compgen -W "58 80" -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "-o --output --width --json --max-pages --max-page-length --max-listed --help" -- "$cur"))
            else
                _quillmark_files
            fi ;;
        raw)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "$targets --timeout --help" -- "$cur"))
            else
                _quillmark_files
            fi ;;
        logo)
            if [[ $prev == --dither ]]; then
                COMPREPLY=($(compgen -W "threshold floyd-steinberg atkinson bayer" -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "$targets --dither --width --help" -- "$cur"))
            else
                _quillmark_files png jpg jpeg bmp
            fi ;;
        barcode)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "$targets --help" -- "$cur"))
            else
                # The first word that is no option (nor an option's value) is the type.
                local i n=0
                for ((i = 2; i < cword; i++)); do
                    case ${words[i]} in
                        --tcp|--usb|--serial|--queue|--preview) ((i++)) ;;
                        -*) ;;
                        *) ((n++)) ;;
                    esac
                done
                [[ $n -eq 0 ]] && COMPREPLY=($(compgen -W \
                    "upc-a upc-e ean13 ean8 code39 itf codabar code93 code128" -- "$cur"))
            fi ;;
        beep|cut|drawer|print|feed|qr|network|test-page|reset)
            COMPREPLY=($(compgen -W "$targets $options --help" -- "$cur")) ;;
        run)
            # After the target: an operation name (or --script), then its arguments.
            local i have_op=""
            for ((i = 2; i < cword; i++)); do
                case ${words[i]} in
                    --tcp|--usb|--serial|--queue|--preview|--script|--targets|--jobs|--connect-timeout|--timeout) ((i++)) ;;
                    -*) ;;
                    *) have_op=1 ;;
                esac
            done
            [[ -n $have_op ]] && return
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "$targets --targets --jobs --json --connect-timeout --timeout --script --help" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "$(quillmark ops 2>/dev/null | sed 's/(.*//')" -- "$cur"))
            fi ;;
    esac
} &&
    complete -F _quillmark quillmark
