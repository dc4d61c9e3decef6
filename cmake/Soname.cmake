# The soname of a shared library file, for the libraries opened on demand
# (common/OnDemandLibrary.h): the name the dynamic loader finds it by at run time,
# which the unversioned development link need not be.
function(tellvane_soname out file)
    execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${file} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
    if(failed OR NOT dynamic MATCHES "SONAME +([^ \n]+)")
        message(FATAL_ERROR "no soname found in ${file}")
    endif()
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
