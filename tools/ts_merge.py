#!/usr/bin/env python3
"""Three-way merge of Qt Linguist catalogues, message by message.

Used as a git merge driver, so that branches which add texts to the same catalogue never
conflict on where they appended them:

    git config merge.tsmerge.driver "python3 tools/ts_merge.py %O %A %B"
    echo '*.ts merge=tsmerge' >> .git/info/attributes

A message is keyed by its context, source text and comment. Where both sides changed one
message differently, ours wins and the message is reported on stderr (exit 1 marks the
file conflicted for git).
"""
import sys
import xml.etree.ElementTree as ET


def read(path):
    """Returns (language, ordered {context: {key: element}})."""
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, FileNotFoundError):
        return None, {}
    contexts = {}
    for ctx in root.findall("context"):
        name = ctx.findtext("name", "")
        msgs = contexts.setdefault(name, {})
        for msg in ctx.findall("message"):
            key = (msg.findtext("source", ""), msg.findtext("comment", ""))
            msgs[key] = msg
    return root.get("language"), contexts


def same(a, b):
    if a is None or b is None:
        return a is b
    return ET.tostring(a) == ET.tostring(b)


def merge(base, ours, theirs):
    conflicts = []
    merged = {}
    names = list(ours) + [n for n in theirs if n not in ours]
    for name in names:
        b, o, t = base.get(name, {}), ours.get(name, {}), theirs.get(name, {})
        keys = list(o) + [k for k in t if k not in o]
        out = {}
        for key in keys:
            bm, om, tm = b.get(key), o.get(key), t.get(key)
            if same(om, tm):
                pick = om
            elif same(bm, om):
                pick = tm          # only theirs changed (or added, or removed)
            elif same(bm, tm):
                pick = om          # only ours changed
            else:
                pick = om if om is not None else tm
                conflicts.append(f"{name}: {key[0]!r}")
            if pick is not None:
                out[key] = pick
        if out:
            merged[name] = out
    return merged, conflicts


def write(path, language, contexts):
    root = ET.Element("TS", {"version": "2.1", "language": language})
    for name, msgs in contexts.items():
        ctx = ET.SubElement(root, "context")
        ET.SubElement(ctx, "name").text = name
        for msg in msgs.values():
            msg.tail = None
            ctx.append(msg)
    # Indents only between elements; texts (which may hold line breaks) stay as they are.
    for ctx in root:
        ET.indent(ctx, space="    ")
        ctx.tail = "\n"
    root.text = "\n"
    body = ET.tostring(root, encoding="unicode")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n")


def main():
    base_path, ours_path, theirs_path = sys.argv[1:4]
    _, base = read(base_path)
    language, ours = read(ours_path)
    theirs_language, theirs = read(theirs_path)
    if language is None and theirs_language is None:
        return 1
    merged, conflicts = merge(base, ours, theirs)
    write(ours_path, language or theirs_language, merged)
    for c in conflicts:
        print(f"ts_merge: both sides changed {c}; kept ours", file=sys.stderr)
    return 1 if conflicts else 0


if __name__ == "__main__":
    sys.exit(main())
