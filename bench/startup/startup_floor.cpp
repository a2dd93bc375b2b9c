// The floors of the start-up benchmark: the least a Qt Widgets program does to put up a window
// of Tintwell's compact client size (334 x 261 pixels). Nothing else is linked in.
//
//   startup_floor            an empty window
//   startup_floor --widgets  the same window with one control of each kind that Tintwell's
//                            compact view shows, with a caption in the default font: what any
//                            Qt program with such controls pays for fonts, style and text
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <cstring>

namespace {
void addWidgets(QWidget* window) {
    auto* frame = new QGroupBox(window);
    frame->setGeometry(0, 40, 137, 201);
    auto* slider = new QScrollBar(Qt::Vertical, frame);
    slider->setGeometry(8, 32, 9, 161);
    (new QLabel(QStringLiteral("R"), frame))->move(8, 16);
    (new QPushButton(QStringLiteral("S&F >>"), window))->setGeometry(288, 6, 41, 33);
    (new QCheckBox(QStringLiteral("&On Top"), window))->setGeometry(0, 245, 57, 13);
    (new QLineEdit(QStringLiteral("808080"), window))->setGeometry(160, 192, 67, 19);
    auto* list = new QComboBox(window);
    list->addItem(QStringLiteral("Number"));
    list->setGeometry(248, 192, 81, list->sizeHint().height());
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(334, 261);
    if (argc > 1 && std::strcmp(argv[1], "--widgets") == 0) {
        addWidgets(&window);
    }
    window.show();
    return QApplication::exec();
}
