#include "model/HardwareVariants.h"

#include "base/Translation.h"

std::string HardwareVariants::Text(std::uint8_t variant) {
    switch (variant) {
    case 7:
        return Tr("HardwareVariants", "Alle Software und Hardwarefunktionen");
    case 1:
        return Tr("HardwareVariants",
                  "Eingeschränkte Softwarefunktionen (keine Trendbearbeitung, kein Pumpentausch). "
                  "Alle Hardwarefunktionen.");
    case 0:
        return Tr("HardwareVariants",
                  "Eingeschränkte Softwarefunktionen (keine Trendbearbeitung, kein Pumpentausch). "
                  "Eingeschränkte Hardwarefunktionen (Nur 2 Relais).");
    default:
        return TrArgs(Tr("HardwareVariants", "Variante %1"), {std::to_string(variant)});
    }
}
