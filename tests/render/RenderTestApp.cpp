// One QApplication for the render tests, on the offscreen platform unless told otherwise. Made
// only when none exists yet, so another environment of this program may make it instead.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class RenderQtApp : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_render";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* kEnv = ::testing::AddGlobalTestEnvironment(new RenderQtApp);

} // namespace
