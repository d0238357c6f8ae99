#pragma once
// The program once Qt's application object exists, as main runs it; the
// start-up benchmark runs the same.

namespace qx30 {

// Takes the working folder's lock, makes the window with the real boxes,
// clock, editor and printer, shows and starts it, and runs the event loop
// until it is closed; the exit code (1 when another desk holds the folder).
int programme();

}  // namespace qx30
