#!/usr/bin/env bash
# Makes the three Debian packages with cpack -G DEB and checks them as
# Debian's policy has it: names, sections, Multi-Arch and dependencies;
# each package's files; the library's symbols, shlibs and ldconfig trigger
# and no maintainer scripts; copyright and changelog; compressed manual
# pages; no run path, stripped and hardened binaries; and lintian's verdict
# when lintian is installed.
#
# The packages come from BUILD-DIR, a hardened build (OSTRAVAL_HARDENING=ON)
# that is already built; given the C++ compiler and generator as well, the
# script first configures and builds BUILD-DIR itself as the README does
# (hardened, without the tests). The packages land in PACKAGE-DIR; the C
# compiler builds a program against the packaged library.
#
# usage: check_packages.sh SOURCE-DIR PACKAGE-DIR C-COMPILER BUILD-DIR [C++-COMPILER GENERATOR]
set -uo pipefail

source_dir=$1
package_dir=$2
cc=$3
build=$4
cxx=${5:-}
generator=${6:-}
# The release, as the changelog's latest entry names it (configuring checks
# that it is the project's); the library's symbols date from 1.1.0.
version=$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' "$source_dir/packaging/changelog")
symbols_since=1.1.0
arch=$(dpkg --print-architecture)
libdir=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
app_id=com.zelvora.OstravalConfig

packages=(ostraval-config libkv3rapi1 libkv3rapi-dev)
declare -A section=([ostraval-config]=utils [libkv3rapi1]=libs [libkv3rapi-dev]=libdevel)
declare -A multi_arch=([ostraval-config]="" [libkv3rapi1]=same [libkv3rapi-dev]=same)
# Dependencies each package must have, by the start of their text: the
# device library in the same version, and what dpkg-shlibdeps finds.
declare -A depends=(
    [ostraval-config]="libkv3rapi1 (= $version)|libc6 (>=|libqt6core6 (>=|libqt6gui6 (>=|libqt6widgets6 (>=|libstdc++6 (>="
    [libkv3rapi1]="libc6 (>=|libstdc++6 (>="
    [libkv3rapi-dev]="libkv3rapi1 (= $version)"
)
# The control archive's members: no maintainer scripts anywhere (ldconfig
# runs by the library's trigger).
declare -A control_files=(
    [ostraval-config]="control md5sums"
    [libkv3rapi1]="control md5sums shlibs symbols triggers"
    [libkv3rapi-dev]="control md5sums"
)

# Every file and link of a package, and nothing else (no benchmark program,
# no test); each package also has its copyright and changelog.
package_files() {
    case $1 in
        ostraval-config)
            printf '%s\n' usr/bin/ostraval-config usr/bin/ostraval-ctl \
                usr/share/applications/$app_id.desktop \
                usr/share/metainfo/$app_id.metainfo.xml \
                usr/share/icons/hicolor/scalable/apps/$app_id.svg \
                usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png \
                usr/share/man/man1/ostraval-config.1.gz usr/share/man/man1/ostraval-ctl.1.gz \
                usr/share/man/{de,cs}/man1/ostraval-config.1.gz \
                usr/share/man/{de,cs}/man1/ostraval-ctl.1.gz \
                usr/share/ostraval/ostraval-profile.schema.json \
                usr/share/ostraval/translations/ostraval_{en,de,cs}.qm \
                usr/share/bash-completion/completions/ostraval-ctl ;;
        libkv3rapi1)
            printf '%s\n' "$libdir/libKV3RAPI.so.$version" "$libdir/libKV3RAPI.so.1" ;;
        libkv3rapi-dev)
            printf '%s\n' "$libdir/libKV3RAPI.so" "$libdir/pkgconfig/kv3rapi.pc" usr/include/kv3rapi.h ;;
    esac
    printf '%s\n' "usr/share/doc/$1/copyright" "usr/share/doc/$1/changelog.gz"
}

. "$(dirname "$0")/../support/checks.sh"

# Runs a build step quietly; on failure shows its output and stops.
step() {
    if ! "$@" >"$work/step.log" 2>&1; then
        cat "$work/step.log"
        echo "FAIL: $*"
        exit 1
    fi
}

build_packages() {
    if [ -n "$generator" ]; then
        step cmake -S "$source_dir" -B "$build" -G "$generator" \
            -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" \
            -DBUILD_TESTING=OFF -DOSTRAVAL_HARDENING=ON
        step cmake --build "$build" -j "$(nproc)"
    fi
    grep -qx 'OSTRAVAL_HARDENING:BOOL=ON' "$build/CMakeCache.txt" \
        || { echo "FAIL: $build is not a hardened build"; exit 1; }
    rm -rf "$package_dir"
    mkdir -p "$package_dir"
    step cpack -G DEB --config "$build/CPackConfig.cmake" -B "$package_dir"
}

deb() {
    echo "$package_dir/${1}_${version}_$arch.deb"
}

unpack_packages() {
    local made expected
    made=$(cd "$package_dir" && ls ./*.deb | sed 's|^\./||' | sort)
    expected=$(for p in "${packages[@]}"; do basename "$(deb "$p")"; done | sort)
    [ "$made" = "$expected" ] || fail "cpack made: $(xargs <<<"$made"), not: $(xargs <<<"$expected")"
    local p
    for p in "${packages[@]}"; do
        [ -f "$(deb "$p")" ] || { echo "FAIL: no $(deb "$p")"; exit 1; }
        dpkg-deb -x "$(deb "$p")" "$work/$p"
        dpkg-deb -e "$(deb "$p")" "$work/$p.control"
    done
}

# A field of a package's control file as written (dpkg-deb -f would give
# defaults for fields that are not there).
field() {
    sed -n "s/^$2: //p" "$work/$1.control/control"
}

check_fields() {
    local p=$1 name value
    for name in Package Version Architecture Section Multi-Arch; do
        value=$(field "$p" "$name")
        case $name in
            Package) [ "$value" = "$p" ] ;;
            Version) [ "$value" = "$version" ] ;;
            Architecture) [ "$value" = "$arch" ] ;;
            Section) [ "$value" = "${section[$p]}" ] ;;
            Multi-Arch) [ "$value" = "${multi_arch[$p]}" ] ;;
        esac || fail "$p: $name is '$value'"
    done
    local deps wanted
    deps=$(field "$p" Depends | sed 's/, /\n/g')
    IFS='|' read -ra wanted <<<"${depends[$p]}"
    for value in "${wanted[@]}"; do
        grep -qF -- "$value" <<<"$deps" && [ "$(grep -cF -- "${value%% *} " <<<"$deps")" -eq 1 ] \
            || fail "$p: Depends lacks '$value' (or names it twice): $(xargs <<<"$deps")"
    done
    if [ "$p" = libkv3rapi1 ] && grep -q '^libkv3rapi' <<<"$deps"; then
        fail "libkv3rapi1 depends on itself: $(xargs <<<"$deps")"
    fi
    # The window's own Wayland plugin, recommended by the utility alone.
    local recommends
    recommends=$(field "$p" Recommends)
    if [ "$p" = ostraval-config ]; then
        [ "$recommends" = qt6-wayland ] || fail "$p: Recommends is '$recommends'"
    else
        [ -z "$recommends" ] || fail "$p: Recommends is '$recommends'"
    fi
}

check_files() {
    local p=$1 extra missing
    (cd "$work/$p" && find . ! -type d | sed 's|^\./||' | sort) >"$work/files"
    package_files "$p" | sort >"$work/expected"
    missing=$(comm -13 "$work/files" "$work/expected")
    extra=$(comm -23 "$work/files" "$work/expected")
    [ -z "$missing" ] || fail "$p lacks: $missing"
    [ -z "$extra" ] || fail "$p holds more: $extra"
    local members
    members=$(ls "$work/$p.control" | sort | xargs)
    [ "$members" = "${control_files[$p]}" ] \
        || fail "$p: control archive holds '$members', not '${control_files[$p]}'"
}

# A gzip file as Debian wants it: highest compression, no name or time
# stamp in its header, and the source's text inside.
check_gzipped() {
    local file=$1 source=$2 header
    header=$(od -An -tu1 -N10 "$file" | xargs)
    # bytes: 31 139 8 FLG MTIME(4) XFL OS; XFL 2 is the highest level.
    case $header in
        "31 139 8 0 0 0 0 0 2 "*) ;;
        *) fail "${file#"$work"/}: gzip header '$header' (wants no name, no time, -9)" ;;
    esac
    gzip -dc "$file" | cmp -s - "$source" || fail "${file#"$work"/} is not $source compressed"
}

check_documents() {
    local p=$1 doc=$work/$1/usr/share/doc/$1
    check_gzipped "$doc/changelog.gz" "$source_dir/packaging/changelog"
    head -n1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        || fail "$p: copyright is not in the machine-readable format"
    grep -qx 'Files: \*' "$doc/copyright" && grep -qx 'Copyright: 2026 Zelvora' "$doc/copyright" \
        || fail "$p: copyright does not cover all files by Zelvora"
    # The licence's text after "License: MIT", as LICENSE has it.
    sed -n '/^License: MIT$/,$p' "$doc/copyright" | tail -n +2 | sed 's/^ //; s/^\.$//' >"$work/licence"
    sed -n '/^Permission/,$p' "$source_dir/LICENSE" | cmp -s - "$work/licence" \
        || fail "$p: the copyright file's licence text is not LICENSE's"
}

check_manual_pages() {
    local page lang
    for page in ostraval-config ostraval-ctl; do
        check_gzipped "$work/ostraval-config/usr/share/man/man1/$page.1.gz" "$source_dir/man/$page.1"
        # The translations: gzipped, and a German or Czech page, not a copy.
        for lang in de cs; do
            gzip -t "$work/ostraval-config/usr/share/man/$lang/man1/$page.1.gz" 2>/dev/null \
                || fail "the $lang manual page $page.1 is not gzipped"
            ! zcmp -s "$work/ostraval-config/usr/share/man/$lang/man1/$page.1.gz" "$source_dir/man/$page.1" \
                || fail "the $lang manual page $page.1 is the English one"
        done
    done
}

# Every program and library: no run path, stripped of symbols, debugging
# and comment sections, with full RELRO, immediate binding and the stack
# protector; the fortified functions show in the library.
check_binaries() {
    local file name fortified=0
    while read -r file; do
        name=${file#"$work"/}
        readelf -d "$file" >"$work/dynamic"
        ! grep -qE '\((RPATH|RUNPATH)\)' "$work/dynamic" || fail "$name has a run path"
        grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' "$work/dynamic" || fail "$name: no BIND_NOW"
        readelf -lW "$file" | grep -q GNU_RELRO || fail "$name: no RELRO"
        ! readelf -SW "$file" | grep -qE '\] (\.comment|\.debug_[a-z]*|\.symtab) ' \
            || fail "$name: not stripped: $(readelf -SW "$file" | grep -oE '(\.comment|\.debug_[a-z]*|\.symtab) ' | xargs)"
        readelf --dyn-syms -W "$file" >"$work/symbols"
        grep -q ' UND __stack_chk_fail' "$work/symbols" || fail "$name: no stack protector"
        grep -qE ' UND __[a-z]+_chk@' "$work/symbols" && fortified=1
    done < <(for p in "${packages[@]}"; do find "$work/$p" -type f -exec sh -c 'readelf -h "$1" >/dev/null 2>&1' _ {} \; -print; done)
    [ $fortified -eq 1 ] || fail "no binary calls a fortified function (_FORTIFY_SOURCE)"
}

# The library's control files, and what they are for: a program linked
# against the library gets the dependency "libkv3rapi1 (>= 1.1.0)", the
# release its symbols date from, from dpkg-shlibdeps.
check_library_control() {
    local control=$work/libkv3rapi1.control name
    head -n2 "$control/symbols" | tr '\n' '|' | grep -qx 'libKV3RAPI.so.1 libkv3rapi1 #MINVER#|\* Build-Depends-Package: libkv3rapi-dev|' \
        || fail "symbols: heading is: $(head -n2 "$control/symbols")"
    for name in "${c_functions[@]}"; do
        grep -qx " $name@KV3RAPI_1 $symbols_since" "$control/symbols" \
            || fail "symbols: no '$name@KV3RAPI_1 $symbols_since'"
    done
    grep -qx "libKV3RAPI 1 libkv3rapi1 (>= $version)" "$control/shlibs" || fail "shlibs: $(cat "$control/shlibs")"
    [ "$(grep -v '^#' "$control/triggers")" = "activate-noawait ldconfig" ] \
        || fail "triggers: $(cat "$control/triggers")"

    local consumer=$work/consumer
    mkdir -p "$consumer/debian/libkv3rapi1" "$consumer/debian/user/usr/bin"
    : >"$consumer/debian/control"
    cp -a "$work/libkv3rapi1/." "$consumer/debian/libkv3rapi1/"
    cp -a "$control" "$consumer/debian/libkv3rapi1/DEBIAN"
    printf '#include <kv3rapi.h>\nint main(void)\n{\n    int32_t version = 0;\n    return USBConnect(&version) ? 0 : 1;\n}\n' >"$work/use.c"
    "$cc" "$work/use.c" -I"$work/libkv3rapi-dev/usr/include" \
        "$consumer/debian/libkv3rapi1/$libdir/libKV3RAPI.so.1" -o "$consumer/debian/user/usr/bin/use" \
        || { fail "a C program does not build against the packaged header and library"; return; }
    (cd "$consumer" && dpkg-shlibdeps -O -Sdebian/libkv3rapi1 debian/user/usr/bin/use) >"$work/out" 2>&1
    grep -q "libkv3rapi1 (>= $symbols_since)" "$work/out" \
        || fail "dpkg-shlibdeps on a program using the library: $(cat "$work/out")"
}

# The packaged programs still run once stripped.
check_programs_run() {
    local exe out
    for exe in ostraval-config ostraval-ctl; do
        out=$(env LD_LIBRARY_PATH="$work/libkv3rapi1/$libdir" QT_QPA_PLATFORM=offscreen \
            "$work/ostraval-config/usr/bin/$exe" --version 2>&1)
        [ "$out" = "$exe $version" ] || fail "packaged $exe --version: $out"
    done
}

# lintian, pedantic, experimental and informational tags included: none.
check_lintian() {
    if ! command -v lintian >/dev/null; then
        echo "lintian is not installed: its check is skipped"
        return
    fi
    local files=() p status
    for p in "${packages[@]}"; do files+=("$(deb "$p")"); done
    lintian -I -E --pedantic --no-tag-display-limit "${files[@]}" >"$work/lintian" 2>"$work/lintian.err"
    status=$?
    if grep -qE '^[EWIPXO]: ' "$work/lintian"; then
        fail "lintian: $(cat "$work/lintian")"
    elif [ $status -ne 0 ]; then
        fail "lintian failed ($status): $(cat "$work/lintian.err")"
    fi
}

build_packages
unpack_packages
for p in "${packages[@]}"; do
    check_fields "$p"
    check_files "$p"
    check_documents "$p"
done
check_manual_pages
check_binaries
check_library_control
check_programs_run
check_lintian

finish "The three packages are complete and policy-clean."
