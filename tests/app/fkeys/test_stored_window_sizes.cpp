// The resizable windows that keep their size in the settings open no larger
// than the screen's available area: a stored size above it is held to it, a
// size at it or below it is kept as stored.
#include "fkeys/frms_UF_Edit_Ichiran.h"
#include "fkeys/frms_UF_edit1.h"
#include "fkeys/frms_UF_send_Ichiran.h"
#include "key_folder_fixture.h"
#include "senders/frms_KeySend.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <functional>
#include <memory>

namespace {

using twips::fromPixels;

class StoredWindowSize : public KeyWindowTest {};

struct SizedWindow {
    const char* window;
    int32_t Settings::*width;
    int32_t Settings::*height;
    std::function<std::unique_ptr<QWidget>()> open;
};

template <class Window> std::unique_ptr<QWidget> loaded() {
    auto w = std::make_unique<Window>();
    w->Form_Load();
    return w;
}

TEST_F(StoredWindowSize, IsHeldToTheScreenAndKeptInsideIt) {
    const SizedWindow windows[] = {
        {"one-line editor", &Settings::KeySendWidth, &Settings::KeySendHeight,
         loaded<frms_KeySend>},
        {"key editor", &Settings::UFEditWidth, &Settings::UFEditHeight, loaded<frms_UF_edit1>},
        {"edit list", &Settings::UFEditListWidth, &Settings::UFEditListHeight,
         loaded<frms_UF_Edit_Ichiran>},
        {"send list", &Settings::UFListWidth, &Settings::UFListHeight,
         loaded<frms_UF_send_Ichiran>},
    };
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    const int32_t screenWidth = fromPixels(screen.width()),
                  screenHeight = fromPixels(screen.height());
    struct Case {
        const char* stored;
        int32_t width, height;
        QSize shown;
    };
    const Case cases[] = {
        {"above the screen", 999999999, 999999999, screen},
        {"taller only",
         screenWidth - 150,
         screenHeight + 15,
         {screen.width() - 10, screen.height()}},
        {"at the screen", screenWidth, screenHeight, screen},
        {"below the screen",
         screenWidth - 150,
         screenHeight - 600,
         {screen.width() - 10, screen.height() - 40}},
    };
    for (const SizedWindow& w : windows) {
        for (const Case& c : cases) {
            settings().*w.width = c.width;
            settings().*w.height = c.height;
            const std::unique_ptr<QWidget> window = w.open();
            EXPECT_EQ(window->size(), c.shown) << w.window << ", stored " << c.stored;
        }
    }
}

} // namespace
