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
        <translation>Lower limit %1</translation>
    </message>
    <message>
        <source>Oberer Grenzwert %1</source>
        <translation>Upper limit %1</translation>
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
        <translation>Limits %1</translation>
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
</TS>
