# Helpers shared by the libraries, tests and benchmarks.

# zel_add_library(<Name> NAMESPACE_NAME <Name> SOURCES ... PUBLIC_HEADERS ... [HEADER_DIR dir])
# Builds a shared library, an ALIAS <Name>::<Name>, and installs it with its
# public headers and CMake package files so a host writes find_package(<Name>).
function(zel_install_library target header_dir)
  cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
  add_library(${target}::${target} ALIAS ${target})
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
    EXPORT_NAME ${target})
  install(TARGETS ${target} EXPORT ${target}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(FILES ${ARG_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${header_dir})
  install(EXPORT ${target}Targets NAMESPACE ${target}::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${target})
  set(config_in ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake.in)
  file(WRITE ${config_in} "@PACKAGE_INIT@\ninclude(CMakeFindDependencyMacro)\nfind_dependency(Qt6 COMPONENTS Widgets)\n")
  if(NOT target STREQUAL "ZelCommon")
    file(APPEND ${config_in} "find_dependency(ZelCommon)\n")
  endif()
  file(APPEND ${config_in} "include(\"\${CMAKE_CURRENT_LIST_DIR}/${target}Targets.cmake\")\n")
  configure_package_config_file(${config_in} ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${target})
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake
                ${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${target})
endfunction()

# zel_add_test(<name> SOURCES ... LIBS ...): a Qt Test program run by CTest
# headless, with a pinned locale.
function(zel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  # Every test process pins its locale, whatever LANG it runs under.
  if(NOT TARGET zel_pinned_locale)
    add_library(zel_pinned_locale OBJECT ${PROJECT_SOURCE_DIR}/tests/PinnedLocale.cpp)
    target_link_libraries(zel_pinned_locale PRIVATE Qt6::Core)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE zel_pinned_locale Qt6::Test Qt6::Widgets ${ARG_LIBS})
  # Shared test helpers: #include <TestSupport.h>.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false"
    TIMEOUT 300)
endfunction()

# zel_add_benchmark(<name> SOURCES ... LIBS ...): a Google Benchmark program.
function(zel_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE benchmark::benchmark Qt6::Widgets ${ARG_LIBS})
endfunction()
