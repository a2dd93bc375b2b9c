#include "colour/modColors.h"

namespace modColors {

namespace {
ColourValue systemColour(ColourValue colour, const SystemColourLookup& systemColours) {
    const int index = static_cast<int>(static_cast<std::uint32_t>(colour) & 0xFFFFFFu);
    return systemColours ? systemColours(index) : 0;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

// Value of two hex digits, or -1 when either is not one.
int hexPair(QChar high, QChar low) {
    const int h = hexDigit(high);
    const int l = hexDigit(low);
    return (h < 0 || l < 0) ? -1 : h * 16 + l;
}
} // namespace

void SplitColour(ColourValue colour, Channel& red, Channel& green, Channel& blue,
                 const SystemColourLookup& systemColours) {
    if (colour == NoColour) {
        return;
    }
    if (colour < 0) {
        colour = systemColour(colour, systemColours);
    }
    red = static_cast<Channel>(colour & 0xFF);
    green = static_cast<Channel>((colour >> 8) & 0xFF);
    blue = static_cast<Channel>((colour >> 16) & 0xFF);
}

QString HexByte(Channel value) {
    const QString digits = QString::number(static_cast<std::uint16_t>(value), 16).toUpper();
    return digits.size() < 2 ? QStringLiteral("0") + digits : digits;
}

QString ChannelsToHtml(Channel red, Channel green, Channel blue) {
    return QStringLiteral("#") + HexByte(red) + HexByte(green) + HexByte(blue);
}

QString ColourToHtml(ColourValue colour, const SystemColourLookup& systemColours) {
    if (colour == NoColour) {
        return QString();
    }
    Channel red = 0, green = 0, blue = 0;
    SplitColour(colour, red, green, blue, systemColours);
    return ChannelsToHtml(red, green, blue);
}

// "#" plus more than six characters uses the last six; without "#", red and green come from
// the first four characters and blue from the last two.
HtmlParse HtmlToChannels(const QString& code, Channel& red, Channel& green, Channel& blue) {
    QString s = code;
    if (s.size() <= 5) {
        return HtmlParse::TooShort;
    }
    if (s.startsWith(QLatin1Char('#'))) {
        s = s.right(6);
    }
    const qsizetype n = s.size();
    const int r = hexPair(s[0], s[1]);
    const int g = hexPair(s[2], s[3]);
    const int b = hexPair(s[n - 2], s[n - 1]);
    if (r < 0 || g < 0 || b < 0) {
        return HtmlParse::NotHex;
    }
    red = static_cast<Channel>(r);
    green = static_cast<Channel>(g);
    blue = static_cast<Channel>(b);
    return HtmlParse::Ok;
}

ColourValue HtmlToColour(const QString& code) {
    Channel red = 0, green = 0, blue = 0;
    HtmlToChannels(code, red, green, blue);
    return RGB(red, green, blue);
}

ColourValue ResolveColour(ColourValue colour, const SystemColourLookup& systemColours) {
    return colour >= 0 ? colour : systemColour(colour, systemColours);
}

Channel ChannelMean(Channel a, Channel b, Channel c) {
    return static_cast<Channel>(static_cast<Channel>(a + b + c) / 3);
}

} // namespace modColors
