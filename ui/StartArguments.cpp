#include "ui/StartArguments.h"

#include <algorithm>

namespace {

bool DigitsOnly(const QString& argument) {
    return !argument.isEmpty() &&
           std::all_of(argument.begin(), argument.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

StartArguments StartArguments::Parse(const QStringList& arguments) {
    StartArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool valueFollows = i + 1 < arguments.size();
        if (argument == "--demo") {
            parsed.demo = true;
        } else if (argument == "--screenshots" && valueFollows) {
            parsed.screenshots = arguments[++i];
            parsed.pages += "123"; // every page
        } else if (argument == "--settings" && valueFollows) {
            parsed.settings = arguments[++i];
        } else if (argument == "--lang" && valueFollows) {
            ++i; // chosen before the windows start; "en" is no file name
        } else if (DigitsOnly(argument)) {
            parsed.pages += argument;
        } else if (parsed.file.isEmpty() && !argument.startsWith('-')) {
            parsed.file = argument; // "Anlage 2.par" names a file, not the tab of "2"
        }
    }
    return parsed;
}

SettingsFiles StartArguments::Settings() const {
    return settings.isEmpty() ? SettingsFiles::ForUser()
                              : SettingsFiles::Only(settings.toStdString());
}
