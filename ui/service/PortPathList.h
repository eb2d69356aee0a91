#pragma once

#include <QObject>

#include <vector>

class cNivolantis;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

/// The options window's list of COM1 to COM16, each with its device file or server address and
/// what it is; the user picks a found adapter or types a path or a tcp:// or rfc2217:// address.
/// "Zuordnung speichern" keeps the changed rows in the user's settings, as `nivoconfig-cli
/// save-port` does, and the channel uses them from its next opening of the port on.
class PortPathList : public QObject {
    Q_OBJECT
public:
    PortPathList(cNivolantis& app, QTableWidget& grid, QPushButton& save, QLabel& note);

    /// Shows the ports as the channel has them now, with the adapters found now.
    void Refresh();

private:
    void Save();
    /// Every changed row must name a device file or a valid network address; false after a
    /// message naming the first one that does not.
    bool Valid();

    cNivolantis& m_app;
    QTableWidget& m_grid;
    QLabel& m_note;
    std::vector<QComboBox*> m_paths; ///< COM1 to COM16
    std::vector<QString> m_shown;    ///< what each row showed at the last refresh
};
