# Installation of velmora-gen's manual page, and the Debian package of both
# programs. The programs, the desktop entry and the icon are installed by
# their own directories.

# Debian wants manual pages compressed; -n keeps the bytes independent of
# the build time.
set(VELMORA_MAN_PAGE ${CMAKE_BINARY_DIR}/packaging/velmora-gen.1.gz)
add_custom_command(
  OUTPUT ${VELMORA_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/velmora-gen.1 > ${VELMORA_MAN_PAGE}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/velmora-gen.1
  COMMENT "Compressing the velmora-gen manual page"
  VERBATIM)
add_custom_target(velmora_man_page ALL DEPENDS ${VELMORA_MAN_PAGE})
install(FILES ${VELMORA_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "velmora")
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora developers <developers@velmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Capacitive-touch slider and button part types for PCB layout")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora generates the pad patterns of capacitive-touch sliders and buttons as Quarlin component text, KiCad footprints or SVG previews. velmora is the window; velmora-gen gives the same generators and a design-rule report to scripts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Debian 12 (bookworm): Qt 6.4; the platform plugins let the window start.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.36), libstdc++6 (>= 12), libgcc-s1 (>= 3.0), libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins (>= 6.4)")
include(CPack)

# The package holds exactly the expected files and unpacks into a scratch
# root with dpkg. Run after a build: it packages the build tree.
if(BUILD_TESTING OR NOT DEFINED BUILD_TESTING)
  add_test(NAME velmora_debian_package
           COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/check-deb.sh ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_LIST_DIR}/deb-contents.txt)
  set_tests_properties(velmora_debian_package PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()
