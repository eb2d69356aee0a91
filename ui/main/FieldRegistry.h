#pragma once

#include "ui/main/FieldBindings.h"

#include <string>
#include <vector>

class QLineEdit;
class QRadioButton;
class QWidget;
class cNivolantis;
class cParameter;
struct PageForms;

/// The fields of the binding table with their widgets and model items, resolved once when the
/// window is built and shared by all that shows, edits or marks them.
class FieldRegistry {
public:
    struct Text {
        QLineEdit* edit;
        const TextBinding* binding;
        cParameter* parameter; ///< nullptr for description lines and user data
    };
    /// A drop-down list, a check box, or an option family: its frame, and its buttons by the
    /// position each stands for.
    struct Choice {
        QWidget* widget;
        const ChoiceBinding* binding;
        cParameter* parameter;
        std::vector<QRadioButton*> options; ///< empty but for an option family
    };

    /// Throws std::logic_error when the window lacks a field of the table.
    FieldRegistry(const cNivolantis& app, const QWidget& window, const PageForms& pages);

    const std::vector<Text>& Texts() const { return m_texts; }
    const std::vector<Choice>& Choices() const { return m_choices; }
    /// The fields that show "GROUP/NAME" (an option family by its frame); none for values the
    /// pages do not show.
    std::vector<QWidget*> FieldsOf(const std::string& path) const;

private:
    std::vector<Text> m_texts;
    std::vector<Choice> m_choices;
};
