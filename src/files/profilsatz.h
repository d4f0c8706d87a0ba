#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace fendrimo {

// The profile record: the whole content of a profile file and the main
// window's one snapshot of the profile. Kept as its 656 bytes so that bytes no
// field fills (reserved bolus slots, padding) survive from the last file read.
//
// Layout (little-endian): 0 Raten 24 x int32 | 96 Datum short string[255] |
// 352 Notizen short string[255] | 608 Bolus 9 x short string[4] | 653 padding 3.
class Profilsatz
{
public:
    static constexpr int Size = 656;
    static constexpr int Hours = 24;
    static constexpr int BolusSlots = 9;
    static constexpr int TextCapacity = 255;
    static constexpr int BolusCapacity = 4;

    Profilsatz(); // 656 zero bytes

    qint32 rate(int hour) const; // hour 0..23
    void setRate(int hour, qint32 value);

    // Text as stored (Windows-1252, line breaks as the caller gives them).
    // Setters cut to the capacity and zero the rest of the field.
    QString datum() const;
    void setDatum(const QString& text);
    QString notizen() const;
    void setNotizen(const QString& text);
    QString bolus(int slot) const; // slot 1..9
    // The slot's length byte as stored: a stray one may exceed BolusCapacity.
    int bolusLength(int slot) const;
    void setBolus(int slot, const QString& text);

    const std::array<char, Size>& bytes() const { return m_bytes; }
    QByteArray toBytes() const; // always 656 bytes

    // Takes the first 656 bytes; false (and nothing changed) when fewer are given.
    bool assignBytes(const QByteArray& bytes);

private:
    std::array<char, Size> m_bytes{};
};

} // namespace fendrimo
