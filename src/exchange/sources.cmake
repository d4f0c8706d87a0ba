list(APPEND FENDRIMO_CORE_SOURCES
  exchange/exchange.cpp exchange/exchange.h
  exchange/formats.cpp exchange/formats.h exchange/importsource.cpp
  exchange/reading.cpp exchange/reading.h
  exchange/exactdecimal.cpp exchange/exactdecimal.h
  exchange/schedule.cpp exchange/schedule.h
  exchange/bolusfactors.cpp exchange/bolusfactors.h
  exchange/exchangejson.cpp exchange/exchangejson.h
  exchange/nightscoutread.cpp exchange/nightscoutwrite.cpp
  exchange/openaps.cpp
  exchange/tidepool.cpp
  exchange/csv.cpp)
