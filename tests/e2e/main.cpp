#include <QApplication>
#include <gtest/gtest.h>

// End-to-end tests run on a private session bus (see CMakeLists.txt), inside an
// application object, without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
