#!/usr/bin/env bash
# Build, test, benchmark and run the studio on a fresh Debian machine.
#   ./dev.sh test            install what is missing, build, run every test
#   ./dev.sh test-sanitize   the same with AddressSanitizer and UBSan
#   ./dev.sh studio [ARGS]   build and start the studio on its bundled sample
#   ./dev.sh bench [FILTER]  build and run the benchmarks (release build)
#   ./dev.sh install PREFIX  build and install the libraries into PREFIX
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev libgl-dev libbenchmark-dev fonts-dejavu-core)
JOBS=${JOBS:-$(nproc)}

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR [cmake options...]; TARGET=name builds only that target
build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS" ${TARGET:+--target "$TARGET"}
}

run_tests() {
  local dir=$1
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j "$JOBS"
}

cmd=${1:-help}
[ $# -gt 0 ] && shift
case "$cmd" in
  test)
    install_packages
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    run_tests build
    ;;
  test-sanitize)
    install_packages
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZEL_SANITIZE=ON -DZEL_BUILD_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
    ;;
  studio)
    install_packages
    TARGET=zelstudio build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/apps/studio/zelstudio "$@"
    ;;
  bench)
    install_packages
    build build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    for b in build-release/bench/*/bench_*; do
      [ -x "$b" ] || continue
      echo "== $b"
      QT_QPA_PLATFORM=offscreen "$b" ${1:+--benchmark_filter="$1"}
    done
    ;;
  install)
    install_packages
    build build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    cmake --install build-release --prefix "${1:?usage: ./dev.sh install PREFIX}"
    ;;
  *)
    sed -n '2,8p' "$0"
    ;;
esac
