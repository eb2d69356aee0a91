#pragma once

#include "model/CatalogueNames.h"

#include <string>
#include <vector>

class cNivolantis;
class cParameter;

/// How a text field shows its item.
enum class DisplayForm {
    TwoDecimals, ///< "#0.00"
    Scale,       ///< ScalePattern of the decimal places ("Skalenkomma")
    Plain,       ///< the general number form
    Output,      ///< "#0.00" of milliamperes, or of volts (half the value) in the "V" view
    Text,        ///< a description line or user data, as it stands
};

/// One text field of the pages and the model item it edits, as "GROUP/NAME" (range ends are
/// "GROUP/RANGE.Anfang"/".Ende" or the limits' own names; description lines are
/// "Gerätebeschreibung/Zeile1".."Zeile4" and "Gerätebeschreibung/Anlagenkennzeichen"; user data
/// is "Benutzerdaten/Benutzername" and "Benutzerdaten/Parametrierdatum").
struct TextBinding {
    std::string field;
    std::string path;
    DisplayForm form;
};

/// One choice field (drop-down list, option family or check box) and the parameter that takes
/// its position.
struct ChoiceBinding {
    std::string field;
    std::string path;
};

/// Every text field of pages 1 to 5 and the plant identifier above them, in refresh order;
/// families are expanded ("txtUL_0" … "txtUL_3"). The current point's fields txtX and txtY
/// follow the grid's current row and are not in the table.
const std::vector<TextBinding>& TextBindings();
/// Every choice field; option families appear once under their name without index.
const std::vector<ChoiceBinding>& ChoiceBindings();

constexpr const char* kUserSection = "Benutzerdaten";
using Catalogue::kDescriptionSection;

/// The pattern of the scaled values for `places` decimal places ("Skalenkomma"), held to 0..4 as
/// their factor is: "00000", "0000.0" … "0.0000".
std::string ScalePattern(double places);
/// The decimal places ("Skalenkomma") of the model.
double DecimalPlaces(const cNivolantis& app);

/// The parameter a "GROUP/NAME" path names; nullptr for description lines and user data.
/// Throws std::out_of_range for an unknown group or name.
cParameter* ParameterAt(const cNivolantis& app, const std::string& path);
