// One line of an Intel HEX file: a line accepted as a record must be written back as the same
// line (in upper case) and be accepted again.
#include "FuzzPlatform.h"
#include "firmware/cHexRecord.h"

#include <algorithm>
#include <cctype>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool installed = (FuzzPlatform::Install(), true);
    (void)installed;
    const std::string line(reinterpret_cast<const char*>(data), size);
    cHexRecord record;
    if (record.InitByString(line)) {
        std::string upper = line;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        FuzzPlatform::Check(record.RecordStr() == upper, "an accepted line is written differently");
        cHexRecord again;
        FuzzPlatform::Check(again.InitByString(record.RecordStr()), "a written record is refused");
        for (std::int32_t a = record.Offset() - 1; a <= record.Offset() + record.RecordLength();
             ++a)
            record.InAdressRange(a);
    }
    return 0;
}
