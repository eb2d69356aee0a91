#pragma once

#include <string>

/// What users read of the catalogue in their language. The catalogue's German names stay the
/// keys of parameter files, the command line's paths and the device; only what is shown changes.
namespace CatalogueText {

/// The caption of a group, parameter or range name: "Relaisfunktion A" is "Relay function A" in
/// English, through the translation of its pattern "Relaisfunktion %1".
std::string Caption(const std::string& name);

/// A choice text of a parameter ("Ruhestrom"), or a unit ("s", "bar").
std::string Choice(const std::string& text);

} // namespace CatalogueText
