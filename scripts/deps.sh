#!/usr/bin/env bash
# Installs the Debian packages Vireon needs to build, test and run (as root), or prints the
# apt-get line to run (as another user). Exits 0 when everything is there.
set -euo pipefail
PACKAGES=(g++ cmake make pkg-config qt6-base-dev libcli11-dev libgtest-dev libbenchmark-dev liberfa-dev libhowardhinnant-date-dev tzdata
          fonts-dejavu-core fonts-liberation xvfb xauth xdotool imagemagick
          man-db desktop-file-utils appstream dpkg-dev file lintian python3-icalendar
          qt6-translations-l10n)
missing=()
for p in "${PACKAGES[@]}"; do
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages: ${missing[*]}. Install them with:" >&2
  echo "  sudo apt-get install -y --no-install-recommends ${PACKAGES[*]}" >&2
  exit 1
fi
