# Manual pages are written once, in scdoc's plain markup (docs/man/NAME.SECTION.scd),
# and turned into roff, compressed as Debian installs them, with the build.
find_program(TOVREL_SCDOC scdoc REQUIRED)

# tovrel_add_man_page(docs/man/NAME.SECTION.scd [COMPONENT component])
function(tovrel_add_man_page source)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "COMPONENT" "")
  get_filename_component(page ${source} NAME_WLE)
  string(REGEX MATCH "[0-9]$" section ${page})
  set(roff ${CMAKE_BINARY_DIR}/man/${page})
  add_custom_command(OUTPUT ${roff}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "'${TOVREL_SCDOC}' < '${CMAKE_SOURCE_DIR}/${source}' > '${roff}'"
    COMMAND gzip -9nf ${roff}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    COMMENT "Manual page ${page}"
    VERBATIM)
  add_custom_target(man-${page} ALL DEPENDS ${roff}.gz)
  if(arg_COMPONENT)
    install(FILES ${roff}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section} COMPONENT ${arg_COMPONENT})
  else()
    install(FILES ${roff}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
  endif()
endfunction()
