// "Programm-Infos": also a click or double click on the picture or the credit line.

#include "about/aboutbox.h"
#include "app/tform1.h"

namespace fendrimo {

void TForm1::Programminfos1Click()
{
    TAboutBox box(this);
    box.exec();
}

} // namespace fendrimo
