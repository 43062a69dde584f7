// Closes every modal window that opens while it lives (as its title bar's
// close box does) and counts them, with their texts: for code that may open
// message boxes from inside loops.
#pragma once

#include <QString>
#include <QStringList>

class QTimer;

class ModalAutoCloser {
  public:
    ModalAutoCloser();
    ~ModalAutoCloser();
    ModalAutoCloser(const ModalAutoCloser&) = delete;
    ModalAutoCloser& operator=(const ModalAutoCloser&) = delete;

    int count() const { return static_cast<int>(texts_.size()); }
    // The texts of every label of each window closed, joined by newlines.
    const QStringList& texts() const { return texts_; }

  private:
    QTimer* poll_;
    QStringList texts_;
};
