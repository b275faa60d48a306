#!/usr/bin/env bash
# Installs the Debian packages the tutor needs. Usage: scripts/deps.sh build|test|package
# Runs apt-get when root, through sudo when available; otherwise prints the install line and stops.
set -euo pipefail

build_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins
    libsqlite3-dev libmpg123-dev libasound2-dev
    fonts-liberation2 fonts-dejavu-core
)
test_packages=(
    xvfb xdotool xauth x11-xkb-utils libxml2-utils xkb-data
    libbenchmark-dev libtinyxml2-dev libpugixml-dev python3 poppler-utils
    dpkg-dev desktop-file-utils appstream lintian
)
package_packages=(dpkg-dev)

wanted=("${build_packages[@]}")
if [ "${1:-build}" = "test" ]; then
    wanted+=("${test_packages[@]}")
elif [ "${1:-build}" = "package" ]; then
    wanted+=("${package_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt_get=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
    apt_get=(sudo apt-get)
else
    echo "Clavora needs these Debian packages. Please install them as root:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt_get[@]}" update -qq
"${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
