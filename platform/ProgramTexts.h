#pragma once

#include "base/InterfaceLanguage.h"

#include <QString>
#include <QTranslator>

#include <memory>

/// The program's texts in one language while this object lives: the windows' through Qt's
/// translation system and the core's through the platform, both from nivoconfig_<language>.qm
/// in the translations folder, and Qt's own (standard buttons, file dialogs) from Qt's files.
/// German needs no file of ours: the texts are written in it.
class ProgramTexts {
public:
    /// The core's texts at once; the windows' and Qt's once an application object exists, now
    /// or at InstallIntoApplication().
    ProgramTexts(Language language, const QString& folder);
    ~ProgramTexts();
    void InstallIntoApplication();

    /// "../share/nivoconfig/translations" from the program's folder in an installed tree, else
    /// "translations" beside the program (a build tree).
    static QString InstalledFolder();
    ProgramTexts(const ProgramTexts&) = delete;
    ProgramTexts& operator=(const ProgramTexts&) = delete;

    /// False when the language's file of ours is missing or unreadable; the texts stay German.
    bool Complete() const { return m_complete; }

private:
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_qt;
    bool m_complete = true;
    bool m_installed = false;
};
