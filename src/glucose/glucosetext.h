#pragma once

// What every glucose reader takes from the bytes of an export: its lines,
// their fields, numbers as written and the words of its errors. A year of
// readings may be 200 MB of text, so nothing here copies or decodes it.

#include <QByteArrayView>
#include <QString>

#include <cstring>
#include <optional>
#include <vector>

namespace fendrimo::glucose {

// The lines of data one by one, without their line ends (LF or CR LF).
class Lines
{
public:
    explicit Lines(QByteArrayView data) : data_(data) {}
    bool next();
    QByteArrayView line() const { return line_; }
    int number() const { return number_; }
    // Whether the line ended in a line break: the last line of a file cut
    // short doesn't.
    bool ended() const { return ended_; }

private:
    QByteArrayView data_;
    QByteArrayView line_;
    qsizetype pos_ = 0;
    int number_ = 0;
    bool ended_ = false;
};

// The first most fields of a line split at separator outside double
// quotes, each with blanks and its quotes dropped (a doubled quote inside
// stays doubled: nothing read from a field holds one). fields is reused.
void splitLine(QByteArrayView line, char separator, std::vector<QByteArrayView>& fields,
               qsizetype most = -1);

// A whole number of digits alone, at most 9 of them.
std::optional<int> wholeNumber(QByteArrayView text);

// A number of tenths as written: "6", "5.8" or "5,8"; none for more
// decimals, a sign or anything else.
std::optional<int> tenths(QByteArrayView text);

// Whether text equals word, letters in any case.
bool sameWord(QByteArrayView text, QByteArrayView word);

// Whether text is exactly word: compared inline, as a JSON reader asks it
// of every element (QByteArrayView's == calls into Qt for each).
template <size_t N> inline bool isExactly(QByteArrayView text, const char (&word)[N])
{
    return text.size() == qsizetype(N - 1) && std::memcmp(text.data(), word, N - 1) == 0;
}

// Where an error is, in its words (context "Glucose").
QString lineWhere(int number);  // "Zeile 12"
QString entryWhere(int number); // "Eintrag 12"
// A field as a message quotes it, long ones cut; bytes no UTF-8 as Latin-1.
QString quoted(QByteArrayView field);

} // namespace fendrimo::glucose
