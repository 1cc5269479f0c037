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
if [[ "${1:-}" == "--bench" ]]; then packages+=(libbenchmark-dev libinih-dev libsimpleini-dev python3); fi
if [[ "${1:-}" == "--screenshot" ]]; then packages+=(imagemagick x11-utils); fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
