# Run by CPack after it has installed the components into its staging folder:
# strips the programs as Debian's own tools do, with the symbols also the
# .comment and .note sections, which only record the compiler.
find_program(strip NAMES strip REQUIRED)
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/usr/bin/*)
foreach(program IN LISTS programs)
  execute_process(COMMAND ${strip} --remove-section=.comment --remove-section=.note ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
