// The printed list of registered entries.

#include "window/tf_qx.h"

namespace qx30 {

void TF_qx::wire_printing() {}

}  // namespace qx30
