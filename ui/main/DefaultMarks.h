#pragma once

#include "app/ViewRegistration.h"
#include "base/View.h"

#include <vector>

class QWidget;
class FieldRegistry;
class cNivolantis;
class cParameter;

/// Shows in bold every field of the pages whose value differs from the factory settings, so that
/// what was set for this plant stands out quietly. Description lines and user data are always
/// the plant's own and stay unmarked. A view of the application object while it lives.
class DefaultMarks : public View {
public:
    /// Marks the registry's fields of model values; an option family is marked at the chosen
    /// button.
    DefaultMarks(cNivolantis& app, const FieldRegistry& fields);

    /// Marks the fields that differ now and unmarks the others; unmarks all while the
    /// application object's marks are switched off.
    void Update() override;

private:
    struct Mark {
        QWidget* widget;
        const cParameter* parameter;
        int position; ///< the value a button of an option family stands for; -1 for a field
    };

    const cNivolantis& m_app;
    std::vector<Mark> m_marks;
    ViewRegistration m_registration;
};
