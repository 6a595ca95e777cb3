#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks the translation files against the sources: each lists every text as the sources have it now (as
lupdate would write it), each shipped language translates all of them (English: every plural form), and every
translation keeps its source's placeholders (%1, %n, %Ln ...).

Usage: check-translations.py LUPDATE SOURCE_DIR
"""
import filecmp
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


def problems(path):
    found = []
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            if translation is None or translation.get("type") == "unfinished":
                found.append(f"{name}: \"{source}\" is not translated")
                continue
            forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for form in forms:
                # A plural form for exactly one may name the count in words instead of %n.
                have = sorted(set(PLACEHOLDER.findall(form)))
                if have != wanted and not (len(forms) > 1 and have == [p for p in wanted if p[-1] != "n"]):
                    found.append(f"{name}: \"{form}\" has {have}, \"{source}\" has {wanted}")
    return found


def main(lupdate, source):
    failed = False
    with tempfile.TemporaryDirectory() as work:
        for ts in sorted(glob.glob(os.path.join(source, "translations", "horavane_*.ts"))):
            name = os.path.basename(ts)
            copy = os.path.join(work, name)
            shutil.copyfile(ts, copy)
            options = ["-locations", "none", "-no-obsolete", "-silent"]
            if name == "horavane_en.ts":
                options.append("-pluralonly")
            subprocess.run([lupdate, *options, "src", "-ts", copy], cwd=source, check=True, capture_output=True)
            if not filecmp.cmp(ts, copy, shallow=False):
                print(f"{name} does not list the sources' texts as they are: build the update_translations target")
                failed = True
            for problem in problems(copy):
                print(f"{name}: {problem}")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
