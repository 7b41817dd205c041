# Installs Quorvane as a desktop program: the program folder whole under
# ${libdir}/quorvane with bin/quorvane a link into it, the desktop entry, icons,
# metainfo, man page and licence texts; and packages it as a .deb with CPack.
include(GNUInstallDirs)
set(QUORVANE_APP_ID org.quorvane.Quorvane)
set(QUORVANE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/quorvane)
set(QUORVANE_STAGE_DIR ${CMAKE_BINARY_DIR}/install-files)
# Beside the installed program (platform/ProgramFolder.h names it too).
set(QUORVANE_INSTALLED_MARKER installed-folder)

# Man page and changelog compressed without a time stamp, as Debian wants them.
set(QUORVANE_GZ_FILES "")
foreach(pair "share/man/quorvane.1|quorvane.1" "share/man/quorvane-rates.1|quorvane-rates.1" "share/doc/changelog|changelog")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 src)
  list(GET pair 1 name)
  add_custom_command(
    OUTPUT ${QUORVANE_STAGE_DIR}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${src} ${QUORVANE_STAGE_DIR}/${name}
    COMMAND gzip -9nf ${QUORVANE_STAGE_DIR}/${name}
    DEPENDS ${CMAKE_SOURCE_DIR}/${src}
    VERBATIM)
  list(APPEND QUORVANE_GZ_FILES ${QUORVANE_STAGE_DIR}/${name}.gz)
endforeach()
add_custom_target(install_files ALL DEPENDS ${QUORVANE_GZ_FILES})

# What running the program from the build folder needs, and what installing it
# needs besides (./run.sh builds only this, and cmake --install or cpack follow).
add_custom_target(program)
add_dependencies(program ${QUORVANE_PROGRAM_TARGETS} rate_table help_file install_files make_rate_table)

# bin/quorvane and bin/quorvane-rates: relative links, so the installed tree can be moved whole.
file(MAKE_DIRECTORY ${QUORVANE_STAGE_DIR}/bin)
foreach(command quorvane quorvane-rates)
  file(RELATIVE_PATH QUORVANE_BIN_LINK ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/quorvane/${command})
  file(CREATE_LINK ${QUORVANE_BIN_LINK} ${QUORVANE_STAGE_DIR}/bin/${command} SYMBOLIC)
endforeach()

install(TARGETS ${QUORVANE_PROGRAM_TARGETS} RUNTIME DESTINATION ${QUORVANE_INSTALL_DIR})
list(TRANSFORM QUORVANE_HELP_FILES PREPEND ${QUORVANE_PROGRAM_DIR}/ OUTPUT_VARIABLE help_files)
install(FILES ${help_files} DESTINATION ${QUORVANE_INSTALL_DIR})
# The shipped rate table is made from the rate data, not copied from the build
# folder, whose table may hold rates typed while trying the program. Installing
# over an earlier install brings the newer rates into the table there, keeping
# any rate typed into it (a prefix the user owns is the user's own table).
install(CODE "
  set(table \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUORVANE_INSTALL_DIR}/Zelvik.MDB\")
  # The marker names the folder as it is installed (without DESTDIR), so the
  # program knows this folder's table is never to be written; a copy elsewhere is not it.
  set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
  if(CPACK_PACKAGING_INSTALL_PREFIX)
    set(prefix \"\${CPACK_PACKAGING_INSTALL_PREFIX}\")
  endif()
  file(WRITE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUORVANE_INSTALL_DIR}/${QUORVANE_INSTALLED_MARKER}\"
       \"\${prefix}/${QUORVANE_INSTALL_DIR}\\n\")
  message(STATUS \"Rate table: \${table}\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUORVANE_INSTALL_DIR}\")
  execute_process(COMMAND \"$<TARGET_FILE:make_rate_table>\" \"${CMAKE_SOURCE_DIR}/data/rates.csv\" \"\${table}\"
                          ${QUORVANE_RATES_DATE} \"rates shipped with Quorvane ${PROJECT_VERSION}\"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR \"The rate table \${table} could not be installed.\")
  endif()")
install(FILES ${QUORVANE_STAGE_DIR}/bin/quorvane ${QUORVANE_STAGE_DIR}/bin/quorvane-rates DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES share/applications/${QUORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES share/metainfo/${QUORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY share/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES share/icons/${QUORVANE_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QUORVANE_STAGE_DIR}/quorvane.1.gz ${QUORVANE_STAGE_DIR}/quorvane-rates.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES share/doc/copyright ${QUORVANE_STAGE_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Quorvane developers")
set(CPACK_PACKAGE_CONTACT "Quorvane developers <developers@quorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "currency conversion chart for travellers")
set(CPACK_PACKAGE_DESCRIPTION "Quorvane turns exchange rates into a conversion chart that a traveller
prints and carries. Pick the country you travel from and the one you travel
to, type a newer rate if you have one, and print a framed chart of twenty
amounts in each currency. Rates for over 260 countries and currencies are
included; quorvane-rates brings them up to date from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quorvane.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its X11 platform plugin at run time, which shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# ca-certificates: quorvane-rates checks the rate server's certificate. iso-codes:
# country and currency names in the user's language (without it, the stored English ones).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-comic-neue, xdg-utils, ca-certificates, iso-codes")
# A print-to-PDF queue: the card without a printer, from the window's Print.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "printer-driver-cups-pdf")
include(CPack)
