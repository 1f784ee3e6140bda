# olma_add_test(NAME <name> SOURCES <files...> [GUI] [LIBRARIES <libs...>] [LABELS <labels...>] [TIMEOUT <seconds>])
#
# One QtTest executable per behaviour area. Every test runs headless, in a private
# temporary folder (also its data and settings folder, so a default archive and the program's
# settings land there), with a time limit, and links the core library and the shared test
# support; GUI tests (widgets, pages, dialogs, the window) link the GUI library and its test
# support too.
function(olma_add_test)
    cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    if(NOT T_NAME)
        message(FATAL_ERROR "olma_add_test: NAME is required")
    endif()
    if(NOT T_SOURCES)
        message(FATAL_ERROR "olma_add_test(${T_NAME}): SOURCES is required")
    endif()
    if(T_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "olma_add_test(${T_NAME}): unknown arguments ${T_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()

    qt_add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests/bin")
    if(T_GUI)
        target_link_libraries(${T_NAME} PRIVATE olma-gui olma-testsupport-gui)
    endif()
    target_link_libraries(${T_NAME} PRIVATE olma-core olma-testsupport Qt6::Test ${T_LIBRARIES})
    add_dependencies(${T_NAME} olma-data)

    set(tmp "${CMAKE_BINARY_DIR}/tests/tmp/${T_NAME}")
    file(MAKE_DIRECTORY "${tmp}")
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY "${tmp}")
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TMPDIR=${tmp};XDG_DATA_HOME=${tmp};XDG_CONFIG_HOME=${tmp};LC_ALL=C.UTF-8;OLMA_LANG=ru;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()
