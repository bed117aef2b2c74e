#!/usr/bin/env python3
"""Writes a pseudo-language catalogue from a catalogue's English sources.

Every text becomes about 40 % longer and its letters carry accents, so that
the window shows at a glance where a text has no room to grow, where a
letter's accent is cut off at the top or bottom, and which texts were never
marked for translation (they stay plain English). Arguments (%1, %n, %L1),
accelerators (&File, &&), rich-text tags and line breaks are kept.

Usage: pseudolocalize.py SOURCE.ts PSEUDO.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "áƀçďéƒĝĥíĵķĺḿñóƥǫŕšťúṽŵẋýžÁƁÇĎÉƑĜĤÍĴĶĹḾÑÓƤǪŔŠŤÚṼŴẊÝŽ"))

# A run the text keeps as it is: an argument, an accelerator's marker with
# its letter, an escaped ampersand, or a rich-text tag.
KEPT = re.compile(r"%L?\d+|%n|&&|&\w|<[^>]*>")

PADDING = "ŵíďéŕ ťéẋť "
GROWTH = 0.4


def accented(run):
    return "".join(ACCENTED.get(c, c) for c in run)


def pseudo_line(line):
    # Blanks around the text stay where they are: a caption's trailing
    # blank is part of its layout.
    body = line.strip(" ")
    if not body:
        return line
    lead = line[: len(line) - len(line.lstrip(" "))]
    trail = line[len(line.rstrip(" ")):]
    out, pos = [], 0
    for m in KEPT.finditer(body):
        out.append(accented(body[pos:m.start()]))
        out.append(m.group(0))
        pos = m.end()
    out.append(accented(body[pos:]))
    extra = math.ceil(len(body) * GROWTH)
    padding = (PADDING * (extra // len(PADDING) + 1))[:extra].rstrip(" ")
    return lead + "".join(out) + (" " + padding if padding else "") + trail


def pseudo(text):
    return "\n".join(pseudo_line(line) for line in text.split("\n"))


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    # English plural rules: two forms, as the source catalogue's counted
    # messages have.
    root.set("language", "en")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
