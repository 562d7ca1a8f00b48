# The Debian package (cpack -G DEB in the build folder): the install layout under /usr.
# Its dependencies are the Debian packages of the libraries the program and its own
# libraries link (dpkg-shlibdeps), TinyXML at least with Debian's parser fixes (as
# scripts/deps asks), and the CJK font the texts and PDFs are drawn with.
set(OLV_PACKAGE_MAINTAINER "Olvanta <dev@olvanta.local>" CACHE STRING "Maintainer named in the packages")

set(CPACK_PACKAGE_NAME olvanta)
set(CPACK_PACKAGE_VENDOR Olvanta)
set(CPACK_PACKAGE_CONTACT "${OLV_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "IR remote controller firmware designer")
set(CPACK_PACKAGE_DESCRIPTION
    "Olvanta builds the firmware of an infrared remote controller for the maker's microcontrollers:\n\
chip and package, IR protocol, keys, LEDs and LCD on the chip's pins, and a firmware project\n\
generated from templates. It draws the application circuit to PDF and captures and decodes\n\
real remotes through a USB receiver board.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libtinyxml2.6.2v5 (>= 2.6.2-6+deb12u1), fonts-wqy-microhei")

include(CPack)
