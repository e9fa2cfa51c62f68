#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
#   scripts/deps.sh run    what the program needs to build and start
#   scripts/deps.sh test   what the tests, benchmarks and cross build need as well
set -euo pipefail

run_pkgs=(cmake g++ make qt6-base-dev fonts-arphic-uming qt6-translations-l10n)
test_pkgs=(libgtest-dev libbenchmark-dev libssl-dev libx11-dev xvfb xauth xdotool xclip x11-utils
           imagemagick desktop-file-utils appstream dbus-daemon g++-s390x-linux-gnu qemu-user time)

case "${1:-run}" in
  run)  pkgs=("${run_pkgs[@]}") ;;
  test) pkgs=("${run_pkgs[@]}" "${test_pkgs[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
# A fresh machine has no package lists yet: fetch them once.
stamp=/var/lib/apt/periodic/update-success-stamp
if [ ! -e "$stamp" ] && [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v -e '^lock$' -e '^partial$' -e '^auxfiles$')" ]; then
  "${sudo[@]}" apt-get update -qq
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
  # Package lists too old for the mirror: refresh once and try again.
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
