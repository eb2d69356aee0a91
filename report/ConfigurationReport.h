#pragma once

#include "base/Printer.h"

#include <string>

class Configuration;
class cDataGroup;

/// The printed listing of the whole configuration: title with the parametrisation date, every
/// group with its values, units and choice texts, the device description twice (the second copy
/// framed), and who parametrised the device when.
class ConfigurationReport {
public:
    explicit ConfigurationReport(Configuration& config) : m_config(config) {}

    /// Runs the whole-model check first; when it fails, shows "Parameter fehlerhaft." and
    /// "Die Daten können nicht gedruckt werden." and returns false without printing anything.
    /// Otherwise prints the report as one document and returns true. Printer errors are not
    /// handled here: they reach the caller, and what was printed so far stays with the printer.
    bool Print(Printer& printer);

private:
    void PrintGroup(Printer& printer, const cDataGroup& group) const;
    void PrintDescriptionBlock(Printer& printer) const;
    void PrintDescriptionLines(Printer& printer) const;
    void PrintSignature(Printer& printer, const std::string& date) const;

    Configuration& m_config;
};
