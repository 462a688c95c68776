#!/usr/bin/env python3
"""Regenerates the seed corpora of the skin fuzzers from the shipped skins.

    fuzz/make_ui_seeds.py            (run from anywhere; writes into fuzz/)

corpus-skin/        the skins as shipped, the setup skin in GB2312 as its
                    declaration says, and without a declaration
corpus-descriptor/  every distinct attribute value of the skins (image
                    descriptors, rectangles, colours, sizes, booleans), UTF-16LE
corpus-markup/      every distinct text of the skins and one text per tag, UTF-16LE
Seeds that a fuzzer found and that were fixed stay in these folders beside
the generated ones (their names start with "found-"); this script only adds.
"""
import hashlib
import pathlib
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
SKINS = [ROOT / "resources" / "setup_skin.xml", ROOT / "resources" / "gallery" / "gallery_skin.xml"]
# One descriptor with every key of the grammar, and the attribute syntaxes.
DESCRIPTORS = [
    "res='102' restype='PNG' mask='#FF00FF' encrypt='true' icon='true' iconsize='16' dest='0,0,10,10' "
    "source='0,0,10,10' corner='1,1,1,1' fade='128' alphaClose='true' reverse='true' round='4,4' right='true' "
    "rotate='45.5' hole='true' rgnimage='a.png' rgnrestype='PNG' rgnmask='#000000' rolltext='5' gray='true'",
    "file='images/a.png' rotate='-90' dest='2147483647,-2147483648,0,0'",
    'key="value" other="two words" last="&quot;"',
    "#FF2B3A4F", "0x7FFFFFFF", "-2147483648", "1,2,3,4,5", "true",
]
MARKUP = [
    "<b bold>Bold</b> and <u link>link</u> and <f setup>font</f>",
    "<c #FF0000>red</c><n>next line<p 8>paragraph",
    "<x 12>moved <y 30>tall <s>selected</s> <r><b>raw</b></r>",
    "{c #00FF00}braces{/c} <{> <}> {<} {>}",
    "<x 2147483647>far <x -2147483648>back <p 2147483647>",
]


def write(folder, data):
    folder.mkdir(parents=True, exist_ok=True)
    name = "seed-" + hashlib.sha1(data).hexdigest()[:12]
    (folder / name).write_bytes(data)


def main():
    fuzz = ROOT / "fuzz"
    values, texts = set(DESCRIPTORS), set(MARKUP)
    for skin in SKINS:
        raw = skin.read_bytes()
        write(fuzz / "corpus-skin", raw)
        for element in ET.fromstring(raw).iter():
            for key, value in element.attrib.items():
                values.add(value)
                if key == "text":
                    texts.add(value)
    setup = SKINS[0].read_text(encoding="utf-8")
    gb = setup.replace('encoding="utf-8"', 'encoding="gb2312"', 1)
    write(fuzz / "corpus-skin", gb.encode("gb2312"))
    undeclared = setup.split("?>", 1)[1]
    write(fuzz / "corpus-skin", undeclared.encode("gb2312"))
    for value in values:
        write(fuzz / "corpus-descriptor", value.encode("utf-16-le"))
    for text in texts:
        write(fuzz / "corpus-markup", text.encode("utf-16-le"))


if __name__ == "__main__":
    main()
