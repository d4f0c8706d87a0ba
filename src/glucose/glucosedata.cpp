#include "glucose/glucosedata.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace fendrimo {

namespace {

auto key(const GlucoseReading& r)
{
    // A larger offset is the earlier of two readings at one clock time.
    return std::make_tuple(r.localSeconds, -int(r.offsetMinutes), r.unit, r.kind, r.value);
}

} // namespace

bool GlucoseReading::operator<(const GlucoseReading& other) const
{
    return key(*this) < key(other);
}

bool GlucoseReading::operator==(const GlucoseReading& other) const
{
    return key(*this) == key(other);
}

double mgPerDl(const GlucoseReading& reading)
{
    return reading.unit == GlucoseUnit::MgPerDl ? reading.value
                                                : reading.value / 10.0 * kMgPerDlPerMmol;
}

int addReadings(GlucoseData& data, std::vector<GlucoseReading> readings, const QString& fileName,
                GlucoseUnit unit)
{
    if (data.files.isEmpty())
        data.unit = unit;
    data.files.append(fileName);
    if (data.readings.empty()) {
        data.readings = std::move(readings);
        return 0;
    }
    // A union of multisets: a reading both hold once as often as the one
    // holding it more often, so the data's own repeated hour stays whole.
    std::vector<GlucoseReading> merged;
    merged.reserve(data.readings.size() + readings.size());
    std::set_union(data.readings.begin(), data.readings.end(), readings.begin(), readings.end(),
                   std::back_inserter(merged));
    const int present = int(data.readings.size() + readings.size() - merged.size());
    data.readings = std::move(merged);
    return present;
}

} // namespace fendrimo
