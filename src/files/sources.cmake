list(APPEND FENDRIMO_CORE_SOURCES
  files/cp1252.cpp files/cp1252.h
  files/profilsatz.cpp files/profilsatz.h
  files/profilefile.cpp files/profilefile.h)
list(APPEND FENDRIMO_GUI_SOURCES
  files/file_commands.cpp)
