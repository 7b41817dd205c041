# The help viewer and its help file, both beside the program.
add_executable(quorvane-help ${CMAKE_SOURCE_DIR}/src/helpviewer_main.cpp)
target_link_libraries(quorvane-help PRIVATE quorvane_ui)
set_target_properties(quorvane-help PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORVANE_PROGRAM_DIR})
list(APPEND QUORVANE_PROGRAM_TARGETS quorvane-help)

add_custom_command(
  OUTPUT ${QUORVANE_PROGRAM_DIR}/zelvik.hlp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVANE_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/src/resources/zelvik.hlp
          ${QUORVANE_PROGRAM_DIR}/zelvik.hlp
  DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/zelvik.hlp
  COMMENT "Help file in the program folder"
  VERBATIM)
add_custom_target(help_file ALL DEPENDS ${QUORVANE_PROGRAM_DIR}/zelvik.hlp)
add_dependencies(quorvane-help help_file)
