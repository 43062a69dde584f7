// The main window within the screen's available area, every control in
// reach; the suite runs this again on small and scaled screens.
#include "main_window_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

namespace {

TEST_F(MainWindowTest, MainWindowLiesWithinTheScreenAndEveryControlCanBeReached) {
    form->show();
    QCoreApplication::sendPostedEvents(); // the layout it was given
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(form->frameGeometry()));
    auto* scroll = form->findChild<QScrollArea*>();
    QWidget* view = scroll->viewport();
    for (QWidget* control : scroll->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        scroll->ensureWidgetVisible(control, 0, 0);
        const QRect at(control->mapTo(view, QPoint(0, 0)), control->size());
        // One larger than the view fills it.
        EXPECT_EQ(at.intersected(view->rect()).size(), at.size().boundedTo(view->size()));
    }
    if (area.width() >= 1204 && area.height() >= 660) {
        EXPECT_EQ(form->size(), QSize(1200, 656)); // a screen that holds it
    }
    form->hide();
}

} // namespace
