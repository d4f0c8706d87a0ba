// The profile record decoder fed any byte string, as a profile file of any
// size would feed it.

#include "files/cp1252.h"
#include "files/profilsatz.h"
#include "fuzzcheck.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using fendrimo::Profilsatz;

namespace {

qint32 littleEndian(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return qint32(value);
}

// What a short string field can deliver: never more than its capacity, never
// more than its length byte says.
void checkText(const QString& text, const QByteArray& bytes, int offset, int capacity)
{
    const int length = quint8(bytes.at(offset));
    FUZZ_CHECK(text.size() == qMin(length, capacity));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    Profilsatz record;
    const bool taken = record.assignBytes(input);
    FUZZ_CHECK(taken == (size >= size_t(Profilsatz::Size)));
    const QByteArray encoded = record.toBytes();
    FUZZ_CHECK(encoded.size() == Profilsatz::Size);
    if (!taken) {
        // Too short: the record must be exactly as it was.
        FUZZ_CHECK(encoded == QByteArray(Profilsatz::Size, '\0'));
        return 0;
    }
    FUZZ_CHECK(encoded == input.left(Profilsatz::Size));

    for (int h = 0; h < Profilsatz::Hours; ++h)
        FUZZ_CHECK(record.rate(h) == littleEndian(encoded, 4 * h));
    checkText(record.datum(), encoded, 96, Profilsatz::TextCapacity);
    checkText(record.notizen(), encoded, 352, Profilsatz::TextCapacity);
    for (int slot = 1; slot <= Profilsatz::BolusSlots; ++slot)
        checkText(record.bolus(slot), encoded, 608 + 5 * (slot - 1), Profilsatz::BolusCapacity);

    // Decoding what was encoded changes nothing.
    Profilsatz again;
    FUZZ_CHECK(again.assignBytes(encoded));
    FUZZ_CHECK(again.toBytes() == encoded);

    // A record rebuilt through the setters from what the getters delivered
    // (what a load and a later save do) holds the same values.
    Profilsatz rebuilt;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        rebuilt.setRate(h, record.rate(h));
    rebuilt.setDatum(record.datum());
    rebuilt.setNotizen(record.notizen());
    for (int slot = 1; slot <= Profilsatz::BolusSlots; ++slot)
        rebuilt.setBolus(slot, record.bolus(slot));
    FUZZ_CHECK(rebuilt.toBytes().size() == Profilsatz::Size);
    for (int h = 0; h < Profilsatz::Hours; ++h)
        FUZZ_CHECK(rebuilt.rate(h) == record.rate(h));
    FUZZ_CHECK(rebuilt.datum() == record.datum());
    FUZZ_CHECK(rebuilt.notizen() == record.notizen());
    for (int slot = 1; slot <= Profilsatz::BolusSlots; ++slot)
        FUZZ_CHECK(rebuilt.bolus(slot) == record.bolus(slot));
    // Only the padding, the text past each length byte and the length bytes
    // beyond a field's capacity may differ.
    const QByteArray rebuiltBytes = rebuilt.toBytes();
    FUZZ_CHECK(rebuiltBytes.left(96) == encoded.left(96));
    FUZZ_CHECK(rebuiltBytes.mid(653) == QByteArray(3, '\0'));

    // Bytes past the record, as text typed or pasted: a setter cuts it to the
    // field, writes what the code page can't hold as '?' and leaves the
    // neighbouring fields alone.
    const QString typed = QString::fromUtf8(input.mid(Profilsatz::Size));
    QString expected;
    for (const QChar ch : typed.left(Profilsatz::TextCapacity))
        expected.append(fendrimo::fitsCp1252(ch) ? ch : QChar(u'?'));
    rebuilt.setNotizen(typed);
    FUZZ_CHECK(rebuilt.notizen() == expected);
    FUZZ_CHECK(rebuilt.datum() == record.datum());
    FUZZ_CHECK(rebuilt.bolus(1) == record.bolus(1));
    rebuilt.setBolus(9, typed);
    FUZZ_CHECK(rebuilt.bolus(9) == expected.left(Profilsatz::BolusCapacity));
    FUZZ_CHECK(rebuilt.toBytes().mid(653) == QByteArray(3, '\0'));
    return 0;
}
