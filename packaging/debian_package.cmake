# The Debian package: `cpack -G DEB` in a build folder makes tintamar_<version>_<arch>.deb, which
# installs everything above under /usr. The libraries it needs come from dpkg-shlibdeps; the fonts
# the text tool's faces are sent to (toolbox/font_faces.cpp) and the desktop's opener for Help and
# the About box's link are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintamar)
set(CPACK_PACKAGE_VENDOR "The Tintamar team")
set(CPACK_PACKAGE_CONTACT "The Tintamar team <team@tintamar.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "painting program for young children")
set(CPACK_PACKAGE_DESCRIPTION
    "Tintamar turns the whole screen into a playroom for painting. A yellow table
along the bottom holds the tools and eight pots of colour, and the picture
fills the rest. A child picks up a tool with one click, paints with the mouse
and hears a sound for everything they do.

The tools lie on five shelves: pencil, paintbrush, eraser, spray can, ruler,
shape template, paint pot, colour dropper and scissors; six texture brushes;
three books of stamps; six effect tools; and a chisel with five fancy brushes.
Colouring pages start new pictures, and pictures are saved into a gallery in
the child's pictures folder, from where they open again and print.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tintamar.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-urw-base35, xdg-utils")
# Without it the Tintamar folder is ~/Pictures/Tintamar even where the desktop's pictures folder
# has another name.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-user-dirs")
include(CPack)
