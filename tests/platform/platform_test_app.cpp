#include "platform_test_app.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class AppEnvironment : public ::testing::Environment {
public:
    explicit AppEnvironment(QApplication* app) : app_(app) {}
    void TearDown() override { delete app_; }

private:
    QApplication* app_;
};

}  // namespace

void ensurePlatformTestApp() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "VELDRAKON";
    static char* argv[] = {name, nullptr};
    ::testing::AddGlobalTestEnvironment(new AppEnvironment(new QApplication(argc, argv)));
}
