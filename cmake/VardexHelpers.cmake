# Adds every immediate subdirectory of DIR that has its own CMakeLists.txt,
# so that areas of the tree can grow without touching a shared list.
function(vardex_add_subdirectories DIR)
    file(GLOB children RELATIVE ${DIR} ${DIR}/*)
    list(SORT children)
    foreach(child ${children})
        if(IS_DIRECTORY ${DIR}/${child} AND EXISTS ${DIR}/${child}/CMakeLists.txt)
            add_subdirectory(${DIR}/${child} ${CMAKE_CURRENT_BINARY_DIR}/${child})
        endif()
    endforeach()
endfunction()

# vardex_add_test(NAME <name> SOURCES <files...> [LIBS <libs...>] [ENV <k=v...>] [TIMEOUT <s>])
# A Qt Test executable run by CTest on the offscreen platform with a
# throw-away HOME, so no test touches the developer's own settings.
function(vardex_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES
        AUTOMOC ON AUTOUIC ON AUTORCC ON
        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests/bin)
    target_link_libraries(${T_NAME} PRIVATE Qt5::Test ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(home ${PROJECT_BINARY_DIR}/tests/home/${T_NAME})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_RUNTIME_DIR=${home}/run;VARDEX_TEST_HOME=${home};${T_ENV}")
    file(MAKE_DIRECTORY ${home}/run)
endfunction()
