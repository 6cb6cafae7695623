# Minimal roots of Debian releases, made with debootstrap from the Debian archive this machine's
# apt is configured with, for building and testing the program on another release than the
# machine's own. Sourced by release-test and install-check; they run as root.
#
# Kept between runs (VEXEL_CACHE, default ~/.cache/vexel-lumora): the freshly bootstrapped root
# of each release (made anew when older than VEXEL_ROOT_MAX_DAYS, default 7, or with
# VEXEL_FRESH_ROOTS=1), downloaded .debs, ccache and npm caches. Every run works on a new copy of
# the bootstrapped root, so what one run installs is never seen by the next.

VEXEL_CACHE=${VEXEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vexel-lumora}
NETWORK_TIMEOUT=${VEXEL_NETWORK_TIMEOUT:-30}
APT_HELPER=/usr/lib/apt/apt-helper

die() {
  echo "$(basename "$0"): $*" >&2
  exit 1
}

step_start() {
  STEP_NAME=$1
  STEP_T0=$(date +%s)
  echo "== $STEP_NAME"
}

# Prints and keeps the time of the step begun last (in $TIMES_FILE when set).
step_end() {
  local seconds=$(($(date +%s) - STEP_T0))
  printf '== %s: %d min %02d s\n' "$STEP_NAME" $((seconds / 60)) $((seconds % 60))
  [ -z "${TIMES_FILE:-}" ] || printf '%s\t%d\n' "$STEP_NAME" "$seconds" >>"$TIMES_FILE"
}

codename_of() {
  case "$1" in
    12 | bookworm) echo bookworm ;;
    13 | trixie) echo trixie ;;
    *) die "unknown release '$1' (known: 12, 13)" ;;
  esac
}

number_of() {
  case "$1" in
    bookworm) echo 12 ;;
    trixie) echo 13 ;;
  esac
}

# The release this machine runs, as 12 or 13 (empty on any other).
host_release() {
  [ -r /etc/os-release ] || return 0
  local id version
  id=$(. /etc/os-release && echo "${ID:-}")
  version=$(. /etc/os-release && echo "${VERSION_ID:-}")
  [ "$id" = debian ] && case "$version" in 12 | 13) echo "$version" ;; esac
  return 0
}

need_root_user() {
  [ "$(id -u)" -eq 0 ] || die "making and entering release roots needs root (try: sudo $0 $*)"
}

need_host_tools() {
  local missing=()
  command -v debootstrap >/dev/null || missing+=(debootstrap)
  command -v unshare >/dev/null || missing+=(util-linux)
  [ -x "$APT_HELPER" ] || missing+=(apt)
  host_install "${missing[@]}"
}

# Installs the named packages on this machine when any is given.
host_install() {
  [ $# -gt 0 ] || return 0
  echo "Installing: $*"
  apt-get update -qq -o Acquire::http::Timeout="$NETWORK_TIMEOUT" -o Acquire::Retries=2 ||
    die "apt-get update failed: is the package archive reachable?"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o Acquire::http::Timeout="$NETWORK_TIMEOUT" "$@" >/dev/null || die "could not install $*"
}

# Every archive address in this machine's apt sources (one-line and deb822 formats), with the
# suites it is listed for: "URI SUITE" lines.
apt_source_entries() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -r "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\)[[:space:]]\+\([^[:space:]]\+\).*/\2 \3/p' "$f"
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -r "$f" ] || continue
    awk 'function flush() { if (uris != "" && types ~ /(^| )deb( |$)/) {
           n = split(uris, u, " "); m = split(suites, s, " ");
           for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) print u[i], s[j] }
           uris = ""; suites = ""; types = "" }
         /^[[:space:]]*$/ { flush(); next }
         /^[Tt]ypes:/ { sub(/^[^:]*:[[:space:]]*/, ""); types = $0 }
         /^URIs:/ { sub(/^[^:]*:[[:space:]]*/, ""); uris = $0 }
         /^Suites:/ { sub(/^[^:]*:[[:space:]]*/, ""); suites = $0 }
         END { flush() }' "$f"
  done
}

# True when URI serves the suite: its Release file arrives within the time-out.
archive_serves() {
  local uri=${1%/} suite=$2 tmp
  tmp=$(mktemp)
  timeout $((NETWORK_TIMEOUT * 3)) "$APT_HELPER" -o Acquire::http::Timeout="$NETWORK_TIMEOUT" \
    -o Acquire::https::Timeout="$NETWORK_TIMEOUT" -o Acquire::Retries=1 \
    download-file "$uri/dists/$suite/Release" "$tmp" >/dev/null 2>&1
  local status=$?
  rm -f "$tmp"
  return $status
}

# Sets ARCHIVE and SECURITY_ARCHIVE (may stay empty) for CODENAME: the first archive that serves
# it, of VEXEL_DEBIAN_ARCHIVE or else this machine's apt sources; or stops with the reason.
find_archive() {
  local codename=$1 uri suite tried=() entries
  entries=$(apt_source_entries | awk '!seen[$1]++')
  [ -z "${VEXEL_DEBIAN_ARCHIVE:-}" ] || entries="$VEXEL_DEBIAN_ARCHIVE $codename"
  ARCHIVE=""
  while read -r uri suite; do
    [ -n "$uri" ] || continue
    case "$suite" in *-security | */updates) continue ;; esac
    case "$uri" in http://* | https://* | file:/*) ;; *) continue ;; esac
    tried+=("$uri")
    if archive_serves "$uri" "$codename"; then ARCHIVE=${uri%/} && break; fi
  done <<<"$entries"
  if [ -z "$ARCHIVE" ]; then
    echo "$(basename "$0"): no Debian archive serves '$codename'." >&2
    [ ${#tried[@]} -eq 0 ] || echo "  tried (time-out ${NETWORK_TIMEOUT} s): ${tried[*]}" >&2
    echo "  Is the network to the archive up? VEXEL_DEBIAN_ARCHIVE=<address> names one." >&2
    exit 1
  fi
  SECURITY_ARCHIVE=${VEXEL_DEBIAN_SECURITY_ARCHIVE:-}
  if [ -z "$SECURITY_ARCHIVE" ]; then
    while read -r uri suite; do
      case "$suite" in *-security) ;; *) continue ;; esac
      if archive_serves "$uri" "$codename-security"; then SECURITY_ARCHIVE=${uri%/} && break; fi
    done <<<"$(apt_source_entries | awk '!seen[$1]++')"
  fi
}

# The freshly bootstrapped root of CODENAME in the cache, made when missing or old.
bootstrapped_root() {
  local codename=$1
  local dir="$VEXEL_CACHE/roots/$codename"
  local max_days=${VEXEL_ROOT_MAX_DAYS:-7}
  if [ -f "$dir/.vexel-bootstrapped" ] && [ -z "${VEXEL_FRESH_ROOTS:-}" ] &&
    [ -z "$(find "$dir/.vexel-bootstrapped" -mtime +"$max_days")" ]; then
    echo "$dir"
    return 0
  fi
  find_archive "$codename"
  local tmp="$dir.new"
  rm -rf "$tmp"
  mkdir -p "$VEXEL_CACHE/roots"
  echo "debootstrap $codename from $ARCHIVE" >&2
  if ! timeout "${VEXEL_DEBOOTSTRAP_TIMEOUT:-1800}" debootstrap --variant=minbase \
    --include=ca-certificates "$codename" "$tmp" "$ARCHIVE" >"$tmp.log" 2>&1; then
    tail -n 20 "$tmp.log" >&2
    rm -rf "$tmp"
    die "debootstrap of $codename from $ARCHIVE failed or took too long (log above)"
  fi
  {
    echo "deb $ARCHIVE $codename main"
    echo "deb $ARCHIVE $codename-updates main"
    [ -z "$SECURITY_ARCHIVE" ] || echo "deb $SECURITY_ARCHIVE $codename-security main"
  } >"$tmp/etc/apt/sources.list"
  {
    echo "Acquire::http::Timeout \"$NETWORK_TIMEOUT\";"
    echo "Acquire::https::Timeout \"$NETWORK_TIMEOUT\";"
    echo "Acquire::Retries \"2\";"
    # Keep downloaded packages: the cache folder is mounted there.
    echo 'APT::Keep-Downloaded-Packages "true";'
    apt-config dump 2>/dev/null | grep -i '^Acquire::\(http\|https\)::Proxy ' || true
  } >"$tmp/etc/apt/apt.conf.d/90vexel"
  rm -f "$tmp.log"
  rm -rf "$dir"
  mv "$tmp" "$dir"
  touch "$dir/.vexel-bootstrapped"
  echo "$dir"
}

# A new root at DIR, copied from the bootstrapped root of CODENAME.
new_root() {
  local codename=$1 dir=$2 base
  base=$(bootstrapped_root "$codename") || exit 1
  remove_root "$dir"
  mkdir -p "$(dirname "$dir")"
  cp -a "$base" "$dir"
  rm -f "$dir/.vexel-bootstrapped"
  cp /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true
  # A throw-away root: dpkg need not wait for every file to reach the disk.
  echo force-unsafe-io >"$dir/etc/dpkg/dpkg.cfg.d/vexel-unsafe-io"
  chmod 1777 "$dir/tmp"
  # The machine's npm settings (registry, certificates) for the tests that fetch JSROOT. A
  # certificate file they name comes along: the root's own bundle may lack what it adds.
  if command -v npm >/dev/null 2>&1; then
    local f line ca
    for f in "$(npm config get globalconfig 2>/dev/null)" "$(npm config get userconfig 2>/dev/null)"; do
      [ -f "$f" ] || continue
      while IFS= read -r line; do
        case "$line" in
          *nodedir*) ;;
          cafile=*)
            ca=${line#cafile=}
            if [ -r "$ca" ]; then
              cp "$ca" "$dir/etc/ssl/vexel-npm-ca.crt"
              echo "cafile=/etc/ssl/vexel-npm-ca.crt"
            fi
            ;;
          *) echo "$line" ;;
        esac
      done <"$f" >>"$dir/root/.npmrc"
    done
  fi
  mkdir -p "$VEXEL_CACHE/apt/$codename" "$VEXEL_CACHE/ccache/$codename" "$VEXEL_CACHE/npm"
}

remove_root() {
  local dir=$1
  [ -e "$dir" ] || return 0
  # A root is entered only in a private mount namespace, so nothing stays mounted in it; refuse
  # to delete anything that still is.
  if grep -q " $(realpath "$dir")/" /proc/mounts; then
    die "$dir still has file systems mounted in it"
  fi
  rm -rf "$dir"
}

# Runs a command in the root DIR with /proc, /sys, /dev and the caches mounted, in a mount
# namespace of its own (all mounts go when it ends). Extra bind mounts: ROOT_BINDS, lines of
# "SOURCE TARGET [ro]". The environment is reset to ROOT_ENV (VAR=value words) and a few
# defaults.
in_root() {
  local dir=$1 codename
  shift
  codename=$(sed -n 's/^VERSION_CODENAME=//p' "$dir/etc/os-release")
  local binds="$VEXEL_CACHE/apt/$codename /var/cache/apt/archives
$VEXEL_CACHE/ccache/$codename /root/.cache/ccache
$VEXEL_CACHE/npm /root/.npm
${ROOT_BINDS:-}"
  unshare --mount --propagation private -- bash -c '
    set -e
    dir=$1; shift
    binds=$1; shift
    mount -t proc proc "$dir/proc"
    mount -t sysfs sysfs "$dir/sys"
    mount --rbind /dev "$dir/dev"
    while read -r src dst opt; do
      [ -n "$src" ] || continue
      mkdir -p "$dir$dst"
      mount --bind "$src" "$dir$dst"
      [ "$opt" != ro ] || mount -o remount,bind,ro "$dir$dst"
    done <<<"$binds"
    exec chroot "$dir" "$@"' _ "$dir" "$binds" \
    /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb ${ROOT_ENV:-} "$@"
}
