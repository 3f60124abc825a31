"""Real copies of the game started side by side for the outside probes, each
with its own settings and home, and what the probes share to drive them."""
import os
import subprocess
import time

import pyatspi

BIN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../build/bin/Truco")
DIR = os.environ.get("PROBE_DIR", "/tmp")


def lanzar(prefijo, nombres, caras):
    """One copy per name, with that name and face; their processes."""
    procs = []
    for k, (nombre, cara) in enumerate(zip(nombres, caras)):
        cfg = f"{DIR}/{prefijo}-cfg{k}"
        os.makedirs(cfg, exist_ok=True)
        with open(f"{cfg}/truco.ini", "w") as f:
            f.write(f"[Config]\nnombre={nombre}\n[cara]\nNumero={cara}\n[Pvez]\nBandera=1\n[Sonido]\nhabilitado=-1\n")
        env = dict(os.environ, XDG_CONFIG_HOME=cfg, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=f"{DIR}/{prefijo}-home{k}")
        os.makedirs(env["HOME"], exist_ok=True)
        procs.append(subprocess.Popen([BIN], env=env, stdout=open(f"{DIR}/{prefijo}-{k}.log", "w"), stderr=subprocess.STDOUT))
        time.sleep(1.5)
    return procs


def de_proceso(pid):
    """The copy's application on the accessibility bus."""
    d = pyatspi.Registry.getDesktop(0)
    for i in range(d.childCount):
        a = d.getChildAtIndex(i)
        try:
            if a is not None and a.get_process_id() == pid:
                return a
        except Exception:
            pass
    return None


def name(n, role=None):
    return lambda o: o.name == n and (role is None or o.getRoleName() == role)


def press(o):
    act = o.queryAction()
    for i in range(act.nActions):
        if act.getName(i) in ("Press", "press", "click", "Toggle", "toggle"):
            act.doAction(i)
            return
    act.doAction(0)
