# Builds the Debian package into a temporary folder and checks its control data: the programs
# and the desktop files are in it and its dependencies name the libraries the programs link.
#
#   cmake -DCPACK=<cpack> -DBUILD_DIR=<build> -DOUT=<folder> -DWITH_GUI=ON|OFF -P check_package.cmake
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_SHLIBDEPS OR NOT DPKG_DEB)
    message("dpkg-shlibdeps or dpkg-deb not installed (Debian package dpkg-dev): skipped")
    return()
endif()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages ${OUT}/*.deb)
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack -G DEB failed:\n${output}")
endif()

execute_process(COMMAND ${DPKG_DEB} --field ${packages} Package Version Depends
    OUTPUT_VARIABLE fields RESULT_VARIABLE result)
execute_process(COMMAND ${DPKG_DEB} --contents ${packages} OUTPUT_VARIABLE contents)
message("${fields}")
set(expected_depends "libc6" "libstdc\\+\\+6")
set(expected_files "./usr/bin/kombora-cli" "./usr/share/doc/kombora/LICENSE-known-coverings")
if(WITH_GUI)
    list(APPEND expected_depends "libqt6widgets6" "libqt6network6" "qt6-qpa-plugins")
    list(APPEND expected_files "./usr/bin/kombora"
        "./usr/share/applications/org.kombora.Kombora.desktop"
        "./usr/share/icons/hicolor/48x48/apps/org.kombora.Kombora.png")
endif()
foreach(depend ${expected_depends})
    if(NOT fields MATCHES "Depends:[^\n]*${depend}")
        message(FATAL_ERROR "the package does not depend on ${depend}:\n${fields}")
    endif()
endforeach()
foreach(file ${expected_files})
    string(FIND "${contents}" "${file}" at)
    if(at LESS 0)
        message(FATAL_ERROR "the package lacks ${file}:\n${contents}")
    endif()
endforeach()
file(REMOVE_RECURSE ${OUT})
