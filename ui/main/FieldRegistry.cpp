#include "ui/main/FieldRegistry.h"

#include "ui/main/PageForms.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <stdexcept>

namespace {

template <typename T> T* FormChild(const QWidget& window, const std::string& name) {
    if (T* child = window.findChild<T*>(QString::fromStdString(name)))
        return child;
    throw std::logic_error("frmMain: no control " + name);
}

} // namespace

FieldRegistry::FieldRegistry(const cNivolantis& app, const QWidget& window,
                             const PageForms& pages) {
    for (const TextBinding& binding : TextBindings())
        m_texts.push_back({FormChild<QLineEdit>(window, binding.field), &binding,
                           ParameterAt(app, binding.path)});
    const Ui::PageLinearisation& points = pages.linearisation;
    for (const ChoiceBinding& binding : ChoiceBindings()) {
        cParameter* parameter = ParameterAt(app, binding.path);
        if (binding.field == "optLinart") {
            const auto modes = LinearisationModes(points);
            m_choices.push_back(
                {points.fraLinart, &binding, parameter, {modes.begin(), modes.end()}});
        } else {
            m_choices.push_back(
                {FormChild<QWidget>(window, binding.field), &binding, parameter, {}});
        }
    }
}

std::vector<QWidget*> FieldRegistry::FieldsOf(const std::string& path) const {
    std::vector<QWidget*> fields;
    for (const Text& text : m_texts)
        if (text.binding->path == path)
            fields.push_back(text.edit);
    for (const Choice& choice : m_choices)
        if (choice.binding->path == path)
            fields.push_back(choice.widget);
    return fields;
}
