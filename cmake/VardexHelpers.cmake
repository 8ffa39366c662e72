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

# vardex_test_timeout(<seconds> <out var>)
# A test's bound, which only ends a hang. The same work runs several times
# slower under a sanitizer, so there the bound is scaled; every test, however
# it is added, takes its bound from here.
function(vardex_test_timeout SECONDS OUT)
    set(t ${SECONDS})
    if(VARDEX_ASAN OR VARDEX_TSAN)
        math(EXPR t "${t} * 4")
    endif()
    set(${OUT} ${t} PARENT_SCOPE)
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
    vardex_test_timeout(${T_TIMEOUT} T_TIMEOUT)
    # Tests write beside their HOME (simulator logs), so it exists up front.
    file(MAKE_DIRECTORY ${home})
    vardex_test_runtime_dir(${T_NAME} run)
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        FIXTURES_REQUIRED vardex_runtime
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_RUNTIME_DIR=${run};VARDEX_TEST_HOME=${home};${T_ENV}")
endfunction()

# vardex_test_runtime_dir(<test name> <out var>)
# A test's XDG_RUNTIME_DIR. Sockets are made there, and a socket path must
# fit 107 bytes whatever the depth of the checkout, so the folder lives in
# /tmp under a fingerprint of this build tree (two trees never share one).
# Made now and again by the vardex_runtime fixture, as /tmp may be emptied;
# a test using it asks for that fixture (FIXTURES_REQUIRED vardex_runtime).
function(vardex_test_runtime_dir NAME OUT)
    string(SHA1 tree "${PROJECT_BINARY_DIR}")
    string(SUBSTRING "${tree}" 0 12 tree)
    set(dir "/tmp/vardex-tests-${tree}/${NAME}")
    file(MAKE_DIRECTORY ${dir})
    set_property(GLOBAL APPEND PROPERTY VARDEX_TEST_RUNTIME_DIRS ${dir})
    set(${OUT} ${dir} PARENT_SCOPE)
endfunction()
