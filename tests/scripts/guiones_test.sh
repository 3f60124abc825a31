#!/usr/bin/env bash
# scripts/setup, build and run on a system of doubles: apt-get, dpkg-query,
# id, sudo, stat, chown and cmake are small scripts that record how they were
# called, and nothing else of the system is on PATH. No package is installed.
set -uo pipefail
fuente=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fallos=0

falla() { echo "FAIL: $*" >&2; fallos=$((fallos + 1)); }

# A fresh repository copy and PATH for each case.
preparar() {
  rm -rf "$tmp/repo" "$tmp/bin" "$tmp/sys" "$tmp/log"
  mkdir -p "$tmp/repo/scripts" "$tmp/bin" "$tmp/sys" "$tmp/log"
  cp "$fuente"/scripts/{setup,build,run,comun} "$tmp/repo/scripts/"
  for t in bash env dirname grep tee mktemp rm sleep nproc cat mkdir; do
    ln -s "$(command -v "$t")" "$tmp/sys/$t"
  done
  doble id 'if [ "$1" = -u ] && [ -n "${2:-}" ]; then echo 1000; else echo "${ID_U:-1000}"; fi'
  doble stat 'echo "${DUENO:-1000:1000}"'
  doble chown 'echo "$*" >>"$LOG/chown"'
  doble cmake 'mkdir -p build/bin; exit "${CMAKE_RC:-0}"'
  # Every package is there but those named in FALTAN.
  doble dpkg-query 'p=${!#}; case " ${FALTAN:-} " in *" $p "*) exit 1;; esac; echo "install ok installed"'
  doble apt-get 'echo "$*" >>"$LOG/apt-get"
    n=$(cat "$LOG/apt-n" 2>/dev/null || echo 0); echo $((n + 1)) >"$LOG/apt-n"
    if [ "$n" -lt "${BLOQUEOS:-0}" ]; then
      echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)" >&2; exit 100
    fi'
  doble sudo 'echo "$*" >>"$LOG/sudo"
    while [ "$1" != -- ] && [ "${1#-}" != "$1" ]; do [ "$1" = -u ] && export ID_U=1000 && shift; shift; done
    [ "$1" = -- ] && shift
    exec "$@"'
  printf '#!/bin/sh\necho "$(id -u)" >>"%s/juego"\n' "$tmp/log" >"$tmp/repo/build.bin.Truco"
}
doble() { printf '#!/usr/bin/env bash\n%s\n' "$2" >"$tmp/bin/$1"; chmod +x "$tmp/bin/$1"; }
correr() {
  (cd "$tmp/repo" && env -i PATH="$tmp/bin:$tmp/sys" LOG="$tmp/log" TRUCO_APT_PAUSA=0 "$@" \
    >"$tmp/salida" 2>"$tmp/errores")
}

# Without apt-get: one sentence, and no shell's "command not found".
preparar
rm "$tmp/bin/apt-get"
correr FALTAN=xdotool scripts/setup && falla "setup without apt-get succeeded"
[ "$(grep -c . "$tmp/errores")" -eq 1 ] || falla "setup without apt-get said: $(cat "$tmp/errores")"
grep -q "apt-get" "$tmp/errores" || falla "setup without apt-get did not name it"

# Nothing missing: apt-get is not called at all.
preparar
correr scripts/setup || falla "setup with everything installed failed: $(cat "$tmp/errores")"
[ -e "$tmp/log/apt-get" ] && falla "apt-get ran with nothing missing"

# A lock held for the first two tries: it waits, says so once, then installs.
preparar
correr ID_U=0 FALTAN=xdotool BLOQUEOS=2 scripts/setup ||
  falla "setup did not wait for the lock: $(cat "$tmp/errores")"
[ "$(grep -ci "waiting" "$tmp/errores")" -eq 1 ] || falla "no single waiting message: $(cat "$tmp/errores")"
grep -qi "could not get lock" "$tmp/errores" "$tmp/salida" && falla "apt's lock errors shown while it waits"
grep -q "install .*xdotool" "$tmp/log/apt-get" || falla "xdotool was not installed after the lock"
grep "install" "$tmp/log/apt-get" | grep -q "DPkg::Lock::Timeout=" || falla "install does not wait for dpkg's lock"

# A lock that is never released: it gives up when its wait is over.
preparar
correr ID_U=0 FALTAN=xdotool BLOQUEOS=1000 TRUCO_APT_ESPERA=0 scripts/setup &&
  falla "setup succeeded under a lock that was never released"
grep -qi "could not get lock" "$tmp/errores" || falla "giving up on the lock did not say why: $(cat "$tmp/errores")"

# An ordinary user installs through sudo.
preparar
correr ID_U=1000 FALTAN=xdotool scripts/setup || falla "setup with sudo failed: $(cat "$tmp/errores")"
grep -q "apt-get .*install" "$tmp/log/sudo" 2>/dev/null || falla "apt-get install did not go through sudo"

# Built as root in a user's clone: build/ goes back to that user, even when
# the build fails.
for rc in 0 1; do
  preparar
  correr ID_U=0 DUENO=1000:1000 CMAKE_RC=$rc scripts/build
  grep -qx -- "-R 1000:1000 build" "$tmp/log/chown" 2>/dev/null ||
    falla "build as root (cmake exit $rc) left build/ to root"
done
# Root's own clone stays root's.
preparar
correr ID_U=0 DUENO=0:0 scripts/build
[ -e "$tmp/log/chown" ] && falla "build changed the owner of root's own clone"

# scripts/run with sudo starts the game as the player, not as root.
preparar
mkdir -p "$tmp/repo/build/bin"
mv "$tmp/repo/build.bin.Truco" "$tmp/repo/build/bin/Truco"
chmod +x "$tmp/repo/build/bin/Truco"
doble cmake 'exit 0'
correr ID_U=0 SUDO_USER=ana DISPLAY=:5 scripts/run || falla "run with sudo failed: $(cat "$tmp/errores")"
grep -q -- "-u ana .*DISPLAY=:5 .*build/bin/Truco" "$tmp/log/sudo" 2>/dev/null ||
  falla "the game was not started as ana on her display: $(cat "$tmp/log/sudo" 2>/dev/null)"
[ "$(cat "$tmp/log/juego" 2>/dev/null)" = 0 ] && falla "the game ran as root"
# Without sudo it just starts.
rm -f "$tmp/log/sudo" "$tmp/log/juego"
correr ID_U=1000 scripts/run || falla "run as a user failed: $(cat "$tmp/errores")"
[ -e "$tmp/log/juego" ] || falla "run as a user did not start the game"
[ -e "$tmp/log/sudo" ] && falla "run as a user went through sudo"

[ "$fallos" -eq 0 ] && echo "all cases passed"
exit $((fallos > 0))
