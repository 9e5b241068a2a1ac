#pragma once

namespace plovex {

// What moving a parameter costs, wall clock: one slider step on a shown default graph of eight
// functions that use the parameter (the value set, the window drawing it), and one on a
// 1920x1080 implicit graph; then Play on the default graph, in pictures a second, with the
// longest wait of an event meanwhile. Needs a QApplication. `brief` times each once, shortly.
void PrintParameterSpeeds(bool brief);

} // namespace plovex
