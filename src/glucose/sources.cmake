list(APPEND FENDRIMO_CORE_SOURCES
  glucose/glucosedata.cpp glucose/glucosedata.h
  glucose/glucoseformats.cpp glucose/glucoseformats.h
  glucose/readerparts.cpp glucose/readerparts.h
  glucose/glucosetext.cpp glucose/glucosetext.h
  glucose/glucosetime.cpp glucose/glucosetime.h
  glucose/jsonscan.cpp glucose/jsonscan.h
  glucose/clarity.cpp
  glucose/libreview.cpp
  glucose/nightscoutentries.cpp
  glucose/tidepoolcbg.cpp
  glucose/glucoseperiod.cpp glucose/glucoseperiod.h
  glucose/glucoseranges.cpp glucose/glucoseranges.h
  glucose/glucosestats.cpp glucose/glucosestats.h
  glucose/agpcurves.cpp glucose/agpcurves.h
  glucose/basaltest.cpp glucose/basaltest.h
  glucose/glucoseshown.cpp glucose/glucoseshown.h)
