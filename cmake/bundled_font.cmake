# Builds Liberation Sans Regular into a target's resources (":/quorvel/fonts/"): the program
# lays its captions out for Arial's metrics and must not depend on the fonts a machine has.
# The font is copied from the build machine at build time (Debian: fonts-liberation2).
set(QUORVEL_BUNDLED_FONT /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
    CACHE FILEPATH "Liberation Sans Regular, built into the program")
if(NOT EXISTS "${QUORVEL_BUNDLED_FONT}")
  message(FATAL_ERROR "Liberation Sans Regular not found at ${QUORVEL_BUNDLED_FONT} "
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
