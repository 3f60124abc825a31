#!/usr/bin/env python3
"""Drives the real game from outside through AT-SPI, as a screen reader would.

Run under Xvfb with a session bus, e.g.:
  xvfb-run -a dbus-run-session -- sh -c \
    'QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/bin/Truco & python3 tests/a11y/probe.py'
Starts a match from the menu, answers the options window, presses ICH(0)
and reads JH(0). Exits non-zero when something cannot be found.
With PROBE_PARTIDO=1 it then plays the whole match as a person with a
screen reader would: a card when the table offers one, "Quiero" or
"Son Buenas" when asked, the olor against a flor, until the winner's box.
PROBE_JUGADORES=4 chooses "4 (en parejas)" first: the player and a computer
partner against two computers.
"""
import os
import sys
import time

import pyatspi


def find(root, pred, depth=0):
    if root is None or depth > 40:
        return None
    try:
        if pred(root):
            return root
        for i in range(root.childCount):
            r = find(root.getChildAtIndex(i), pred, depth + 1)
            if r is not None:
                return r
    except Exception:
        return None
    return None


def wait_for(pred, root_fn, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        r = find(root_fn(), pred)
        if r is not None:
            return r
        time.sleep(0.3)
    return None


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name and a.name.lower().startswith("truco"):
            return a
    return None


def by_desc(d):
    return lambda o: o.description == d


def by_name(n, role=None):
    return lambda o: o.name == n and (role is None or o.getRoleName() == role)


def press(o):
    act = o.queryAction()
    for i in range(act.nActions):
        if act.getName(i) in ("Press", "press", "click"):
            act.doAction(i)
            return True
    act.doAction(0)
    return True


def main():
    if wait_for(lambda o: True, app) is None:
        sys.exit("the game did not appear on the accessibility bus")
    item = wait_for(by_name("Usuario Vs PC", "menu item"), app)
    if item is None:
        sys.exit("menu item 'Usuario Vs PC' not found")
    press(item)
    start = wait_for(by_name("Comenzar a jugar", "push button"), app)
    if start is None:
        sys.exit("options window not found")
    human = wait_for(by_name("Humano", "radio button"), app)
    if human is not None:
        press(human)
    if os.environ.get("PROBE_JUGADORES") == "4":
        cuatro = wait_for(by_desc("OptJugadores(1)"), app)
        if cuatro is None:
            sys.exit("OptJugadores(1) not found")
        press(cuatro)
    press(start)
    card = wait_for(lambda o: o.description == "ICH(0)" and o.name, app)
    if card is None:
        sys.exit("ICH(0) not found")
    print("ICH(0):", card.name, "/", card.getRoleName())
    press(card)
    time.sleep(1.0)
    played = wait_for(lambda o: o.description == "JH(0)" and o.name, app, timeout=10)
    if played is None:
        sys.exit("JH(0) stayed empty")
    print("JH(0):", played.name)
    if os.environ.get("PROBE_PARTIDO"):
        partido()
    if os.environ.get("PROBE_SCREENSHOT"):
        os.system("import -window root " + os.environ["PROBE_SCREENSHOT"])
    print("ok")


def sensitive(o):
    try:
        return o.getState().contains(pyatspi.STATE_SENSITIVE) and o.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def partido(limite=600):
    """Plays until the winner's box shows; exits non-zero if it never does."""
    end = time.time() + limite
    jugadas = 0
    while time.time() < end:
        a = app()
        box = find(a, lambda o: o.getRoleName() in ("label", "text") and (o.name or "").startswith(("Ganador del partido", "Ganadores del partido")))
        if box is not None:
            print(box.name.replace("\n", " "), "after", jugadas, "moves")
            return
        olor = find(a, lambda o: o.description == "olor" and sensitive(o))
        if olor is not None:
            press(olor)
            jugadas += 1
            time.sleep(0.3)
            continue
        # An answer first: Quiero (or Son Buenas on No Quiero's button).
        boton = find(a, lambda o: o.description == "bt(1)" and sensitive(o))
        if boton is None:
            boton = find(a, lambda o: o.description == "bt(3)" and o.name == "Son Buenas" and sensitive(o))
        if boton is None:
            for i in range(3):
                carta = find(a, lambda o, i=i: o.description == "ICH(%d)" % i and o.name and sensitive(o))
                if carta is not None:
                    boton = carta
                    break
        if boton is not None:
            press(boton)
            jugadas += 1
        time.sleep(0.3)
    sys.exit("the match did not end")


if __name__ == "__main__":
    main()
