# A copy of the program finds the resource library only in its own folder's
# "resource" folder: without it the loader refuses to start it; with it the
# copy runs (its resource report, which needs no screen).
#   cmake -DPROGRAM=<trelamondo> -DLIBRARY=<libtwresource.so> -DSCRATCH=<folder> -P RunPath.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${PROGRAM} DESTINATION ${SCRATCH})
get_filename_component(name ${PROGRAM} NAME)
execute_process(COMMAND ${SCRATCH}/${name} z RESULT_VARIABLE code ERROR_VARIABLE err WORKING_DIRECTORY ${SCRATCH})
if(code EQUAL 0 OR NOT err MATCHES "libtwresource")
  message(FATAL_ERROR "a copy without its resource library started (${code}): ${err}")
endif()
file(COPY ${LIBRARY} DESTINATION ${SCRATCH}/resource)
execute_process(COMMAND ${SCRATCH}/${name} z RESULT_VARIABLE code ERROR_VARIABLE err WORKING_DIRECTORY ${SCRATCH})
if(NOT code EQUAL 0)
  message(FATAL_ERROR "a copy with its own resource library did not run (${code}): ${err}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
