# Installs the build into a prefix of its own and compiles every installed header
# alone, as the first include of a host's file, with the flags pkg-config gives a
# host: tellvane's for the toolkit-free layers, tellvane-qt's for qt/. A header
# that leans on one the package does not install, or on an include its includer
# happened to make first, fails here with the header named.
# Run with cmake -P and the variables BUILD_DIR, WORK_DIR, CXX, CXX_FLAGS and WITH_QT.

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the build could not be installed (${status})")
endif()
file(GLOB pc_dirs ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
string(JOIN ":" pc_path ${pc_dirs})
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")

function(cflags_of package out)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_path} pkg-config --cflags ${package}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "pkg-config does not know ${package} under ${pc_path}")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()
cflags_of(tellvane core_flags)
if(WITH_QT)
    cflags_of(tellvane-qt qt_flags)
endif()

set(includedir ${prefix}/include/tellvane)
file(GLOB_RECURSE headers RELATIVE ${includedir} ${includedir}/*.h)
list(LENGTH headers count)
if(count EQUAL 0)
    message(FATAL_ERROR "no headers installed under ${includedir}")
endif()
set(failed "")
foreach(header ${headers})
    string(MAKE_C_IDENTIFIER ${header} name)
    set(source ${WORK_DIR}/${name}.cpp)
    file(WRITE ${source} "#include \"${header}\"\n")
    set(flags ${core_flags})
    if(header MATCHES "^qt/")
        set(flags ${qt_flags})
    endif()
    execute_process(COMMAND ${CXX} -std=c++20 -fPIC -fsyntax-only ${cxx_flags} ${flags} ${source}
        RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        string(REGEX MATCH "[^\n]*error[^\n]*" first "${errors}")
        message("${header}: does not compile alone: ${first}")
        list(APPEND failed ${header})
    endif()
endforeach()
list(LENGTH failed failures)
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} of ${count} installed headers do not compile alone")
endif()
message("all ${count} installed headers compile alone")
