#!/usr/bin/env bash
# Set-up, build and run for a Debian 12 machine.
#   ./build.sh play   install what is missing, build, generate the content, start the game
#   ./build.sh test   the same set-up, then the whole test suite (plain and sanitizer builds)
#   ./build.sh build  set-up and build only
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake pkg-config ccache clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev
  libfreetype-dev libstb-dev libpng-dev
  fonts-arphic-uming fonts-wqy-zenhei
  xvfb xauth xdotool imagemagick sox
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

JOBS=$(nproc)

configure_and_build() {  # dir, extra cmake args...
  local dir=$1; shift
  mkdir -p "$dir"
  # Quiet when it works; the whole output (which package is missing ...) when not.
  if ! cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOOVANA_WERROR=ON "$@" >"$dir/configure.log" 2>&1; then
    cat "$dir/configure.log" >&2
    echo "configure of $dir failed" >&2
    exit 1
  fi
  cmake --build "$dir" -j "$JOBS"
}

case "${1:-play}" in
  play)
    install_packages
    configure_and_build build
    exec ./build/zoovana
    ;;
  build)
    install_packages
    configure_and_build build
    ;;
  test)
    install_packages
    configure_and_build build
    ctest --test-dir build --output-on-failure -j "$JOBS"
    configure_and_build build-asan -DZOOVANA_SANITIZE=ON -DZOOVANA_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan --output-on-failure -j "$JOBS"
    if [ -x tests/fuzz/run.sh ]; then tests/fuzz/run.sh; fi
    ;;
  *)
    echo "usage: $0 [play|test|build]" >&2
    exit 2
    ;;
esac
