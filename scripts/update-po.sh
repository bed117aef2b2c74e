#!/usr/bin/env bash
# Brings the gettext catalogues up to date with their English sources, for
# translators: the desktop entry's and the metainfo's (po/) and the manual
# pages' (man/po/, through po4a). New English text comes in untranslated,
# changed text as fuzzy; translate it in po/LANG.po and man/po/LANG.po and
# commit the catalogues. Until then the build shows such text in English.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

xgettext --from-code=UTF-8 --add-comments --package-name=ostraval-config \
    --msgid-bugs-address=support@zelvora.com -o po/ostraval-config.pot \
    packaging/com.zelvora.OstravalConfig.desktop
xgettext --join-existing --its=/usr/share/gettext/its/metainfo.its -o po/ostraval-config.pot \
    packaging/com.zelvora.OstravalConfig.metainfo.xml.in
while read -r lang; do
    [ -n "$lang" ] || continue
    msgmerge --quiet --update --backup=none po/"$lang".po po/ostraval-config.pot
done <po/LINGUAS

(cd man && po4a --no-translations --no-backups po4a.cfg)
