list(APPEND FENDRIMO_CORE_SOURCES
  glucoseview/agpgeometry.cpp glucoseview/agpgeometry.h
  glucoseview/hourtexts.cpp glucoseview/hourtexts.h)
list(APPEND FENDRIMO_GUI_SOURCES
  glucoseview/agpchart.cpp glucoseview/agpchart.h
  glucoseview/glucosewindow.cpp glucoseview/glucosewindow.h)
