<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>Catalogue</name>
    <message>
        <source>Sondenstörung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stellbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerwert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relaisfunktion %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unterer Grenzwert %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oberer Grenzwert %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzögerung %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BeiFehler %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PasswortAktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trendintervall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulationszeitraster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulationsmodus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwert%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwertfunktion %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumpentausch %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linearisierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skalierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skaleneinheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skalenkomma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stützpunkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TrendSteigend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TrendFallend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulationsbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulationsschrittweite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätebeschreibung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anlagenkennzeichen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.Anfang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.Ende</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Choice</name>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Bearbeitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pumpentausch*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend steigend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend fallend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbeitsstrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruhestrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relais aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relais ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Linearisierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venturi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rundtank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwortabfrage nicht aktivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwortabfrage aktivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ständig ein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
