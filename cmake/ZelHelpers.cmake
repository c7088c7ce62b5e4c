# Helpers shared by the libraries, tests and benchmarks.

include(GenerateExportHeader)

# zel_add_library(<Name> HEADER_DIR <dir> SOURCES ... [PUBLIC_HEADERS ...]
#                 [LINK <library>...] [OBJECTS <object library>...])
#
# Builds the shared library <Name> from an OBJECT library <Name>Internals
# that holds the compiled sources, so a test reaches the internal classes by
# linking <Name>Internals (see zel_link_internals) while the shared library
# exports only what its public headers mark with <NAME>_EXPORT, from the
# generated <dir>/<name>_export.h. Hosts include <dir>/<header>.h: in the
# build tree through forwarding headers, once installed through the copied
# public headers. LINK names the other shared libraries this one builds on
# (their Internals give <Name>Internals its include paths); OBJECTS names
# object libraries compiled into this one. Installs the library, its
# headers and the CMake package files, so a host writes
# find_package(<Name> 0.1).
function(zel_add_library name)
  cmake_parse_arguments(ARG "" "HEADER_DIR" "SOURCES;PUBLIC_HEADERS;LINK;OBJECTS" ${ARGN})
  string(TOUPPER ${name} upper)
  string(TOLOWER ${name} lower)
  set(internals ${name}Internals)
  set(include_dir ${CMAKE_CURRENT_BINARY_DIR}/include)
  set(export_header ${include_dir}/${ARG_HEADER_DIR}/${lower}_export.h)

  add_library(${internals} OBJECT ${ARG_SOURCES})
  add_library(${name} SHARED)
  add_library(${name}::${name} ALIAS ${name})

  # The objects are compiled as the library's own: <NAME>_EXPORT marks a
  # symbol exported, everything else stays inside the library.
  generate_export_header(${name} BASE_NAME ${upper} EXPORT_FILE_NAME ${export_header})
  set_target_properties(${internals} PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_compile_definitions(${internals} PRIVATE ${name}_EXPORTS)
  target_include_directories(${internals} PUBLIC ${include_dir})
  target_link_libraries(${internals} PUBLIC Qt6::Widgets)
  set(linked_objects)
  foreach(library ${ARG_LINK})
    target_link_libraries(${internals} PUBLIC ${library}Internals)
    get_target_property(more ${library}Internals ZEL_LINKED_OBJECTS)
    list(APPEND linked_objects ${more} ${library}Internals)
  endforeach()
  foreach(objects ${ARG_OBJECTS})
    target_link_libraries(${internals} PUBLIC ${objects})
    list(APPEND linked_objects ${objects})
  endforeach()
  list(FILTER linked_objects EXCLUDE REGEX "-NOTFOUND$")
  list(REMOVE_DUPLICATES linked_objects)
  # What a program linking <Name>Internals links beside it: the internals of
  # the libraries below and the object libraries compiled in.
  set_property(TARGET ${internals} PROPERTY ZEL_LINKED_OBJECTS ${linked_objects})

  set(public_headers ${ARG_PUBLIC_HEADERS})
  list(TRANSFORM public_headers PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ REGEX "^[^/]")
  foreach(header ${public_headers})
    get_filename_component(header_name ${header} NAME)
    file(CONFIGURE OUTPUT ${include_dir}/${ARG_HEADER_DIR}/${header_name}
      CONTENT "#pragma once\n#include \"${header}\"\n")
  endforeach()

  # The shared library is the objects and their public usage, nothing more.
  set_target_properties(${name} PROPERTIES
    AUTOMOC OFF
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
    EXPORT_NAME ${name})
  target_link_libraries(${name} PRIVATE ${internals} ${ARG_OBJECTS}
    PUBLIC ${ARG_LINK} Qt6::Widgets)
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${include_dir}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)

  install(TARGETS ${name} EXPORT ${name}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(FILES ${public_headers} ${export_header}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${ARG_HEADER_DIR})
  install(EXPORT ${name}Targets NAMESPACE ${name}::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${name})
  set(config_in ${CMAKE_CURRENT_BINARY_DIR}/${name}Config.cmake.in)
  set(config "@PACKAGE_INIT@\ninclude(CMakeFindDependencyMacro)\nfind_dependency(Qt6 COMPONENTS Widgets)\n")
  foreach(library ${ARG_LINK})
    string(APPEND config "find_dependency(${library} ${PROJECT_VERSION})\n")
  endforeach()
  string(APPEND config "include(\"\${CMAKE_CURRENT_LIST_DIR}/${name}Targets.cmake\")\n")
  file(WRITE ${config_in} "${config}")
  configure_package_config_file(${config_in} ${CMAKE_CURRENT_BINARY_DIR}/${name}Config.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${name})
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${name}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}Config.cmake
                ${CMAKE_CURRENT_BINARY_DIR}/${name}ConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/${name})
endfunction()

# zel_link_internals(<target> <Name>...): links <target> to the internals of
# the named libraries instead of the shared libraries, with every object
# library they need once. A program links either these or the shared
# libraries, never both: two copies of a library's statics would disagree.
function(zel_link_internals target)
  set(objects)
  foreach(library ${ARGN})
    get_target_property(more ${library}Internals ZEL_LINKED_OBJECTS)
    list(APPEND objects ${library}Internals ${more})
  endforeach()
  list(FILTER objects EXCLUDE REGEX "-NOTFOUND$")
  list(REMOVE_DUPLICATES objects)
  target_link_libraries(${target} PRIVATE ${objects})
endfunction()

# zel_add_test(<name> SOURCES ... [LIBS ...] [INTERNALS <Name>...]): a Qt Test
# program run by CTest headless, with a pinned locale. INTERNALS links the
# named libraries' internals (zel_link_internals), for a test of classes the
# shared libraries keep to themselves.
function(zel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;INTERNALS" ${ARGN})
  # Every test process pins its locale, whatever LANG it runs under.
  if(NOT TARGET zel_pinned_locale)
    add_library(zel_pinned_locale OBJECT ${PROJECT_SOURCE_DIR}/tests/PinnedLocale.cpp)
    target_link_libraries(zel_pinned_locale PRIVATE Qt6::Core)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE zel_pinned_locale Qt6::Test Qt6::Widgets ${ARG_LIBS})
  if(ARG_INTERNALS)
    zel_link_internals(${name} ${ARG_INTERNALS})
  endif()
  # Shared test helpers: #include <TestSupport.h>.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false"
    TIMEOUT 300)
endfunction()

# zel_add_benchmark(<name> SOURCES ... [LIBS ...] [INTERNALS <Name>...]): a
# Google Benchmark program; INTERNALS as for zel_add_test.
function(zel_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;INTERNALS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE benchmark::benchmark Qt6::Widgets ${ARG_LIBS})
  if(ARG_INTERNALS)
    zel_link_internals(${name} ${ARG_INTERNALS})
  endif()
endfunction()
