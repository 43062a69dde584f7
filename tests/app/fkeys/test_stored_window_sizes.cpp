// The resizable windows that keep their size in the settings open with their
// whole frame within the screen's available area: a stored size that would
// take the frame past it is held to it, a smaller one is kept as stored.
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
using twips::toPixels;

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

TEST_F(StoredWindowSize, IsHeldToTheScreenWithItsFrameOnTheFirstShow) {
    const SizedWindow windows[] = {
        {"one-line editor", &Settings::KeySendWidth, &Settings::KeySendHeight,
         loaded<frms_KeySend>},
        {"key editor", &Settings::UFEditWidth, &Settings::UFEditHeight, loaded<frms_UF_edit1>},
        {"edit list", &Settings::UFEditListWidth, &Settings::UFEditListHeight,
         loaded<frms_UF_Edit_Ichiran>},
        {"send list", &Settings::UFListWidth, &Settings::UFListHeight,
         loaded<frms_UF_send_Ichiran>},
    };
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int32_t areaWidth = fromPixels(area.width()), areaHeight = fromPixels(area.height());
    struct Case {
        const char* stored;
        int32_t width, height;
        bool keptAsStored;
    };
    const Case cases[] = {
        {"far above the screen", 999999999, 999999999, false},
        {"taller only", areaWidth - 150, areaHeight + 15, false},
        {"at the screen", areaWidth, areaHeight, false},
        {"below the screen", areaWidth - 150, areaHeight - 600, true},
    };
    for (const SizedWindow& w : windows) {
        for (const Case& c : cases) {
            runSettings() = RunSettings{};
            settings().*w.width = c.width;
            settings().*w.height = c.height;
            const std::unique_ptr<QWidget> window = w.open();
            window->show();
            const std::string what = std::string(w.window) + ", stored " + c.stored;
            EXPECT_TRUE(area.contains(window->frameGeometry())) << what;
            EXPECT_GT(window->frameGeometry().height(), window->height()) << what << ": framed";
            if (c.keptAsStored)
                EXPECT_EQ(window->size(), QSize(toPixels(c.width), toPixels(c.height))) << what;
            else
                EXPECT_EQ(window->frameGeometry().height(), area.height())
                    << what << ": fills the height";
        }
    }
}

} // namespace
