#pragma once

#include <QString>

#include <stdexcept>

namespace fendrimo {

// A failure that a handler does not catch itself. The application reports it
// in the failure box ("Fendrimo", stop icon, message followed by a full stop)
// and the rest of the handler is skipped.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace fendrimo
