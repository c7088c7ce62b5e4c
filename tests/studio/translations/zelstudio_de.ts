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
</TS>
