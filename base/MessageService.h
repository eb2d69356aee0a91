#pragma once

#include <string>

enum class MsgIcon { None, Information, Critical, Exclamation };

/// Modal message box with an OK button. The core reports to the user only through this.
class MessageService {
public:
    virtual ~MessageService() = default;
    /// Shows the text and returns when the user has confirmed it. An empty title means none.
    virtual void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) = 0;
};
