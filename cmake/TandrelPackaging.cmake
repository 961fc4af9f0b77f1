# The Debian package: cpack -G DEB in the build folder makes
# tandrel_<version>_<arch>.deb of what the install rules install, under /usr.

set(CPACK_PACKAGE_NAME tandrel)
set(CPACK_PACKAGE_VENDOR "Tandrel developers")
set(CPACK_PACKAGE_CONTACT "Tandrel developers <dev@tandrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert correlation matrices to covariance matrices and back")
set(CPACK_PACKAGE_DESCRIPTION
    "Tandrel is a small desktop program for people who work with multivariate\n"
    "statistics. It turns a correlation matrix plus the standard deviations into\n"
    "a covariance matrix, and a covariance matrix into a correlation matrix. The\n"
    "matrices are typed or pasted as text and the result is copied as text.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies (Qt 6 Widgets, the C++ run time) come from the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
