#!/usr/bin/env bash
# Builds Vireon's Debian package and checks it as a user's system would meet it: lintian (any
# error fails), the installed programs run, the manual pages found by man, and a purge that leaves
# no file of the package behind. Installing needs root: as another user the script builds and
# lints the package, then says it cannot go on and fails.
#   scripts/package_check.sh            (the package in build-package/, built afresh)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=build-package
jobs=$(nproc)
step() { echo "== $* =="; }
fail() { echo "PACKAGE CHECK FAILED: $*" >&2; exit 1; }

# The Debian build flags (Debian Policy §4.9, the hardening of dpkg-buildflags): the same
# options as the tests' build (-O2 -g -DNDEBUG), the debugging symbols stripped by CPack.
step "Building the package in $build/"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIREON_BUILD_TESTS=OFF \
      -DVIREON_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build "$build" -j"$jobs"
rm -f "$build"/vireon_*.deb
(cd "$build" && cpack > /dev/null)
debs=("$build"/vireon_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack wrote no single vireon_*.deb in $build/"
deb=${debs[0]}
echo "$deb: $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb" Package Version Architecture Depends Installed-Size

step "lintian"
# Errors fail the check; warnings and information are shown.
lintian --display-info --fail-on error "$deb" || fail "lintian reported errors (above)"

step "AppStream metadata and desktop entry as installed"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
appstreamcli validate-tree --no-net "$tree" || fail "appstreamcli validate-tree"

if [ "$(id -u)" -ne 0 ]; then
  echo "" >&2
  echo "!! PACKAGE CHECK INCOMPLETE: installing $deb needs root." >&2
  echo "!! Run scripts/package_check.sh as root to install it, run it and purge it." >&2
  exit 1
fi

step "Installing"
if dpkg-query -W -f='${db:Status-Status}' vireon 2>/dev/null | grep -qx installed; then
  echo "vireon is installed already: purging it first"
  apt-get purge -y -qq vireon > /dev/null
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "./$deb" > /dev/null
files=$(dpkg -L vireon)
echo "$files" | grep -v '/$' | grep -E '^/usr/(bin|share/(man|doc|applications|metainfo|icons))' | sed 's/^/  /'

step "Running the installed programs"
for program in /usr/bin/vireon /usr/bin/vireon-ephem; do
  [ -x "$program" ] || fail "$program is not installed"
  if ldd "$program" | grep -q 'not found'; then ldd "$program"; fail "$program lacks a library"; fi
done
expected='index,name,SatOffsetX,SatOffsetY,SatFarSide
1,Io,134.47083535864451,16.157613134515369,P
2,Europe,139.38111815334702,11.171572882242566,P
3,Ganymède,-323.0096185772552,-45.559368376288447,P
4,Callisto,544.95397851669838,76.898622798505755,E'
got=$(/usr/bin/vireon-ephem --planet jupiter --date 1610-01-07T16:45:00 | cut -d, -f14-17,21)
[ "$got" = "$expected" ] || { echo "$got"; fail "vireon-ephem's positions for 1610-01-07T16:45:00"; }
echo "vireon-ephem: the four Galilean satellites of 1610-01-07T16:45:00 as expected"
got=$(/usr/bin/vireon-ephem --events --planet jupiter --date 2024-12-03T00:00:00 --days 1 --time-scale local \
      --time-zone Europe/Paris | sed -n 2p | cut -d, -f1,5,6)
[ "$got" = "2024-12-03T00:23:59+01:00,Io,eclipse_start" ] || fail "vireon-ephem --events in Europe/Paris: '$got'"
echo "vireon-ephem: Io's eclipse start of 2024-12-03 on the clocks of Paris (the zone rules of tzdata)"
# The program itself, headless: still running after 5 s is a good start (timeout's status 124).
home=$(mktemp -d)
status=0
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home" timeout 5 /usr/bin/vireon > "$home/out" 2>&1 || status=$?
rm -rf "$home"
[ "$status" -eq 124 ] || fail "vireon ended with status $status within 5 s"
echo "vireon: runs (offscreen, 5 s)"

step "Manual pages"
for page in vireon vireon-ephem; do
  found=$(man -w "$page" 2>/dev/null) || {
    grep -rs 'path-exclude.*man' /etc/dpkg/dpkg.cfg.d/ >&2 && echo "(dpkg is told to leave manual pages out)" >&2
    fail "man -w $page finds no page"
  }
  [ "$found" = "/usr/share/man/man1/$page.1.gz" ] || fail "man -w $page: $found"
  echo "man -w $page: $found"
done

step "Purging"
apt-get purge -y -qq vireon > /dev/null
[ -z "$(dpkg-query -W -f='${db:Status-Status}' vireon 2>/dev/null | grep -v not-installed)" ] ||
  fail "dpkg still knows vireon after the purge"
left=0
while IFS= read -r path; do
  [ -n "$path" ] && [ "$path" != /. ] || continue
  if [ -d "$path" ] && ! [ -L "$path" ]; then
    # A folder may stay when another package owns it too.
    dpkg -S "$path" > /dev/null 2>&1 && continue
    [ -e "$path" ] && { echo "left: $path/"; left=1; }
  elif [ -e "$path" ] || [ -L "$path" ]; then
    echo "left: $path"
    left=1
  fi
done <<< "$files"
[ "$left" -eq 0 ] || fail "files of the package are left after the purge"
echo "no file of the package is left"

echo "PACKAGE CHECK PASSED: $deb"
