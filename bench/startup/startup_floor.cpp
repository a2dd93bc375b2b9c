// The floors of the start-up benchmark: the least a Qt Widgets program does to put up a window
// of Tintwell's compact client size (334 x 261 pixels). Nothing else is linked in.
//
//   startup_floor            an empty window
//   startup_floor --widgets  the same window with one control of each kind that Tintwell's
//                            compact view shows, with a caption in the default font: what any
//                            Qt program with such controls pays for fonts, style and text
//   startup_floor --designed the same controls in the faces and sizes Tintwell is drawn in
//                            (three faces, six sizes, a Cyrillic caption), plus a label for each
//                            size no control uses: what those fonts cost on top
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

QFont designedFont(double points, bool bold, bool mono = false) {
    QFont font;
    if (mono) {
        font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Monospace")});
    } else {
        font.setFamilies(
            {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    }
    font.setStyleHint(mono ? QFont::TypeWriter : QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The fonts given the way Tintwell gives them: the window's font first, then per control.
void addDesignedWidgets(QWidget* window) {
    window->setFont(designedFont(8.25, false));
    addWidgets(window);
    window->findChild<QLabel*>()->setFont(designedFont(8.25, true));
    window->findChild<QLineEdit*>()->setFont(designedFont(12, true, true));
    const struct {
        const char* text;
        QFont font;
        int x, y;
    } labels[] = {{"128", designedFont(9.75, true), 160, 60},
                  {"8421504", designedFont(9.75, false), 160, 215},
                  {"#", designedFont(15, true, true), 145, 190},
                  {"gray в буфер", designedFont(8.25, false), 160, 10}};
    for (const auto& l : labels) {
        auto* label = new QLabel(QString::fromUtf8(l.text), window);
        label->setFont(l.font);
        label->move(l.x, l.y);
    }
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(334, 261);
    if (argc > 1 && std::strcmp(argv[1], "--widgets") == 0) {
        addWidgets(&window);
    } else if (argc > 1 && std::strcmp(argv[1], "--designed") == 0) {
        addDesignedWidgets(&window);
    }
    window.show();
    return QApplication::exec();
}
