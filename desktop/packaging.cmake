# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` installs.
# Its dependencies are computed from the program's shared libraries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME simple-tallomat)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${TALLOMAT_NAME} developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_DESCRIPTION
    "A single-window scientific calculator: the four operations, remainder, power and rounding, "
    "roots, reciprocal, factorial, exponential and logarithms, sine, cosine and tangent in degrees "
    "or radians, and one memory register.")
set(CPACK_PACKAGE_CONTACT "${CPACK_PACKAGE_VENDOR} <developers@simpletallomat.invalid>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
