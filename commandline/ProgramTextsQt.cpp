#include "commandline/ProgramCli.h"

#include "platform/ProgramTexts.h"

#include <iostream>

std::shared_ptr<void> ProgramCli::InstallTexts(Language& language) {
    const QString folder = ProgramTexts::InstalledFolder();
    auto texts = std::make_shared<ProgramTexts>(language, folder);
    if (!texts->Complete()) {
        std::cerr << "The English texts are missing in " << folder.toStdString()
                  << "; the texts stay German.\n";
        language = Language::German;
    }
    return texts;
}
