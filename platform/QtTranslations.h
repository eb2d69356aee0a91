#pragma once

#include <QLocale>
#include <QTranslator>

#include <memory>

/// Qt's own texts (file dialogs, standard buttons, edit menus) in the language of `locale`,
/// from the translations installed with Qt. Installed into the application while the returned
/// translator lives; nullptr when Qt has no translation for that language.
std::unique_ptr<QTranslator> InstallQtTranslations(const QLocale& locale = QLocale::system());
