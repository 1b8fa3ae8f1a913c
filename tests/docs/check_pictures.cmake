cmake_minimum_required(VERSION 3.25)

# Keeps scenes, pictures and the documents that show them in step:
#  - every docs/scenes/NAME.replay has its docs/images/NAME.png and the other way round;
#  - every picture or SVG figure the README or docs/*.md links to exists, and every one is
#    linked.
#
# cmake -DSOURCE_DIR=<repository> -P check_pictures.cmake

file(GLOB scenes RELATIVE ${SOURCE_DIR}/docs/scenes ${SOURCE_DIR}/docs/scenes/*.replay)
file(GLOB pictures RELATIVE ${SOURCE_DIR}/docs/images ${SOURCE_DIR}/docs/images/*.png)
set(problems "")

foreach(scene IN LISTS scenes)
  string(REGEX REPLACE "\\.replay$" ".png" picture ${scene})
  if(NOT picture IN_LIST pictures)
    string(APPEND problems "docs/scenes/${scene} has no docs/images/${picture}\n")
  endif()
endforeach()
foreach(picture IN LISTS pictures)
  string(REGEX REPLACE "\\.png$" ".replay" scene ${picture})
  if(NOT scene IN_LIST scenes)
    string(APPEND problems "docs/images/${picture} comes from no scene (docs/scenes/${scene})\n")
  endif()
endforeach()

file(GLOB documents ${SOURCE_DIR}/docs/*.md)
list(APPEND documents ${SOURCE_DIR}/README.md)
set(linked "")
foreach(document IN LISTS documents)
  file(READ ${document} text)
  string(REGEX MATCHALL "images/[A-Za-z0-9_./-]+\\.(png|svg)" links "${text}")
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^images/" "" name ${link})
    list(APPEND linked ${name})
    if(NOT EXISTS ${SOURCE_DIR}/docs/images/${name})
      string(APPEND problems "${document} shows ${link}, which does not exist\n")
    endif()
  endforeach()
endforeach()
file(GLOB figures RELATIVE ${SOURCE_DIR}/docs/images ${SOURCE_DIR}/docs/images/*.svg)
foreach(picture IN LISTS pictures figures)
  if(NOT picture IN_LIST linked)
    string(APPEND problems "docs/images/${picture} is shown by no document\n")
  endif()
endforeach()

if(problems)
  message(FATAL_ERROR "${problems}")
endif()
