#!/usr/bin/env bash
# Drives the bash completion of ostraval-ctl through bash and the
# bash-completion package, as a shell does on Tab: commands, each command's
# options, field paths for get and set, preset names, file names for import,
# diff, export and preset --profile.
#
# usage: completion_test.sh CTL COMPLETION-FILE
set -uo pipefail
ctl=$1
completion=$2

if ! source /usr/share/bash-completion/bash_completion 2>/dev/null; then
    echo "FAIL: the bash-completion package is not installed (scripts/setup.sh installs it)"
    exit 1
fi
# shellcheck source=/dev/null
source "$completion"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/desk.json" "$work/desk.bak"
mkdir "$work/desks"

# compopt works only inside a completion that readline started; here it
# notes what it was asked.
compopt() { options_asked+=" $*"; }

failures=0
# expect LINE WORD...: completing at the end of LINE offers exactly WORDs.
expect() {
    local line=$1
    shift
    COMP_LINE=$line
    COMP_POINT=${#line}
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    options_asked=""
    _ostraval_ctl
    local got expected
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
    expected=$(printf '%s\n' "$@" | sort)
    if [ "$got" != "$expected" ]; then
        echo "FAIL: '$line' offered:"
        printf '  %s\n' "${COMPREPLY[@]}"
        echo "expected:"
        printf '  %s\n' "$@"
        failures=$((failures + 1))
    fi
}

expect "$ctl " show export import diff get set reset range preset help --help --version
expect "$ctl im" import
expect "$ctl help r" reset range
expect "$ctl import --" --check --json --help
expect "$ctl reset --" --yes --check --json --help
expect "$ctl range --watch --c" --count
expect "$ctl range --count "
expect "$ctl get walk_away.keys[1]." walk_away.keys[1].name walk_away.keys[1].code walk_away.keys[1].mods
expect "$ctl get idle." idle.rate idle.key idle.key.name idle.key.code idle.key.mods
expect "$ctl set leds." leds.in_range= leds.out_of_range= leds.transition=
[[ $options_asked == *nospace* ]] || { echo "FAIL: set paths are followed by a blank"; failures=$((failures + 1)); }
expect "$ctl set detection_range=3 walk_up_d" walk_up_delay=
expect "$ctl import $work/desk." "$work/desk.json" "$work/desk.bak"
expect "$ctl diff $work/desks" "$work/desks"
expect "$ctl export $work/desk.j" "$work/desk.json"
expect "$ctl show "
expect "$ctl preset " gnome plasma xfce cinnamon mate windows-2000 windows-xp-classic xp-welcome-screen this-desktop
expect "$ctl preset x" xfce xp-welcome-screen
expect "$ctl preset mate --" --list --profile --check --json --help
expect "$ctl preset mate --profile $work/desk." "$work/desk.json" "$work/desk.bak"

if [ $failures -ne 0 ]; then
    echo "$failures completion(s) failed"
    exit 1
fi
echo "ok"
