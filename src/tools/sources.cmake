list(APPEND FENDRIMO_GUI_SOURCES
  tools/importpreviewdialog.cpp tools/importpreviewdialog.h
  tools/ratetooldialog.cpp tools/ratetooldialog.h
  tools/takehoursdialog.cpp tools/takehoursdialog.h)
