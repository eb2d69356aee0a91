<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>frmOptionen</name>
    <message>
        <source>NivoConfig-Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätetyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivolantis Gerätevariante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Software und Hardwarefunktionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingeschränkte Softwarefunktionen (keine Trendbearbeitung, kein Pumpentausch). Alle Hardwarefunktionen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingeschränkte Softwarefunktionen (keine Trendbearbeitung, kein Pumpentausch). Eingeschränkte Hardwarefunktionen (Nur 2 Relais).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus Gerät lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Produkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unternehmen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
