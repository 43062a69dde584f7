// Prints a page of dump lines on a picture from its top: each run in its
// colour from where the one before ended, a line end after each line.
#pragma once

#include "views/dump_text.h"

#include <vector>

class PictureBox;

void printDumpLines(PictureBox& pic, const std::vector<DumpLine>& lines);
