list(APPEND FENDRIMO_GUI_SOURCES
  about/about_commands.cpp
  about/aboutbox.cpp about/aboutbox.h)
