# Bash completion for tcutil: commands, each command's options (read from the binary's own --help,
# so they always match it), the values of --format, --encoding and --market, and file names.
_tcutil()
{
    local tool=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        local commands
        commands=$("$tool" --help 2>/dev/null | awk '/^Commands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }')
        mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
        return
    fi
    case $prev in
    --format)
        mapfile -t COMPREPLY < <(compgen -W "text tsv json" -- "$cur")
        return
        ;;
    --encoding)
        mapfile -t COMPREPLY < <(compgen -W "utf-8 gbk auto" -- "$cur")
        return
        ;;
    --market)
        mapfile -t COMPREPLY < <(compgen -W "$("$tool" markets --format tsv 2>/dev/null | tail -n +2 | cut -f1)" -- "$cur")
        return
        ;;
    --out | --instruments | --types)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --key | --limit | --type | --level2)
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$("$tool" "${COMP_WORDS[1]}" --help 2>/dev/null | grep -o -- '--[a-z0-9-]*' | sort -u)" -- "$cur")
        return
    fi
    case ${COMP_WORDS[1]} in
    csv | encrypt | decrypt)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    esac
}
complete -F _tcutil tcutil
