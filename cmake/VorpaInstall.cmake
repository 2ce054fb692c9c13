# What `cmake --install` puts where, and the Debian package (`cpack -G DEB`).
include(GNUInstallDirs)

# AppStream wants a reverse-DNS id and web addresses for its screenshots;
# a packager who publishes the pictures sets both.
set(VORPA_APP_ID "org.example.Vorpa" CACHE STRING "AppStream id and desktop entry name")
set(VORPA_WEB_URL "https://vorpa.example.org" CACHE STRING "home page; screenshots are under WEB_URL/screenshots/")

set(data ${PROJECT_SOURCE_DIR}/data)
set(help_dir ${CMAKE_INSTALL_DATADIR}/vorpa/help)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vorpa)
file(GLOB screenshots CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.png)

install(TARGETS vorpa-tool vorpa-ipatd RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/help/index.html ${screenshots} DESTINATION ${help_dir})
install(FILES ${data}/man/vorpa.1 ${data}/man/vorpa-tool.1 ${data}/man/vorpa-ipatd.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The service names the installed vorpa-tool, wherever the prefix was given.
install(CODE "set(VORPA_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  configure_file(${data}/systemd/vorpa-fetch.service.in ${CMAKE_BINARY_DIR}/vorpa-fetch.service @ONLY)")
install(FILES ${CMAKE_BINARY_DIR}/vorpa-fetch.service ${data}/systemd/vorpa-fetch.timer
        DESTINATION ${doc_dir}/examples)

# The help page beside the program in the build folder, as installed beside it.
add_custom_target(vorpa-help ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/help
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/help/index.html ${screenshots}
          ${CMAKE_BINARY_DIR}/help/
  COMMENT "Copying the help page beside the program")

if(VORPA_GUI)
  install(TARGETS vorpa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${data}/vorpa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          RENAME ${VORPA_APP_ID}.desktop)
  string(TIMESTAMP VORPA_RELEASE_DATE "%Y-%m-%d" UTC)
  configure_file(${data}/vorpa.metainfo.xml.in ${CMAKE_BINARY_DIR}/${VORPA_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/${VORPA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The theme's icons, drawn at build time from the program's own icon.
  add_executable(vorpa-icons ${VORPA_SRC}/icons/main.cpp)
  target_link_libraries(vorpa-icons PRIVATE vorpa_gui)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/icons/scalable/apps/vorpa.svg
    COMMAND vorpa-icons ${CMAKE_BINARY_DIR}/icons
    DEPENDS vorpa-icons
    COMMENT "Drawing the program icon for the icon theme")
  add_custom_target(vorpa-theme-icons ALL DEPENDS ${CMAKE_BINARY_DIR}/icons/scalable/apps/vorpa.svg)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()

set(CPACK_PACKAGE_NAME vorpa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vorpa developers <vorpa@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Odds, race cards and results of Japanese horse racing, fetched and kept")
set(CPACK_PACKAGE_DESCRIPTION
  "Vorpa logs into the IPAT information service, reads the day's meetings,\n"
  "race cards, odds, vote totals and results on a schedule, keeps every odds\n"
  "reading with its time and writes PAT-style .JRA files. It includes\n"
  "vorpa-tool, the command line for headless use, and vorpa-ipatd, a\n"
  "simulator of the information server.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VORPA_WEB_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the binaries link: the Japanese fonts of the windows
# and of the grids, and Qt's Japanese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)

if(VORPA_TESTS AND VORPA_GUI)
  add_test(NAME install_ManPagesCoverHelp
           COMMAND ${PROJECT_SOURCE_DIR}/tests/install/man-covers-tool-help.sh ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  add_test(NAME install_InstalledTreeAndPackage
           COMMAND ${PROJECT_SOURCE_DIR}/tests/install/install-tree.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
  set_tests_properties(install_InstalledTreeAndPackage PROPERTIES TIMEOUT 600 RUN_SERIAL ON)
endif()
