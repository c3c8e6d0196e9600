# bash completion for tovrel2-find: modes, options, their values, and file
# names for the word list.
_tovrel2_find() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    # --option=value arrives as three words when "=" breaks words.
    if [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $cur == = ]]; then
        cur=
    fi
    case $prev in
    -d | --dictionary)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --format)
        mapfile -t COMPREPLY < <(compgen -W 'lines null box json' -- "$cur")
        return
        ;;
    --encoding)
        mapfile -t COMPREPLY < <(compgen -W 'auto utf-8 latin-1' -- "$cur")
        return
        ;;
    --order)
        mapfile -t COMPREPLY < <(compgen -W 'ranked list' -- "$cur")
        return
        ;;
    --max-words | --min-length | --include | --exclude | --limit)
        return # a number or a word of the user's
        ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '--dictionary --count --null --json --format --batch
            --encoding --fold-accents --max-words --min-length --no-capitals --include --exclude
            --limit --group --order --help --version -d -c -0 -h -V --' -- "$cur")
        return
    fi
    # The mode is the first word that is neither an option nor its value.
    local i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        -d | --dictionary | --format | --encoding | --max-words | --min-length | --include | --exclude | \
            --limit | --order) ((i++)) ;;
        --) ;;
        -*) ;;
        *) return ;;
        esac
    done
    mapfile -t COMPREPLY < <(compgen -W 'complete extended partial extended-partial phrase tiles pattern' -- "$cur")
}
complete -F _tovrel2_find tovrel2-find
