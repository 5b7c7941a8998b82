// Any text read as a number, and any double shown as one: the number read is finite, and the
// text shown is a plain decimal that reads back as the same number, to 15 significant digits.
#include "check.h"
#include "platform/numbers.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// An optional sign (a blank where a minus would stand), digits, and an optional point with
// digits after it: what a caption or the settings file may hold.
bool isDecimalText(const QString& text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u' ' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i == digitsStart)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != u'.' || i + 1 == text.size())
        return false;
    for (++i; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    return true;
}

void checkShown(double value) {
    const QString shown = numberText(value);
    FUZZ_CHECK(isDecimalText(shown));
    FUZZ_CHECK(shown ==
               (shown.startsWith(u'-') ? bareText(value) : QLatin1Char(' ') + bareText(value)));
    const auto whole = parseNumber(shown);
    FUZZ_CHECK(whole.has_value());
    const double reread = textToNumber(shown);
    FUZZ_CHECK(*whole == reread);
    FUZZ_CHECK(numberText(reread) == shown);
    if (std::isfinite(value))
        FUZZ_CHECK(std::abs(reread - value) <= 1e-14 * std::abs(value) + DBL_TRUE_MIN);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = textToNumber(text);
    FUZZ_CHECK(std::isfinite(value));
    if (const auto whole = parseNumber(text))
        FUZZ_CHECK(*whole == value);
    checkShown(value);

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkShown(raw);
    }
    return 0;
}
