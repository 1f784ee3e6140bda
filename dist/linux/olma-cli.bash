# bash completion for olma-cli: the commands and each command's options, asked from the program
# itself so they always match the installed version.
_olma_cli()
{
    local cur prev words cword
    _init_completion || return

    local cmd="" i
    for ((i = 1; i < cword; i++)); do
        if [[ ${words[i]} != -* ]]; then
            cmd=${words[i]}
            break
        fi
    done

    if [[ -z $cmd ]]; then
        local commands
        commands=$("${words[0]}" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z0-9-]*\).*/\1/p')
        COMPREPLY=($(compgen -W "$commands --help" -- "$cur"))
        return
    fi

    case $prev in
        --port)
            COMPREPLY=($(compgen -W "$(compgen -G '/dev/ttyUSB*' ; compgen -G '/dev/ttyACM*'; compgen -G '/dev/ttyS*') tcp:// tls://" -- "$cur"))
            # A network address goes on after its scheme.
            [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *:// ]] && compopt -o nospace
            return
            ;;
        --model)
            COMPREPLY=($(compgen -W "4 8 16" -- "$cur"))
            return
            ;;
        --page)
            COMPREPLY=($(compgen -W "common faults loops zones access relays" -- "$cur"))
            return
            ;;
        --lang)
            COMPREPLY=($(compgen -W "ru en" -- "$cur"))
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        local options
        options=$("${words[0]}" "$cmd" --help 2>/dev/null | grep -o -- '--[a-z][a-z0-9-]*' | sort -u)
        COMPREPLY=($(compgen -W "$options --help --lang" -- "$cur"))
        return
    fi
    _filedir
}
complete -F _olma_cli olma-cli
