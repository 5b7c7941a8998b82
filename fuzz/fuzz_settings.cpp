// Any bytes as the settings file: the reader never crashes, and a threshold it gives is a
// finite number of sensible size that the program writes and reads back unchanged.
#include "app/settings.h"
#include "check.h"
#include "platform/numbers.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto threshold = Settings::thresholdFromContent(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!threshold)
        return 0;
    FUZZ_CHECK(std::isfinite(*threshold));
    FUZZ_CHECK(std::abs(*threshold) <= 1e9);
    const auto reread = Settings::thresholdFromContent(Settings::thresholdLine(*threshold));
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(numberText(*reread) == numberText(*threshold));
    return 0;
}
