// Points the program's library table at the library linked into the test
// program (tovaline_static), so tests run the real library in-process, over
// whatever port driver the test installed.
#pragma once

void installRealTovalineApi();
