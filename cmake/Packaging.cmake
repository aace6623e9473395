# The Debian package (cpack -G DEB in the build folder): the programs and the
# files of dist/, installed under /usr, with the libraries they need found by
# dpkg-shlibdeps. Its version is the project's.
set(CPACK_PACKAGE_NAME kel-converter)
set(CPACK_PACKAGE_VENDOR "Kel converter developers")
set(CPACK_PACKAGE_CONTACT "Kel converter developers <kel-converter@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converter of chart files (*.kel) to their text form")
set(CPACK_PACKAGE_DESCRIPTION "Converts chart files (*.kel) to their text form and exports\n\
their series values to XML, from a window (kel-converter) or from the\n\
command line (kelconv).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
