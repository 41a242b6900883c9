# Installs what building and testing Velmora needs, on Debian 12.
# Sourced by run.sh and test.sh: ensure_packages PACKAGE...
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Missing packages. Run this once, then try again:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

BUILD_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libcli11-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
)

# The real-window test drives the program under a virtual X server.
TEST_PACKAGES=(
    xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core
    libqt6svg6 qt6-qpa-plugins dpkg-dev file locales-all
)
