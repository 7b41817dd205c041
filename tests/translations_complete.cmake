# Each translation file holds every text the sources have now, each one translated:
# lupdate brings a copy up to date, and lrelease must find nothing unfinished.
string(REPLACE "|" ";" options "${OPTIONS}")
string(REPLACE "|" ";" files "${TS_FILES}")
file(MAKE_DIRECTORY ${WORK})
foreach(ts ${files})
  get_filename_component(name ${ts} NAME)
  configure_file(${ts} ${WORK}/${name} COPYONLY)
  execute_process(COMMAND ${LUPDATE} ${options} ${SOURCES} -ts ${WORK}/${name} OUTPUT_QUIET ERROR_VARIABLE warnings)
  execute_process(COMMAND ${LRELEASE} ${WORK}/${name} -qm ${WORK}/${name}.qm OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(warnings MATCHES "arning" OR NOT out MATCHES " 0 unfinished" OR out MATCHES "untranslated")
    message(SEND_ERROR "${name} is not complete; run the update_translations target and translate what is new:\n"
                       "${warnings}${out}")
  endif()
endforeach()
