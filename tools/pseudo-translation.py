#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes a pseudo-translation of Horavane's texts: every text wrapped in ‹ › and made about a third longer,
so that a window shown in it reveals any text that escaped translation (no markers) and any text that
would be clipped in a longer language.

Usage: pseudo-translation.py SOURCE_TS OUTPUT_TS
SOURCE_TS is any of translations/*.ts that lists every text (lupdate puts them all in each).
"""
import math
import re
import sys
import xml.etree.ElementTree as ElementTree

OPEN, CLOSE = "\u2039", "\u203a"
PADDING = "\u00b7"  # a middle dot: as wide as many letters, never mistaken for one


def pseudo(text):
    """The text inside markers with padding, keeping rich text rich: markers go inside its first tag."""
    padding = PADDING * max(1, math.ceil(len(re.sub(r"<[^>]*>|%L?\d|%L?n|&(?=\w)", "", text)) * 0.35))
    leading = re.match(r"\s*<[^>]+>", text)
    if leading:
        return text[: leading.end()] + OPEN + text[leading.end():] + padding + CLOSE
    return OPEN + text + padding + CLOSE


def main(source, output):
    tree = ElementTree.parse(source)
    root = tree.getroot()
    root.set("language", "en")  # two plural forms, as English has
    for message in root.iter("message"):
        text = message.findtext("source", "")
        translation = message.find("translation")
        if translation is None:
            translation = ElementTree.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for form in list(translation):
            translation.remove(form)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ElementTree.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
