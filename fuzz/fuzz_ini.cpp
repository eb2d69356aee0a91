// INI documents from untrusted files: parsing, writing and parsing again must give the same
// content, and every lookup and change must stay inside the document.
#include "FuzzPlatform.h"
#include "base/Text.h"
#include "files/IniDocument.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniDocument first(bytes);
    const std::string written = first.Bytes();
    IniDocument second(written);
    FuzzPlatform::Check(second.Bytes() == written, "parse -> write -> parse changed the content");

    // The first line names a section and key to look up and to set in both documents.
    const std::size_t cut = bytes.find('\n');
    const std::string head = bytes.substr(0, cut == std::string::npos ? 0 : cut);
    const std::size_t eq = head.find('=');
    const std::string section = head.substr(0, eq == std::string::npos ? head.size() : eq);
    const std::string key = eq == std::string::npos ? "Key" : head.substr(eq + 1);
    FuzzPlatform::Check(first.Get(section, key) == second.Get(section, key),
                        "the written document answers a lookup differently");
    second.Set(section, key, "1,5");
    // Names are compared trimmed, and a key line cannot hold "=" in its key or look like a
    // section header or a comment.
    if (!section.empty() && !key.empty() && Trim(section) == section && Trim(key) == key &&
        section.find_first_of("]\r\n") == std::string::npos &&
        key.find_first_of("=\r\n;[") == std::string::npos)
        FuzzPlatform::Check(IniDocument(second.Bytes()).Get(section, key) == "1,5",
                            "a key set cannot be read back");
    return 0;
}
