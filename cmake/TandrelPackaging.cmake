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
# The first packaging of each upstream version.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(TANDREL_PACKAGE_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})

# Compresses <source> into <target> the reproducible way (gzip -9n), as
# Debian wants documentation and manual pages.
function(tandrel_gzip source target)
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

# What Debian asks of every package: the copyright file and the changelog in
# its documentation folder, and a manual page for the program.
set(generated ${PROJECT_BINARY_DIR}/packaging)
configure_file(packaging/changelog.in ${generated}/changelog.Debian @ONLY)
tandrel_gzip(${generated}/changelog.Debian ${generated}/changelog.Debian.gz)
install(FILES packaging/copyright ${generated}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tandrel)
configure_file(packaging/tandrel.1.in ${generated}/tandrel.1 @ONLY)
tandrel_gzip(${generated}/tandrel.1 ${generated}/tandrel.1.gz)
install(FILES ${generated}/tandrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(CPack)
