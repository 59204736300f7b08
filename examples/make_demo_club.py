#!/usr/bin/env python3
"""Writes the demo club database into examples/demo-club/.

A plausible club of 60 fictional players (a few deleted, one void, most with
membership numbers and info texts), its setup and rating statistics, month
files of the 2026 rating year with a few hundred results, and one validated
tournament registered for the year. Deterministic: the same files every run.
"""
import os
import random
import subprocess

YEAR = 2026
LAST_DAY = (12, 6)  # results are filed up to this day
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "demo-club")

FIRST = ["Anna", "Bjorn", "Carla", "Dag", "Eva", "Frode", "Greta", "Hakon", "Ingrid", "Jonas",
         "Kari", "Lars", "Maja", "Nils", "Olga", "Per", "Runa", "Sven", "Tove", "Ulf",
         "Vera", "Willem", "Yrsa", "Aksel", "Britt", "Cato", "Dina", "Espen", "Frida", "Geir"]
LAST = ["Aalberg", "Brekke", "Dahlstrom", "Eikeland", "Fossum", "Grindheim", "Haugen", "Isaksen",
        "Jordal", "Kvamme", "Lunde", "Moen", "Nygard", "Oftedal", "Pettersen", "Rasmussen",
        "Solberg", "Tangen", "Ulvestad", "Vik", "Wold", "Aasen", "Berntsen", "Christiansen"]
INFO = ["Tuesday group", "Junior", "Board member", "Newcomer", "Store staff", "League team A",
        "League team B", "Paid until June", "Veteran", ""]


def q(text):
    return '"' + text + '"'


def line(values):
    return ",".join(values) + "\r\n"


def main():
    rnd = random.Random(1997)
    os.makedirs(OUT, exist_ok=True)
    for name in os.listdir(OUT):
        os.remove(os.path.join(OUT, name))

    names = set()
    players = []
    for sys_id in range(1, 61):
        while True:
            name = rnd.choice(FIRST) + " " + rnd.choice(LAST)
            if name not in names:
                names.add(name)
                break
        start = max(1400, min(2450, int(rnd.gauss(1700, 170))))
        mb = 999999 if rnd.random() < 0.12 else 24000 + sys_id * 37 + rnd.randint(0, 30)
        status = 0
        if sys_id in (14, 33, 51):
            status = 99
        players.append({"id": sys_id, "name": name, "info": rnd.choice(INFO), "mb": mb,
                        "start": start, "status": status})
    # One Sys Id freed by last year's conversion.
    void = players[44]
    void.update(name=" ", info=None, mb=0, start=1600, status=77)

    with open(os.path.join(OUT, "rfast.hrs"), "w", newline="") as f:
        f.write(line([q("Halvik Games Club Ranking"), "1600", str(YEAR), "0", "400"]))
        for v in (2099, 2399, 32, 24, 16):
            f.write(line([str(v)]))
        f.write(line([""]))
        f.write(line(["3"]))

    with open(os.path.join(OUT, "player.hrs"), "w", newline="") as f:
        for p in players:
            rating = 0 if p["status"] == 77 else p["start"]
            info = "" if p["info"] is None else q(p["info"])
            f.write(line([str(p["id"]), q(p["name"]), info, str(p["mb"]), str(p["start"]), str(rating),
                          str(p["status"]), "0", "0", "0", "0", ""]))

    with open(os.path.join(OUT, "ratstat.hrs"), "w", newline="") as f:
        for p in players:
            f.write(line([str(p["start"])] + ["0"] * 12))

    # Results: active players meet on club evenings; the stronger wins more often.
    active = [p for p in players if p["status"] != 77]
    total = 0
    for month in range(1, 13):
        if month > LAST_DAY[0]:
            break
        days = [d for d in range(1, 29) if (month, d) <= LAST_DAY and d % 7 in (2, 5)]
        rows = []
        for day in days:
            for _ in range(rnd.randint(2, 5)):
                a, b = rnd.sample(active, 2)
                if a["status"] == 99 and rnd.random() < 0.7:
                    continue
                expect = 1 / (10 ** ((b["start"] - a["start"]) / 400) + 1)
                roll = rnd.random()
                date = "%04d%02d%02d" % (YEAR, month, day)
                # Typed results use Sys Ids; some use the membership number.
                ida = str(a["id"]) if a["mb"] == 999999 or rnd.random() < 0.8 else str(a["mb"])
                idb = str(b["id"]) if b["mb"] == 999999 or rnd.random() < 0.8 else str(b["mb"])
                if roll < 0.12:
                    rows.append([q(date), q(ida), q(idb), q("X")])
                elif roll < 0.12 + 0.88 * expect:
                    rows.append([q(date), q(ida), q(idb), q(" ")])
                else:
                    rows.append([q(date), q(idb), q(ida), q(" ")])
            if month == 9 and day == days[0]:
                # A guest who is not in the player file.
                rows.append([q(date), q(str(active[3]["id"])), q("999999"), q(" ")])
        total += len(rows)
        with open(os.path.join(OUT, "RS%04d%02d.DAT" % (YEAR, month)), "w", newline="") as f:
            for r in rows:
                f.write(line(r))

    # A Swiss tournament of the companion program, validated and registered.
    entrants = rnd.sample([p for p in active if p["status"] == 0], 12)
    with open(os.path.join(OUT, "RQTP0042.DAT"), "w", newline="") as f:
        f.write(line([q("kontrol")]))
        f.write(line([q("%04d0418" % YEAR)]))
        for rnd_no in range(4):
            rnd.shuffle(entrants)
            for i in range(0, 12, 2):
                a, b = entrants[i], entrants[i + 1]
                code = "X" if rnd.random() < 0.15 else " "
                f.write(line([str(a["id"]), str(b["id"]), str(i + 1), str(i + 2), q(code)]))
                total += 1
    with open(os.path.join(OUT, "QTPR%04d.DAT" % YEAR), "w", newline="") as f:
        f.write(line([q("RQTP0042.DAT")]))
    print("demo club: %d players, %d results in %s" % (len(players), total, OUT))

    # Rate the year so the club opens with real ratings, when the program is built.
    cli = os.path.join(os.path.dirname(OUT), "..", "build", "dev", "src", "cli", "hrs-cli")
    if os.path.exists(cli):
        subprocess.run([cli, "--data", OUT, "calculate", "--from", "1", "--to", "12"], check=True,
                       stdout=subprocess.DEVNULL)
        print("ratings calculated with", os.path.normpath(cli))


if __name__ == "__main__":
    main()
