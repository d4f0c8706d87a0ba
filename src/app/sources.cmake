list(APPEND FENDRIMO_GUI_SOURCES
  app/application.cpp app/application.h
  app/tform1.cpp app/tform1.h
  app/form1ui.h
  app/tform1_layout.cpp
  app/tform1_menu.cpp
  app/tform1_events.cpp
  app/tform1_view.cpp
  app/tform1_files.cpp
  app/tform1_commands.cpp
  app/tform1_exchange.cpp
  app/tform1_history.cpp
  app/dialogvalues.cpp app/dialogvalues.h
  app/ratecontrols.cpp app/ratecontrols.h
  app/fieldmenu.cpp app/fieldmenu.h)
list(APPEND FENDRIMO_CORE_SOURCES app/clockticker.cpp app/clockticker.h)
list(APPEND FENDRIMO_CORE_SOURCES app/commandline.cpp app/commandline.h)
list(APPEND FENDRIMO_CORE_SOURCES app/translation.cpp app/translation.h)
