#include "modal_auto_closer.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "modal_dialog_driver.h"

ModalAutoCloser::ModalAutoCloser() : poll_(new QTimer) {
    ensureTestApplication();
    poll_->setInterval(5);
    QObject::connect(poll_, &QTimer::timeout, poll_, [this] {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || !top->isVisible()) return;
        QStringList labels;
        for (const QLabel* l : top->findChildren<QLabel*>())
            if (!l->text().isEmpty()) labels << l->text();
        texts_ << labels.join(u'\n');
        top->close();
    });
    poll_->start();
}

ModalAutoCloser::~ModalAutoCloser() {
    delete poll_;
}
