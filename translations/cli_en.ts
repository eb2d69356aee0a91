<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>CliContext</name>
    <message>
        <source>Unbekannte Schnittstelle in &apos;%1&apos; (erwartet: COM1 bis COM16).</source>
        <translation>Unknown port in &apos;%1&apos; (expected: COM1 to COM16).</translation>
    </message>
    <message>
        <source>Gerätedatei fehlt in &apos;%1&apos; (erwartet: COMn=GERÄTEDATEI).</source>
        <translation>Device file missing in &apos;%1&apos; (expected: COMn=DEVICEFILE).</translation>
    </message>
    <message>
        <source>Kein Gerät gefunden.</source>
        <translation>No device found.</translation>
    </message>
    <message>
        <source>Die Hardwarevariante des Gerätes konnte nicht gelesen werden.</source>
        <translation>The hardware variant of the device could not be read.</translation>
    </message>
    <message>
        <source>Der Mitschnitt in &apos;%1&apos; ist nicht möglich: %2</source>
        <translation>Cannot trace into &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>NivoConfig ohne Fenster: Parameterdateien und Geräte der Nivolantis K417</source>
        <translation>NivoConfig without windows: parameter files and devices of the Nivolantis K417</translation>
    </message>
    <message>
        <source>Einstellungsdatei statt der installierten und der eigenen NivoConfig.ini</source>
        <translation>Settings file instead of the installed and your own NivoConfig.ini</translation>
    </message>
    <message>
        <source>COMn=GERÄTEDATEI, oder nur GERÄTEDATEI für COM1 (mehrfach möglich); statt der Gerätedatei auch tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT</source>
        <translation>COMn=DEVICEFILE, or only DEVICEFILE for COM1 (may be repeated); instead of the device file also tcp://HOST:PORT or rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>COM1 mit dem eingebauten simulierten Gerät verbinden</source>
        <translation>Connect COM1 to the built-in simulated device</translation>
    </message>
    <message>
        <source>Befehle</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Die Vorgänge am Gerät nicht ins Inbetriebnahmeprotokoll schreiben</source>
        <translation>Leave this run&apos;s device operations out of the commissioning record</translation>
    </message>
    <message>
        <source>Jedes Byte zum und vom Gerät mit Uhrzeit in diese Textdatei anhängen (Mitschnitt)</source>
        <translation>Append every byte to and from the device, with its time, to this text file (trace)</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>Das Gerät an COM1 bis COM16 suchen</source>
        <translation>Search for the device on COM1 to COM16</translation>
    </message>
    <message>
        <source>Jede Schnittstelle mit Gerätedatei und Ergebnis zeigen</source>
        <translation>Show every port with its device file and result</translation>
    </message>
    <message>
        <source>Geräteserver (RFC 2217), Verbindung beim Öffnen.</source>
        <translation>Device server (RFC 2217), connected when opened.</translation>
    </message>
    <message>
        <source>Geräteserver (TCP), Verbindung beim Öffnen.</source>
        <translation>Device server (TCP), connected when opened.</translation>
    </message>
    <message>
        <source>ungültige Netzwerkadresse.</source>
        <translation>invalid network address.</translation>
    </message>
    <message>
        <source>aus den Einstellungen</source>
        <translation>from the settings</translation>
    </message>
    <message>
        <source>Die Schnittstellen mit Gerätedatei, Art und Zugriffsrecht zeigen</source>
        <translation>Show the ports with device file, type and access right</translation>
    </message>
    <message>
        <source>Das Gerät lesen und als Parameterdatei speichern</source>
        <translation>Read the device and save it as a parameter file</translation>
    </message>
    <message>
        <source>Parameterdatei (*.par)</source>
        <translation>Parameter file (*.par)</translation>
    </message>
    <message>
        <source>Eine Parameterdatei in das Gerät schreiben</source>
        <translation>Write a parameter file to the device</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Parameterdatei</source>
        <translation>Parameter file</translation>
    </message>
    <message>
        <source>Gerätevariante: 7 alle Funktionen, 1 eingeschränkte Software, 0 auch nur 2 Relais, geraet aus dem Gerät lesen</source>
        <translation>Device variant: 7 all functions, 1 restricted software, 0 also only 2 relays, device read from the device</translation>
    </message>
</context>
<context>
    <name>FirmwareCommands</name>
    <message>
        <source>Kein Gerät gefunden.</source>
        <translation>No device found.</translation>
    </message>
    <message>
        <source>Eine Firmwaredatei über den Bootloader ins Gerät übertragen</source>
        <translation>Transfer a firmware file to the device through the boot loader</translation>
    </message>
    <message>
        <source>Firmwaredatei (*.hex)</source>
        <translation>Firmware file (*.hex)</translation>
    </message>
    <message>
        <source>Die Firmware aus dem Gerät in eine Datei sichern</source>
        <translation>Save the firmware of the device to a file</translation>
    </message>
    <message>
        <source>Anzahl der zu lesenden Bytes ab Adresse 0</source>
        <translation>Number of bytes to read from address 0</translation>
    </message>
    <message>
        <source>Das Gerät hat diese EEPROM-Adressen nicht beantwortet: %1.</source>
        <translation>The device did not answer these EEPROM addresses: %1.</translation>
    </message>
    <message>
        <source>Das interne EEPROM des Geräts als Intel-Hex-Datei sichern</source>
        <translation>Save the internal EEPROM of the device as an Intel HEX file</translation>
    </message>
    <message>
        <source>EEPROM-Datei (*.eep)</source>
        <translation>EEPROM file (*.eep)</translation>
    </message>
    <message>
        <source>EEPROM gelesen (%1 Bytes).</source>
        <translation>EEPROM read (%1 bytes).</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht gespeichert werden. %2</source>
        <translation>The file &apos;%1&apos; could not be saved. %2</translation>
    </message>
    <message>
        <source>EEPROM in Datei &apos;%1&apos; gespeichert.</source>
        <translation>EEPROM saved in file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Diese EEPROM-Adressen konnten nicht geschrieben werden: %1.</source>
        <translation>These EEPROM addresses could not be written: %1.</translation>
    </message>
    <message>
        <source>Eine EEPROM-Datei (Intel Hex) ins Gerät schreiben</source>
        <translation>Write an EEPROM file (Intel HEX) to the device</translation>
    </message>
    <message>
        <source>EEPROM geschrieben (%1 Bytes).</source>
        <translation>EEPROM written (%1 bytes).</translation>
    </message>
</context>
<context>
    <name>ListDiffCommands</name>
    <message>
        <source>Alle Parameter einer Datei mit Wert, Einheit und erlaubten Werten ausgeben</source>
        <translation>Print every parameter of a file with its value, unit and allowed values</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Parameterdatei</source>
        <translation>Parameter file</translation>
    </message>
    <message>
        <source>gruppe</source>
        <translation>group</translation>
    </message>
    <message>
        <source>Nur diese GRUPPE, z. B. Grenzwerte</source>
        <translation>Only this GROUP, e.g. Grenzwerte</translation>
    </message>
    <message>
        <source>GRUPPE</source>
        <translation>GROUP</translation>
    </message>
    <message>
        <source>unbekannte Gruppe &apos;%1&apos;</source>
        <translation>unknown group &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Zwei Parameterdateien, oder eine Datei und das Gerät, vergleichen (Exit 0: gleich, 1: verschieden)</source>
        <translation>Compare two parameter files, or a file and the device (exit 0: equal, 1: different)</translation>
    </message>
    <message>
        <source>datei2</source>
        <translation>file2</translation>
    </message>
    <message>
        <source>Zweite Parameterdatei</source>
        <translation>Second parameter file</translation>
    </message>
    <message>
        <source>Mit dem Gerät vergleichen (es wird gelesen)</source>
        <translation>Compare with the device (it is read)</translation>
    </message>
    <message>
        <source>zweite Parameterdatei oder --device fehlt</source>
        <translation>second parameter file or --device missing</translation>
    </message>
</context>
<context>
    <name>MeasureCommand</name>
    <message>
        <source>Skalierung des Gerätes konnte nicht gelesen werden.</source>
        <translation>The scaling of the device could not be read.</translation>
    </message>
    <message>
        <source>Messwerte des Gerätes lesen: Ausgangsstrom, Messwert und A/D-Wert</source>
        <translation>Read the measured values of the device: output current, measured value and A/D value</translation>
    </message>
    <message>
        <source>Alle SEKUNDEN wiederholen, bis Strg+C</source>
        <translation>Repeat every SECONDS, until Ctrl+C</translation>
    </message>
    <message>
        <source>SEKUNDEN</source>
        <translation>SECONDS</translation>
    </message>
</context>
<context>
    <name>ModelCommands</name>
    <message>
        <source>GRUPPE/NAME</source>
        <translation>GROUP/NAME</translation>
    </message>
    <message>
        <source>Parameter fehlerhaft.<byte value="xd"/>
Die Daten können nicht gespeichert werden.</source>
        <translation>Invalid parameters.<byte value="xd"/>
The data cannot be saved.</translation>
    </message>
    <message>
        <source>Die Werkseinstellungen als Parameterdatei speichern</source>
        <translation>Save the factory settings as a parameter file</translation>
    </message>
    <message>
        <source>Parameterdatei (*.par)</source>
        <translation>Parameter file (*.par)</translation>
    </message>
    <message>
        <source>Eine Parameterdatei laden und vollständig prüfen</source>
        <translation>Load a parameter file and check it completely</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Parameterdatei</source>
        <translation>Parameter file</translation>
    </message>
    <message>
        <source>Werte einer Parameterdatei ausgeben, je einer pro Zeile</source>
        <translation>Print values of a parameter file, one per line</translation>
    </message>
    <message>
        <source>namen</source>
        <translation>names</translation>
    </message>
    <message>
        <source>GRUPPE/NAME, z. B. Eingang/Filter</source>
        <translation>GROUP/NAME, e.g. Eingang/Filter</translation>
    </message>
    <message>
        <source>Werte setzen wie im Eingabefeld und die Datei speichern</source>
        <translation>Set values as in the input field and save the file</translation>
    </message>
    <message>
        <source>zuweisungen</source>
        <translation>assignments</translation>
    </message>
    <message>
        <source>GRUPPE/NAME=TEXT</source>
        <translation>GROUP/NAME=TEXT</translation>
    </message>
    <message>
        <source>Ziel (sonst die Datei selbst)</source>
        <translation>Target (otherwise the file itself)</translation>
    </message>
    <message>
        <source>&apos;=&apos; fehlt in &apos;%1&apos;</source>
        <translation>&apos;=&apos; missing in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Nicht gespeichert: eine Eingabe wurde abgelehnt.</source>
        <translation>Not saved: an entry was refused.</translation>
    </message>
</context>
<context>
    <name>PlatformServices</name>
    <message>
        <source>Zieldatei: der Bericht nur als Text, PDF gibt es in diesem Programm nicht (ohne: Standardausgabe)</source>
        <translation>Target file: the report as text only, this program has no PDF (without: standard output)</translation>
    </message>
    <message>
        <source>Keine PDF-Ausgabe in diesem Programm: &apos;%1&apos; wird nicht geschrieben. Mit einer anderen Endung als .pdf oder ohne -o kommt der Bericht als Text.</source>
        <translation>No PDF output in this program: &apos;%1&apos; is not written. With an extension other than .pdf or without -o the report comes as text.</translation>
    </message>
    <message>
        <source>Zieldatei: PDF bei Endung .pdf, sonst Text (ohne: Text auf die Standardausgabe)</source>
        <translation>Target file: PDF for the extension .pdf, otherwise text (without: text on standard output)</translation>
    </message>
</context>
<context>
    <name>PortSettingCommand</name>
    <message>
        <source>Die Gerätedatei einer Schnittstelle in den eigenen Einstellungen festhalten</source>
        <translation>Keep the device file of a port in your own settings</translation>
    </message>
    <message>
        <source>ZUORDNUNG</source>
        <translation>ASSIGNMENT</translation>
    </message>
    <message>
        <source>COMn=GERÄTEDATEI oder COMn=tcp://RECHNER:PORT oder COMn=rfc2217://RECHNER:PORT; ohne Gerätedatei gilt wieder die Vorgabe</source>
        <translation>COMn=DEVICEFILE or COMn=tcp://HOST:PORT or COMn=rfc2217://HOST:PORT; without a device file the default applies again</translation>
    </message>
    <message>
        <source>Unbekannte Schnittstelle in &apos;%1&apos; (erwartet: COMn=GERÄTEDATEI, n von 1 bis 16).</source>
        <translation>Unknown port in &apos;%1&apos; (expected: COMn=DEVICEFILE, n from 1 to 16).</translation>
    </message>
    <message>
        <source>Fehler beim Speichern der Datei &apos;%1&apos;: %2</source>
        <translation>Error saving the file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>COM%1 -&gt; %2 in %3</source>
        <translation>COM%1 -&gt; %2 in %3</translation>
    </message>
    <message>
        <source>Vorgabe</source>
        <translation>default</translation>
    </message>
</context>
<context>
    <name>ProgramCli</name>
    <message>
        <source>Hilfe: %1 --help</source>
        <translation>Help: %1 --help</translation>
    </message>
    <message>
        <source>Diese Hilfe zeigen und beenden</source>
        <translation>Show this help and exit</translation>
    </message>
    <message>
        <source>Die Version zeigen und beenden</source>
        <translation>Show the version and exit</translation>
    </message>
    <message>
        <source>Sprache der Texte: de oder en (ohne: die Sprache der Sitzung)</source>
        <translation>Language of the texts: de or en (without: the language of the session)</translation>
    </message>
    <message>
        <source>SPRACHE</source>
        <translation>LANGUAGE</translation>
    </message>
</context>
<context>
    <name>RecordCommand</name>
    <message>
        <source>&apos;%1&apos; ist kein Datum JJJJ-MM-TT.</source>
        <translation>&apos;%1&apos; is not a date YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>Das Inbetriebnahmeprotokoll &apos;%1&apos; kann nicht gelesen werden. %2</source>
        <translation>The commissioning record &apos;%1&apos; cannot be read. %2</translation>
    </message>
    <message>
        <source>Das Inbetriebnahmeprotokoll zeigen (CSV, eine Zeile je Schreiben und Lesen am Gerät)</source>
        <translation>Show the commissioning record (CSV, one line per write and read of the device)</translation>
    </message>
    <message>
        <source>Nur die Zeilen ab diesem Tag (JJJJ-MM-TT)</source>
        <translation>Only the lines from this day on (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>Nur die Zeilen der Geräte, deren Kennung diesen Text enthält</source>
        <translation>Only the lines of devices whose identification contains this text</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Die Textdatei kann nicht geschrieben werden. %1</source>
        <translation>The text file cannot be written. %1</translation>
    </message>
    <message>
        <source>Den Konfigurationsbericht einer Parameterdatei ausgeben</source>
        <translation>Print the configuration report of a parameter file</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Parameterdatei</source>
        <translation>Parameter file</translation>
    </message>
</context>
<context>
    <name>nivobench</name>
    <message>
        <source>Zeitmessungen der Geräteübertragungen am simulierten Gerät</source>
        <translation>Timings of the device transfers on the simulated device</translation>
    </message>
    <message>
        <source>messungen</source>
        <translation>measurements</translation>
    </message>
    <message>
        <source>Nur diese Messungen (Standard: alle)</source>
        <translation>Only these measurements (default: all)</translation>
    </message>
    <message>
        <source>MESSUNG</source>
        <translation>MEASUREMENT</translation>
    </message>
    <message>
        <source>Einstellungsdatei statt der installierten und der eigenen NivoConfig.ini</source>
        <translation>Settings file instead of the installed and your own NivoConfig.ini</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>COM1=ADRESSE: die Übertragungen über diese Schnittstelle statt direkt am simulierten Gerät, etwa rfc2217://RECHNER:PORT</source>
        <translation>COM1=ADDRESS: the transfers through this port instead of directly on the simulated device, e.g. rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>COM1=ADRESSE</source>
        <translation>COM1=ADDRESS</translation>
    </message>
    <message>
        <source>--port: erwartet COM1=ADRESSE, nicht &apos;%1&apos;.</source>
        <translation>--port: expected COM1=ADDRESS, not &apos;%1&apos;.</translation>
    </message>
</context>
</TS>
