#!/usr/bin/env bash
# Builds the Debian package (build/package/hrs_<version>-1_<arch>.deb) from the
# dev build, then checks it: unpacked into a scratch root, its hrs-cli answers
# --help and makes a new club with init. With --apt it is also installed with
# apt-get, run from /usr/bin and removed again (for a machine that may be
# changed, such as CI).
set -euo pipefail
cd "$(dirname "$0")/.."

apt_check=0
for arg in "$@"; do
  case "$arg" in
    --apt) apt_check=1 ;;
    *) echo "Usage: scripts/package.sh [--apt]" >&2; exit 1 ;;
  esac
done

HRS_SETUP_MINIMAL=1 scripts/setup.sh
# dpkg-shlibdeps works out the package's library dependencies.
if ! command -v dpkg-shlibdeps >/dev/null; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y -qq --no-install-recommends dpkg-dev >/dev/null 2>&1 ||
    { $sudo apt-get update -qq >/dev/null && $sudo apt-get install -y -qq --no-install-recommends dpkg-dev >/dev/null; }
fi

build=build/package
# Made from the dev build (optimised; CPack strips the debug information), so
# a machine that has built and tested the program compiles nothing again.
cmake --preset dev >/dev/null
cmake --build --preset dev --target hrs hrs-cli
mkdir -p "$build"
(cd build/dev && cpack -G DEB -B "$PWD/../package" >/dev/null)
deb=$(ls -t "$build"/hrs_*.deb | head -n 1)
echo "Built $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
for f in usr/bin/hrs usr/bin/hrs-cli usr/share/applications/hrs.desktop \
         usr/share/icons/hicolor/scalable/apps/hrs.svg; do
  [ -e "$scratch/root/$f" ] || { echo "package.sh: $f is missing from the package" >&2; exit 1; }
done
grep -qx 'Exec=hrs --desktop' "$scratch/root/usr/share/applications/hrs.desktop"
"$scratch/root/usr/bin/hrs-cli" --help >/dev/null
mkdir "$scratch/club"
"$scratch/root/usr/bin/hrs-cli" --data "$scratch/club" init >/dev/null
"$scratch/root/usr/bin/hrs-cli" --data "$scratch/club" status >/dev/null 2>&1
echo "Unpacked into a scratch root: hrs-cli --help, init and status work"

if [ "$apt_check" = 1 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y -qq "./$deb" >/dev/null
  mkdir "$scratch/club2"
  /usr/bin/hrs-cli --data "$scratch/club2" init >/dev/null
  $sudo apt-get remove -y -qq hrs >/dev/null
  if [ -e /usr/bin/hrs ] || [ -e /usr/share/applications/hrs.desktop ]; then
    echo "package.sh: files left behind after removal" >&2
    exit 1
  fi
  echo "Installed with apt-get, run and removed cleanly"
fi
