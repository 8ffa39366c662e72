# Interface translations: translations/<area>/<Language key>.ts, all areas of a
# language released together into bin/translation/<key>.qm (beside the
# executable, where the program looks for them, and installed the same way).
file(GLOB VARDEX_TS_FILES CONFIGURE_DEPENDS ${VARDEX_ROOT}/translations/*/*.ts)
set(VARDEX_TRANSLATION_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translation)
get_target_property(_vardex_lrelease Qt5::lrelease IMPORTED_LOCATION)
set(_vardex_languages "")
foreach(_ts ${VARDEX_TS_FILES})
    get_filename_component(_lang ${_ts} NAME_WE)
    list(APPEND _vardex_languages ${_lang})
    list(APPEND _vardex_ts_of_${_lang} ${_ts})
endforeach()
list(REMOVE_DUPLICATES _vardex_languages)
set(VARDEX_QM_FILES "")
foreach(_lang ${_vardex_languages})
    set(_qm ${VARDEX_TRANSLATION_DIR}/${_lang}.qm)
    add_custom_command(
        OUTPUT ${_qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VARDEX_TRANSLATION_DIR}
        COMMAND ${_vardex_lrelease} -silent ${_vardex_ts_of_${_lang}} -qm ${_qm}
        DEPENDS ${_vardex_ts_of_${_lang}}
        COMMENT "Releasing ${_lang}.qm"
        VERBATIM)
    list(APPEND VARDEX_QM_FILES ${_qm})
endforeach()
add_custom_target(vardex_translations ALL DEPENDS ${VARDEX_QM_FILES})
list(APPEND VARDEX_RUNTIME_TARGETS vardex_translations)
install(FILES ${VARDEX_QM_FILES} DESTINATION ${VARDEX_INSTALL_DIR}/translation)
