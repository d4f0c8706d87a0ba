list(APPEND FENDRIMO_CORE_SOURCES
  document/profiledocument.cpp document/profiledocument.h)
