list(APPEND FENDRIMO_CORE_SOURCES
  profile/zehntel.cpp profile/zehntel.h
  profile/basalprofile.cpp profile/basalprofile.h
  profile/profilehistory.cpp profile/profilehistory.h
  profile/profiletools.cpp profile/profiletools.h
  profile/comparison.cpp profile/comparison.h
  profile/versiondiff.cpp profile/versiondiff.h)
