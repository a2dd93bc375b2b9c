#include "editor/ColourEditor.h"

#include "editor/HexPaste.h"
#include "platform/DesktopServices.h"
#include "widgets/FormLabel.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QScrollBar>

using namespace modColors;

namespace {
constexpr ColourValue LightYellow = 0x00C0FFFF;

// Swallows Enter in the hex box through txtHex_KeyPress.
class HexKeyFilter : public QObject {
  public:
    HexKeyFilter(ColourEditor& editor, QObject* parent) : QObject(parent), editor_(editor) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                return editor_.txtHex_KeyPress(13) == 0;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    ColourEditor& editor_;
};
} // namespace

void ColourEditor::wire(QObject* context) {
    for (int i = 0; i < 3; ++i) {
        QObject::connect(c.vsbColor[i], &QScrollBar::valueChanged, context,
                         [this, i] { vsbColor_Change(i); });
        QObject::connect(c.vsbColor[i], &QScrollBar::sliderMoved, context,
                         [this, i](int position) { vsbColor_Scroll(i, position); });
    }
    QObject::connect(c.vsbDL, &QScrollBar::valueChanged, context, [this] { vsbDL_Change(); });
    QObject::connect(c.vsbDL, &QScrollBar::sliderMoved, context,
                     [this](int position) { vsbDL_Scroll(position); });
    QObject::connect(c.txtHex, &QLineEdit::textChanged, context, [this] { txtHex_Change(); });
    c.txtHex->installEventFilter(new HexKeyFilter(*this, c.txtHex));
    hexPaste::routePastes(*c.txtHex);
    snapping.wire(context);
}

ColourValue ColourEditor::currentColour() const {
    return c.lblCMix->backColour();
}

QString ColourEditor::hexText() const {
    return c.txtHex->text();
}

std::array<int, 3> ColourEditor::channels() const {
    return {c.vsbColor[0]->value(), c.vsbColor[1]->value(), c.vsbColor[2]->value()};
}

ColourValue ColourEditor::sliderColour() const {
    return RGB(c.vsbColor[0]->value(), c.vsbColor[1]->value(), c.vsbColor[2]->value());
}

void ColourEditor::showChannelNumber(int index, Channel value) {
    FormLabel* number = c.lblNColor[index];
    number->setText(QString::number(value));
    // Fitting a label lays its text out, half the cost of a refresh; each of the 256 texts is
    // measured once.
    auto& sizes = fittedNumbers_[static_cast<std::size_t>(index)];
    const auto known = sizes.constFind(value);
    if (known != sizes.cend()) {
        number->resize(*known);
        return;
    }
    number->adjustSize();
    sizes.insert(value, number->size());
}

void ColourEditor::showSwatch(int index, Channel value) {
    const int shift = 8 * index;
    c.lblColor[index]->setBackColour(static_cast<ColourValue>(value & 0xFF) << shift);
}

void ColourEditor::ShowColour(ColourValue colour) {
    GuardFlags& g = flags_;
    ++refreshes_;
    g.InShowColour = true;
    snapping.SafeUndo = false;

    c.lblCMix->setBackColour(colour);

    if (!g.InSliderChange) {
        SplitColour(colour, CurrentChannels[0], CurrentChannels[1], CurrentChannels[2],
                    [this](int index) { return desktop_.sysColor(index); });
        for (int i = 0; i < 3; ++i) {
            showChannelNumber(i, CurrentChannels[i]);
            c.vsbColor[i]->setValue(CurrentChannels[i]);
        }
        for (int i = 0; i < 3; ++i) {
            showSwatch(i, CurrentChannels[i]);
        }
        c.lblNColor[1]->setForeColour(CurrentChannels[1] < 200 ? LightYellow : 0);
    }

    if (!g.InStdSelect) {
        steps_.standardMatch(colour);
    }

    steps_.schemeStep(colour);

    if (!g.InDarkLight) {
        g.InSliderChange = true;
        c.vsbDL->setValue(
            ChannelMean(c.vsbColor[0]->value(), c.vsbColor[1]->value(), c.vsbColor[2]->value()));
        LastDarkLight = static_cast<Channel>(c.vsbDL->value());
        g.InSliderChange = false;
    }

    // The sliders hold the colour even while the hex box holds a code half typed.
    const QString digits =
        ChannelsToHtml(c.vsbColor[0]->value(), c.vsbColor[1]->value(), c.vsbColor[2]->value()).right(6);
    if (!g.InHexEntry) {
        g.InSliderChange = true;
        c.txtHex->setText(digits);
        g.InSliderChange = false;
    }
    c.lblCMix->setAccessibleName(QStringLiteral("Preview #") + digits);

    steps_.safeMatch();

    steps_.notation();
    g.InShowColour = false;
}

void ColourEditor::vsbColor_Change(int index) {
    GuardFlags& g = flags_;
    if (g.InShowColour) {
        return;
    }
    g.InSliderChange = true;
    const auto v = static_cast<Channel>(c.vsbColor[index]->value());
    showChannelNumber(index, v);
    showSwatch(index, v);
    if (index == 1) {
        c.lblNColor[1]->setForeColour(v < 200 ? LightYellow : 0);
    }
    ShowColour(sliderColour());
    g.InSliderChange = false;
}

// Qt reports the thumb's new position before the value follows it: snapping is switched
// off first, then the value is set here, which raises vsbColor_Change with the new value.
void ColourEditor::vsbColor_Scroll(int index, int position) {
    snapping.SwitchOffWithoutUndo();
    if (c.chkSF->isChecked()) {
        return;
    }
    if (c.vsbColor[index]->value() != position) {
        c.vsbColor[index]->setValue(position);
    } else {
        vsbColor_Change(index);
    }
}

int ColourEditor::txtHex_KeyPress(int keyAscii) {
    return keyAscii == 13 ? 0 : keyAscii;
}

void ColourEditor::txtHex_Change() {
    GuardFlags& g = flags_;
    if (g.InShowColour) {
        return;
    }
    QString t = c.txtHex->text().toUpper();
    const qsizetype n = t.size();
    // Filter by character code; the index is not stepped back after a removal, and the
    // nested run raised by writing the box back filters what is left.
    for (qsizetype i = 1; i <= n; ++i) {
        const char16_t ch = i <= t.size() ? t[i - 1].unicode() : 0;
        if (ch > u'F' || (ch > u'9' && ch < u'A') || ch < u'0') {
            t = t.left(i - 1) + t.right(n - i);
        }
    }
    const bool rewritten = c.txtHex->text() != t;
    c.txtHex->setText(t);
    c.txtHex->setCursorPosition(static_cast<int>(t.size()));
    if (n != 6) {
        return;
    }
    const QString code = c.txtHex->text();
    // The nested run that left these six digits has applied them already; once is enough.
    if (rewritten && code.size() == 6) {
        return;
    }
    g.InHexEntry = true;
    Channel r = CurrentChannels[0], gr = CurrentChannels[1], b = CurrentChannels[2];
    // A sixth character that was not a digit leaves five: the message is shown and the
    // current colour stays as it is, rather than bringing back an older colour.
    const HtmlParse parsed = HtmlToChannels(code, r, gr, b);
    if (parsed == HtmlParse::TooShort) {
        desktop_.tell(LengthMessage);
    } else if (parsed == HtmlParse::Ok) {
        CurrentChannels = {r, gr, b};
        ShowColour(RGB(r, gr, b));
    }
    g.InHexEntry = false;
}

void ColourEditor::vsbDL_Change() {
    GuardFlags& g = flags_;
    if (g.InShowColour) {
        return;
    }
    snapping.SwitchOffWithoutUndo();
    g.InDarkLight = true;
    const auto d = static_cast<Channel>(c.vsbDL->value() - LastDarkLight);
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    const int red = clamp(c.vsbColor[0]->value() + d);
    const int green = clamp(c.vsbColor[1]->value() + d);
    const int blue = clamp(c.vsbColor[2]->value() + d);
    ShowColour(RGB(red, green, blue));
    LastDarkLight = static_cast<Channel>(c.vsbDL->value());
    g.InDarkLight = false;
}

void ColourEditor::vsbDL_Scroll(int position) {
    if (c.vsbDL->value() != position) {
        c.vsbDL->setValue(position);
    } else {
        vsbDL_Change();
    }
}
