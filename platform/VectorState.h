#pragma once

namespace plovex {

// Clears the upper halves of the vector registers of the calling thread. Qt's painting (its
// AVX code paths and the libraries under it) can return with them dirty; on processors that
// penalise that state every later SSE instruction then pays for it, and the evaluator's
// maths is all SSE. Call it where painting hands the thread back to computing. Does nothing
// on processors without AVX.
void ClearUpperVectorState();

} // namespace plovex
