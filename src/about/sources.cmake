list(APPEND FENDRIMO_GUI_SOURCES
  about/aboutbox.cpp about/aboutbox.h)
