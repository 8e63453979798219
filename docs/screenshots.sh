#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots in docs/screenshots/ of the splash, the main window with both counters
# running and the Options window, at scale factors 1 and 2, from the built program ($1, default
# build/tickwell) under a virtual X server. Installs ImageMagick when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/tickwell}")

if ! command -v import >/dev/null; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick
fi
mkdir -p docs/screenshots
exec xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
set -euo pipefail
program=$1

# The newest visible window of the program that is not in the list given.
newWindow() {
  for _ in $(seq 100); do
    for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
      case " $* " in *" $window "*) ;; *) echo "$window"; return ;; esac
    done
    sleep 0.1
  done
  echo "no new window" >&2
  return 1
}

for scale in 1 2; do
  QT_SCALE_FACTOR=$scale "$program" & pid=$!
  splash=$(newWindow)
  import -window "$splash" "docs/screenshots/splash-${scale}x.png"
  main=$(xdotool search --sync --onlyvisible --name "^Tickwell$")
  xdotool windowfocus --sync "$main" key F2
  sleep 3 # let both counters show a few seconds
  import -window "$main" "docs/screenshots/main-window-${scale}x.png"
  xdotool key F4
  options=$(newWindow "$main")
  import -window "$options" "docs/screenshots/options-${scale}x.png"
  kill "$pid"
  wait "$pid" || true
done
' screenshots "$program"
