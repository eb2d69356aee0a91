#include "platform/QtPlatform.h"

#include "base/Platform.h"
#include "platform/FileDialogs.h"
#include "platform/QtEventPump.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageService.h"
#include "platform/QtRegionalSettings.h"

void InstallQtPlatform() {
    Platform::Install(std::make_unique<QtMessageService>());
    Platform::Install(std::make_unique<QtEventPump>());
    Platform::Install(std::make_unique<QtRegionalSettings>(QLocale::system()));
    FileDialogs::Install(std::make_unique<QtFileDialogs>());
}
