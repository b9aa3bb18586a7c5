# `cpack -G DEB` in the build folder makes a Debian package of what
# `cmake --install` puts in place, under /usr.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane developers")
set(CPACK_PACKAGE_CONTACT "Corvane developers <dev@corvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "partnership card game of bidding and tricks against robots")
set(CPACK_PACKAGE_DESCRIPTION
  "Corvane is a card game for one person and three robots. You sit South and\n"
  "play with the robot North against West and East, with 52 cards and two\n"
  "jokers: bid a level, Uptown or Downtown, in trumps or No Trumps, take the\n"
  "kitty and play twelve tricks. corvane-sim plays whole games headless.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The card faces; without them the program draws plain ones.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS kdegames-card-data-kf5)
find_program(CORVANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CORVANE_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Debian 12's names, for a build machine without dpkg-dev.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6svg6, libqt6multimedia6")
endif()

include(CPack)
