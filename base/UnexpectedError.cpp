#include "base/UnexpectedError.h"

#include "base/Translation.h"

#include <exception>
#include <iostream>

void ReportUnexpected(const std::string& where, const std::string& what) noexcept {
    try {
        std::cerr << TrArgs(Tr("UnexpectedError", "NivoConfig: %1: %2"), {where, what}) << '\n';
    } catch (...) { // no memory left for the text: nothing more to be done
    }
}

std::string CurrentErrorText() {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return Tr("UnexpectedError", "unbekannter Fehler");
    }
}
