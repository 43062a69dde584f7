// Answers the program's message boxes in turn as a user would (a button by
// its caption, or the close box for an empty caption) and keeps each box's
// text; a box beyond the answers given is closed and counted.
#pragma once

#include "core/msgbox.h"
#include "modal_dialog_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <memory>

class MsgBoxAnswers {
  public:
    explicit MsgBoxAnswers(QStringList answers = {}) : answers_(std::move(answers)) {
        ensureTestApplication();
        poll_->setInterval(5);
        QObject::connect(poll_.get(), &QTimer::timeout, [this] { answerTopBox(); });
        poll_->start();
    }

    const QStringList& texts() const { return texts_; }

  private:
    void answerTopBox() {
        auto* box = qobject_cast<MsgBoxX*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        texts_ << box->MsgMain;
        const QString answer = answers_.isEmpty() ? QString() : answers_.takeFirst();
        QAbstractButton* button = answer.isEmpty() ? nullptr : findButton(box, answer);
        button ? button->click() : void(box->close());
    }

    QStringList answers_;
    QStringList texts_;
    std::unique_ptr<QTimer> poll_ = std::make_unique<QTimer>();
};
