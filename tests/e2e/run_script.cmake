# Runs one program through `orrinvale --script` and compares what it prints
# (output, then any error line) with the expected text stored beside it (NAME.out).
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(dir ${SCRIPT} DIRECTORY)
execute_process(COMMAND ${PROGRAM} --script ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc TIMEOUT 120)
file(READ ${dir}/${name}.out expected)
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "script ${name} (exit ${rc}): output differs from ${name}.out:\n${out}")
endif()
