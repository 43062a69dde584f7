// Drives modal windows from a test: the test arms an action, then calls the
// code that opens the window; the action runs once the new modal window is
// up (polled by a timer inside the window's own event loop).
#pragma once

#include <QString>

#include <functional>

class QAbstractButton;
class QWidget;

// The one QApplication of the test program (created on first use). After the
// last test every window still there is deleted, then the application.
void ensureTestApplication();

// Runs action on the next modal window that opens above the one on top now.
void whenNextModalOpens(std::function<void(QWidget*)> action);

// Runs action once a modal window of this class (as its meta-object names
// it, "MsgBoxX", "QColorDialog" ...) is on top.
void whenModalOpens(const char* className, std::function<void(QWidget*)> action);

// Clicks the button with this caption in the next modal window; a missing
// button fails the test and closes the window so that the test goes on.
void clickInNextModal(const QString& caption);

// Closes the next modal window as its title bar's close box does.
void closeNextModal();

// The visible button with this caption in the window, or nullptr.
QAbstractButton* findButton(QWidget* window, const QString& caption);
