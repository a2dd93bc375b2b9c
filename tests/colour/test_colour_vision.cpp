// Colours as eyes with a colour-vision deficiency see them.
#include "colour/ColourVision.h"

#include <QStringList>
#include <cstdlib>
#include <gtest/gtest.h>

using colourVision::simulate;
using colourVision::Vision;
using modColors::ColourValue;

namespace {

ColourValue fromHex(const char* rrggbb) {
    const QString hex = QString::fromLatin1(rrggbb);
    return modColors::RGB(hex.mid(0, 2).toInt(nullptr, 16), hex.mid(2, 2).toInt(nullptr, 16),
                          hex.mid(4, 2).toInt(nullptr, 16));
}

// The expected colours come from the severity 1.0 matrices as published by Machado, Oliveira
// and Fernandes (2009), worked out with python3, away from the code under test:
//
//   M = {'p': [[0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216],
//              [-0.003882, -0.048116, 1.051998]],
//        'd': [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413],
//              [-0.011820, 0.042940, 0.968881]],
//        't': [[1.255528, -0.076749, -0.178779], [-0.078411, 0.930809, 0.147602],
//              [0.004733, 0.691367, 0.303900]]}
//   dec = lambda c: c/255/12.92 if c/255 <= 0.04045 else ((c/255+0.055)/1.055)**2.4
//   def enc(l):
//       l = min(1, max(0, l))
//       return round(255*(12.92*l if l <= 0.0031308 else 1.055*l**(1/2.4)-0.055))
//   for hx in ['FF0000', '00FF00', '0000FF', 'FF8000', '336699', '800080', 'FFFFFF', '000000']:
//       lin = [dec(int(hx[i:i+2], 16)) for i in (0, 2, 4)]
//       y = enc(0.2126*lin[0] + 0.7152*lin[1] + 0.0722*lin[2])
//       print(hx, *['%02X%02X%02X' % tuple(enc(sum(r[j]*lin[j] for j in range(3))) for r in M[k])
//                   for k in 'pdt'], '%02X%02X%02X' % (y, y, y))
TEST(ColourVision, PublishedMatricesInLinearLight) {
    struct Case {
        const char* colour;
        const char* protanopia;
        const char* deuteranopia;
        const char* tritanopia;
        const char* achromatopsia;
    };
    const Case cases[] = {
        {"FF0000", "6D5F00", "A39000", "FF000F", "7F7F7F"},
        {"00FF00", "FFE500", "EFD63A", "00F7D9", "DCDCDC"},
        {"0000FF", "0059FF", "003DFB", "006B96", "4C4C4C"},
        {"FF8000", "A69100", "C4AE00", "FF626D", "A3A3A3"},
        {"336699", "50699B", "425F98", "007278", "636363"},
        {"800080", "003D83", "304B7D", "842149", "464646"},
        {"FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"},
        {"000000", "000000", "000000", "000000", "000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        const ColourValue colour = fromHex(c.colour);
        EXPECT_EQ(simulate(Vision::Normal, colour), colour);
        EXPECT_EQ(simulate(Vision::Protanopia, colour), fromHex(c.protanopia));
        EXPECT_EQ(simulate(Vision::Deuteranopia, colour), fromHex(c.deuteranopia));
        EXPECT_EQ(simulate(Vision::Tritanopia, colour), fromHex(c.tritanopia));
        EXPECT_EQ(simulate(Vision::Achromatopsia, colour), fromHex(c.achromatopsia));
    }
}

// Each published row sums to 1, so every grey stays (within rounding) the same grey; a matrix
// applied by columns or to gamma-encoded values would tint or shift them.
TEST(ColourVision, GreysStayGrey) {
    for (int level = 0; level <= 255; ++level) {
        const ColourValue grey = modColors::RGB(level, level, level);
        for (const Vision vision : colourVision::AllVisions) {
            modColors::Channel red = 0, green = 0, blue = 0;
            modColors::SplitColour(colourVision::simulate(vision, grey), red, green, blue);
            for (const int channel : {red, green, blue}) {
                EXPECT_LE(std::abs(channel - level), 1)
                    << level << " " << colourVision::menuLabel(vision).toStdString();
            }
        }
    }
    EXPECT_EQ(simulate(Vision::Deuteranopia, modColors::NoColour), modColors::NoColour);
}

TEST(ColourVision, MenuLabelsInMenuOrder) {
    QStringList labels;
    for (const Vision vision : colourVision::AllVisions) {
        labels << colourVision::menuLabel(vision);
    }
    EXPECT_EQ(labels.join(QLatin1Char('|')).toStdString(),
              "Normal vision|Protanopia|Deuteranopia|Tritanopia|Achromatopsia");
}

} // namespace
