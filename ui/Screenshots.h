#pragma once

#include <QString>

class QWidget;
class cNivolantis;
class frmMain;

/// Writes a PNG of every visible page of the main window ("page-1.png" …), of the information
/// window ("info.png") and of the options window ("options.png") into the folder. False when a
/// file could not be written.
bool WriteScreenshots(frmMain& main, QWidget& options, const cNivolantis& app,
                      const QString& folder);
