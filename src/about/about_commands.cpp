#include "app/tform1.h"

namespace fendrimo {

void TForm1::Programminfos1Click() {}

} // namespace fendrimo
