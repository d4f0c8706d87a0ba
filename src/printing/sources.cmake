list(APPEND FENDRIMO_CORE_SOURCES
  printing/reportpage.cpp printing/reportpage.h
  printing/glucosereport.h
  printing/glucosepage.cpp printing/glucosepage_table.cpp printing/glucosepage.h
  printing/glucosepagesteps.h
  printing/basaltestsheet.cpp printing/basaltestsheet.h
  printing/reportpainter.cpp printing/reportpainter.h
  printing/reportpdf.cpp printing/reportpdf.h)
list(APPEND FENDRIMO_GUI_SOURCES
  printing/cupsjob.cpp printing/cupsjob.h
  printing/grafikform.cpp printing/grafikform.h
  printing/grafikform_pages.cpp
  printing/previewdialog.cpp printing/previewdialog.h
  printing/reportjob.cpp printing/reportjob.h
  printing/shownlines.cpp printing/shownlines.h)
