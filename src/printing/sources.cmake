list(APPEND FENDRIMO_CORE_SOURCES
  printing/reportpage.cpp printing/reportpage.h
  printing/reportpainter.cpp printing/reportpainter.h)
list(APPEND FENDRIMO_GUI_SOURCES
  printing/cupsjob.cpp printing/cupsjob.h
  printing/grafikform.cpp printing/grafikform.h
  printing/reportjob.cpp printing/reportjob.h
  printing/shownlines.cpp printing/shownlines.h)
