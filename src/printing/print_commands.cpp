#include "app/tform1.h"

namespace fendrimo {

void TForm1::DruckenClick() {}

} // namespace fendrimo
