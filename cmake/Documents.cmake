# What a user reads beside the programs: the user guide (Uputstvo.html, made from
# docs/Uputstvo.md by pandoc, its pictures inside it) on both systems; on Linux also the
# manual pages and the package's documentation folder (README, copyright and changelog, as
# Debian wants them); on Windows the copyright notice, the licences of the bundled Qt and
# MinGW runtime being installed with them (WindowsRuntime.cmake).
find_program(PANDOC_PROGRAM pandoc)
if(PANDOC_PROGRAM)
    # Beside the window of the build tree, where F1 finds it.
    set(guide ${CMAKE_CURRENT_BINARY_DIR}/ui/Uputstvo.html)
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/ui)
    file(GLOB guide_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.png)
    add_custom_command(OUTPUT ${guide}
                       COMMAND ${PANDOC_PROGRAM} --from markdown --to html5 --standalone
                               --self-contained --toc --toc-depth=1
                               # the guide's one top heading becomes the page's title
                               --shift-heading-level-by=-1
                               --metadata=lang:sr-Latn --metadata=toc-title:Sadržaj
                               --resource-path=${PROJECT_SOURCE_DIR}/docs
                               --css=${PROJECT_SOURCE_DIR}/docs/Uputstvo.css --variable=document-css
                               --output ${guide} ${PROJECT_SOURCE_DIR}/docs/Uputstvo.md
                       DEPENDS ${PROJECT_SOURCE_DIR}/docs/Uputstvo.md
                               ${PROJECT_SOURCE_DIR}/docs/Uputstvo.css ${guide_pictures}
                       VERBATIM)
    add_custom_target(talon_user_guide ALL DEPENDS ${guide})
    # A build of the window alone (the packages') has its guide too.
    if(TARGET talonsendplu)
        add_dependencies(talonsendplu talon_user_guide)
    endif()
    install(FILES ${guide} DESTINATION ${TALON_DOC_DIR})
else()
    message(STATUS "pandoc not found: the user guide (Uputstvo.html) is not built")
endif()

# The examples the guide refers to: a price list and the nightly jobs.
install(FILES examples/artikli-primer.xlsx examples/artikli-primer.txt examples/nocna-cene.cmd
              examples/talonsendplu-cene.service examples/talonsendplu-cene.timer
        DESTINATION ${TALON_DOC_DIR}/examples)

if(WIN32)
    install(FILES docs/copyright DESTINATION ${TALON_DOC_DIR} RENAME COPYRIGHT.txt)
    return()
endif()

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
