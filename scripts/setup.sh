#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# Sourced by run.sh and test.sh.
set -euo pipefail

FENDRIMO_PACKAGES=(
  cmake g++ make ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools
  fonts-liberation qt6-translations-l10n
  qt6-svg-dev desktop-file-utils shared-mime-info appstream dpkg-dev
  libbenchmark-dev valgrind
  cups printer-driver-cups-pdf poppler-utils libcups2-dev
  clang libclang-rt-14-dev llvm-14
)

fendrimo_missing_packages() {
  local missing=()
  for pkg in "${FENDRIMO_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  echo "${missing[@]:-}"
}

fendrimo_install_packages() {
  local missing
  missing=$(fendrimo_missing_packages "$@")
  if [ -n "$missing" ]; then
    echo "Installing Debian packages: $missing"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
  fi
}
