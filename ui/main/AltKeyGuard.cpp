#include "ui/main/AltKeyGuard.h"

#include <QApplication>
#include <QKeyEvent>

AltKeyGuard::AltKeyGuard(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool AltKeyGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        // A key that a control takes never arrives here: its shortcut consumed it.
        if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
            !key->text().isEmpty() && key->text().front().isPrint())
            return true;
    }
    return QObject::eventFilter(watched, event);
}
