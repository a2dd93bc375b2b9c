#include "editor/ColourEditor.h"

#include "editor/HexPaste.h"
#include "notation/Notations.h"
#include "notation/StandardColours.h"
#include "palette/SafePalette.h"
#include "scheme/SchemeEditor.h"
#include "shell/frmTintwell.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

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

void ColourEditor::wire() {
    for (int i = 0; i < 3; ++i) {
        QObject::connect(f.vsbColor[i], &QScrollBar::valueChanged, &f, [this, i] { vsbColor_Change(i); });
        QObject::connect(f.vsbColor[i], &QScrollBar::sliderMoved, &f,
                         [this, i](int position) { vsbColor_Scroll(i, position); });
    }
    QObject::connect(f.vsbDL, &QScrollBar::valueChanged, &f, [this] { vsbDL_Change(); });
    QObject::connect(f.vsbDL, &QScrollBar::sliderMoved, &f, [this](int position) { vsbDL_Scroll(position); });
    QObject::connect(f.txtHex, &QLineEdit::textChanged, &f, [this] { txtHex_Change(); });
    f.txtHex->installEventFilter(new HexKeyFilter(*this, f.txtHex));
    hexPaste::routePastes(*f.txtHex);
}

ColourValue ColourEditor::currentColour() const {
    return f.lblCMix->backColour();
}

ColourValue ColourEditor::sliderColour() const {
    return RGB(f.vsbColor[0]->value(), f.vsbColor[1]->value(), f.vsbColor[2]->value());
}

void ColourEditor::showChannelNumber(int index, Channel value) {
    FormLabel* number = f.lblNColor[index];
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
    f.lblColor[index]->setBackColour(static_cast<ColourValue>(value & 0xFF) << shift);
}

void ColourEditor::ShowColour(ColourValue colour) {
    GuardFlags& g = f.flags;
    ++refreshes_;
    g.InShowColour = true;
    g.SafeUndo = false;

    f.lblCMix->setBackColour(colour);

    if (!g.InSliderChange) {
        SplitColour(colour, CurrentChannels[0], CurrentChannels[1], CurrentChannels[2]);
        for (int i = 0; i < 3; ++i) {
            showChannelNumber(i, CurrentChannels[i]);
            f.vsbColor[i]->setValue(CurrentChannels[i]);
        }
        for (int i = 0; i < 3; ++i) {
            showSwatch(i, CurrentChannels[i]);
        }
        f.lblNColor[1]->setForeColour(CurrentChannels[1] < 200 ? LightYellow : 0);
    }

    if (!g.InStdSelect) {
        f.standard.MatchColour(colour);
    }

    f.scheme.SchemeStep(colour);

    if (!g.InDarkLight) {
        g.InSliderChange = true;
        f.vsbDL->setValue(
            ChannelMean(f.vsbColor[0]->value(), f.vsbColor[1]->value(), f.vsbColor[2]->value()));
        LastDarkLight = static_cast<Channel>(f.vsbDL->value());
        g.InSliderChange = false;
    }

    if (!g.InHexEntry) {
        g.InSliderChange = true;
        f.txtHex->setText(
            ChannelsToHtml(f.vsbColor[0]->value(), f.vsbColor[1]->value(), f.vsbColor[2]->value()).right(6));
        g.InSliderChange = false;
    }

    f.palette.MatchStep();

    f.notations.ShowNotation();
    g.InShowColour = false;
}

void ColourEditor::vsbColor_Change(int index) {
    GuardFlags& g = f.flags;
    if (g.InShowColour) {
        return;
    }
    g.InSliderChange = true;
    const auto v = static_cast<Channel>(f.vsbColor[index]->value());
    showChannelNumber(index, v);
    showSwatch(index, v);
    if (index == 1) {
        f.lblNColor[1]->setForeColour(v < 200 ? LightYellow : 0);
    }
    ShowColour(sliderColour());
    g.InSliderChange = false;
}

// Qt reports the thumb's new position before the value follows it: snapping is switched
// off first, then the value is set here, which raises vsbColor_Change with the new value.
void ColourEditor::vsbColor_Scroll(int index, int position) {
    f.palette.SwitchOffWithoutUndo();
    if (f.chkSF->isChecked()) {
        return;
    }
    if (f.vsbColor[index]->value() != position) {
        f.vsbColor[index]->setValue(position);
    } else {
        vsbColor_Change(index);
    }
}

int ColourEditor::txtHex_KeyPress(int keyAscii) {
    return keyAscii == 13 ? 0 : keyAscii;
}

void ColourEditor::txtHex_Change() {
    GuardFlags& g = f.flags;
    if (g.InShowColour) {
        return;
    }
    QString t = f.txtHex->text().toUpper();
    const qsizetype n = t.size();
    // Filter by character code; the index is not stepped back after a removal, and the
    // nested run raised by writing the box back filters what is left.
    for (qsizetype i = 1; i <= n; ++i) {
        const char16_t ch = i <= t.size() ? t[i - 1].unicode() : 0;
        if (ch > u'F' || (ch > u'9' && ch < u'A') || ch < u'0') {
            t = t.left(i - 1) + t.right(n - i);
        }
    }
    const bool rewritten = f.txtHex->text() != t;
    f.txtHex->setText(t);
    f.txtHex->setCursorPosition(static_cast<int>(t.size()));
    if (n != 6) {
        return;
    }
    const QString code = f.txtHex->text();
    // The nested run that left these six digits has applied them already; once is enough.
    if (rewritten && code.size() == 6) {
        return;
    }
    g.InHexEntry = true;
    Channel r = CurrentChannels[0], gr = CurrentChannels[1], b = CurrentChannels[2];
    // A sixth character that was not a digit leaves five: the message is shown and the
    // current colour stays as it is, rather than bringing back an older colour.
    if (HtmlToChannels(code, r, gr, b) == HtmlParse::Ok) {
        CurrentChannels = {r, gr, b};
        ShowColour(RGB(r, gr, b));
    }
    g.InHexEntry = false;
}

void ColourEditor::vsbDL_Change() {
    GuardFlags& g = f.flags;
    if (g.InShowColour) {
        return;
    }
    f.palette.SwitchOffWithoutUndo();
    g.InDarkLight = true;
    const auto d = static_cast<Channel>(f.vsbDL->value() - LastDarkLight);
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    const int red = clamp(f.vsbColor[0]->value() + d);
    const int green = clamp(f.vsbColor[1]->value() + d);
    const int blue = clamp(f.vsbColor[2]->value() + d);
    ShowColour(RGB(red, green, blue));
    LastDarkLight = static_cast<Channel>(f.vsbDL->value());
    g.InDarkLight = false;
}

void ColourEditor::vsbDL_Scroll(int position) {
    if (f.vsbDL->value() != position) {
        f.vsbDL->setValue(position);
    } else {
        vsbDL_Change();
    }
}
