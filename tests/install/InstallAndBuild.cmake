# cmake -P script: install BUILD_DIR into WORK_DIR/prefix, check that the
# installed libraries export none of their private classes (NM), then
# configure, build and run the consumer project against that prefix.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# Classes behind the public headers: a host that could link them would hold
# the libraries to their layout. Any *Private class counts too (Qt's own
# QtPrivate, QHashPrivate and the like, which templates bring in, aside).
set(private_classes ItemStore PropListPainter PropListSurface EditorControl clsCalendar
    ColorPopup CodeStore CodeTokenizer CodeLayout EditingEngine FigureCollection FigureHistory
    cDIB32 cTile CTooltip GoldButton TabStrip Zel_AreaScroller)
list(JOIN private_classes "|" private_pattern)
set(private_pattern "(^|[^A-Za-z0-9_])(${private_pattern}|[A-Za-z0-9_]*Private)::")
foreach(library ZelCommon Zonecraft Tabulon Glyphon)
  file(GLOB installed ${prefix}/lib*/lib${library}.so)
  if(NOT installed)
    message(FATAL_ERROR "lib${library}.so was not installed under ${prefix}")
  endif()
  execute_process(COMMAND ${NM} -D -C --defined-only ${installed}
    RESULT_VARIABLE result OUTPUT_VARIABLE symbols ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${installed}: ${error}")
  endif()
  # One symbol a line; vtable and typeinfo lines name the class without a
  # "::" after it, so one is added.
  string(REGEX REPLACE "Q[A-Za-z]*Private::" "" plain "${symbols}")
  string(REGEX REPLACE " for ([A-Za-z0-9_:]+)\n" " for \\1::\n" plain "${plain}")
  string(REGEX MATCHALL "[^\n]*${private_pattern}[^\n]*" leaks "${plain}")
  if(leaks)
    string(REPLACE ";" "\n  " leaks "${leaks}")
    message(FATAL_ERROR "lib${library}.so exports private classes:\n  ${leaks}")
  endif()
  string(REGEX MATCHALL "\n" lines "${symbols}")
  list(LENGTH lines count)
  message(STATUS "lib${library}.so: ${count} exported symbols, no private class")
endforeach()
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/host)
