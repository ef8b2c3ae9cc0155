#!/usr/bin/env bash
# Checks the shape of src/: every #include "room/..." of a file in src/<room>/
# follows an arrow of src/raeume.txt, every arrow there points to a room listed
# above its own, so the rooms form layers without a cycle, and no identifier is
# spelled outside ASCII (texts and comments may be), and every source file of
# src/ and tests/ is named in the CMakeLists.txt of its tree, which lists them
# by hand rather than by pattern. Prints each breach; fails on any.
#
#   scripts/schichten.sh
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 - <<'PY'
import pathlib, re, sys

erlaubt = {}
verstoesse = []
for zeile in pathlib.Path("src/raeume.txt").read_text().splitlines():
    zeile = zeile.split("#")[0].strip()
    if zeile:
        raum, _, ziele = zeile.partition(":")
        raum = raum.strip()
        for ziel in ziele.split():
            if ziel not in erlaubt:
                verstoesse.append(f"src/raeume.txt: {raum} -> {ziel}, a room not listed above it")
        erlaubt[raum] = set(ziele.split()) | {raum}

einbindung = re.compile(r'^\s*#\s*include\s+"([^/"]+)/')
# String and character literals, then comments, go before identifiers are looked at.
literal = re.compile(r'"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'')
kommentar = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)

for datei in sorted(pathlib.Path("src").rglob("*")):
    if datei.suffix not in (".h", ".cpp"):
        continue
    teile = datei.relative_to("src").parts
    raum = teile[0] if len(teile) > 1 else None
    text = datei.read_text(encoding="utf-8")
    if raum is not None:
        if raum not in erlaubt:
            verstoesse.append(f"{datei}: room '{raum}' is missing from src/raeume.txt")
        for nr, zeile in enumerate(text.splitlines(), 1):
            treffer = einbindung.match(zeile)
            if treffer and treffer.group(1) not in erlaubt.get(raum, set()):
                verstoesse.append(f"{datei}:{nr}: {raum}/ may not include {treffer.group(1)}/")
    code = kommentar.sub(" ", literal.sub('""', text))
    for nr, zeile in enumerate(code.splitlines(), 1):
        if any(ord(c) > 127 for c in zeile):
            verstoesse.append(f"{datei}:{nr}: a name outside ASCII: {zeile.strip()}")

# A file left out of its list would be neither built nor tested, silently.
for baum, endungen in (("src", (".h", ".cpp")), ("tests", (".cpp",))):
    liste = pathlib.Path(baum, "CMakeLists.txt").read_text()
    for datei in sorted(pathlib.Path(baum).rglob("*")):
        name = datei.relative_to(baum).as_posix()
        if datei.suffix in endungen and not re.search(
                rf"(^|[\s(]){re.escape(name)}([\s)]|$)", liste, re.M):
            verstoesse.append(f"{datei}: not named in {baum}/CMakeLists.txt")

for v in verstoesse:
    print(v)
if verstoesse:
    sys.exit(1)
print(f"src/: {len(erlaubt)} rooms in layers, every include follows src/raeume.txt, "
      "every name is ASCII, every source file is named in its CMakeLists.txt")
PY
