# The help viewer and its help file, both beside the program.
add_executable(quorvane-help ${CMAKE_SOURCE_DIR}/src/helpviewer_main.cpp)
target_link_libraries(quorvane-help PRIVATE quorvane_ui)
set_target_properties(quorvane-help PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORVANE_PROGRAM_DIR})
list(APPEND QUORVANE_PROGRAM_TARGETS quorvane-help)

# The help file in English and in each language that has one (zelvik.de.hlp ...).
set(QUORVANE_HELP_FILES zelvik.hlp zelvik.de.hlp zelvik.fr.hlp zelvik.es.hlp)
set(help_outputs)
foreach(help ${QUORVANE_HELP_FILES})
  add_custom_command(
    OUTPUT ${QUORVANE_PROGRAM_DIR}/${help}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVANE_PROGRAM_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/src/resources/${help} ${QUORVANE_PROGRAM_DIR}/${help}
    DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/${help}
    COMMENT "Help file ${help} in the program folder"
    VERBATIM)
  list(APPEND help_outputs ${QUORVANE_PROGRAM_DIR}/${help})
endforeach()
add_custom_target(help_file ALL DEPENDS ${help_outputs})
add_dependencies(quorvane-help help_file)
