list(APPEND FENDRIMO_GUI_SOURCES
  options/options_commands.cpp)
