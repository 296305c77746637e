// Moments of start-up for the bench. Each mark records the performance counter; when the environment
// variable BRIMLOW_STARTUP_PROFILE names a file, finish() writes the marks there, one "phase<TAB>count"
// line each. Without it nothing is written.
#pragma once

namespace startup {

void mark(const char* phase);
void finish();

}  // namespace startup
