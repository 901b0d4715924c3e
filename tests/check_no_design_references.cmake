# Fails when a comment, a test name or a file name sends the reader to a design document, to one of
# its numbered sections or to one of its lettered steps, instead of saying what the code does. A
# reader of the code has only the code; a comment says what happens and why, in words of its own.
# Whole lines are read, so a test's name is checked with its comments; CamelCase names are split
# into words first, so that words run together in a name are caught as well as words apart.
set(words "[^a-z]spec(s|ification|ifications|ified)?[^a-z]" "§" "[^a-z]parts?[ _]?[0-9]"
          "[^a-z]design[ _]doc(ument)?s?[^a-z]" "[^a-z]procedures?_[a-z][^a-z]")
# A lettered step keeps its capital: a capital letter after the word names a step, a lower-case word does not.
set(letters "[Pp]rocedures? [A-Z][^A-Za-z]")
set(kinds h cpp cmake txt sh py md json in css html qrc desktop 6)

# The text, lowered once as written and once with its CamelCase words split; newlines at both ends
# stand for the ends of the text, so every pattern may ask for a non-letter on either side.
function(speaks_of_design text result)
  string(REGEX REPLACE "([A-Z])" "_\\1" split "${text}")
  string(TOLOWER "\n${text}\n" lowered)
  string(TOLOWER "\n${split}\n" splitLowered)
  set(found "")
  foreach(pattern ${words})
    if(lowered MATCHES "${pattern}" OR splitLowered MATCHES "${pattern}")
      set(found "${CMAKE_MATCH_0}")
      break()
    endif()
  endforeach()
  if(NOT found AND "\n${text}\n" MATCHES "${letters}")
    set(found "${CMAKE_MATCH_0}")
  endif()
  string(STRIP "${found}" found)
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${ROOT} ${ROOT}/*)
set(faults "")
foreach(shown ${files})
  if(shown MATCHES "^(build[^/]*|\\.git|fuzz/corpus)/")
    continue()
  endif()
  speaks_of_design("${shown}" word)
  if(word)
    string(APPEND faults "\n  ${shown}: the file's name says \"${word}\"")
  endif()
  get_filename_component(name ${shown} NAME)
  string(REGEX MATCH "[^.]+$" kind "${name}")
  list(FIND kinds "${kind}" known)
  # This file names the words it looks for.
  if((known EQUAL -1 AND NOT name STREQUAL "run") OR shown STREQUAL "tests/check_no_design_references.cmake")
    continue()
  endif()
  file(READ ${ROOT}/${shown} content)
  speaks_of_design("${content}" word)
  if(NOT word)
    continue()
  endif()
  # Semicolons would split a line into list elements; only newlines may.
  string(REPLACE ";" "," content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    speaks_of_design("${line}" word)
    if(word)
      string(APPEND faults "\n  ${shown}:${number}: \"${word}\": ${line}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Comments, test names or file names that speak of a design document, not of the code:${faults}")
endif()
message(STATUS "no comment, test name or file name speaks of a design document: ${ROOT}")
