# Installation under /usr and the Debian package (scripts/package.sh runs cpack):
# the window program, quillmark, quillmark-virtual-printer, the desktop entry
# with its icons, AppStream metainfo, the udev rule for USB printer nodes,
# manual pages and the bash completion (the last two come from tools/cli).
set(QM_APP_ID org.quillmark.QuillmarkSystem)
set(QM_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(QM_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${QM_PACKAGING_OUT})

install(TARGETS QuillmarkSystem RUNTIME DESTINATION bin)
if(TARGET quillmark-virtual-printer)
  install(TARGETS quillmark-virtual-printer RUNTIME DESTINATION bin)
endif()

install(FILES ${QM_PACKAGING_DIR}/${QM_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${QM_PACKAGING_DIR}/${QM_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${QM_PACKAGING_DIR}/icons/${QM_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${QM_PACKAGING_DIR}/copyright DESTINATION share/doc/quillmark-system)
# USB printer nodes for the user at the seat (uaccess).
install(FILES ${QM_PACKAGING_DIR}/udev/70-quillmark-system.rules DESTINATION lib/udev/rules.d)

# Gzipped files made at build time: changelog and the window's manual page.
set(QM_GZIPPED)
foreach(pair "changelog|changelog.gz" "QuillmarkSystem.1|QuillmarkSystem.1.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 src)
  list(GET pair 1 out)
  add_custom_command(OUTPUT ${QM_PACKAGING_OUT}/${out}
    COMMAND gzip -9nc ${QM_PACKAGING_DIR}/${src} > ${QM_PACKAGING_OUT}/${out}
    DEPENDS ${QM_PACKAGING_DIR}/${src})
  list(APPEND QM_GZIPPED ${QM_PACKAGING_OUT}/${out})
endforeach()
install(FILES ${QM_PACKAGING_OUT}/changelog.gz DESTINATION share/doc/quillmark-system)
install(FILES ${QM_PACKAGING_OUT}/QuillmarkSystem.1.gz DESTINATION share/man/man1)

# PNG icons of the usual hicolor sizes, drawn from the SVG.
set(QM_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(QM_RSVG_CONVERT rsvg-convert)
set(QM_ICON_PNGS)
if(QM_RSVG_CONVERT)
  foreach(size ${QM_ICON_SIZES})
    set(png ${QM_PACKAGING_OUT}/icons/${size}x${size}/${QM_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${QM_PACKAGING_OUT}/icons/${size}x${size}
      COMMAND ${QM_RSVG_CONVERT} -w ${size} -h ${size} ${QM_PACKAGING_DIR}/icons/${QM_APP_ID}.svg -o ${png}
      DEPENDS ${QM_PACKAGING_DIR}/icons/${QM_APP_ID}.svg)
    list(APPEND QM_ICON_PNGS ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(STATUS "rsvg-convert not found: only the scalable icon (scripts/deps.sh installs librsvg2-bin)")
endif()

# Manual page of the virtual printer, from its --help.
set(QM_VPRINTER_MAN)
if(TARGET quillmark-virtual-printer AND QM_HELP2MAN)
  set(QM_VPRINTER_MAN ${QM_PACKAGING_OUT}/quillmark-virtual-printer.1.gz)
  add_custom_command(OUTPUT ${QM_VPRINTER_MAN}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:quillmark-virtual-printer> -DHELP2MAN=${QM_HELP2MAN}
            -DOUT=${QM_VPRINTER_MAN} -DVERSION=${PROJECT_VERSION} -DKIND=vprinter
            -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
    DEPENDS quillmark-virtual-printer ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake)
  install(FILES ${QM_VPRINTER_MAN} DESTINATION share/man/man1)
endif()
add_custom_target(quillmark_packaging_files ALL DEPENDS ${QM_GZIPPED} ${QM_ICON_PNGS} ${QM_VPRINTER_MAN})

# The Debian package: quillmark-system_<version>_amd64.deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark-system)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QuillmarkSystem developers")
set(CPACK_PACKAGE_CONTACT "QuillmarkSystem developers <packages@quillmark.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find, configure and test thermal receipt printers")
# The synopsis comes from the summary; CPack indents these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "QuillmarkSystem finds thermal receipt printers of the KVZ-L7 family on the
local network, on USB, on a serial port or in the print spooler (CUPS),
changes their settings, reads their status and prints test material.

The package holds the window program, the command line program quillmark
for scripts and monitoring (LAN search, every command operation, status with
an exit status, raw jobs) and quillmark-virtual-printer, an emulated printer
for trying both without hardware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME quillmark-system)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries come from dpkg-shlibdeps; these are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qml-module-qtquick2, qml-module-qtquick-window2, qml-module-qtquick-controls2, qml-module-qtquick-controls, qml-module-qtquick-layouts, qml-module-qtgraphicaleffects, qml-module-qt-labs-platform, qml-module-qtquick-dialogs, libqt5svg5, fonts-wqy-microhei | fonts-noto-cjk")
# Text printed as a picture is drawn with the system's fonts: these cover the
# scripts the CJK font lacks (Thai, Arabic, Hebrew, Devanagari, ...).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
