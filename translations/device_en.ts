<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>ByteTrace</name>
    <message>
        <source>Mitschnitt beginnt am %1</source>
        <translation>Trace begins on %1</translation>
    </message>
    <message>
        <source>Mitschnitt beendet: die Datei hat ihre Grenze von %1 Bytes erreicht.</source>
        <translation>Trace ended: the file has reached its limit of %1 bytes.</translation>
    </message>
</context>
<context>
    <name>DemoDevice</name>
    <message>
        <source>--demo gibt es in diesem Programm nicht: der Simulator braucht ein Pseudo-Terminal (Linux).</source>
        <translation>--demo is not available in this program: the simulator needs a pseudo-terminal (Linux).</translation>
    </message>
</context>
<context>
    <name>DeviceTransfer</name>
    <message>
        <source>Gerät schreiben</source>
        <translation>Write device</translation>
    </message>
    <message>
        <source>Gerät schreiben abgebrochen.</source>
        <translation>Writing the device cancelled.</translation>
    </message>
    <message>
        <source>Gerät lesen</source>
        <translation>Read device</translation>
    </message>
    <message>
        <source>Gerät lesen abgebrochen.</source>
        <translation>Reading the device cancelled.</translation>
    </message>
    <message>
        <source>Schreiben des Gerätes.</source>
        <translation>Writing to the device failed.</translation>
    </message>
    <message>
        <source>Lesen des Gerätes.</source>
        <translation>Reading from the device failed.</translation>
    </message>
    <message>
        <source>Kommunikationsfehler.</source>
        <translation>Communication error.</translation>
    </message>
    <message>
        <source>Parameter &apos;%1&apos; konnte nicht geschrieben werden</source>
        <translation>Parameter &apos;%1&apos; could not be written</translation>
    </message>
    <message>
        <source>Parameter &apos;%1&apos; konnte nicht gelesen werden</source>
        <translation>Parameter &apos;%1&apos; could not be read</translation>
    </message>
    <message>
        <source>Das Gerät enthält keine gültige Konfiguration.<byte value="xd"/>
Werte ausserhalb der Grenzen: %1</source>
        <translation>The device holds no valid configuration.<byte value="xd"/>
Values outside the limits: %1</translation>
    </message>
    <message>
        <source>Gerät konnte nicht gefunden werden.</source>
        <translation>The device could not be found.</translation>
    </message>
    <message>
        <source>Falsche Gerätevariante.</source>
        <translation>Wrong device variant.</translation>
    </message>
    <message>
        <source>Das Gerät meldet: &apos;%1&apos;.<byte value="xd"/>
In den Optionen eingestellt: &apos;%2&apos;.<byte value="xd"/>
Bitte unter Optionen die richtige Gerätevariante einstellen.</source>
        <translation>The device reports: &apos;%1&apos;.<byte value="xd"/>
Set in the options: &apos;%2&apos;.<byte value="xd"/>
Please set the correct device variant under Options.</translation>
    </message>
    <message>
        <source>Gerät gefunden: %1</source>
        <translation>Device found: %1</translation>
    </message>
    <message>
        <source>keine Antwort.</source>
        <translation>no answer.</translation>
    </message>
    <message>
        <source>falsche Antwort &apos;%1&apos;.</source>
        <translation>wrong answer &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>COM%1 bis COM%2</source>
        <translation>COM%1 to COM%2</translation>
    </message>
    <message>
        <source>Die Schnittstelle ist belegt: eine andere Übertragung läuft.</source>
        <translation>The port is busy: another transfer is running.</translation>
    </message>
    <message>
        <source>Schnittstelle nicht vorhanden.</source>
        <translation>Port not present.</translation>
    </message>
    <message>
        <source>Parameter fehlerhaft.<byte value="xd"/>
Es kann kein Download durchgeführt werden.</source>
        <translation>Invalid parameters.<byte value="xd"/>
The device cannot be written.</translation>
    </message>
    <message>
        <source>Gerätevariante konnte nicht gelesen werden.</source>
        <translation>The device variant could not be read.</translation>
    </message>
    <message>
        <source>Gerät schreiben beendet.</source>
        <translation>Writing the device finished.</translation>
    </message>
    <message>
        <source>Parameter &apos;%1&apos; konnte nicht geschrieben werden: %2</source>
        <translation>Parameter &apos;%1&apos; could not be written: %2</translation>
    </message>
    <message>
        <source>Gerät lesen beendet.</source>
        <translation>Reading the device finished.</translation>
    </message>
    <message>
        <source>Gerätevariante konnte nicht gelesen werden</source>
        <translation>The device variant could not be read</translation>
    </message>
    <message>
        <source>Die Verbindung zum Gerät ist abgebrochen oder gestört. Das Gerät enthält jetzt eine unvollständige Konfiguration: die Parameter davor sind neu, die übrigen alt.<byte value="xd"/>
Bitte die Verbindung prüfen und das Gerät erneut schreiben.</source>
        <translation>The connection to the device was lost or disturbed. The device now holds an incomplete configuration: the parameters before this one are new, the others old.<byte value="xd"/>
Please check the connection and write the device again.</translation>
    </message>
    <message>
        <source>Es wurde kein Wert übernommen; die bisherigen Werte bleiben unverändert.<byte value="xd"/>
Bitte die Verbindung prüfen und erneut lesen.</source>
        <translation>No value was taken; the previous values are unchanged.<byte value="xd"/>
Please check the connection and read again.</translation>
    </message>
</context>
<context>
    <name>EepromCoding</name>
    <message>
        <source>%1 passt nicht in 1 Byte.</source>
        <translation>%1 does not fit into 1 byte.</translation>
    </message>
    <message>
        <source>%1 passt nicht in %2 Bytes.</source>
        <translation>%1 does not fit into %2 bytes.</translation>
    </message>
</context>
<context>
    <name>EepromHexFile</name>
    <message>
        <source>Der Text enthält nicht genau die EEPROM-Adressen 0 bis %1.</source>
        <translation>The text does not hold exactly the EEPROM addresses 0 to %1.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht gelesen werden. %2</source>
        <translation>The file &apos;%1&apos; could not be read. %2</translation>
    </message>
    <message>
        <source>Fehler in der Datei &apos;%1&apos;, %2</source>
        <translation>Error in the file &apos;%1&apos;, %2</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; enthält nicht genau die EEPROM-Adressen 0 bis %2.</source>
        <translation>The file &apos;%1&apos; does not hold exactly the EEPROM addresses 0 to %2.</translation>
    </message>
</context>
<context>
    <name>EepromTransfer</name>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>Keine Berechtigung für %1 (Gruppe &apos;%2&apos; ohne Lese- und Schreibrecht). Der Verwalter des Rechners muss den Zugriff freigeben.</source>
        <translation>No permission for %1 (group &apos;%2&apos; without read and write permission). The computer&apos;s administrator must grant access.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für %1 (Gruppe &apos;%2&apos;). %3 muss Mitglied der Gruppe &apos;%2&apos; werden: sudo usermod -aG %2 %3, dann neu anmelden.</source>
        <translation>No permission for %1 (group &apos;%2&apos;). %3 must become a member of the group &apos;%2&apos;: sudo usermod -aG %2 %3, then log in again.</translation>
    </message>
    <message>
        <source>BENUTZER</source>
        <translation>USER</translation>
    </message>
    <message>
        <source>Gerätedatei nicht vorhanden.</source>
        <translation>Device file not present.</translation>
    </message>
    <message>
        <source>Zugriff erlaubt.</source>
        <translation>Access allowed.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für %1.</source>
        <translation>No permission for %1.</translation>
    </message>
    <message>
        <source>von diesem Programm</source>
        <translation>by this program</translation>
    </message>
    <message>
        <source>von &apos;%1&apos;, Prozess %2</source>
        <translation>by &apos;%1&apos;, process %2</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>eingebaute Schnittstelle</source>
        <translation>built-in port</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>PortNames</name>
    <message>
        <source>Schnittstellennummer außerhalb 1 bis 16.</source>
        <translation>Port number outside 1 to 16.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Verbindung zur Schnittstelle unterbrochen.</source>
        <translation>Connection to the port interrupted.</translation>
    </message>
    <message>
        <source>Ungültige Schnittstellenparameter.</source>
        <translation>Invalid port settings.</translation>
    </message>
    <message>
        <source>Ungültige Netzwerkadresse &apos;%1&apos; (erwartet: tcp://RECHNER:PORT oder rfc2217://RECHNER:PORT).</source>
        <translation>Invalid network address &apos;%1&apos; (expected: tcp://HOST:PORT or rfc2217://HOST:PORT).</translation>
    </message>
    <message>
        <source>Schnittstelle wird bereits verwendet: %1 hat die Verbindung abgewiesen (%2).</source>
        <translation>Port already in use: %1 refused the connection (%2).</translation>
    </message>
    <message>
        <source>Keine Verbindung zu %1: %2.</source>
        <translation>No connection to %1: %2.</translation>
    </message>
    <message>
        <source>Schnittstelle wird bereits verwendet: %1 hat die Verbindung geschlossen.</source>
        <translation>Port already in use: %1 closed the connection.</translation>
    </message>
    <message>
        <source>%1 hat die Schnittstellenparameter %2 nicht bestätigt.</source>
        <translation>%1 did not confirm the port settings %2.</translation>
    </message>
    <message>
        <source>%1 bietet keine Schnittstelle nach RFC 2217 an (COM-PORT-OPTION abgelehnt).</source>
        <translation>%1 offers no port to RFC 2217 (COM-PORT-OPTION refused).</translation>
    </message>
    <message>
        <source>%1 hat die Schnittstellenparameter %2 nicht übernommen.</source>
        <translation>%1 did not accept the port settings %2.</translation>
    </message>
    <message>
        <source>Schnittstelle ist nicht geöffnet.</source>
        <translation>Port is not open.</translation>
    </message>
    <message>
        <source>Fehler %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>Schnittstelle nicht vorhanden.</source>
        <translation>Port not present.</translation>
    </message>
    <message>
        <source>Schnittstelle wird bereits verwendet.</source>
        <translation>Port already in use.</translation>
    </message>
    <message>
        <source>Schnittstellenparameter werden nicht unterstützt.</source>
        <translation>Port settings not supported.</translation>
    </message>
    <message>
        <source>Daten konnten nicht gesendet werden.</source>
        <translation>Data could not be sent.</translation>
    </message>
    <message>
        <source>Schnittstelle kann nicht geöffnet werden: %1</source>
        <translation>Port cannot be opened: %1</translation>
    </message>
    <message>
        <source>keine serielle Schnittstelle.</source>
        <translation>not a serial port.</translation>
    </message>
    <message>
        <source>Fehler %1.</source>
        <translation>Error %1.</translation>
    </message>
    <message>
        <source>%1 sendet über %2 Bytes, ohne die Schnittstellenparameter %3 zu bestätigen.</source>
        <translation>%1 sends over %2 bytes without confirming the port settings %3.</translation>
    </message>
    <message>
        <source>die Namensauflösung hat nicht rechtzeitig geantwortet</source>
        <translation>the name lookup did not answer in time</translation>
    </message>
    <message>
        <source>Schnittstelle wird bereits verwendet (%1).</source>
        <translation>Port already in use (%1).</translation>
    </message>
</context>
<context>
    <name>cFirmwareRW</name>
    <message>
        <source>Fehler in Funktion &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Error in function &apos;%1&apos;.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Die Schnittstelle ist belegt: eine andere Übertragung läuft.</source>
        <translation>The port is busy: another transfer is running.</translation>
    </message>
    <message>
        <source>Fehler in der Datei &apos;%1&apos;, %2</source>
        <translation>Error in the file &apos;%1&apos;, %2</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Datei &apos;%1&apos;. Datei nicht vorhanden oder keine Hex-Datei.</source>
        <translation>Error opening the file &apos;%1&apos;. File not present or not a hex file.</translation>
    </message>
    <message>
        <source>Datei &apos;%1&apos; geöffnet (%2 Bytes).</source>
        <translation>File &apos;%1&apos; opened (%2 bytes).</translation>
    </message>
    <message>
        <source>Daten werden geschrieben %1</source>
        <translation>Writing data %1</translation>
    </message>
    <message>
        <source>Daten erfolgreich geschrieben %1</source>
        <translation>Data written successfully %1</translation>
    </message>
    <message>
        <source>Daten mit Fehlern geschrieben %1</source>
        <translation>Data written with errors %1</translation>
    </message>
    <message>
        <source>Geräte-Reset durchführen.</source>
        <translation>Resetting the device.</translation>
    </message>
    <message>
        <source>Die Firmware im Gerät weicht von der Datei &apos;%1&apos; ab: Echofehler bei 1 Byte.</source>
        <translation>The firmware in the device differs from the file &apos;%1&apos;: echo error at 1 byte.</translation>
    </message>
    <message>
        <source>Die Firmware im Gerät weicht von der Datei &apos;%1&apos; ab: Echofehler bei %2 Bytes.</source>
        <translation>The firmware in the device differs from the file &apos;%1&apos;: echo errors at %2 bytes.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; enthält keine Daten.</source>
        <translation>The file &apos;%1&apos; contains no data.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; enthält Daten außerhalb des Flash-Speichers (0 bis %2).</source>
        <translation>The file &apos;%1&apos; contains data outside the flash memory (0 to %2).</translation>
    </message>
    <message>
        <source>Fehler beim Aufrufen des Bootloaders.</source>
        <translation>Error calling the boot loader.</translation>
    </message>
    <message>
        <source>Bootloader aufgerufen.</source>
        <translation>Boot loader called.</translation>
    </message>
    <message>
        <source>Kann Bootloader nicht identifizieren: &apos;%1&apos;</source>
        <translation>Cannot identify the boot loader: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Bootloader identifiziert: &apos;%1&apos;</source>
        <translation>Boot loader identified: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Fehler beim Flash schreiben auf Blockadresse %1</source>
        <translation>Error writing flash at block address %1</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben auf Blockadresse %1. Timeout oder Anzahl der erwarteten Zeichen nicht geliefert.</source>
        <translation>Error writing at block address %1. Timeout or expected number of characters not delivered.</translation>
    </message>
    <message>
        <source>Fehler beim Flash schreiben auf Blockadresse %1. Daten &lt;&gt; Echo</source>
        <translation>Error writing flash at block address %1. Data &lt;&gt; echo</translation>
    </message>
    <message>
        <source>Fehler beim Flash schreiben auf Blockadresse %1. Echo entspricht nicht der erwarteten Antwort.</source>
        <translation>Error writing flash at block address %1. Echo does not match the expected answer.</translation>
    </message>
    <message>
        <source>Fehler beim Flash schreiben auf Blockadresse %1. %2 Echofehler in Folge, Übertragung abgebrochen.</source>
        <translation>Error writing flash at block address %1. %2 echo errors in a row, transfer cancelled.</translation>
    </message>
    <message>
        <source>Die Firmware wird aus dem Gerät ausgelesen. Dieser Vorgang kann einige Zeit dauern.</source>
        <translation>Reading the firmware from the device. This may take some time.</translation>
    </message>
    <message>
        <source>Auslesen abgebrochen, die Datei &apos;%1&apos; wurde nicht gespeichert.</source>
        <translation>Reading cancelled, the file &apos;%1&apos; was not saved.</translation>
    </message>
    <message>
        <source>Fehler beim Flash lesen auf Adresse %1. Keine gültige Antwort vom Gerät, die Datei &apos;%2&apos; wurde nicht gespeichert.</source>
        <translation>Error reading flash at address %1. No valid answer from the device, the file &apos;%2&apos; was not saved.</translation>
    </message>
    <message>
        <source>Hex-Daten aufbereitet.</source>
        <translation>Hex data prepared.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht gespeichert werden.</source>
        <translation>The file &apos;%1&apos; could not be saved.</translation>
    </message>
    <message>
        <source>Hex-Daten in Datei &apos;%1&apos; gespeichert.</source>
        <translation>Hex data saved in file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Fehler bei Verbindungsaufnahme zum Gerät.</source>
        <translation>Error connecting to the device.</translation>
    </message>
    <message>
        <source>Unbekannter Gerätename &apos;%1&apos;.</source>
        <translation>Unknown device name &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Verbindung zum Gerät hergestellt: &apos;%1&apos;.</source>
        <translation>Connected to the device: &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>cHexFile</name>
    <message>
        <source>Adresse %1 liegt außerhalb des Speicherabbilds (0 bis %2).</source>
        <translation>Address %1 lies outside the memory image (0 to %2).</translation>
    </message>
    <message>
        <source>Nach dem Dateiende-Datensatz folgen weitere Zeilen.</source>
        <translation>More lines follow the end-of-file record.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
</context>
<context>
    <name>cHexRecord</name>
    <message>
        <source>Die Zeile ist zu kurz: %1 Zeichen erwartet, %2 vorhanden.</source>
        <translation>The line is too short: %1 characters expected, %2 present.</translation>
    </message>
    <message>
        <source>Die Zeile ist zu lang: %1 Zeichen erwartet, %2 vorhanden.</source>
        <translation>The line is too long: %1 characters expected, %2 present.</translation>
    </message>
    <message>
        <source>Die Zeile enthält ein Nullbyte an Position %1.</source>
        <translation>The line contains a null byte at position %1.</translation>
    </message>
    <message>
        <source>Das Zeichen mit dem Code %1 (hex) an Position %2 ist keine Hexadezimalziffer.</source>
        <translation>The character with the code %1 (hex) at position %2 is not a hexadecimal digit.</translation>
    </message>
    <message>
        <source>Das Zeichen &apos;%1&apos; an Position %2 ist keine Hexadezimalziffer.</source>
        <translation>The character &apos;%1&apos; at position %2 is not a hexadecimal digit.</translation>
    </message>
    <message>
        <source>Fehler in Funktion &apos;InitByString()&apos;. <byte value="xd"/>
%1</source>
        <translation>Error in function &apos;InitByString()&apos;. <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Die Zeile ist leer.</source>
        <translation>The line is empty.</translation>
    </message>
    <message>
        <source>Die Zeile beginnt nicht mit &apos;:&apos;.</source>
        <translation>The line does not begin with &apos;:&apos;.</translation>
    </message>
    <message>
        <source>Die Zeile enthält eine ungerade Anzahl Hexadezimalziffern (%1).</source>
        <translation>The line contains an odd number of hexadecimal digits (%1).</translation>
    </message>
    <message>
        <source>Die Prüfsumme ist falsch: %1 gelesen, %2 berechnet.</source>
        <translation>The checksum is wrong: %1 read, %2 calculated.</translation>
    </message>
    <message>
        <source>Datensatzlänge 0 ist nicht zulässig.</source>
        <translation>Record length 0 is not allowed.</translation>
    </message>
    <message>
        <source>Datenbyte %1 liegt außerhalb des Datensatzes (Länge %2).</source>
        <translation>Data byte %1 lies outside the record (length %2).</translation>
    </message>
</context>
<context>
    <name>cSerCom</name>
    <message>
        <source>%1-Adresse außerhalb 0 bis 65535.</source>
        <translation>%1 address outside 0 to 65535.</translation>
    </message>
    <message>
        <source>Ungültige Schnittstellennummer.</source>
        <translation>Invalid port number.</translation>
    </message>
    <message>
        <source>Schnittstelle bereits geöffnet.</source>
        <translation>Port already open.</translation>
    </message>
    <message>
        <source>Anschluß vorhanden.</source>
        <translation>Port available.</translation>
    </message>
</context>
<context>
    <name>nivosim</name>
    <message>
        <source>%1 kann nicht gelesen werden.</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>%1: ein EEPROM-Abbild hat genau 512 Bytes.</source>
        <translation>%1: an EEPROM image has exactly 512 bytes.</translation>
    </message>
    <message>
        <source>%1 kann nicht gespeichert werden: %2</source>
        <translation>%1 cannot be saved: %2</translation>
    </message>
    <message>
        <source>--garbage: eine gerade Anzahl Hex-Ziffern ist nötig.</source>
        <translation>--garbage: an even number of hex digits is needed.</translation>
    </message>
    <message>
        <source>--garbage: &apos;%1&apos; ist nicht hexadezimal.</source>
        <translation>--garbage: &apos;%1&apos; is not hexadecimal.</translation>
    </message>
    <message>
        <source>--link: %1 gibt es schon und ist kein Link eines früheren Laufs; nichts geändert.</source>
        <translation>--link: %1 already exists and is not a link of an earlier run; nothing changed.</translation>
    </message>
    <message>
        <source>Byte der Gerätevariante an EEPROM-Adresse 7</source>
        <translation>Byte of the device variant at EEPROM address 7</translation>
    </message>
    <message>
        <source>EEPROM-Abbild (512 Bytes) für den Start</source>
        <translation>EEPROM image (512 bytes) to start with</translation>
    </message>
    <message>
        <source>Das EEPROM-Abbild beim Beenden hier speichern</source>
        <translation>Save the EEPROM image here on exit</translation>
    </message>
    <message>
        <source>Kennung als Antwort auf &quot;I&quot;</source>
        <translation>Identifier as the answer to &quot;I&quot;</translation>
    </message>
    <message>
        <source>Auch über diesen symbolischen Link erreichbar</source>
        <translation>Also reachable through this symbolic link</translation>
    </message>
    <message>
        <source>Leitungszeit: 10 Bit je Byte bei dieser Baudrate</source>
        <translation>Line time: 10 bits per byte at this baud rate</translation>
    </message>
    <message>
        <source>Nichts antworten</source>
        <translation>Answer nothing</translation>
    </message>
    <message>
        <source>&quot;c&quot;/&quot;L&quot; ab dieser EEPROM-Adresse nicht beantworten</source>
        <translation>Leave &quot;c&quot;/&quot;L&quot; unanswered from this EEPROM address on</translation>
    </message>
    <message>
        <source>Echo von &quot;L&quot; an dieser EEPROM-Adresse invertiert, nichts speichern</source>
        <translation>Echo of &quot;L&quot; inverted at this EEPROM address, nothing stored</translation>
    </message>
    <message>
        <source>Echo des Bootloader-Datenbytes an dieser Flash-Adresse invertiert</source>
        <translation>Echo of the boot loader data byte inverted at this flash address</translation>
    </message>
    <message>
        <source>Diese Hex-Bytes statt jeder Antwort senden</source>
        <translation>Send these hex bytes instead of every answer</translation>
    </message>
    <message>
        <source>Jede Antwort um SEKUNDEN verzögern</source>
        <translation>Delay every answer by SECONDS</translation>
    </message>
    <message>
        <source>Ab dieser Antwort (1: der ersten) jeder Antwort ein Byte anhängen</source>
        <translation>From this answer on (1: the first) append a byte to every answer</translation>
    </message>
    <message>
        <source>Die Leitung nach so vielen empfangenen Bytes schließen</source>
        <translation>Close the line after this many received bytes</translation>
    </message>
    <message>
        <source>--save-eeprom: Ordner %1 gibt es nicht.</source>
        <translation>--save-eeprom: folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Simulierte Nivolantis K417 an einem Pseudo-Terminal</source>
        <translation>Simulated Nivolantis K417 on a pseudo-terminal</translation>
    </message>
    <message>
        <source>Leitung geschlossen (Fehler --hang-up-after).</source>
        <translation>Line closed (fault --hang-up-after).</translation>
    </message>
</context>
</TS>
