# Shared by run.sh and test.sh: install what is missing, then configure and build in build/.
set -euo pipefail

KOMBORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KOMBORA_BUILD="$KOMBORA_ROOT/build"

# Debian 12 packages the build and the tests need.
KOMBORA_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev
    qt6-tools-dev qt6-tools-dev-tools libqt6sql6-sqlite
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
    libxlsxwriter-dev libzip-dev libpugixml-dev libfreexl-dev
    clang libclang-rt-dev
)

kombora_install_packages() {
    local missing=()
    local pkg
    for pkg in "${KOMBORA_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "error: these packages are missing and sudo is not available: ${missing[*]}" >&2
            exit 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

kombora_build() {
    local jobs
    jobs=$(nproc 2>/dev/null || echo 2)
    if [ ! -f "$KOMBORA_BUILD/CMakeCache.txt" ]; then
        cmake -S "$KOMBORA_ROOT" -B "$KOMBORA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$KOMBORA_BUILD" -j "$jobs"
}
