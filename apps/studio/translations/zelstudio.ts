<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AreaTexts</name>
    <message>
        <source>the shape &quot;%1&quot; is not one browsers know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a default area covers the whole picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coordinates &quot;%1&quot; are not plain numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a rectangle needs four coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a circle needs three coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a circle needs a radius above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a polygon needs at least three points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Render the window into FILE and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the HTML page and its picture beside it into FILE and exit (no display needed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the hotspots from the area list FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open FILE: a picture, or an HTML page with an image map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one file can be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bundled sample picture is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture or page to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the area list %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zel Studio: an image-map editor for web pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture or an HTML page to open (the bundled sample when absent).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the screenshot %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentTexts</name>
    <message>
        <source>cannot write the picture %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (line %2, %3 areas)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no map was chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture %1 cannot be shown: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture %1 is not a local file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotspotProperties</name>
    <message>
        <source>Link (href)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the hotspot leads: an address, a page beside this one, or #id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read out instead of the picture; every link needs one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tip a browser shows over the hotspot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the link opens: _self, _blank, _parent, _top, or a frame name (Other...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s title, and the picture&apos;s alt text on a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s date, written in its head for search engines and archives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture the hotspots lie on (%1 x %2 pixels).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map&apos;s name, which the picture&apos;s usemap refers to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotspots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many areas the map holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescale in browsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a script that fits the coordinates to the shown size of the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place in the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its position among the areas, from 1: where areas overlap, browsers pick the one that comes first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle, circle, polygon, or default (the whole picture).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1,y1,x2,y2 for a rectangle, x,y,r for a circle, x1,y1,x2,y2,... for a polygon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An attribute of the area tag, written back as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type name=value to add an attribute to the tag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour on the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the studio paints this hotspot; not written to the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A locked hotspot cannot be moved or resized with the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapProblems</name>
    <message>
        <source>The map is empty: it has no hotspot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A link needs an alt text for people who cannot see the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alt text is for links; this area has no href.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A default area covers what no other area holds; it is kept but not shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept, but not shown: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlaps &quot;%1&quot;, which comes first in the page, so a browser picks that one where the two meet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageReaderTexts</name>
    <message>
        <source>the file holds binary data (a NUL byte); it is not an HTML page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page holds no image map (no &lt;map&gt; element)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &lt;area&gt; tags are in no &lt;map&gt; element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: an &lt;area&gt; outside any map is kept as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: kept and written back, not shown: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudioWindow</name>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page holds several maps. Which one do you want to edit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New from Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Area List…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Area List…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rescale Areas in Browsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Page &amp;Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;olygon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;otate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Zel Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zel Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Zel Studio&lt;/h3&gt;&lt;p&gt;An image-map editor for web pages: draw hotspots over a picture, give them their links, try them, and save the page.&lt;/p&gt;&lt;p&gt;Zonecraft %1 (image-map editor), Tabulon %1 (property list), Glyphon %1 (code box), on Qt %2.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Area List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages and pictures (%1);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Map on a Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML pages (*.html *.htm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Area List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area lists (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some lines of %1 were not read:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Area List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area lists (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame or window the link opens in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to a File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map keeps the name the page gives it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescale Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Areas Unscaled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move in the Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock Hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not name=value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut Hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview: point at a hotspot to see its tip, click it to see where it leads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leads nowhere: it has no href.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would open %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 x %3 pixels, %n hotspot(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Move Hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw Hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Hotspots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to &amp;Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
