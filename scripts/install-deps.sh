#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Tallywick; --extras adds the tools
# for screenshots and benchmarks, --packaging those that build and check the .deb packages.
# Works as root or through sudo; installs only what is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
  qt6-tools-dev qt6-l10n-tools
  libgl-dev zlib1g-dev libre2-dev clang-format
  help2man bash-completion
)
for option in "$@"; do
  case "$option" in
    --extras)
      # Screenshots under Xvfb, the benchmarks and scripts/tidy.sh.
      packages+=(xvfb xauth openbox trayer xdotool xclip imagemagick x11-utils hyperfine goaccess clang clang-tidy time libbenchmark-dev)
      ;;
    --packaging)
      # The Debian packages and the checks of what they install.
      packages+=(dpkg-dev file lintian appstream desktop-file-utils groff-base systemd)
      ;;
    *)
      echo "Usage: $0 [--extras] [--packaging]" >&2
      exit 2
      ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "Installing ${missing[*]} needs root: run as root or install sudo." >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
