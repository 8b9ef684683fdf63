#!/usr/bin/env python3
"""Brings the translation catalogues up to date with the source, or checks that they are.

    update_catalogues.py --lupdate PATH --source-dir DIR           # rewrite the catalogues
    update_catalogues.py --lupdate PATH --source-dir DIR --check   # report missing texts

The application catalogues (qml_<code>.ts) collect the texts of the QML modules and of the
C++ of backend/ and charts/; the brand catalogues (brand_<code>.ts) those of BrandConfig.
New texts arrive untranslated: fill in every language, English included (the English
catalogue repeats the source text). --check runs lupdate on copies and fails when any text
found in the source lacks a translation in any catalogue, or a catalogue carries locations.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ("zh", "en", "de", "fr")


def catalogue_sets(source_dir):
    """[(catalogue paths, scanned folders)] for the application and the brand catalogues."""
    qml = os.path.join(source_dir, "qt", "qml")
    brand = os.path.join(qml, "BrandConfig")
    app_sources = [os.path.join(qml, name) for name in sorted(os.listdir(qml))
                   if name != "BrandConfig" and os.path.isdir(os.path.join(qml, name))]
    app_sources += [os.path.join(source_dir, name) for name in ("backend", "charts")
                    if os.path.isdir(os.path.join(source_dir, name))]
    app_ts = [os.path.join(qml, "UIVantorelContent", "i18n", "qml_%s.ts" % code) for code in LANGUAGES]
    brand_ts = [os.path.join(brand, "i18n", "brand_%s.ts" % code) for code in LANGUAGES]
    return [(app_ts, app_sources), (brand_ts, [brand])]


def run_lupdate(lupdate, sources, catalogues):
    command = [lupdate, "-locations", "none", "-extensions", "cpp,h,qml,js", "-silent"]
    command += sources + ["-ts"] + catalogues
    subprocess.run(command, check=True)


def missing_translations(path):
    """Texts of a catalogue that the source uses and the catalogue leaves untranslated."""
    missing = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else ""
            if kind in ("vanished", "obsolete"):
                continue
            forms = translation.findall("numerusform") if translation is not None else []
            texts = [form.text or "" for form in forms] if forms else [
                (translation.text or "") if translation is not None else ""]
            if any(not text.strip() for text in texts):
                comment = message.findtext("comment", "")
                source = message.findtext("source", "")
                missing.append("%s: %r%s" % (name, source, " (%s)" % comment if comment else ""))
    return missing


def check(lupdate, source_dir):
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for index, (catalogues, sources) in enumerate(catalogue_sets(source_dir)):
            copies = []
            for path in catalogues:
                with open(path, encoding="utf-8") as text:
                    if "<location" in text.read():
                        problems.append("%s: carries <location> lines" % os.path.relpath(path, source_dir))
                copy = os.path.join(scratch, "%d_%s" % (index, os.path.basename(path)))
                shutil.copyfile(path, copy)
                copies.append(copy)
            run_lupdate(lupdate, sources, copies)
            for path, copy in zip(catalogues, copies):
                for entry in missing_translations(copy):
                    problems.append("%s: untranslated %s" % (os.path.relpath(path, source_dir), entry))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    source_dir = os.path.abspath(args.source_dir)
    if args.check:
        return check(args.lupdate, source_dir)
    for catalogues, sources in catalogue_sets(source_dir):
        run_lupdate(args.lupdate, sources, catalogues)
    return 0


if __name__ == "__main__":
    sys.exit(main())
