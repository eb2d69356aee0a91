#!/usr/bin/env python3
"""Fails when a text shown to users has no proper translation.

Runs lupdate over each area's sources into a copy of the area's .ts file and lists every entry
left unfinished (a new or changed German text), every translation that does not keep the
German text's %1..%9 arguments or its line breaks, and every English text that names a thing
otherwise than the one term the program uses for it everywhere (window, report, messages, CLI).

  check_translations.py LUPDATE TS_FOLDER WORK_FOLDER LANGUAGES AREA=SOURCE|SOURCE... ...
      (lupdate options follow after "--")
"""
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def text_of(element):
    """The whole text of a <source> or <translation>: lupdate writes a carriage return as a
    <byte value="xd"/> element inside it."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


# One term per thing in English: what a text must not say, and the term it says instead.
ENGLISH_TERMS = [
    (re.compile(r"\b(down|up)load", re.I), "write / read (the device)"),
    (re.compile(r"\b(upper|lower) limit\b", re.I), "upper / lower switch point"),
    (re.compile(r"\bdecimals\b", re.I), "decimal places"),
    (re.compile(r"\boperating mode\b", re.I), "relay function"),
    (re.compile(r"\bLimits (%\d|[A-D1-4])\b"), "Limit 1, Limit A"),
    (re.compile(r":\*"), "*: (the mark before the colon)"),
]


def problems(ts_file, name):
    english = name.endswith("_en.ts")
    for context in ET.parse(ts_file).getroot().iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            text = text_of(translation)
            where = f"{name}: {context_name}: \"{source}\""
            if translation.get("type") == "unfinished" or not text:
                yield f"{where} has no translation"
                continue
            if set(re.findall(r"%[1-9]", source)) != set(re.findall(r"%[1-9]", text)):
                yield f"{where}: \"{text}\" does not keep the arguments"
            if source.count("\r\n") != text.count("\r\n"):
                yield f"{where}: \"{text}\" does not keep the line breaks"
            for wrong, term in ENGLISH_TERMS if english else []:
                if wrong.search(text):
                    yield f"{where}: \"{text}\" says \"{wrong.search(text)[0]}\", not {term}"


def main():
    split = sys.argv.index("--")
    lupdate, ts_folder, work, languages, *areas = sys.argv[1:split]
    options = sys.argv[split + 1:]
    work = Path(work)
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    found = []
    for language in languages.split(","):
        for area in areas:
            name, sources = area.split("=", 1)
            ts_name = f"{name}_{language}.ts"
            original = Path(ts_folder) / ts_name
            if not original.exists():
                found.append(f"{ts_name}: missing")
                continue
            copy = work / ts_name
            shutil.copyfile(original, copy)
            run = subprocess.run([lupdate, *options, "-target-language", language,
                                  *sources.split("|"), "-ts", str(copy)],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                found.append(f"{ts_name}: lupdate failed: {run.stderr}")
                continue
            found.extend(problems(copy, ts_name))
    for line in found:
        print(line)
    print(f"{len(found)} texts without a proper translation" if found else
          "Every text has its translation.")
    return 1 if found else 0


sys.exit(main())
