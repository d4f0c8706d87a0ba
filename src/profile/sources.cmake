list(APPEND FENDRIMO_CORE_SOURCES
  profile/zehntel.cpp profile/zehntel.h)
list(APPEND FENDRIMO_GUI_SOURCES
  profile/sliders.cpp
  profile/fields.cpp
  profile/textfields.cpp profile/textfields.h)
