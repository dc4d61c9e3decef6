# Installed for now: the core library and its headers. The exported package grows
# with the platform realisation.
install(TARGETS tellvane_core EXPORT TellvaneTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
foreach(dir common platform yeardata control screenchart plot)
    install(DIRECTORY ${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tellvane/${dir} FILES_MATCHING PATTERN "*.h")
endforeach()
