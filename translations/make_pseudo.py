#!/usr/bin/env python3
"""Writes the pseudo-translation quorvel_pseudo.ts from the German file's English sources.

Every text comes out about 40 % longer, in brackets, with accented letters (accented capitals
stand taller than plain ones), so that a control which would clip a longer translation, cut off
an accent or hide a text that is not translated at all shows it at a glance. Placeholders (%1)
and the access key's letter stay as they are, so the program still fills in its numbers and every
access key still answers to the same key as in English.

Usage: python3 make_pseudo.py [quorvel_de.ts [quorvel_pseudo.ts]]
"""

import math
import os
import re
import sys
import xml.etree.ElementTree as ElementTree
from xml.sax.saxutils import escape as xml_escape

# Volapük: Qt's QLocale knows it (LANGUAGE=vo gives the ui language "vo"), and no desktop is set
# to it, so the pseudo-translation can never reach a real pupil by accident.
PSEUDO_LANGUAGE = "vo"
GROWTH = 1.4

ACCENTED = dict(
    zip(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
        "ÅßÇÐÉƑĜĤÎĴĶĹṀÑÖÞǪŔŠŢÛṼŴẊÝŽåƀçđéƒĝĥîĵķĺɱñöþǫŕšţûṽŵẋýž",
    )
)

# What must survive untouched: placeholders, an escaped ampersand, and an access key with the
# letter it marks.
TOKEN = re.compile(r"%L?\d+|%n|&&|&.", re.DOTALL)


def escape(text):
    """Escapes as Qt's own tools write a .ts file, so that lupdate leaves the lines alone."""
    return xml_escape(text, {"'": "&apos;", '"': "&quot;"})


def visible_length(text):
    """Characters a pupil sees: the & of an access key takes no room."""
    return len(text.replace("&&", "\x00").replace("&", "").replace("\x00", "&"))


def pseudo(text):
    out = []
    position = 0
    for match in TOKEN.finditer(text):
        out.append("".join(ACCENTED.get(c, c) for c in text[position : match.start()]))
        out.append(match.group(0))
        position = match.end()
    out.append("".join(ACCENTED.get(c, c) for c in text[position:]))
    body = "".join(out)
    length = visible_length(text)
    count = max(1, math.ceil(length * GROWTH) - length - 2)
    padding = "~" * count
    # A sentence grows by words of its own, so that a wrapping label can still break between
    # them, as it would between the words of a real translation.
    if " " in text and count > 1:
        padding = "".join(" " if i % 5 == 0 else "~" for i in range(count - 1)) + "~"
    return "[" + body + padding + "]"


def messages(source_path):
    """Contexts in file order, each with its (source, comment, numerus) entries."""
    root = ElementTree.parse(source_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        entries = []
        for message in context.iter("message"):
            entries.append(
                (
                    message.findtext("source") or "",
                    message.findtext("comment"),
                    message.get("numerus") == "yes",
                )
            )
        yield name, entries


def write(target_path, contexts):
    lines = [
        '<?xml version="1.0" encoding="utf-8"?>',
        "<!DOCTYPE TS>",
        f'<TS version="2.1" language="{PSEUDO_LANGUAGE}" sourcelanguage="en">',
    ]
    for name, entries in contexts:
        lines += ["<context>", f"    <name>{escape(name)}</name>"]
        for source, comment, numerus in entries:
            lines.append('    <message numerus="yes">' if numerus else "    <message>")
            lines.append(f"        <source>{escape(source)}</source>")
            if comment:
                lines.append(f"        <comment>{escape(comment)}</comment>")
            if numerus:
                # Volapük has one plural form, as the pseudo-language has one text.
                lines.append("        <translation>")
                lines.append(f"            <numerusform>{escape(pseudo(source))}</numerusform>")
                lines.append("        </translation>")
            else:
                lines.append(f"        <translation>{escape(pseudo(source))}</translation>")
            lines.append("    </message>")
        lines.append("</context>")
    lines += ["</TS>", ""]
    with open(target_path, "w", encoding="utf-8") as target:
        target.write("\n".join(lines))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "quorvel_de.ts")
    target_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "quorvel_pseudo.ts")
    write(target_path, list(messages(source_path)))


if __name__ == "__main__":
    main()
