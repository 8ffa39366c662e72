# The udev rules that give the logged-in user access to the keyboards are
# generated from the device table at build time, by a small program built
# from the same source file as the library's table.
add_executable(vardex-udev-rules-gen ${CMAKE_CURRENT_LIST_DIR}/deviceTable.cpp)
target_compile_definitions(vardex-udev-rules-gen PRIVATE VARDEX_UDEV_RULES_GENERATOR)
set_target_properties(vardex-udev-rules-gen PROPERTIES
    AUTOMOC OFF AUTOUIC OFF AUTORCC OFF
    RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tools/bin)

set(VARDEX_UDEV_RULES_FILE ${PROJECT_BINARY_DIR}/share/udev/60-vardex-keyboard.rules
    CACHE INTERNAL "Generated udev rules of the supported keyboards")
add_custom_command(
    OUTPUT ${VARDEX_UDEV_RULES_FILE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/share/udev
    COMMAND ${CMAKE_COMMAND} -E env ${VARDEX_TOOL_ENV} $<TARGET_FILE:vardex-udev-rules-gen> ${VARDEX_UDEV_RULES_FILE}
    DEPENDS vardex-udev-rules-gen
    COMMENT "Generating 60-vardex-keyboard.rules from the device table"
    VERBATIM)
add_custom_target(vardex_udev_rules ALL DEPENDS ${VARDEX_UDEV_RULES_FILE})
install(FILES ${VARDEX_UDEV_RULES_FILE} DESTINATION lib/udev/rules.d)
