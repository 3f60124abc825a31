#!/usr/bin/env python3
"""Two real copies of the game on one display play a network match, driven
from outside through AT-SPI as a screen reader would: both open "Juego en
red..." and connect to 127.0.0.1, the server chooses the options,
and then whichever table offers something acts: "Quiero" when asked, else
a card in hand. Needs python3-pyatspi. Run from the source tree:
  xvfb-run -a -s "-screen 0 1360x800x24" dbus-run-session -- \
    /usr/bin/python3 tests/a11y/dos.py
It ends at the winner's box, or fails if the score stops moving. A
screenshot goes to $PROBE_DIR (default /tmp): dos-juego.png.
"""
import os
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from probe import find  # noqa: E402

from copias import DIR, de_proceso, lanzar, name, press  # noqa: E402

procs = lanzar("dos", ["Ana", "Beto"], [3, 4])


def app(k):
    return de_proceso(procs[k].pid)


def wait(k, pred, timeout=30, que=""):
    end = time.time() + timeout
    while time.time() < end:
        r = find(app(k), pred)
        if r is not None:
            return r
        time.sleep(0.3)
    os.system(f"import -window root {DIR}/dos-fallo.png")
    sys.exit(f"table {k}: {que} not found")


def enabled(o):
    try:
        return o.getState().contains(pyatspi.STATE_ENABLED) and o.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def ok_boxes(k):
    b = find(app(k), lambda o: o.getRoleName() == "push button" and o.name in ("OK", "&OK", "Aceptar") and enabled(o))
    if b is not None:
        press(b)
        return True
    return False


def score(k):
    def val(d):
        o = find(app(k), lambda x: x.description == d)
        try:
            return int(o.name) if o is not None and o.name else 0
        except ValueError:
            return 0
    return val("PuntosM"), val("PuntosH")


for k in range(2):
    wait(k, lambda o: True, que="the window")
# Both type the other's address and press Conectar; they take turns waiting
# and trying until they meet.
for k in range(2):
    press(wait(k, name("Juego en red...", "menu item"), que="Juego en red"))
    ip = wait(k, lambda o: o.description == "IPContrincante", que="IPContrincante")
    ip.queryEditableText().setTextContents("127.0.0.1")
    press(wait(k, name("Conectar", "push button"), que="Conectar"))
    time.sleep(1)
# The server (whichever accepted) chooses who starts and whether flor is played.
end = time.time() + 90
while time.time() < end:
    comenzar = [find(app(k), name("Comenzar a jugar", "push button")) for k in range(2)]
    comenzar = [c for c in comenzar if c is not None and enabled(c)]
    if comenzar:
        press(comenzar[0])
        break
    time.sleep(0.5)
else:
    os.system(f"import -window root {DIR}/dos-fallo.png")
    sys.exit("the two copies did not meet")
print("connected", flush=True)

ultimo, quieto, fin = None, 0, False
for paso in range(3000):
    hizo = False
    for k in range(2):
        a = app(k)
        ganador = find(a, lambda o: o.getRoleName() == "label" and o.name and o.name.startswith("Ganador del partido"))
        if ganador is not None:
            print("table", k, ganador.name, flush=True)
            fin = True
            break
        ok_boxes(k)
        quiero = find(a, lambda o: o.description == "bt(1)" and enabled(o))
        if quiero is not None:
            press(quiero)
            hizo = True
            break
        # His turn: the panel offers the deck.
        if find(a, lambda o: o.description == "AlMazo" and enabled(o)) is None:
            continue
        for i in range(3):
            c = find(a, lambda o, i=i: o.description == f"ICH({i})" and enabled(o) and o.name)
            if c is not None:
                press(c)
                hizo = True
                break
        if hizo:
            break
    if fin:
        break
    s = score(0)
    if s != ultimo:
        print("score", s, score(1), flush=True)
        ultimo, quieto = s, 0
    else:
        quieto += 1
        if quieto > 150:
            os.system(f"import -window root {DIR}/dos-juego.png")
            sys.exit(f"the score stopped at {s}")
    if paso == 40:
        os.system(f"import -window root {DIR}/dos-juego.png")
    time.sleep(0.4)
for p in procs:
    p.terminate()
if not fin:
    sys.exit("no winner")
print("ok")
