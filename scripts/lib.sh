# Shared by scripts/run and scripts/test: locate the repository and make sure
# the Debian packages the build needs are installed.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES="cmake g++ make qtbase5-dev libqt5svg5-dev libqt5webkit5-dev xvfb xauth locales"

ensure_packages() {
    local missing=()
    local p
    for p in $PACKAGES; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing missing packages: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

configure() {
    # $@: extra CMake options
    cmake -S "$ROOT" -B "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

build() {
    # $@: targets; none builds everything, tests included
    local targets=()
    local t
    for t in "$@"; do
        targets+=(--target "$t")
    done
    cmake --build "$ROOT/build" --parallel "$(nproc)" "${targets[@]}"
}
