# The manual pages with the program's version from project() filled in; sets
# CHRONOFLIP_MANUAL_PAGES to their paths in the build folder.
set(CHRONOFLIP_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(CHRONOFLIP_MANUAL_PAGES "")
foreach(page chronoflip chronoflip-cli)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${page}.1.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${page}.1 @ONLY)
  list(APPEND CHRONOFLIP_MANUAL_PAGES ${CMAKE_CURRENT_BINARY_DIR}/${page}.1)
endforeach()
