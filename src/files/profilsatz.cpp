#include "files/profilsatz.h"
// Implementation in progress.
