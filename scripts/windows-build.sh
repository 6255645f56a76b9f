# The Windows build and its Wine set-up, shared by scripts/test-windows and
# scripts/screenshots. Sourced after deps.sh, with $top set; every function leaves its
# results in the variables named beside it.

windows_build="$top/build-windows"

first_found() {
    local candidate
    for candidate in "$@"; do
        if command -v "$candidate" >/dev/null 2>&1; then
            command -v "$candidate"
            return 0
        fi
    done
    echo "none of $* found" >&2
    return 1
}

# Qt and the other libraries for Windows (built once per machine), GoogleTest for Windows
# (once per build folder), then the programs and their tests against them. Sets windows_qt,
# windows_libraries (the other libraries' prefixes) and windows_app (the build folder).
# Targets to build may be given; all of them without.
build_for_windows() {
    local prefixes
    prefixes="$("$top/scripts/build-qt-windows")" || return 1
    mapfile -t windows_libraries <<<"$prefixes"
    windows_qt="${windows_libraries[0]}"
    windows_libraries=("${windows_libraries[@]:1}")
    local libraries
    libraries="$(IFS=';'; echo "${windows_libraries[*]}")"
    mkdir -p "$windows_build"

    local gtest="$windows_build/gtest"
    if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
        echo "Building GoogleTest for Windows"
        cmake -S /usr/src/googletest -B "$windows_build/gtest-build" \
            -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DBUILD_GMOCK=OFF \
            -DCMAKE_INSTALL_PREFIX="$gtest" >"$windows_build/gtest.log" 2>&1 &&
            cmake --build "$windows_build/gtest-build" -j "$(jobs)" >>"$windows_build/gtest.log" 2>&1 &&
            cmake --install "$windows_build/gtest-build" >>"$windows_build/gtest.log" 2>&1 ||
            { cat "$windows_build/gtest.log"; return 1; }
    fi

    windows_app="$windows_build/app"
    echo "Building the programs and their tests for Windows"
    cmake -S "$top" -B "$windows_app" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DTALON_MINGW_SHARED_RUNTIME=ON \
        -DTALON_WINDOWS_QT="$windows_qt" -DTALON_WINDOWS_PREFIXES="$libraries" \
        -DCMAKE_PREFIX_PATH="$windows_qt;$libraries" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DGTest_DIR="$gtest/lib/cmake/GTest" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" >"$windows_build/configure.log" 2>&1 ||
        { cat "$windows_build/configure.log"; return 1; }
    local targets=()
    local target
    for target in "$@"; do
        targets+=(--target "$target")
    done
    cmake --build "$windows_app" -j "$(jobs)" "${targets[@]}"
}

# The folder a Windows user runs the program from: the programs, Qt's libraries and
# plugins and the MinGW runtime, nothing else. Sets windows_folder.
install_windows_folder() {
    windows_folder="$windows_build/TalonSendPLU"
    rm -rf "$windows_folder"
    cmake --install "$windows_app" --prefix "$windows_folder" >"$windows_build/install.log" 2>&1 ||
        { cat "$windows_build/install.log"; return 1; }
}

# Where the programs of the build folder find the libraries they link, for Wine.
windows_library_path() {
    local dirs=("$windows_qt/bin" "${windows_libraries[@]/%//bin}" "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
                "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
    local dir joined=""
    for dir in "${dirs[@]}"; do
        joined+="${joined:+;}$(WINEDEBUG=-all "$wine" winepath -w "$dir" 2>/dev/null)"
    done
    echo "$joined"
}

wine="$(first_found wine64 /usr/lib/wine/wine64)"
wineserver="$(first_found wineserver /usr/lib/wine/wineserver)"
export WINEPREFIX="$windows_build/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no .NET or browser engine to install

# Starts the emulator on a pseudo-terminal that the link leads to, its output in files of
# the name given. Sets served_pid and served_device (its pseudo-terminal).
serve_line() { # the emulator, the link, the name of its output files, then options for it
    local emulator="$1" line="$2" name="$3"
    shift 3
    rm -f "$line"
    "$emulator" --link "$line" "$@" >"$windows_build/$name.out" 2>"$windows_build/$name.err" &
    served_pid=$!
    local _
    for _ in $(seq 100); do # up to 10 s for the device line
        [ -s "$windows_build/$name.out" ] && break
        sleep 0.1
    done
    served_device="$(head -n 1 "$windows_build/$name.out")"
    [ -n "$served_device" ] ||
        { echo "the emulator did not start" >&2; cat "$windows_build/$name.err" >&2; return 1; }
}

# A Wine prefix whose COM1 and COM7 lead to the emulator's line, whose COM3 leads to a
# second emulator's (a register of its own, for the window's tills) and whose COM2 leads
# nowhere (a check of a port without a register; COM42 has no device at all), and the
# emulators serving those lines. Sets windows_device (COM1's pseudo-terminal), emulator_pid
# and second_emulator_pid; stop_wine_register ends them.
# Wine's mount manager remakes dosdevices/comN from the registry at each start, so the
# mapping goes there rather than into the links alone.
start_wine_register() { # the emulator, then options for it
    local emulator="$1"
    shift
    local line="$windows_build/com1-line"
    local second_line="$windows_build/com3-line"
    if [ ! -d "$WINEPREFIX" ]; then
        echo "Making the Wine prefix"
        "$wine" wineboot --init >/dev/null 2>&1
    fi
    local ports='HKLM\Software\Wine\Ports'
    "$wine" reg add "$ports" /v COM1 /t REG_SZ /d "$line" /f >/dev/null 2>&1
    "$wine" reg add "$ports" /v COM2 /t REG_SZ /d "$windows_build/no-line" /f >/dev/null 2>&1
    "$wine" reg add "$ports" /v COM3 /t REG_SZ /d "$second_line" /f >/dev/null 2>&1
    "$wine" reg add "$ports" /v COM7 /t REG_SZ /d "$line" /f >/dev/null 2>&1
    "$wineserver" -k 2>/dev/null || true # the next start reads the new mapping

    serve_line "$emulator" "$line" emulator "$@" || return 1
    emulator_pid=$served_pid
    windows_device="$served_device"
    serve_line "$emulator" "$second_line" second-emulator "$@" --ibfm TE000003 || return 1
    second_emulator_pid=$served_pid

    # One server and one set of Wine's own services for every program after this, started
    # here with their output elsewhere: services started by a test program would hold its
    # output pipe open, and ctest would wait for them.
    "$wineserver" -p30 >"$windows_build/wineserver.log" 2>&1
    "$wine" wineboot >/dev/null 2>&1
}

stop_wine_register() {
    local pid
    for pid in "${emulator_pid:-}" "${second_emulator_pid:-}"; do
        if [ -n "$pid" ]; then
            kill -CONT "$pid" 2>/dev/null || true # a check may have held it still
            kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true # ended by the signal
        fi
    done
    emulator_pid=""
    second_emulator_pid=""
    "$wineserver" -k 2>/dev/null || true
}

# A Linux emulator for the prefix's COM ports: the one given, or one built here.
# Sets windows_emulator.
linux_emulator() {
    windows_emulator="${1:-}"
    if [ -z "$windows_emulator" ]; then
        echo "Building the Linux emulator"
        cmake -S "$top" -B "$windows_build/linux" -DTALON_BUILD_UI=OFF -DTALON_BUILD_TESTS=OFF >/dev/null
        cmake --build "$windows_build/linux" -j "$(jobs)" --target talon-emulator >/dev/null
        windows_emulator="$windows_build/linux/emulator/talon-emulator"
    fi
}

# A Linux program the Windows checks use: the one built beside the emulator given, or one
# built here. Prints its path. Usage: linux_program TARGET PATH-IN-BUILD TESTS(ON|OFF)
linux_program() {
    local program
    program="$(dirname "$windows_emulator")/../$2"
    if [ ! -x "$program" ]; then
        echo "Building the Linux $1" >&2
        cmake -S "$top" -B "$windows_build/linux" -DTALON_BUILD_UI=OFF -DTALON_BUILD_TESTS="$3" >/dev/null || return 1
        cmake --build "$windows_build/linux" -j "$(jobs)" --target "$1" >/dev/null || return 1
        program="$windows_build/linux/$2"
    fi
    echo "$program"
}

# The Linux command line program, whose output the Windows one's must repeat. Sets linux_cli.
linux_command_line() {
    linux_cli="$(linux_program talonsendplu-cli cli/talonsendplu-cli OFF)"
}

# The tests' proxy that cuts a connection once, as a Linux program. Sets linux_drop_proxy.
linux_drop_proxy() {
    linux_drop_proxy="$(linux_program talon-drop-proxy tests/talon-drop-proxy ON)"
}

# The first line a program started in the background prints into a file, once it is
# there whole (up to 10 s), carriage return left out. Fails when none comes.
first_line_of() { # the file
    local _
    for _ in $(seq 100); do
        if [ "$(wc -l <"$1")" -ge 1 ]; then
            head -n 1 "$1" | tr -d '\r'
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# A virtual display for the programs that show their window. Sets DISPLAY and
# display_pid; stop_virtual_display ends it.
start_virtual_display() {
    local number
    for number in $(seq 90 99); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp >"$windows_build/xvfb.log" 2>&1 &
        display_pid=$!
        export DISPLAY=":$number"
        local _
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$number" ] && return 0
            sleep 0.1
        done
        echo "the virtual display did not start" >&2
        return 1
    done
    echo "no free display number" >&2
    return 1
}

# True once a window titled TalonSendPLU is on the virtual display (up to 30 s).
window_shown() {
    local _
    for _ in $(seq 60); do
        xwininfo -root -tree 2>/dev/null | grep -q '"TalonSendPLU' && return 0
        sleep 0.5
    done
    return 1
}

stop_virtual_display() {
    if [ -n "${display_pid:-}" ]; then
        kill "$display_pid" 2>/dev/null && wait "$display_pid" 2>/dev/null
        display_pid=""
    fi
}
