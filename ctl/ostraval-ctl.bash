# Bash completion for ostraval-ctl: commands, each command's options, field
# paths for get and set, preset names, and file names for import, diff,
# export and preset --profile. The
# words come from the tool itself (ostraval-ctl __complete), so that they
# follow its commands and fields.
_ostraval_ctl()
{
    local cur prev words cword
    _init_completion -n = || return

    local tool=${words[0]} command=${words[1]:-} word
    local -a candidates
    if ((cword == 1)); then
        mapfile -t candidates < <("$tool" __complete 2>/dev/null)
    else
        [[ $prev == --count ]] && return
        if [[ $prev == --profile ]]; then
            _filedir
            return
        fi
        mapfile -t candidates < <("$tool" __complete "$command" 2>/dev/null)
    fi

    local -a options fields
    local files=false
    for word in "${candidates[@]}"; do
        case $word in
            :files) files=true ;;
            -*) options+=("$word") ;;
            *) fields+=("$word") ;;
        esac
    done

    COMPREPLY=()
    if [[ $cur == -* ]] || ((cword == 1)); then
        for word in "${options[@]}" "${fields[@]}"; do
            [[ $word == "$cur"* ]] && COMPREPLY+=("$word")
        done
    elif $files; then
        _filedir
    else
        for word in "${fields[@]}"; do
            [[ $word == "$cur"* ]] && COMPREPLY+=("$word")
        done
        # A path for set ends in "=": the value follows without a blank.
        [[ ${COMPREPLY[0]:-} == *= ]] && compopt -o nospace
    fi
}
complete -F _ostraval_ctl ostraval-ctl
