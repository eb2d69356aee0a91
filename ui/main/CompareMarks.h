#pragma once

#include "app/ConfigurationDiff.h"
#include "app/ViewRegistration.h"
#include "base/View.h"
#include "model/Configuration.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

class FieldRegistry;
class cNivolantis;

/// The marks of a comparison on the pages: every field whose value differs gets a thick dashed
/// frame (seen without telling colours apart) and the other value in its tool tip. The marks
/// last until the model changes or the next open, read or write ends them. A view of the
/// application object while it lives, made after the fields, so that it refreshes after them.
class CompareMarks : public View {
public:
    CompareMarks(cNivolantis& app, const FieldRegistry& fields);

    /// Replaces the marks by those of these differences; `otherValue` is the tool tip's line
    /// with "%1" for the other value. Differences without a field on the pages are not marked.
    void Mark(const std::vector<ConfigurationDifference>& differences, const QString& otherValue);
    /// Ends every mark.
    void Clear();
    /// After the fields' refresh: ends the marks once the model differs from what was compared,
    /// or else puts the other value back into a tool tip the fields' refresh replaced.
    void Update() override;

    /// The name of the property that holds the other value of a marked field.
    static constexpr const char* kProperty = "comparedValue";

private:
    struct Marked {
        QPointer<QWidget> widget;
        QString note;            ///< the tool tip's line with the other value
        QPointer<QWidget> frame; ///< drawn around the field, which keeps its look
    };
    void AddNote(const Marked& marked) const;

    const cNivolantis& m_app;
    const FieldRegistry& m_fields;
    std::vector<Marked> m_marked;
    Configuration::State m_compared; ///< the model's state the marks belong to
    ViewRegistration m_registration;
};
