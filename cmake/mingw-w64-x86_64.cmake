# Cross build for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and std::mutex need). Programs link their runtime statically, so they run
# without any MinGW library beside them; with TALON_MINGW_SHARED_RUNTIME they share the
# runtime DLLs with the Qt libraries they use, so only one C++ runtime is loaded.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALON_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TALON_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALON_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TALON_MINGW_TRIPLET}-windres)

# TALON_WINDOWS_QT: the prefix of Qt built for Windows; TALON_WINDOWS_PREFIXES: those of
# the other libraries built for Windows (both by scripts/build-qt-windows).
set(CMAKE_FIND_ROOT_PATH /usr/${TALON_MINGW_TRIPLET} ${TALON_WINDOWS_QT} ${TALON_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT TALON_MINGW_SHARED_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
