#pragma once

#include <QObject>

#include <functional>

class QLineEdit;
class EditHistory;
class cNivolantis;

namespace Ui {
class PageLinearisation;
}

/// The support points of page 3: the grid of X and Y values, the current point's fields below
/// it, a table pasted from the clipboard, and the plot of the curve.
class SupportPointEditor : public QObject {
public:
    /// `refresh` refreshes the whole window after an entry that changed nothing.
    SupportPointEditor(cNivolantis& app, Ui::PageLinearisation& page, EditHistory& history,
                       std::function<void()> refresh);

    /// Rebuilds the grid from the model, keeping the current row; the plot follows.
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
    std::function<void()> m_refresh;
    bool m_updating = false;
    bool m_committing = false; ///< a commit's message box must not commit the field again
};
