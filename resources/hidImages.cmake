# Keyboard pictures beside the executable (images/hidImages/Keyboard_<model>.png),
# rendered at build time from the layout files.
file(GLOB VARDEX_LAYOUT_FILES CONFIGURE_DEPENDS ${VARDEX_ROOT}/resources/configDir/KeyInfo_*.config)
list(SORT VARDEX_LAYOUT_FILES)
set(VARDEX_HID_IMAGE_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/images/hidImages)
set(VARDEX_HID_IMAGES "")
foreach(layout ${VARDEX_LAYOUT_FILES})
    get_filename_component(base ${layout} NAME_WE)
    string(REPLACE "KeyInfo_" "" model ${base})
    list(APPEND VARDEX_HID_IMAGES ${VARDEX_HID_IMAGE_DIR}/Keyboard_${model}.png)
endforeach()
add_custom_command(
    OUTPUT ${VARDEX_HID_IMAGES}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${VARDEX_TOOL_ENV}
            $<TARGET_FILE:vardex_kbdpictures> ${VARDEX_HID_IMAGE_DIR} ${VARDEX_LAYOUT_FILES}
    DEPENDS vardex_kbdpictures ${VARDEX_LAYOUT_FILES}
    COMMENT "Rendering keyboard pictures"
    VERBATIM)
add_custom_target(vardex_hid_images ALL DEPENDS ${VARDEX_HID_IMAGES})
list(APPEND VARDEX_RUNTIME_TARGETS vardex_hid_images)
install(FILES ${VARDEX_HID_IMAGES} DESTINATION ${VARDEX_INSTALL_DIR}/images/hidImages)
