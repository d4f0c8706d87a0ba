#include "files/profilsatz.h"

#include "files/cp1252.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace fendrimo {

namespace {

constexpr int RatesOffset = 0;
constexpr int DatumOffset = 96;
constexpr int NotizenOffset = 352;
constexpr int BolusOffset = 608;
constexpr int BolusStride = Profilsatz::BolusCapacity + 1;

static_assert(RatesOffset + 4 * Profilsatz::Hours == DatumOffset);
static_assert(DatumOffset + 1 + Profilsatz::TextCapacity == NotizenOffset);
static_assert(NotizenOffset + 1 + Profilsatz::TextCapacity == BolusOffset);
static_assert(BolusOffset + BolusStride * Profilsatz::BolusSlots + 3 == Profilsatz::Size);

// A stray length byte must never make us read past the field.
QString readShortString(const std::array<char, Profilsatz::Size>& bytes, int offset, int capacity)
{
    const int length = std::min<int>(static_cast<unsigned char>(bytes[offset]), capacity);
    return fromCp1252(QByteArray(bytes.data() + offset + 1, length));
}

// Clears the whole field first so no tail of an older, longer text survives.
void writeShortString(std::array<char, Profilsatz::Size>& bytes, int offset, int capacity,
                      const QString& text)
{
    const QByteArray encoded = toCp1252(text.left(capacity));
    const int length = std::min<int>(int(encoded.size()), capacity);
    std::fill_n(bytes.begin() + offset, capacity + 1, char(0));
    bytes[offset] = char(length);
    std::memcpy(bytes.data() + offset + 1, encoded.constData(), size_t(length));
}

bool validHour(int hour)
{
    return hour >= 0 && hour < Profilsatz::Hours;
}

bool validSlot(int slot)
{
    return slot >= 1 && slot <= Profilsatz::BolusSlots;
}

int bolusOffset(int slot)
{
    return BolusOffset + BolusStride * (slot - 1);
}

} // namespace

Profilsatz::Profilsatz() = default;

qint32 Profilsatz::rate(int hour) const
{
    Q_ASSERT(validHour(hour));
    if (!validHour(hour))
        return 0;
    return qFromLittleEndian<qint32>(m_bytes.data() + RatesOffset + 4 * hour);
}

void Profilsatz::setRate(int hour, qint32 value)
{
    Q_ASSERT(validHour(hour));
    if (!validHour(hour))
        return;
    qToLittleEndian<qint32>(value, m_bytes.data() + RatesOffset + 4 * hour);
}

QString Profilsatz::datum() const
{
    return readShortString(m_bytes, DatumOffset, TextCapacity);
}

void Profilsatz::setDatum(const QString& text)
{
    writeShortString(m_bytes, DatumOffset, TextCapacity, text);
}

QString Profilsatz::notizen() const
{
    return readShortString(m_bytes, NotizenOffset, TextCapacity);
}

void Profilsatz::setNotizen(const QString& text)
{
    writeShortString(m_bytes, NotizenOffset, TextCapacity, text);
}

QString Profilsatz::bolus(int slot) const
{
    Q_ASSERT(validSlot(slot));
    if (!validSlot(slot))
        return QString();
    return readShortString(m_bytes, bolusOffset(slot), BolusCapacity);
}

int Profilsatz::bolusLength(int slot) const
{
    Q_ASSERT(validSlot(slot));
    return validSlot(slot) ? static_cast<unsigned char>(m_bytes[size_t(bolusOffset(slot))]) : 0;
}

void Profilsatz::setBolus(int slot, const QString& text)
{
    Q_ASSERT(validSlot(slot));
    if (!validSlot(slot))
        return;
    writeShortString(m_bytes, bolusOffset(slot), BolusCapacity, text);
}

QByteArray Profilsatz::toBytes() const
{
    return QByteArray(m_bytes.data(), Size);
}

bool Profilsatz::assignBytes(const QByteArray& bytes)
{
    if (bytes.size() < Size)
        return false;
    std::memcpy(m_bytes.data(), bytes.constData(), Size);
    return true;
}

} // namespace fendrimo
