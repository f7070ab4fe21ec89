#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Cuts WenQuanYi Micro Hei down to the characters the programs can show,
# with pyftsubset, gives it a family name of its own, so that the editor
# draws in it and not in a WenQuanYi Micro Hei of another version the
# system may have, says in the font what was changed (as the font's Apache
# licence asks), and stops the build if it is no longer small.
#   cutfont.py PYFTSUBSET FONT.ttc OUT.ttf LIST  (LIST: the text files, one a line)
import os
import re
import subprocess
import sys

from fontTools.ttLib import TTFont

FAMILY = "WenQuanYi Micro Hei J3K"
LIMIT = 1_000_000  # bytes; every start reads it whole

pyftsubset, source, out, listed_texts = sys.argv[1:]
with open(listed_texts, encoding="utf-8") as f:
    texts = [line for line in f.read().split("\n") if line]
os.makedirs(os.path.dirname(out), exist_ok=True)
# Every character the files hold, and those their sources write as escapes
# ("\u2013", "\x{2E80}"), which is how a few of the shown ones are written.
chars = set()
escape = re.compile(r"\\u([0-9a-fA-F]{4})|\\x\{([0-9a-fA-F]+)\}")
for path in texts:
    with open(path, encoding="utf-8") as f:
        text = f.read()
    chars.update(text)
    chars.update(chr(int(a or b, 16)) for a, b in escape.findall(text))
chars = sorted(c for c in chars if c.isprintable() and not c.isspace())
# Printable ASCII whole besides: values, paths and port names the user types.
listed = out + ".chars"
with open(listed, "w", encoding="utf-8") as f:
    f.write("".join(chars))
cut = out + ".cut"
subprocess.run([pyftsubset, source, "--font-number=0", "--unicodes=U+0020-007E", "--text-file=" + listed,
                "--name-IDs=*", "--name-languages=*", "--name-legacy", "--drop-tables+=FFTM",
                "--output-file=" + cut], check=True)

font = TTFont(cut)
name = font["name"]
# Family, unique, full and PostScript names in every language (the Chinese
# ones too, which Windows would show in a Chinese system's font lists).
renamed = {1: FAMILY, 3: FAMILY + " 0.2.0-beta", 4: FAMILY, 6: FAMILY.replace(" ", ""), 16: FAMILY, 18: FAMILY}
name.names = [r for r in name.names if r.nameID not in renamed]
note = ("WenQuanYi Micro Hei 0.2.0-beta cut down to the characters of the j3k-editor programs "
        "and renamed " + FAMILY + ".")
for platform, encoding, language in ((1, 0, 0), (3, 1, 0x409)):
    for name_id in (1, 3, 4, 6):
        name.setName(renamed[name_id], name_id, platform, encoding, language)
    name.setName(note, 10, platform, encoding, language)
font.save(out)
os.remove(cut)
size = os.path.getsize(out)
if size >= LIMIT:
    sys.exit(f"cutfont.py: {out} is {size} bytes, over the {LIMIT} the editor's start can afford")
cmap = font.getBestCmap()
lacking = "".join(c for c in chars if ord(c) not in cmap)
print(f"cutfont.py: {os.path.basename(out)}, {len(font.getGlyphOrder())} glyphs, {size} bytes"
      + (f"; WenQuanYi Micro Hei has no {lacking}" if lacking else ""))
