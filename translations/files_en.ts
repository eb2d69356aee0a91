<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>CommissioningRecord</name>
    <message>
        <source>Es gibt keinen Ordner für das Inbetriebnahmeprotokoll.</source>
        <translation>There is no folder for the commissioning record.</translation>
    </message>
</context>
<context>
    <name>ConfigurationReport</name>
    <message>
        <source>Parameter fehlerhaft.<byte value="xd"/>
Die Daten können nicht gedruckt werden.</source>
        <translation>Invalid parameters.<byte value="xd"/>
The data cannot be printed.</translation>
    </message>
    <message>
        <source>Konfigurationsdaten Nivolantis K417. %1</source>
        <translation>Configuration data Nivolantis K417. %1</translation>
    </message>
    <message>
        <source>Parameter erstellt durch: %1</source>
        <translation>Parameters created by: %1</translation>
    </message>
    <message>
        <source>am: %1</source>
        <translation>on: %1</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>Kein Dateiname angegeben. Die Parameter wurden nicht gespeichert.</source>
        <translation>No file name given. The parameters were not saved.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern der Datei &apos;%1&apos;: %2</source>
        <translation>Error saving the file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Datei &apos;%1&apos; ist nicht vorhanden</source>
        <translation>File &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; ist keine Parameterdatei: sie enthält keinen der Abschnitte %2.</source>
        <translation>The file &apos;%1&apos; is not a parameter file: it contains none of the sections %2.</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Datei &apos;%1&apos;.<byte value="xd"/>
%2</source>
        <translation>Error opening the file &apos;%1&apos;.<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QtReportPrinter</name>
    <message>
        <source>Kein Drucker eingerichtet.</source>
        <translation>No printer set up.</translation>
    </message>
    <message>
        <source>Konfigurationsdaten Nivolantis K417</source>
        <translation>Configuration data Nivolantis K417</translation>
    </message>
    <message>
        <source>Die PDF-Datei kann nicht geschrieben werden.</source>
        <translation>The PDF file cannot be written.</translation>
    </message>
    <message>
        <source>Der Drucker ist nicht bereit.</source>
        <translation>The printer is not ready.</translation>
    </message>
    <message>
        <source>Der Bericht konnte nicht ausgegeben werden.</source>
        <translation>The report could not be produced.</translation>
    </message>
    <message>
        <source>Die PDF-Datei kann nicht geschrieben werden. %1</source>
        <translation>The PDF file cannot be written. %1</translation>
    </message>
</context>
<context>
    <name>RecordWriter</name>
    <message>
        <source>Das Inbetriebnahmeprotokoll &apos;%1&apos; konnte nicht ergänzt werden. %2<byte value="xd"/>
Die Vorgänge am Gerät laufen trotzdem; dieser Hinweis erscheint bis zum Programmende nicht wieder.</source>
        <translation>The commissioning record &apos;%1&apos; could not be added to. %2<byte value="xd"/>
The device operations still run; this notice does not appear again until the program ends.</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Kein Ordner für die eigenen Einstellungen bekannt.</source>
        <translation>No folder known for your own settings.</translation>
    </message>
    <message>
        <source>Der Ordner für &apos;%1&apos; kann nicht angelegt werden.</source>
        <translation>The folder for &apos;%1&apos; cannot be created.</translation>
    </message>
    <message>
        <source>Sie enthält Binärdaten (ein Null-Byte).</source>
        <translation>It holds binary data (a null byte).</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei &apos;%1&apos; wird nicht gelesen. %2 Es gelten die übrigen Einstellungen.</source>
        <translation>The settings file &apos;%1&apos; is not read. %2 The other settings apply.</translation>
    </message>
    <message>
        <source>Der Wert ist %1 Bytes lang; die Einstellungsdatei nimmt höchstens %2 Bytes auf.</source>
        <translation>The value is %1 bytes long; the settings file takes at most %2 bytes.</translation>
    </message>
</context>
<context>
    <name>basMain</name>
    <message>
        <source>Fehler beim Programmstart in Modul &apos;basMain&apos;: <byte value="xd"/>
%1</source>
        <translation>Error at program start in module &apos;basMain&apos;: <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Suche Gerät...</source>
        <translation>Searching for device...</translation>
    </message>
</context>
<context>
    <name>cIniFile</name>
    <message>
        <source>Fehler beim Öffnen der Datei &apos;%1&apos;: %2</source>
        <translation>Error opening the file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Kein Dateiname angegeben.</source>
        <translation>No file name given.</translation>
    </message>
</context>
<context>
    <name>cNivolantis</name>
    <message>
        <source>Die Einstellungsdatei &apos;%1&apos; ist nicht vorhanden.</source>
        <translation>The settings file &apos;%1&apos; does not exist.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei &apos;%1&apos; enthält keine gültige Anzahl der Einheiten (&apos;%2&apos;).</source>
        <translation>The settings file &apos;%1&apos; does not contain a valid number of units (&apos;%2&apos;).</translation>
    </message>
    <message>
        <source>Anzeige nicht aktualisiert</source>
        <translation>display not updated</translation>
    </message>
    <message>
        <source>Die Anzeige konnte nicht aktualisiert werden:<byte value="xd"/>
%1</source>
        <translation>The display could not be updated:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Kein Ordner für den Mitschnitt bekannt.</source>
        <translation>No folder known for the trace.</translation>
    </message>
</context>
</TS>
