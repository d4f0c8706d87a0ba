list(APPEND FENDRIMO_CORE_SOURCES
  history/versionstore.cpp history/versionstore.h)
list(APPEND FENDRIMO_GUI_SOURCES
  history/versionchart.cpp history/versionchart.h
  history/historydialog.cpp history/historydialog.h)
