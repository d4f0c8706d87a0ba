// "Basalrate Drucken": hands the profile to the print dialog.

#include "app/tform1.h"
#include "printing/grafikform.h"
#include "profile/textfields.h"

#include <QLineEdit>
#include <QScrollBar>

namespace fendrimo {

void TForm1::DruckenClick()
{
    // Slider positions, not rates: the report turns them into rates itself.
    for (int h = 0; h < Hours; ++h)
        Profilsatz.setRate(h, ScrollBar(h + 1)->value());
    Profilsatz.setDatum(EditDatum->text());
    Profilsatz.setBolus(1, EditBolus1->text());
    Profilsatz.setBolus(4, EditBolus4->text());
    Profilsatz.setBolus(7, EditBolus7->text());
    // Stored as in a profile file: a line break is CR LF and counts two.
    QString notes = MemoNotizen->text();
    notes.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    Profilsatz.setNotizen(notes);

    TGrafikForm form(this);
    form.exec();
}

} // namespace fendrimo
