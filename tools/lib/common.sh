# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by tools/play and tools/test: installs the Debian packages the game
# needs when they are missing, and configures and builds a CMake preset.

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-wayland libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  appstream desktop-file-utils
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-vlgothic fonts-aoyagi-kouzan-t fonts-kouzan-mouhitsu
)

# Installs whatever of "$@" is not installed yet; does nothing when all are.
install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  echo "Installing ${missing[*]}"
  local sudo=()
  if ((EUID != 0)); then
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures the preset once, then builds it (ninja rebuilds only what changed).
build_preset() {
  local preset="$1"
  if [[ ! -f "build/$preset/build.ninja" ]]; then
    cmake --preset "$preset"
  fi
  cmake --build --preset "$preset"
}
