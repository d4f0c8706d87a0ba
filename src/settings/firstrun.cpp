#include "settings/firstrun.h"
// Implementation in progress.
