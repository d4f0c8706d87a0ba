#include "files/profilefile.h"
// Implementation in progress.
