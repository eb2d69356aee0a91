#pragma once

#include <string>

class Configuration;
class cIniFile;

/// A parameter file: one section per group with a key per parameter in walk order,
/// then "Gerätebeschreibung" and "Programm". Values are numbers under the regional settings.
class ParameterFile {
public:
    /// `fileName` is the program's current parameter file, which reading and writing update.
    ParameterFile(Configuration& config, cIniFile& ini, std::string& fileName)
        : m_config(config), m_ini(ini), m_fileName(fileName) {}

    /// Saves the model as one replacement of the file; keys the model does not write survive.
    /// False, after one message, when nothing was saved (no name, the file cannot be created
    /// or written); the current file name then stays as it was.
    bool Write(const std::string& fileName);

    /// Loads every value without limit tests and one refresh at the end; a missing or
    /// non-numeric value shows its "nicht numerisch." message and keeps the old value.
    /// False, after one message and with the model untouched, when the file does not exist,
    /// cannot be read or has none of the group sections; false, after a message, when loading
    /// failed part-way (values loaded so far stay; checks and notification are as before either
    /// way). The current file name changes only when the file was loaded.
    bool Read(const std::string& fileName);

private:
    bool Load(const std::string& fileName);
    bool HasGroupSection() const;
    std::string GroupSectionList() const;
    void LoadValues();

    Configuration& m_config;
    cIniFile& m_ini;
    std::string& m_fileName;
};
