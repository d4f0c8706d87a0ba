list(APPEND FENDRIMO_CORE_SOURCES
  settings/settingskeys.h
  settings/inifile.cpp settings/inifile.h
  settings/firstrun.cpp settings/firstrun.h)
list(APPEND FENDRIMO_CORE_SOURCES
  settings/settings.cpp settings/settings.h
  settings/language.cpp settings/language.h)
