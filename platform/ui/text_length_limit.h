// A plain-text box that holds at most so many characters as its text is
// stored (a line break counts two, CR LF), as a text box with a maximum
// length did: the part of what the user types or pastes that goes beyond
// the limit is taken back. Text set while the limit is suspended (a longer
// text loaded from a file) stays whole.
#pragma once

#include <QObject>
#include <QStringView>

#include <functional>

class QPlainTextEdit;

// The length of a box's text as it is stored: a line break counts two.
qsizetype storedLength(QStringView shown);
// How many characters from the start of the text fit in maxStoredChars as
// stored (a line break is kept whole or not at all).
qsizetype fittingLength(QStringView shown, qsizetype maxStoredChars);

class TextLengthLimit : public QObject {
  public:
    // active() tells whether an edit is held to the limit now; left empty,
    // every edit is. Made before the window connects its own change
    // handler, the limit acts first, and the window sees the text as kept.
    TextLengthLimit(QPlainTextEdit* box, int maxStoredChars, std::function<bool()> active = {});

  private:
    // Takes back what the last edit brought beyond the limit.
    void enforce();

    QPlainTextEdit* box_;
    int max_;
    std::function<bool()> active_;
    int insertedFrom_ = 0;
    int insertedCount_ = 0;
};
