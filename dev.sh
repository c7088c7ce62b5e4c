#!/usr/bin/env bash
# Build, test, benchmark and run the studio on a fresh Debian machine.
#   ./dev.sh test            install what is missing, build, run every test
#   ./dev.sh test-sanitize   the same with AddressSanitizer and UBSan
#   ./dev.sh studio [ARGS]   build and start the studio on its bundled sample
#   ./dev.sh bench [FILTER]  build and run the benchmarks (release build)
#   ./dev.sh install PREFIX  build and install the libraries into PREFIX
#   ./dev.sh fuzz [TARGET] [SECONDS]
#                            build the fuzz targets (clang, ASan, UBSan) and run
#                            each, or only TARGET, for SECONDS (default 60)
#   ./dev.sh format-check    check the tracked C++ sources against .clang-format
#   ./dev.sh docs            build the HTML reference of the public headers into
#                            build-docs/html (Doxygen; any warning fails)
# ZEL_WERROR=ON makes test and test-sanitize treat warnings as errors (as CI does).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libbenchmark-dev fonts-dejavu-core libgumbo-dev pkg-config)
# The fuzz build only: clang and its runtimes (libFuzzer, ASan, UBSan).
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The format check only.
FORMAT_PACKAGES=(clang-format)
# The reference documentation only.
DOCS_PACKAGES=(doxygen)
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

# The comment block at the top of this script, without its "#".
usage() {
  sed -n '2,/^[^#]/s/^# \{0,1\}//p' "$0"
}

# build DIR [cmake options...]; TARGET=name builds only that target
build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DZEL_WERROR="${ZEL_WERROR:-OFF}" "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS" ${TARGET:+--target "$TARGET"}
}

# run_fuzzer DIR NAME SECONDS: one fuzz target on its seeds, its regressions
# and the corpus it grew before; a finding is kept in DIR/findings/NAME/.
run_fuzzer() {
  local dir=$1 name=$2 seconds=$3
  local corpus=$dir/corpus/$name findings=$dir/findings/$name
  mkdir -p "$corpus" "$findings"
  local inputs=("fuzz/seeds/$name")
  [ -d "fuzz/regressions/$name" ] && inputs+=("fuzz/regressions/$name")
  local options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1
                 -artifact_prefix="$findings/")
  [ -f "fuzz/dict/$name.dict" ] && options+=(-dict="fuzz/dict/$name.dict")
  # ZEL_FUZZ_SEED makes a run repeatable; ZEL_FUZZ_LEAKS=0 leaves the leak
  # check to the sanitizer tests.
  [ -n "${ZEL_FUZZ_SEED:-}" ] && options+=(-seed="$ZEL_FUZZ_SEED")
  local leaks=${ZEL_FUZZ_LEAKS:-1}
  echo "== fuzz_$name, $seconds s"
  QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QT_LOGGING_RULES='qt.qpa.*=false' \
    ASAN_OPTIONS=detect_leaks=$leaks LSAN_OPTIONS=suppressions=fuzz/lsan.supp \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$dir/fuzz/fuzz_$name" "${options[@]}" "$corpus" "${inputs[@]}"
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
    # Font caches of fontconfig and freetype live as long as the process; they are no leak of ours.
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
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
  fuzz)
    PACKAGES+=("${FUZZ_PACKAGES[@]}")
    install_packages
    target=all seconds=60
    if [[ ${1:-} =~ ^[0-9]+$ ]]; then
      seconds=$1
    elif [ $# -gt 0 ]; then
      target=$1 seconds=${2:-60}
    fi
    # Only the fuzz programs and what they link; the studio is configured
    # for its page reader.
    export TARGET=zel_fuzzers
    [ "$target" != all ] && TARGET=fuzz_$target
    CC=clang CXX=clang++ build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DZEL_BUILD_FUZZERS=ON -DBUILD_TESTING=OFF -DZEL_BUILD_BENCHMARKS=OFF -DZEL_BUILD_STUDIO=ON
    if [ "$target" != all ]; then
      run_fuzzer build-fuzz "$target" "$seconds"
      exit
    fi
    failed=()
    for program in build-fuzz/fuzz/fuzz_*; do
      # Only the programs: moc leaves fuzz_*_autogen folders beside them.
      [ -f "$program" ] && [ -x "$program" ] || continue
      name=${program##*/fuzz_}
      run_fuzzer build-fuzz "$name" "$seconds" || failed+=("$name")
    done
    if [ ${#failed[@]} -gt 0 ]; then
      echo "Findings in: ${failed[*]} (inputs in build-fuzz/findings/)"
      exit 1
    fi
    ;;
  format-check)
    PACKAGES=("${FORMAT_PACKAGES[@]}")
    install_packages
    exec .ci/check-format
    ;;
  docs)
    PACKAGES=("${DOCS_PACKAGES[@]}")
    install_packages
    mkdir -p build-docs
    # The output folder is the build's, not the source tree's.
    { cat docs/Doxyfile; echo "OUTPUT_DIRECTORY = build-docs"; } | doxygen -
    echo "Reference: build-docs/html/index.html"
    ;;
  help | -h | --help)
    usage
    ;;
  *)
    echo "unknown command: $cmd" >&2
    usage >&2
    exit 2
    ;;
esac
