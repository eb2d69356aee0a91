#pragma once

#include <string>

enum class MsgIcon { None, Information, Critical, Exclamation };
enum class MsgAnswer { Yes, No, Cancel };
enum class MsgButtons { YesNo, YesNoCancel };

/// Modal message boxes. The core reports to the user and asks the user only through this.
class MessageService {
public:
    virtual ~MessageService() = default;
    /// Shows the text and returns when the user has confirmed it. An empty title means none.
    virtual void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) = 0;
    /// Asks a question and returns the button the user chose (question icon).
    virtual MsgAnswer Ask(const std::string& text, MsgButtons buttons,
                          const std::string& title) = 0;
};
