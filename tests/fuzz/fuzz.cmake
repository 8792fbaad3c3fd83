# Included by tests/CMakeLists.txt: builds tests/fuzz/ with clang++ as a project of its own
# (the main build may use another compiler) and adds one ctest entry per fuzz target, which
# runs it for KOMBORA_FUZZ_SECONDS on its seed corpus and its regression cases. Without a
# clang++ that links libFuzzer the targets are skipped with a note.
option(KOMBORA_FUZZ "Build the libFuzzer targets with clang++ and run each for a bounded time" ON)
set(KOMBORA_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs in the test suite")

if(KOMBORA_FUZZ)
    find_program(KOMBORA_CLANGXX NAMES clang++ clang++-16 clang++-15 clang++-14)
    set(probe_dir ${CMAKE_BINARY_DIR}/fuzz-probe)
    set(fuzz_ok FALSE)
    if(KOMBORA_CLANGXX)
        file(WRITE ${probe_dir}/probe.cpp
             "#include <cstddef>\n#include <cstdint>\n"
             "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, std::size_t) { return 0; }\n")
        execute_process(
            COMMAND ${KOMBORA_CLANGXX} -fsanitize=fuzzer,address,undefined probe.cpp -o probe
            WORKING_DIRECTORY ${probe_dir} RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
        if(probe_result EQUAL 0)
            set(fuzz_ok TRUE)
        endif()
    endif()
    if(NOT fuzz_ok)
        message(STATUS "Fuzz targets skipped: no clang++ that links libFuzzer with sanitizers")
    endif()
endif()

if(KOMBORA_FUZZ AND fuzz_ok)
    include(ExternalProject)
    set(fuzz_source ${PROJECT_SOURCE_DIR}/tests/fuzz)
    set(fuzz_binary ${CMAKE_BINARY_DIR}/fuzz)
    file(GLOB fuzz_targets CONFIGURE_DEPENDS ${fuzz_source}/fuzz_*.cpp)
    set(byproducts)
    foreach(source ${fuzz_targets})
        get_filename_component(name ${source} NAME_WE)
        list(APPEND byproducts ${fuzz_binary}/${name})
    endforeach()
    set(launcher)
    if(CMAKE_CXX_COMPILER_LAUNCHER)
        set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
    endif()
    ExternalProject_Add(kombora_fuzzers
        SOURCE_DIR ${fuzz_source}
        BINARY_DIR ${fuzz_binary}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${KOMBORA_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
                   -DKOMBORA_SOURCE_DIR=${PROJECT_SOURCE_DIR} ${launcher}
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${byproducts})

    foreach(source ${fuzz_targets})
        get_filename_component(name ${source} NAME_WE)
        string(REGEX REPLACE "^fuzz_" "" target ${name})
        # New inputs go to a corpus in the build tree; the seeds and regression cases in the
        # repository are only read.
        set(work ${fuzz_binary}/work/${target})
        file(MAKE_DIRECTORY ${work}/corpus ${work}/artifacts)
        file(MAKE_DIRECTORY ${fuzz_source}/corpus/${target} ${fuzz_source}/regressions/${target})
        add_test(NAME fuzz_${target}
                 COMMAND ${fuzz_binary}/${name} -max_total_time=${KOMBORA_FUZZ_SECONDS}
                         -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
                         -artifact_prefix=${work}/artifacts/
                         ${work}/corpus ${fuzz_source}/corpus/${target}
                         ${fuzz_source}/regressions/${target})
        math(EXPR fuzz_timeout "${KOMBORA_FUZZ_SECONDS} + 120")
        set_tests_properties(fuzz_${target} PROPERTIES LABELS fuzz TIMEOUT ${fuzz_timeout})
    endforeach()
endif()
