#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the viewer need, and
# only those that are missing. Noninteractive; runs apt-get update only when it must.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev libgl-dev
  xvfb xauth
  fonts-wqy-microhei
)
# The Windows build of the core and Wine to run its tests: without their recommendations,
# which would bring a desktop's worth of packages.
lean=(g++-mingw-w64-x86-64-posix wine64)
if [[ "${1:-}" == "--bench" ]]; then packages+=(libbenchmark-dev libinih-dev libsimpleini-dev python3); fi
if [[ "${1:-}" == "--screenshot" ]]; then packages+=(imagemagick x11-utils); fi

missing() {
  for p in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || echo "$p"
  done
}
mapfile -t need < <(missing "${packages[@]}")
mapfile -t need_lean < <(missing "${lean[@]}")
[[ ${#need[@]} -eq 0 && ${#need_lean[@]} -eq 0 ]] && exit 0

echo "Installing: ${need[*]} ${need_lean[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
[[ ${#need[@]} -eq 0 ]] || $sudo apt-get install -y -qq "${need[@]}"
[[ ${#need_lean[@]} -eq 0 ]] || $sudo apt-get install -y -qq --no-install-recommends "${need_lean[@]}"
