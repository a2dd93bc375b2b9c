#!/usr/bin/env bash
# Installs what building, running and testing Tintwell needs on Debian 12, and only what is
# missing, so a second run costs a second. Runs apt-get as root, or through sudo.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config python3
    qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
    libxcb1-dev # the own colour picker moves the X pointer by whole pixels
    libgtest-dev libbenchmark-dev
    fonts-liberation2 fonts-dejavu-core
    dpkg-dev file lintian desktop-file-utils appstream
    libxcb-damage0-dev # the start-up benchmark's watcher (bench/startup.sh)
    xvfb xauth openbox xdotool xclip wmctrl x11-utils x11-xserver-utils imagemagick
    weston qt6-wayland xcompmgr
    dbus-daemon xdg-desktop-portal python3-dbus python3-gi # picking through the desktop portal (tests)
    sway swaybg pipewire pipewire-bin xdg-desktop-portal-wlr xdg-desktop-portal-gtk slurp grim wtype dbus-bin # the wlroots picker (tests)
    at-spi2-core gir1.2-atspi-2.0 # reading the accessibility tree (tests)
    orca # what the screen reader says (tests)
    clang libclang-rt-14-dev # the fuzz build (scripts/fuzz.sh)
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=()
[ "$(id -u)" -eq 0 ] || SUDO=(sudo)
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp /tmp/tintwell-apt.XXXXXX.log)
if ! { "${SUDO[@]}" apt-get update -qq && "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "Installing the packages above failed; the full log is $log" >&2
    exit 1
fi
rm -f "$log"
