// Colours, font and the smallest window.

#include "window/tf_qx.h"

namespace qx30 {

void TF_qx::wire_look() {}

}  // namespace qx30
