# Helpers that register tests, benchmarks and fuzz targets the same way everywhere.

set(VEK_TEST_DATA_DIR ${PROJECT_SOURCE_DIR}/tests/data)
set(VEK_LSAN_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/tests/lsan.supp)

# Environment every test runs with: no display, no sound card, a private runtime directory.
set(VEK_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen"
    "ALSOFT_DRIVERS=null"
    "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime"
    "LSAN_OPTIONS=suppressions=${VEK_LSAN_SUPPRESSIONS}:print_suppressions=0"
    "ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "VEK_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    "VEK_GAME_DIR=${CMAKE_BINARY_DIR}/game"
)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# The libraries under test need coverage instrumentation too, or libFuzzer sees only the
# target's own few lines.
if(VEK_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# vek_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [LABELS l])
# One GoogleTest executable; every TEST in it is a CTest test of its own.
function(vek_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE VEK_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    include(GoogleTest)
    # Discovered tests cannot carry a list-valued ENVIRONMENT property (the discovery script
    # splits it), so every run, discovery included, goes through `cmake -E env` instead.
    set_target_properties(${name} PROPERTIES
        CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${VEK_TEST_ENVIRONMENT}")
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        PROPERTIES LABELS "${ARG_LABELS}"
        DISCOVERY_TIMEOUT 60)
endfunction()

# vek_add_bench(NAME SOURCES a.cpp LIBS lib1)
function(vek_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# vek_add_fuzz(NAME SOURCES target.cpp LIBS lib1)
# With VEK_FUZZ the target links libFuzzer; otherwise it becomes a replay program that runs the
# committed corpus in fuzz/corpus/NAME as a CTest test.
function(vek_add_fuzz name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    set(corpus ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
    if(VEK_FUZZ)
        add_executable(${name} ${ARG_SOURCES})
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    else()
        add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS})
        add_test(NAME fuzz_corpus.${name} COMMAND ${name} ${corpus})
        set_tests_properties(fuzz_corpus.${name} PROPERTIES
            ENVIRONMENT "${VEK_TEST_ENVIRONMENT}" LABELS fuzz)
    endif()
endfunction()
