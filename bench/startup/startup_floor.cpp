// The floor of the start-up benchmark: the least a Qt Widgets program does to put up an empty
// window of Tintwell's compact client size (334 x 261 pixels). Nothing else is linked in.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(334, 261);
    window.show();
    return QApplication::exec();
}
