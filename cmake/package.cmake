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

# Authenticode, when a certificate is given: where Smart App Control is on,
# Windows blocks an unsigned program outright. Without one the release stays
# unsigned. Each setting may come from the environment instead.
set(GENSEN_SIGN_PKCS12 "" CACHE FILEPATH "PKCS#12 file with the code-signing certificate and its key")
set(GENSEN_SIGN_PASSWORD_FILE "" CACHE FILEPATH "File holding the PKCS#12 file's password")
set(GENSEN_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 timestamping server, if any")
foreach(setting PKCS12 PASSWORD_FILE TIMESTAMP_URL)
    set(sign_${setting} "${GENSEN_SIGN_${setting}}")
    if(NOT sign_${setting})
        set(sign_${setting} "$ENV{GENSEN_SIGN_${setting}}")
    endif()
endforeach()
set(released_exe $<TARGET_FILE:gensen>)
if(sign_PKCS12)
    if(NOT sign_PASSWORD_FILE)
        message(FATAL_ERROR "GENSEN_SIGN_PKCS12 is set but GENSEN_SIGN_PASSWORD_FILE is not")
    endif()
    find_program(OSSLSIGNCODE osslsigncode REQUIRED)
    set(timestamp)
    if(sign_TIMESTAMP_URL)
        set(timestamp -ts ${sign_TIMESTAMP_URL})
    endif()
    set(released_exe ${CMAKE_BINARY_DIR}/signed/gensen.exe)
    add_custom_command(
        OUTPUT ${released_exe}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/signed
        COMMAND ${CMAKE_COMMAND} -E rm -f ${released_exe}
        COMMAND ${OSSLSIGNCODE} sign -pkcs12 ${sign_PKCS12} -readpass ${sign_PASSWORD_FILE}
                -h sha256 -n "gensen ${PROJECT_VERSION}" ${timestamp} -in $<TARGET_FILE:gensen> -out ${released_exe}
        DEPENDS gensen ${sign_PKCS12} ${sign_PASSWORD_FILE}
        COMMENT "Signing gensen.exe with ${sign_PKCS12}"
        VERBATIM)
    message(STATUS "The release's gensen.exe is signed with ${sign_PKCS12}")
endif()

set(package_dir ${CMAKE_BINARY_DIR}/package)
set(package_zip ${package_dir}/gensen-${PROJECT_VERSION}-win64.zip)
add_custom_command(
    OUTPUT ${package_zip} ${package_zip}.sha256
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/make_package.py ${released_exe}
            ${PROJECT_SOURCE_DIR}/docs/guide.md ${appendix_html} ${PROJECT_SOURCE_DIR}/docs/readme.txt
            ${PROJECT_VERSION} ${package_epoch} ${package_dir}
    DEPENDS gensen ${released_exe} ${PROJECT_SOURCE_DIR}/cmake/make_package.py ${PROJECT_SOURCE_DIR}/docs/guide.md ${appendix_html}
            ${PROJECT_SOURCE_DIR}/docs/images/window.png ${PROJECT_SOURCE_DIR}/docs/images/tip.png
            ${PROJECT_SOURCE_DIR}/docs/readme.txt
    COMMENT "Packaging gensen-${PROJECT_VERSION}-win64.zip")
add_custom_target(package_zip ALL DEPENDS ${package_zip})
