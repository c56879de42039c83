# Sourced by ./run and ./test: installs the Debian packages that are missing
# (only those, and says which), then configures and builds.
#
#   setup_packages PACKAGE...   install what is missing, as root or via sudo
#   as_user COMMAND...          run a command as the user behind sudo, if any

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation2 fontconfig)

setup_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Under sudo, build and run as the user who called it, so that build/ stays
# theirs and the program reaches their display.
as_user() {
    if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
        sudo -u "$SUDO_USER" --preserve-env=DISPLAY,WAYLAND_DISPLAY,XAUTHORITY,XDG_RUNTIME_DIR,QT_QPA_PLATFORM,ASAN_OPTIONS,UBSAN_OPTIONS,LSAN_OPTIONS "$@"
    else
        "$@"
    fi
}

# build DIR CMAKE-OPTION...: configure once, then build what changed.
build() {
    local dir="$1"
    shift
    if [ ! -f "$ROOT/$dir/CMakeCache.txt" ]; then
        as_user cmake -S "$ROOT" -B "$ROOT/$dir" "$@" >/dev/null
    fi
    as_user cmake --build "$ROOT/$dir" --parallel "$(nproc)"
}
