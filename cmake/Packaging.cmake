# The packages users install, made by CPack from the install rules: on Linux a Debian
# package, for Windows a setup program (NSIS) and a zip of the same folder. The version is
# the project's.
set(TALON_PACKAGE_CONTACT "TalonSendPLU developers <maintainers@users.noreply.c-seed-501af90a.example>")

set(CPACK_PACKAGE_NAME TalonSendPLU)
set(CPACK_PACKAGE_VENDOR "TalonSendPLU developers")
set(CPACK_PACKAGE_CONTACT "${TALON_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programs the articles (PLU) of a Talon cash register")
# In lines of at most 80 characters, as Debian shows them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "TalonSendPLU programs the article database (PLU) of a Talon fiscal cash\n"
    "register over a serial line: names, barcodes, prices, tax rates and\n"
    "departments from a Unicode text file. It reads the articles back, erases\n"
    "and edits them, and shows the register's status.\n"
    "It comes as a window program, a command line program for scripts, and an\n"
    "emulator of the register to try it without hardware.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/docs/copyright)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR}/dist)
# Per-generator file names ("-setup" for the installer).
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageFileNames.cmake)

if(WIN32)
    # CPack installs what is built; it need not build the tests first (nor does "install").
    set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
    set(CPACK_GENERATOR "NSIS;ZIP")
    set(CPACK_PACKAGE_FILE_NAME "TalonSendPLU-${PROJECT_VERSION}-win64")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY TalonSendPLU)
    # The key under ...\CurrentVersion\Uninstall that "Apps and features" lists.
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY TalonSendPLU)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME TalonSendPLU)
    set(CPACK_NSIS_DISPLAY_NAME TalonSendPLU)
    # The programs are at the folder's root, not in bin.
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_PACKAGE_EXECUTABLES talonsendplu TalonSendPLU)
    # The user guide beside the program in the Start menu (Documents.cmake installs it).
    set(CPACK_NSIS_MENU_LINKS Uputstvo.html Uputstvo)
    set(CPACK_NSIS_INSTALLED_ICON_NAME talonsendplu.exe)
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_MODIFY_PATH OFF)
    # A 64-bit installer: its registry keys and Program Files are the 64-bit ones. Its
    # uninstaller also removes the vendor's key, which CPack's template leaves behind empty.
    string(CONCAT CPACK_NSIS_DEFINES "Target amd64-unicode\n"
        "Function un.onUninstSuccess\n"
        "  DeleteRegKey /ifempty SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}'\n"
        "FunctionEnd")
    set(CPACK_NSIS_CONTACT "${TALON_PACKAGE_CONTACT}")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME talonsendplu)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
    # Directories as Debian wants them, whatever the builder's umask.
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

include(CPack)
