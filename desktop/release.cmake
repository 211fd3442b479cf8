# Reads the newest release from NEWS (Debian changelog format) for the files that
# describe it: its date and its notes.
#   TAKTON_RELEASE_DATE     2026-12-08
#   TAKTON_RELEASE_NOTES    the entry's items as AppStream markup, <li>...</li> each
# The version is the project's, which the top CMakeLists.txt takes from the same line.

# A ';' would split a CMake list: it stands in as @SEMICOLON@ until the notes are
# written out.
file(READ ${PROJECT_SOURCE_DIR}/NEWS _news)
string(REPLACE ";" "@SEMICOLON@" _news "${_news}")
string(REPLACE "\n" ";" _news_lines "${_news}")
list(POP_FRONT _news_lines)

set(_items)
set(_item "")
foreach(line IN LISTS _news_lines)
    if(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(_trailer "${line}")
        set(_date ${CMAKE_MATCH_3} ${CMAKE_MATCH_2} ${CMAKE_MATCH_1})
        break()
    elseif(line MATCHES "^  \\* (.*)")
        list(APPEND _items "${_item}")
        set(_item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    +(.*)")
        string(APPEND _item " ${CMAKE_MATCH_1}")
    endif()
endforeach()
list(APPEND _items "${_item}")
list(FILTER _items EXCLUDE REGEX "^$")
if(NOT _trailer OR NOT _items)
    message(FATAL_ERROR "NEWS: the newest entry needs items (\"  * ...\") and a trailer line (\" -- NAME <MAIL>  DATE\")")
endif()

set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _date 0 _year)
list(GET _date 1 _month_name)
list(GET _date 2 _day)
list(FIND _months "${_month_name}" _month)
if(_month LESS 0)
    message(FATAL_ERROR "NEWS: unknown month \"${_month_name}\" in \"${_trailer}\"")
endif()
math(EXPR _month "${_month} + 1")
string(REGEX REPLACE "^([0-9])$" "0\\1" _month "${_month}")
string(REGEX REPLACE "^([0-9])$" "0\\1" _day "${_day}")
set(TAKTON_RELEASE_DATE "${_year}-${_month}-${_day}")

set(TAKTON_RELEASE_NOTES "")
foreach(item IN LISTS _items)
    string(REPLACE "&" "&amp;" item "${item}")
    string(REPLACE "<" "&lt;" item "${item}")
    string(REPLACE ">" "&gt;" item "${item}")
    string(REPLACE "@SEMICOLON@" ";" item "${item}")
    string(APPEND TAKTON_RELEASE_NOTES "\n          <li>${item}</li>")
endforeach()
