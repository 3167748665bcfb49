#pragma once
// The run time's event pump. Received lines, timers and clicks go on during
// every wait.

namespace platform {

// Handles all pending events, then returns.
void DoEvents();

// Seconds since midnight, as the original's Timer function gives them.
double Timer();

// Handles events for about ms milliseconds, sleeping while there are none.
void PumpEventsFor(int ms);

}  // namespace platform
