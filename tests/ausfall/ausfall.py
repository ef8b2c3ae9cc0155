#!/usr/bin/env python3
"""Every write-side file operation of a whole check and import, made to fail.

Runs the real program's check and import (tools/rundgang --import: the real
window, the real message boxes, every question answered Yes) on a copy of the
demo planner with employees.csv, under the preload library ausfallinjektor.
First once clean, counting the operations under the data folder; then once per
operation with "disk full" (ENOSPC), once with an I/O error (EIO) and once with
the process killed there (SIGKILL). After every run:

- each planner file (the data folder's *.dat, the log books) is as before or
  as after the clean run, line by line in plain text, the log book's time
  stamps aside;
- the backup is complete (as the clean run's) or absent;
- no other file is in the data folder or below it; after a kill at most one
  save file's temporary, named after its target, beside it;
- in the ENOSPC and EIO runs, when the employee file stayed old, the program
  ended on the message made for the failing step: the error report with the
  cause's number (61 "Disk full" or 75 "Path/File access error"), or the
  fixed message for a file or folder that cannot be created;
- no file takes its target's place after its first flush failed (Qt's save
  file flushes once more after the program's own flush and ignores the
  result, which is harmless only then);
- "Data successfully imported" only when every file is new; the log book,
  which the import appends to as best it can, may stay old then only when the
  failing operation was its own.

Prints one line per operation and kind of failure and a summary; exits 1 when
anything did not hold, 2 when it cannot run.

    tests/ausfall/ausfall.py [build-folder]
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

QUELLE = Path(__file__).resolve().parents[2]
BAU = Path(sys.argv[1] if len(sys.argv) > 1 else QUELLE / "build").resolve()
RUNDGANG = BAU / "tools" / "rundgang"
PLANERDATEI = BAU / "tools" / "planerdatei"
INJEKTOR = BAU / "tests" / "libausfallinjektor.so"
DEMO = BAU / "demo" / "Documents" / "VelmoraData"
IMPORTDATEI = QUELLE / "examples" / "demo" / "employees.csv"

ERFOLG = "Data successfully imported"
URSACHE = {"ENOSPC": (61, "Disk full"), "EIO": (75, "Path/File access error")}
# The fixed endings for a file or folder that cannot be created: the file
# opener's, the backup's and the folder's messages, which name no cause.
FESTE_ENDEN = ("Couldn't open file", "Backup before importing employee data failed",
               "Folder ")
SICHERUNG = re.compile(r"^Backups/\d{6} \d{6} A\.dat$")
TEMPORAER = re.compile(r"^(.+)\.[A-Za-z0-9]{6}$")
MITARBEITER = "Mitarbeiterdaten.dat"


def umgebung_bilden():
    # The demo's import file holds English (US) dates and numbers; Qt takes
    # the locale from these variables without asking the C library.
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    env.update(LANG="en_US.UTF-8", LC_CTYPE="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    return env


def klartext_lesen(datei, arbeit):
    ziel = arbeit / "klartext"
    subprocess.run([str(PLANERDATEI), "decode", str(datei), str(ziel)], check=True,
                   capture_output=True)
    return ziel.read_bytes().split(b"\r\n")[:-1]


def zeitstempel_entfernen(zeilen):
    return [z.split(b"|", 1)[-1] for z in zeilen]


def bestand_aufnehmen(ordner, arbeit):
    """Every file below ordner: its plain lines where it is a planner file or
    a backup, None for anything else."""
    dateien = {}
    for pfad in sorted(p for p in ordner.rglob("*") if p.is_file()):
        name = pfad.relative_to(ordner).as_posix()
        planerdatei = ("/" not in name and name.endswith(".dat")) or \
            (name.startswith("Logs/") and name.endswith(".log")) or SICHERUNG.match(name)
        zeilen = klartext_lesen(pfad, arbeit) if planerdatei else None
        if zeilen is not None and name.startswith("Logs/"):
            zeilen = zeitstempel_entfernen(zeilen)
        dateien[name] = zeilen
    return dateien


def lauf_ausfuehren(nummer, art):
    """One check and import; what it showed, how it ended, what it left."""
    with tempfile.TemporaryDirectory(prefix="ausfall-") as t:
        arbeit = Path(t).resolve()
        daten = arbeit / "VelmoraData"
        shutil.copytree(DEMO, daten)
        env = umgebung_bilden()
        env.update(LD_PRELOAD=str(INJEKTOR), MI_AUSFALL_ORDNER=str(daten),
                   MI_AUSFALL_NR=str(nummer), MI_AUSFALL_ART=art,
                   MI_AUSFALL_PROTOKOLL=str(arbeit / "protokoll"))
        ergebnis = subprocess.run([str(RUNDGANG), "--import", str(daten), str(IMPORTDATEI)],
                                  cwd=arbeit, env=env, capture_output=True, text=True,
                                  timeout=120)
        ausgabe = ergebnis.stdout.splitlines()
        protokoll = []
        if (arbeit / "protokoll").exists():
            for zeile in (arbeit / "protokoll").read_text().splitlines():
                _, aufruf, pfad = zeile.split("\t")
                pfad = re.sub(r"#\d+ \(deleted\)$", "(unnamed temporary file)",
                              os.path.relpath(pfad, daten))
                protokoll.append((aufruf, pfad))
        return {
            "boxen": [z[5:] for z in ausgabe if z.startswith("box: ")],
            "ende": ausgabe[-1] if ausgabe else "",
            "getoetet": ergebnis.returncode == -9,
            "status": ergebnis.returncode,
            "dateien": bestand_aufnehmen(daten, arbeit),
            "protokoll": protokoll,
        }


def planerdateien_sammeln(vorher, nachher):
    return sorted({n for n in list(vorher) + list(nachher) if not n.startswith("Backups/")})


def geflushtes_ziel_finden(protokoll, operation):
    """The target of the file whose first flush the operation is, or None:
    only a second flush, after the first brought the data onto the disk, may
    fail unheeded."""
    aufruf, pfad = protokoll[operation - 1]
    if aufruf not in ("fdatasync", "fsync") or \
            (operation > 1 and protokoll[operation - 2] == (aufruf, pfad)):
        return None
    for spaeter, ziel in protokoll[operation:]:
        if spaeter in ("linkat", "rename") and not TEMPORAER.match(ziel):
            return ziel
    return None


def pruefen(r, art, vorher, nachher, sicherung, sauber, operation):
    """What did not hold, and how each planner file ended."""
    fehler = []
    stand = {}
    dateien = r["dateien"]
    for name in planerdateien_sammeln(vorher, nachher):
        ist = dateien.get(name)
        if ist == nachher.get(name):
            stand[name] = "new"
        elif ist == vorher.get(name):
            stand[name] = "old"
        else:
            fehler.append(f"{name} is neither as before nor as after")
    temporaere = []
    for name, zeilen in dateien.items():
        if name in stand:
            continue
        if SICHERUNG.match(name):
            if zeilen != sicherung:
                fehler.append(f"backup {name} is incomplete")
            stand["backup"] = "new"
            continue
        treffer = TEMPORAER.match(name)
        if r["getoetet"] and treffer and (treffer.group(1) in stand or
                                         SICHERUNG.match(treffer.group(1))):
            temporaere.append(name)
        else:
            fehler.append(f"stray file {name}")
    if len(temporaere) > 1:
        fehler.append(f"more than one temporary file: {', '.join(temporaere)}")

    erfolg = ERFOLG in r["boxen"]
    ziel = geflushtes_ziel_finden(sauber, operation) if art != "KILL" else None
    if ziel and (any(map(SICHERUNG.match, dateien)) if SICHERUNG.match(ziel) else
                 stand.get(ziel) == "new" and vorher.get(ziel) != nachher.get(ziel)):
        fehler.append(f"{ziel} replaced its target after its flush failed")
    if art == "KILL":
        if not r["getoetet"]:
            fehler.append(f"not killed (exit status {r['status']})")
    elif len(r["protokoll"]) < operation:
        fehler.append("the operation was never reached")
    elif not erfolg and r["ende"] != "ended":
        fehler.append(f"neither success nor an ending message ({r['ende']})")
    if erfolg:
        eigener = art != "KILL" and r["protokoll"][operation - 1][1].split("/")[0] == "Logs"
        alt = [n for n, s in stand.items() if s != "new" and not (eigener and n.startswith("Logs/"))]
        if alt or "backup" not in stand:
            fehler.append(f"success said with {', '.join(alt) or 'no backup'} not new")
    elif art in URSACHE and stand.get(MITARBEITER) == "old":
        nummer, text = URSACHE[art]
        letzte = r["boxen"][-1] if r["boxen"] else ""
        bericht = re.search(r"Error Nr\. (\d+)\\r([^\\]*)", letzte)
        if bericht:
            if (int(bericht.group(1)), bericht.group(2)) != (nummer, text):
                fehler.append(f"reported as {bericht.group(1)} {bericht.group(2)}, not {nummer}")
        elif not letzte.startswith(FESTE_ENDEN):
            fehler.append(f"no message named the cause: {letzte or 'none'}")
    return fehler, stand, erfolg


def ende_benennen(r, erfolg):
    if erfolg:
        return "success"
    if r["getoetet"]:
        return "killed"
    letzte = r["boxen"][-1] if r["boxen"] else r["ende"]
    bericht = re.search(r"Error Nr\. (\d+)", letzte)
    return f"report {bericht.group(1)}" if bericht else letzte.split("\\r")[0][:40]


def main():
    for noetig in (RUNDGANG, PLANERDATEI, INJEKTOR, DEMO, IMPORTDATEI):
        if not noetig.exists():
            print(f"ausfall: {noetig} is missing (build the project first)", file=sys.stderr)
            return 2
    beginn = time.monotonic()
    with tempfile.TemporaryDirectory() as t:
        vorher = bestand_aufnehmen(DEMO, Path(t))
    sauber = lauf_ausfuehren(0, "ENOSPC")
    nachher = sauber["dateien"]
    sicherungen = [z for n, z in nachher.items() if SICHERUNG.match(n)]
    anzahl = len(sauber["protokoll"])
    if ERFOLG not in sauber["boxen"] or len(sicherungen) != 1 or anzahl == 0:
        print("ausfall: the clean import did not succeed:", sauber["boxen"], file=sys.stderr)
        return 1
    print(f"clean run: {anzahl} write-side operations under the data folder")
    for nr, (aufruf, pfad) in enumerate(sauber["protokoll"], 1):
        print(f"  {nr:2} {aufruf:9} {pfad}")

    gehalten = {art: 0 for art in ("ENOSPC", "EIO", "KILL")}
    for nr, (aufruf, pfad) in enumerate(sauber["protokoll"], 1):
        for art in gehalten:
            r = lauf_ausfuehren(nr, art)
            fehler, stand, erfolg = pruefen(r, art, vorher, nachher, sicherungen[0],
                                            sauber["protokoll"], nr)
            neu = ",".join(sorted(n.split("/")[-1] for n, s in stand.items()
                                  if s == "new" and vorher.get(n) != nachher.get(n)))
            zeile = f"{nr:2} {aufruf:9} {art:6} {ende_benennen(r, erfolg):42} new: {neu or '-'}"
            if fehler:
                print(f"{zeile}\n   FAILED: {'; '.join(fehler)}")
            else:
                gehalten[art] += 1
                print(f"{zeile}  ok")
    dauer = time.monotonic() - beginn
    zusammen = sum(gehalten.values())
    print(f"\n{anzahl} operations, each failed with " +
          ", ".join(f"{art}: {n}/{anzahl} held" for art, n in gehalten.items()) +
          f"; {dauer:.0f} s")
    print(f"ausfall: {zusammen} passed, {3 * anzahl - zusammen} failed")
    return 0 if zusammen == 3 * anzahl else 1


if __name__ == "__main__":
    sys.exit(main())
