#!/usr/bin/env python3
"""Writes the demo club database into examples/demo-club/.

A plausible club of 60 fictional players (a few deleted, one void, most with
membership numbers and info texts), its setup and rating statistics, month
files of the 2026 rating year with a few hundred results, and one validated
tournament registered for the year, and one small tournament of the club's
own (its header, group and match files, every round-robin result entered).
Deterministic: the same files every run.
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
    small_tournament([p for p in active if p["status"] == 0])
    print("demo club: %d players, %d results in %s" % (len(players), total, OUT))

    # Rate the year so the club opens with real ratings, when the program is built.
    cli = os.path.join(os.path.dirname(OUT), "..", "build", "dev", "src", "cli", "hrs-cli")
    if os.path.exists(cli):
        subprocess.run([cli, "--data", OUT, "calculate", "--from", "1", "--to", "12"], check=True,
                       stdout=subprocess.DEVNULL)
        print("ratings calculated with", os.path.normpath(cli))


SCHEDULE_6 = ["123456", "132546", "142635", "152436", "162345"]


def small_tournament(candidates):
    """A club night of 12 players in two groups of 6, all results in, as the
    small-tournament windows leave it after the standings were shown."""
    trnd = random.Random(261120)
    base = "LT261120"
    chosen = trnd.sample(candidates, 12)
    # By rating: the two best head the groups, every further row runs from
    # group 2 down to group 1.
    order = sorted(chosen, key=lambda p: (p["start"], p["name"][:23]), reverse=True)
    groups = {1: [order[0]["id"]], 2: [order[1]["id"]]}
    for k, p in enumerate(order[2:]):
        groups[2 - k % 2].append(p["id"])
    start = {p["id"]: p["start"] for p in chosen}

    tables = 6
    matches = {}
    for r, pairs in enumerate(SCHEDULE_6, start=1):
        t = 1
        for g in (1, 2):
            for i in range(0, 6, 2):
                a, b = groups[g][int(pairs[i]) - 1], groups[g][int(pairs[i + 1]) - 1]
                expect = 1 / (10 ** ((start[b] - start[a]) / 400) + 1)
                roll = trnd.random()
                if roll < 0.08:
                    wa, wb = 1, 1
                elif roll < 0.11:
                    wa, wb = 99, 99  # played, no duel decided
                elif trnd.random() < expect:
                    wa, wb = trnd.choice([(2, 0), (2, 1), (1, 0)])
                else:
                    wa, wb = trnd.choice([(0, 2), (1, 2), (0, 1)])
                matches[(r, t)] = [a, b, wa, wb]
                t += 1

    # The statistics of the standings computation.
    stats = {}
    for g in (1, 2):
        for sys_id in groups[g]:
            points = played = won = count = 0
            for a, b, wa, wb in matches.values():
                if sys_id not in (a, b):
                    continue
                own, other = (wa, wb) if sys_id == a else (wb, wa)
                if own > other:
                    points += 2
                elif own == 1 and other == 1:
                    points += 1
                if own < 3:
                    played += own + other
                    won += own
                if own > 0 or other > 0:
                    count += 1
            stats[sys_id] = [sys_id, points, played, won, count]

    with open(os.path.join(OUT, base + "fast"), "w", newline="") as f:
        f.write(line(["0", "2", "5", str(tables), "0", q("")]))
    with open(os.path.join(OUT, base + "grup"), "w", newline="") as f:
        for size in [6, 6, 0, 0, 0, 0, 0, 0]:
            f.write(line([str(size)]))
        for g in (1, 2):
            for sys_id in groups[g]:
                f.write(line([str(v) for v in stats[sys_id]]))
    with open(os.path.join(OUT, base + "kamp"), "w", newline="") as f:
        for r in range(1, 6):
            for t in range(1, tables + 1):
                for v in matches[(r, t)]:
                    f.write(line([str(v)]))


if __name__ == "__main__":
    main()
