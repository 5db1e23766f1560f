#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Idempotent: packages already present are left alone; the package index is
# refreshed once, and only when something is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git
  libsqlite3-dev sqlite3
  libcairo2-dev libpango1.0-dev fonts-dejavu-core
  libsodium-dev
  libcli11-dev
  libxml2-dev libxml2-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev
  clang-format ccache
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
