// The paste and the written notations against an independent CSS colour library's answers
// (css_reference/generate.mjs writes them).
#include "colour/CssColourText.h"

#include <QProcess>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace cssColour;

namespace {

QStringList referenceLines() {
    const QString file = QStringLiteral(TINTWELL_SOURCE_DIR "/tests/colour/css_reference/pasted.tsv.gz");
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), file});
    EXPECT_TRUE(gzip.waitForFinished(60000)) << file.toStdString();
    EXPECT_EQ(gzip.exitCode(), 0) << file.toStdString();
    return QString::fromUtf8(gzip.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString unescaped(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == QLatin1Char('n')   ? QChar('\n')
               : next == QLatin1Char('t') ? QChar('\t')
               : next == QLatin1Char('r') ? QChar('\r')
                                          : next;
    }
    return out;
}

// A channel matches when it is the reference rounded half up, or either neighbour of a
// reference within 0.01 of a half.
bool channelMatches(int ours, double reference) {
    const double fraction = reference - std::floor(reference);
    if (std::abs(fraction - 0.5) < 0.01) {
        return ours == static_cast<int>(std::floor(reference)) ||
               ours == static_cast<int>(std::ceil(reference));
    }
    return ours == static_cast<int>(std::floor(reference + 0.5));
}

std::string shown(const std::optional<Channels>& c) {
    return c ? QStringLiteral("%1 %2 %3").arg((*c)[0]).arg((*c)[1]).arg((*c)[2]).toStdString() : "none";
}

TEST(CssReference, PasteAgreesWithTheIndependentLibrary) {
    int colours = 0, refused = 0;
    for (const QString& line : referenceLines()) {
        if (line.startsWith(QLatin1Char('@'))) {
            continue;
        }
        const QString text = unescaped(line.section(QLatin1Char('\t'), 0, 0));
        const QString expected = line.section(QLatin1Char('\t'), 1);
        const auto ours = parseCssColour(text);
        if (expected == QLatin1String("none")) {
            ++refused;
            EXPECT_FALSE(ours) << text.toStdString() << " gave " << shown(ours);
            continue;
        }
        ++colours;
        const QStringList channels = expected.split(QLatin1Char(' '));
        ASSERT_EQ(channels.size(), 3) << line.toStdString();
        ASSERT_TRUE(ours) << text.toStdString() << " is " << expected.toStdString();
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(channelMatches((*ours)[static_cast<std::size_t>(i)], channels[i].toDouble()))
                << text.toStdString() << ": ours " << shown(ours) << ", reference " << expected.toStdString();
        }
    }
    // Thousands of each, so a broken file cannot pass by being short.
    EXPECT_GT(colours, 20000);
    EXPECT_GT(refused, 5000);
}

WrittenForm formNamed(const QString& name) {
    static const std::pair<const char*, WrittenForm> forms[] = {{"@hwb", WrittenForm::Hwb},
                                                                {"@lab", WrittenForm::Lab},
                                                                {"@lch", WrittenForm::Lch},
                                                                {"@oklab", WrittenForm::Oklab},
                                                                {"@p3", WrittenForm::DisplayP3}};
    for (const auto& [written, form] : forms) {
        if (name == QLatin1String(written)) {
            return form;
        }
    }
    ADD_FAILURE() << name.toStdString();
    return WrittenForm::Hwb;
}

// The decimals each form writes: hue and whiteness, lightness, chroma and so on.
std::array<int, 3> decimalsOf(WrittenForm form) {
    switch (form) {
    case WrittenForm::Hwb:
        return {1, 1, 1};
    case WrittenForm::Oklab:
        return {2, 5, 5};
    case WrittenForm::DisplayP3:
        return {4, 4, 4};
    default:
        return {2, 2, 2};
    }
}

// Each written number is the library's own coordinate, rounded to the decimals written; a
// grey's hue is "none" on both sides.
TEST(CssReference, WrittenNumbersAreTheLibrarysCoordinatesRounded) {
    int checked = 0;
    for (const QString& line : referenceLines()) {
        if (!line.startsWith(QLatin1Char('@'))) {
            continue;
        }
        const QStringList words = line.split(QLatin1Char(' '));
        ASSERT_EQ(words.size(), 5) << line.toStdString();
        const WrittenForm form = formNamed(words[0]);
        const int code = words[1].toInt(nullptr, 16);
        const Channels rgb{code >> 16, (code >> 8) & 0xFF, code & 0xFF};
        const WrittenArguments ours = writtenArguments(form, rgb);
        const QString text = writtenText(form, rgb);
        for (std::size_t i = 0; i < 3; ++i) {
            const QString reference = words[static_cast<qsizetype>(i) + 2];
            if (reference == QLatin1String("none")) {
                EXPECT_TRUE(ours[i].none) << text.toStdString();
                continue;
            }
            ASSERT_FALSE(ours[i].none) << text.toStdString() << " against " << line.toStdString();
            // Half the last written digit, plus the two libraries' noise.
            const double allowed = 0.5 * std::pow(10.0, -decimalsOf(form)[i]) + 1e-4;
            double difference = std::abs(ours[i].value - reference.toDouble());
            if (form == WrittenForm::Hwb ? i == 0 : form == WrittenForm::Lch && i == 2) {
                difference = std::min(difference, 360 - difference);
            }
            EXPECT_LE(difference, allowed) << text.toStdString() << " against " << line.toStdString();
        }
        EXPECT_EQ(shown(parseCssColour(text)), shown(rgb)) << text.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 20000);
}

} // namespace
