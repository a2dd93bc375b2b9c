// Every test program runs inside one QApplication that lives on main's stack, so Qt is
// torn down in order before the program exits.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
