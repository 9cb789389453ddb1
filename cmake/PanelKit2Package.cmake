# The exported CMake package. The layers and the whole library install themselves (see
# panelkit2/CMakeLists.txt), the Qt view too when it was built (qt/CMakeLists.txt); this
# writes the export sets and the files find_package(PanelKit2) reads.
include(CMakePackageConfigHelpers)

set(PANELKIT2_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/PanelKit2)

install(EXPORT PanelKit2Targets NAMESPACE PanelKit2:: DESTINATION ${PANELKIT2_CMAKE_DIR})

# The view goes in an export set of its own so the library's targets never refer to Qt.
if(TARGET panelkit2_qt)
    set(PANELKIT2_INSTALL_QT TRUE)
    install(EXPORT PanelKit2QtTargets NAMESPACE PanelKit2:: DESTINATION ${PANELKIT2_CMAKE_DIR})
else()
    set(PANELKIT2_INSTALL_QT FALSE)
endif()

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/PanelKit2Config.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/PanelKit2Config.cmake
                              INSTALL_DESTINATION ${PANELKIT2_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PanelKit2ConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/PanelKit2Config.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/PanelKit2ConfigVersion.cmake
        DESTINATION ${PANELKIT2_CMAKE_DIR})
