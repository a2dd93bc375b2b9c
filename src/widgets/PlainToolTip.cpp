#include "widgets/PlainToolTip.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

namespace {

// Shows the widget's tip as markup that spells out the plain text: escaped, every blank and
// line break kept, no wrapping.
class PlainToolTipFilter : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::ToolTip || widget == nullptr || widget->toolTip().isEmpty()) {
            return false;
        }
        const QString shown =
            QStringLiteral("<div style=\"white-space:pre\">%1</div>").arg(widget->toolTip().toHtmlEscaped());
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), shown, widget, QRect(),
                           widget->toolTipDuration());
        return true;
    }
};

QObject* plainToolTipFilter() {
    static QPointer<QObject> filter;
    if (!filter) {
        filter = new PlainToolTipFilter(qApp);
    }
    return filter;
}

} // namespace

void setPlainToolTip(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    // Installing it again only moves it to the front of the widget's filters.
    widget->installEventFilter(plainToolTipFilter());
}
