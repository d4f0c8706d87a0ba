#pragma once

#include <QString>

#include <functional>

namespace fendrimo {

class IniFile;

QString firstRunNoticeText();

// The first-run check of start-up: when "Teststring"/"Datei" is not exactly
// "Vorhanden", shows the notice, then writes the defaults (Maximum 30,
// FarbDruck 1, empty Verzeichnis, the marker). Returns true when it did so.
// A refused write throws and leaves the rest unwritten.
bool runFirstRunCheck(IniFile& ini, const std::function<void(const QString&)>& showNotice);

} // namespace fendrimo
