# Installs the build into a prefix of its own, then configures, builds and runs the
# examples against it, each once through find_package(Tellvane) and once through
# pkg-config: the host without a toolkit always, the Qt host when WITH_QT is on.
# Run with cmake -P and the variables BUILD_DIR, EXAMPLES, WORK_DIR, GENERATOR, CXX,
# BUILD_TYPE, CXX_FLAGS, LINK_FLAGS and WITH_QT.

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        string(JOIN " " command ${ARGN})
        message(FATAL_ERROR "failed (${status}): ${command}")
    endif()
endfunction()

# The output file must exist and hold at least min_size bytes.
function(expect_output file min_size)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file} was not written")
    endif()
    file(SIZE ${file} size)
    if(size LESS min_size)
        message(FATAL_ERROR "${file} holds too little (${size} bytes)")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
file(GLOB pc_dirs ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
string(JOIN ":" pc_path ${pc_dirs})
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
separate_arguments(link_flags UNIX_COMMAND "${LINK_FLAGS}")

# example: folder under EXAMPLES; program: its executable; package: its pkg-config
# name; output: what the program writes, and how large it must be at least.
function(build_example example program package output_suffix min_size)
    set(dir ${WORK_DIR}/${example})
    run(${CMAKE_COMMAND} -S ${EXAMPLES}/${example} -B ${dir}/cmake -G ${GENERATOR}
        -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
        "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
    run(${CMAKE_COMMAND} --build ${dir}/cmake)
    run(${dir}/cmake/${program} ${dir}/cmake-output${output_suffix})
    expect_output(${dir}/cmake-output${output_suffix} ${min_size})

    execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_path} pkg-config --cflags --libs ${package}
        OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "pkg-config does not know ${package} under ${pc_path}")
    endif()
    separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
    run(${CXX} -std=c++20 -fPIC ${cxx_flags} ${EXAMPLES}/${example}/main.cpp -o ${dir}/pkg-config-host
        ${pc_flags} ${link_flags})
    run(${dir}/pkg-config-host ${dir}/pkg-config-output${output_suffix})
    expect_output(${dir}/pkg-config-output${output_suffix} ${min_size})
endfunction()

# The trace of an 800 x 600 chart is some hundreds of lines.
build_example(headless tellvane_headless_host tellvane .jsonl 20000)
if(WITH_QT)
    build_example(qt tellvane_host tellvane-qt .png 1000)
endif()
