// The progress bar of the file tools: a sunken panel holding a row of twenty
// "■" that the bar's width clips (38 twips a percent, 3,800 at 100%) and the
// percentage beside it.
#pragma once

class QFrame;
class QLabel;
class QWidget;

struct PercentBar {
    QFrame* panel = nullptr;
    QLabel* bar = nullptr;
    QLabel* percent = nullptr;

    // The bar 1 twip wide, no percentage.
    void reset() const;
    // The bar and "n%" for a share of n percent; above 100 the bar stays full.
    void show(int percent) const;
};

PercentBar makePercentBar(QWidget* parent, int left, int top);
