# The program's texts in German, French and Spanish. translations/quorvane_<lang>.ts
# are kept in the repository; `cmake --build build --target update_translations`
# brings them up to date with the sources. lrelease turns them into .qm files,
# embedded in the logic library, which every program links.
# Debian's qt6-l10n-tools has the two tools but no CMake package: they are found by hand.
find_program(QUORVANE_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin
             REQUIRED)
find_program(QUORVANE_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin
             REQUIRED)
set(QUORVANE_LANGUAGES de fr es)
set(QUORVANE_TS_FILES)
set(quorvane_qm_files)
foreach(lang ${QUORVANE_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/quorvane_${lang}.ts)
  set(qm ${CMAKE_BINARY_DIR}/i18n/quorvane_${lang}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${QUORVANE_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Translation ${lang}"
    VERBATIM)
  list(APPEND QUORVANE_TS_FILES ${ts})
  list(APPEND quorvane_qm_files ${qm})
endforeach()
qt_add_resources(quorvane_logic translations PREFIX /i18n BASE ${CMAKE_BINARY_DIR}/i18n FILES ${quorvane_qm_files})
# trs() and trq() are the logic's translate(); positions are left out so the files change only with the texts.
set(QUORVANE_LUPDATE_OPTIONS -locations none -no-obsolete -tr-function-alias translate+=trs,translate+=trq)
add_custom_target(update_translations
  COMMAND ${QUORVANE_LUPDATE} ${QUORVANE_LUPDATE_OPTIONS} ${CMAKE_SOURCE_DIR}/src -ts ${QUORVANE_TS_FILES}
  COMMENT "Bringing the translation files up to date with the sources"
  VERBATIM)
