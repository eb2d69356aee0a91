#pragma once

#include "app/SettingsFiles.h"

#include <QString>
#include <QStringList>

/// What NivoConfig's command line asks for, once Qt has taken its own options.
struct StartArguments {
    bool demo = false;   ///< --demo: COM1 is the built-in simulated device
    QString screenshots; ///< --screenshots FOLDER: a picture of every page, then the end
    QString settings;    ///< --settings FILE: instead of the installed and the user's settings
    /// The arguments that name no file, together: a 1, 2 or 3 anywhere in them shows the service
    /// tab 6, 7 or 8.
    QString pages;
    /// The parameter file to open once the window is there: the first argument that names an
    /// existing file.
    QString file;

    static StartArguments Parse(const QStringList& arguments);
    /// The settings the program starts with.
    SettingsFiles Settings() const;
};
