#!/usr/bin/env python3
"""Drives the real game against the computer from outside through AT-SPI, as
a screen reader would. Needs python3-pyatspi. Run from the source tree
(tests/a11y/correr does it, bounded):
  xvfb-run -a dbus-run-session -- /usr/bin/python3 tests/a11y/probe.py
Starts a match from the menu, answers the options window, presses ICH(0)
and reads JH(0). Then it plays as a person with a screen reader would: a
card when the table offers one, "Quiero" or "Son Buenas" when asked, the
olor against a flor, for PROBE_MANOS hands or, without it, until the
winner's box. Exits non-zero when something cannot be found or the game
stops moving; a screenshot goes to $PROBE_DIR (see copias.py).
PROBE_JUGADORES=4 chooses "4 (en parejas)" first: the player and a computer
partner against two computers.
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from copias import (MANOS, Manos, activo, corta, de_proceso, esperar, fallar, find,  # noqa: E402
                    foto, lanzar, name, press)

proc = lanzar("pc", ["Ana"], [3])[0]


def app():
    return de_proceso(proc.pid)


def main():
    press(esperar(app, name("Usuario Vs PC", "menu item"), "menu item 'Usuario Vs PC'"))
    start = esperar(app, name("Comenzar a jugar", "push button"), "the options window")
    human = find(app(), name("Humano", "radio button"))
    if human is not None:
        press(human)
    if os.environ.get("PROBE_JUGADORES") == "4":
        press(esperar(app, lambda o: o.description == "OptJugadores(1)", "OptJugadores(1)"))
    press(start)
    card = esperar(app, lambda o: o.description == "ICH(0)" and o.name and activo(o), "ICH(0)")
    print("ICH(0):", card.name, flush=True)
    nombre = card.name
    press(card)
    played = esperar(app, lambda o: o.description == "JH(0)" and o.name, "the card played in JH(0)", timeout=10)
    if not played.name.startswith(corta(nombre)):
        fallar(f"pressed {nombre} but JH(0) shows {played.name}")
    print("JH(0):", played.name, flush=True)
    partido()
    print("ok")


def partido():
    """Plays until PROBE_MANOS hands were dealt after the first, or the
    winner's box; fails if nothing can be done for a minute."""
    manos = Manos()
    jugadas, quieto = 0, time.time()
    while True:
        a = app()
        box = find(a, lambda o: o.getRoleName() in ("label", "text") and (o.name or "").startswith(("Ganador del partido", "Ganadores del partido")))
        if box is not None:
            print(box.name.replace("\n", " "), "after", jugadas, "moves", flush=True)
            return
        if MANOS and manos.ver(a) >= MANOS:
            print(manos.jugadas, "more hands dealt after", jugadas, "moves", flush=True)
            foto("pc-mesa")
            return
        boton = find(a, lambda o: o.description == "olor" and activo(o))
        # An answer first: Quiero (or Son Buenas on No Quiero's button).
        if boton is None:
            boton = find(a, lambda o: o.description == "bt(1)" and activo(o))
        if boton is None:
            boton = find(a, lambda o: o.description == "bt(3)" and o.name == "Son Buenas" and activo(o))
        if boton is None:
            for i in range(3):
                boton = find(a, lambda o, i=i: o.description == "ICH(%d)" % i and o.name and activo(o))
                if boton is not None:
                    break
        if boton is None:
            boton = find(a, lambda o: o.getRoleName() == "push button" and o.name in ("OK", "&OK", "Aceptar") and activo(o))
        if boton is not None:
            press(boton)
            jugadas += 1
            quieto = time.time()
        elif time.time() - quieto > 60:
            fallar(f"nothing to do for a minute after {jugadas} moves")
        time.sleep(0.3)


if __name__ == "__main__":
    main()
