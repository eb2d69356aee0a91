#include "ui/main/CompareMarks.h"

#include "app/cNivolantis.h"
#include "ui/main/DashedFrame.h"
#include "ui/main/FieldRegistry.h"

#include <QVariant>

namespace {

constexpr const char* kNoteSeparator = "\n";

} // namespace

CompareMarks::CompareMarks(cNivolantis& app, const FieldRegistry& fields)
    : m_app(app), m_fields(fields), m_registration(app.AddView(*this)) {}

void CompareMarks::Mark(const std::vector<ConfigurationDifference>& differences,
                        const QString& otherValue) {
    Clear();
    for (const ConfigurationDifference& difference : differences)
        for (QWidget* field : m_fields.FieldsOf(difference.path)) {
            const QString other = QString::fromStdString(difference.other);
            m_marked.push_back({field, otherValue.arg(other), new DashedFrame(*field)});
            field->setProperty(kProperty, other);
            AddNote(m_marked.back());
        }
    m_compared = m_app.Config().CurrentState();
}

void CompareMarks::AddNote(const Marked& marked) const {
    const QString tip = marked.widget->toolTip();
    if (tip.endsWith(marked.note))
        return;
    marked.widget->setToolTip(tip.isEmpty() ? marked.note : tip + kNoteSeparator + marked.note);
}

void CompareMarks::Clear() {
    for (const Marked& marked : m_marked) {
        delete marked.frame;
        if (!marked.widget)
            continue;
        QString tip = marked.widget->toolTip();
        if (tip.endsWith(marked.note)) {
            tip.chop(marked.note.size());
            if (tip.endsWith(kNoteSeparator))
                tip.chop(1);
            marked.widget->setToolTip(tip);
        }
        marked.widget->setProperty(kProperty, QVariant());
    }
    m_marked.clear();
}

void CompareMarks::Update() {
    if (m_marked.empty())
        return;
    if (m_app.Config().CurrentState() != m_compared) {
        Clear();
        return;
    }
    for (const Marked& marked : m_marked)
        if (marked.widget)
            AddNote(marked);
}
