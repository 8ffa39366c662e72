# Interface translations: translations/<Language key>.ts -> bin/translation/<key>.qm
# (beside the executable, where the program looks for them, and installed the same way).
file(GLOB VARDEX_TS_FILES CONFIGURE_DEPENDS ${VARDEX_ROOT}/translations/*.ts)
set(VARDEX_TRANSLATION_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translation)
set_source_files_properties(${VARDEX_TS_FILES} PROPERTIES OUTPUT_LOCATION ${VARDEX_TRANSLATION_DIR})
qt5_add_translation(VARDEX_QM_FILES ${VARDEX_TS_FILES})
add_custom_target(vardex_translations ALL DEPENDS ${VARDEX_QM_FILES})
list(APPEND VARDEX_RUNTIME_TARGETS vardex_translations)
install(FILES ${VARDEX_QM_FILES} DESTINATION ${VARDEX_INSTALL_DIR}/translation)
