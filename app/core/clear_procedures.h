// Clearing the receive store and screen, the two byte totals and the
// per-byte-value counters (the clear buttons of the main window and of the
// tool windows).
#pragma once

// Empties the library's display store and the receive screen (kept in the
// bit-edge counter mode 30), hides the value label and the scroll bar and
// puts the scroll-back state to 0.
void ClearDispBuffer();

// The library's sent total and Label8 to 0.
void ClearSendCount();

// RcvTotal and Label4 to 0.
void ClearRcvCount();

// Every per-byte-value count of both directions to 0, then the three clears
// above. The line counters stay.
void ClearAllCounters();
