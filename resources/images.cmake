# The tool's pictures are drawn at build time by tools/imagegen from the list
# in resources/imagesrc/image-list.txt and embedded under ":/images/...".
# rcc is run directly: AUTORCC does not see files that do not exist yet.
set(VARDEX_IMAGE_LIST ${VARDEX_ROOT}/resources/imagesrc/image-list.txt)
set(VARDEX_IMAGE_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated-images)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VARDEX_IMAGE_LIST})

file(STRINGS ${VARDEX_IMAGE_LIST} _vardex_image_lines REGEX "^[^#]")
set(_vardex_image_outputs "")
set(_vardex_image_qrc "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n")
foreach(_line ${_vardex_image_lines})
    string(REGEX MATCH "^[^ \t]+" _path "${_line}")
    if(_path)
        list(APPEND _vardex_image_outputs ${VARDEX_IMAGE_DIR}/${_path})
        string(APPEND _vardex_image_qrc "    <file>${_path}</file>\n")
    endif()
endforeach()
string(APPEND _vardex_image_qrc "</qresource>\n</RCC>\n")
# Rewritten only when the list changes, so an unchanged tree does not re-run rcc.
file(CONFIGURE OUTPUT ${VARDEX_IMAGE_DIR}/vardex_images.qrc CONTENT "${_vardex_image_qrc}" @ONLY)

add_custom_command(
    OUTPUT ${_vardex_image_outputs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${VARDEX_TOOL_ENV}
            $<TARGET_FILE:vardex-imagegen> ${VARDEX_IMAGE_LIST} ${VARDEX_IMAGE_DIR}
    DEPENDS vardex-imagegen ${VARDEX_IMAGE_LIST}
    COMMENT "Drawing the tool's pictures"
    VERBATIM)

get_target_property(_vardex_rcc Qt5::rcc IMPORTED_LOCATION)
add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/qrc_vardex_images.cpp
    COMMAND ${_vardex_rcc} --name vardex_images
            -o ${CMAKE_CURRENT_BINARY_DIR}/qrc_vardex_images.cpp
            ${VARDEX_IMAGE_DIR}/vardex_images.qrc
    DEPENDS ${_vardex_image_outputs} ${VARDEX_IMAGE_DIR}/vardex_images.qrc
    COMMENT "Embedding the tool's pictures"
    VERBATIM)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/qrc_vardex_images.cpp PROPERTIES
    GENERATED TRUE SKIP_AUTOGEN TRUE)
list(APPEND VARDEX_GENERATED_SOURCES ${CMAKE_CURRENT_BINARY_DIR}/qrc_vardex_images.cpp)
