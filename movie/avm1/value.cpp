#include "movie/avm1/value.h"

namespace kestrova::avm1 {

void Value::Free(Text* text) { delete text; }

}  // namespace kestrova::avm1
