# What `cmake --install` puts under the prefix. Every destination is relative, so the tree
# can be installed anywhere (`cmake --install build --prefix DIR`) and still runs: the game
# finds its data beside its executable (see src/core/data_dir.hpp).
#   bin/ostrevald
#   share/ostrevald/...                       the data (the repository's Assets/)
#   share/applications/org.ostrevald.Ostrevald.desktop
#   share/metainfo/org.ostrevald.Ostrevald.metainfo.xml
#   share/icons/hicolor/{48x48,128x128,256x256}/apps/org.ostrevald.Ostrevald.png
#   share/man/man6/ostrevald.6
set(OSTREVALD_APP_ID org.ostrevald.Ostrevald)
set(OSTREVALD_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)

install(TARGETS ostrevald RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The levels a development run generated, and temporary files of its writers, are not data.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Assets/ DESTINATION ${OSTREVALD_DATA_DESTINATION}
  PATTERN "Level0[3-9].txt" EXCLUDE
  PATTERN "Level10.txt" EXCLUDE
  PATTERN "*.tmp" EXCLUDE)
install(FILES ${OSTREVALD_DIST_DIR}/${OSTREVALD_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${OSTREVALD_DIST_DIR}/${OSTREVALD_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48x48 128x128 256x256)
  install(FILES ${OSTREVALD_DIST_DIR}/icons/hicolor/${size}/apps/${OSTREVALD_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
install(FILES ${OSTREVALD_DIST_DIR}/ostrevald.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

if(OSTREVALD_BUILD_TESTS)
  # The installed game, run as a player runs it: from a read-only prefix, another working
  # folder and a home of its own (these install the tree already built; they build nothing).
  set(OSTREVALD_INSTALL_TESTS ${CMAKE_SOURCE_DIR}/tests/install)
  foreach(name read_only_prefix two_homes_at_once bad_input)
    add_test(NAME install.${name} COMMAND bash ${OSTREVALD_INSTALL_TESTS}/${name}.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(install.${name} PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77 LABELS install)
  endforeach()
  # The desktop file and the metainfo, through the validators of the desktops' own tools
  # (skipped, with a message, where a validator is not installed).
  add_test(NAME dist.desktop_file COMMAND bash ${OSTREVALD_INSTALL_TESTS}/validate.sh
    desktop-file-validate ${OSTREVALD_DIST_DIR}/${OSTREVALD_APP_ID}.desktop)
  add_test(NAME dist.metainfo COMMAND bash ${OSTREVALD_INSTALL_TESTS}/validate.sh
    appstreamcli validate --no-net ${OSTREVALD_DIST_DIR}/${OSTREVALD_APP_ID}.metainfo.xml)
  set_tests_properties(dist.desktop_file dist.metainfo PROPERTIES TIMEOUT 60 SKIP_RETURN_CODE 77 LABELS install)
endif()
