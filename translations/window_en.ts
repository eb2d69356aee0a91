<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>EditHistory</name>
    <message>
        <source>Eingabe</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>1 weiterer Wert wurde angepasst (Rückgängig: Strg+Z).</source>
        <translation>1 more value was adjusted (undo: Ctrl+Z).</translation>
    </message>
    <message>
        <source>%1 weitere Werte wurden angepasst (Rückgängig: Strg+Z).</source>
        <translation>%1 more values were adjusted (undo: Ctrl+Z).</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>NivoConfig</name>
    <message>
        <source>Konfigurationsprogramm für Nivolantis K417</source>
        <translation>Configuration program for Nivolantis K417</translation>
    </message>
    <message>
        <source>COM1 ist das eingebaute simulierte Gerät</source>
        <translation>COM1 is the built-in simulated device</translation>
    </message>
    <message>
        <source>Bilder jeder Seite in diesen Ordner schreiben und beenden</source>
        <translation>Write pictures of every page into this folder and exit</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Einstellungsdatei statt der installierten und der eigenen NivoConfig.ini</source>
        <translation>Settings file instead of the installed and the user&apos;s own NivoConfig.ini</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>SEITEN</source>
        <translation>PAGES</translation>
    </message>
    <message>
        <source>ZIFFERN|DATEI</source>
        <translation>DIGITS|FILE</translation>
    </message>
    <message>
        <source>Eine vorhandene Parameterdatei wird geöffnet; in jedem anderen Argument zeigen die Ziffern 1, 2, 3 die Service-Seiten 6, 7, 8</source>
        <translation>An existing parameter file is opened; in any other argument the digits 1, 2, 3 show the service pages 6, 7, 8</translation>
    </message>
</context>
<context>
    <name>PageInOut</name>
    <message>
        <source>&amp;1 Ein/Ausgang</source>
        <translation>&amp;1 Input/output</translation>
    </message>
    <message>
        <source>&amp;Eingangsmessbereich</source>
        <translation>Input &amp;measuring range</translation>
    </message>
    <message>
        <source>Anfang:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Ende:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Störanfang:</source>
        <translation>Fault start:</translation>
    </message>
    <message>
        <source>Störende:</source>
        <translation>Fault end:</translation>
    </message>
    <message>
        <source>A&amp;usgangsstellbereich</source>
        <translation>Output &amp;range</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Bei Fehler:</source>
        <translation>On fault:</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Wert:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>&amp;Skalierung</source>
        <translation>S&amp;caling</translation>
    </message>
    <message>
        <source>Einheit:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Kommapos.:</source>
        <translation>Decimal places:</translation>
    </message>
    <message>
        <source>Die mit * gekennzeichneten Eigenschaften sind nur bei Geräten mit voller Softwarefunktionalität wirksam.</source>
        <translation>The properties marked with * only take effect on devices with full software functionality.</translation>
    </message>
</context>
<context>
    <name>PageLabelling</name>
    <message>
        <source>&amp;5 Kennzeichnung</source>
        <translation>&amp;5 Labelling</translation>
    </message>
    <message>
        <source>&amp;Benutzerdaten</source>
        <translation>Us&amp;er data</translation>
    </message>
    <message>
        <source>Parametriert am:</source>
        <translation>Configured on:</translation>
    </message>
    <message>
        <source>durch:</source>
        <translation>by:</translation>
    </message>
    <message>
        <source>&amp;Gerätekennzeichnung</source>
        <translation>De&amp;vice labelling</translation>
    </message>
    <message>
        <source>Zeile 1:</source>
        <translation>Line 1:</translation>
    </message>
    <message>
        <source>Zeile 2:</source>
        <translation>Line 2:</translation>
    </message>
    <message>
        <source>Zeile 3:</source>
        <translation>Line 3:</translation>
    </message>
    <message>
        <source>Zeile 4:</source>
        <translation>Line 4:</translation>
    </message>
    <message>
        <source>Anlagenkennzeichen:</source>
        <translation>Plant identifier:</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>&amp;2 Grenzwerte</source>
        <translation>&amp;2 Limits</translation>
    </message>
    <message>
        <source>Grenzwert &amp;A</source>
        <translation>Limit &amp;A</translation>
    </message>
    <message>
        <source>Grenzwertfunktion:</source>
        <translation>Limit function:</translation>
    </message>
    <message>
        <source>ob. Schaltpunkt:</source>
        <translation>Upper switch point:</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>unt. Schaltpunkt:</source>
        <translation>Lower switch point:</translation>
    </message>
    <message>
        <source>Pumpentausch*:</source>
        <translation>Pump alternation*:</translation>
    </message>
    <message>
        <source>Betriebsart:</source>
        <translation>Relay function:</translation>
    </message>
    <message>
        <source>Bei Fehler:</source>
        <translation>On fault:</translation>
    </message>
    <message>
        <source>Verzögerung:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Grenzwert &amp;B</source>
        <translation>Limit &amp;B</translation>
    </message>
    <message>
        <source>Pumpentausch:*</source>
        <translation>Pump alternation*:</translation>
    </message>
    <message>
        <source>Grenzwert &amp;C *</source>
        <translation>Limit &amp;C *</translation>
    </message>
    <message>
        <source>Grenzwert &amp;D *</source>
        <translation>Li&amp;mit D *</translation>
    </message>
    <message>
        <source>Relais A</source>
        <translation>&amp;Relay A</translation>
    </message>
    <message>
        <source>Relais B</source>
        <translation>R&amp;elay B</translation>
    </message>
    <message>
        <source>Relais C *</source>
        <translation>Re&amp;lay C *</translation>
    </message>
    <message>
        <source>Relais D *</source>
        <translation>Rela&amp;y D *</translation>
    </message>
</context>
<context>
    <name>PageLinearisation</name>
    <message>
        <source>&amp;3 Linearisierung</source>
        <translation>&amp;3 Linearisation</translation>
    </message>
    <message>
        <source>Art der &amp;Linearisierung</source>
        <translation>Type of &amp;linearisation</translation>
    </message>
    <message>
        <source>Keine Linearisierung</source>
        <translation>No linearisation</translation>
    </message>
    <message>
        <source>Tabelleneingabe</source>
        <translation>Table input</translation>
    </message>
    <message>
        <source>Rundtank, liegend</source>
        <translation>Round tank, horizontal</translation>
    </message>
    <message>
        <source>Venturi</source>
        <translation>Venturi</translation>
    </message>
    <message>
        <source>Aktueller Messbereich</source>
        <translation>Current measuring range</translation>
    </message>
    <message>
        <source>Stützpunkte</source>
        <translation>Support points</translation>
    </message>
    <message>
        <source>An&amp;zahl der Stützpunkte</source>
        <translation>Num&amp;ber of support points</translation>
    </message>
    <message>
        <source>Aktueller &amp;Punkt</source>
        <translation>&amp;Current point</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
</context>
<context>
    <name>PageMisc</name>
    <message>
        <source>&amp;4 Sonstiges</source>
        <translation>&amp;4 Miscellaneous</translation>
    </message>
    <message>
        <source>&amp;Kontrast</source>
        <translation>&amp;Contrast</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>&amp;Trend *</source>
        <translation>T&amp;rend *</translation>
    </message>
    <message>
        <source>Delta steigend:</source>
        <translation>Delta rising:</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Delta fallend:</source>
        <translation>Delta falling:</translation>
    </message>
    <message>
        <source>Intervall:</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>S&amp;imulation</source>
        <translation>Si&amp;mulation</translation>
    </message>
    <message>
        <source>Anfang:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Ende:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Schrittweite:</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source>Zeitraster:</source>
        <translation>Time step:</translation>
    </message>
    <message>
        <source>Modus:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Pass&amp;wort ändern</source>
        <translation>C&amp;hange password</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Passwortabfrage aktivieren</source>
        <translation>Ask for the password</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>Es ist kein Drucker eingerichtet.
Soll der Bericht als PDF-Datei gespeichert werden?</source>
        <translation>No printer is set up.
Save the report as a PDF file?</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Bericht als PDF-Datei speichern</source>
        <translation>Save report as PDF file</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Screenshots</name>
    <message>
        <source>%1 konnte nicht geschrieben werden.</source>
        <translation>%1 could not be written.</translation>
    </message>
</context>
<context>
    <name>SupportPointEditor</name>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Die Tabelle braucht %1 Stützpunkte; eingestellt sind %2.</source>
        <translation>The table needs %1 support points; %2 are set.</translation>
    </message>
    <message>
        <source>Tabelle einfügen</source>
        <translation>Paste table</translation>
    </message>
</context>
<context>
    <name>ToolbarCommands</name>
    <message>
        <source>Parameterdateien (*.par)</source>
        <translation>Parameter files (*.par)</translation>
    </message>
    <message>
        <source>Parameterdatei öffnen</source>
        <translation>Open parameter file</translation>
    </message>
    <message>
        <source>Parameter fehlerhaft.<byte value="xd"/>
Die Daten können nicht gespeichert werden.</source>
        <translation>Invalid parameters.<byte value="xd"/>
The data cannot be saved.</translation>
    </message>
    <message>
        <source>Parameterdatei speichern</source>
        <translation>Save parameter file</translation>
    </message>
    <message>
        <source>Änderungen speichern?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Suche Gerät...</source>
        <translation>Searching for device...</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Mit dem Gerät vergleichen?<byte value="xd"/>
Ja: das Gerät wird gelesen; die Werte im Fenster bleiben.<byte value="xd"/>
Nein: mit einer Parameterdatei vergleichen.</source>
        <translation>Compare with the device?<byte value="xd"/>
Yes: the device is read; the values in the window stay.<byte value="xd"/>
No: compare with a parameter file.</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Mit Parameterdatei vergleichen</source>
        <translation>Compare with parameter file</translation>
    </message>
    <message>
        <source>Keine Unterschiede: Die Werte im Fenster und im Gerät sind gleich.</source>
        <translation>No differences: the values in the window and in the device are the same.</translation>
    </message>
    <message>
        <source>Keine Unterschiede: Die Werte im Fenster und in der Datei sind gleich.</source>
        <translation>No differences: the values in the window and in the file are the same.</translation>
    </message>
    <message>
        <source>Gerät: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Verschiedene Werte: Fenster → Gerät (%1). Die Felder sind gestrichelt umrahmt.</source>
        <translation>Differing values: window → device (%1). Their fields have a dashed frame.</translation>
    </message>
    <message>
        <source>Verschiedene Werte: Fenster → Datei (%1). Die Felder sind gestrichelt umrahmt.</source>
        <translation>Differing values: window → file (%1). Their fields have a dashed frame.</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Anlagenkennzeichen:</source>
        <translation>Plant identifier:</translation>
    </message>
    <message>
        <source>Symbolleiste</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>E&amp;nde</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Standa&amp;rd</source>
        <translation>Defa&amp;ults</translation>
    </message>
    <message>
        <source>&amp;Öffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Speic&amp;hern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Rea&amp;d</translation>
    </message>
    <message>
        <source>&amp;Verbinden</source>
        <translation>Co&amp;nnect</translation>
    </message>
    <message>
        <source>Inf&amp;o</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Op&amp;tions</translation>
    </message>
    <message>
        <source>Anmerkung:
Die Daten zur Gerätekennzeichnung dienen nur zur Information.
Sie werden nicht im Gerät gespeichert, sondern nur in der Parameterdatei.</source>
        <translation>Note:
The device labelling data are for information only.
They are not stored in the device, only in the parameter file.</translation>
    </message>
    <message>
        <source>Ständig Ein</source>
        <translation>Always on</translation>
    </message>
    <message>
        <source>Arbeitstrom</source>
        <translation>Energised on alarm</translation>
    </message>
    <message>
        <source>Keine Verbindung</source>
        <translation>No connection</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>X: %1..%2 mA
entspricht
Y: %3 %4</source>
        <translation>X: %1..%2 mA
corresponds to
Y: %3 %4</translation>
    </message>
    <message>
        <source>Skalenbereich: %1 %2</source>
        <translation>Scale range: %1 %2</translation>
    </message>
    <message>
        <source>Suche Gerät...</source>
        <translation>Searching for device...</translation>
    </message>
    <message>
        <source>Vergleichen &amp;mit …</source>
        <translation>Compare a&amp;gainst …</translation>
    </message>
</context>
</TS>
