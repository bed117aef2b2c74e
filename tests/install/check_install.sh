#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
# its files, the device library's SONAME and exported symbols, the run path
# of the executables, the desktop entry and metainfo, the manual pages, the
# pkg-config file, and the installed executables' command lines. Installs it
# once more under /usr (into a staging folder), where nothing may carry a
# run path.
#
# usage: check_install.sh BUILD-DIR LIBDIR C-COMPILER [C-FLAGS]
set -uo pipefail

build=$1
libdir=$2
cc=$3
cflags=${4:-}
app_id=com.zelvora.OstravalConfig

# Every file and link the install holds, and nothing else.
expected_files=(
    bin/ostraval-config
    bin/ostraval-ctl
    "$libdir/libKV3RAPI.so.1.1.1"
    "$libdir/libKV3RAPI.so.1"
    "$libdir/libKV3RAPI.so"
    "$libdir/pkgconfig/kv3rapi.pc"
    include/kv3rapi.h
    share/applications/$app_id.desktop
    share/metainfo/$app_id.metainfo.xml
    share/icons/hicolor/scalable/apps/$app_id.svg
    share/icons/hicolor/16x16/apps/$app_id.png
    share/icons/hicolor/32x32/apps/$app_id.png
    share/icons/hicolor/48x48/apps/$app_id.png
    share/icons/hicolor/64x64/apps/$app_id.png
    share/icons/hicolor/128x128/apps/$app_id.png
    share/icons/hicolor/256x256/apps/$app_id.png
    share/man/man1/ostraval-config.1.gz
    share/man/man1/ostraval-ctl.1.gz
    share/man/de/man1/ostraval-config.1.gz
    share/man/de/man1/ostraval-ctl.1.gz
    share/man/cs/man1/ostraval-config.1.gz
    share/man/cs/man1/ostraval-ctl.1.gz
    share/doc/ostraval-config/copyright
    share/doc/ostraval-config/changelog.gz
    share/doc/libkv3rapi1/copyright
    share/doc/libkv3rapi1/changelog.gz
    share/doc/libkv3rapi-dev/copyright
    share/doc/libkv3rapi-dev/changelog.gz
    share/ostraval/ostraval-profile.schema.json
    share/ostraval/translations/ostraval_en.qm
    share/ostraval/translations/ostraval_de.qm
    share/ostraval/translations/ostraval_cs.qm
    share/bash-completion/completions/ostraval-ctl
)

# Installed programs: each answers --version with "NAME VERSION", --help
# with a usage, and an unknown option with one line on stderr and status 2.
executables=(
    ostraval-config
    ostraval-ctl
)

. "$(dirname "$0")/../support/checks.sh"

if ! cmake --install "$build" --prefix "$work/staged" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
grep -qx "prefix=$work/staged" "$work/staged/$libdir/pkgconfig/kv3rapi.pc" \
    || fail "kv3rapi.pc does not name the prefix installed to"
# Moved after installing: what runs here finds its library through a
# relative run path, not through a path fixed at build or install time.
prefix=$work/prefix
mv "$work/staged" "$prefix"

check_tree() {
    local f
    for f in "${expected_files[@]}"; do
        [ -e "$prefix/$f" ] || fail "not installed: $f"
    done
    (cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/installed"
    printf '%s\n' "${expected_files[@]}" | sort >"$work/expected"
    local extra
    extra=$(comm -23 "$work/installed" "$work/expected")
    [ -z "$extra" ] || fail "installed but not expected: $extra"
    [ "$(readlink "$prefix/$libdir/libKV3RAPI.so")" = libKV3RAPI.so.1 ] \
        || fail "libKV3RAPI.so does not point to libKV3RAPI.so.1"
    [ "$(readlink "$prefix/$libdir/libKV3RAPI.so.1")" = libKV3RAPI.so.1.1.1 ] \
        || fail "libKV3RAPI.so.1 does not point to libKV3RAPI.so.1.1.1"
}

check_library() {
    local lib=$prefix/$libdir/libKV3RAPI.so.1.1.1
    local soname
    soname=$(readelf -d "$lib" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
    [ "$soname" = libKV3RAPI.so.1 ] || fail "SONAME is '$soname'"

    nm -D --defined-only "$lib" | awk '$2 != "A" { print $3 }' | sed 's/@.*//' | sort -u >"$work/exported"
    local name
    for name in "${c_functions[@]}"; do
        grep -qx "$name" "$work/exported" || fail "not exported: $name"
    done
    local stray
    stray=$(grep -vxF -f <(printf '%s\n' "${c_functions[@]}") "$work/exported" \
        | c++filt | awk '!/^kv3sim::/ || /^kv3sim::detail::/')
    [ -z "$stray" ] || fail "exported beyond the interface: $stray"
}

run_path() {
    readelf -d "$1" | sed -n 's/.*(R\(UN\)\?PATH).*\[\(.*\)\]/\2/p'
}

# Outside /usr a program finds the installed library through the relative
# run path alone, and the library itself has none.
check_run_path() {
    local exe=$1
    local runpath
    runpath=$(run_path "$prefix/bin/$exe")
    # shellcheck disable=SC2016
    [ "$runpath" = '$ORIGIN/../'"$libdir" ] || fail "$exe: run path '$runpath'"
    local resolved
    resolved=$(env -u LD_LIBRARY_PATH ldd "$prefix/bin/$exe" | awk '$1 == "libKV3RAPI.so.1" { print $3 }')
    [ "$resolved" = "$(realpath "$prefix/$libdir/libKV3RAPI.so.1")" ] \
        || [ "$(realpath -q "$resolved")" = "$(realpath "$prefix/$libdir/libKV3RAPI.so.1.1.1")" ] \
        || fail "$exe: libKV3RAPI.so.1 resolves to '$resolved', not the installed library"
}

check_library_run_path() {
    local runpath
    runpath=$(run_path "$prefix/$libdir/libKV3RAPI.so.1.1.1")
    [ -z "$runpath" ] || fail "libKV3RAPI.so.1.1.1: run path '$runpath'"
}

# Under /usr the library lies in the system's search path: no program or
# library carries a run path, and the pkg-config file names /usr.
check_system_install() {
    local root=$work/root
    if ! DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
        fail "cmake --install --prefix /usr: $(cat "$work/install.log")"
        return
    fi
    local file runpath
    for file in "${executables[@]/#/bin/}" "$libdir/libKV3RAPI.so.1.1.1"; do
        runpath=$(run_path "$root/usr/$file")
        [ -z "$runpath" ] || fail "/usr/$file: run path '$runpath' under /usr"
    done
    grep -qx "prefix=/usr" "$root/usr/$libdir/pkgconfig/kv3rapi.pc" \
        || fail "kv3rapi.pc installed under /usr does not name /usr"
}

# Runs an installed program offscreen, without the build's library path, in
# a session's runtime folder as a desktop gives one (else Qt notes its
# absence on standard error once the window's application exists).
run_installed() {
    mkdir -p -m 700 "$work/runtime"
    env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen KV3RAPI_SIM_STATE="$work/sensor.bin" \
        XDG_RUNTIME_DIR="$work/runtime" timeout 30 "$prefix/bin/$@"
}

check_command_line() {
    local exe=$1 status
    run_installed "$exe" --version >"$work/out" 2>"$work/err"
    status=$?
    [ $status -eq 0 ] || fail "$exe --version: status $status"
    grep -qx "$exe 1\.1\.1" "$work/out" || fail "$exe --version printed: $(cat "$work/out")"

    run_installed "$exe" --help >"$work/out" 2>"$work/err"
    status=$?
    [ $status -eq 0 ] || fail "$exe --help: status $status"
    grep -q "^Usage: $exe" "$work/out" || fail "$exe --help printed no usage"
    grep -q "KV3RAPI_SIM_" "$work/out" || fail "$exe --help does not say where the sensor settings are"

    run_installed "$exe" --no-such-option >"$work/out" 2>"$work/err"
    status=$?
    [ $status -eq 2 ] || fail "$exe --no-such-option: status $status"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$exe --no-such-option: stderr is not one line: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "$exe --no-such-option wrote to stdout"

    # The catalogues are found under the prefix the program runs from.
    LANGUAGE=de run_installed "$exe" --help >"$work/out" 2>"$work/err"
    if [ "$exe" = ostraval-ctl ]; then
        grep -q "^Aufruf: $exe" "$work/out" || fail "$exe --help under LANGUAGE=de is not German"
    fi
}

# The installed utility opens its window on the simulated sensor and keeps
# running until it is stopped.
check_window_starts() {
    local status
    env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen KV3RAPI_SIM_STATE="$work/sensor.bin" \
        timeout 3 "$prefix/bin/ostraval-config" >"$work/out" 2>&1
    status=$?
    [ $status -eq 124 ] || fail "ostraval-config ended with status $status at start: $(cat "$work/out")"
}

check_desktop_files() {
    desktop-file-validate "$prefix/share/applications/$app_id.desktop" >"$work/out" 2>&1 \
        || fail "desktop-file-validate: $(cat "$work/out")"
    [ ! -s "$work/out" ] || fail "desktop-file-validate: $(cat "$work/out")"
    appstreamcli validate --pedantic --no-net --no-color "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/out" 2>&1 \
        || fail "appstreamcli validate: $(cat "$work/out")"
    # The one pedantic hint left: the application's ID has capitals, as
    # reverse-DNS IDs may; changing it would rename the desktop entry and
    # the icons that desktops already know.
    ! grep '^[EWIP]:' "$work/out" | grep -qv 'cid-contains-uppercase-letter' \
        || fail "appstreamcli validate --pedantic: $(cat "$work/out")"
    check_desktop_languages
}

# The entry and the metainfo speak German and Czech; the metainfo's keywords
# are the entry's, and it provides only what the utility's package ships.
check_desktop_languages() {
    local entry=$prefix/share/applications/$app_id.desktop
    local metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    local lang key element
    grep -qx 'StartupWMClass=ostraval-config' "$entry" || fail "the desktop entry has no StartupWMClass=ostraval-config"
    for lang in de cs; do
        for key in Name GenericName Comment Keywords; do
            grep -q "^$key\[$lang\]=." "$entry" || fail "the desktop entry has no $key[$lang]"
        done
        for element in name summary p li keyword; do
            grep -q "<$element xml:lang=\"$lang\">" "$metainfo" \
                || fail "the metainfo has no $element in $lang"
        done
    done
    grep -q 'Name\[de\]=Ostraval-Konfigurationsprogramm$' "$entry" || fail "the German name is not the utility's"
    # The release notes are translated too: their paragraph comes after <releases>.
    sed -n '/<releases>/,$p' "$metainfo" | grep -q '<p xml:lang="de">' \
        || fail "the metainfo's release notes are not in German"
    local keywords
    keywords=$(sed -n 's/^Keywords=//p' "$entry" | tr ';' '\n' | sed '/^$/d')
    while read -r key; do
        grep -q "<keyword>$key</keyword>" "$metainfo" || fail "the metainfo lacks the entry's keyword '$key'"
    done <<<"$keywords"
    ! grep -q '<library>' "$metainfo" || fail "the metainfo provides a library the utility's package does not ship"
}

# Every installed manual page is compressed and formats without a warning.
check_manual_pages() {
    local page
    for page in "$prefix"/share/man/man*/* "$prefix"/share/man/*/man*/*; do
        gzip -dc "$page" >"$work/page" 2>"$work/out" \
            || { fail "manual page ${page#"$prefix"/} is not gzipped: $(cat "$work/out")"; continue; }
        # UTF-8 text goes through preconv (-k), as man reads it.
        groff -k -man -ww -z -Tutf8 "$work/page" >"$work/out" 2>&1
        [ ! -s "$work/out" ] || fail "manual page ${page#"$prefix"/}: $(cat "$work/out")"
    done
    # man finds the German and the Czech page by the language asked for.
    local lang heading
    for lang in de:BESCHREIBUNG cs:POPIS; do
        heading=${lang#*:}
        lang=${lang%:*}
        MANPATH="$prefix/share/man" MANWIDTH=80 man -L "$lang" ostraval-ctl 2>"$work/out" >"$work/page" \
            || fail "man -L $lang ostraval-ctl: $(cat "$work/out")"
        grep -q "^$heading" "$work/page" || fail "man -L $lang ostraval-ctl does not show the $lang page"
    done
}

# A C program builds against the installed header and library through the
# pkg-config file, and talks to the simulated sensor.
check_development_files() {
    cat >"$work/use.c" <<'C'
#include <kv3rapi.h>
#include <stdio.h>
int main(void)
{
    int32_t version = 0;
    SonarParms sonar = {0};
    if (!USBConnect(&version) || !ReadCfg() || !GetSonarParms(&sonar))
        return 1;
    printf("%d\n", sonar.MaxDist);
    return USBDisconnect() ? 0 : 1;
}
C
    # The tree was moved, so the prefix is given anew.
    local flags
    flags=$(PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig" pkg-config --define-variable=prefix="$prefix" --cflags --libs kv3rapi) \
        || { fail "pkg-config kv3rapi"; return; }
    # shellcheck disable=SC2086
    "$cc" $cflags "$work/use.c" -o "$work/use" $flags -Wl,-rpath,"$prefix/$libdir" \
        || { fail "a C program does not build against the installed library"; return; }
    local out
    out=$(env -u LD_LIBRARY_PATH KV3RAPI_SIM_STATE="$work/sensor.bin" "$work/use") \
        || fail "the C program's calls failed"
    [ "$out" = 36 ] || fail "the C program read the detection range '$out', not the factory default 36"
}

check_tree
check_library
check_library_run_path
for exe in "${executables[@]}"; do
    check_run_path "$exe"
    check_command_line "$exe"
done
check_window_starts
check_desktop_files
check_manual_pages
check_development_files
check_system_install

finish "The installed tree is complete and works."
