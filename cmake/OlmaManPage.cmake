# Writes a manual page from a program's own "--help", so the page never drifts from the program.
# cmake -DPROGRAM=<executable> -DNAME=<olma-cli> -DSUMMARY=<one line> -DVERSION=<x.y.z>
#       -DOUTPUT=<file.1> [-DSUBCOMMANDS=ON] -P OlmaManPage.cmake
# With SUBCOMMANDS, every "  <command> ..." line of the usage is asked for its own "--help" too.
foreach(var IN ITEMS PROGRAM NAME SUMMARY VERSION OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is required")
    endif()
endforeach()

set(ENV{QT_QPA_PLATFORM} offscreen)
# The page reads the same whatever language the building machine speaks: English, as manual
# pages are.
set(ENV{OLMA_LANG} en)
set(ENV{ASAN_OPTIONS} detect_leaks=0)

function(olma_help out)
    execute_process(COMMAND "${PROGRAM}" ${ARGN} --help
        OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR text STREQUAL "")
        message(FATAL_ERROR "${PROGRAM} ${ARGN} --help ended with ${result}: ${errors}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text as roff: backslashes doubled, a line starting with a dot or an apostrophe escaped.
function(olma_roff out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

olma_help(usage)
string(TIMESTAMP date "%Y-%m-%d" UTC)
string(TOUPPER "${NAME}" title)
olma_roff(usage_roff "${usage}")
set(page ".TH ${title} 1 \"${date}\" \"olma ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${NAME} \\- ${SUMMARY}\n")
string(APPEND page ".SH SYNOPSIS\n.nf\n${usage_roff}.fi\n")

if(SUBCOMMANDS)
    string(APPEND page ".SH COMMANDS\n")
    string(REPLACE "\n" ";" lines "${usage}")
    foreach(line IN LISTS lines)
        if(line MATCHES "^  ([a-z][a-z0-9-]*)")
            set(command "${CMAKE_MATCH_1}")
            olma_help(text ${command})
            olma_roff(text_roff "${text}")
            string(APPEND page ".SS ${command}\n.nf\n${text_roff}.fi\n")
        endif()
    endforeach()
endif()

string(APPEND page ".SH FILES\n.TP\n.I /usr/share/olma/\n"
    "The program's data: the default configuration, the log's RTF templates, the manual, the icon.\n")
string(APPEND page ".SH SEE ALSO\n")
if(NAME STREQUAL "olma-cli")
    string(APPEND page ".BR olma-configurator (1)\n")
else()
    string(APPEND page ".BR olma-cli (1)\n")
endif()
file(WRITE "${OUTPUT}" "${page}")
