<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Planformix</source>
            <translation>Über Planformix</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Show the history of changes between versions&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Zeigt die Änderungen zwischen den Versionen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Planformix</source>
            <translation>Planformix</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href="https://planformix.example.org/"&gt;&lt;span style=" font-weight:600;"&gt;Planformix&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;[version]&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Copyright © 2024-2026 the Planformix developers. All rights reserved.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Copyright © 2024-2026 die Entwickler von Planformix. Alle Rechte vorbehalten.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>The program is provided AS IS, with NO WARRANTY OF ANY KIND, INCLUDING THE WARRANTY OF DESIGN, MERCHANTABILITY AND FITNESS FOR A PARTICULAR PURPOSE</source>
            <translation>Das Programm wird OHNE MÄNGELGEWÄHR und OHNE JEGLICHE GARANTIE bereitgestellt, AUCH OHNE GEWÄHR FÜR KONSTRUKTION, MARKTGÄNGIGKEIT UND EIGNUNG FÜR EINEN BESTIMMTEN ZWECK</translation>
        </message>
        <message>
            <source>Change History</source>
            <translation>Änderungen</translation>
        </message>
        <message>
            <source>Licences</source>
            <translation>Lizenzen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Airfoil data obtained with permission of the author from the site &lt;a href="https://airfoils.example.org/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;Airfoil Coordinates Database&lt;/span&gt;&lt;/a&gt;. The data on that site is, for the most part, obtained from the &lt;a href="https://aero.example.edu/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;Applied Aerodynamics Group of the university&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Profildaten stammen mit freundlicher Genehmigung des Autors von der Seite &lt;a href="https://airfoils.example.org/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;Airfoil Coordinates Database&lt;/span&gt;&lt;/a&gt;. Die Daten dieser Seite stammen größtenteils von der &lt;a href="https://aero.example.edu/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;Arbeitsgruppe für angewandte Aerodynamik der Universität&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The Planformix application is implemented using the &lt;a href="https://www.qt.io/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;QT application framework&lt;/span&gt;&lt;/a&gt;, licensed under the &lt;a href="https://www.gnu.org/licenses/lgpl-3.0.html"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;GNU Lesser General Public License (LGPL)&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Planformix ist mit dem &lt;a href="https://www.qt.io/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;QT-Anwendungsframework&lt;/span&gt;&lt;/a&gt; umgesetzt, lizenziert unter der &lt;a href="https://www.gnu.org/licenses/lgpl-3.0.html"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;GNU Lesser General Public License (LGPL)&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Icons used in Planformix are provided as &lt;span style=" font-style:italic;"&gt;public domain&lt;/span&gt; by the &lt;a href="https://icons.example.org/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;Open Desktop Icon Project&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Symbole in Planformix stellt das &lt;a href="https://icons.example.org/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;Open Desktop Icon Project&lt;/span&gt;&lt;/a&gt; als &lt;span style=" font-style:italic;"&gt;gemeinfrei&lt;/span&gt; zur Verfügung.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Change history not found: </source>
            <translation>Änderungsliste nicht gefunden: </translation>
        </message>
    </context>
    <context>
        <name>AirfoilImportDialog</name>
        <message>
            <source>Airfoil Import / Modification</source>
            <translation>Profil importieren / anpassen</translation>
        </message>
        <message>
            <source>Target Airfoil Data</source>
            <translation>Zieldaten des Profils</translation>
        </message>
        <message>
            <source>Imported file name:</source>
            <translation>Name der importierten Datei:</translation>
        </message>
        <message>
            <source>Imported airfoil name:</source>
            <translation>Name des importierten Profils:</translation>
        </message>
        <message>
            <source>Adaptation Data</source>
            <translation>Anpassung</translation>
        </message>
        <message>
            <source>Scale (thickness):</source>
            <translation>Skalierung (Dicke):</translation>
        </message>
        <message>
            <source>Import failed</source>
            <translation>Import fehlgeschlagen</translation>
        </message>
        <message>
            <source>Writing the file %1 failed: %2</source>
            <translation>Schreiben der Datei %1 fehlgeschlagen: %2</translation>
        </message>
    </context>
    <context>
        <name>CADWidgetRibView</name>
        <message>
            <source>Please select a rib in the ribs table</source>
            <translation>Bitte eine Rippe in der Rippentabelle auswählen</translation>
        </message>
    </context>
    <context>
        <name>CombListTableModel</name>
        <message>
            <source>Error in combs table</source>
            <translation>Fehler in der Tabelle der Rippenkämme</translation>
        </message>
        <message>
            <source>Comb #</source>
            <translation>Kamm Nr.</translation>
        </message>
        <message>
            <source>The first rib must be at least 1
</source>
            <translation>Die erste Rippe muss mindestens 1 sein
</translation>
        </message>
        <message>
            <source>The first rib is larger than the number of ribs
</source>
            <translation>Die erste Rippe ist größer als die Anzahl der Rippen
</translation>
        </message>
        <message>
            <source>The last rib is larger than the number of ribs
</source>
            <translation>Die letzte Rippe ist größer als die Anzahl der Rippen
</translation>
        </message>
        <message>
            <source>The first rib is larger than or equal to the last rib
</source>
            <translation>Die erste Rippe ist größer als die letzte Rippe oder gleich
</translation>
        </message>
        <message>
            <source>Rib comb </source>
            <translation>Rippenkamm </translation>
        </message>
    </context>
    <context>
        <name>DXFExportDialog</name>
        <message>
            <source>Export to DXF</source>
            <translation>Als DXF exportieren</translation>
        </message>
        <message>
            <source>Output file</source>
            <translation>Ausgabedatei</translation>
        </message>
        <message>
            <source>Output file:</source>
            <translation>Ausgabedatei:</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>DXF Settings</source>
            <translation>DXF-Einstellungen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Building Tabs&lt;/span&gt;&lt;/p&gt;&lt;p&gt;The specification of the location and dimension of building tabs can be done for each panel separately in the corresponding panel dialog.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Helling-Füßchen&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Lage und Größe der Helling-Füßchen werden für jedes Segment einzeln in dessen Segment-Dialog festgelegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Draw a box around ribs (on own layer)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Einen Rahmen um die Rippen zeichnen (auf eigener Ebene)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Boxes around ribs</source>
            <translation>Rahmen um Rippen</translation>
        </message>
    </context>
    <context>
        <name>FileManager</name>
        <message>
            <source>Save file as...</source>
            <translation>Datei speichern unter...</translation>
        </message>
        <message>
            <source>Save file</source>
            <translation>Datei speichern</translation>
        </message>
        <message>
            <source>The file '%1' already exists.
Do you want to replace it?</source>
            <translation>Die Datei '%1' existiert bereits.
Soll sie ersetzt werden?</translation>
        </message>
        <message>
            <source>Unsaved changes detected</source>
            <translation>Ungespeicherte Änderungen</translation>
        </message>
        <message>
            <source>&lt;p align='center'&gt;Document contains unsaved changes.&lt;br&gt;Do you really want to close the document and lose your work?&lt;/p&gt;</source>
            <translation>&lt;p align='center'&gt;Das Dokument enthält ungespeicherte Änderungen.&lt;br&gt;Wollen Sie das Dokument wirklich schließen und Ihre Arbeit verwerfen?&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&amp;Yes, do it!</source>
            <translation>&amp;Ja, schließen!</translation>
        </message>
        <message>
            <source>&amp;No, save first!</source>
            <translation>&amp;Nein, erst speichern!</translation>
        </message>
        <message>
            <source>Open file</source>
            <translation>Datei öffnen</translation>
        </message>
        <message>
            <source>Error loading file</source>
            <translation>Fehler beim Laden</translation>
        </message>
        <message>
            <source>Error loading file '%1'</source>
            <translation>Fehler beim Laden der Datei '%1'</translation>
        </message>
    </context>
    <context>
        <name>LengthCalculator</name>
        <message>
            <source>Panel length calculator</source>
            <translation>Segmentlängen-Rechner</translation>
        </message>
        <message>
            <source>Rib data</source>
            <translation>Rippendaten</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align="justify"&gt;In this dialog, you can enter the desired rib data. After filling in&lt;br/&gt;these fields and pressing the OK button, the calculated data&lt;br/&gt;shall be entered into appropriate fields in the main dialog.&lt;/p&gt;&lt;p&gt;Please note, that you will still need to press the &lt;span style=" font-style:italic;"&gt;Generate Ribs&lt;br/&gt;&lt;/span&gt;button on the &lt;span style=" font-style:italic;"&gt;Ribs &lt;/span&gt;page by yourself - just entering the data here&lt;br/&gt;does not automatically create the ribs!&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align="justify"&gt;In diesem Dialog geben Sie die gewünschten Rippendaten ein. Nach dem Ausfüllen&lt;br/&gt;der Felder und einem Klick auf OK werden die berechneten Werte&lt;br/&gt;in die passenden Felder des Hauptdialogs übernommen.&lt;/p&gt;&lt;p&gt;Bitte beachten: Die Schaltfläche &lt;span style=" font-style:italic;"&gt;Rippen erzeugen&lt;br/&gt;&lt;/span&gt;auf der Seite &lt;span style=" font-style:italic;"&gt;Rippen &lt;/span&gt;müssen Sie danach selbst drücken - die Eingabe hier&lt;br/&gt;erzeugt die Rippen nicht automatisch!&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Rib thickness:</source>
            <translation>Rippendicke:</translation>
        </message>
        <message>
            <source>No. of ribs:</source>
            <translation>Anzahl Rippen:</translation>
        </message>
        <message>
            <source>Distance between ribs:</source>
            <translation>Rippenabstand:</translation>
        </message>
        <message>
            <source>Calculated panel length:</source>
            <translation>Berechnete Segmentlänge:</translation>
        </message>
        <message>
            <source>mm</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valid range: 2 .. 150mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gültiger Bereich: 2 .. 150mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>-</source>
            <translation>-</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>&lt;p align='center'&gt;Error creating file </source>
            <translation>&lt;p align='center'&gt;Fehler beim Anlegen der Datei </translation>
        </message>
        <message>
            <source>Error exporting to PDF</source>
            <translation>Fehler beim PDF-Export</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>&amp;Load</source>
            <translation>&amp;Laden</translation>
        </message>
        <message>
            <source>Ctrl+L</source>
            <translation>Ctrl+L</translation>
        </message>
        <message>
            <source>Open existing document</source>
            <translation>Vorhandenes Dokument öffnen</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Speichern</translation>
        </message>
        <message>
            <source>Ctrl+S</source>
            <translation>Ctrl+S</translation>
        </message>
        <message>
            <source>Save the active document</source>
            <translation>Das aktive Dokument speichern</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>Ctrl+Q</source>
            <translation>Ctrl+Q</translation>
        </message>
        <message>
            <source>&amp;About Planformix</source>
            <translation>&amp;Über Planformix</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Rückgängig</translation>
        </message>
        <message>
            <source>Ctrl+Z</source>
            <translation>Ctrl+Z</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Wiederholen</translation>
        </message>
        <message>
            <source>Ctrl+Shift+Z</source>
            <translation>Ctrl+Shift+Z</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <translation>&amp;Neu</translation>
        </message>
        <message>
            <source>Ctrl+N</source>
            <translation>Ctrl+N</translation>
        </message>
        <message>
            <source>Create a new plane</source>
            <translation>Ein neues Flugzeug anlegen</translation>
        </message>
        <message>
            <source>Save &amp;As</source>
            <translation>Speichern &amp;unter</translation>
        </message>
        <message>
            <source>Ctrl+Shift+S</source>
            <translation>Ctrl+Shift+S</translation>
        </message>
        <message>
            <source>Save the active document under different name</source>
            <translation>Das aktive Dokument unter anderem Namen speichern</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>S&amp;chließen</translation>
        </message>
        <message>
            <source>Ctrl+W</source>
            <translation>Ctrl+W</translation>
        </message>
        <message>
            <source>Close the current document</source>
            <translation>Das aktuelle Dokument schließen</translation>
        </message>
        <message>
            <source>Use anti alias</source>
            <translation>Kantenglättung verwenden</translation>
        </message>
        <message>
            <source>Use anti alias (if available - requires restart)</source>
            <translation>Kantenglättung verwenden (falls verfügbar - wirkt nach Neustart)</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Englisch</translation>
        </message>
        <message>
            <source>German</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>Print / Export to PDF</source>
            <translation>Drucken / als PDF exportieren</translation>
        </message>
        <message>
            <source>Ctrl+P</source>
            <translation>Ctrl+P</translation>
        </message>
        <message>
            <source>Export to DXF</source>
            <translation>Als DXF exportieren</translation>
        </message>
        <message>
            <source>&amp;Minimize</source>
            <translation>&amp;Minimieren</translation>
        </message>
        <message>
            <source>Ctrl+M</source>
            <translation>Ctrl+M</translation>
        </message>
        <message>
            <source>Zoom</source>
            <translation>Maximieren</translation>
        </message>
        <message>
            <source>Enter &amp;Full Screen</source>
            <translation>&amp;Vollbild</translation>
        </message>
        <message>
            <source>Exit &amp;Full Screen</source>
            <translation>&amp;Vollbild beenden</translation>
        </message>
        <message>
            <source>Ctrl+F</source>
            <translation>Ctrl+F</translation>
        </message>
        <message>
            <source>Import &amp;Airfoil (DAT or COR)</source>
            <translation>&amp;Profil importieren (DAT oder COR)</translation>
        </message>
        <message>
            <source>Ctrl+A</source>
            <translation>Ctrl+A</translation>
        </message>
        <message>
            <source>Import an existing airfoil (DAT file)</source>
            <translation>Ein vorhandenes Profil importieren (DAT-Datei)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>&amp;Window</source>
            <translation>&amp;Fenster</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>toolBar</source>
            <translation>Werkzeugleiste</translation>
        </message>
        <message>
            <source>Anti Alias</source>
            <translation>Kantenglättung</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Modification to &lt;em&gt;anti alias&lt;/em&gt; setting will become active after restart&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die geänderte Einstellung der &lt;em&gt;Kantenglättung&lt;/em&gt; wirkt erst nach einem Neustart&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
    </context>
    <context>
        <name>Panel</name>
        <message>
            <source> (not found, defaulted to </source>
            <translation> (nicht gefunden, ersetzt durch </translation>
        </message>
    </context>
    <context>
        <name>PanelBaseData</name>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Foil(*)</source>
            <translation>Profil(*)</translation>
        </message>
        <message>
            <source>Length(*)</source>
            <translation>Länge(*)</translation>
        </message>
        <message>
            <source>Root Chord(*)</source>
            <translation>Wurzeltiefe(*)</translation>
        </message>
        <message>
            <source>Tip Chord(*)</source>
            <translation>Endtiefe(*)</translation>
        </message>
        <message>
            <source>Sweep</source>
            <translation>Pfeilung</translation>
        </message>
        <message>
            <source>Tip Twist</source>
            <translation>Schränkung</translation>
        </message>
        <message>
            <source>Dihedral</source>
            <translation>V-Form</translation>
        </message>
    </context>
    <context>
        <name>PanelCreationSelector</name>
        <message>
            <source>Copy method selection</source>
            <translation>Art der Kopie wählen</translation>
        </message>
        <message>
            <source>Mirror copy (only spars at the connection rib)</source>
            <translation>Gespiegelte Kopie (nur Holme an der Verbindungsrippe)</translation>
        </message>
        <message>
            <source>Only mirror the spars reaching out to the tip rib of the previous panel. All other spars will be ignored.</source>
            <translation>Nur die Holme spiegeln, die bis zur Endrippe des vorigen Segments reichen. Alle anderen Holme werden übergangen.</translation>
        </message>
        <message>
            <source>Direct (1:1) copy</source>
            <translation>Direkte Kopie (1:1)</translation>
        </message>
        <message>
            <source>Make a direct 1:1 copy of the previous panel, with only the most basic adaptations. All spars are copied verbatim (as they are)</source>
            <translation>Eine direkte 1:1-Kopie des vorigen Segments mit nur den nötigsten Anpassungen. Alle Holme werden unverändert übernommen</translation>
        </message>
        <message>
            <source>Smart copy</source>
            <translation>Intelligente Kopie</translation>
        </message>
        <message>
            <source>Spars reaching out to the tip of the source panel are mirrored around the connection rib. All other spars are directly copied.</source>
            <translation>Holme, die bis zum Ende des Quellsegments reichen, werden an der Verbindungsrippe gespiegelt. Alle anderen Holme werden direkt kopiert.</translation>
        </message>
    </context>
    <context>
        <name>PlaneDrawingArea</name>
        <message>
            <source>Plane not defined yet. Go to 'Plane Definition' tab and define a few panels...</source>
            <translation>Noch kein Flugzeug definiert. Legen Sie auf der Seite 'Flugzeugdefinition' einige Segmente an...</translation>
        </message>
    </context>
    <context>
        <name>PlaneModel</name>
        <message>
            <source>Can't create file</source>
            <translation>Datei kann nicht angelegt werden</translation>
        </message>
        <message>
            <source>Can't create file '%1' for writing: %2</source>
            <translation>Die Datei '%1' kann nicht zum Schreiben angelegt werden: %2</translation>
        </message>
        <message>
            <source>the document could not be encoded</source>
            <translation>das Dokument konnte nicht kodiert werden</translation>
        </message>
        <message>
            <source>Can't write file</source>
            <translation>Datei kann nicht geschrieben werden</translation>
        </message>
        <message>
            <source>Can't write into specified file: %1</source>
            <translation>In die angegebene Datei kann nicht geschrieben werden: %1</translation>
        </message>
        <message>
            <source>File exists</source>
            <translation>Datei existiert</translation>
        </message>
        <message>
            <source>File </source>
            <translation>Die Datei </translation>
        </message>
        <message>
            <source> already exists - overwrite?</source>
            <translation> existiert bereits - überschreiben?</translation>
        </message>
        <message>
            <source>Can't create DXF file</source>
            <translation>DXF-Datei kann nicht angelegt werden</translation>
        </message>
        <message>
            <source>Can't create DXF file '</source>
            <translation>Die DXF-Datei '</translation>
        </message>
        <message>
            <source>' for writing: </source>
            <translation>' kann nicht zum Schreiben angelegt werden: </translation>
        </message>
        <message>
            <source>Can't write DXF file</source>
            <translation>DXF-Datei kann nicht geschrieben werden</translation>
        </message>
        <message>
            <source>Can't write DXF file '</source>
            <translation>Die DXF-Datei kann nicht geschrieben werden: '</translation>
        </message>
        <message>
            <source>Incomplete DXF file</source>
            <translation>Unvollständige DXF-Datei</translation>
        </message>
        <message>
            <source>Parts with invalid coordinates were left out of the DXF file '</source>
            <translation>Teile mit ungültigen Koordinaten wurden in der DXF-Datei ausgelassen: '</translation>
        </message>
        <message>
            <source>': </source>
            <translation>': </translation>
        </message>
        <message>
            <source>', Spar name: '</source>
            <translation>', Holm: '</translation>
        </message>
        <message>
            <source>, thickness: </source>
            <translation>, Dicke: </translation>
        </message>
        <message>
            <source>mm</source>
            <translation>mm</translation>
        </message>
    </context>
    <context>
        <name>PlaneSummaryArea</name>
        <message>
            <source>N/A</source>
            <translation>k. A.</translation>
        </message>
    </context>
    <context>
        <name>PlanformPrinter</name>
        <message>
            <source> - left wing</source>
            <translation> - linker Flügel</translation>
        </message>
        <message>
            <source> - right wing</source>
            <translation> - rechter Flügel</translation>
        </message>
        <message>
            <source>: Page (</source>
            <translation>: Seite (</translation>
        </message>
    </context>
    <context>
        <name>PrintDialog</name>
        <message>
            <source>Print / Export to PDF</source>
            <translation>Drucken / als PDF exportieren</translation>
        </message>
        <message>
            <source>Printer</source>
            <translation>Drucker</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Location:</source>
            <translation>Standort:</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Typ:</translation>
        </message>
        <message>
            <source>Description:</source>
            <translation>Beschreibung:</translation>
        </message>
        <message>
            <source>Output file:</source>
            <translation>Ausgabedatei:</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>Paper</source>
            <translation>Papier</translation>
        </message>
        <message>
            <source>Page size:</source>
            <translation>Seitenformat:</translation>
        </message>
        <message>
            <source>210mm</source>
            <translation>210mm</translation>
        </message>
        <message>
            <source>x</source>
            <translation>x</translation>
        </message>
        <message>
            <source>297mm</source>
            <translation>297mm</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Margins</source>
            <translation>Ränder</translation>
        </message>
        <message>
            <source>mm</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Ausrichtung</translation>
        </message>
        <message>
            <source>Portrait</source>
            <translation>Hochformat</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>Querformat</translation>
        </message>
        <message>
            <source>Print to file (PDF)</source>
            <translation>In Datei drucken (PDF)</translation>
        </message>
        <message>
            <source>QT PDF driver</source>
            <translation>QT-PDF-Treiber</translation>
        </message>
        <message>
            <source>Open file for printing</source>
            <translation>Datei zum Drucken öffnen</translation>
        </message>
    </context>
    <context>
        <name>PrintJob</name>
        <message>
            <source>Can't print</source>
            <translation>Drucken nicht möglich</translation>
        </message>
        <message>
            <source>&lt;p align='center'&gt;The paper leaves a printable area of %1 x %2 mm after the margins.&lt;br&gt;At least %3 x %4 mm are needed; please choose smaller margins or a larger paper size.&lt;/p&gt;</source>
            <translation>&lt;p align='center'&gt;Nach Abzug der Ränder bleibt auf dem Papier eine druckbare Fläche von %1 x %2 mm.&lt;br&gt;Nötig sind mindestens %3 x %4 mm; bitte kleinere Ränder oder ein größeres Papierformat wählen.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>the output cannot be opened</source>
            <translation>die Ausgabe kann nicht geöffnet werden</translation>
        </message>
        <message>
            <source>the file could not be written completely</source>
            <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
        </message>
    </context>
    <context>
        <name>PrintPage</name>
        <message>
            <source>Designed with </source>
            <translation>Entworfen mit </translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>in</source>
            <translation>in</translation>
        </message>
        <message>
            <source> files (*.pfz)</source>
            <translation>-Dateien (*.pfz)</translation>
        </message>
    </context>
    <context>
        <name>RibCombData</name>
        <message>
            <source>New comb</source>
            <translation>Neuer Kamm</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Comb type</source>
            <translation>Kammart</translation>
        </message>
        <message>
            <source>First rib</source>
            <translation>Erste Rippe</translation>
        </message>
        <message>
            <source>Last rib</source>
            <translation>Letzte Rippe</translation>
        </message>
        <message>
            <source>Above</source>
            <translation>Oben</translation>
        </message>
        <message>
            <source>Below</source>
            <translation>Unten</translation>
        </message>
    </context>
    <context>
        <name>RibDefinition</name>
        <message>
            <source>Position (mm)</source>
            <translation>Position (mm)</translation>
        </message>
        <message>
            <source>Thickness (mm)</source>
            <translation>Dicke (mm)</translation>
        </message>
    </context>
    <context>
        <name>RibListTableModel</name>
        <message>
            <source>Error in ribs table</source>
            <translation>Fehler in der Rippentabelle</translation>
        </message>
        <message>
            <source>Rib #</source>
            <translation>Rippe Nr.</translation>
        </message>
        <message>
            <source>First rib must be on position 0.
</source>
            <translation>Die erste Rippe muss auf Position 0 liegen.
</translation>
        </message>
        <message>
            <source>Rib </source>
            <translation>Rippe </translation>
        </message>
        <message>
            <source> overlaps with the rib </source>
            <translation> überlappt die Rippe </translation>
        </message>
        <message>
            <source>.
</source>
            <translation>.
</translation>
        </message>
        <message>
            <source>Last rib position + thickness must equal panel length.
</source>
            <translation>Position + Dicke der letzten Rippe müssen die Segmentlänge ergeben.
</translation>
        </message>
        <message>
            <source>
(possible additional error messages suppressed)</source>
            <translation>
(weitere Fehlermeldungen werden unterdrückt)</translation>
        </message>
    </context>
    <context>
        <name>RibSheetPrinter</name>
        <message>
            <source>Ribs for panel #</source>
            <translation>Rippen für Segment Nr. </translation>
        </message>
        <message>
            <source>Can't print to PDF</source>
            <translation>PDF-Ausgabe nicht möglich</translation>
        </message>
        <message>
            <source>&lt;p align='center'&gt;Paper height is smaller than what is necessary for one rib.&lt;br&gt;</source>
            <translation>&lt;p align='center'&gt;Das Papier ist niedriger, als eine Rippe es braucht.&lt;br&gt;</translation>
        </message>
        <message>
            <source>Please try re-orienting the paper or choosing a different paper size&lt;/p&gt;</source>
            <translation>Bitte die Ausrichtung des Papiers ändern oder ein anderes Papierformat wählen&lt;/p&gt;</translation>
        </message>
        <message>
            <source>P</source>
            <translation>S</translation>
        </message>
        <message>
            <source>_R</source>
            <translation>_R</translation>
        </message>
        <message>
            <source>, thickness: </source>
            <translation>, Dicke: </translation>
        </message>
        <message>
            <source>mm</source>
            <translation>mm</translation>
        </message>
        <message>
            <source> (part </source>
            <translation> (Teil </translation>
        </message>
    </context>
    <context>
        <name>SheetingStripTableModel</name>
        <message>
            <source>Error in sheeting table</source>
            <translation>Fehler in der Beplankungstabelle</translation>
        </message>
        <message>
            <source>Strip #</source>
            <translation>Streifen Nr.</translation>
        </message>
        <message>
            <source>The first rib must be at least 1
</source>
            <translation>Die erste Rippe muss mindestens 1 sein
</translation>
        </message>
        <message>
            <source>The first rib is larger than the number of ribs
</source>
            <translation>Die erste Rippe ist größer als die Anzahl der Rippen
</translation>
        </message>
        <message>
            <source>The last rib is larger than the number of ribs
</source>
            <translation>Die letzte Rippe ist größer als die Anzahl der Rippen
</translation>
        </message>
        <message>
            <source>The first rib is larger than the last rib
</source>
            <translation>Die erste Rippe ist größer als die letzte Rippe
</translation>
        </message>
        <message>
            <source>Sheeting strip </source>
            <translation>Beplankungsstreifen </translation>
        </message>
    </context>
    <context>
        <name>VisualisationButtons</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Top view&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Draufsicht&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Left view&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ansicht von links&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Front view&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Vorderansicht&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Angled view&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Schrägansicht&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bottom view&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Untersicht&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Right view&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ansicht von rechts&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Rear view&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Rückansicht&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
    </context>
</TS>
