#pragma once

/// Installs the Qt implementations of every platform service: message boxes (QMessageBox with
/// the icons, titles and buttons asked for), letting pending events run
/// (QCoreApplication::processEvents), regional settings (QLocale::system()), the file dialogs.
/// Call once after the QApplication exists.
void InstallQtPlatform();
