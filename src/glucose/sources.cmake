list(APPEND FENDRIMO_CORE_SOURCES
  glucose/glucosedata.cpp glucose/glucosedata.h
  glucose/glucoseperiod.cpp glucose/glucoseperiod.h
  glucose/glucoseranges.cpp glucose/glucoseranges.h
  glucose/glucosestats.cpp glucose/glucosestats.h
  glucose/agpcurves.cpp glucose/agpcurves.h
  glucose/basaltest.cpp glucose/basaltest.h)
