// libFuzzer target for the settings file reader and writer (built by scripts/fuzz.sh).
//
// For any byte string: reading it is free of undefined behaviour; a document that reads
// cleanly is read back the same after writing it; any text comes back from escaping as itself,
// and as a section name, key and value of a written file.
#include "platform/SettingsStoreFormat.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace settingsFormat;

namespace {
void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Parsed parsed = parse(bytes);
    check(parsed.badLines >= 0 && (parsed.badLines == 0) == parsed.firstProblem.isEmpty(),
          "problem reported");
    if (parsed.badLines == 0) {
        const QByteArray written = serialise(parsed.doc);
        const Parsed again = parse(written);
        check(again.badLines == 0, "written document reads cleanly");
        check(again.doc == parsed.doc, "written document reads back the same");
        check(serialise(again.doc) == written, "writing is stable");
    }

    // The same bytes as UTF-16, lone surrogates and all (copied: the input need not be aligned).
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    const QString text = QString::fromUtf16(units.data(), qsizetype(units.size()));
    QString back;
    check(unescapeText(escapeText(text), back) && back == text, "escaping round-trips");

    Document doc;
    setValue(doc, text, text, text);
    const Parsed read = parse(serialise(doc));
    check(read.badLines == 0 && read.doc == doc, "any text works as section, key and value");
    return 0;
}
