# Runs the picture generator into a fresh folder and compares every file it
# writes with the one committed in data/: the pictures must come out byte for
# byte the same, so that the committed files are the generator's own.
#   cmake -DGENERATOR=... -DDATA=... -DOUT=... -P pictures_reproducible.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(
  COMMAND "${GENERATOR}" --data "${DATA}" --out "${OUT}"
  RESULT_VARIABLE result
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the generator failed (${result}): ${errors}")
endif()
file(GLOB drawn RELATIVE "${OUT}" "${OUT}/*")
list(LENGTH drawn count)
if(count LESS 20)
  message(FATAL_ERROR "the generator wrote only ${count} files: ${drawn}")
endif()
set(different "")
foreach(name IN LISTS drawn)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${DATA}/${name}"
    RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND different "${name}")
  endif()
endforeach()
if(different)
  message(FATAL_ERROR "not the committed bytes (run scripts/draw-pictures): ${different}")
endif()
message(STATUS "${count} pictures drawn, all as committed")
