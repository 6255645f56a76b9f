# Installs the Debian packages a script needs, only those missing. Sourced by the scripts.
# Usage: ensure_packages pkg...
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

BUILD_PACKAGES=(build-essential cmake qt6-base-dev qt6-serialport-dev libgl-dev libgtest-dev libgmock-dev
                googletest pkg-config libzip-dev libexpat1-dev)
# Saving the register's articles as an .xlsx workbook.
BUILD_PACKAGES+=(libxlsxwriter-dev)
# The tests read the workbooks back through minizip.
BUILD_PACKAGES+=(libminizip-dev)
# The tests put a real network converter (RFC 2217 and raw TCP) in front of the emulator.
BUILD_PACKAGES+=(ser2net)
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# The Windows cross build and its run under Wine (scripts/test-windows).
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 googletest)
# Qt for Windows, cross-built from Debian's source package (scripts/build-qt-windows).
QT_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix qt6-base-dev-tools dpkg-dev ninja-build xz-utils)
# The libraries cross-built for Windows from the source packages of these host packages,
# at their versions (scripts/build-qt-windows).
WINDOWS_LIBRARY_PACKAGES=(zlib1g-dev libzip-dev libexpat1-dev libxlsxwriter-dev)
# The Windows window on a virtual display (scripts/test-windows, scripts/screenshots).
WINDOW_CHECK_PACKAGES=(xvfb xauth x11-utils fonts-wine)
# The packages (scripts/package): CPack's Debian package with its dependencies found by
# dpkg-shlibdeps, the Windows setup program by makensis; and their checks
# (scripts/test-packages).
PACKAGE_PACKAGES=(dpkg-dev file nsis)
# The user guide (docs/Uputstvo.md) made into the Uputstvo.html that the packages install.
PACKAGE_PACKAGES+=(pandoc)
PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils man-db unzip)

jobs() { nproc 2>/dev/null || echo 2; }
