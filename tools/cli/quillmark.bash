# bash completion for quillmark
_quillmark()
{
    local cur prev words cword
    _init_completion || return

    local commands="scan list ops run status raw render"
    local targets="--tcp --usb --serial --queue"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
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
        --script)
            _filedir
            return ;;
        --queue)
            COMPREPLY=($(compgen -W "$(quillmark list queues 2>/dev/null)" -- "$cur"))
            return ;;
        --tcp|--segment)
            return ;;
    esac

    case $command in
        scan)
            COMPREPLY=($(compgen -W "--segment --json --help" -- "$cur")) ;;
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
                COMPREPLY=($(compgen -W "-o --output --width --json --help" -- "$cur"))
            else
                _filedir
            fi ;;
        raw)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "$targets --help" -- "$cur"))
            else
                _filedir
            fi ;;
        run)
            # After the target: an operation name (or --script), then its arguments.
            local i have_op=""
            for ((i = 2; i < cword; i++)); do
                case ${words[i]} in
                    --tcp|--usb|--serial|--queue|--script) ((i++)) ;;
                    -*) ;;
                    *) have_op=1 ;;
                esac
            done
            [[ -n $have_op ]] && return
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "$targets --script --help" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "$(quillmark ops 2>/dev/null | sed 's/(.*//')" -- "$cur"))
            fi ;;
    esac
} &&
    complete -F _quillmark quillmark
