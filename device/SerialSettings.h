#pragma once

#include <optional>
#include <string_view>

/// Line settings of a serial port, read from a text such as "19200,n,8,1".
struct SerialSettings {
    int baud = 19200;
    char parity = 'n'; ///< 'n' none, 'e' even, 'o' odd, 'm' mark, 's' space
    int dataBits = 8;  ///< 5 to 8
    int stopBits = 1;  ///< 1 or 2; "1.5" is read as 2, which 5 data bits turn into 1.5

    /// Reads "baud,parity,data bits,stop bits" (letters in any case, blanks around the parts
    /// allowed). Empty when the text has another form or a value outside the ranges above.
    static std::optional<SerialSettings> Parse(std::string_view text);

    /// Seconds one character takes on the line: start bit, data bits, parity bit, stop bits.
    double CharacterSeconds() const;
};
