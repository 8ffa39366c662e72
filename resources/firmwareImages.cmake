# The firmware images the tool offers to keyboards, written at build time by
# tools/fwimagegen and embedded under ":/images/UpdateFirmwareFile/".
set(VARDEX_FW_IMAGE_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated-firmware)
set(VARDEX_FW_IMAGES ${VARDEX_FW_IMAGE_DIR}/Torvi.bin ${VARDEX_FW_IMAGE_DIR}/Quendo.ufw)
file(CONFIGURE OUTPUT ${VARDEX_FW_IMAGE_DIR}/vardex_firmware.qrc CONTENT
"<!DOCTYPE RCC><RCC version=\"1.0\">
<qresource prefix=\"/images/UpdateFirmwareFile\">
    <file>Torvi.bin</file>
    <file>Quendo.ufw</file>
</qresource>
</RCC>
" @ONLY)
add_custom_command(
    OUTPUT ${VARDEX_FW_IMAGES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VARDEX_FW_IMAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E env ${VARDEX_TOOL_ENV} $<TARGET_FILE:vardex-fwimagegen> ${VARDEX_FW_IMAGE_DIR}
    DEPENDS vardex-fwimagegen
    COMMENT "Writing the embedded firmware images"
    VERBATIM)
get_target_property(_vardex_fw_rcc Qt5::rcc IMPORTED_LOCATION)
add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/qrc_vardex_firmware.cpp
    COMMAND ${_vardex_fw_rcc} --name vardex_firmware --no-compress
            -o ${CMAKE_CURRENT_BINARY_DIR}/qrc_vardex_firmware.cpp
            ${VARDEX_FW_IMAGE_DIR}/vardex_firmware.qrc
    DEPENDS ${VARDEX_FW_IMAGES} ${VARDEX_FW_IMAGE_DIR}/vardex_firmware.qrc
    COMMENT "Embedding the firmware images"
    VERBATIM)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/qrc_vardex_firmware.cpp PROPERTIES
    GENERATED TRUE SKIP_AUTOGEN TRUE)
list(APPEND VARDEX_GENERATED_SOURCES ${CMAKE_CURRENT_BINARY_DIR}/qrc_vardex_firmware.cpp)
