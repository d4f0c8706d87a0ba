#include "app/tform1.h"

namespace fendrimo {

void TForm1::Basalrateladen1Click() {}
void TForm1::Basalratespeichern1Click() {}

} // namespace fendrimo
