#pragma once

#include <QString>

class QWidget;
class cNivolantis;
class frmMain;

/// Writes a PNG of every visible page of the main window ("page-1.png" …), of the information
/// window ("info.png") and of the options window ("options.png") into the folder, and beside them
/// "layout.txt": the toolbar's captions and every page's controls with their captions, which a
/// test compares with the live window's. False when a file could not be written.
bool WriteScreenshots(frmMain& main, QWidget& options, const cNivolantis& app,
                      const QString& folder);
