# Installation: the libraries, their public headers, an exported CMake package
# (find_package(Tellvane) gives Tellvane::core — the layers common to control —,
# Tellvane::canvas, Tellvane::recording, Tellvane::hostkit, Tellvane::raster (with Tellvane::fileout, its way to a file), Tellvane::pagewriter and,
# built with Qt, Tellvane::qt) and pkg-config files (tellvane, and tellvane-qt with Qt).
include(CMakePackageConfigHelpers)

set(TELLVANE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Tellvane)

# What the package holds: every layer declared with tellvane_layer, which also
# installs that layer's public headers (an explicit list in its CMakeLists.txt).
get_property(tellvane_installed_targets GLOBAL PROPERTY TELLVANE_INSTALLED_TARGETS)
set(tellvane_qt_components "")
if(TELLVANE_WITH_QT)
    list(APPEND tellvane_qt_components Widgets Gui)
endif()

install(TARGETS ${tellvane_installed_targets} EXPORT TellvaneTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

install(EXPORT TellvaneTargets NAMESPACE Tellvane:: DESTINATION ${TELLVANE_PACKAGE_DIR})
configure_package_config_file(cmake/TellvaneConfig.cmake.in ${PROJECT_BINARY_DIR}/TellvaneConfig.cmake
    INSTALL_DESTINATION ${TELLVANE_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TellvaneConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TellvaneConfig.cmake ${PROJECT_BINARY_DIR}/TellvaneConfigVersion.cmake
    DESTINATION ${TELLVANE_PACKAGE_DIR})

# The pkg-config files find the prefix from where they lie, so that an install
# under another prefix (cmake --install --prefix) still describes itself.
file(RELATIVE_PATH TELLVANE_PC_TO_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" TELLVANE_PC_TO_PREFIX "${TELLVANE_PC_TO_PREFIX}")
set(TELLVANE_PC_DL_FLAG "")
if(CMAKE_DL_LIBS)
    set(TELLVANE_PC_DL_FLAG "-l${CMAKE_DL_LIBS}")
endif()
set(tellvane_pc_files tellvane)
if(TELLVANE_WITH_QT)
    list(APPEND tellvane_pc_files tellvane-qt)
endif()
foreach(pc ${tellvane_pc_files})
    configure_file(cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
