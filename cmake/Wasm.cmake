# The WebAssembly build (Debian's emscripten): C++ exceptions as WebAssembly
# exceptions, programs run under node, and the C libraries the readers need built
# from Debian's source packages.

add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# Test programs run under node with the machine's files in reach. Set here rather
# than by emcmake, whose runner passes node a flag node 20 rejects; node's own
# fetch would stand in for the one the generated loader expects.
find_program(TELLVANE_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TELLVANE_NODE} --no-experimental-fetch CACHE STRING "" FORCE)

set(TELLVANE_DEBIAN_SOURCES ${PROJECT_BINARY_DIR}/debian-sources CACHE PATH "Where Debian's source packages unpack")

# tellvane_debian_source(<package> <var>): <var> is the unpacked source of the package.
function(tellvane_debian_source package var)
    execute_process(COMMAND bash ${PROJECT_SOURCE_DIR}/tools/debian-source.sh ${package} ${TELLVANE_DEBIAN_SOURCES}
        OUTPUT_VARIABLE dir OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Debian's source package ${package} could not be unpacked")
    endif()
    set(${var} ${dir} PARENT_SCOPE)
endfunction()

# libcsv for the readers, a C library.
enable_language(C)
tellvane_debian_source(libcsv libcsv_dir)
add_library(tellvane_libcsv STATIC ${libcsv_dir}/libcsv.c)
target_include_directories(tellvane_libcsv SYSTEM PUBLIC ${libcsv_dir})
set(TELLVANE_LIBCSV tellvane_libcsv)
set(TELLVANE_LIBCSV_INCLUDE ${libcsv_dir})

# HarfBuzz (its subsetter with the core it needs, one file) and zlib for the page
# writer: the versions Debian's own libraries are, built with options that leave
# their output alone, since a page must be the same bytes a native build writes.
# HarfBuzz runs on one thread here; none of its feature cuts (HB_TINY and the
# like) is used, as they change what it cuts. zlib as Debian builds it for amd64.
tellvane_debian_source(harfbuzz harfbuzz_dir)
add_library(tellvane_harfbuzz STATIC ${harfbuzz_dir}/src/harfbuzz-subset.cc)
target_include_directories(tellvane_harfbuzz SYSTEM PUBLIC ${harfbuzz_dir}/src)
target_compile_definitions(tellvane_harfbuzz PRIVATE HB_NO_MT)
target_compile_options(tellvane_harfbuzz PRIVATE -fno-exceptions -fno-rtti -w)  # as its own build: no exceptions
tellvane_debian_source(zlib zlib_dir)
add_library(tellvane_zlib STATIC ${zlib_dir}/adler32.c ${zlib_dir}/compress.c ${zlib_dir}/crc32.c
                                 ${zlib_dir}/deflate.c ${zlib_dir}/trees.c ${zlib_dir}/zutil.c)
target_include_directories(tellvane_zlib SYSTEM PUBLIC ${zlib_dir})
target_compile_definitions(tellvane_zlib PRIVATE UNALIGNED_OK _REENTRANT)
target_compile_options(tellvane_zlib PRIVATE -w)

# GoogleTest from Debian's sources of it on this machine.
if(TELLVANE_BUILD_TESTS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(GTest_FOUND TRUE)
    # nlohmann's JSON reader is headers only: reached through a folder of its own,
    # since the machine's include folder must not shadow the WebAssembly C library.
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/json-include)
    file(CREATE_LINK /usr/include/nlohmann ${PROJECT_BINARY_DIR}/json-include/nlohmann SYMBOLIC)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/json-include)
    set(nlohmann_json_FOUND TRUE)
endif()

# libxlsxwriter for the record's workbook, with the minizip Debian links it to (a
# source package of its own, built on the zlib above), as Debian builds it but with
# the library's own MD5 in place of OpenSSL's (used only to find repeated images).
tellvane_debian_source(minizip minizip_dir)
tellvane_debian_source(libxlsxwriter xlsxwriter_dir)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/minizip-include)
file(CREATE_LINK ${minizip_dir} ${PROJECT_BINARY_DIR}/minizip-include/minizip SYMBOLIC)
add_library(tellvane_minizip STATIC ${minizip_dir}/ioapi.c ${minizip_dir}/zip.c)
target_include_directories(tellvane_minizip SYSTEM PUBLIC ${PROJECT_BINARY_DIR}/minizip-include ${minizip_dir})
target_link_libraries(tellvane_minizip PUBLIC tellvane_zlib)
target_compile_options(tellvane_minizip PRIVATE -w)
file(GLOB xlsxwriter_sources ${xlsxwriter_dir}/src/*.c)
add_library(tellvane_xlsxwriter STATIC ${xlsxwriter_sources} ${xlsxwriter_dir}/third_party/md5/md5.c
                                       ${xlsxwriter_dir}/third_party/tmpfileplus/tmpfileplus.c)
target_include_directories(tellvane_xlsxwriter SYSTEM PUBLIC ${xlsxwriter_dir}/include)
target_compile_definitions(tellvane_xlsxwriter PRIVATE USE_SYSTEM_MINIZIP)
target_link_libraries(tellvane_xlsxwriter PRIVATE tellvane_minizip)
target_compile_options(tellvane_xlsxwriter PRIVATE -w)
