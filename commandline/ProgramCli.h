#pragma once

#include "base/InterfaceLanguage.h"

#include <memory>
#include <string>

namespace CLI {
class App;
class Validator;
} // namespace CLI

/// What every program of the project has on its command line: the framework's own texts (help
/// layout, the help and version flags, the messages of usage errors) in the program's language,
/// and --lang to choose that language.
namespace ProgramCli {

/// "nivosim (NivoConfig 1.0.5)" for the running program.
std::string VersionText(const std::string& program);

/// Numbers above 0, and from 0 on: the framework's own checks name the largest double as the
/// upper end of the range.
CLI::Validator PositiveNumber();
CLI::Validator NonNegativeNumber();

/// The language of the program's texts: "--lang de|en" (or "--lang=de|en") among the
/// arguments, else the user's interface language. A value other than de and en is left to the
/// parser to refuse.
Language ChosenLanguage(int argc, const char* const* argv);

/// The program's texts in `language` while the returned object lives, from the translations
/// folder. Where there are none (a build without Qt, or a missing file, with a note on the error
/// output) `language` becomes German, the language the texts are written in.
std::shared_ptr<void> InstallTexts(Language& language);

/// The framework's texts in `language`, "-h,--help", "--version" and "--lang" on `app`; call
/// before adding subcommands, which inherit the texts.
void Setup(CLI::App& app, const std::string& program, Language language);

} // namespace ProgramCli
