#pragma once
// The printed list of registered entries: every present entry in slot order,
// under a header repeated on each page.

#include <string>

#include "printing/canvas.h"
#include "register/fiches.h"

namespace qx30 {

// Lays the whole list out on the canvas, from the first page's header to the
// closing line. heure and compte are the captions of the clock label and of
// the registered count, printed in every page header. The table is only read.
void imprimer_liste(Canvas& canvas, const t_fiches& fiches, const std::string& heure,
                    const std::string& compte);

}  // namespace qx30
