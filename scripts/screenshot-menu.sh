#!/usr/bin/env bash
# Takes the README's picture of the installed converter: builds and installs
# the Debian package (as root), starts a small desktop (openbox with an lxpanel
# application menu) on a virtual X display, opens Office > "Kel to text format
# converter" from the menu and saves the menu and the opened window side by
# side to docs/menu.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  xvfb openbox lxpanel xdotool imagemagick dpkg-dev > /dev/null
"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release
(cd "$build" && cpack -G DEB > /dev/null)
apt-get install -y -qq "$build"/kel-converter_*_"$(dpkg --print-architecture)".deb > /dev/null

scratch=$(mktemp -d)
display=:77
Xvfb "$display" -screen 0 800x600x24 > /dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2> /dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$scratch/config
mkdir -p "$XDG_CONFIG_HOME/lxpanel/default/panels"
cat > "$XDG_CONFIG_HOME/lxpanel/default/panels/panel" << 'PANEL'
Global {
  edge=bottom
  widthtype=percent
  width=100
  height=28
  iconsize=24
}
Plugin {
  type=menu
  Config {
    image=start-here
    system {
    }
  }
}
Plugin {
  type=taskbar
  expand=1
  Config {
  }
}
PANEL
sleep 1
openbox > /dev/null 2>&1 &
sleep 1
lxpanel > /dev/null 2>&1 &
sleep 3
# The menu button sits at the panel's left end; Office is the menu's third
# category and the converter its only entry.
xdotool mousemove 12 588 click 1
sleep 1
xdotool mousemove 60 550
sleep 1
import -window root "$scratch/menu.png"
xdotool mousemove 280 550 click 1
sleep 3
import -window root "$scratch/window.png"
mkdir -p "$root/docs"
convert "$scratch/menu.png" "$scratch/window.png" +append "$root/docs/menu.png"
echo "Saved $root/docs/menu.png"
