list(APPEND FENDRIMO_CORE_SOURCES about/userguide.cpp about/userguide.h)
list(APPEND FENDRIMO_GUI_SOURCES
  about/aboutbox.cpp about/aboutbox.h
  about/userguidewindow.cpp about/userguidewindow.h)

# Where the guides lie seen from the installed program (bin/, src/CMakeLists.txt),
# and where they lie in the source tree, for a program run from its build folder.
file(RELATIVE_PATH fendrimo_guide_from_program /bin /${FENDRIMO_GUIDE_DIR})
set_property(SOURCE about/userguide.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  FENDRIMO_GUIDE_FROM_PROGRAM="${fendrimo_guide_from_program}"
  FENDRIMO_GUIDE_SOURCE_DIR="${PROJECT_SOURCE_DIR}/data")
