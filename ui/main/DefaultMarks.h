#pragma once

#include <vector>

class QWidget;
class cNivolantis;
class cParameter;
struct PageForms;

/// Shows in bold every field of the pages whose value differs from the factory settings, so that
/// what was set for this plant stands out quietly. Description lines and user data are always
/// the plant's own and stay unmarked.
class DefaultMarks {
public:
    /// Looks up the binding table's fields among the window's children; the option family of
    /// the linearisation mode is marked at the chosen mode's button.
    DefaultMarks(const cNivolantis& app, const QWidget& window, const PageForms& pages);

    /// Marks the fields that differ now and unmarks the others; `on` false unmarks all.
    void Refresh(bool on);

private:
    struct Mark {
        QWidget* widget;
        const cParameter* parameter;
        int position; ///< the value a button of an option family stands for; -1 for a field
    };

    std::vector<Mark> m_marks;
};
