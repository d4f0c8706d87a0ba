list(APPEND FENDRIMO_CORE_SOURCES
  platform/error.h
  platform/muldiv.cpp platform/muldiv.h
  platform/regional.cpp platform/regional.h)
list(APPEND FENDRIMO_GUI_SOURCES
  platform/guarded.h
  platform/platform.cpp platform/platform.h
  platform/qtplatform.cpp platform/qtplatform.h)
