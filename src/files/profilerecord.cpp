#include "files/profilerecord.h"

#include <algorithm>

namespace fendrimo {

void storeInRecord(const ProfileContent& content, Profilsatz& record)
{
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, content.rates.at(size_t(h)));
    record.setDatum(content.datum);
    for (int i = 0; i < ProfileContent::Boluses; ++i)
        record.setBolus(bolusSlot(i), content.bolus.at(size_t(i)));
    record.setNotizen(content.notizen);
}

ProfileContent contentOfRecord(const Profilsatz& record)
{
    ProfileContent content;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        content.rates.at(size_t(h)) = record.rate(h);
    content.datum = record.datum();
    for (int i = 0; i < ProfileContent::Boluses; ++i)
        content.bolus.at(size_t(i)) = record.bolus(bolusSlot(i));
    content.notizen = record.notizen();
    return content;
}

qint32 highestStoredRate(const Profilsatz& record)
{
    qint32 highest = record.rate(0);
    for (int h = 1; h < Profilsatz::Hours; ++h)
        highest = std::max(highest, record.rate(h));
    return highest;
}

bool isOpenable(const Profilsatz& record)
{
    for (int h = 0; h < Profilsatz::Hours; ++h) {
        if (record.rate(h) < 0 || record.rate(h) > kLargestRate)
            return false;
    }
    for (int i = 0; i < ProfileContent::Boluses; ++i) {
        if (record.bolusLength(bolusSlot(i)) > Profilsatz::BolusCapacity)
            return false;
    }
    return true;
}

} // namespace fendrimo
