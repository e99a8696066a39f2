# cmake --install: the executables in bin/, the program's read-only data in
# share/palimora/ (each user's program folder is filled from it), the menu
# entry, its icons, the AppStream metadata and the manual page. Honours CMAKE_INSTALL_PREFIX
# and DESTDIR. cpack -G DEB packages the same files under /usr.
set(PALIMORA_APP_ID org.palimora.Palimora)

install(TARGETS palimora palimora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION ${CMAKE_INSTALL_DATADIR}/palimora)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${PALIMORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${PALIMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/desktop/icons/palimora-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${PALIMORA_APP_ID}.png)
endforeach()

# The manual pages and the changelog compressed (gzip -n: the same bytes at
# every build), the copyright file and the package checker's overrides, as
# Debian's conventions want them.
set(PALIMORA_DOC_STAGE ${CMAKE_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/desktop/changelog.in ${PALIMORA_DOC_STAGE}/changelog @ONLY)
set(PALIMORA_COMPRESSED_DOCS)
foreach(source desktop/palimora.1 desktop/palimora-cli.1 ${PALIMORA_DOC_STAGE}/changelog)
  get_filename_component(name ${source} NAME)
  get_filename_component(input ${source} ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
  add_custom_command(OUTPUT ${PALIMORA_DOC_STAGE}/${name}.gz
                     COMMAND sh -c "gzip -9n -c '${input}' > '${PALIMORA_DOC_STAGE}/${name}.gz'"
                     DEPENDS ${input} VERBATIM)
  list(APPEND PALIMORA_COMPRESSED_DOCS ${PALIMORA_DOC_STAGE}/${name}.gz)
endforeach()
add_custom_target(palimora_docs ALL DEPENDS ${PALIMORA_COMPRESSED_DOCS})
install(FILES ${PALIMORA_DOC_STAGE}/palimora.1.gz ${PALIMORA_DOC_STAGE}/palimora-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PALIMORA_DOC_STAGE}/changelog.gz ${PROJECT_SOURCE_DIR}/desktop/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/palimora)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME palimora)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/icons/palimora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${PALIMORA_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME palimora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Palimora")
set(CPACK_PACKAGE_CONTACT "Palimora developers <palimora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "builds photo web sites without writing HTML")
set(CPACK_PACKAGE_DESCRIPTION "Palimora builds a small photo web site: pictures with titles and comments,
grouped into galleries, styled through panels with a live preview, built
into pages, thumbnails and stamped pictures, and published by FTP.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What is loaded at run time rather than linked: Qt's display plug-ins (only
# recommended by its libraries) and libheif, opened at the first HEIF picture.
# The browser engine's helper process comes with the engine library's own
# dependencies.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libheif1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
