#include "ui/main/DefaultMarks.h"

#include "model/cParameter.h"
#include "ui/main/FieldBindings.h"
#include "ui/main/PageForms.h"

#include <QFont>
#include <QWidget>

#include <cmath>
#include <stdexcept>

namespace {

QWidget* Field(const QWidget& window, const std::string& name) {
    if (QWidget* field = window.findChild<QWidget*>(QString::fromStdString(name)))
        return field;
    throw std::logic_error("frmMain: no control " + name);
}

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

DefaultMarks::DefaultMarks(const cNivolantis& app, const QWidget& window, const PageForms& pages) {
    for (const TextBinding& binding : TextBindings())
        if (const cParameter* parameter = ParameterAt(app, binding.path))
            m_marks.push_back({Field(window, binding.field), parameter, -1});
    for (const ChoiceBinding& binding : ChoiceBindings()) {
        const cParameter* parameter = ParameterAt(app, binding.path);
        if (binding.field != "optLinart") {
            m_marks.push_back({Field(window, binding.field), parameter, -1});
            continue;
        }
        const auto modes = LinearisationModes(pages.linearisation);
        for (int mode = 0; mode < static_cast<int>(modes.size()); ++mode)
            m_marks.push_back({modes[mode], parameter, mode});
    }
}

void DefaultMarks::Refresh(bool on) {
    for (const Mark& mark : m_marks) {
        const bool chosen =
            mark.position < 0 || std::lround(mark.parameter->Value()) == mark.position;
        ShowBold(*mark.widget, on && chosen && mark.parameter->DiffersFromDefault());
    }
}
