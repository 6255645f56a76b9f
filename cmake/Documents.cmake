# What a user reads beside the programs: on Linux the manual pages and the package's
# documentation folder (README, copyright and changelog, as Debian wants them); on Windows
# the README as text and the copyright notice, the licences of the bundled Qt and MinGW
# runtime being installed with them (WindowsRuntime.cmake).
if(WIN32)
    install(FILES README.md DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME README.txt)
    install(FILES docs/copyright DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME COPYRIGHT.txt)
    return()
endif()

set(TALON_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/talonsendplu)
set(compressed)
# gzip -n: no name or time stamp in the file, so that each build makes the same bytes.
macro(talon_gzip source output)
    add_custom_command(OUTPUT ${output}
                       COMMAND gzip -9nc ${source} > ${output}
                       DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${output})
endmacro()

set(man_pages talonsendplu-cli talon-emulator)
if(TALON_BUILD_UI)
    list(APPEND man_pages talonsendplu)
endif()
foreach(page ${man_pages})
    set(output ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.gz)
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/man)
    talon_gzip(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${output})
    install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The program is its own upstream, so the package's changelog names the version alone.
string(TIMESTAMP TALON_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/cmake/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
talon_gzip(${CMAKE_CURRENT_BINARY_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz README.md DESTINATION ${TALON_DOC_DIR})
install(FILES docs/copyright DESTINATION ${TALON_DOC_DIR})

add_custom_target(talon_documents ALL DEPENDS ${compressed})
