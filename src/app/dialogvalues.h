#pragma once

#include "options/optionsdialog.h"
#include "printing/grafikform.h"

namespace fendrimo {

class Settings;

// The settings as the window hands them to its dialogs, read from the file
// as a dialog opens.
OptionsShown optionsShown(const Settings& settings);
// The print method is read again at each print; settings must outlive the
// dialog. glucoseAvailable: glucose data is loaded, its page can be printed.
PrintOptions printOptions(const Settings& settings, bool glucoseAvailable = false);

} // namespace fendrimo
