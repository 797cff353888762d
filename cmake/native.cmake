# Native build: the core under AddressSanitizer and UBSan, its unit tests, the command-line tool and
# the fuzz targets. An optimised build (Release and the like) is built without sanitizers unless
# asked for, so its figures and warnings are those of the code; it alone builds the benchmarks,
# whose figures a sanitized build would not give.
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    set(GM_SANITIZE_DEFAULT OFF)
else()
    set(GM_SANITIZE_DEFAULT ON)
endif()
option(GM_SANITIZE "Build the native core and tests with ASan and UBSan" ${GM_SANITIZE_DEFAULT})
if(GM_SANITIZE)
    set(GM_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    gm_libraries_options(compile ${GM_SANITIZER_FLAGS})
    gm_libraries_options(link ${GM_SANITIZER_FLAGS})
    # Line tables are all a sanitizer's report needs; full debug information would cost a fifth of
    # the build's time for nothing the tests use.
    string(REPLACE "-g" "-g1" CMAKE_CXX_FLAGS_DEBUG "${CMAKE_CXX_FLAGS_DEBUG}")
endif()

find_package(GTest REQUIRED)

file(GLOB_RECURSE UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_compile_options(unit_tests PRIVATE ${PROJECT_WARNINGS})
target_link_libraries(unit_tests PRIVATE gm_core GTest::gtest_main)
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit ${CMAKE_SOURCE_DIR}/tests)
# One process for all unit tests: a process per test would start the sanitizer runtime 650 times,
# minutes of the test command for nothing.
add_test(NAME unit_tests COMMAND unit_tests --gtest_brief=1)

add_executable(mousecfg ${CLI_SOURCES})
target_compile_options(mousecfg PRIVATE ${PROJECT_WARNINGS})
target_link_libraries(mousecfg PRIVATE gm_core)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(GM_SANITIZE)
    set(BENCH_SOURCES)
endif()
foreach(bench_source ${BENCH_SOURCES})
    get_filename_component(bench_name ${bench_source} NAME_WE)
    add_executable(${bench_name} ${bench_source})
    target_compile_options(${bench_name} PRIVATE ${PROJECT_WARNINGS})
    # Benchmarks that leave the waits out pace with the recording pacer of the tests.
    target_include_directories(${bench_name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${bench_name} PRIVATE gm_core)
endforeach()

# Each fuzz target, built here without libFuzzer, runs over its seeds and a fixed series of generated
# inputs under the sanitizers (scripts/fuzz.sh builds the libFuzzer targets with clang).
file(GLOB FUZZ_TARGET_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_*.cpp)
foreach(fuzz_source ${FUZZ_TARGET_SOURCES})
    get_filename_component(fuzz_name ${fuzz_source} NAME_WE)
    add_executable(${fuzz_name}_replay ${fuzz_source} ${CMAKE_SOURCE_DIR}/tests/fuzz/replay_main.cpp
                                       ${CMAKE_SOURCE_DIR}/src/cli/config_summary.cpp)
    target_compile_options(${fuzz_name}_replay PRIVATE ${PROJECT_WARNINGS})
    target_include_directories(${fuzz_name}_replay PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/fuzz)
    target_link_libraries(${fuzz_name}_replay PRIVATE gm_core)
    set(fuzz_seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/seeds/${fuzz_name})
    if(IS_DIRECTORY ${fuzz_seeds})
        add_test(NAME fuzz.${fuzz_name} COMMAND ${fuzz_name}_replay 1000 ${fuzz_seeds})
    else()
        add_test(NAME fuzz.${fuzz_name} COMMAND ${fuzz_name}_replay 1000)
    endif()
endforeach()

file(GLOB_RECURSE CLI_TEST_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/cli/*.sh)
foreach(cli_test ${CLI_TEST_SCRIPTS})
    get_filename_component(cli_test_name ${cli_test} NAME_WE)
    add_test(NAME cli.${cli_test_name} COMMAND bash ${cli_test} $<TARGET_FILE:mousecfg>)
endforeach()

add_test(NAME layers.check COMMAND bash ${CMAKE_SOURCE_DIR}/tests/layers/check_layers.test.sh
                                    ${CMAKE_SOURCE_DIR}/scripts/check_layers.py)
add_test(NAME skins.check COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/skins/check_skins.py)
add_test(NAME packaging.factory_files COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/packaging/test_make_factory_config.py)
