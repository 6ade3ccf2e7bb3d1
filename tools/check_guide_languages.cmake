# Fails when a teacher's guide names fewer languages than the program speaks, so that no guide
# can fall behind the program again when a language is added:
#   cmake -DLANGUAGES=en,de,fr,... -DGUIDES=docs -P check_guide_languages.cmake
# Each guide docs/teachers-guide*.md holds, between the two markers below (which stay English in
# every language), every language the program speaks, named in the guide's own language and
# followed by its code in backticks, which is also what LANGUAGE takes: German (`de`).
cmake_minimum_required(VERSION 3.25)
set(begin_marker "<!-- languages: every language Quorvel speaks, with its code -->")
set(end_marker "<!-- end of languages -->")

string(REPLACE "," ";" languages "${LANGUAGES}")
file(GLOB guides "${GUIDES}/teachers-guide*.md")
if(NOT guides)
  message(FATAL_ERROR "no teacher's guide in ${GUIDES}")
endif()

set(failed FALSE)
foreach(guide IN LISTS guides)
  get_filename_component(name "${guide}" NAME)
  file(READ "${guide}" text)
  string(FIND "${text}" "${begin_marker}" begin)
  string(FIND "${text}" "${end_marker}" end)
  if(begin EQUAL -1 OR end EQUAL -1 OR end LESS begin)
    message(SEND_ERROR "${name}: no list of languages between ${begin_marker} and ${end_marker}")
    set(failed TRUE)
    continue()
  endif()
  string(LENGTH "${begin_marker}" length)
  math(EXPR start "${begin} + ${length}")
  math(EXPR length "${end} - ${start}")
  string(SUBSTRING "${text}" ${start} ${length} block)

  set(missing)
  foreach(language IN LISTS languages)
    string(FIND "${block}" "`${language}`" found)
    if(found EQUAL -1)
      list(APPEND missing "`${language}`")
    endif()
  endforeach()
  # A code the program does not speak is a slip (pt-BR for pt_BR) or a language taken out.
  set(unknown)
  string(REGEX MATCHALL "`[^`\n]*`" codes "${block}")
  foreach(code IN LISTS codes)
    string(REGEX REPLACE "^`(.*)`$" "\\1" bare "${code}")
    if(NOT bare IN_LIST languages)
      list(APPEND unknown "${code}")
    endif()
  endforeach()

  list(LENGTH languages spoken)
  if(missing)
    list(LENGTH missing lacking)
    math(EXPR named "${spoken} - ${lacking}")
    list(JOIN missing ", " missing)
    message(SEND_ERROR "${name} names ${named} of the ${spoken} languages Quorvel speaks; it lacks "
                       "${missing}. Name each in the guide's language, with its code in "
                       "backticks, between the markers.")
    set(failed TRUE)
  endif()
  if(unknown)
    list(JOIN unknown ", " unknown)
    message(SEND_ERROR "${name}: Quorvel does not speak ${unknown}")
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "a teacher's guide does not name every language Quorvel speaks "
                      "(QUORVEL_LANGUAGES in translations/CMakeLists.txt, and English)")
endif()
list(LENGTH guides checked)
message(STATUS "${checked} guides name every language Quorvel speaks")
