#pragma once

#include "base/MessageService.h"

/// Message boxes and questions as modal QMessageBox windows over the active window, with the
/// icon and title asked for (an empty title stays empty) and button texts in the user's language:
/// in German Alt+J and Alt+N answer a question (in English Alt+Y and Alt+N), Esc is "Abbrechen"
/// (or "Nein" when there is no "Abbrechen").
class QtMessageService : public MessageService {
public:
    void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) override;
    MsgAnswer Ask(const std::string& text, MsgButtons buttons, const std::string& title) override;
};
