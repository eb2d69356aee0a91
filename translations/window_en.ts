<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>NivoConfig</name>
    <message>
        <source>Konfigurationsprogramm für Nivolantis K417</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM1 ist das eingebaute simulierte Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder jeder Seite in diesen Ordner schreiben und beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungsdatei statt der installierten und der eigenen NivoConfig.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEITEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Ziffern 1, 2, 3 zeigen die Service-Seiten 6, 7, 8; sonst eine Parameterdatei zum Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZIFFERN|DATEI</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageInOut</name>
    <message>
        <source>&amp;1 Ein/Ausgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eingangsmessbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anfang:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ende:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Störanfang:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Störende:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;usgangsstellbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bei Fehler:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skalierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einheit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommapos.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die mit * gekennzeichneten Eigenschaften sind nur bei Geräten mit voller Softwarefunktionalität wirksam.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageLabelling</name>
    <message>
        <source>&amp;5 Kennzeichnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Benutzerdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametriert am:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>durch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gerätekennzeichnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile 4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anlagenkennzeichen:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>&amp;2 Grenzwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwert &amp;A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwertfunktion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ob. Schaltpunkt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GW1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unt. Schaltpunkt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relais &amp;A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumpentausch*:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsart:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bei Fehler:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzögerung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwert &amp;B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GW2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relais &amp;B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumpentausch:*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwert &amp;C *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2,GW3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relais &amp;C *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwert &amp;D *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2,GW4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relais &amp;D *</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageLinearisation</name>
    <message>
        <source>&amp;3 Linearisierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art der &amp;Linearisierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Linearisierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelleneingabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rundtank, liegend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venturi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktueller Messbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stützpunkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An&amp;zahl der Stützpunkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktueller &amp;Punkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageMisc</name>
    <message>
        <source>&amp;4 Sonstiges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kontrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trend *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta steigend:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta fallend:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervall:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;imulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anfang:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ende:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schrittweite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitraster:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass&amp;wort ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwortabfrage aktivieren</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageService6</name>
    <message>
        <source>&amp;6 Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardwarevariante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Hardwarevariante wird im Fenster „Optionen“ gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbenutzt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur Rel. A/B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne P.t u. Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Komplett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schreib.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messwert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,2345</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internes EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0x0 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gerät Lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gerät Schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexfile &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageService7</name>
    <message>
        <source>&amp;7 Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abtasten</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageService8</name>
    <message>
        <source>&amp;8 Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware-Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmwaredatei ins Gerät übertragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware aus Gerät in Datei sichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beim Firmware-Update kann das Gerät auf den neuesten Softwarestand gebracht werden. Mit dem Kommando &quot;Firmwaredatei ins Gerät übertragen&quot; erscheint eine Dateibox, in der man eine Hex-Datei, die die Firmware enthält, auswählen kann. Die Datei wird anschließend ins Gerät übertragen. Achtung dieser Vorgang ist nicht umkehrbar und darf nicht unterbrochen werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>NivoConfig []</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anlagenkennzeichen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolleiste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standa&amp;rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speic&amp;hern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druc&amp;ken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schre&amp;iben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verbinden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inf&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Op&amp;tionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
