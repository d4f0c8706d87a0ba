list(APPEND FENDRIMO_GUI_SOURCES
  widgets/designscale.cpp widgets/designscale.h
  widgets/accessibility.cpp widgets/accessibility.h
  widgets/artwork.cpp widgets/artwork.h
  widgets/textfields.cpp widgets/textfields.h
  widgets/elidedname.cpp widgets/elidedname.h
  widgets/screenfit.cpp widgets/screenfit.h
  widgets/dialogbuttons.cpp widgets/dialogbuttons.h)
