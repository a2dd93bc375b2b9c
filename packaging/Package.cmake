# `cpack -G DEB` in a build folder makes tintwell_<version>_<arch>.deb (scripts/package.sh
# does it all). Its runtime dependencies come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME tintwell)
set(CPACK_PACKAGE_VENDOR "The Tintwell developers")
set(CPACK_PACKAGE_CONTACT "The Tintwell developers <tintwell@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker that copies colours as code")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TINTWELL_REPOSITORY})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The synopsis is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tintwell composes one colour at a time with sliders, its hex code, the\n\
standard colours, a 216-colour safe palette or the colour dialog, shows it in\n\
a large preview and copies it as HTML, C, VB, POV-Ray and other notations.\n\
A tag editor composes the five colours of an HTML BODY tag and keeps named\n\
schemes.")
include(CPack)
