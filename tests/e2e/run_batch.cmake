# Runs one batch script through the program and compares its output with the
# expected output stored beside it (NAME.out), when there is one.
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(dir ${SCRIPT} DIRECTORY)
file(MAKE_DIRECTORY ${OUTDIR})
execute_process(COMMAND ${PROGRAM} --batch ${SCRIPT}
                WORKING_DIRECTORY ${OUTDIR}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 300)
file(WRITE ${OUTDIR}/${name}.actual "${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "batch ${name} failed (${rc}):\n${err}\n${out}")
endif()
if(EXISTS ${dir}/${name}.out)
  file(READ ${dir}/${name}.out expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "batch ${name}: output differs from ${name}.out; actual output in ${OUTDIR}/${name}.actual\n${out}")
  endif()
endif()
