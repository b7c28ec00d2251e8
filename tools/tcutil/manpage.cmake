# Writes the tcutil man page with help2man: the overview from "tcutil --help" and "--version",
# and a COMMANDS section with each command's own --help.
# cmake -DTCUTIL=<binary> -DHELP2MAN=<help2man> -DOUT=<tcutil.1> -P manpage.cmake
execute_process(COMMAND ${TCUTIL} --help OUTPUT_VARIABLE overview RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "tcutil --help failed: ${status}")
endif()
string(REGEX MATCHALL "\n  [a-z]+ " commands "${overview}")
set(include "[COMMANDS]\n")
foreach(command IN LISTS commands)
    string(STRIP "${command}" command)
    execute_process(COMMAND ${TCUTIL} ${command} --help OUTPUT_VARIABLE help)
    # Backslashes and leading dots or quotes escaped for roff; the description as paragraphs,
    # the options and arguments as written.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
    string(FIND "${help}" "\nOptions:" split)
    string(SUBSTRING "${help}" 0 ${split} description)
    string(SUBSTRING "${help}" ${split} -1 options)
    string(REPLACE "\n" "\n.PP\n" description "${description}")
    string(APPEND include ".SS \"tcutil ${command}\"\n${description}\n.nf${options}.fi\n")
endforeach()
get_filename_component(dir ${OUT} DIRECTORY)
file(WRITE ${dir}/tcutil.h2m "${include}")
execute_process(
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr
        --name "the tcutils library's answers from the command line"
        --include ${dir}/tcutil.h2m --output ${OUT} ${TCUTIL}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man failed: ${status}")
endif()
