#pragma once

#include <QApplication>

namespace fendrimo {

class Settings;

// The application object. It speaks the language the settings and the
// desktop choose. A failure that escapes an event handler is shown in the
// failure box ("Fendrimo", stop icon, message and a full stop); the program
// runs on.
class Application final : public QApplication
{
public:
    Application(int& argc, char** argv, const Settings& settings);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace fendrimo
