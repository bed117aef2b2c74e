#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# when any of them is missing. Safe to run again: it installs nothing twice.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libgl-dev xvfb xauth fonts-dejavu-core)
# Installing and packaging: the icons' SVG writer, the install test's
# checkers (desktop entry, metainfo, manual pages, pkg-config, ELF tools) and what
# cpack -G DEB runs (dpkg-shlibdeps, file).
packages+=(qt6-svg-dev desktop-file-utils appstream groff-base pkgconf binutils dpkg-dev file)
# The package test checks the three .deb files with Debian's own checker.
packages+=(lintian)
# The Ansible collection is built, installed and run with ansible-core
# (ansible-galaxy, ansible-playbook, ansible-doc, ansible-test), its example
# checked with ansible-lint, and its modules with the sanity checkers that
# work offline (validate-modules needs voluptuous, pep8 pycodestyle).
packages+=(ansible-core ansible-lint python3-voluptuous pycodestyle)
# The profile schema is checked with python3-jsonschema, the bash completion
# of ostraval-ctl through bash-completion.
packages+=(python3-jsonschema bash-completion)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
packages+=(clang libclang-rt-14-dev)
# The accessibility test: a D-Bus session, the AT-SPI registry and its Python client.
packages+=(dbus at-spi2-core python3 python3-gi gir1.2-atspi-2.0 python3-pyatspi)
# The accessibility test types into the window as a user does.
packages+=(xdotool)
# The contrast test reads qt6ct's "darker" colour scheme and runs the window
# under GTK's dark Adwaita theme through Qt's GTK platform theme.
packages+=(qt6ct qt6-gtk-platformtheme gnome-themes-extra)
# The desktop entry's and metainfo's catalogues (msgfmt), the manual pages'
# (po4a), and man to show the translated pages.
packages+=(gettext po4a man-db)
# The README's pictures: GDK through Python reads the window off the X server.
packages+=(gir1.2-gtk-3.0)
# The screen reader whose speech the accessibility test reads: Orca, run
# without a speech server (its debug output tells what it would say).
packages+=(orca)
# Translations: lupdate and lrelease with their CMake functions, Qt's own
# catalogues (qtbase_de.qm, ...), and the German and Czech locales that the
# number-box tests run under.
packages+=(qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales the tests run under besides C.UTF-8, generated once.
generate=()
for loc in de_DE.UTF-8 cs_CZ.UTF-8; do
    if ! locale -a 2>/dev/null | grep -qix "${loc/UTF-8/utf8}"; then
        generate+=("$loc")
    fi
done
if [ ${#generate[@]} -gt 0 ]; then
    echo "Generating locales: ${generate[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    for loc in "${generate[@]}"; do
        if ! grep -qx "$loc UTF-8" /etc/locale.gen; then
            $sudo sed -i "s/^# *\($loc UTF-8\)$/\1/" /etc/locale.gen
            grep -qx "$loc UTF-8" /etc/locale.gen || echo "$loc UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
        fi
    done
    $sudo locale-gen
fi
