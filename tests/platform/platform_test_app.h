// The one QApplication of the platform tests, created on first use and
// deleted before the program's statics go.
#pragma once

void ensurePlatformTestApp();
