// Number text in both directions under German and English settings: a number that is read is
// written with seven significant digits and reads back within their precision; every single
// value can be written in every display pattern and read back.
#include "FuzzPlatform.h"
#include "base/NumberText.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

bool Near(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * std::fmax(std::fabs(a), std::fabs(b)) + 1e-300;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5)
        return 0;
    static const bool installed = (FuzzPlatform::Install(), true);
    (void)installed;
    FuzzPlatform::UseGerman((data[0] & 1) == 0);

    float single;
    std::memcpy(&single, data + 1, sizeof single);
    if (std::isfinite(single)) {
        const auto back = TextToNumber(NumberToText(single));
        FuzzPlatform::Check(back && Near(*back, single), "a single does not read back");
        for (const char* pattern : {"#0.00", "0.00", "00000", "000.00", "0.0000", "0.0"})
            FuzzPlatform::Check(TextToNumber(FormatPattern(single, pattern)).has_value(),
                                "a display pattern gives no number");
        FuzzPlatform::Check(TextToNumber(CutToHundredths(single)).has_value(),
                            "hundredths give no number");
    }

    const std::string_view text(reinterpret_cast<const char*>(data) + 5, size - 5);
    for (const auto& read : {TextToNumber(text), FileTextToNumber(text)}) {
        if (!read)
            continue;
        FuzzPlatform::Check(std::isfinite(*read), "a text reads as no finite number");
        if (const auto value = ToSingle(*read)) {
            const auto back = TextToNumber(NumberToText(*value));
            FuzzPlatform::Check(back && Near(*back, *value), "a read number does not read back");
        }
    }
    return 0;
}
