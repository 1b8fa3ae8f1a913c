# The date of the release, VELTRO_RELEASE_DATE (YYYY-MM-DD), taken from the newest entry of
# packaging/changelog. That entry must be the one for project(VERSION): a version raised
# without saying what changed would otherwise ship under the old entry's date.

set(changelog_file ${CMAKE_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog_file})
file(STRINGS ${changelog_file} changelog_lines)

list(GET changelog_lines 0 changelog_head)
if(NOT changelog_head MATCHES "^veltro \\(([^)]+)\\) ")
  message(FATAL_ERROR "packaging/changelog: the first line is not an entry header: ${changelog_head}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog: the newest entry is for ${CMAKE_MATCH_1}, the project "
                      "is ${PROJECT_VERSION}. Add an entry for ${PROJECT_VERSION} on top.")
endif()

# The first trailer line closes the newest entry: " -- Name <mail>  Mon, 07 Dec 2026 12:00:00 +0000".
set(VELTRO_RELEASE_DATE "")
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND month_names "${CMAKE_MATCH_2}" month)
    if(month LESS 0)
      message(FATAL_ERROR "packaging/changelog: unknown month in: ${line}")
    endif()
    math(EXPR month "${month} + 1")
    string(LENGTH "${month}" digits)
    if(digits EQUAL 1)
      set(month "0${month}")
    endif()
    string(LENGTH "${day}" digits)
    if(digits EQUAL 1)
      set(day "0${day}")
    endif()
    set(VELTRO_RELEASE_DATE "${year}-${month}-${day}")
    break()
  endif()
endforeach()
if(VELTRO_RELEASE_DATE STREQUAL "")
  message(FATAL_ERROR "packaging/changelog: the newest entry has no trailer line with a date")
endif()
