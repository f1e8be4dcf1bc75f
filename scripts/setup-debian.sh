#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the tools need,
# and only those that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  libeigen3-dev libcli11-dev nlohmann-json3-dev
  help2man python3 librsvg2-bin dpkg-dev file
  lintian desktop-file-utils appstream
)
if [[ "${CHEMENG_FUZZ:-0}" == 1 ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them as root: apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
