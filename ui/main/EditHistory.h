#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

class QAction;
class QLineEdit;
class QWidget;
class cNivolantis;
class cParameter;

/// Undo and redo of the user's steps, one step at a time with everything it moved: a typed
/// value and the values a new scaling clamped, a pasted table, "Standard", an opened file, the
/// values read from the device. Each step keeps the model's whole state before and after it;
/// undo puts the model back and never touches the device.
class EditHistory : public QObject {
public:
    /// `tell` shows a short note in the status bar.
    EditHistory(cNivolantis& app, std::function<void(const QString&)> tell);

    /// Runs one step of the user; when it changed the model, it can be undone as a whole.
    /// Returns how many values it moved.
    int Record(const QString& text, const std::function<void()>& step);
    /// Runs an entry into the field of `own` (nullptr: a text, not a value) as one step, and
    /// tells how many other values it moved.
    void RecordEntry(const std::function<void()>& step, const cParameter* own);

    /// "Rückgängig" (Ctrl+Z) and "Wiederherstellen" (Ctrl+Y, Ctrl+Shift+Z) for the window;
    /// `before` runs first (the field being edited commits), `allowed` says whether a step may
    /// be undone now.
    void AddActions(QWidget& window, std::function<void()> before, std::function<bool()> allowed);

    /// Notes the text a refresh showed in the field. A field whose text is still that holds no
    /// entry: leaving it stores nothing, and Ctrl+Z there undoes the last step instead of typing.
    static void NoteShown(QLineEdit& edit, const QString& text);
    /// True when the field's text is not the one its refresh showed.
    static bool Edited(const QLineEdit& edit);
    /// Ctrl+Z and Ctrl+Y in the field reach the window's actions while it holds no entry.
    void Watch(QLineEdit& edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    cNivolantis& m_app;
    std::function<void(const QString&)> m_tell;
    QUndoStack m_stack;
    bool m_recording = false;
};
