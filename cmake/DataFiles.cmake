# tallywick_data_files(TARGET SUBDIR COMPONENT FILES...)
# Installs data files under SUBDIR of the prefix, and copies them to the same place relative to
# the top of the build tree, so that a program run from the build tree finds them as an installed
# one does.
function(tallywick_data_files target subdir component)
  set(copies)
  foreach(file IN LISTS ARGN)
    set(copy "${CMAKE_BINARY_DIR}/${subdir}/${file}")
    add_custom_command(OUTPUT "${copy}"
      COMMAND ${CMAKE_COMMAND} -E copy_if_different "${CMAKE_CURRENT_SOURCE_DIR}/${file}" "${copy}"
      DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${file}"
      COMMENT "Copying ${file}")
    list(APPEND copies "${copy}")
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${copies})
  install(FILES ${ARGN} DESTINATION "${subdir}" COMPONENT ${component})
endfunction()
