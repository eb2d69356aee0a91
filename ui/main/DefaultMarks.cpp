#include "ui/main/DefaultMarks.h"

#include "app/cNivolantis.h"
#include "model/cParameter.h"
#include "ui/main/FieldRegistry.h"

#include <QFont>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace {

/// A font with only the weight set: everything else still comes from the parent, and the
/// empty font gives the field back to the parent entirely.
void ShowBold(QWidget& widget, bool bold) {
    if (widget.font().bold() == bold)
        return;
    QFont font;
    if (bold)
        font.setBold(true);
    widget.setFont(font);
}

} // namespace

DefaultMarks::DefaultMarks(cNivolantis& app, const FieldRegistry& fields) : m_app(app) {
    for (const FieldRegistry::Text& text : fields.Texts())
        if (text.parameter)
            m_marks.push_back({text.edit, text.parameter, -1});
    for (const FieldRegistry::Choice& choice : fields.Choices()) {
        if (choice.options.empty())
            m_marks.push_back({choice.widget, choice.parameter, -1});
        for (int position = 0; position < static_cast<int>(choice.options.size()); ++position)
            m_marks.push_back({choice.options[position], choice.parameter, position});
    }
    Update();
    m_registration = app.AddView(*this);
}

void DefaultMarks::Update() {
    const bool on = m_app.HighlightDefaults();
    for (const Mark& mark : m_marks) {
        const bool chosen =
            mark.position < 0 || std::lround(mark.parameter->Value()) == mark.position;
        ShowBold(*mark.widget, on && chosen && mark.parameter->DiffersFromDefault());
    }
}
