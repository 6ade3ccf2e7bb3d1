# Builds Liberation Sans Regular into a target's resources (":/quorvel/fonts/"): the program
# lays its captions out for Arial's metrics and must not depend on the fonts a machine has.
# The font is copied from the build machine at build time: version 2, which Debian 12 keeps in
# fonts-liberation2's own folder (its fonts-liberation is the older 1.x, drawn differently), and
# Debian 13 in fonts-liberation's, fonts-liberation2 being only a pointer to it there.
find_file(QUORVEL_BUNDLED_FONT LiberationSans-Regular.ttf
  PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
  DOC "Liberation Sans Regular, version 2, built into the program")
if(NOT QUORVEL_BUNDLED_FONT)
  message(FATAL_ERROR "Liberation Sans Regular not found "
                      "(Debian: fonts-liberation2; or set QUORVEL_BUNDLED_FONT)")
endif()
file(STRINGS "${QUORVEL_BUNDLED_FONT}" font_version REGEX "^Version 2\\." LIMIT_COUNT 1)
if(NOT font_version)
  message(FATAL_ERROR "${QUORVEL_BUNDLED_FONT} is not Liberation Sans 2 "
                      "(Debian: fonts-liberation2; or set QUORVEL_BUNDLED_FONT)")
endif()

function(quorvel_bundle_font target)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/fonts/LiberationSans-Regular.ttf)
  add_custom_command(
    OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy ${QUORVEL_BUNDLED_FONT} ${copy}
    DEPENDS ${QUORVEL_BUNDLED_FONT}
    COMMENT "Copying Liberation Sans into the program's resources"
    VERBATIM)
  set_source_files_properties(${copy} PROPERTIES QT_RESOURCE_ALIAS LiberationSans-Regular.ttf)
  # Uncompressed: the font database can then use the resource's memory without a copy.
  qt_add_resources(${target} quorvel_fonts
    PREFIX /quorvel/fonts
    BASE ${CMAKE_CURRENT_BINARY_DIR}/fonts
    OPTIONS --no-compress
    FILES ${copy})
endfunction()

# The scripts Liberation Sans lacks, each from a Noto font of Debian's (SIL OFL 1.1), cut down at
# build time to the characters its language's translation uses (subset_font.py), and built into
# the resources as ":/quorvel/fonts/<language>.otf". The program registers one only when its
# language is chosen. Rows: language, font file, face number in the file, name of the subset.
set(QUORVEL_SCRIPT_FONTS
  "zh_CN|/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc|2|Quorvel Noto Sans SC"
  "ar|/usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf|0|Quorvel Noto Sans Arabic")
# Besides the translation's own characters: the printable ASCII that numbers, names and signs
# inside a translated text are written in, and for Arabic the digits, separators and direction
# marks that its locale writes numbers with.
set(QUORVEL_SCRIPT_FONT_KEEP_zh_CN "20-7E")
set(QUORVEL_SCRIPT_FONT_KEEP_ar "20-7E,60C,61B,61C,61F,660-66C,200E,200F")

# A Python with fontTools (Debian: python3-fonttools), which a Python of the user's own may lack.
if(NOT QUORVEL_FONTTOOLS_PYTHON)
  find_package(Python3 COMPONENTS Interpreter)
  foreach(candidate IN ITEMS ${Python3_EXECUTABLE} /usr/bin/python3)
    execute_process(COMMAND ${candidate} -c "import fontTools.subset"
                    RESULT_VARIABLE missing OUTPUT_QUIET ERROR_QUIET)
    if(missing EQUAL 0)
      set(QUORVEL_FONTTOOLS_PYTHON ${candidate} CACHE FILEPATH "A Python that has fontTools")
      break()
    endif()
  endforeach()
  if(NOT QUORVEL_FONTTOOLS_PYTHON)
    message(FATAL_ERROR "No Python with fontTools found (Debian: python3-fonttools)")
  endif()
endif()

function(quorvel_bundle_script_fonts target translations_dir)
  set(subsets)
  foreach(row IN LISTS QUORVEL_SCRIPT_FONTS)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 language)
    list(GET fields 1 font)
    list(GET fields 2 number)
    list(GET fields 3 family)
    if(NOT EXISTS "${font}")
      message(FATAL_ERROR "${font} not found (Debian: fonts-noto-cjk and fonts-noto-core)")
    endif()
    set(ts ${translations_dir}/quorvel_${language}.ts)
    set(subset ${CMAKE_CURRENT_BINARY_DIR}/fonts/${language}.otf)
    # Make, unlike Ninja, makes no folder for what a command writes.
    add_custom_command(
      OUTPUT ${subset}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/fonts
      COMMAND ${QUORVEL_FONTTOOLS_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/subset_font.py ${font}
              --number ${number} --family ${family} --ts ${ts}
              --keep ${QUORVEL_SCRIPT_FONT_KEEP_${language}} --output ${subset}
      DEPENDS ${font} ${ts} ${PROJECT_SOURCE_DIR}/cmake/subset_font.py
      COMMENT "Cutting ${family} down to the characters of the ${language} translation"
      VERBATIM)
    set_source_files_properties(${subset} PROPERTIES QT_RESOURCE_ALIAS ${language}.otf)
    list(APPEND subsets ${subset})
  endforeach()
  qt_add_resources(${target} quorvel_script_fonts
    PREFIX /quorvel/fonts
    BASE ${CMAKE_CURRENT_BINARY_DIR}/fonts
    OPTIONS --no-compress
    FILES ${subsets})
endfunction()
