# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program and its Debian package (cpack -G DEB in the build
# folder makes duplikon_<version>_amd64.deb). Desktop entry, AppStream
# metainfo and icon are installed by data/CMakeLists.txt under the id below.
set(DUPLIKON_APP_ID example.duplikon.Duplikon)

# The program finds the installed demo folder relative to its own file.
file(RELATIVE_PATH demo_from_binary ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/duplikon/demo)
target_compile_definitions(duplikon PRIVATE DUPLIKON_VERSION="${PROJECT_VERSION}"
                                            DUPLIKON_DEMO_FROM_BINARY="${demo_from_binary}")
# Debian's hardening: relocations read-only after start.
target_link_options(duplikon PRIVATE -Wl,-z,relro,-z,now)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/demo/ DESTINATION ${CMAKE_INSTALL_DATADIR}/duplikon/demo
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                              WORLD_READ WORLD_EXECUTE)

# Debian documentation: copyright, changelog (compressed, as Debian wants it)
# and the manual page.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/duplikon)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging_out})
add_custom_command(OUTPUT ${packaging_out}/changelog.gz ${packaging_out}/duplikon.1.gz
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${packaging_out}/changelog.gz
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/duplikon.1 > ${packaging_out}/duplikon.1.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog ${PROJECT_SOURCE_DIR}/data/duplikon.1
  VERBATIM)
add_custom_target(duplikon_packaging_docs ALL DEPENDS ${packaging_out}/changelog.gz ${packaging_out}/duplikon.1.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${packaging_out}/changelog.gz DESTINATION ${docdir})
install(FILES ${packaging_out}/duplikon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME duplikon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Duplikon")
set(CPACK_PACKAGE_CONTACT "Duplikon <duplikon@duplikon.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Paare finden und zuordnen - Übungsprogramm für Kinder")
set(CPACK_PACKAGE_DESCRIPTION "Duplikon ist ein Übungsprogramm für Kinder der Grundschule. Eine
Lehrerin oder ein Lehrer legt Aufgaben mit bis zu zehn Paaren an, jede Hälfte
ein kurzer Text oder ein Bild; das Kind zieht jedes Feld auf seinen Partner.
Dazu gehören Pflichtaufgaben, ein Aufgaben-Editor mit Bildauswahl, ein
Kontrollfenster und das Spielfeld als Arbeitsblatt für Drucker und
Zwischenablage. Aus dem Startmenü arbeitet Duplikon im Ordner Duplikon unter
den Dokumenten, der beim ersten Start mit Beispielaufgaben angelegt wird.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://duplikon.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, but needed at run time: metric twins of the task fonts, a font
# with the Arabic script for Arabic and Persian, the texts of Qt's buttons in
# every language of the program, the image format plugins (WebP, TIFF, SVG)
# that read a teacher's own pictures, the GStreamer plugins that Qt Multimedia
# plays WAV, OGG and MP3 through, and Qt's small speech-dispatcher plugin, so
# that Duplikon speaks as soon as a speech service is installed. shlibdeps
# sees the Qt libraries themselves, not plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-hosny-amiri | fonts-sil-scheherazade, qt6-translations-l10n, qt6-image-formats-plugins, libqt6svg6, \
gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-speech-speechd-plugin")
# The voice itself: reading aloud needs it, but Duplikon also installs where
# nothing is to be spoken (apt --no-install-recommends).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher, speech-dispatcher-espeak-ng, espeak-ng")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

if(BUILD_TESTING AND NOT DUPLIKON_SANITIZE)
  # The entry, the metainfo and the package as Debian's own tools see them.
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
  find_program(APPSTREAMCLI appstreamcli REQUIRED)
  find_program(LINTIAN lintian REQUIRED)
  add_test(NAME package.desktop_entry
    COMMAND ${DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/data/${DUPLIKON_APP_ID}.desktop)
  # The file type: shared-mime-info builds its database from it and finds the glob.
  find_program(UPDATE_MIME_DATABASE update-mime-database REQUIRED)
  add_test(NAME package.mime_type
    COMMAND sh -c "rm -rf mime-check && mkdir -p mime-check/packages && cp \"$0\" mime-check/packages/ && ${UPDATE_MIME_DATABASE} mime-check && grep -qx 'application/x-duplikon:\\*.duplikon' mime-check/globs"
            ${PROJECT_SOURCE_DIR}/data/${DUPLIKON_APP_ID}.xml
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
  add_test(NAME package.metainfo
    COMMAND ${APPSTREAMCLI} validate --no-net ${PROJECT_SOURCE_DIR}/data/${DUPLIKON_APP_ID}.metainfo.xml)
  add_test(NAME package.lintian
    COMMAND sh -c "rm -rf deb-check && cpack -G DEB -B deb-check --config CPackConfig.cmake >/dev/null && ${LINTIAN} --fail-on error --tag-display-limit 0 deb-check/duplikon_*.deb"
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
  # cpack builds in the build folder; never at the same time as the package's end-to-end test.
  set_tests_properties(package.lintian PROPERTIES TIMEOUT 300 RESOURCE_LOCK duplikon_e2e)
endif()
