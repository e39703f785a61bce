#!/usr/bin/env bash
# Installs every package the build, the program, the tests and the benchmark need, from Debian
# 12 only, with sudo when not run as root.
# Safe to run again: when everything is present it does nothing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland
    libhidapi-dev
    libgtest-dev libgmock-dev
    sqlite3 gawk
    fonts-liberation2
    locales tzdata
    qt6-translations-l10n
    desktop-file-utils
)

# The desktops the tests run under besides C: numbers with a decimal comma, texts in German
# and Danish.
test_locales=(de_DE da_DK)
make_test_locales() {
    local root=""
    [ "$(id -u)" -eq 0 ] || root="sudo"
    for l in "${test_locales[@]}"; do
        locale -a | grep -qx "$l.utf8" && continue
        $root localedef -i "$l" -c -f UTF-8 "$l.UTF-8"
    done
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && { make_test_locales; exit 0; }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
make_test_locales
