# SPDX-License-Identifier: MIT
# The Debian package: `cpack` in a build folder writes tickwell_<version>_<arch>.deb. The
# version is the project's; the dependencies are the Qt runtime libraries found by
# dpkg-shlibdeps, plus what Qt loads at run time without linking it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tickwell)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the long description as it stands: lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tickwell counts elapsed time on two independent counters, shown as large\n"
       "hour, minute and second digits. Either counter can be reset, the first can\n"
       "beep on every tick, and its colours, font and speed can be changed. Every\n"
       "caption switches between English and Farsi while the program runs.")
# No address reaches the project, so the default names the developers at a domain that is
# reserved never to exist (RFC 2606); whoever publishes the package sets their own.
set(CPACK_PACKAGE_CONTACT "Tickwell developers <developers@tickwell.invalid>"
    CACHE STRING "Maintainer of the Debian package, as Name <address>")
set(CPACK_STRIP_FILES ON)
# Stripping keeps the compiler's .comment and .note sections, which Debian's strip drops as well.
set(installedProgram "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tickwell")
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
                            \"${installedProgram}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# CPack names this machine's architecture; a cross build's package is for its target's.
if(CMAKE_CROSSCOMPILING)
  execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The xcb platform plugin, a face with Arabic-script glyphs for the Farsi captions, and the bell:
# libcanberra, which the program loads at its first ring, and the sound theme it plays. The
# sound server's backend is recommended: without it the display's bell rings instead. Qt's own
# Wayland platform is only suggested: installed by default, it would move every Qt 6 program on
# GNOME from XWayland to Qt's plain window decorations, and Tickwell runs well on XWayland. The
# free stand-ins for the Windows faces that the designs name are recommended: without them a
# missing face draws in the desktop's own.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-dejavu-core, libcanberra0, sound-theme-freedesktop")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse, fonts-dejavu-extra, fonts-liberation, \
fonts-sil-charis, fonts-comic-neue, fonts-bebas-neue")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)

# The changelog's latest entry names the version being packaged.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/changelog latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^tickwell \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/changelog: the latest entry is not for version ${PROJECT_VERSION}")
endif()
