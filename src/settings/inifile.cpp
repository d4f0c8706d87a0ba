#include "settings/inifile.h"
// Implementation in progress.
