#!/usr/bin/env python3
"""Checks that the translation files are complete for the sources as they are now.

lupdate gathers the texts of the sources into copies of i18n/fourier_*.ts, exactly as the
update_translations target does; then every English entry must be finished, keep the
source's placeholders (%1 … %9, %n) and accelerator (&), and hold no Cyrillic letter, and
the Russian file (plural forms only, its texts being the sources) must have nothing
unfinished. Prints each fault and exits with 1 if there is one.
usage: check-translations.py SOURCE_DIR LUPDATE
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

FOLDERS = ["translator", "analysis", "synthesis", "toolkit", "app", "program", "lab", "i18n"]
OPTIONS = ["-source-language", "ru", "-locations", "none", "-no-obsolete",
           "-tr-function-alias", "translate+=Wording,QT_TRANSLATE_NOOP+=WORDING_NOOP"]
PLACEHOLDER = re.compile(r"%(?:n|L?[1-9])")
CYRILLIC = re.compile(r"[\u0400-\u04FF]")


def accelerator(text):
    return "&" in text.replace("&&", "")


def gathered(source_dir, lupdate, name, extra):
    work = Path(tempfile.mkdtemp())
    copy = work / name
    shutil.copy(source_dir / "i18n" / name, copy)
    sources = [str(source_dir / folder) for folder in FOLDERS]
    run = subprocess.run([lupdate, *OPTIONS, *extra, *sources, "-ts", str(copy)],
                         capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"lupdate failed: {run.stderr}")
    tree = ElementTree.parse(copy)
    shutil.rmtree(work)
    return tree


def messages(tree):
    for context in tree.getroot().iter("context"):
        for message in context.iter("message"):
            yield context.findtext("name"), message


def english_faults(tree):
    for context, message in messages(tree):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        where = f"{context}: «{source}»"
        kind = translation.get("type") if translation is not None else "missing"
        if kind in ("unfinished", "missing", "vanished", "obsolete"):
            yield f"{where}: no English ({kind})"
            continue
        forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
        for text in forms:
            if not text.strip():
                yield f"{where}: empty English"
            if set(PLACEHOLDER.findall(text)) != set(PLACEHOLDER.findall(source)):
                yield f"{where}: placeholders differ in «{text}»"
            if CYRILLIC.search(text):
                yield f"{where}: Cyrillic in «{text}»"
            if accelerator(source) != accelerator(text):
                yield f"{where}: accelerator differs in «{text}»"


def russian_faults(tree):
    for context, message in messages(tree):
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
            yield f"{context}: «{message.findtext('source')}»: unfinished Russian plural forms"


def main():
    source_dir, lupdate = Path(sys.argv[1]), sys.argv[2]
    faults = list(english_faults(gathered(source_dir, lupdate, "fourier_en.ts", [])))
    faults += russian_faults(gathered(source_dir, lupdate, "fourier_ru.ts", ["-pluralonly"]))
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} fault(s); after `cmake --build <build> --target update_translations`"
              " fill them in i18n/fourier_*.ts")
        return 1
    print("translations complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
