#pragma once

#include <QtGlobal>

namespace fendrimo {

// a * b / c computed in 64 bits and rounded to the nearest integer, halves away
// from zero. Returns -1 when c is 0 or the result does not fit 32 bits, as the
// Windows function of the same name does.
int MulDiv(int a, int b, int c);

} // namespace fendrimo
