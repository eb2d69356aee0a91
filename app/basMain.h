#pragma once

#include "app/cNivolantis.h"

#include <memory>
#include <string>

/// The one application object of the running program; empty until start has built it.
extern std::unique_ptr<cNivolantis> MyNivolantis;

/// Builds the application object into MyNivolantis. A failure shows
/// "Fehler beim Programmstart in Modul 'basMain': " + line break + its description and returns false.
bool CreateApplication(const std::string& settingsFile = cNivolantis::DefaultSettingsFile());
