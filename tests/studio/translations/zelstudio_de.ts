<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few German texts, so a test can see a loaded translation reach the window. -->
<TS version="2.1" language="de">
<context>
    <name>StudioWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>HotspotProperties</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Open FILE: a picture, or an HTML page with an image map.</source>
        <translation>FILE öffnen: ein Bild oder eine HTML-Seite mit einer Imagemap.</translation>
    </message>
    <message>
        <source>only one file can be opened</source>
        <translation>nur eine Datei kann geöffnet werden</translation>
    </message>
</context>
<context>
    <name>AreaTexts</name>
    <message>
        <source>a circle needs a radius above 0</source>
        <translation>ein Kreis braucht einen Radius über 0</translation>
    </message>
</context>
</TS>
