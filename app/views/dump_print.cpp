#include "views/dump_print.h"

#include "ui/picture_box.h"

void printDumpLines(PictureBox& pic, const std::vector<DumpLine>& lines) {
    for (const DumpLine& line : lines) {
        // Neighbouring runs of one colour go out as one print: a page of
        // single cells would otherwise cost a print each.
        for (auto run = line.begin(); run != line.end();) {
            QString text = run->text;
            const int32_t color = run->color;
            for (++run; run != line.end() && run->color == color; ++run)
                text += run->text;
            pic.ForeColor = color;
            pic.Print(text, false);
        }
        pic.Print(QString());
    }
}
