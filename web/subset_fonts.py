"""Cuts the page's fonts down to the characters it can show, for the build (web/CMakeLists.txt):
every text of the win message (logic/actions.cpp), the digits, the words of
web/*.html, and the captions and other texts (a capital and small letters, or
a letter beyond ASCII) of the game's tables (logic/layout.h) and the page's
code (web/*.cpp, *.js). Hinting goes too: it is most of a face's bytes, and
browsers draw the windows' few sizes well without it.
Usage: subset_fonts.py OUT_FOLDER FONT...   (Debian's /usr/bin/python3 with
python3-fonttools and python3-brotli)
"""
import re
import sys
from pathlib import Path

from fontTools import subset

WEB = Path(__file__).resolve().parent
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"|`([^`]*)`')
TEXT = re.compile(r"[^\x00-\x7f]|\\u|^&?[A-Z][a-z']+([ !?,.]|$)")


def characters():
    texts = ["0123456789:", *("".join(m) for m in LITERAL.findall((WEB.parent / "logic/actions.cpp").read_text()))]
    for source in [WEB.parent / "logic/layout.h", *WEB.glob("*.cpp"), *WEB.glob("*.js")]:
        texts += [t for m in LITERAL.findall(source.read_text()) if TEXT.search(t := "".join(m))]
    texts += re.findall(r">([^<]*)<", "".join(p.read_text() for p in WEB.glob("*.html")))
    text = re.sub(r"\\u([0-9a-fA-F]{4})", lambda m: chr(int(m[1], 16)), "".join(texts))
    return "".join(sorted({c for c in text if c.isprintable()}))


if __name__ == "__main__":
    text = characters()
    for font in sys.argv[2:]:
        out = Path(sys.argv[1], Path(font).stem + ".woff2")
        subset.main([font, "--text=" + text, "--no-hinting", "--drop-tables+=FFTM", "--flavor=woff2", f"--output-file={out}"])
