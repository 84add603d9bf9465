# One GoogleTest executable per test file group, registered with CTest. In the
# Windows build the same line runs it under Wine, through the emulator.
if(CMAKE_CROSSCOMPILING)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Test code is checked, not timed: unoptimised, GoogleTest compiles in
    # half the time. What the tests exercise is built as it is released.
    target_compile_options(gtest PRIVATE -O0)
    target_compile_options(gtest_main PRIVATE -O0)

    # Wine's own programs live in its library folder, not on PATH.
    find_program(WINE64 wine64 HINTS /usr/lib/wine /usr/lib64/wine REQUIRED)
    find_program(WINESERVER wineserver HINTS /usr/lib/wine /usr/lib64/wine REQUIRED)
    find_file(GENSEN_MARLETT marlett.ttf PATHS /usr/share/wine/fonts NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    set(GENSEN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    foreach(script wine-run with-wine-display)
        configure_file(${PROJECT_SOURCE_DIR}/cmake/${script}.in ${CMAKE_BINARY_DIR}/${script}
                       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                        WORLD_READ WORLD_EXECUTE
                       @ONLY)
    endforeach()
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
    set(GENSEN_TEST_SUFFIX "-wine")
else()
    find_package(GTest REQUIRED)
    set(GENSEN_TEST_SUFFIX "")
endif()

function(gensen_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_compile_options(${name} PRIVATE -O0)
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
    add_test(NAME ${name}${GENSEN_TEST_SUFFIX} COMMAND ${name})
    # A hang fails its test rather than stalling the run.
    set_tests_properties(${name}${GENSEN_TEST_SUFFIX} PROPERTIES TIMEOUT 300)
endfunction()
