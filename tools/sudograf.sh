#!/bin/sh
# Set-up, build, start and test of Ссудограф on Debian 12.
#
#   tools/sudograf.sh run      install what is missing, build, start the program
#                              (the current folder becomes its working folder)
#   tools/sudograf.sh test     install what is missing, build, run every test (offscreen)
#   tools/sudograf.sh sanitize the same tests built with AddressSanitizer and UBSan
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
MODE=${1:-run}
JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES="g++ cmake make qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation \
libbenchmark-dev xvfb xauth poppler-utils locales"

install_missing() {
    missing=""
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
}

# The tests run once more under a Russian system locale.
has_russian_locale() {
    locale -a 2>/dev/null | grep -qix 'ru_RU.utf-\{0,1\}8'
}
generate_locale() {
    has_russian_locale && return 0
    echo "Generating the ru_RU.UTF-8 locale"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    # localedef exits with 1 after mere warnings: what counts is that the locale is there.
    $SUDO localedef -i ru_RU -c -f UTF-8 ru_RU.UTF-8 || true
    has_russian_locale || {
        echo "The ru_RU.UTF-8 locale could not be generated" >&2
        exit 1
    }
}

build() { # build <dir> [cmake options...]
    dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

run_tests() { # run_tests <dir>
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$JOBS"
}

install_missing
case "$MODE" in
run)
    build "$ROOT/build"
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        exec "$ROOT/build/src/sudograf"
    fi
    echo "No display found: starting on a virtual X display (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1600x900x24" "$ROOT/build/src/sudograf"
    ;;
test)
    generate_locale
    build "$ROOT/build"
    run_tests "$ROOT/build"
    ;;
sanitize)
    generate_locale
    build "$ROOT/build-sanitize" -DSUDOGRAF_SANITIZE=ON -DSUDOGRAF_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests "$ROOT/build-sanitize"
    ;;
*)
    echo "usage: $0 run|test|sanitize" >&2
    exit 2
    ;;
esac
