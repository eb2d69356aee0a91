#include "ui/main/EditHistory.h"

#include "app/cNivolantis.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QUndoCommand>
#include <QWidget>

namespace {

constexpr const char* kShownText = "shownText";

/// One step: the model's state before and after it.
class StateChange : public QUndoCommand {
public:
    StateChange(cNivolantis& app, const QString& text, Configuration::State before,
                Configuration::State after)
        : QUndoCommand(text), m_app(app), m_before(std::move(before)), m_after(std::move(after)) {}

    void undo() override { m_app.Config().Restore(m_before); }
    void redo() override {
        if (m_done) // the step itself did it when it was pushed
            m_app.Config().Restore(m_after);
        m_done = true;
    }

private:
    cNivolantis& m_app;
    Configuration::State m_before, m_after;
    bool m_done = false;
};

int MovedValues(const Configuration::State& before, const Configuration::State& after) {
    int moved = 0;
    for (std::size_t i = 0; i < before.values.size() && i < after.values.size(); ++i)
        moved += before.values[i] != after.values[i];
    return moved;
}

bool IsUndoKey(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

} // namespace

EditHistory::EditHistory(cNivolantis& app, std::function<void(const QString&)> tell)
    : m_app(app), m_tell(std::move(tell)) {}

int EditHistory::Record(const QString& text, const std::function<void()>& step) {
    if (m_recording) { // part of the step already recorded
        step();
        return 0;
    }
    const QScopedValueRollback recording(m_recording, true);
    Configuration::State before = m_app.Config().CurrentState();
    const auto keep = [&] {
        Configuration::State after = m_app.Config().CurrentState();
        const int moved = MovedValues(before, after);
        if (after != before)
            m_stack.push(new StateChange(m_app, text, std::move(before), std::move(after)));
        return moved;
    };
    try {
        step();
    } catch (...) { // a failing step keeps what it changed so far
        keep();
        throw;
    }
    return keep();
}

void EditHistory::RecordEntry(const std::function<void()>& step, const cParameter* own) {
    const float ownBefore = own ? own->Value() : 0;
    const int moved = Record(QCoreApplication::translate("EditHistory", "Eingabe"), step);
    const int others = moved - (own && own->Value() != ownBefore ? 1 : 0);
    if (others == 1)
        m_tell(QCoreApplication::translate(
            "EditHistory", "1 weiterer Wert wurde angepasst (Rückgängig: Strg+Z)."));
    else if (others > 1)
        m_tell(QCoreApplication::translate(
                   "EditHistory", "%1 weitere Werte wurden angepasst (Rückgängig: Strg+Z).")
                   .arg(others));
}

void EditHistory::AddActions(QWidget& window, std::function<void()> before,
                             std::function<bool()> allowed) {
    auto* undo = new QAction(QCoreApplication::translate("EditHistory", "&Rückgängig"), &window);
    undo->setObjectName("actUndo");
    undo->setShortcut(QKeySequence::Undo);
    auto* redo =
        new QAction(QCoreApplication::translate("EditHistory", "&Wiederherstellen"), &window);
    redo->setObjectName("actRedo");
    redo->setShortcuts({QKeySequence(Qt::ControlModifier | Qt::Key_Y),
                        QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z)});
    const auto follow = [this, undo, redo] {
        undo->setEnabled(m_stack.canUndo());
        redo->setEnabled(m_stack.canRedo());
        undo->setToolTip(m_stack.undoText());
        redo->setToolTip(m_stack.redoText());
    };
    connect(&m_stack, &QUndoStack::indexChanged, this, follow);
    follow();
    connect(undo, &QAction::triggered, this, [this, before, allowed] {
        if (!allowed())
            return;
        before();
        m_stack.undo();
    });
    connect(redo, &QAction::triggered, this, [this, before, allowed] {
        if (!allowed())
            return;
        before();
        m_stack.redo();
    });
    window.addActions({undo, redo});
}

void EditHistory::NoteShown(QLineEdit& edit, const QString& text) {
    edit.setProperty(kShownText, text);
}

bool EditHistory::Edited(const QLineEdit& edit) {
    const QVariant shown = edit.property(kShownText);
    return !shown.isValid() || edit.text() != shown.toString();
}

void EditHistory::Watch(QLineEdit& edit) {
    edit.installEventFilter(this);
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event) {
    // Unhandled here, the field takes Ctrl+Z for its own typing, which a refresh has cleared.
    if (event->type() == QEvent::ShortcutOverride && IsUndoKey(*static_cast<QKeyEvent*>(event)))
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && !Edited(*edit))
            return true;
    return QObject::eventFilter(watched, event);
}
