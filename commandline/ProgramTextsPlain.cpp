#include "commandline/ProgramCli.h"

// Without Qt there is no reader of the translation files: the texts stay as written.
std::shared_ptr<void> ProgramCli::InstallTexts(Language& language) {
    language = Language::German;
    return nullptr;
}
