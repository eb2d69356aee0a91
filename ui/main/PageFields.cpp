#include "ui/main/PageFields.h"

#include "app/cNivolantis.h"
#include "base/IntegerConversion.h"
#include "base/NumberText.h"
#include "base/Platform.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"
#include "ui/main/EditHistory.h"
#include "ui/main/FieldBindings.h"
#include "ui/main/PageForms.h"
#include "ui/main/SupportPointEditor.h"

#include <QCheckBox>
#include <QScopedValueRollback>
#include <QStandardItemModel>

#include <algorithm>
#include <iostream>
#include <stdexcept>

namespace {

constexpr const char* kLinearisation = Catalogue::kLinearisationGroup;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void ReportFailure(const char* where, const char* what) {
    std::cerr << "NivoConfig: " << where << ": " << what << '\n';
}

/// A field of the binding table, looked up by its name once.
template <typename T> T* FormChild(const QWidget& window, const QString& name) {
    if (T* child = window.findChild<T*>(name))
        return child;
    throw std::logic_error("frmMain: no control " + name.toStdString());
}

} // namespace

PageFields::PageFields(cNivolantis& app, const QWidget& window, PageForms& pages,
                       SupportPointEditor& points, EditHistory& history,
                       std::function<void()> refresh)
    : m_app(app), m_pages(pages), m_points(points), m_history(history),
      m_refresh(std::move(refresh)) {
    BindFields(window);
}

void PageFields::Refresh() {
    ++m_updateCount;
    QScopedValueRollback updating(m_updating, true);
    for (const ChoiceField& field : m_choices)
        ShowChoice(field);
    for (const TextField& field : m_texts) {
        const QString text = DisplayText(field);
        if (field.edit->text() != text)
            field.edit->setText(text);
        EditHistory::NoteShown(*field.edit, text);
        if (const QString limits = LimitsText(field); field.edit->toolTip() != limits)
            field.edit->setToolTip(limits);
    }
}

void PageFields::BindFields(const QWidget& window) {
    const cNivolantis& app = m_app;
    for (const TextBinding& binding : TextBindings())
        m_texts.push_back({FormChild<QLineEdit>(window, Q(binding.field)), &binding,
                           ParameterAt(app, binding.path)});
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        m_texts[i].edit->installEventFilter(this);
        m_history.Watch(*m_texts[i].edit);
        connect(m_texts[i].edit, &QLineEdit::returnPressed, this,
                [this, i] { CommitText(m_texts[i], true); });
    }
    for (const ChoiceBinding& binding : ChoiceBindings()) {
        const QString name = Q(binding.field);
        QWidget* widget =
            FormChild<QWidget>(window, binding.field == "optLinart" ? QString("fraLinart") : name);
        m_choices.push_back({widget, binding.path, ParameterAt(app, binding.path)});
        const ChoiceField field = m_choices.back();
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::currentIndexChanged, this,
                    [this, field](int position) { CommitChoice(field, position); });
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            connect(check, &QCheckBox::toggled, this,
                    [this, field](bool on) { CommitChoice(field, on ? 1 : 0); });
        } else {
            const auto modes = LinearisationModes(m_pages.linearisation);
            for (int i = 0; i < 4; ++i)
                connect(modes[i], &QRadioButton::toggled, this, [this, field, i](bool on) {
                    if (on)
                        CommitChoice(field, i);
                });
        }
    }
    for (QRadioButton* signal : {m_pages.inOut.optOutSignal_0, m_pages.inOut.optOutSignal_1})
        connect(signal, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_updating)
                m_refresh();
        });
}

bool PageFields::OutputInVolts() const {
    return !m_pages.inOut.optOutSignal_0->isChecked();
}

QString PageFields::ScalePattern() const {
    return m_pages.inOut.cmbSComma->currentText();
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
        return Q(FormatPattern(value, ScalePattern().toStdString()));
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
    } else if (position >= 0 && position < 4) {
        LinearisationModes(m_pages.linearisation)[position]->setChecked(true);
    }
}

bool PageFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (TextField& field : m_texts)
            if (field.edit == watched)
                CommitText(field, false);
    return QObject::eventFilter(watched, event);
}

void PageFields::CommitText(TextField& field, bool byEnter) {
    if (m_committing)
        return;
    QScopedValueRollback committing(m_committing, true);
    cNivolantis& app = m_app;
    const int updates = m_updateCount;
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
                    if (path == std::string(kUserSection) + "/Benutzername")
                        app.setBenutzername(text);
                    else if (path == std::string(kUserSection) + "/Parametrierdatum")
                        app.setParametrierdatum(text);
                    else
                        app.Assign(path, text);
                },
                field.parameter);
        }
        if (byEnter && path == std::string(kLinearisation) + "/" + Catalogue::kSupportPoints) {
            m_points.UpdateXYGrid();
            DoEvents();
        }
        if (m_updateCount == updates) // an unchanged range end notifies nobody: reformat anyway
            m_refresh();
    } catch (const std::exception& error) {
        ReportFailure(field.binding->field.c_str(), error.what());
    }
}

void PageFields::CommitChoice(const ChoiceField& field, int position) {
    if (m_updating || m_points.Updating() || position < 0)
        return;
    try {
        m_history.RecordEntry([&] { m_app.Assign(field.path, std::to_string(position)); },
                              field.parameter);
    } catch (const std::exception& error) {
        ReportFailure(field.path.c_str(), error.what());
    }
}

void PageFields::CommitFocusedField() {
    for (TextField& field : m_texts)
        if (field.edit->hasFocus())
            CommitText(field, false);
}
