#!/bin/sh
# The set-up step of ./vexel on systems it does not know and with archives that lack a package:
# it names what is wrong and installs nothing. apt and dpkg are replaced by stand-ins that
# record what they are asked.
#   check_setup.sh <source folder>
set -eu
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check_setup: $*" >&2; exit 1; }

mkdir "$work/bin"
cat >"$work/bin/dpkg-query" <<'TOOL'
#!/bin/sh
exit 1
TOOL
cat >"$work/bin/apt-cache" <<'TOOL'
#!/bin/sh
# policy NAME: a candidate unless NAME is listed in $ABSENT
for name in $ABSENT; do [ "$name" = "$2" ] && { printf '%s:\n  Candidate: (none)\n' "$2"; exit 0; }; done
printf '%s:\n  Candidate: 1.0\n' "$2"
TOOL
cat >"$work/bin/apt-get" <<'TOOL'
#!/bin/sh
echo "apt-get $*" >>"$CALLS"
case " $* " in *" update "*) [ -z "${UPDATE_FAILS:-}" ] || exit 100 ;; *" install "*) exit 1 ;; esac
TOOL
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin"/*

# Runs the set-up of ./vexel run with an os-release file: sets status and out.
setup() {
  : >"$work/calls"
  status=0
  env PATH="$work/bin:$PATH" CALLS="$work/calls" VEXEL_OS_RELEASE="$1" ABSENT="${ABSENT:-}" \
    UPDATE_FAILS="${UPDATE_FAILS:-}" "$src/vexel" run >"$work/out" 2>&1 || status=$?
  out=$(cat "$work/out")
}
release() { printf 'ID=%s\nVERSION_ID="%s"\nPRETTY_NAME="%s"\n' "$1" "$2" "$3" >"$work/os-release"; }

release fedora 41 "Fedora Linux 41"
setup "$work/os-release"
[ "$status" = 2 ] || fail "an unknown release gave exit $status"
echo "$out" | grep -q "Fedora Linux 41" || fail "the unknown release is not named: $out"
echo "$out" | grep -q "Debian 13 (trixie)" || fail "the supported releases are not named: $out"
[ ! -s "$work/calls" ] || fail "apt was called on an unknown release: $(cat "$work/calls")"

setup "$work/no-such-file"
[ "$status" = 2 ] && echo "$out" | grep -q "no /etc/os-release" ||
  fail "a system without os-release: exit $status, $out"

release debian 13 "Debian GNU/Linux 13 (trixie)"
ABSENT="libgsl-dev libclang-rt-dev libclang-rt-14-dev" setup "$work/os-release"
[ "$status" = 2 ] || fail "missing packages gave exit $status"
echo "$out" | grep -q "libgsl-dev" && echo "$out" | grep -q "libclang-rt-dev or libclang-rt-14-dev" ||
  fail "the packages the archive lacks are not named: $out"
grep -q " install " "$work/calls" && fail "something was installed although packages were missing"

# Where the first of two names is not offered, the second is installed.
ABSENT="libclang-rt-dev" setup "$work/os-release"
grep " install " "$work/calls" | grep -q " libclang-rt-14-dev" || fail "the second name was not chosen"
grep " install " "$work/calls" | grep -q " libclang-rt-dev" && fail "an absent name was installed"

UPDATE_FAILS=1 setup "$work/os-release"
[ "$status" = 1 ] && echo "$out" | grep -q "archive reachable" || fail "a failed update: exit $status, $out"
grep -q " install " "$work/calls" && fail "installed after a failed update"
echo "check_setup: passed"
