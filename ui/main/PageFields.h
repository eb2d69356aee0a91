#pragma once

#include "app/ViewRegistration.h"
#include "base/View.h"
#include "ui/main/FieldRegistry.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class EditHistory;
class SupportPointEditor;
class cNivolantis;
struct PageForms;

/// The text and choice fields of the pages, bound to the model through the binding table: each
/// refresh shows the model's values in their display form, each edit goes to the model. A view of
/// the application object while it lives.
class PageFields : public QObject, public View {
public:
    /// Binds the registry's fields and shows the model.
    PageFields(cNivolantis& app, const FieldRegistry& fields, PageForms& pages,
               SupportPointEditor& points, EditHistory& history);

    /// Shows every field's value.
    void Update() override;
    /// The text the field of "GROUP/NAME" shows for the model's value. Throws
    /// std::out_of_range for a path no text field shows.
    QString Shown(const std::string& path) const;
    /// Toolbar buttons take no focus: the field being edited commits first, so that a command
    /// works on what the user sees.
    void CommitFocusedField();
    /// True when the output fields show volts ("V") rather than milliamperes.
    bool OutputInVolts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using TextField = FieldRegistry::Text;
    using ChoiceField = FieldRegistry::Choice;

    void BindFields();
    QString DisplayText(const TextField& field) const;
    QString Format(const TextField& field, double value) const;
    /// "lower … upper unit" in the field's display form: the tool tip of a value field.
    QString LimitsText(const TextField& field) const;
    void ShowChoice(const ChoiceField& field);
    void CommitText(const TextField& field, bool byEnter);
    void CommitChoice(const ChoiceField& field, int position);

    cNivolantis& m_app;
    const FieldRegistry& m_fields;
    PageForms& m_pages;
    SupportPointEditor& m_points;
    EditHistory& m_history;
    bool m_updating = false;   ///< true while Refresh runs: choice handlers do nothing
    bool m_committing = false; ///< a commit's message box must not commit the field again
    ViewRegistration m_registration;
};
