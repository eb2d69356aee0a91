#pragma once

#include "app/ViewRegistration.h"
#include "base/View.h"

#include <QObject>

class QLineEdit;
class EditHistory;
class cNivolantis;

namespace Ui {
class PageLinearisation;
}

/// The support points of page 3: the grid of X and Y values, the current point's fields below
/// it, a table pasted from the clipboard, and the plot of the curve. A view of the application
/// object while it lives.
class SupportPointEditor : public QObject, public View {
public:
    /// Sets up the grid and shows the model's points.
    SupportPointEditor(cNivolantis& app, Ui::PageLinearisation& page, EditHistory& history);

    void Update() override { UpdateXYGrid(); }
    /// Rebuilds the grid from the model, keeping the current row; the plot follows. The table's
    /// frame takes input only while the mode is the table.
    void UpdateXYGrid();
    /// Shows grid row `row` (from 1) in the current-point fields.
    void ShowXYPoint(int row);
    /// Takes a table of X and Y columns from the clipboard into the grid and the model.
    void PasteXYTable();
    /// True while Update runs: the option buttons it sets must not commit.
    bool Updating() const { return m_updating; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpGrid();
    void Commit(const char* name, QLineEdit* edit);
    int CurrentRow() const;

    cNivolantis& m_app;
    Ui::PageLinearisation& m_page;
    EditHistory& m_history;
    bool m_updating = false;
    bool m_committing = false; ///< a commit's message box must not commit the field again
    ViewRegistration m_registration;
};
