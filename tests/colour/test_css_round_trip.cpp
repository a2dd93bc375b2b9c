// Every code written in each of the five written forms and pasted back gives its own six digits.
#include "colour/CssColourText.h"

#include <QString>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace cssColour;

namespace {

constexpr WrittenForm Forms[] = {WrittenForm::Hwb, WrittenForm::Lab, WrittenForm::Lch, WrittenForm::Oklab,
                                 WrittenForm::DisplayP3};

// Qt's GUI start-up leaves the upper halves of the AVX registers in use, and new threads inherit
// that state; the plain SSE arithmetic of the colour code then runs about four times slower.
// Each worker clears it first.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void clearUpperVectorHalves() {
    if (__builtin_cpu_supports("avx")) {
        __builtin_ia32_vzeroupper();
    }
}
#else
void clearUpperVectorHalves() {}
#endif

Channels channelsOf(int code) {
    return {code >> 16, (code >> 8) & 0xFF, code & 0xFF};
}

// The whole cube in the optimised build; every 61st code where the checks of a debug build
// would make that minutes.
#ifdef NDEBUG
constexpr int Stride = 1;
#else
constexpr int Stride = 61;
#endif

TEST(CssRoundTrip, EveryCodeComesBackInEachWrittenForm) {
    constexpr int Codes = 1 << 24;
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::atomic<int> failures{0};
    std::atomic<int> firstFailure{-1};
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            clearUpperVectorHalves();
            for (int code = static_cast<int>(t) * Stride; code < Codes;
                 code += static_cast<int>(threads) * Stride) {
                const Channels rgb = channelsOf(code);
                for (const WrittenForm form : Forms) {
                    if (readWritten(form, writtenArguments(form, rgb)) != rgb) {
                        if (failures++ == 0) {
                            firstFailure = code * 8 + static_cast<int>(form);
                        }
                    }
                }
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    const int first = firstFailure.load();
    EXPECT_EQ(failures.load(), 0)
        << "first: code " << QString::number(first / 8, 16).toStdString() << " in "
        << writtenText(Forms[first < 0 ? 0 : first % 8], channelsOf(first < 0 ? 0 : first / 8)).toStdString();
}

// The texts themselves, through the paste's own reading, for a spread of codes: the numbers above
// are exactly what these texts say.
TEST(CssRoundTrip, WrittenTextsPasteBackToTheirCodes) {
    for (int code = 0; code < (1 << 24); code += 997) {
        const Channels rgb = channelsOf(code);
        for (const WrittenForm form : Forms) {
            const QString text = writtenText(form, rgb);
            const auto pasted = parseCssColour(text);
            ASSERT_TRUE(pasted) << text.toStdString();
            EXPECT_EQ(*pasted, rgb) << text.toStdString();
        }
    }
}

// As style sheets write them, for #FF8000 and a grey.
TEST(CssRoundTrip, TextsForOrangeAndGrey) {
    const std::pair<WrittenForm, const char*> orange[] = {
        {WrittenForm::Hwb, "hwb(30.1 0% 0%)"},
        {WrittenForm::Lab, "lab(67.82 45.49 74.84)"},
        {WrittenForm::Lch, "lch(67.82 87.58 58.71)"},
        {WrittenForm::Oklab, "oklab(73.19% 0.11186 0.14836)"},
        {WrittenForm::DisplayP3, "color(display-p3 0.9361 0.529 0.1987)"},
    };
    for (const auto& [form, expected] : orange) {
        EXPECT_EQ(writtenText(form, {255, 128, 0}).toStdString(), expected);
    }
    const std::pair<WrittenForm, const char*> grey[] = {
        {WrittenForm::Hwb, "hwb(none 50.2% 49.8%)"},
        {WrittenForm::Lch, "lch(53.59 0 none)"},
        {WrittenForm::Lab, "lab(53.59 0 0)"},
    };
    for (const auto& [form, expected] : grey) {
        EXPECT_EQ(writtenText(form, {128, 128, 128}).toStdString(), expected);
    }
}

} // namespace
