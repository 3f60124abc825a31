#!/usr/bin/env python3
"""Four real copies of the game on one display play in pairs, driven from
outside through AT-SPI as screen readers would: one hosts "Truco en
parejas", three connect to 127.0.0.1, the host picks partner and dealer, and
whoever has the turn light plays a card, for PROBE_MANOS hands (one by
default). Needs python3-pyatspi and xdotool (to place the four windows side
by side). Run from the source tree (tests/a11y/correr does it):
  xvfb-run -a -s "-screen 0 1360x1160x24" dbus-run-session -- \
    /usr/bin/python3 tests/a11y/cuatro.py
Screenshots go to $PROBE_DIR (see copias.py): cuatro-inicio.png,
cuatro-juego.png, and cuatro-fallo.png when it fails.
"""
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from copias import (MANOS, Manos, de_proceso, desc, esperar, fallar, find, foto,  # noqa: E402
                    lanzar, name, press, visible)

names = ["Host", "Ana", "Beto", "Ceci"]
procs = lanzar("cuatro", names, [5, 3, 1, 11])


def app(k):
    return de_proceso(procs[k].pid)


def wait(k, pred, que, timeout=30):
    return esperar(lambda: app(k), pred, f"table {k}: {que}", timeout)


def es_ok(o):
    return o.getRoleName() == "push button" and (o.name or "").replace("&", "") in ("OK", "Aceptar")


def winmove(k, x, y):
    ids = subprocess.run(["xdotool", "search", "--all", "--pid", str(procs[k].pid), "--name", "Naipex|Truco|Mezclando"],
                         capture_output=True, text=True, timeout=30).stdout.split()
    for w in ids:
        subprocess.run(["xdotool", "windowmove", w, str(x), str(y)], timeout=30)


pos = [(0, 0), (680, 0), (0, 580), (680, 580)]
for k in range(4):
    winmove(k, *pos[k])

# The host: Juego en red, then Truco en parejas.
press(wait(0, name("Juego en red...", "menu item"), "Juego en red"))
press(wait(0, name("Truco en parejas (4 jugadores)", "push button"), "Truco en parejas"))
for k in (1, 2, 3):
    press(wait(k, name("Juego en red...", "menu item"), "Juego en red"))
    ip = wait(k, desc("IPContrincante"), "IPContrincante")
    ip.queryEditableText().setTextContents("127.0.0.1")
    press(wait(k, name("Conectar", "push button"), "Conectar"))
    # Wait until the host shows him.
    wait(0, name(names[k], "radio button"), f"{names[k]} at the host", timeout=60)
    print("connected", names[k], flush=True)

def marcado(o):
    try:
        return o.getState().contains(pyatspi.STATE_CHECKED)
    except Exception:
        return False


def hasta_que(cond, que, timeout=30):
    end = time.time() + timeout
    while not cond():
        if time.time() > end:
            fallar(f"{que} did not happen")
        time.sleep(0.3)


def elegir(nombre, que):
    """The host picks a player and goes on, as a person does: the mark first,
    then Continuar, then the next page (where nobody is marked yet)."""
    radio = name(nombre, "radio button")
    press(wait(0, radio, que))
    wait(0, lambda o: radio(o) and marcado(o), f"{que} marked")
    press(wait(0, name("Continuar", "push button"), "Continuar"))
    hasta_que(lambda: find(app(0), lambda o: radio(o) and marcado(o) and visible(o)) is None, f"the page after {que}")


elegir("Ana", "Ana as partner")
elegir("Beto", "Beto as dealer")
hasta_que(lambda: find(app(0), lambda o: name("Continuar", "push button")(o) and visible(o)) is None,
          "the host's window closing")
print("started", flush=True)
# The clients' boxes (the dealer's name) are closed in the loop below.
for k in range(4):
    winmove(k, *pos[k])
foto("cuatro-inicio")

# Whoever has the turn light plays his first card.
manos = Manos()
jugadas, quieto = 0, time.time()
while manos.ver(app(0)) < max(MANOS, 1):
    for k in range(4):
        a = app(k)
        ok = find(a, es_ok)
        if ok is not None:
            press(ok)
        sem = find(a, desc("SemV"))
        if sem is None or not visible(sem):
            continue
        for i in range(3):
            c = find(a, lambda o, i=i: o.description == f"ICH({i})" and o.name and visible(o))
            if c is not None:
                press(c)
                print("table", k, "plays", c.name, flush=True)
                jugadas += 1
                quieto = time.time()
                break
    if time.time() - quieto > 60:
        fallar(f"nobody could play for a minute after {jugadas} cards")
    time.sleep(0.5)
foto("cuatro-juego")
print(manos.jugadas, "hands after", jugadas, "cards")
print("ok")
