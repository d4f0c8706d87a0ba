list(APPEND FENDRIMO_CORE_SOURCES
  history/versionstore.cpp history/versionstore.h)
list(APPEND FENDRIMO_GUI_SOURCES
  history/historydialog.cpp history/historydialog.h)
