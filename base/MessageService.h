#pragma once

#include <cstddef>
#include <string>
#include <vector>

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

    /// Findings beyond this many are summed up in one line, so that the box fits the screen.
    static constexpr std::size_t kShownFindings = 20;
    /// Shows every finding of one check in one box, one per line: the first kShownFindings, then
    /// "… und N weitere", then the closing line unless it is empty.
    virtual void ShowFindings(const std::vector<std::string>& findings, const std::string& closing,
                              MsgIcon icon, const std::string& title);

protected:
    /// The findings and the closing line as one text, lines separated by CR LF.
    static std::string JoinFindings(const std::vector<std::string>& findings, std::size_t shown,
                                    const std::string& closing);
};
