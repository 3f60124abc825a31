"""What the outside probes share: real copies of the game started side by
side, each with its own settings and home; finding and pressing things on
the accessibility bus; and a bounded run that ends the copies it started and
keeps a screenshot of the table when it fails.

PROBE_DIR is where screenshots and the copies' logs go (default /tmp),
PROBE_LIMITE the seconds a probe may take before it fails (0: no bound),
PROBE_MANOS the hands to play before stopping (0: the whole match)."""
import atexit
import os
import signal
import subprocess
import sys
import time

import pyatspi

BIN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../build/bin/Truco")
DIR = os.environ.get("PROBE_DIR", "/tmp")
LIMITE = int(os.environ.get("PROBE_LIMITE", "0"))
MANOS = int(os.environ.get("PROBE_MANOS", "0"))

_procs = []
_prefijo = ["sonda"]


def foto(nombre):
    try:
        subprocess.run(["import", "-window", "root", f"{DIR}/{nombre}.png"], timeout=30, check=False)
    except (OSError, subprocess.TimeoutExpired):
        pass


def fallar(msg):
    foto(f"{_prefijo[0]}-fallo")
    sys.exit(f"{_prefijo[0]}: {msg}")


def _terminar():
    for p in _procs:
        if p.poll() is None:
            p.terminate()
    for p in _procs:
        try:
            p.wait(timeout=5)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait(timeout=5)


def empezar(prefijo):
    """Bounds the run and makes every way out end the copies; a failure,
    an error in the probe itself or the bound leave a screenshot."""
    _prefijo[0] = prefijo
    atexit.register(_terminar)
    original = sys.excepthook

    def error(tipo, valor, traza):
        foto(f"{prefijo}-fallo")
        original(tipo, valor, traza)
    sys.excepthook = error
    signal.signal(signal.SIGTERM, lambda *_: fallar("ended from outside"))
    if LIMITE > 0:
        signal.signal(signal.SIGALRM, lambda *_: fallar(f"still running after {LIMITE} s"))
        signal.alarm(LIMITE)


def lanzar(prefijo, nombres, caras):
    """One copy per name, with that name and face; their processes."""
    empezar(prefijo)
    for k, (nombre, cara) in enumerate(zip(nombres, caras)):
        cfg = f"{DIR}/{prefijo}-cfg{k}"
        os.makedirs(cfg, exist_ok=True)
        with open(f"{cfg}/truco.ini", "w") as f:
            f.write(f"[Config]\nnombre={nombre}\n[cara]\nNumero={cara}\n[Pvez]\nBandera=1\n[Sonido]\nhabilitado=-1\n")
        env = dict(os.environ, XDG_CONFIG_HOME=cfg, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=f"{DIR}/{prefijo}-home{k}")
        os.makedirs(env["HOME"], exist_ok=True)
        _procs.append(subprocess.Popen([BIN], env=env, stdout=open(f"{DIR}/{prefijo}-{k}.log", "w"),
                                       stderr=subprocess.STDOUT))
        # Each copy on the bus before the next starts, so they keep their order.
        end = time.time() + 30
        while de_proceso(_procs[-1].pid) is None:
            if time.time() > end or _procs[-1].poll() is not None:
                fallar(f"copy {k} did not appear on the accessibility bus")
            time.sleep(0.3)
    return list(_procs)


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


def esperar(raiz, pred, que, timeout=30):
    """The first object pred accepts under raiz() within timeout seconds."""
    end = time.time() + timeout
    while time.time() < end:
        r = find(raiz(), pred)
        if r is not None:
            return r
        time.sleep(0.3)
    fallar(f"{que} not found")


def name(n, role=None):
    """By the name a person reads (without the shortcut's ampersand)."""
    return lambda o: (o.name or "").replace("&", "") == n and (role is None or o.getRoleName() == role)


def desc(d):
    return lambda o: o.description == d


def activo(o):
    try:
        s = o.getState()
        return s.contains(pyatspi.STATE_ENABLED) and s.contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def visible(o):
    try:
        return o.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def puntos(a):
    """Both scores on one table, as shown."""
    def val(d):
        o = find(a, desc(d))
        try:
            return int(o.name) if o is not None and o.name else 0
        except ValueError:
            return 0
    return val("PuntosM"), val("PuntosH")


class Manos:
    """Counts the hands played on one table by the moves of its score: each
    hand gives somebody a point at least. Points sung during a hand may show
    before its end, so it can count a hand early; the probes only need a few."""

    def __init__(self):
        self.jugadas = 0
        self._suma = None

    def ver(self, a):
        suma = sum(puntos(a))
        if self._suma is not None and suma > self._suma:
            self.jugadas += 1
        self._suma = suma
        return self.jugadas


def corta(carta):
    """How the table writes a card on it: "7C" for "7 de copas"."""
    return carta.split()[0] + carta.split()[-1][0].upper()


def press(o):
    act = o.queryAction()
    for i in range(act.nActions):
        if act.getName(i) in ("Press", "press", "click", "Toggle", "toggle"):
            act.doAction(i)
            return
    act.doAction(0)
