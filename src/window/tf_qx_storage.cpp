// Session files, choice lists, start-up and shutdown.

#include "window/tf_qx.h"

namespace qx30 {

void TF_qx::wire_storage() {}

}  // namespace qx30
