#include "platform/muldiv.h"

#include <limits>

namespace fendrimo {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const qint64 num = qint64(a) * qint64(b);
    qint64 quot = num / c;
    const qint64 rem = num % c;
    // Round half away from zero.
    if (2 * (rem < 0 ? -rem : rem) >= (c < 0 ? -qint64(c) : qint64(c)))
        quot += ((num < 0) != (c < 0)) ? -1 : 1;
    if (quot > std::numeric_limits<int>::max() || quot < std::numeric_limits<int>::min())
        return -1;
    return int(quot);
}

} // namespace fendrimo
