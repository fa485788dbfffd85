# Runs one walkthrough case: prepares a fresh working directory, plays the key file with VEK2
# and compares the transcript (and any files listed under after/) with what the case expects.
#
# Inputs: VEK2, FIXTURE, CASE_DIR, WORK_DIR, GAME_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

set(arguments)
if(EXISTS ${CASE_DIR}/scenario.scn)
    file(COPY ${CASE_DIR}/ DESTINATION ${WORK_DIR} PATTERN after EXCLUDE PATTERN norecordings
         EXCLUDE)
    if(NOT EXISTS ${CASE_DIR}/norecordings)
        execute_process(COMMAND ${FIXTURE} ${WORK_DIR} RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "the recordings of the case could not be prepared")
        endif()
    endif()
    set(arguments scenario.scn)
elseif(EXISTS ${CASE_DIR}/gamedir)
    # A case that plays a built game: the game directory is copied, then the case's own files.
    file(COPY ${GAME_DIR}/ DESTINATION ${WORK_DIR})
    file(COPY ${CASE_DIR}/ DESTINATION ${WORK_DIR} PATTERN after EXCLUDE)
else()
    file(COPY ${CASE_DIR}/ DESTINATION ${WORK_DIR} PATTERN after EXCLUDE)
    execute_process(COMMAND ${FIXTURE} ${WORK_DIR} RESULT_VARIABLE rc)
endif()
if(EXISTS ${CASE_DIR}/args)
    file(STRINGS ${CASE_DIR}/args line LIMIT_COUNT 1)
    separate_arguments(arguments UNIX_COMMAND "${line}")
endif()

set(status 0)
if(EXISTS ${CASE_DIR}/status)
    file(STRINGS ${CASE_DIR}/status status LIMIT_COUNT 1)
endif()

execute_process(
    COMMAND ${VEK2} --walk keys.txt ${arguments}
    WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_FILE ${WORK_DIR}/actual.txt
    ERROR_VARIABLE errors
    RESULT_VARIABLE rc)
if(NOT rc STREQUAL status)
    message(FATAL_ERROR "VEK2 ended with ${rc}, expected ${status}\n${errors}")
endif()

set(failed FALSE)
file(READ ${CASE_DIR}/expected.txt expected)
file(READ ${WORK_DIR}/actual.txt actual)
if(NOT expected STREQUAL actual)
    execute_process(COMMAND diff -u ${CASE_DIR}/expected.txt ${WORK_DIR}/actual.txt)
    set(failed TRUE)
endif()

file(GLOB_RECURSE after_files RELATIVE ${CASE_DIR}/after ${CASE_DIR}/after/*)
foreach(name IN LISTS after_files)
    if(NOT EXISTS ${WORK_DIR}/${name})
        message("missing after the run: ${name}")
        set(failed TRUE)
        continue()
    endif()
    file(READ ${CASE_DIR}/after/${name} want HEX)
    file(READ ${WORK_DIR}/${name} got HEX)
    if(NOT want STREQUAL got)
        message("differs after the run: ${name}")
        execute_process(COMMAND diff -u --text ${CASE_DIR}/after/${name} ${WORK_DIR}/${name})
        set(failed TRUE)
    endif()
endforeach()

if(failed)
    message(FATAL_ERROR "walkthrough ${CASE_DIR} does not match")
endif()
