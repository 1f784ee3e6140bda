# The command-line tool runs on machines without a window system: neither it nor anything it
# loads may need Qt's GUI or widget libraries.
# cmake -DPROGRAM=<olma-cli> -P linkcheck.cmake
if(NOT PROGRAM)
    message(FATAL_ERROR "PROGRAM is required")
endif()

execute_process(COMMAND ldd "${PROGRAM}" OUTPUT_VARIABLE libraries ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "ldd ${PROGRAM} failed (${result}): ${errors}")
endif()
# A listing without Qt's core library would be no evidence of anything.
if(NOT libraries MATCHES "libQt6Core")
    message(FATAL_ERROR "${PROGRAM} does not load libQt6Core; ldd says:\n${libraries}")
endif()
foreach(forbidden IN ITEMS libQt6Gui libQt6Widgets libQt6OpenGL libQt6DBus libX11 libxcb libEGL libGL)
    if(libraries MATCHES "${forbidden}")
        message(FATAL_ERROR "${PROGRAM} loads ${forbidden}:\n${libraries}")
    endif()
endforeach()
message(STATUS "${PROGRAM} loads no GUI library")
