# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME vantrel-orvandel)
set(CPACK_PACKAGE_VENDOR "Vantrel Inc.")
set(CPACK_PACKAGE_CONTACT "Vantrel Orvandel developers <orvandel@tessaly.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Su Doku assistant that solves puzzles and explains every step")
# Lines of at most 80 characters, as Debian reads the description.
set(CPACK_PACKAGE_DESCRIPTION
    "Vantrel Orvandel solves 9x9 Su Doku puzzles typed into its grid or opened\n\
from a file, keeps the solution hidden until asked, reveals single cells as\n\
hints, and shows the solver's reasoning one sentence per step, also on the\n\
board, step by step. A command-line solver, orvandel-solve, checks whole\n\
puzzle collections.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ORVANDEL_WEB_SITE}")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Library dependencies are read off the binaries; the Qt platform plugins and the grid's font are
# loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own texts (file and print dialogs) in the person's language; the program's are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
