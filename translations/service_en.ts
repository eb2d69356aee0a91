<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>EepromGrid</name>
    <message>
        <source>Internes EEPROM</source>
        <translation>Internal EEPROM</translation>
    </message>
    <message>
        <source>Gerät lesen abgebrochen.<byte value="xd"/>
Die Zellen zeigen weiter den alten Text.</source>
        <translation>Reading the device cancelled.<byte value="xd"/>
The cells still show their old text.</translation>
    </message>
    <message>
        <source>Diese EEPROM-Adressen hat das Gerät nicht beantwortet: %1.<byte value="xd"/>
Ihre Zellen zeigen weiter den alten Text.</source>
        <translation>The device did not answer for these EEPROM addresses: %1.<byte value="xd"/>
Their cells still show their old text.</translation>
    </message>
    <message>
        <source>Die Zelle 0x%1 enthält keinen Hexadezimalwert von 0 bis FF.<byte value="xd"/>
%2</source>
        <translation>Cell 0x%1 does not hold a hexadecimal value from 0 to FF.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Es wurde nichts ins Gerät geschrieben.</source>
        <translation>Nothing was written to the device.</translation>
    </message>
    <message>
        <source>%1 von %2 Zellen ins Gerät geschrieben.</source>
        <translation>%1 of %2 cells written to the device.</translation>
    </message>
    <message>
        <source>Gerät Schreiben abgebrochen.<byte value="xd"/>
%1</source>
        <translation>Writing the device cancelled.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Diese EEPROM-Adressen konnten nicht geschrieben werden: %2.</source>
        <translation>%1<byte value="xd"/>
These EEPROM addresses could not be written: %2.</translation>
    </message>
    <message>
        <source>Gerät Schreiben beendet.<byte value="xd"/>
%1</source>
        <translation>Writing the device finished.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Intel Hex-File speichern.</source>
        <translation>Save Intel HEX file.</translation>
    </message>
    <message>
        <source>EEPROM-Dateien (*.eep)</source>
        <translation>EEPROM files (*.eep)</translation>
    </message>
    <message>
        <source>Es wurde keine Datei geschrieben.</source>
        <translation>No file was written.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden.<byte value="xd"/>
%2</source>
        <translation>The file &apos;%1&apos; could not be written.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; nicht übernommen: eine Zelle nimmt nur Hexadezimalwerte von 0 bis FF.</source>
        <translation>&apos;%1&apos; not taken: a cell only takes hexadecimal values from 0 to FF.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Firmware-Update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Die Firmware wird gerade ins Gerät übertragen. Dieser Vorgang darf nicht unterbrochen werden.<byte value="xd"/>
Das Programm kann erst danach beendet werden.</source>
        <translation>The firmware is being transferred to the device. This process must not be interrupted.<byte value="xd"/>
The program can only be exited afterwards.</translation>
    </message>
    <message>
        <source>Firmwaredatei öffnen</source>
        <translation>Open firmware file</translation>
    </message>
    <message>
        <source>Firmwaredatei speichern</source>
        <translation>Save firmware file</translation>
    </message>
    <message>
        <source>Firmware sichern abgebrochen.<byte value="xd"/>
Es wurde keine Datei geschrieben.</source>
        <translation>Saving the firmware cancelled.<byte value="xd"/>
No file was written.</translation>
    </message>
    <message>
        <source>Eine neue Firmware kann die Belegung des EEPROMs ändern.<byte value="xd"/>
Sollen die EEPROM-Daten des Geräts vorher in einer Datei gesichert werden?</source>
        <translation>A new firmware can change the layout of the EEPROM.<byte value="xd"/>
Save the device&apos;s EEPROM data to a file first?</translation>
    </message>
    <message>
        <source>EEPROM-Daten sichern</source>
        <translation>Save EEPROM data</translation>
    </message>
    <message>
        <source>EEPROM-Dateien (*.eep)</source>
        <translation>EEPROM files (*.eep)</translation>
    </message>
    <message>
        <source>Firmware-Update abgebrochen, es wurde nichts übertragen.</source>
        <translation>Firmware update cancelled, nothing was transferred.</translation>
    </message>
    <message>
        <source>Diese EEPROM-Adressen hat das Gerät nicht beantwortet: %1.<byte value="xd"/>
Die Firmware wurde nicht übertragen.</source>
        <translation>The device did not answer for these EEPROM addresses: %1.<byte value="xd"/>
The firmware was not transferred.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden.<byte value="xd"/>
%2<byte value="xd"/>
Die Firmware wurde nicht übertragen.</source>
        <translation>The file &apos;%1&apos; could not be written.<byte value="xd"/>
%2<byte value="xd"/>
The firmware was not transferred.</translation>
    </message>
    <message>
        <source>EEPROM-Daten in Datei &apos;%1&apos; gesichert.</source>
        <translation>EEPROM data saved to file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Intel-HEX-Dateien (*.hex)</source>
        <translation>Intel HEX files (*.hex)</translation>
    </message>
</context>
<context>
    <name>PageService6</name>
    <message>
        <source>&amp;6 Service</source>
        <translation>&amp;6 Service</translation>
    </message>
    <message>
        <source>Hardwarevariante</source>
        <translation>Hardware variant</translation>
    </message>
    <message>
        <source>Die Hardwarevariante wird im Fenster „Optionen“ gewählt.</source>
        <translation>The hardware variant is chosen in the “Options” window.</translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>unbenutzt</source>
        <translation>unused</translation>
    </message>
    <message>
        <source>Nur Rel. A/B</source>
        <translation>Rel. A/B only</translation>
    </message>
    <message>
        <source>Ohne P.t u. Trend</source>
        <translation>No pump alt./trend</translation>
    </message>
    <message>
        <source>Komplett</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Schreib.</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Messwert</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>1,2345</source>
        <translation>1,2345</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>A/D</source>
        <translation>A/D</translation>
    </message>
    <message>
        <source>Internes EEPROM</source>
        <translation>Internal EEPROM</translation>
    </message>
    <message>
        <source>0x0 =</source>
        <translation>0x0 =</translation>
    </message>
    <message>
        <source>&amp;Gerät Lesen</source>
        <translation>&amp;Read device</translation>
    </message>
    <message>
        <source>Hexfile &amp;speichern</source>
        <translation>Save &amp;hex file</translation>
    </message>
    <message>
        <source>Gerät Schr&amp;eiben</source>
        <translation>Writ&amp;e device</translation>
    </message>
</context>
<context>
    <name>PageService7</name>
    <message>
        <source>&amp;7 Service</source>
        <translation>&amp;7 Service</translation>
    </message>
    <message>
        <source>Schnittstellen</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Abtasten</source>
        <translation>Scan</translation>
    </message>
</context>
<context>
    <name>PageService8</name>
    <message>
        <source>&amp;8 Service</source>
        <translation>&amp;8 Service</translation>
    </message>
    <message>
        <source>Firmware-Update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Aktionen</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Firmwaredatei ins Gerät übertragen</source>
        <translation>Transfer firmware file to device</translation>
    </message>
    <message>
        <source>Firmware aus Gerät in Datei sichern</source>
        <translation>Save firmware from device to file</translation>
    </message>
    <message>
        <source>Beim Firmware-Update kann das Gerät auf den neuesten Softwarestand gebracht werden. Mit dem Kommando &quot;Firmwaredatei ins Gerät übertragen&quot; erscheint eine Dateibox, in der man eine Hex-Datei, die die Firmware enthält, auswählen kann. Die Datei wird anschließend ins Gerät übertragen. Achtung dieser Vorgang ist nicht umkehrbar und darf nicht unterbrochen werden.</source>
        <translation>A firmware update brings the device up to the latest software version. The command &quot;Transfer firmware file to device&quot; opens a file box in which a hex file holding the firmware can be chosen. The file is then transferred to the device. Caution: this cannot be undone and must not be interrupted.</translation>
    </message>
</context>
<context>
    <name>PortPathList</name>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Gerätedatei oder Adresse</source>
        <translation>Device file or address</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Geräteserver</source>
        <translation>Device server</translation>
    </message>
    <message>
        <source>COM%1: &apos;%2&apos; ist keine gültige Adresse.<byte value="xd"/>
Erwartet: tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT.</source>
        <translation>COM%1: &apos;%2&apos; is no valid address.<byte value="xd"/>
Expected: tcp://HOST:PORT or rfc2217://HOST:PORT.</translation>
    </message>
    <message>
        <source>Schnittstellen</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Fehler beim Speichern der Datei &apos;%1&apos;: %2</source>
        <translation>Error saving the file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 gespeichert in %2.</source>
        <translation>%1 saved in %2.</translation>
    </message>
</context>
<context>
    <name>PortScan</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Abtasten abgebrochen.<byte value="xd"/>
Die Liste ist unverändert.</source>
        <translation>Scan cancelled.<byte value="xd"/>
The list is unchanged.</translation>
    </message>
    <message>
        <source>Schnittstellen</source>
        <translation>Ports</translation>
    </message>
</context>
<context>
    <name>frmOptionen</name>
    <message>
        <source>NivoConfig-Optionen</source>
        <translation>NivoConfig options</translation>
    </message>
    <message>
        <source>Gerätetyp</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source>Nivolantis Gerätevariante</source>
        <translation>Nivolantis device variant</translation>
    </message>
    <message>
        <source>Alle Software und Hardwarefunktionen</source>
        <translation>All software and hardware functions</translation>
    </message>
    <message>
        <source>Eingeschränkte Softwarefunktionen (keine Trendbearbeitung, kein Pumpentausch). Alle Hardwarefunktionen.</source>
        <translation>Restricted software functions (no trend processing, no pump alternation). All hardware functions.</translation>
    </message>
    <message>
        <source>Eingeschränkte Softwarefunktionen (keine Trendbearbeitung, kein Pumpentausch). Eingeschränkte Hardwarefunktionen (Nur 2 Relais).</source>
        <translation>Restricted software functions (no trend processing, no pump alternation). Restricted hardware functions (only 2 relays).</translation>
    </message>
    <message>
        <source>Aus Gerät lesen</source>
        <translation>Read from device</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Die Hardwarevariante des Gerätes konnte nicht gelesen werden.</source>
        <translation>The hardware variant of the device could not be read.</translation>
    </message>
    <message>
        <source>&amp;Abweichungen von den Werkseinstellungen hervorheben</source>
        <translation>&amp;Highlight values that differ from the factory settings</translation>
    </message>
    <message>
        <source>Die Einstellung gilt bis zum Programmende, sie konnte nicht gespeichert werden: %1</source>
        <translation>The setting holds until the program ends; it could not be saved: %1</translation>
    </message>
    <message>
        <source>Datenverkehr mit dem Gerät &amp;mitschneiden</source>
        <translation>&amp;Trace the traffic with the device</translation>
    </message>
    <message>
        <source>Mitschnitt in: %1</source>
        <translation>Trace file: %1</translation>
    </message>
    <message>
        <source>Mitschnitt des Datenverkehrs: %1</source>
        <translation>Trace of the device traffic: %1</translation>
    </message>
    <message>
        <source>Schnittstellen</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Gerätedateien und Adressen der Schnittstellen</source>
        <translation>Device files and addresses of the ports</translation>
    </message>
    <message>
        <source>Gerätedatei, gefundener Adapter oder tcp://RECHNER:PORT bzw. rfc2217://RECHNER:PORT; leer: die Vorgabe.</source>
        <translation>Device file, adapter found, or tcp://HOST:PORT or rfc2217://HOST:PORT; empty: the default.</translation>
    </message>
    <message>
        <source>&amp;Zuordnung speichern</source>
        <translation>&amp;Save assignment</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Produkt</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Unternehmen</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Konfigurationsprogramm für Nivolantis K417</source>
        <translation>Configuration program for Nivolantis K417</translation>
    </message>
    <message>
        <source>Geräteversion:
&apos;%1&apos;</source>
        <translation>Device version:
&apos;%1&apos;</translation>
    </message>
</context>
</TS>
