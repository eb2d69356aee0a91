#include "model/HardwareVariants.h"

std::string HardwareVariants::Text(std::uint8_t variant) {
    static const std::string kReducedSoftware =
        "Eingeschränkte Softwarefunktionen (keine Trendbearbeitung, kein Pumpentausch). ";
    switch (variant) {
    case 7:
        return "Alle Software und Hardwarefunktionen";
    case 1:
        return kReducedSoftware + "Alle Hardwarefunktionen.";
    case 0:
        return kReducedSoftware + "Eingeschränkte Hardwarefunktionen (Nur 2 Relais).";
    default:
        return "Variante " + std::to_string(variant);
    }
}
