#include "firmware/cFirmwareRW.h"

#include "base/Cancellation.h"
#include "base/Platform.h"
#include "base/Text.h"
#include "base/Translation.h"
#include "device/DeviceProtocol.h"
#include "device/cSerCom.h"

#include <stdexcept>
#include <string_view>

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kCallBootloader = "R\0"sv; ///< "R" 0: start the bootloader
constexpr double kCallTimeoutS = 2.0;                 ///< reply to "R" 0: 1 byte
constexpr std::string_view kIdentify = "I";       ///< identification: text closed by a zero byte
constexpr double kWriteIdentTimeoutS = 4.0;       ///< the bootloader's reply to "I"
constexpr double kReadIdentTimeoutS = 5.0;        ///< the firmware's reply to "I"
constexpr char kOpenBlock = '#';                  ///< "#", start address high, low
constexpr std::int16_t kOpenBlockReplyLength = 3; ///< reply to "#": 3 bytes
constexpr double kOpenBlockTimeoutS = 5.0;        ///< reply to "#"
constexpr double kEchoTimeoutS = 1.0;             ///< echo of data bytes 0 to 126: 1 byte
constexpr std::int16_t kBlockEndReplyLength = 2;  ///< reply to data byte 127 (not evaluated)
constexpr double kBlockEndTimeoutS = 6.0;         ///< the block is programmed meanwhile
constexpr std::string_view kReset = "3\0\0"sv;    ///< "3" 0 0: reset into the firmware
constexpr std::int16_t kResetReplyLength = 3;     ///< reply to "3" (not evaluated)
constexpr double kResetTimeoutS = 1.0;            ///< reply to "3"
constexpr char kBootloaderName[] = "BOOTLOADER";  ///< in the bootloader's identification
constexpr char kDeviceName[] = "NIVOLANTIS";      ///< in the firmware's identification
constexpr std::int16_t kRecordSize = 16;          ///< data bytes per saved record
constexpr int kMaxEchoErrorsInRow = 5; ///< a device this far out of step will not recover

std::string Hex(std::int32_t adress) {
    return cHexRecord::HexStr(adress, 0);
}

std::string DateAndTime() {
    return Platform::Regional().FormatDateTime(Platform::Clocks().Now());
}

/// A failure at an operation's boundary: its name, CR LF and the description.
std::string FailureText(const char* function, const std::exception& error) {
    return TrArgs(Tr("cFirmwareRW", "Fehler in Funktion '%1'.\r\n%2"), {function, error.what()});
}

} // namespace

bool cFirmwareRW::WriteHexFile(const std::string& FileName) {
    m_image.clear();
    m_lastLine.clear();
    try {
        return !RefusedWhileBusy() && Write(FileName);
    } catch (const std::exception& error) {
        Fail(FailureText("WriteHexFile()", error));
        return false;
    }
}

bool cFirmwareRW::ReadHexFile(std::int32_t Size, const std::string& FileName) {
    m_image.clear();
    m_lastLine.clear();
    try {
        return !RefusedWhileBusy() && Read(Size, FileName);
    } catch (const std::exception& error) {
        Fail(FailureText("ReadHexFile()", error));
        return false;
    }
}

bool cFirmwareRW::RefusedWhileBusy() {
    if (!SerCom().Busy())
        return false;
    Fail(Tr("cFirmwareRW", "Die Schnittstelle ist belegt: eine andere Übertragung läuft."));
    return true;
}

bool cFirmwareRW::Write(const std::string& fileName) {
    m_echoErrors = 0;
    m_echoErrorsInRow = 0;
    cHexFile image;
    if (!image.OpenHexFile(fileName)) {
        if (!image.Fault().empty())
            Fail(TrArgs(Tr("cFirmwareRW", "Fehler in der Datei '%1', %2"),
                        {fileName, image.Fault()}));
        else
            Fail(TrArgs(Tr("cFirmwareRW", "Fehler beim Öffnen der Datei '%1'. Datei nicht "
                                          "vorhanden oder keine Hex-Datei."),
                        {fileName}));
        return false;
    }
    Report(TrArgs(Tr("cFirmwareRW", "Datei '%1' geöffnet (%2 Bytes)."),
                  {fileName, std::to_string(image.ByteSize())}));
    if (!FitsFlash(image, fileName))
        return false;
    m_image = Blocks(image);
    if (!CallBootloader() || !IdentifyBootloader())
        return false;
    Report(TrArgs(Tr("cFirmwareRW", "Daten werden geschrieben %1"), {DateAndTime()}));
    DoEvents();
    // Gaps are written as erased bytes, so nothing after a gap is lost; for a file without
    // gaps the end is its byte count.
    const auto end = static_cast<std::int32_t>(image.HighestDataAddress() + 1);
    for (std::int32_t a = 0; a < end; a += kBlockSize) {
        if (!WriteBlock(image, a))
            return false;
        Progress(static_cast<double>(a) / end * 100);
    }
    Progress(0);
    Report(TrArgs(m_echoErrors == 0 ? Tr("cFirmwareRW", "Daten erfolgreich geschrieben %1")
                                    : Tr("cFirmwareRW", "Daten mit Fehlern geschrieben %1"),
                  {DateAndTime()}));
    Report(Tr("cFirmwareRW", "Geräte-Reset durchführen."));
    SerCom().Command(kReset, kResetReplyLength, kResetTimeoutS);
    if (m_echoErrors == 0)
        return true;
    Fail(m_echoErrors == 1
             ? TrArgs(
                   Tr("cFirmwareRW",
                      "Die Firmware im Gerät weicht von der Datei '%1' ab: Echofehler bei 1 Byte."),
                   {fileName})
             : TrArgs(Tr("cFirmwareRW", "Die Firmware im Gerät weicht von der Datei '%1' ab: "
                                        "Echofehler bei %2 Bytes."),
                      {fileName, std::to_string(m_echoErrors)}));
    return false;
}

bool cFirmwareRW::FitsFlash(const cHexFile& image, const std::string& fileName) {
    const std::int64_t highest = image.HighestDataAddress();
    if (highest < 0) {
        Fail(TrArgs(Tr("cFirmwareRW", "Die Datei '%1' enthält keine Daten."), {fileName}));
        return false;
    }
    if (image.DataOutsideImage() || highest >= kFlashSize) {
        Fail(TrArgs(Tr("cFirmwareRW",
                       "Die Datei '%1' enthält Daten außerhalb des Flash-Speichers (0 bis %2)."),
                    {fileName, Hex(kFlashSize - 1)}));
        return false;
    }
    return true;
}

bool cFirmwareRW::CallBootloader() {
    if (SerCom().Command(kCallBootloader, 1, kCallTimeoutS) != 1) {
        Fail(Tr("cFirmwareRW", "Fehler beim Aufrufen des Bootloaders."));
        return false;
    }
    Report(Tr("cFirmwareRW", "Bootloader aufgerufen."));
    DoEvents();
    return true;
}

bool cFirmwareRW::IdentifyBootloader() {
    if (SerCom().Command(kIdentify, -1, kWriteIdentTimeoutS) < 1)
        return false;
    DoEvents();
    const std::string reply = SerCom().getBufferStr();
    if (!ContainsIgnoringCase(reply, kBootloaderName)) {
        Fail(TrArgs(Tr("cFirmwareRW", "Kann Bootloader nicht identifizieren: '%1'"),
                    {EscapedText(reply)}));
        return false;
    }
    Report(TrArgs(Tr("cFirmwareRW", "Bootloader identifiziert: '%1'"),
                  {EscapedText(reply, cSerCom::kTextLimit)}));
    return true;
}

bool cFirmwareRW::WriteBlock(const cHexFile& image, std::int32_t adress) {
    cSerCom& serCom = SerCom();
    const std::string open = DeviceProtocol::Frame(kOpenBlock, adress);
    if (serCom.Command(open, kOpenBlockReplyLength, kOpenBlockTimeoutS) != kOpenBlockReplyLength) {
        Fail(TrArgs(Tr("cFirmwareRW", "Fehler beim Flash schreiben auf Blockadresse %1"),
                    {Hex(adress)}));
        return false;
    }
    const std::string data = Block(image, adress);
    for (std::size_t i = 0; i + 1 < data.size(); ++i)
        if (!WriteByte(adress, data[i]))
            return false;
    if (serCom.Command(std::string_view(&data.back(), 1), kBlockEndReplyLength,
                       kBlockEndTimeoutS) != kBlockEndReplyLength) {
        Fail(TrArgs(Tr("cFirmwareRW", "Fehler beim Schreiben auf Blockadresse %1. Timeout oder "
                                      "Anzahl der erwarteten Zeichen nicht geliefert."),
                    {Hex(adress)}));
        return false;
    }
    return true;
}

bool cFirmwareRW::WriteByte(std::int32_t blockAdress, char byte) {
    cSerCom& serCom = SerCom();
    const bool answered = serCom.Command(std::string_view(&byte, 1), 1, kEchoTimeoutS) == 1;
    if (answered && serCom.getBufferByte() == static_cast<std::uint8_t>(byte)) {
        m_echoErrorsInRow = 0;
        return true;
    }
    const std::string block = Hex(blockAdress);
    Fail(TrArgs(answered ? Tr("cFirmwareRW", "Fehler beim Flash schreiben auf Blockadresse %1. "
                                             "Daten <> Echo")
                         : Tr("cFirmwareRW", "Fehler beim Flash schreiben auf Blockadresse %1. "
                                             "Echo entspricht nicht der erwarteten Antwort."),
                {block}));
    ++m_echoErrors;
    if (++m_echoErrorsInRow < kMaxEchoErrorsInRow)
        return true; // the transfer goes on; the result will say the device differs
    Fail(TrArgs(Tr("cFirmwareRW", "Fehler beim Flash schreiben auf Blockadresse %1. %2 "
                                  "Echofehler in Folge, Übertragung abgebrochen."),
                {block, std::to_string(kMaxEchoErrorsInRow)}));
    return false;
}

std::string cFirmwareRW::Blocks(const cHexFile& image) {
    std::string blocks;
    for (std::int32_t a = 0; a <= image.HighestDataAddress(); a += kBlockSize)
        blocks += Block(image, a);
    return blocks;
}

std::string cFirmwareRW::Block(const cHexFile& image, std::int32_t adress) {
    std::string data;
    for (std::int32_t a = adress; a < adress + kBlockSize; ++a) {
        std::uint8_t value = 0;
        image.GetByte(a, value); // an empty cell holds 0xFF, as erased flash does
        data += static_cast<char>(value);
    }
    return data;
}

bool cFirmwareRW::Read(std::int32_t size, const std::string& fileName) {
    m_cancelled = false;
    if (!IdentifyDevice())
        return false;
    Report(
        Tr("cFirmwareRW",
           "Die Firmware wird aus dem Gerät ausgelesen. Dieser Vorgang kann einige Zeit dauern."));
    cSerCom& serCom = SerCom();
    cHexFile image;
    for (std::int32_t a = 0; a < size; ++a) {
        if (m_cancel != nullptr && m_cancel->Requested()) {
            m_cancelled = true;
            Fail(TrArgs(
                Tr("cFirmwareRW", "Auslesen abgebrochen, die Datei '%1' wurde nicht gespeichert."),
                {fileName}));
            return false;
        }
        if (serCom.ReadFLASH(a) != 1) {
            // A backup with a hole is no backup: an earlier file stays as it was.
            Fail(TrArgs(Tr("cFirmwareRW", "Fehler beim Flash lesen auf Adresse %1. Keine gültige "
                                          "Antwort vom Gerät, die Datei '%2' wurde nicht "
                                          "gespeichert."),
                        {Hex(a), fileName}));
            return false;
        }
        image.SetByte(a, serCom.getBufferByte());
        m_image += static_cast<char>(serCom.getBufferByte());
        Progress(static_cast<double>(a) / size * 100);
    }
    Progress(0);
    image.ReStructHexData(kRecordSize, kFlashSize);
    Report(Tr("cFirmwareRW", "Hex-Daten aufbereitet."));
    if (!image.SaveHexFile(fileName))
        throw std::runtime_error(TrArgs(
            Tr("cFirmwareRW", "Die Datei '%1' konnte nicht gespeichert werden."), {fileName}));
    Report(TrArgs(Tr("cFirmwareRW", "Hex-Daten in Datei '%1' gespeichert."), {fileName}));
    return true;
}

bool cFirmwareRW::IdentifyDevice() {
    if (SerCom().Command(kIdentify, -1, kReadIdentTimeoutS) < 1) {
        Fail(Tr("cFirmwareRW", "Fehler bei Verbindungsaufnahme zum Gerät."));
        return false;
    }
    const std::string reply = SerCom().getBufferStr();
    if (!ContainsIgnoringCase(reply, kDeviceName)) {
        Fail(TrArgs(Tr("cFirmwareRW", "Unbekannter Gerätename '%1'."), {EscapedText(reply)}));
        return false;
    }
    Report(TrArgs(Tr("cFirmwareRW", "Verbindung zum Gerät hergestellt: '%1'."),
                  {EscapedText(reply, cSerCom::kTextLimit)}));
    return true;
}

void cFirmwareRW::Report(const std::string& text) {
    m_lastLine = text;
    if (OnFirmwareRWMessage)
        OnFirmwareRWMessage(text);
}

void cFirmwareRW::Fail(const std::string& text) {
    m_lastLine = text;
    if (OnFirmwareRWFault)
        OnFirmwareRWFault(text);
    else
        Report(text);
}

void cFirmwareRW::Progress(double percent) const {
    if (OnFirmwareRWProgress)
        OnFirmwareRWProgress(percent);
}
