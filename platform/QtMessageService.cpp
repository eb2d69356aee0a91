#include "platform/QtMessageService.h"

#include "base/Translation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

/// A box over the active window; an empty title stays empty (no application name put in).
void Prepare(QMessageBox& box, const std::string& text, QMessageBox::Icon icon,
             const std::string& title) {
    box.setIcon(icon);
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(QString::fromStdString(title));
}

} // namespace

void QtMessageService::ShowMessage(const std::string& text, MsgIcon icon,
                                   const std::string& title) {
    QMessageBox box(QApplication::activeWindow());
    Prepare(box, text, ToQt(icon), title);
    box.addButton(QString::fromStdString(Tr("QtMessageService", "OK")), QMessageBox::AcceptRole);
    box.exec();
}

MsgAnswer QtMessageService::Ask(const std::string& text, MsgButtons buttons,
                                const std::string& title) {
    QMessageBox box(QApplication::activeWindow());
    Prepare(box, text, QMessageBox::Question, title);
    QPushButton* yes =
        box.addButton(QString::fromStdString(Tr("QtMessageService", "&Ja")), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QString::fromStdString(Tr("QtMessageService", "&Nein")), QMessageBox::NoRole);
    QPushButton* cancel =
        buttons == MsgButtons::YesNoCancel
            ? box.addButton(QString::fromStdString(Tr("QtMessageService", "Abbrechen")),
                            QMessageBox::RejectRole)
            : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes)
        return MsgAnswer::Yes;
    if (box.clickedButton() == no || !cancel)
        return MsgAnswer::No;
    return MsgAnswer::Cancel;
}
