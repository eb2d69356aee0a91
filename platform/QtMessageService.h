#pragma once

#include "base/MessageService.h"

/// Message boxes and questions as modal QMessageBox windows over the active window, with the
/// icon and title asked for (an empty title stays empty) and German button texts: Alt+J and
/// Alt+N answer a question, Esc is "Abbrechen" (or "Nein" when there is no "Abbrechen").
class QtMessageService : public MessageService {
public:
    void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) override;
    MsgAnswer Ask(const std::string& text, MsgButtons buttons, const std::string& title) override;
};
