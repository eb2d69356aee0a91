#include "platform/QtEventPump.h"

#include <QCoreApplication>

void QtEventPump::ProcessEvents() {
    QCoreApplication::processEvents();
}
