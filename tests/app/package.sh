#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build, checks it with lintian, unpacks it
# into a folder of its own and runs both programs from there: --version, and
# a scan from SANE's test scanner, plain and searchable.
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$build"
cpack -G DEB -B "$work/out" >/dev/null
deb=$(ls "$work"/out/quillon_*.deb)
findings=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[ -z "$findings" ] || { echo "lintian: $findings"; exit 1; }
dpkg-deb -c "$deb" | awk '{print $6}' | grep -q '^./usr/share/man/man1/quillon-scan.1.gz$' || { echo "no manual page"; exit 1; }
dpkg -x "$deb" "$work/root"
bin=$work/root/usr/bin
[ "$("$bin/quillon-scan" --version)" = "quillon-scan 1.07" ] || { echo "quillon-scan --version"; exit 1; }
QT_QPA_PLATFORM=offscreen "$bin/quillon" --version | grep -q '^Quillon 1.07$' || { echo "quillon --version"; exit 1; }
# The translations are installed where the installed programs find them, and
# the desktop entry and AppStream data carry theirs, valid.
share=$work/root/usr/share
[ -f "$share/quillon/translations/quillon_de.qm" ] || { echo "no German translation"; exit 1; }
LANGUAGE=de "$bin/quillon-scan" --help | head -n 1 | grep -q '^Aufruf: quillon-scan' || { echo "no German --help"; exit 1; }
grep -q '^Comment\[de\]=Papierdokumente' "$share/applications/quillon.desktop" || { echo "no German desktop entry"; exit 1; }
desktop-file-validate "$share/applications/quillon.desktop" || exit 1
grep -q '<summary xml:lang="de">' "$share/metainfo/app.quillon.Quillon.metainfo.xml" || { echo "no German AppStream"; exit 1; }
appstreamcli validate --no-net "$share/metainfo/app.quillon.Quillon.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$share/metainfo/app.quillon.Quillon.metainfo.xml"; exit 1; }
mkdir -p "$work/sane" "$work/home"
cp "$source/tests/sane/dll.conf" "$source/tests/sane/test.conf" "$work/sane/"
HOME=$work/home XDG_CONFIG_HOME=$work/home/config SANE_CONFIG_DIR=$work/sane \
  "$bin/quillon-scan" --quiet --dpi 75 "$work/home/scan.pdf" < /dev/null
pages=$(pdfinfo "$work/home/scan.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 10 ] || { echo "the installed quillon-scan scanned $pages pages"; exit 1; }
# A searchable scan loads the text-recognition module from where the package put it.
said=$(HOME=$work/home XDG_CONFIG_HOME=$work/home/config SANE_CONFIG_DIR=$work/sane \
  "$bin/quillon-scan" --dpi 75 --searchable "$work/home/text.pdf" < /dev/null 2>&1)
case $said in *"without searchable text"*) echo "the installed text engine did not load: $said"; exit 1 ;; esac
echo "package $(basename "$deb"): lintian clean, both programs run, 10 pages scanned, the text engine loads, German found"
