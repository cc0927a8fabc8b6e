# Functions the folders' CMakeLists share.

# Stored pictures of one area, compiled in under :/<area>/art/ (area: a folder below src).
function(ulmaro_add_art target area)
  file(GLOB_RECURSE art CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${area}/art/*.svg)
  if(art)
    qt_add_resources(${target} "${area}_art" PREFIX "/${area}"
                     BASE ${CMAKE_SOURCE_DIR}/src/${area} FILES ${art})
  endif()
endfunction()

# A relative symbolic link inside the installed tree; target is relative to the link's folder.
function(ulmaro_install_link target link)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    message(STATUS \"Installing: \${link} -> ${target}\")
    get_filename_component(folder \"\${link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${folder}\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"${target}\" \"\${link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")")
endfunction()

# An executable of the application folder, with its link in bin.
function(ulmaro_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${ULMARO_APP_DIR})
  file(RELATIVE_PATH up /${CMAKE_INSTALL_BINDIR} /${ULMARO_APP_DIR})
  ulmaro_install_link(${up}/${target} ${CMAKE_INSTALL_BINDIR}/${target})
endfunction()
