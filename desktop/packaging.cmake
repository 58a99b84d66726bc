# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` installs.
# Its library dependencies are computed from the program's shared libraries by dpkg-shlibdeps;
# the fonts that the window asks for by name (Liberation Sans and Serif, DejaVu Sans) are added
# here: without them Qt falls back to another family and the serif captions turn sans. So is the
# hicolor theme, whose index makes the icons findable where nothing else installed it.
set(CPACK_PACKAGE_NAME simple-tallomat)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${TALLOMAT_NAME} developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
# Debian's control file keeps these lines as they are: each within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [=[
A single-window scientific calculator: the four operations, remainder, power
and rounding, roots, reciprocal, factorial, exponential and logarithms, sine,
cosine and tangent in degrees or radians, and one memory register.]=])
set(CPACK_PACKAGE_CONTACT "${CPACK_PACKAGE_VENDOR} <developers@simpletallomat.invalid>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core, hicolor-icon-theme")
# Qt then runs natively on a Wayland session, and speaks its own texts (the display's context
# menu, the message box's button) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)

# Debian's rules: the licence in machine-readable form, and the changelog of a native package,
# both where every Debian package keeps them.
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
configure_file(copyright.in copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${doc_dir})
configure_file(changelog changelog COPYONLY)
install_gzipped(${CMAKE_CURRENT_BINARY_DIR}/changelog ${doc_dir})
