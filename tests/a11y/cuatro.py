#!/usr/bin/env python3
"""Four real copies of the game on one display play in pairs, driven from
outside through AT-SPI as a screen reader would: one hosts "Truco en
parejas", three connect to 127.0.0.1, the host picks partner and dealer, and
whoever has the turn light plays a card, ten times. Needs python3-pyatspi and
xdotool (to place the four windows side by side). Run from the source tree:
  xvfb-run -a -s "-screen 0 1360x1160x24" dbus-run-session -- \
    /usr/bin/python3 tests/a11y/cuatro.py
Screenshots go to $PROBE_DIR (default /tmp): cuatro-inicio.png, cuatro-juego.png.
"""
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from probe import find  # noqa: E402

from copias import DIR, lanzar, name, press  # noqa: E402

names = ["Host", "Ana", "Beto", "Ceci"]
procs = lanzar("cuatro", names, [5, 3, 1, 11])

def apps():
    d = pyatspi.Registry.getDesktop(0)
    out = {}
    for i in range(d.childCount):
        a = d.getChildAtIndex(i)
        try:
            if a is not None and a.name and a.name.lower().startswith("truco"):
                out[a.get_process_id()] = a
        except Exception:
            pass
    return out

def app(k):
    return apps().get(procs[k].pid)

def wait(k, pred, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        r = find(app(k), pred)
        if r is not None:
            return r
        time.sleep(0.3)
    sys.exit(f"table {k}: not found")

def desc(d):
    return lambda o: o.description == d

def press_if(k, pred, timeout=2):
    end = time.time() + timeout
    while time.time() < end:
        r = find(app(k), pred)
        if r is not None:
            press(r)
            return True
        time.sleep(0.3)
    return False

def winmove(k, x, y):
    ids = subprocess.run(["xdotool", "search", "--all", "--pid", str(procs[k].pid), "--name", "Naipex|Truco|Mezclando"], capture_output=True, text=True).stdout.split()
    for w in ids:
        subprocess.run(["xdotool", "windowmove", w, str(x), str(y)])

for k in range(4):
    wait(k, lambda o: True)
pos = [(0, 0), (680, 0), (0, 580), (680, 580)]
for k in range(4):
    winmove(k, *pos[k])

# The host: Juego en red, then Truco en parejas.
press(wait(0, name("Juego en red...", "menu item")))
press(wait(0, name("Truco en parejas (4 jugadores)", "push button")))
time.sleep(1)
for k in (1, 2, 3):
    press(wait(k, name("Juego en red...", "menu item")))
    ip = wait(k, desc("IPContrincante"))
    ip.queryEditableText().setTextContents("127.0.0.1")
    press(wait(k, name("Conectar", "push button")))
    # Wait until the host shows him.
    wait(0, name(names[k], "radio button"), timeout=60)
    print("connected", names[k], flush=True)

press(wait(0, name("Ana", "radio button")))
press(wait(0, name("Continuar", "push button")))
time.sleep(0.5)
press(wait(0, name("Beto", "radio button")))
press(wait(0, name("Continuar", "push button")))
print("started", flush=True)
# Each client acknowledges "REPARTIO: ..."
for k in (1, 2, 3):
    time.sleep(2)
    press_if(k, lambda o: o.getRoleName() == "push button" and o.name in ("OK", "Aceptar", "&OK"), timeout=10)
for k in range(4):
    winmove(k, *pos[k])
time.sleep(4)
os.system(f"import -window root {DIR}/cuatro-inicio.png")

# Play a few cards: whoever has the turn light plays his first card.
jugadas = 0
for step in range(10):
    for k in range(4):
        sem = find(app(k), desc("SemV"))
        if sem is None:
            continue
        try:
            visible = sem.getState().contains(pyatspi.STATE_SHOWING)
        except Exception:
            visible = False
        if not visible:
            continue
        for i in range(3):
            c = find(app(k), lambda o, i=i: o.description == f"ICH({i})" and o.getState().contains(pyatspi.STATE_SHOWING))
            if c is not None:
                press(c)
                print("table", k, "plays", c.name, flush=True)
                jugadas += 1
                break
        time.sleep(1.5)
        break
    time.sleep(1)
os.system(f"import -window root {DIR}/cuatro-juego.png")
for p in procs:
    p.terminate()
if jugadas < 8:
    sys.exit(f"only {jugadas} cards were played")
print("ok")
