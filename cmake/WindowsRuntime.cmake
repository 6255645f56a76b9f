# What the programs need beside them on a Windows with nothing installed: the Qt libraries
# the window links (shared, so a user may put in a Qt of their own), its platform plugin
# and the Windows style, and the MinGW runtime libraries that Qt and the programs share.
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
endfunction()
