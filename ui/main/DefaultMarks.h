#pragma once

#include <vector>

class QWidget;
class FieldRegistry;
class cParameter;

/// Shows in bold every field of the pages whose value differs from the factory settings, so that
/// what was set for this plant stands out quietly. Description lines and user data are always
/// the plant's own and stay unmarked.
class DefaultMarks {
public:
    /// Marks the registry's fields of model values; an option family is marked at the chosen
    /// button.
    explicit DefaultMarks(const FieldRegistry& fields);

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
