list(APPEND FENDRIMO_CORE_SOURCES
  files/cp1252.cpp files/cp1252.h
  files/filename.cpp files/filename.h
  files/profilsatz.cpp files/profilsatz.h
  files/profilerecord.cpp files/profilerecord.h
  files/profilefile.cpp files/profilefile.h
  files/lockfile.cpp files/lockfile.h)
