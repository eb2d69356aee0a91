#include "ui/main/PageFields.h"

#include "app/cNivolantis.h"
#include "base/IntegerConversion.h"
#include "base/NumberText.h"
#include "base/Platform.h"
#include "base/UnexpectedError.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"
#include "ui/QtText.h"
#include "ui/main/EditHistory.h"
#include "ui/main/FieldBindings.h"
#include "ui/main/PageForms.h"
#include "ui/main/SupportPointEditor.h"

#include <QCheckBox>
#include <QScopedValueRollback>
#include <QStandardItemModel>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr const char* kLinearisation = Catalogue::kLinearisationGroup;

} // namespace

PageFields::PageFields(cNivolantis& app, const FieldRegistry& fields, PageForms& pages,
                       SupportPointEditor& points, EditHistory& history)
    : m_app(app), m_fields(fields), m_pages(pages), m_points(points), m_history(history) {
    BindFields();
    Update();
    m_registration = app.AddView(*this);
}

void PageFields::Update() {
    QScopedValueRollback updating(m_updating, true);
    for (const ChoiceField& field : m_fields.Choices())
        ShowChoice(field);
    for (const TextField& field : m_fields.Texts()) {
        const QString text = DisplayText(field);
        if (field.edit->text() != text)
            field.edit->setText(text);
        EditHistory::NoteShown(*field.edit, text);
        if (const QString limits = LimitsText(field); field.edit->toolTip() != limits)
            field.edit->setToolTip(limits);
    }
}

void PageFields::BindFields() {
    for (const TextField& field : m_fields.Texts()) {
        field.edit->installEventFilter(this);
        m_history.Watch(*field.edit);
        connect(field.edit, &QLineEdit::returnPressed, this,
                [this, &field] { CommitText(field, true); });
    }
    for (const ChoiceField& field : m_fields.Choices()) {
        if (auto* combo = qobject_cast<QComboBox*>(field.widget)) {
            connect(combo, &QComboBox::currentIndexChanged, this,
                    [this, &field](int position) { CommitChoice(field, position); });
        } else if (auto* check = qobject_cast<QCheckBox*>(field.widget)) {
            connect(check, &QCheckBox::toggled, this,
                    [this, &field](bool on) { CommitChoice(field, on ? 1 : 0); });
        } else {
            for (int i = 0; i < static_cast<int>(field.options.size()); ++i)
                connect(field.options[i], &QRadioButton::toggled, this, [this, &field, i](bool on) {
                    if (on)
                        CommitChoice(field, i);
                });
        }
    }
    for (QRadioButton* signal : {m_pages.inOut.optOutSignal_0, m_pages.inOut.optOutSignal_1})
        connect(signal, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_updating)
                m_app.Notify(); // no value changed: the output fields switch between mA and V
        });
}

bool PageFields::OutputInVolts() const {
    return !m_pages.inOut.optOutSignal_0->isChecked();
}

QString PageFields::Shown(const std::string& path) const {
    for (const TextField& field : m_fields.Texts())
        if (field.binding->path == path)
            return DisplayText(field);
    throw std::out_of_range("PageFields: no field shows " + path);
}

QString PageFields::DisplayText(const TextField& field) const {
    const cNivolantis& app = m_app;
    const std::string& path = field.binding->path;
    if (!field.parameter) {
        if (const int line = Configuration::DescriptionLineAt(path); line >= 0)
            return Q(app.GetDescription(line));
        if (path == std::string(kUserSection) + "/Benutzername")
            return Q(app.Benutzername());
        return Q(app.ParametrierdatumText());
    }
    return Format(field, field.parameter->Value());
}

QString PageFields::Format(const TextField& field, double value) const {
    switch (field.binding->form) {
    case DisplayForm::TwoDecimals:
        return Q(FormatPattern(value, "#0.00"));
    case DisplayForm::Output:
        return Q(FormatPattern(OutputInVolts() ? value / 2 : value, "#0.00"));
    case DisplayForm::Scale:
        return Q(FormatPattern(value, ScalePattern(DecimalPlaces(m_app))));
    default:
        return Q(NumberToText(value));
    }
}

QString PageFields::LimitsText(const TextField& field) const {
    const cParameter* parameter = field.parameter;
    if (!parameter)
        return {};
    const bool volts = field.binding->form == DisplayForm::Output && OutputInVolts();
    const QString unit = volts ? QString("V") : Q(CatalogueText::Choice(parameter->Unit()));
    QString text =
        Format(field, parameter->LowerLimit()) + " … " + Format(field, parameter->UpperLimit());
    return unit.isEmpty() ? text : text + " " + unit;
}

namespace {

/// Greys out the entries the parameter's limits exclude (the functions a reduced variant lacks),
/// so that they cannot be chosen only to be refused.
void OfferWithinLimits(QComboBox& combo, const cParameter& parameter) {
    auto* entries = qobject_cast<QStandardItemModel*>(combo.model());
    if (!entries)
        return;
    const float lowest = std::min(parameter.LowerLimit(), parameter.UpperLimit());
    const float highest = std::max(parameter.LowerLimit(), parameter.UpperLimit());
    for (int i = 0; i < entries->rowCount(); ++i) {
        QStandardItem* entry = entries->item(i);
        const bool offered = i >= lowest && i <= highest;
        if (entry && entry->isEnabled() != offered)
            entry->setEnabled(offered);
    }
}

} // namespace

void PageFields::ShowChoice(const ChoiceField& field) {
    const int position = ToInt16(field.parameter->Value());
    if (auto* combo = qobject_cast<QComboBox*>(field.widget)) {
        OfferWithinLimits(*combo, *field.parameter);
        if (combo->currentIndex() != position)
            combo->setCurrentIndex(position);
    } else if (auto* check = qobject_cast<QCheckBox*>(field.widget)) {
        check->setChecked(position == 1);
    } else if (position >= 0 && position < static_cast<int>(field.options.size())) {
        field.options[position]->setChecked(true);
    }
}

bool PageFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (const TextField& field : m_fields.Texts())
            if (field.edit == watched)
                CommitText(field, false);
    return QObject::eventFilter(watched, event);
}

void PageFields::CommitText(const TextField& field, bool byEnter) {
    if (m_committing)
        return;
    QScopedValueRollback committing(m_committing, true);
    cNivolantis& app = m_app;
    auto assigned = Configuration::Assigned::Unchanged;
    const std::string& path = field.binding->path;
    std::string text = field.edit->text().toStdString();
    try {
        // The text as the refresh showed it is no entry: taken back, a value shown shortened
        // (8.8696 as 8,87) would change.
        if (EditHistory::Edited(*field.edit)) {
            if (field.binding->form == DisplayForm::Output && OutputInVolts()) {
                const std::optional<double> volts = TextToNumber(text);
                if (!volts)
                    return; // not taken, no message; the text stays until the next refresh
                text = NumberToText(*volts * 2);
            }
            m_history.RecordEntry(
                [&] {
                    assigned = Configuration::Assigned::Changed; // the user data always tell
                    if (path == std::string(kUserSection) + "/Benutzername")
                        app.setBenutzername(text);
                    else if (path == std::string(kUserSection) + "/Parametrierdatum")
                        app.setParametrierdatum(text);
                    else
                        assigned = app.Assign(path, text);
                },
                field.parameter);
        }
        if (byEnter && path == std::string(kLinearisation) + "/" + Catalogue::kSupportPoints) {
            m_points.UpdateXYGrid();
            DoEvents();
        }
        if (assigned == Configuration::Assigned::Unchanged) // nobody was told: reformat anyway
            m_app.Notify();
    } catch (const std::exception& error) {
        ReportUnexpected(field.binding->field, error.what());
    }
}

void PageFields::CommitChoice(const ChoiceField& field, int position) {
    if (m_updating || m_points.Updating() || position < 0)
        return;
    try {
        m_history.RecordEntry([&] { m_app.Assign(field.binding->path, std::to_string(position)); },
                              field.parameter);
    } catch (const std::exception& error) {
        ReportUnexpected(field.binding->path, error.what());
    }
}

void PageFields::CommitFocusedField() {
    for (const TextField& field : m_fields.Texts())
        if (field.edit->hasFocus())
            CommitText(field, false);
}
