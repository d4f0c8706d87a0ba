list(APPEND FENDRIMO_GUI_SOURCES
  basaltest/basaltestdialog.cpp basaltest/basaltestdialog.h
  basaltest/basaltesttable.cpp basaltest/basaltesttable.h
  basaltest/blockchooser.cpp basaltest/blockchooser.h
  basaltest/sheetblockdialog.cpp basaltest/sheetblockdialog.h)
