// Pumping pending window events from inside a long send or wait, so the
// poll timers, the Stop buttons and the rest of the windows keep running.
#pragma once

// Handles what is pending and returns at once (a send that made progress
// goes straight on).
void pumpEvents();

// Handles what is pending; when nothing is, blocks for the next event but no
// longer than maxWaitMs. Loops that wait for a flag or a flow-control hold
// call this, so they do not spin a core.
void pumpEventsWaiting(int maxWaitMs = 10);
