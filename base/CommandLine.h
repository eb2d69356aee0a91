#pragma once

#include <string>
#include <vector>

/// The program's arguments as UTF-8, the program's name first. Windows hands main() its
/// arguments in the ANSI code page, which cannot hold every file name ("Anlage Süd.par" on a
/// Greek system); there they are read again as UTF-16 from the system.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

/// Lets a console window show the program's UTF-8 output (German umlauts); elsewhere nothing.
void UseUtf8Console();
