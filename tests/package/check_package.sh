#!/usr/bin/env bash
# Usage: check_package.sh BUILD_DIR SOURCE_DIR
# Builds the .deb from BUILD_DIR with CPack and checks it as a distribution would. A check whose
# tool is not installed is skipped with a message; any other failure fails the test.
set -euo pipefail
build_dir=$1
source_dir=$2
app_id=io.github.clavora.Clavora
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

have() { command -v "$1" >/dev/null 2>&1; }
skip() { echo "SKIP: $1 is not installed"; }

if have desktop-file-validate; then
    desktop-file-validate "$source_dir/resources/desktop/$app_id.desktop"
else skip desktop-file-validate; fi

if have appstreamcli; then
    appstreamcli validate --no-net "$source_dir/packaging/$app_id.metainfo.xml"
else skip appstreamcli; fi

if ! have dpkg-deb || ! have dpkg-shlibdeps; then
    skip "dpkg-dev"
    exit 0
fi

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/out/clavora_*_*.deb)
echo "built $(basename "$deb")"

dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
for path in usr/bin/clavora usr/share/clavora/flurrix/1letterwords.csv \
    usr/share/clavora/sounds/softbeep.mp3 usr/share/clavora/components/dictationsamples/800.mp3 \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml usr/share/man/man1/clavora.1.gz \
    usr/share/doc/clavora/copyright; do
    grep -qx "./$path" "$work/contents" || { echo "missing from the package: $path"; exit 1; }
done
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends lacks the Qt libraries"; exit 1; }

if have lintian; then
    # Errors fail; warnings are listed for the reader.
    lintian_status=0
    lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
    grep -v "running with root privileges" "$work/lintian.log" || true
    [ "$lintian_status" -eq 0 ] || { echo "lintian reports errors"; exit 1; }
else skip lintian; fi

dpkg -x "$deb" "$work/root"
export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The wizard would wait for a person on a first start: answer it by starting as a returning user.
"$work/root/usr/bin/clavora" --version
timeout 60 "$work/root/usr/bin/clavora" --quit-after-load || { echo "the unpacked tutor did not start and load"; exit 1; }
echo "package checks passed"
