# Start-up from the command line, the way a user starts the program: the demo panel, the window,
# a picture of it, and a clean exit.
# cmake -DPROGRAM=<olma-configurator> -DPICTURE=<file.png> -P startupshot.cmake
foreach(var IN ITEMS PROGRAM PICTURE)
    if(NOT ${var})
        message(FATAL_ERROR "${var} is required")
    endif()
endforeach()

file(REMOVE "${PICTURE}")
execute_process(COMMAND "${PROGRAM}" --demo --quit-after 2 --screenshot "${PICTURE}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ended with ${result}:\n${output}${errors}")
endif()
# A model asking for a page that nobody registered warns; the window would show an empty page.
if("${output}${errors}" MATCHES "No page is registered")
    message(FATAL_ERROR "the window has pages missing:\n${output}${errors}")
endif()
if(NOT EXISTS "${PICTURE}")
    message(FATAL_ERROR "no picture was written:\n${output}${errors}")
endif()

# A PNG: the signature, then the IHDR chunk with the width and height (big-endian, 4 bytes each).
file(READ "${PICTURE}" head LIMIT 24 HEX)
string(SUBSTRING "${head}" 0 16 signature)
string(SUBSTRING "${head}" 24 8 chunk)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    message(FATAL_ERROR "${PICTURE} is not a PNG (starts with ${head})")
endif()
string(SUBSTRING "${head}" 32 8 widthHex)
string(SUBSTRING "${head}" 40 8 heightHex)
math(EXPR width "0x${widthHex}")
math(EXPR height "0x${heightHex}")
# The main window's smallest size is far above this; a tiny picture means an empty grab.
if(width LESS 400 OR height LESS 300)
    message(FATAL_ERROR "${PICTURE} is ${width}x${height}: not a picture of the window")
endif()
message(STATUS "${PICTURE}: ${width}x${height}")
