#!/bin/sh
# Builds the Debian packages, checks what they hold and depend on, then extracts both into
# a temporary root and runs the installed-program test from there.
#   check_packages.sh <build folder> <install_gui_tests>
set -eu
build=$1
gui_test=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "check_packages: $*" >&2; exit 1; }

sh "$(dirname "$0")/../../packaging/make-packages.sh" "$build" "$out" || fail "making the packages failed"
program=$(ls "$out"/vexel-lumora_*.deb)
data=$(ls "$out"/vexel-lumora-data_*.deb)

# The program is built for this release and says so in its version; the data is the same for
# every release.
release=$(. /etc/os-release && echo "${ID:-}${VERSION_ID:-}")
case "$release" in
  debian*) tag="+deb${release#debian}u0" ;;
  ubuntu*) tag="+ubuntu${release#ubuntu}" ;;
  *) tag="" ;;
esac
[ "$(dpkg-deb -f "$program" Version)" = "$(dpkg-deb -f "$data" Version)$tag" ] ||
  fail "program version $(dpkg-deb -f "$program" Version) is not the data's plus '$tag'"

[ "$(dpkg-deb -f "$data" Architecture)" = all ] || fail "the data package is not 'all'"
[ "$(dpkg-deb -f "$program" Architecture)" = "$(dpkg --print-architecture)" ] ||
  fail "the program package is not $(dpkg --print-architecture)"
depends=$(dpkg-deb -f "$program" Depends)
echo "Depends: $depends"
echo "$depends" | grep -q "vexel-lumora-data (= $(dpkg-deb -f "$data" Version))" ||
  fail "the program package does not depend on its data"
echo "$depends" | grep -q "libqt5widgets5" || fail "Depends were not computed from the binaries"
bad=$(echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//' |
  grep -E -e '-dev$' -e '^(gcc|g\+\+|cpp|clang|cmake|ninja|nodejs|npm|xvfb|python3)' -e 'gtest' ||
  true)
[ -z "$bad" ] || fail "build or test packages among the Depends: $bad"

# Programs in the program package, data in the data package, nothing else in either.
dpkg-deb -c "$data" | grep -q '/usr/bin/' && fail "the data package holds programs"
dpkg-deb -c "$program" | grep -q '/usr/share/VexelLumora/' && fail "the program package holds data"
dpkg-deb -c "$data" | grep -q 'share/VexelLumora/LumoraData_2012.root' || fail "no candidate file"
for code in fr de it ro es; do
  dpkg-deb -c "$data" | grep -q "share/VexelLumora/translations/vexel_$code.qm" ||
    fail "no compiled catalogue vexel_$code.qm"
done
# Every rendered teacher's guide in the program package's documentation folder.
for guide in "$build"/run/share/doc/vexel-lumora/guide/guide-*; do
  [ -e "$guide" ] || continue
  dpkg-deb -c "$program" | grep -q "/usr/share/doc/vexel-lumora/guide/$(basename "$guide")\$" ||
    fail "no $(basename "$guide") in the program package"
done

root="$out/root"
dpkg-deb -x "$program" "$root"
dpkg-deb -x "$data" "$root"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root"/usr/share/applications/*.desktop
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
fi
VEXEL_INSTALLED_ROOT="$root" "$gui_test" --gtest_filter='InstalledProgram.*'
