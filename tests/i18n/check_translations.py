#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Each translation is complete: lupdate, run over the sources into a copy of
its .ts file, finds no text without a finished translation, none that the
sources no longer have, and every translation keeps its source's
placeholders (%1, %n) and line breaks. Also every .ts file of the folder is in
the list of languages, and each is in lupdate's own form for the sources.

check_translations.py LUPDATE TS_FOLDER "LANGUAGES" "LUPDATE_OPTIONS" SOURCE...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, folder, languages, options, *sources = sys.argv[1:]
languages = languages.split(";")
options = options.split(";")
problems = []

present = sorted(f[len("quillon_"):-3] for f in os.listdir(folder) if re.fullmatch(r"quillon_.+\.ts", f))
for extra in sorted(set(present) - set(languages)):
    problems.append(f"quillon_{extra}.ts is not in the list of languages (translations/CMakeLists.txt)")


def text(element):
    """An element's text with lupdate's <byte value="xd"/> for control characters."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def placeholders(s):
    # %L1 and %1 are the same argument, the one written the locale's way.
    return sorted(re.sub(r"%L", "%", p) for p in re.findall(r"%L?(?:\d+|n)", s))


with tempfile.TemporaryDirectory() as scratch:
    for language in languages:
        original = os.path.join(folder, f"quillon_{language}.ts")
        if not os.path.exists(original):
            problems.append(f"quillon_{language}.ts is missing: the target update_translations makes it")
            continue
        copy = os.path.join(scratch, os.path.basename(original))
        shutil.copy(original, copy)
        subprocess.run([lupdate, *options, *sources, "-ts", copy], check=True, stdout=subprocess.DEVNULL)
        with open(original, encoding="utf-8") as a, open(copy, encoding="utf-8") as b:
            if a.read() != b.read():
                problems.append(f"quillon_{language}.ts is not as lupdate leaves it: run the target update_translations")
        for context in ET.parse(copy).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = text(message.find("source"))
                where = f"{language}: [{name}] {source[:70]!r}"
                translation = message.find("translation")
                kind = translation.get("type")
                if kind in ("vanished", "obsolete"):
                    problems.append(f"{where}: no longer in the sources")
                    continue
                forms = [text(f) for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
                    else [text(translation)]
                if kind == "unfinished" or any(not f for f in forms):
                    problems.append(f"{where}: not translated")
                    continue
                for form in forms:
                    # A numerus form may leave the count out ("one page" for 1).
                    wanted = placeholders(source)
                    got = placeholders(form)
                    if got != wanted and not (message.get("numerus") == "yes" and
                                              [p for p in wanted if p != "%n"] == [p for p in got if p != "%n"]):
                        problems.append(f"{where}: placeholders {got} instead of {wanted}")
                    if form.count("\n") != source.count("\n") and source.count("\n") < 3:
                        problems.append(f"{where}: {form.count(chr(10))} line breaks instead of {source.count(chr(10))}")
                    if form.count("\r") != source.count("\r"):
                        problems.append(f"{where}: {form.count(chr(13))} breaks instead of {source.count(chr(13))}")

for problem in problems:
    print(problem)
print(f"{len(problems)} problems in {len(languages)} translations" if problems else
      f"translations complete: {', '.join(languages)}")
sys.exit(1 if problems else 0)
