#include "profile/basalprofile.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace fendrimo {

qint64 dailyTotal(const HourlyRates& rates)
{
    // 64 bits: a loaded profile can raise the maximum far beyond what 24
    // rates summed in 32 bits could hold.
    qint64 sum = 0;
    for (const qint32 r : rates)
        sum += r;
    return sum;
}

qint64 ProfileContent::total() const
{
    return dailyTotal(rates);
}

qint32 ProfileContent::highestRate() const
{
    return *std::max_element(rates.begin(), rates.end());
}

BasalProfile::BasalProfile(qint32 maximum, QObject* parent) : QObject(parent), m_maximum(maximum) {}

void BasalProfile::setState(const ProfileState& state)
{
    if (state.content.highestRate() > m_maximum)
        throw std::logic_error("rate above the maximum");
    if (state == m_state)
        return;
    m_state = state;
    emit changed();
}

void BasalProfile::setContent(const ProfileContent& content)
{
    setState({content, m_state.linkedDragging});
}

void BasalProfile::setLinkedDragging(bool linked)
{
    setState({m_state.content, linked});
}

void BasalProfile::setMaximum(qint32 maximum)
{
    if (maximum < 1 || highestRate() > maximum)
        throw std::logic_error("maximum below a rate");
    if (maximum == m_maximum)
        return;
    m_maximum = maximum;
    emit changed();
}

ProfileContent BasalProfile::withRate(int hour, qint32 rate) const
{
    ProfileContent next = m_state.content;
    const int last = m_state.linkedDragging ? Hours - 1 : hour;
    for (int h = hour; h <= last; ++h)
        next.rates.at(size_t(h)) = rate;
    return next;
}

QString changedHoursText(const ProfileContent& before, const ProfileContent& after)
{
    int first = -1;
    int last = -1;
    for (int h = 0; h < ProfileContent::Hours; ++h) {
        if (before.rates.at(size_t(h)) != after.rates.at(size_t(h))) {
            if (first < 0)
                first = h;
            last = h;
        }
    }
    if (first < 0)
        return QString();
    return QCoreApplication::translate("BasalProfile", "Basalrate %1")
        .arg(hourSpanText(first, last));
}

QString hourSpanText(int firstHour, int lastHour)
{
    return QCoreApplication::translate("BasalProfile", "%1 bis %2 Uhr")
        .arg(QString::number(firstHour), QString::number(lastHour + 1));
}

QString bolusFieldName(int index)
{
    // Whole names, not "Bolus" and a time: a language may order them otherwise.
    static const char* const names[ProfileContent::Boluses] = {
        QT_TRANSLATE_NOOP("BasalProfile", "Bolus morgens"),
        QT_TRANSLATE_NOOP("BasalProfile", "Bolus mittags"),
        QT_TRANSLATE_NOOP("BasalProfile", "Bolus abends")};
    return QCoreApplication::translate("BasalProfile", names[index]);
}

QList<std::pair<int, int>> hourRuns(QList<int> hours)
{
    std::sort(hours.begin(), hours.end());
    QList<std::pair<int, int>> runs;
    for (const int hour : std::as_const(hours)) {
        if (!runs.isEmpty() && runs.last().second + 1 >= hour)
            runs.last().second = hour;
        else
            runs.append({hour, hour});
    }
    return runs;
}

QString hourRunsText(const QList<int>& hours)
{
    QStringList runs;
    for (const auto& [first, last] : hourRuns(hours))
        runs << hourSpanText(first, last);
    return runs.join(QStringLiteral(", "));
}

} // namespace fendrimo
