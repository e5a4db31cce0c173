# What `cmake --install` puts under the prefix: the runtime as one static
# library (libvendril.a), the process entry (vendril/vendril_main.o), the
# headers under include/vendril with vendril.h at the top, vendril-pack, the
# CMake package Vendril and the pkg-config file vendril.pc.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Every layer's objects in one archive, so a program links one library.
set(layer_objects)
foreach(dir ${VENDRIL_RUNTIME_FOLDERS})
  list(APPEND layer_objects $<TARGET_OBJECTS:vendril_${dir}>)
endforeach()
add_library(vendril_archive STATIC $<TARGET_OBJECTS:vendril_pack> ${layer_objects})
set_target_properties(vendril_archive PROPERTIES OUTPUT_NAME vendril LINKER_LANGUAGE CXX)

install(TARGETS vendril_archive ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES $<TARGET_OBJECTS:vendril_main> DESTINATION ${CMAKE_INSTALL_LIBDIR}/vendril RENAME vendril_main.o)
install(TARGETS vendril-pack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES vendril.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vendril)
foreach(dir ${VENDRIL_RUNTIME_FOLDERS})
  install(DIRECTORY ${dir} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vendril FILES_MATCHING PATTERN "*.h")
endforeach()

# A sanitizer build's objects call into the sanitizer runtimes, so whatever
# links them must be built and linked with the same flags: the package and
# vendril.pc carry them.
set(VENDRIL_USAGE_FLAGS "")
if(VENDRIL_SANITIZE)
  set(VENDRIL_USAGE_FLAGS -fsanitize=address,undefined)
endif()
list(JOIN VENDRIL_USAGE_FLAGS " " VENDRIL_USAGE_FLAGS_TEXT)
list(JOIN VENDRIL_PKG_MODULES " " VENDRIL_PKG_LIST)

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Vendril)
configure_package_config_file(cmake/VendrilConfig.cmake.in ${PROJECT_BINARY_DIR}/VendrilConfig.cmake
  INSTALL_DESTINATION ${package_dir}
  PATH_VARS CMAKE_INSTALL_LIBDIR CMAKE_INSTALL_INCLUDEDIR CMAKE_INSTALL_BINDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VendrilConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VendrilConfig.cmake ${PROJECT_BINARY_DIR}/VendrilConfigVersion.cmake
  cmake/VendrilPack.cmake DESTINATION ${package_dir})

# The prefix is found from the file's own place, so the prefix can move.
file(RELATIVE_PATH VENDRIL_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/vendril.pc.in ${PROJECT_BINARY_DIR}/vendril.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vendril.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The new-game template and the script that copies it.
install(DIRECTORY templates/new-game DESTINATION ${CMAKE_INSTALL_DATADIR}/vendril/templates)
install(PROGRAMS tools/new-game DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME vendril-new-game)
