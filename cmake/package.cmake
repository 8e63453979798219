# SPDX-License-Identifier: MIT
# The Debian package: `cpack` in a build folder writes tickwell_<version>_<arch>.deb. The
# version is the project's; the dependencies are the Qt runtime libraries found by
# dpkg-shlibdeps, plus what Qt loads at run time without linking it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tickwell)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tickwell counts elapsed time on two independent counters shown as large hour, minute\n"
       "and second digits. Either counter can be reset, the first can beep on every tick and\n"
       "its look and speed can be changed. Captions switch between English and Farsi at run\n"
       "time.")
set(CPACK_PACKAGE_CONTACT "Arman Tavakoli <tickwell@users.noreply.github.com>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/tickwell/tickwell")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The xcb platform plugin, and a face with Arabic-script glyphs for the Farsi captions.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
include(CPack)
