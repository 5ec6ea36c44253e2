#!/usr/bin/env bash
# Installs everything the cross build needs on a Debian 12 machine, builds the
# third-party libraries once into a cache outside the tree, and configures the
# build folder. Quiet and quick when all is already in place.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/env.sh"

packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine64 xvfb xauth cmake ninja-build googletest libz-mingw-w64-dev
          dpkg-dev file ca-certificates xz-utils patch ccache)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# apt-get source needs deb-src lines for the suite this machine runs.
ensure_deb_src() {
  local list=/etc/apt/sources.list.d/velmoran-src.list
  [ -f "$list" ] && return 1
  local mirror suite
  mirror=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  [ -n "$mirror" ] || mirror=$(awk '$1=="deb"{print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  [ -n "$mirror" ] || mirror=http://deb.debian.org/debian
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  # apt refuses two entries for one mirror that disagree on the signing key.
  local key opts=""
  key=$(awk '/^Signed-By:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  [ -n "$key" ] && opts="[signed-by=$key] "
  echo "deb-src ${opts}$mirror $suite main" | as_root tee "$list" >/dev/null
}

need_update=0
ensure_deb_src && need_update=1
[ ${#missing[@]} -gt 0 ] && need_update=1
if [ $need_update -eq 1 ]; then
  echo "setup: installing packages: ${missing[*]:-(source lists only)}"
  # Other vendors' lists on a machine may be unreachable; Debian's are what we need.
  as_root apt-get update -qq >/dev/null 2>&1 || true
  if [ ${#missing[@]} -gt 0 ]; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

"$here/scripts/deps.sh"
