#include "cli/CliContext.h"

#include "app/basMain.h"

bool CliContext::Start() {
    if (MyNivolantis)
        return true;
    if (CreateApplication(settingsFile))
        return true;
    Fail();
    return false;
}

cNivolantis& CliContext::App() { return *MyNivolantis; }
