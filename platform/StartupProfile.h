// Moments of start-up for the bench. Each mark records the performance counter; when the environment
// variable BRIMLOW_STARTUP_PROFILE names a file, the marks are written there after the first paint, one
// "phase<TAB>count" line each. Without it nothing else happens.
#pragma once

namespace startup {

void mark(const char* phase);
// When profiling, marks "first paint" once the paints now pending are done, then writes the marks.
void finishAfterFirstPaint();

}  // namespace startup
