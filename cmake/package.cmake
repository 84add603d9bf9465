# The release package: gensen.exe and the guide as a text file that Notepad
# reads right (UTF-8 with a byte-order mark, CRLF line ends).
set(guide_text ${CMAKE_BINARY_DIR}/guide-ja.txt)
add_custom_command(
    OUTPUT ${guide_text}
    COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/docs/guide.md -DOUT=${guide_text}
            -P ${PROJECT_SOURCE_DIR}/cmake/guide_text.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide.md ${PROJECT_SOURCE_DIR}/cmake/guide_text.cmake
    COMMENT "Writing the guide as a Windows text file")
add_custom_target(guide_text ALL DEPENDS ${guide_text})

install(TARGETS gensen RUNTIME DESTINATION .)
install(FILES ${guide_text} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME gensen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
