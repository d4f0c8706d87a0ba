list(APPEND FENDRIMO_GUI_SOURCES
  options/optionsdialog.cpp options/optionsdialog.h)
