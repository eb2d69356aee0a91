<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>ProgramCli</name>
    <message>
        <source>Hilfe: %1 --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Hilfe zeigen und beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Version zeigen und beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache der Texte: de oder en (ohne: die Sprache der Sitzung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPRACHE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
