list(APPEND FENDRIMO_GUI_SOURCES
  options/options_commands.cpp
  options/optionsdialog.cpp options/optionsdialog.h)
