# The release package: one folder with gensen.exe, the guide as a page and a
# readme, zipped reproducibly, with its SHA-256 beside it.
execute_process(COMMAND ${Python3_EXECUTABLE} -c "import markdown" RESULT_VARIABLE no_markdown OUTPUT_QUIET ERROR_QUIET)
if(no_markdown)
    message(FATAL_ERROR "The package's guide is rendered by Python-Markdown: apt-get install python3-markdown")
endif()

# The files in the ZIP carry the last commit's time, not the build's.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(package_epoch $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE package_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT package_epoch)
        message(STATUS "No commit to date the package by: its files are dated 1980-01-01")
        set(package_epoch 0)
    endif()
endif()

# The guide's appendix is printed from the program's own tables by a program
# of the build machine, so the page and the exe cannot disagree.
find_program(GENSEN_HOST_CXX NAMES c++ g++ REQUIRED)
set(appendix_tool ${CMAKE_BINARY_DIR}/tables_appendix)
set(appendix_html ${CMAKE_BINARY_DIR}/tables_appendix.html)
set(appendix_sources ${PROJECT_SOURCE_DIR}/docs/tables_appendix.cpp
    ${PROJECT_SOURCE_DIR}/insurance/bonus_premium_rates.h ${PROJECT_SOURCE_DIR}/insurance/employment_brackets.h
    ${PROJECT_SOURCE_DIR}/tax/bonus_rate_tables.h ${PROJECT_SOURCE_DIR}/tax/kou_monthly_table.h
    ${PROJECT_SOURCE_DIR}/tax/otsu_monthly_table.h)
add_custom_command(
    OUTPUT ${appendix_html}
    COMMAND ${GENSEN_HOST_CXX} -std=c++20 -Wall -Wextra -I${PROJECT_SOURCE_DIR}
            ${PROJECT_SOURCE_DIR}/docs/tables_appendix.cpp -o ${appendix_tool}
    COMMAND ${appendix_tool} ${appendix_html}
    DEPENDS ${appendix_sources}
    COMMENT "Printing the guide's appendix from the program's tables")

set(package_dir ${CMAKE_BINARY_DIR}/package)
set(package_zip ${package_dir}/gensen-${PROJECT_VERSION}-win64.zip)
add_custom_command(
    OUTPUT ${package_zip} ${package_zip}.sha256
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/make_package.py $<TARGET_FILE:gensen>
            ${PROJECT_SOURCE_DIR}/docs/guide.md ${appendix_html} ${PROJECT_SOURCE_DIR}/docs/readme.txt
            ${PROJECT_VERSION} ${package_epoch} ${package_dir}
    DEPENDS gensen ${PROJECT_SOURCE_DIR}/cmake/make_package.py ${PROJECT_SOURCE_DIR}/docs/guide.md ${appendix_html}
            ${PROJECT_SOURCE_DIR}/docs/images/window.png ${PROJECT_SOURCE_DIR}/docs/readme.txt
    COMMENT "Packaging gensen-${PROJECT_VERSION}-win64.zip")
add_custom_target(package_zip ALL DEPENDS ${package_zip})
