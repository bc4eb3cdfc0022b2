# Install rules that need the whole tree configured first. The command-line program, the help
# pages, the icons and the desktop entry install from their own folders.

# The desktop program, made in src/ui when the desktop part is built.
if(TARGET tallywick)
  install(TARGETS tallywick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT desktop)
endif()
