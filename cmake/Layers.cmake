# One library target per layer. A layer's include root holds only its own folder
# (a link to it, under the build tree), so "#include "folder/File.h"" reaches a
# header only when its layer is linked: an include of a layer above, or of one not
# linked, fails to compile. tools/check_layers.sh says the same of every file.

# tellvane_layer_root(<target> <folder> <scope>): gives <target> the include root
# that holds <folder> alone.
function(tellvane_layer_root target folder scope)
    set(root ${PROJECT_BINARY_DIR}/layers/${folder})
    if(NOT EXISTS ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${root}>
                                                  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/tellvane>)
endfunction()

# tellvane_layer(<folder> [SOURCES <files...>] [HEADERS <public headers...>]
#                [DEPS <layers below...>] [PRIVATE_DEPS <libraries...>])
# Declares tellvane_<folder> (alias Tellvane::<folder>, file tellvane-<folder>):
# a static library, or an interface library when it has no sources. HEADERS are
# the headers a host may include; they are installed, nothing else is.
function(tellvane_layer folder)
    cmake_parse_arguments(L "" "" "SOURCES;HEADERS;DEPS;PRIVATE_DEPS" ${ARGN})
    set(target tellvane_${folder})
    if(L_SOURCES)
        add_library(${target} STATIC ${L_SOURCES})
        set(scope PUBLIC)
        set_target_properties(${target} PROPERTIES OUTPUT_NAME tellvane-${folder} POSITION_INDEPENDENT_CODE ON)
        target_link_libraries(${target} PRIVATE ${L_PRIVATE_DEPS})
        tellvane_compile_options(${target})
    else()
        add_library(${target} INTERFACE)
        set(scope INTERFACE)
    endif()
    add_library(Tellvane::${folder} ALIAS ${target})
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${folder})
    tellvane_layer_root(${target} ${folder} ${scope})
    target_link_libraries(${target} ${scope} ${L_DEPS})
    list(TRANSFORM L_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    install(FILES ${L_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tellvane/${folder})
    set_property(GLOBAL APPEND PROPERTY TELLVANE_INSTALLED_TARGETS ${target})
endfunction()
