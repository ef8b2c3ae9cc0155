// One QApplication for the whole test program: widgets need it, and Qt allows
// only one per process. Tests pin their own QLocale rather than trusting the machine's.

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
