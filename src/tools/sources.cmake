list(APPEND FENDRIMO_GUI_SOURCES
  tools/ratetooldialog.cpp tools/ratetooldialog.h
  tools/takehoursdialog.cpp tools/takehoursdialog.h)
