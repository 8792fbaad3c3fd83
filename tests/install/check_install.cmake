# Installs the build into a fresh temporary prefix and checks the result: the installed
# kombora-cli runs from there, every file a desktop needs is in place, and the desktop entry
# and the AppStream metainfo pass their validators where those are installed.
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> [-DWITH_GUI=ON] -P check_install.cmake
foreach(var BUILD_DIR PREFIX)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(cli ${PREFIX}/bin/kombora-cli${CMAKE_EXECUTABLE_SUFFIX})
if(NOT EXISTS ${cli})
    message(FATAL_ERROR "not installed: ${cli}")
endif()
# Run from a folder outside the build, so that nothing of the build tree is found by chance.
execute_process(COMMAND ${cli} --data-dir ${PREFIX}/data summary WORKING_DIRECTORY ${PREFIX}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "built-in 519")
    message(FATAL_ERROR "installed kombora-cli summary failed (${result}):\n${output}${errors}")
endif()

set(expected share/doc/kombora/README.md share/doc/kombora/LICENSE-known-coverings)
if(WITH_GUI)
    list(APPEND expected
        bin/kombora
        share/kombora/help/1010.html
        share/applications/org.kombora.Kombora.desktop
        share/metainfo/org.kombora.Kombora.metainfo.xml
        share/icons/hicolor/scalable/apps/org.kombora.Kombora.svg)
    foreach(size 16 32 48 64 128 256)
        list(APPEND expected share/icons/hicolor/${size}x${size}/apps/org.kombora.Kombora.png)
    endforeach()
endif()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

if(WITH_GUI)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(DESKTOP_FILE_VALIDATE)
        execute_process(COMMAND ${DESKTOP_FILE_VALIDATE}
            ${PREFIX}/share/applications/org.kombora.Kombora.desktop
            RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(NOT result EQUAL 0 OR output MATCHES "error")
            message(FATAL_ERROR "desktop-file-validate:\n${output}")
        endif()
    else()
        message(STATUS "desktop-file-validate not installed: desktop entry not validated")
    endif()
    find_program(APPSTREAMCLI appstreamcli)
    if(APPSTREAMCLI)
        execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
            ${PREFIX}/share/metainfo/org.kombora.Kombora.metainfo.xml
            RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "appstreamcli validate:\n${output}")
        endif()
    else()
        message(STATUS "appstreamcli not installed: metainfo not validated")
    endif()
endif()
file(REMOVE_RECURSE ${PREFIX})
