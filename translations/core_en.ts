<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>Catalogue</name>
    <message>
        <source>Sondenstörung</source>
        <translation>Probe fault</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Stellbereich</source>
        <translation>Output range</translation>
    </message>
    <message>
        <source>Fehlerwert</source>
        <translation>Fault value</translation>
    </message>
    <message>
        <source>Relaisfunktion %1</source>
        <translation>Relay function %1</translation>
    </message>
    <message>
        <source>Unterer Grenzwert %1</source>
        <translation>Lower switch point %1</translation>
    </message>
    <message>
        <source>Oberer Grenzwert %1</source>
        <translation>Upper switch point %1</translation>
    </message>
    <message>
        <source>Verzögerung %1</source>
        <translation>Delay %1</translation>
    </message>
    <message>
        <source>BeiFehler %1</source>
        <translation>On fault %1</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>PasswortAktiv</source>
        <translation>Password active</translation>
    </message>
    <message>
        <source>Trendintervall</source>
        <translation>Trend interval</translation>
    </message>
    <message>
        <source>Simulationszeitraster</source>
        <translation>Simulation time step</translation>
    </message>
    <message>
        <source>Simulationsmodus</source>
        <translation>Simulation mode</translation>
    </message>
    <message>
        <source>Grenzwert%1</source>
        <translation>Limit %1</translation>
    </message>
    <message>
        <source>Grenzwertfunktion %1</source>
        <translation>Limit function %1</translation>
    </message>
    <message>
        <source>Pumpentausch %1</source>
        <translation>Pump alternation %1</translation>
    </message>
    <message>
        <source>Eingang</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Grenzwerte</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Linearisierung</source>
        <translation>Linearisation</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation>Measuring range</translation>
    </message>
    <message>
        <source>Skalierung</source>
        <translation>Scaling</translation>
    </message>
    <message>
        <source>Skaleneinheit</source>
        <translation>Scale unit</translation>
    </message>
    <message>
        <source>Skalenkomma</source>
        <translation>Decimal places</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Stützpunkte</source>
        <translation>Support points</translation>
    </message>
    <message>
        <source>TrendSteigend</source>
        <translation>Trend rising</translation>
    </message>
    <message>
        <source>TrendFallend</source>
        <translation>Trend falling</translation>
    </message>
    <message>
        <source>Simulationsbereich</source>
        <translation>Simulation range</translation>
    </message>
    <message>
        <source>Simulationsschrittweite</source>
        <translation>Simulation step</translation>
    </message>
    <message>
        <source>Gerätebeschreibung</source>
        <translation>Device description</translation>
    </message>
    <message>
        <source>Anlagenkennzeichen</source>
        <translation>Plant identifier</translation>
    </message>
    <message>
        <source>%1.Anfang</source>
        <translation>%1 start</translation>
    </message>
    <message>
        <source>%1.Ende</source>
        <translation>%1 end</translation>
    </message>
    <message>
        <source>Zeile%1</source>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>Choice</name>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Keine Bearbeitung</source>
        <translation>No function</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Pumpentausch*</source>
        <translation>Pump alternation*</translation>
    </message>
    <message>
        <source>Trend steigend</source>
        <translation>Trend rising</translation>
    </message>
    <message>
        <source>Trend fallend</source>
        <translation>Trend falling</translation>
    </message>
    <message>
        <source>Arbeitsstrom</source>
        <translation>Energised on alarm</translation>
    </message>
    <message>
        <source>Ruhestrom</source>
        <translation>De-energised on alarm</translation>
    </message>
    <message>
        <source>Relais aus</source>
        <translation>Relay off</translation>
    </message>
    <message>
        <source>Relais ein</source>
        <translation>Relay on</translation>
    </message>
    <message>
        <source>Keine Linearisierung</source>
        <translation>No linearisation</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Venturi</source>
        <translation>Venturi</translation>
    </message>
    <message>
        <source>Rundtank</source>
        <translation>Round tank</translation>
    </message>
    <message>
        <source>Passwortabfrage nicht aktivieren</source>
        <translation>Do not ask for the password</translation>
    </message>
    <message>
        <source>Passwortabfrage aktivieren</source>
        <translation>Ask for the password</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Ständig ein</source>
        <translation>Always on</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>unbekannter Parameter &apos;%1&apos;</source>
        <translation>unknown parameter &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Eingabe- und Bereichsfehler</source>
        <translation>Input and range errors</translation>
    </message>
</context>
<context>
    <name>ConsoleMessageService</name>
    <message>
        <source>-&gt; Abbrechen</source>
        <translation>-&gt; Cancel</translation>
    </message>
    <message>
        <source>-&gt; Nein</source>
        <translation>-&gt; No</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Pfad oder Datei nicht gefunden.</source>
        <translation>Path or file not found.</translation>
    </message>
    <message>
        <source>Zugriff verweigert.</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>Der Name bezeichnet einen Ordner.</source>
        <translation>The name is a folder.</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Ordner.</source>
        <translation>Part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is write-protected.</translation>
    </message>
    <message>
        <source>Kein Speicherplatz mehr auf dem Datenträger.</source>
        <translation>No space left on the disk.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Die Datei wird bereits verwendet.</source>
        <translation>The file is already in use.</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler.</source>
        <translation>Input/output error.</translation>
    </message>
</context>
<context>
    <name>FileContent</name>
    <message>
        <source>Der Name bezeichnet keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe.</source>
        <translation>The name is not an ordinary file but a device or a pipe.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als 16 MiB.</source>
        <translation>The file is larger than 16 MiB.</translation>
    </message>
    <message>
        <source>Die Datei ist schreibgeschützt.</source>
        <translation>The file is write-protected.</translation>
    </message>
    <message>
        <source>%1 Die bisherige Datei ist unverändert.</source>
        <translation>%1 The previous file is unchanged.</translation>
    </message>
    <message>
        <source>%1 Die Datei ist möglicherweise unvollständig.</source>
        <translation>%1 The file may be incomplete.</translation>
    </message>
    <message>
        <source>Der Name ist ein symbolischer Link; ihm wird nicht gefolgt, die Datei bleibt unverändert.</source>
        <translation>The name is a symbolic link; it is not followed, the file stays unchanged.</translation>
    </message>
    <message>
        <source>Die Datei gehört einem anderen Benutzer und wird nicht ergänzt.</source>
        <translation>The file belongs to another user and is not appended to.</translation>
    </message>
    <message>
        <source>Im Ordner &apos;%1&apos; fehlt das Recht zu schreiben.</source>
        <translation>There is no permission to write in the folder &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>HardwareVariants</name>
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
        <source>Variante %1</source>
        <translation>Variant %1</translation>
    </message>
</context>
<context>
    <name>IntegerConversion</name>
    <message>
        <source>Überlauf</source>
        <translation>Overflow</translation>
    </message>
</context>
<context>
    <name>MessageService</name>
    <message>
        <source>… und %1 weitere</source>
        <translation>… and %1 more</translation>
    </message>
</context>
<context>
    <name>Notifiable</name>
    <message>
        <source>Änderung nicht weitergegeben</source>
        <translation>Change not passed on</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Kein Drucker eingerichtet.</source>
        <translation>No printer set up.</translation>
    </message>
</context>
<context>
    <name>UnexpectedError</name>
    <message>
        <source>NivoConfig: %1: %2</source>
        <translation>NivoConfig: %1: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>cParameter</name>
    <message>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; ausserhalb %3..%4</source>
        <translation>%1 &apos;%2&apos; outside %3..%4</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; nicht numerisch.</source>
        <translation>%1 &apos;%2&apos; is not a number.</translation>
    </message>
</context>
<context>
    <name>cRange</name>
    <message>
        <source>%1 &gt; %2.</source>
        <translation>%1 &gt; %2.</translation>
    </message>
    <message>
        <source>Bitte den Anfangs- oder den Endwert korrigieren.</source>
        <translation>Please correct the start or the end value.</translation>
    </message>
    <message>
        <source>Bereichsfehler</source>
        <translation>Range error</translation>
    </message>
</context>
</TS>
