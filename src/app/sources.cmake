list(APPEND FENDRIMO_GUI_SOURCES
  app/application.cpp app/application.h
  app/tform1.cpp app/tform1.h
  app/form1ui.h
  app/tform1_layout.cpp
  app/tform1_menu.cpp
  app/tform1_events.cpp
  app/tform1_view.cpp
  app/filespart.cpp app/filespart.h
  app/tform1_commands.cpp
  app/exchangepart.cpp app/exchangepart.h
  app/historypart.cpp app/historypart.h
  app/printingpart.cpp app/printingpart.h
  app/glucosepart.cpp app/glucosepart.h
  app/glucoseviewer.cpp app/glucoseviewer.h
  app/basaltestpart.cpp app/basaltestpart.h
  app/commandpath.cpp app/commandpath.h
  app/windowmessages.cpp app/windowmessages.h
  app/dialogvalues.cpp app/dialogvalues.h
  app/ratecontrols.cpp app/ratecontrols.h
  app/fieldmenu.cpp app/fieldmenu.h)
list(APPEND FENDRIMO_CORE_SOURCES app/clockticker.cpp app/clockticker.h)
list(APPEND FENDRIMO_CORE_SOURCES app/commandline.cpp app/commandline.h)
list(APPEND FENDRIMO_CORE_SOURCES app/translation.cpp app/translation.h)
