# What the programs need beside them on a Windows with nothing installed: the Qt libraries
# the window links (shared, so a user may put in a Qt of their own), its platform plugin
# and the Windows style, the other libraries built for Windows (TALON_WINDOWS_PREFIXES:
# zlib, minizip, libzip, expat, libxlsxwriter) with their licences, and the MinGW runtime
# libraries that Qt and the programs share.
function(talon_install_windows_runtime)
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
            DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
    foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        # A tool chain that keeps its DLLs elsewhere (MSYS2's bin) leaves them to the user.
        if(IS_ABSOLUTE "${found}" AND EXISTS "${found}")
            install(FILES ${found} DESTINATION ${CMAKE_INSTALL_BINDIR})
        else()
            message(WARNING "${library} not found: the installed folder will lack it")
        endif()
    endforeach()
    # Every DLL of the other libraries' prefixes, and the licence texts that
    # scripts/build-qt-windows put beside them.
    set(prefix_libraries)
    foreach(prefix ${TALON_WINDOWS_PREFIXES})
        file(GLOB dlls ${prefix}/bin/*.dll)
        file(GLOB texts ${prefix}/share/licences/*.txt)
        install(FILES ${dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(FILES ${texts} DESTINATION ${CMAKE_INSTALL_BINDIR}/licences)
        foreach(dll ${dlls})
            get_filename_component(name ${dll} NAME)
            list(APPEND prefix_libraries ${name})
        endforeach()
    endforeach()
    # The libraries as built keep their symbols and debugging sections (libstdc++-6.dll is
    # 23 MB with them); a stripping install (cpack, cmake --install --strip) strips them as
    # it does the programs: a DLL's exports are in its export table, which stays.
    set(libraries Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll
        styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
        ${prefix_libraries})
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            foreach(library ${libraries})
                set(installed \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${library}\")
                if(EXISTS \"\${installed}\")
                    execute_process(COMMAND \"${CMAKE_STRIP}\" \"\${installed}\")
                endif()
            endforeach()
        endif()")
    # Their licences, as the Debian system that cross-builds them ships the texts: Qt under
    # the LGPL 3 (which builds on the GPL 3), the GCC runtime (libstdc++, libgcc_s) under
    # the GPL 3 with its runtime exception, libwinpthread under MinGW-w64's licences.
    set(licences
        /usr/share/common-licenses/LGPL-3 Qt-LGPL-3.txt
        /usr/share/common-licenses/GPL-3 GPL-3.txt
        /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright GCC-runtime.txt
        /usr/share/doc/mingw-w64-common/copyright MinGW-w64-runtime.txt)
    while(licences)
        list(POP_FRONT licences text name)
        if(EXISTS ${text})
            install(FILES ${text} DESTINATION ${CMAKE_INSTALL_BINDIR}/licences RENAME ${name})
        else()
            message(WARNING "${text} not found: the installed folder will lack ${name}")
        endif()
    endwhile()
endfunction()
