#pragma once

#include "base/DateTime.h"
#include "model/KeyedCollection.h"
#include "model/Notifiable.h"
#include "model/cDataGroup.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

/// One complete set of the device's settings: the catalogue's groups, the description lines,
/// who parametrised the device when, and the hardware variant. Every change is passed on to an
/// owner (the application object) while notification is on.
class Configuration : public Notifiable {
public:
    static constexpr int kDescriptionCount = 5; ///< four description lines and the plant identifier
    static constexpr int kDescriptionLines = 4;
    static constexpr std::uint8_t kFullVariant = 7; ///< every software and hardware function
    static constexpr std::uint8_t kVariantMask = 7; ///< the device's variant bits of its byte

    /// Builds the catalogue with the scale unit texts (index order) and sets the defaults;
    /// notification is on afterwards.
    explicit Configuration(const std::vector<std::string>& units);

    Notifiable* Owner() const { return m_owner; }
    void setOwner(Notifiable* owner) { m_owner = owner; }

    const KeyedCollection<cDataGroup>& Data() const { return m_data; }
    cDataGroup& Data(const std::string& group) const { return m_data(group); }
    /// Adds a built group under its name; used once per group by the catalogue.
    void AddGroup(std::unique_ptr<cDataGroup> group);

    /// Calls f(group, parameter) for every parameter in walk order: groups in order, in each
    /// group its ranges (begin, then end parameter), then its parameters, each in creation order.
    template <typename F> void ForEachParameter(F&& f) const {
        for (cDataGroup& group : m_data) {
            for (cRange& range : group.Ranges()) {
                f(group, range.RangeBegin());
                f(group, range.RangeEnd());
            }
            for (cParameter& parameter : group.Parameters())
                f(group, parameter);
        }
    }

    bool EnableNotify() const { return m_enableNotify; }
    /// The switch itself; bulk changes hold a Batch instead, which puts it back.
    void setEnableNotify(bool enable) { m_enableNotify = enable; }
    /// Passes the testing switch on to every group; bulk loads hold a Batch instead.
    void setEnableTestData(bool enable);
    /// Passes the change on to the owner while notification is on; inside a Batch it is kept
    /// for the batch's end.
    void Notify() override;

    /// A bulk change, in the manner of QSignalBlocker: notification off while it lives, and the
    /// limit checks too with Checks::Off (values taken as a file or the device holds them). Its
    /// end puts both switches back as they were, also when an exception ends it; when the
    /// outermost batch ends and anything changed meanwhile, the owner hears of it once.
    class Batch {
    public:
        enum class Checks { Keep, Off };
        explicit Batch(Configuration& config, Checks checks = Checks::Keep);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Configuration& m_config;
        bool m_notify;
        bool m_testing;
    };

    /// The whole-model check: switches testing on everywhere and tests, in walk order, every
    /// parameter against its limits and every range's begin against its end. All failures show in
    /// one box, one line each (the refusal that entering the value would show, or "Begin >
    /// End."): "Bereichsfehler" with the request to correct for reversed ranges, "Eingabefehler"
    /// for values, and both kinds under one title with the reversed ranges and their request
    /// first. True when an error was found.
    bool TestData();
    /// The names of the parameters whose value lies outside their limits, in walk order,
    /// whatever the testing switches say. No message.
    std::vector<std::string> ParametersOutsideLimits() const;

    /// Sets description line 0 to 4 (others are ignored); notifies in both cases.
    void SetDescription(int index, const std::string& text);
    /// Description line 0 to 4; "" for any other index.
    std::string GetDescription(int index) const;

    const std::string& Benutzername() const { return m_benutzername; }
    /// An empty name is ignored; notifies in both cases.
    void setBenutzername(const std::string& name);
    const DateTime& Parametrierdatum() const { return m_parametrierdatum; }
    void setParametrierdatum(const DateTime& date);
    /// A text that is no date under the regional settings is ignored; notifies in both cases.
    void setParametrierdatum(const std::string& text);
    /// The parametrisation date as the regional settings show it.
    std::string ParametrierdatumText() const;

    /// Number of scale units: the upper limit of "Skaleneinheit".
    std::int16_t MaxUnits() const { return m_maxUnits; }
    /// Sum of the byte counts of all parameters: the basis of transfer progress.
    int TotalByteCount() const { return m_totalByteCount; }

    std::uint8_t HardwareVariante() const { return m_hardwareVariante; }
    /// Narrows (0, 1) or widens (7) the relay choices, stores the variant, and notifies.
    void setHardwareVariante(std::uint8_t variant);

    /// Every value in walk order, the description lines and the user data: all that the user
    /// edits. Equal states mean that no edit is left to save.
    struct State {
        std::vector<float> values;
        std::array<std::string, kDescriptionCount> descriptions;
        std::string benutzername;
        DateTime parametrierdatum;
        bool operator==(const State&) const = default;
    };
    State CurrentState() const;
    /// Puts a state taken before back, without tests: the values, then the limits and units
    /// that follow them, the description lines and the user data. One notification.
    void Restore(const State& state);

    /// Every value back to its factory default, limits recomputed, description lines reset.
    void SetDefaults();
    /// Recomputes the factors and limits that follow the scaling, as one batch.
    void UpdateLimits();

    /// What an Assign did: Refused (after the model's message), Unchanged (taken, but nothing
    /// in the model moved and nobody was told: a range end given the value it has), Changed
    /// (the owner was told, or will be at the end of the batch around it).
    enum class Assigned { Refused, Unchanged, Changed };
    /// Applies a text to "GROUP/NAME" as the main window's field does: range ends only when
    /// they change, the limit update after the measuring range, the scaling and the decimal
    /// places of "Eingang" (the limit update notifies once more for what it cut), the
    /// unit of every scaled value after "Skaleneinheit", and "Gerätebeschreibung/Zeile1".."Zeile4"
    /// and "Gerätebeschreibung/Anlagenkennzeichen" for the description lines. Refused when the
    /// model refused the text (after its message). Throws std::out_of_range for an unknown path.
    Assigned Assign(const std::string& path, const std::string& text);
    /// The value of "GROUP/NAME" as text under the regional settings (description lines as they
    /// are). Throws std::out_of_range for an unknown path.
    std::string Show(const std::string& path) const;
    /// The parameter "GROUP/NAME" names; nullptr for a description line. Throws
    /// std::out_of_range for an unknown path.
    cParameter* ParameterAt(const std::string& path) const;
    /// The description line (0 to 4) "GROUP/NAME" names; -1 when it names none.
    static int DescriptionLineAt(const std::string& path);
    /// The key of description line `line` (0 to 4) in "Gerätebeschreibung": "Zeile1".."Zeile4",
    /// then "Anlagenkennzeichen".
    static std::string DescriptionKey(int line);

private:
    struct Field;
    Field Resolve(const std::string& path) const;
    /// Assign's work on a resolved path; false when the model refused the text.
    bool Apply(const Field& field, const std::string& text);
    /// "Skaleneinheit" and the units that follow it, with one notification.
    bool AssignUnit(cParameter& unitIndex, const std::string& text);

    KeyedCollection<cDataGroup> m_data;
    Notifiable* m_owner = nullptr;
    bool m_enableNotify = false;
    int m_batches = 0;              ///< batches open now
    unsigned long m_changes = 0;    ///< changes reported so far, told or not
    unsigned long m_batchStart = 0; ///< m_changes when the outermost batch began
    std::int16_t m_maxUnits = 0;
    std::uint8_t m_hardwareVariante = kFullVariant;
    std::string m_benutzername = "Benutzername";
    DateTime m_parametrierdatum;
    std::array<std::string, kDescriptionCount> m_descriptions;
    int m_totalByteCount = 0;
};
