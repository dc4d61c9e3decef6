# Installs the build into a prefix of its own, then configures, builds and runs a
# small host against it, once through find_package(Tellvane) and once through
# pkg-config. Run with cmake -P and the variables BUILD_DIR, HOST_SOURCE,
# WORK_DIR, GENERATOR, CXX, BUILD_TYPE, CXX_FLAGS and LINK_FLAGS.

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        string(JOIN " " command ${ARGN})
        message(FATAL_ERROR "failed (${status}): ${command}")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# find_package
run(${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${WORK_DIR}/cmake-host -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-host)
run(${WORK_DIR}/cmake-host/tellvane_host ${WORK_DIR}/cmake-host.png)

# pkg-config
file(GLOB pc_dirs ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
string(JOIN ":" pc_path ${pc_dirs})
execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_path} pkg-config --cflags --libs tellvane-qt
    OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know tellvane-qt under ${pc_path}")
endif()
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
separate_arguments(link_flags UNIX_COMMAND "${LINK_FLAGS}")
run(${CXX} -std=c++20 -fPIC ${cxx_flags} ${HOST_SOURCE}/main.cpp -o ${WORK_DIR}/pkg-config-host ${pc_flags} ${link_flags})
run(${WORK_DIR}/pkg-config-host ${WORK_DIR}/pkg-config-host.png)

foreach(png cmake-host.png pkg-config-host.png)
    file(SIZE ${WORK_DIR}/${png} size)
    if(size LESS 1000)
        message(FATAL_ERROR "${png} holds no chart (${size} bytes)")
    endif()
endforeach()
