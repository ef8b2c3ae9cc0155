#!/usr/bin/env bash
# Checks the style of the sources with the committed configurations: clang-format
# 14 (.clang-format) on every C and C++ file of src/, tools/, tests/, bench/ and
# fuzz/, where any file it would change fails, and clang-tidy 14 (.clang-tidy)
# on every C++ file of src/, tools/ and tests/, where any finding fails. Prints
# each finding and the time of each half.
#
#   scripts/stil.sh              # everything, as CI runs it
#   scripts/stil.sh FILE...      # only these files, named from the project root
#
# clang-tidy reads build/compile_commands.json, which scripts/test.sh leaves;
# without it the project is configured into build/ first (no build needed).
# It runs one file per processor at a time, and only on files whose text, with
# everything they include, changed since it last found them clean: each clean
# result is noted under ~/.cache/mitarbeiterimport/stil by a hash of the file
# as clang preprocesses it, its compile command, .clang-tidy and clang-tidy's
# version. `cmake --build build --target format` formats the files in place.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
fehler=0

if [ $# -gt 0 ]; then
  dateien=("$@")
else
  mapfile -t dateien < <(find src tools tests bench fuzz -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
fi

start=$SECONDS
clang-format-14 --dry-run --Werror "${dateien[@]}" || fehler=1
echo "clang-format: ${#dateien[@]} files in $((SECONDS - start)) s"

if [ ! -f build/compile_commands.json ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMI_WERROR="${MI_WERROR:-OFF}" >/dev/null
fi
python3 - "${dateien[@]}" <<'PY' || fehler=1
import concurrent.futures, hashlib, json, os, pathlib, shlex, subprocess, sys, time

wurzel = pathlib.Path.cwd()
lager = pathlib.Path(os.environ.get("XDG_CACHE_HOME", pathlib.Path.home() / ".cache"),
                     "mitarbeiterimport", "stil")
lager.mkdir(parents=True, exist_ok=True)
# The extra argument lets clang read the GCC build's commands.
zusatz = "-Wno-unknown-warning-option"
befehle = {pathlib.Path(e["directory"], e["file"]).resolve(): e
           for e in json.load(open("build/compile_commands.json"))}
grundlage = (pathlib.Path(".clang-tidy").read_bytes() + zusatz.encode() +
             subprocess.run(["clang-tidy-14", "--version"], capture_output=True).stdout)

def pruefling(datei):
    pfad = pathlib.Path(datei).resolve()
    return (pfad.suffix == ".cpp" and pfad.is_relative_to(wurzel) and
            pfad.relative_to(wurzel).parts[0] in ("src", "tools", "tests"))

# A file the build does not compile is a finding too: nothing would check it.
einheiten, fehlend = [], []
for datei in sys.argv[1:]:
    if pruefling(datei):
        pfad = pathlib.Path(datei).resolve()
        (einheiten if pfad in befehle else fehlend).append(pfad)
for pfad in fehlend:
    print(f"{pfad.relative_to(wurzel)}: not in build/compile_commands.json, so not checked")

def schluessel(pfad):
    eintrag = befehle[pfad]
    argumente = shlex.split(eintrag["command"]) if "command" in eintrag else eintrag["arguments"]
    argumente = [a for a in argumente[1:] if a != "-c"]
    if "-o" in argumente:
        del argumente[argumente.index("-o"):argumente.index("-o") + 2]
    lauf = subprocess.run(["clang++-14", zusatz, *argumente, "-E", "-o", "-"],
                          cwd=eintrag["directory"], capture_output=True)
    if lauf.returncode != 0:
        return None  # clang-tidy will say why
    return hashlib.sha256(grundlage + json.dumps(eintrag).encode() + lauf.stdout).hexdigest()

def pruefen(pfad):
    schl = schluessel(pfad)
    if schl is not None and (lager / schl).exists():
        (lager / schl).touch()
        return pfad, schl, None
    lauf = subprocess.run(["clang-tidy-14", "-p", "build", "--quiet", f"--extra-arg={zusatz}",
                           str(pfad)], capture_output=True, text=True)
    befunde = lauf.stdout
    if lauf.returncode != 0:
        befunde += lauf.stderr
    return pfad, schl, befunde if befunde.strip() else ""

start = time.monotonic()
gelaufen = 0
schmutzig = bool(fehlend)
with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
    for pfad, schl, befunde in pool.map(pruefen, einheiten):
        if befunde is None:
            continue
        gelaufen += 1
        if befunde:
            schmutzig = True
            print(befunde, end="" if befunde.endswith("\n") else "\n", flush=True)
        elif schl is not None:
            (lager / schl).touch()
# Notes not confirmed for two months belong to texts long gone.
for alt in lager.iterdir():
    if alt.stat().st_mtime < time.time() - 60 * 86400:
        alt.unlink()
print(f"clang-tidy: {len(einheiten)} files, {gelaufen} checked, {os.cpu_count()} at a time, "
      f"the others unchanged since found clean; {time.monotonic() - start:.0f} s")
sys.exit(1 if schmutzig else 0)
PY

if [ "$fehler" -ne 0 ]; then
  echo "Style: findings above" >&2
  exit 1
fi
echo "Style: every file formatted, no clang-tidy finding"
