# The Debian package that scripts/package.sh builds with `cpack -G DEB`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME moxabc)
set(CPACK_PACKAGE_VENDOR "The MOX-ABC developers")
set(CPACK_PACKAGE_CONTACT "The MOX-ABC developers <moxabc@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from dpkg-shlibdeps; what is loaded at run time is named here: the window
# system plugin, the fonts the windows are drawn with, the voice's German data, and the audio
# libraries of Qt Multimedia with the plugin it loads for them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-comic-neue, fonts-dejavu-core, \
libespeak-ng1, espeak-ng-data, libqt6multimedia6, libsodium23")
# Qt's print and preview dialogs in German; without it they speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ABC exercises for children - ABC-Übungen für Kinder")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[MOX-ABC helps children of six to nine years learn the German alphabet
with short exercises: sorting letters and words into ABC order, finding
missing letters, joining dots in ABC order and looking words up in the
class dictionary. Right answers earn points for reward games. Behind a
password the teacher prints ABC worksheets. All texts are German, and the
program reads them aloud for children who cannot read yet.

MOX-ABC hilft Kindern von sechs bis neun Jahren, das ABC zu lernen:
Buchstaben und Wörter nach dem ABC ordnen, fehlende Buchstaben finden,
Punkte nach dem ABC verbinden und Wörter im Klassenwörterbuch nachschlagen.
Richtige Antworten bringen Punkte für Belohnungsspiele. Hinter einem
Passwort druckt die Lehrkraft ABC-Arbeitsblätter. Das Programm liest alle
Texte vor, für Kinder, die noch nicht lesen können.]=])

include(CPack)
