#include "app/tform1.h"

namespace fendrimo {

void TForm1::EinstellungenClick() {}
void TForm1::CloseOptionsForm() {}

} // namespace fendrimo
