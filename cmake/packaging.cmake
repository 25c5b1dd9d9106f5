# `cpack` in a build directory: a Debian package of the Linux build, or a .zip of the Windows one.
set(CPACK_PACKAGE_NAME mailfolder)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The mailfolder developers")
set(CPACK_PACKAGE_CONTACT "The mailfolder developers <mailfolder@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "report on the folder hierarchy of a mail store")
# Lines of at most 72 columns, as Debian's control files want them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "mailfolder is run in the directory of a mail store. It reads the store's"
    "hierarchy file, HIERARCH.QX, checks for every folder record whether the"
    "folder's message file is present, and prints a plain-text report: the"
    "main folder ID, the trays, and every record outside and inside the main"
    "folder, each folder with its message file name and a Y or N mark."
    "It changes no file.")
set(CPACK_STRIP_FILES ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME mailfolder-${PROJECT_VERSION}-windows-x86_64)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # Dependencies are read off the built program by dpkg-shlibdeps, never written by hand.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
