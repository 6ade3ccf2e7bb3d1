#!/usr/bin/env python3
"""Cuts a font down to the characters one language's translation uses, for the program to carry.

The characters are read from the language's Qt Linguist file at build time, so the subset follows
the translators' text; extra characters (digits and signs the program writes itself) come from
--keep. The subset is renamed, so that it never stands in for a full font of the machine's with
the same name, and its line spacing is set to the ink of the glyphs it keeps: the full fonts leave
room for every script they cover, which would make a caption taller than its label.

Usage: subset_font.py FONT --number N --family NAME --ts FILE --keep RANGES --output FILE
RANGES: comma-separated code points or ranges in hex, such as 20-7E,660-66C.
"""

import argparse
import io
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTFont


def characters_of(ts_file):
    used = set()
    for translation in ElementTree.parse(ts_file).getroot().iter("translation"):
        for text in translation.itertext():
            used.update(ord(c) for c in text)
    return used


def code_points(ranges):
    points = set()
    for part in filter(None, ranges.split(",")):
        first, _, last = part.partition("-")
        points.update(range(int(first, 16), int(last or first, 16) + 1))
    return points


def rename(font, family):
    names = font["name"]
    postscript = family.replace(" ", "") + "-Regular"
    for name_id in (1, 2, 3, 4, 6, 16, 17, 21, 22):
        names.removeNames(nameID=name_id)
    for name_id, value in ((1, family), (2, "Regular"), (3, postscript), (4, family),
                           (6, postscript)):
        names.setName(value, name_id, 3, 1, 0x409)
        names.setName(value, name_id, 1, 0, 0)
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        for key in ("FullName", "FamilyName"):
            if hasattr(top, key):
                setattr(top, key, family)


def fit_line_spacing(font):
    head = font["head"] # its bounds as saved, over the glyphs kept
    ascent, descent = max(head.yMax, 0), min(head.yMin, 0)
    font["hhea"].ascent, font["hhea"].descent, font["hhea"].lineGap = ascent, descent, 0
    os2 = font["OS/2"]
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, descent, 0
    os2.usWinAscent, os2.usWinDescent = ascent, -descent


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("font")
    arguments.add_argument("--number", type=int, default=0)
    arguments.add_argument("--family", required=True)
    arguments.add_argument("--ts", required=True)
    arguments.add_argument("--keep", default="")
    arguments.add_argument("--output", required=True)
    given = arguments.parse_args()

    font = TTFont(given.font, fontNumber=given.number, recalcTimestamp=False)
    wanted = (characters_of(given.ts) | code_points(given.keep)) & set(font.getBestCmap())
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(wanted))
    subsetter.subset(font)
    rename(font, given.family)
    kept = io.BytesIO()
    font.save(kept)
    kept.seek(0)
    font = TTFont(kept, recalcTimestamp=False)
    fit_line_spacing(font)
    font.save(given.output)


if __name__ == "__main__":
    main()
