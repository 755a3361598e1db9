# Installs the program where the desktop menus look for it, and packs it as a Debian package (cpack -G DEB).
# Included from the top-level CMakeLists.txt once the target `vexal` exists.
#
# The program reads ./images/ relative to its working folder, then <bindir>/../share/vexal/images; its pictures go to
# <datadir>/vexal/images/ and the menu entry starts it in <datadir>/vexal (the entry's Path=).

if(NOT TARGET vexal)
    message(FATAL_ERROR "cmake/Install.cmake must be included after the target vexal is defined")
endif()

include(GNUInstallDirs)

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH vexal_root)

install(TARGETS vexal RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES
        ${vexal_root}/images/bible_tobrel_kel.jpg
        ${vexal_root}/images/vexal.jpg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/vexal/images)

# The menu entry's Path= must name the prefix the files really land in. That prefix is only known when installing
# (`cmake --install --prefix ...` overrides the configured one), so the entry is configured by the install script
# itself rather than at configure time. file(INSTALL) honours DESTDIR and records the file in the install manifest.
install(CODE "
    set(vexal_datadir [[${CMAKE_INSTALL_DATADIR}]])
    if(IS_ABSOLUTE \"\${vexal_datadir}\")
        set(CMAKE_INSTALL_FULL_DATADIR \"\${vexal_datadir}\")
    else()
        set(CMAKE_INSTALL_FULL_DATADIR \"\${CMAKE_INSTALL_PREFIX}/\${vexal_datadir}\")
    endif()
    # One scratch folder per destination, so that two installs from the same build never share the file.
    string(MD5 vexal_key \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    set(vexal_bindir [[${CMAKE_CURRENT_BINARY_DIR}]])
    set(vexal_scratch \"\${vexal_bindir}/vexal-desktop-\${vexal_key}\")
    configure_file([[${vexal_root}/dist/vexal.desktop.in]] \"\${vexal_scratch}/vexal.desktop\" @ONLY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${vexal_datadir}/applications\" TYPE FILE
         FILES \"\${vexal_scratch}/vexal.desktop\")
    file(REMOVE_RECURSE \"\${vexal_scratch}\")
")

# The character files' type; Debian's shared-mime-info rebuilds its database from this folder by a trigger.
install(FILES ${vexal_root}/dist/vexal-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vexal.xml)

# AppStream wants the metainfo file named after the component id.
install(FILES ${vexal_root}/dist/vexal.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
    RENAME org.example.vexal.metainfo.xml)

install(FILES ${vexal_root}/dist/vexal.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${vexal_root}/dist/vexal.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# Debian package. The package is staged with DESTDIR so that the install script above sees the real prefix (/usr)
# and writes Path=/usr/share/vexal, not a path inside the staging folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexal)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Equipe VEXAL")
set(CPACK_PACKAGE_CONTACT "Equipe VEXAL <vexal@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fiches de personnage pour le jeu de role VEXAL")
set(CPACK_PACKAGE_DESCRIPTION "Cree les personnages du jeu de role VEXAL, anges ou demons.
La fiche applique les regles de creation pendant la saisie et s'exporte
en fichier texte.")
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)            # the prefix seen by the install script when staging with DESTDIR
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipe VEXAL <vexal@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs speak French with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
