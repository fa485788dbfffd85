# Checks the include lines of the libraries' sources under SOURCE_DIR (common/, player/, editor/)
# against the layer order of docs/architecture.md: no library includes a header of a library
# above it, the world model knows no sound, and only the window folders (every qt/ folder and
# editor/ui/) include Qt. Lists every offending line and fails when there is one.
#
#   cmake -DSOURCE_DIR=<tree> [-DEXPECTED=<file>] -P CheckLayers.cmake
#
# With EXPECTED (a file of expected violation lines), the check succeeds exactly when it finds
# those violations and no others: that is how its own test runs it over a tree of bad examples.
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# Each rule: the files it applies to, and the project headers they must not include.
set(rule_files
    "^common/"
    "^player/sound/"
    "^player/world/"
    "^player/script/"
    "^player/"
    "^editor/document/"
    "^editor/checker/"
    "^editor/cli/"
    "^editor/ui/")
set(rule_forbidden
    "^(player|editor)/"
    "^player/(world|script|shell)/"
    "^player/(sound|script|shell)/"
    "^player/shell/"
    "^editor/"
    "^(editor/(checker|cli|ui)|player/script|player/shell)/"
    "^(editor/(cli|ui)|player/shell)/"
    "^(editor/ui|player/shell)/"
    "^player/shell/")
set(qt_allowed "(^|/)qt/|^editor/ui/")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/common/* ${SOURCE_DIR}/player/* ${SOURCE_DIR}/editor/*)
list(FILTER sources INCLUDE REGEX "\\.(h|hh|hpp|c|cc|cpp)$")
list(LENGTH rule_files rule_count)
math(EXPR last_rule "${rule_count} - 1")

set(violations)
foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header
                             "${line}")
        if(header MATCHES "^Q" AND NOT source MATCHES "${qt_allowed}")
            list(APPEND violations "${source}: Qt outside the window layers: ${header}")
        endif()
        foreach(i RANGE ${last_rule})
            list(GET rule_files ${i} applies)
            list(GET rule_forbidden ${i} forbidden)
            if(source MATCHES "${applies}" AND header MATCHES "${forbidden}")
                list(APPEND violations "${source}: includes a layer above it: ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(EXPECTED)
    file(STRINGS ${EXPECTED} expected)
    list(SORT expected)
    list(SORT violations)
    if(NOT expected STREQUAL violations)
        list(JOIN expected "\n  " want)
        list(JOIN violations "\n  " got)
        message(FATAL_ERROR "Expected violations:\n  ${want}\nfound:\n  ${got}")
    endif()
    return()
endif()
if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Layer order broken:\n  ${text}")
endif()
list(LENGTH sources checked)
message(STATUS "Layer order kept in ${checked} files")
