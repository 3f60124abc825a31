#!/usr/bin/env python3
"""Two real copies of the game on one display play a network match over
loopback, driven from outside through AT-SPI as screen readers would. Needs
python3-pyatspi. Run from the source tree (tests/a11y/correr does it):
  xvfb-run -a -s "-screen 0 1360x800x24" dbus-run-session -- \
    /usr/bin/python3 tests/a11y/dos.py
Both open "Juego en red..." and connect to 127.0.0.1; the server starts and
plays a card at once after the deal, while the client's "Configuración del
juego" box is still open, as a person takes a few seconds to read it. Once
the client closes it, his table must show that card and offer his turn.
Then whichever table offers something acts: "Quiero" when asked, else a
card in hand, for PROBE_MANOS hands or until the winner's box; it fails if
the score stops moving. Screenshots go to $PROBE_DIR (see copias.py).
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from copias import (MANOS, Manos, activo, corta, de_proceso, desc, esperar, fallar, find,  # noqa: E402
                    foto, lanzar, name, press, puntos)

procs = lanzar("dos", ["Ana", "Beto"], [3, 4])


def app(k):
    return de_proceso(procs[k].pid)


def wait(k, pred, que, timeout=30):
    return esperar(lambda: app(k), pred, f"table {k}: {que}", timeout)


def es_ok(o):
    return o.getRoleName() == "push button" and (o.name or "").replace("&", "") in ("OK", "Aceptar")


def caja_ok(k):
    return find(app(k), es_ok)


def score(k):
    return puntos(app(k))


# Both type the other's address and press Conectar; they take turns waiting
# and trying until they meet.
for k in range(2):
    press(wait(k, name("Juego en red...", "menu item"), "Juego en red"))
    ip = wait(k, desc("IPContrincante"), "IPContrincante")
    ip.queryEditableText().setTextContents("127.0.0.1")
    press(wait(k, name("Conectar", "push button"), "Conectar"))
    time.sleep(1)  # a person moving to the other window
# The server (whichever accepted) starts, with flor.
end = time.time() + 90
servidor = None
while servidor is None and time.time() < end:
    for k in range(2):
        c = find(app(k), name("Comenzar a jugar", "push button"))
        if c is not None and activo(c):
            servidor = k
            break
    else:
        time.sleep(0.5)
if servidor is None:
    fallar("the two copies did not meet")
cliente = 1 - servidor
press(wait(servidor, name("Humano", "radio button"), "who starts"))
press(wait(servidor, name("Comenzar a jugar", "push button"), "Comenzar a jugar"))
print("connected; the server is table", servidor, flush=True)

# The server plays at once; the client's box is open meanwhile.
carta = wait(servidor, lambda o: o.description == "ICH(0)" and o.name and activo(o), "the server's first card")
jugada = carta.name
press(carta)
print("server plays", jugada, flush=True)
caja = wait(cliente, es_ok, "the client's configuration box")
time.sleep(3)  # a person reads the box
press(caja)
# The client's table shows the card and gives him the turn.
wait(cliente, lambda o: o.description == "JM(0)" and (o.name or "").startswith(corta(jugada)),
     f"the server's {jugada} on the client's table", timeout=30)
wait(cliente, lambda o: o.description.startswith("ICH(") and o.name and activo(o),
     "a card to answer with after the box", timeout=30)
print("the client sees", jugada, "and has the turn", flush=True)

manos = Manos()
ultimo, quieto, fin = None, time.time(), False
while not fin:
    hizo = False
    for k in range(2):
        a = app(k)
        ganador = find(a, lambda o: o.getRoleName() == "label" and o.name and o.name.startswith("Ganador del partido"))
        if ganador is not None:
            print("table", k, ganador.name, flush=True)
            fin = True
            break
        ok = caja_ok(k)
        if ok is not None and activo(ok):
            press(ok)
            continue
        quiero = find(a, lambda o: o.description == "bt(1)" and activo(o))
        if quiero is not None:
            press(quiero)
            hizo = True
            break
        # His turn: the panel offers the deck.
        if find(a, lambda o: o.description == "AlMazo" and activo(o)) is None:
            continue
        for i in range(3):
            c = find(a, lambda o, i=i: o.description == f"ICH({i})" and activo(o) and o.name)
            if c is not None:
                press(c)
                hizo = True
                break
        if hizo:
            break
    if MANOS and manos.ver(app(cliente)) >= MANOS:
        print(manos.jugadas, "more hands dealt", flush=True)
        foto("dos-mesa")
        break
    s = score(0)
    if s != ultimo or hizo:
        if s != ultimo:
            print("score", s, score(1), flush=True)
        ultimo, quieto = s, time.time()
    elif time.time() - quieto > 60:
        fallar(f"the game stopped at {s}")
    time.sleep(0.4)
print("ok")
