#pragma once

#include <initializer_list>
#include <optional>
#include <string>

/// Texts for users are written in German where they are used and marked with Tr(), which the
/// translation tools know (lupdate -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TrNoop);
/// the translator a program installs gives them in the user's interface language.
class Translator {
public:
    virtual ~Translator() = default;
    /// The text in the user's language; nothing when there is no translation.
    virtual std::optional<std::string> Translate(const char* context, const char* source) const = 0;
};

/// `source` in the user's interface language; `context` groups the texts for the translator
/// (one ASCII word per topic: "Transfer", "ParameterFile", …) and tells equal German words with
/// different meanings apart.
std::string Tr(const char* context, const char* source);

/// Marks a text in a table of constants for the translation tools; Tr() it where it is shown.
#define TrNoop(context, source) source

/// `text` with %1 to %9 replaced by the arguments in turn, in one pass: a translation may put
/// them in another order, and an argument holding "%2" stays as it is.
std::string TrArgs(const std::string& text, std::initializer_list<std::string> args);
