#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need,
# skipping the ones that are already there.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libicu-dev libcli11-dev qt6-base-dev clang libclang-rt-14-dev xvfb xauth libxml2-utils
          fonts-dejavu-core dpkg-dev desktop-file-utils man-db groff-base
          python3 libreoffice-calc-nogui)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
