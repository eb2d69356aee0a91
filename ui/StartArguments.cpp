#include "ui/StartArguments.h"

#include <QFileInfo>

StartArguments StartArguments::Parse(const QStringList& given) {
    // "--settings=FILE" is the same as "--settings FILE", as the command line's check takes it.
    QStringList arguments;
    for (const QString& argument : given) {
        const qsizetype equals = argument.indexOf('=');
        const QString name = argument.left(equals);
        if (equals > 0 && (name == "--screenshots" || name == "--settings" || name == "--lang"))
            arguments << name << argument.mid(equals + 1);
        else
            arguments << argument;
    }
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
        } else if (QFileInfo(argument).isFile()) {
            if (parsed.file.isEmpty())
                parsed.file = argument; // "Anlage 2.par" names a file, not the tab of "2"
        } else {
            parsed.pages += argument; // shortcuts start the program with "/s123" and the like
        }
    }
    return parsed;
}

SettingsFiles StartArguments::Settings() const {
    return settings.isEmpty() ? SettingsFiles::ForUser()
                              : SettingsFiles::Only(settings.toStdString());
}
