#include "storm/StormInvariants.h"

#include "colour/modColors.h"
#include "editor/ColourEditor.h"
#include "notation/StandardColours.h"
#include "palette/SafePalette.h"
#include "scheme/StoredSchemes.h"
#include "shell/frmTintwell.h"
#include "widgets/Twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <array>
#include <functional>

using namespace modColors;

namespace stormInvariants {

namespace {

// Whenever the box holds a whole code, the sliders, their numbers and the preview show it.
QString colourAgrees(const frmTintwell& f) {
    const QString hex = f.txtHex->text();
    static const QRegularExpression shape(QStringLiteral("^[0-9A-F]{0,6}$"));
    if (!shape.match(hex).hasMatch()) {
        return QStringLiteral("the hex box holds \"%1\"").arg(hex);
    }
    if (hex.size() != 6) {
        return QString();
    }
    const int r = hex.mid(0, 2).toInt(nullptr, 16);
    const int g = hex.mid(2, 2).toInt(nullptr, 16);
    const int b = hex.mid(4, 2).toInt(nullptr, 16);
    const std::array<int, 3> code{r, g, b};
    QStringList wrong;
    for (std::size_t i = 0; i < 3; ++i) {
        if (f.vsbColor[i]->value() != code[i]) {
            wrong << QStringLiteral("slider %1 is %2").arg(i).arg(f.vsbColor[i]->value());
        }
        if (f.lblNColor[i]->text() != QString::number(code[i])) {
            wrong << QStringLiteral("number %1 reads \"%2\"").arg(i).arg(f.lblNColor[i]->text());
        }
    }
    const ColourValue preview = ResolveColour(f.lblCMix->backColour());
    if (preview != RGB(r, g, b)) {
        wrong << QStringLiteral("the preview is %1").arg(ColourToHtml(preview));
    }
    return wrong.isEmpty() ? QString()
                           : QStringLiteral("box %1, but %2").arg(hex, wrong.join(QStringLiteral(", ")));
}

// The copy button is off exactly for QBColor and {ESC} with a colour that is not standard.
QString sendFollowsNotation(const frmTintwell& f) {
    const int notation = f.cboWhat->currentIndex();
    const ColourValue colour = f.lblCMix->backColour();
    bool standard = false;
    for (int i = 0; i < 16; ++i) {
        standard = standard || StandardColours::QBColor(i) == colour;
    }
    const bool enabled = !((notation == 3 || notation == 5) && !standard);
    if (f.cmdSend->isEnabled() == enabled) {
        return QString();
    }
    return QStringLiteral("notation %1, colour %2 %3, yet the copy button is %4")
        .arg(notation)
        .arg(ColourToHtml(ResolveColour(colour)),
             standard ? QStringLiteral("(standard)") : QStringLiteral("(not standard)"),
             f.cmdSend->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
}

// The view buttons' captions alone decide the window's size, and the home-page label is
// hidden exactly while the scheme editor is open.
QString sizeFollowsCaptions(const frmTintwell& f) {
    const QString safe = f.cmdSafe->text();
    const QString editor = f.cmdTagEditor->text();
    if (safe != SafePalette::OpenCaption && safe != SafePalette::ClosedCaption) {
        return QStringLiteral("the safe-palette button reads \"%1\"").arg(safe);
    }
    if (editor != StoredSchemes::OpenCaption && editor != StoredSchemes::ClosedCaption) {
        return QStringLiteral("the editor button reads \"%1\"").arg(editor);
    }
    const int width = safe == SafePalette::OpenCaption ? WideWidthTwips : NarrowWidthTwips;
    const int height = editor == StoredSchemes::OpenCaption ? TallHeightTwips : ShortHeightTwips;
    const QSize client(twipsToPixels(width - FrameWidthTwips), twipsToPixels(height - FrameHeightTwips));
    if (f.outerWidthTwips() != width || f.outerHeightTwips() != height || f.size() != client) {
        return QStringLiteral("captions \"%1\" and \"%2\" but the window is %3 x %4 twips, %5 x %6 pixels")
            .arg(safe, editor)
            .arg(f.outerWidthTwips())
            .arg(f.outerHeightTwips())
            .arg(f.width())
            .arg(f.height());
    }
    if (f.lblURL->isHidden() != (editor == StoredSchemes::OpenCaption)) {
        return QStringLiteral("the home-page label is %1 with \"%2\"")
            .arg(f.lblURL->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"), editor);
    }
    return QString();
}

template <typename Cells> QStringList markedCells(const Cells& cells) {
    QStringList marked;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] && cells[i]->borderStyle() == 1) {
            marked << QString::number(i);
        }
    }
    return marked;
}

QString oneMarkEach(const frmTintwell& f) {
    const QStringList standard = markedCells(f.lblStandartColor);
    const QStringList safe = markedCells(f.lblSF);
    if (standard.size() > 1 || safe.size() > 1) {
        return QStringLiteral("marked standard cells [%1], safe cells [%2]")
            .arg(standard.join(QLatin1Char(' ')), safe.join(QLatin1Char(' ')));
    }
    // A mark shows the current colour; a safe cell's mark is kept up only while its panel is open.
    const ColourValue colour = f.lblCMix->backColour();
    if (!standard.isEmpty() && StandardColours::QBColor(standard[0].toInt()) != colour) {
        return QStringLiteral("standard cell %1 is marked, the colour is %2")
            .arg(standard[0], ColourToHtml(ResolveColour(colour)));
    }
    if (!safe.isEmpty() && f.palette.isOpen() && f.lblSF[safe[0].toUInt()]->backColour() != colour) {
        return QStringLiteral("safe cell %1 (%2) is marked, the colour is %3")
            .arg(safe[0], ColourToHtml(f.lblSF[safe[0].toUInt()]->backColour()),
                 ColourToHtml(ResolveColour(colour)));
    }
    return QString();
}

// Once the editor has loaded a scheme, the tag is 76 characters with each slot's code in
// its place.
QString tagHoldsSlots(const frmTintwell& f) {
    if (!f.extraPanelsBuilt() || f.lblTag[0]->tag().isEmpty()) {
        return QString(); // the editor has not been opened yet
    }
    const QString tag = f.txtTag->toPlainText();
    static const QRegularExpression shape(
        QStringLiteral("^<BODY BGCOLOR=(#[0-9A-F]{6}) TEXT=(#[0-9A-F]{6}) LINK=(#[0-9A-F]{6}) "
                       "VLINK=(#[0-9A-F]{6}) ALINK=(#[0-9A-F]{6})>$"));
    const QRegularExpressionMatch match = shape.match(tag);
    if (tag.size() != 76 || !match.hasMatch()) {
        return QStringLiteral("the tag reads \"%1\" (%2 characters)").arg(tag).arg(tag.size());
    }
    for (int k = 0; k < 5; ++k) {
        if (match.captured(k + 1) != f.lblTag[static_cast<std::size_t>(k)]->tag()) {
            return QStringLiteral("slot %1 holds %2 but the tag says %3")
                .arg(k)
                .arg(f.lblTag[static_cast<std::size_t>(k)]->tag(), match.captured(k + 1));
        }
    }
    return QString();
}

QString guardsClear(const frmTintwell& f) {
    const GuardFlags& g = f.flags;
    if (!g.InShowColour && !g.InSliderChange && !g.InDarkLight && !g.InHexEntry && !g.InStdSelect &&
        !g.InSafeSelect) {
        return QString();
    }
    return QStringLiteral("a refresh flag is still set between events");
}

struct Invariant {
    const char* name;
    std::function<QString(const frmTintwell&)> check;
};

const std::array<Invariant, 6> Invariants{{
    {"colour", colourAgrees},
    {"copy button", sendFollowsNotation},
    {"view", sizeFollowsCaptions},
    {"marks", oneMarkEach},
    {"tag", tagHoldsSlots},
    {"refresh flags", guardsClear},
}};

} // namespace

QStringList broken(const frmTintwell& f, const QString& settingsFile) {
    QStringList lines;
    for (const Invariant& invariant : Invariants) {
        const QString trouble = invariant.check(f);
        if (!trouble.isEmpty()) {
            lines << QStringLiteral("%1: %2").arg(QString::fromLatin1(invariant.name), trouble);
        }
    }
    const QString trouble = settingsFileTrouble(settingsFile);
    if (!trouble.isEmpty()) {
        lines << QStringLiteral("settings file: ") + trouble;
    }
    return lines;
}

// Checked line by line against the documented shape, independently of the store's reader:
// UTF-8 without control bytes, and only blank, comment, [section] and key=value lines (the
// latter under a section) whose backslashes all start a documented escape. A file the store
// refused would also have been moved aside as .unreadable.
QString settingsFileTrouble(const QString& path) {
    const QFileInfo info(path);
    const QStringList aside =
        info.dir().entryList({info.fileName() + QStringLiteral(".unreadable*")}, QDir::Files | QDir::Hidden);
    if (!aside.isEmpty()) {
        return QStringLiteral("the store set it aside as %1").arg(aside.join(QStringLiteral(", ")));
    }
    QFile file(path);
    if (!file.exists()) {
        return QString();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot be opened");
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        return QStringLiteral("is not UTF-8");
    }
    static const QRegularExpression escapes(
        QStringLiteral(R"(^(?:[^\\]|\\[\\nrt=\[\];#%s]|\\x[0-9A-Fa-f]{2}|\\u\{[0-9A-Fa-f]{1,6}\})*$)"));
    static const QRegularExpression section(QStringLiteral(R"(^\s*\[(?:[^\\\]]|\\.)+\]\s*$)"));
    static const QRegularExpression entry(QStringLiteral(R"(^\s*(?:[^\\=\[]|\\.)(?:[^\\=]|\\.)*=.*$)"));
    bool inSection = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        const QString trimmed = line.trimmed();
        const auto where = [&](const char* what) {
            return QStringLiteral("line %1 %2: \"%3\"")
                .arg(n + 1)
                .arg(QString::fromLatin1(what), line.left(80));
        };
        for (QChar c : line) {
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F) {
                return where("holds a control character");
            }
        }
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
            trimmed.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (!escapes.match(line).hasMatch()) {
            return where("has a broken escape");
        }
        if (section.match(line).hasMatch()) {
            inSection = true;
        } else if (!inSection || !entry.match(line).hasMatch()) {
            return where("is neither a section nor a key=value line under one");
        }
    }
    return QString();
}

} // namespace stormInvariants
