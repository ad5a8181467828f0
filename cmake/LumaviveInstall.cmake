# Installing like a Linux desktop application (GNU directories), and the Debian package.
#   bin/lumavive, bin/lumavive-render
#   share/lumavive/themes/<id>/                   the themes (built with LUMAVIVE_THEMES)
#   share/applications/<app id>.desktop           the menu entry
#   share/metainfo/<app id>.metainfo.xml          AppStream metadata
#   share/icons/hicolor/{scalable,NxN}/apps/      the icon, as drawn and in the usual sizes
#   share/man/man1/lumavive{,-render}.1.gz        manual pages
#   share/doc/lumavive/                           copyright and changelog
# The translations are compiled into the program.
include(GNUInstallDirs)

set(LUMAVIVE_APP_ID example.lumavive.Lumavive)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${staged})

install(TARGETS lumavive lumavive-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(LUMAVIVE_THEMES)
    # The builder's stamps stay in the build tree.
    install(DIRECTORY ${LUMAVIVE_THEMES_BUILD_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lumavive/themes
        PATTERN ".recipe-sha256" EXCLUDE)
endif()
install(FILES ${packaging}/${LUMAVIVE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${LUMAVIVE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the SVG as it is, and drawn at the sizes desktops ask for (the drawing is 64 px).
set(icon_svg ${PROJECT_SOURCE_DIR}/assets/images/app_icon_64.svg)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LUMAVIVE_APP_ID}.svg)
set(staged_files)
foreach(size 16 24 32 48 64 128 256)
    set(png ${staged}/icon-${size}.png)
    math(EXPR permille "${size} * 1000 / 64")
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:lumavive-rasterize> ${icon_svg} ${png} ${permille}e-3
        DEPENDS ${icon_svg} lumavive-rasterize
        COMMENT "Drawing the ${size} px icon")
    list(APPEND staged_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${LUMAVIVE_APP_ID}.png)
endforeach()

# Manual pages and the changelog, compressed as Debian wants them (no time stamp inside).
find_program(GZIP gzip REQUIRED)
foreach(page lumavive.1 lumavive-render.1 changelog.Debian)
    set(gz ${staged}/${page}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${GZIP} -9n -c ${packaging}/${page} > ${gz}
        DEPENDS ${packaging}/${page}
        COMMENT "Compressing ${page}")
    list(APPEND staged_files ${gz})
endforeach()
add_custom_target(lumavive_packaging_files ALL DEPENDS ${staged_files})
install(FILES ${staged}/lumavive.1.gz ${staged}/lumavive-render.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright ${staged}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lumavive)

# The Debian package (cpack -G DEB): library dependencies found by dpkg-shlibdeps, plus what the
# window loads at run time (QML modules) and the fonts the themes use.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumavive)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Lumavive developers <developers@lumavive.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slideshow video maker for photos, texts and music")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumavive turns photos, folders of photos and short texts into a slideshow\n"
    "video. Pick a theme, an animated background with places for pictures and\n"
    "titles, add music, and Lumavive renders an H.264 MP4 in HD or Full HD with\n"
    "the music as AAC. The package holds the window, the command-line renderer\n"
    "lumavive-render and twelve themes.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://lumavive.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml-module-qtquick-controls2, qml-module-qtquick-dialogs, qml-module-qtquick-privatewidgets, qml-module-qt-labs-platform, qml-module-qtquick-layouts, qml-module-qtquick-window2, qml-module-qtqml, fonts-lato, fonts-open-sans, fonts-league-spartan, fonts-roboto-unhinted, fonts-ebgaramond, fonts-dancingscript, fonts-roboto-slab, fonts-comfortaa, fonts-linuxlibertine, fonts-yanone-kaffeesatz, fonts-cantarell, qt5-image-formats-plugins")
# Qt Multimedia's sound back ends (PulseAudio, ALSA) are plug-ins: without them the preview plays
# silently and says so. WebP and TIFF photos need Qt's image formats (a dependency); HEIC/HEIF and
# AVIF, as phones write them, need the KDE image plug-ins, which bring a larger set of libraries.
# Qt's translations put the file chooser's own buttons into the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libqt5multimedia5-plugins, kimageformat-plugins, qttranslations5-l10n")
include(CPack)
