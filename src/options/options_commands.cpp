// "Einstellungen" and the application of a new maximum to the sliders.

#include "app/tform1.h"
#include "options/optionsdialog.h"
#include "platform/platform.h"
#include "profile/zehntel.h"
#include "settings/inifile.h"
#include "settings/settingskeys.h"

#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace fendrimo {

void TForm1::EinstellungenClick()
{
    // The snapshot the apply step tests and re-ranges from; the sliders can't
    // move while the dialog is open.
    for (int h = 0; h < Hours; ++h)
        Profilsatz.setRate(h, Maximum - ScrollBar(h + 1)->value());
    TFormOptionen dialog(this);
    dialog.exec();
}

void TForm1::CloseOptionsForm()
{
    bool abgelehnt = false;
    IniFile settings(settingsFilePath());
    Maximum = settings.readInteger(settingskeys::einstellungen(), settingskeys::maximum(), -1);

    qint32 highest = Profilsatz.rate(0);
    for (int h = 1; h < Hours; ++h)
        highest = std::max(highest, Profilsatz.rate(h));
    if (Maximum < 1) {
        // Nothing usable came back (the file changed under us): no slider can
        // take that range, so the old maximum stays without blaming a rate.
        abgelehnt = true;
    } else if (highest > Maximum) {
        platform().message(
            this, MessageType::Fehler,
            QStringLiteral("Mindestens eine aktuelle Stundenrate ist größer als das neue Maximum, "
                           "welches Sie einstellen wollten! Die höchste Stundenrate, die gerade "
                           "eingestellt ist, ist ") +
                ZehntelText(highest) +
                QStringLiteral(" IE/h! Ändern Sie das Maximum auf diesen oder den nächsthöheren "
                               "Wert!"),
            MessageButton::Ok);
        abgelehnt = true;
    }
    if (abgelehnt) {
        Maximum = AltesMaximum;
        settings.writeInteger(settingskeys::einstellungen(), settingskeys::maximum(), AltesMaximum);
    }

    // Ranges first: a slider clamped by a lower maximum loses nothing, because
    // every position is then set again from the snapshot.
    for (int n = 1; n <= Hours; ++n)
        ScrollBar(n)->setMaximum(Maximum);
    setMaximumLabel();
    for (int n = 1; n <= Hours; ++n)
        ScrollBar(n)->setValue(Maximum - Profilsatz.rate(n - 1));
    for (int n = 1; n <= Hours; ++n)
        setFieldText(Edit(n), ZehntelText(rate(n)));
}

} // namespace fendrimo
