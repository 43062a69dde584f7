// Points the program's library table at the library linked into the test
// program (tovaline_static), so tests run the real library in-process, over
// whatever port driver the test installed.
#pragma once

struct TovalineApi;

void installRealTovalineApi();

// The table of the linked library, for a stand-in that replaces a few calls.
const TovalineApi& realTovalineApi();
