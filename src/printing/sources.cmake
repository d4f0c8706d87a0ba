list(APPEND FENDRIMO_GUI_SOURCES
  printing/print_commands.cpp)
