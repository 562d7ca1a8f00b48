# The dist folder's data and the install layout.
#
# The program finds its data beside its own file (through /proc/self/exe on Linux), so the
# program folder stays whole. On Linux it goes to lib/olvanta under the prefix, started
# through a symbolic link in bin; the desktop entry, the icon and the project file's MIME
# type go under share, named as the program registers them for the user when it runs from a
# build folder, and the receiver board's udev rule goes to lib/udev/rules.d. On Windows the
# prefix is the program folder.

# The brand's project file type and program icon (its main window's, src/ui/resources).
if(OLV_BRAND STREQUAL "maker")
  set(OLV_PROJECT_TAG ov)
  set(OLV_PROGRAM_ICON ${CMAKE_SOURCE_DIR}/src/ui/resources/OlvantaIcon.png)
else()
  set(OLV_PROJECT_TAG lm)
  set(OLV_PROGRAM_ICON ${CMAKE_SOURCE_DIR}/src/ui/resources/LumoraIcon.png)
endif()
set(OLV_PROJECT_EXTENSION ${OLV_PROJECT_TAG}irprj)
set(OLV_PROJECT_MIME_TYPE application/x-olvanta-${OLV_PROJECT_TAG}irprjfile)

# The icon the user's file-type registration names (Images/Olvanta.png) is the brand's.
add_custom_target(dist_data ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/install ${OLV_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${OLV_PROGRAM_ICON} ${OLV_DIST_DIR}/Images/Olvanta.png
  COMMENT "Copying install data to dist")

install(DIRECTORY install/ DESTINATION ${OLV_INSTALL_PROGRAM_DIR} PATTERN udev EXCLUDE)
install(FILES ${OLV_PROGRAM_ICON} DESTINATION ${OLV_INSTALL_PROGRAM_DIR}/Images RENAME Olvanta.png)

if(NOT WIN32)
  set(desktop_dir ${CMAKE_BINARY_DIR}/desktop)
  file(MAKE_DIRECTORY ${desktop_dir})
  file(CREATE_LINK ../${OLV_INSTALL_PROGRAM_DIR}/olvanta ${desktop_dir}/olvanta SYMBOLIC)
  configure_file(cmake/olvanta.desktop.in ${desktop_dir}/olvanta.desktop @ONLY)
  configure_file(cmake/olvanta.xml.in ${desktop_dir}/olvanta.xml @ONLY)

  install(FILES ${desktop_dir}/olvanta DESTINATION bin)
  install(FILES ${desktop_dir}/olvanta.desktop DESTINATION share/applications)
  install(FILES ${desktop_dir}/olvanta.xml DESTINATION share/mime/packages)
  install(FILES ${OLV_PROGRAM_ICON} DESTINATION share/icons/hicolor/32x32/apps RENAME olvanta.png)
  install(FILES install/udev/70-olvanta-receiver.rules DESTINATION lib/udev/rules.d)
endif()
