#!/usr/bin/env python3
"""Every translated catalogue is complete: each message has its translation
(every plural form of a counted one), none is unfinished, obsolete or
vanished, and each translation keeps its source's arguments (%1, %n, ...).

usage: complete_catalogues.py CATALOGUE.ts...
Prints one line per fault and exits 1 when there is any."""

import re
import sys
import xml.etree.ElementTree as ElementTree

ARGUMENT = re.compile(r"%(?:L?\d+|n)")


def arguments(text):
    return sorted(set(ARGUMENT.findall(text or "")))


def faults(path):
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = "%s: %s: %r" % (path, name, source[:60])
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                yield "%s is %s" % (where, kind)
                continue
            forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
            for form in forms:
                if not form:
                    yield "%s has an empty translation" % where
                elif arguments(form) != arguments(source) and not (
                        message.get("numerus") == "yes" and arguments(form) == [a for a in arguments(source) if a != "%n"]):
                    yield "%s: the translation's arguments %s differ from %s" % (
                        where, arguments(form), arguments(source))


def main():
    found = [fault for path in sys.argv[1:] for fault in faults(path)]
    for fault in found:
        print(fault)
    print("%d catalogue(s), %d fault(s)" % (len(sys.argv) - 1, len(found)))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
