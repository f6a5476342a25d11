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
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Planformix&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Planformix&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;[version]&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;[version]&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Copyright © 2026 the Planformix developers. All rights reserved.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Copyright © 2026 die Entwickler von Planformix. Alle Rechte vorbehalten.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The NACA airfoils are computed by the project's own tool tools/naca4.py from the published NACA four-digit equations. clarky.dat is the public Clark Y coordinate set. The file README in the source folder resources/foils_v2 names where each airfoil file comes from.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die NACA-Profile berechnet das projekteigene Werkzeug tools/naca4.py aus den veröffentlichten Gleichungen der vierstelligen NACA-Reihe. clarky.dat ist der öffentliche Koordinatensatz des Clark-Y-Profils. Die Datei README im Quellordner resources/foils_v2 nennt die Herkunft jeder Profildatei.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The Planformix application is implemented using the &lt;a href="https://www.qt.io/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;QT application framework&lt;/span&gt;&lt;/a&gt;, licensed under the &lt;a href="https://www.gnu.org/licenses/lgpl-3.0.html"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;GNU Lesser General Public License (LGPL)&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Planformix ist mit dem &lt;a href="https://www.qt.io/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;QT-Anwendungsframework&lt;/span&gt;&lt;/a&gt; umgesetzt, lizenziert unter der &lt;a href="https://www.gnu.org/licenses/lgpl-3.0.html"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;GNU Lesser General Public License (LGPL)&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Every picture and icon in Planformix is drawn by the project's own tools in tools/.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Alle Bilder und Symbole in Planformix zeichnen die projekteigenen Werkzeuge in tools/.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <message>
            <source>Airfoil name missing</source>
            <translation>Profilname fehlt</translation>
        </message>
        <message>
            <source>Airfoil name too long</source>
            <translation>Profilname zu lang</translation>
        </message>
        <message>
            <source>The name is kept as %1 characters (each "&amp;" as five), where a document holds names of at most %2. Please shorten the name.</source>
            <translation>Der Name wird mit %1 Zeichen gespeichert (jedes "&amp;" mit fünf), ein Dokument nimmt Namen mit höchstens %2 auf. Bitte den Namen kürzen.</translation>
        </message>
        <message>
            <source>Please enter a name for the airfoil.</source>
            <translation>Bitte geben Sie einen Namen für das Profil ein.</translation>
        </message>
        <message>
            <source>Reading the airfoil file...</source>
            <translation>Die Profildatei wird gelesen...</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>The file cannot be opened: %1</source>
            <translation>Die Datei lässt sich nicht öffnen: %1</translation>
        </message>
        <message>
            <source>A line holds more than one point.</source>
            <translation>Eine Zeile enthält mehr als einen Punkt.</translation>
        </message>
        <message>
            <source>A coordinate is not a finite number.</source>
            <translation>Eine Koordinate ist keine endliche Zahl.</translation>
        </message>
        <message>
            <source>Its points give no outline.</source>
            <translation>Ihre Punkte ergeben keinen Umriss.</translation>
        </message>
        <message>
            <source>File name not usable</source>
            <translation>Dateiname nicht verwendbar</translation>
        </message>
        <message>
            <source>Please enter a file name for the airfoil.</source>
            <translation>Bitte geben Sie einen Dateinamen für das Profil ein.</translation>
        </message>
        <message>
            <source>A file name that starts with a dot is hidden, and the airfoil would not be loaded at the next start.</source>
            <translation>Ein Dateiname, der mit einem Punkt beginnt, ist versteckt, und das Profil würde beim nächsten Start nicht geladen.</translation>
        </message>
        <message>
            <source>The file name must not hold control characters.</source>
            <translation>Der Dateiname darf keine Steuerzeichen enthalten.</translation>
        </message>
        <message>
            <source>The file name holds characters that this system cannot store in a file name.</source>
            <translation>Der Dateiname enthält Zeichen, die dieses System in keinem Dateinamen speichern kann.</translation>
        </message>
        <message>
            <source>The file name is too long: the file system stores at most %1 bytes, this name takes %2.</source>
            <translation>Der Dateiname ist zu lang: Das Dateisystem speichert höchstens %1 Bytes, dieser Name braucht %2.</translation>
        </message>
        <message>
            <source>It holds fewer than %1 distinct points.</source>
            <translation>Sie enthält weniger als %1 verschiedene Punkte.</translation>
        </message>
        <message>
            <source>It holds several elements (separated by 999 999), not one section.</source>
            <translation>Sie enthält mehrere Elemente (getrennt durch 999 999), nicht ein einzelnes Profil.</translation>
        </message>
        <message>
            <source>The line behind the name is neither a point nor a grid domain of four numbers around the points.</source>
            <translation>Die Zeile nach dem Namen ist weder ein Punkt noch ein Gitterbereich aus vier Zahlen um die Punkte.</translation>
        </message>
        <message>
            <source>A point lies further off the chord line than the chord is long.</source>
            <translation>Ein Punkt liegt weiter von der Profilsehne entfernt, als die Sehne lang ist.</translation>
        </message>
        <message>
            <source>Its outline crosses itself: the points are out of order.</source>
            <translation>Ihr Umriss kreuzt sich selbst: die Punkte stehen nicht in ihrer Reihenfolge.</translation>
        </message>
        <message>
            <source>There is not enough memory to read the airfoil file.</source>
            <translation>Zum Lesen der Profildatei ist nicht genug Speicher vorhanden.</translation>
        </message>
    </context>
    <context>
        <name>CADWidgetRibView</name>
        <message>
            <source>Please select a rib in the ribs table</source>
            <translation>Bitte eine Rippe in der Rippentabelle auswählen</translation>
        </message>
        <message>
            <source>Rib %1: the sheeting leaves nothing to build.</source>
            <translation>Rippe %1: Die Beplankung lässt nichts zum Bauen übrig.</translation>
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
        <name>ConsumedRibs</name>
        <message>
            <source>Rib %1 of panel '%2': the sheeting leaves nothing to build.</source>
            <translation>Rippe %1 von Segment '%2': Die Beplankung lässt nichts zum Bauen übrig.</translation>
        </message>
        <message>
            <source>Ribs %1 of panel '%2': the sheeting leaves nothing to build.</source>
            <translation>Rippen %1 von Segment '%2': Die Beplankung lässt nichts zum Bauen übrig.</translation>
        </message>
        <message>
            <source>The sheeting leaves nothing of this rib to build.</source>
            <translation>Von dieser Rippe lässt die Beplankung nichts zum Bauen übrig.</translation>
        </message>
        <message>
            <source>Rib %1 of panel '%2' is parted by the sheeting: each piece is cut on its own.</source>
            <translation>Rippe %1 von Segment '%2' wird von der Beplankung geteilt: Jedes Stück wird für sich ausgeschnitten.</translation>
        </message>
        <message>
            <source>Ribs %1 of panel '%2' are parted by the sheeting: each piece is cut on its own.</source>
            <translation>Rippen %1 von Segment '%2' werden von der Beplankung geteilt: Jedes Stück wird für sich ausgeschnitten.</translation>
        </message>
        <message>
            <source>Rib %1 of panel '%2' is parted by the slot of spar %3: each piece is cut on its own.</source>
            <translation>Rippe %1 von Segment '%2' wird vom Ausschnitt des Holms %3 geteilt: Jedes Stück wird für sich ausgeschnitten.</translation>
        </message>
        <message>
            <source>Ribs %1 of panel '%2' are parted by the slot of spar %3: each piece is cut on its own.</source>
            <translation>Rippen %1 von Segment '%2' werden vom Ausschnitt des Holms %3 geteilt: Jedes Stück wird für sich ausgeschnitten.</translation>
        </message>
        <message>
            <source>Rib %1 of panel '%2' is parted where its cuts meet: each piece is cut on its own.</source>
            <translation>Rippe %1 von Segment '%2' wird dort geteilt, wo sich ihre Ausschnitte treffen: Jedes Stück wird für sich ausgeschnitten.</translation>
        </message>
        <message>
            <source>Ribs %1 of panel '%2' are parted where their cuts meet: each piece is cut on its own.</source>
            <translation>Rippen %1 von Segment '%2' werden dort geteilt, wo sich ihre Ausschnitte treffen: Jedes Stück wird für sich ausgeschnitten.</translation>
        </message>
        <message>
            <source>The outline of rib %1 of panel '%2' crosses itself: check it before cutting.</source>
            <translation>Die Kontur von Rippe %1 von Segment '%2' kreuzt sich selbst: Vor dem Ausschneiden prüfen.</translation>
        </message>
        <message>
            <source>The outlines of ribs %1 of panel '%2' cross themselves: check them before cutting.</source>
            <translation>Die Konturen der Rippen %1 von Segment '%2' kreuzen sich selbst: Vor dem Ausschneiden prüfen.</translation>
        </message>
        <message>
            <source>Rib %1 of panel '%2' holds a feature narrower than 0.5 mm at its front: check it before cutting.</source>
            <translation>Rippe %1 von Segment '%2' hat vorn eine Stelle schmaler als 0,5 mm: Vor dem Ausschneiden prüfen.</translation>
        </message>
        <message>
            <source>Ribs %1 of panel '%2' hold a feature narrower than 0.5 mm at their front: check them before cutting.</source>
            <translation>Rippen %1 von Segment '%2' haben vorn eine Stelle schmaler als 0,5 mm: Vor dem Ausschneiden prüfen.</translation>
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
        <name>DialogSeam</name>
        <message>
            <source>Not enough memory</source>
            <translation>Nicht genug Speicher</translation>
        </message>
        <message>
            <source>There is not enough memory to show the file dialog.</source>
            <translation>Zum Anzeigen des Dateidialogs ist nicht genug Speicher vorhanden.</translation>
        </message>
    </context>
    <context>
        <name>DocumentLimits</name>
        <message>
            <source>%1 panels, where a plane may have at most %2 so that it opens within a few seconds.</source>
            <translation>%1 Segmente, wo ein Flugzeug höchstens %2 haben darf, damit es sich in wenigen Sekunden öffnet.</translation>
        </message>
        <message>
            <source>%1 ribs in all panels, where a plane may have at most %2 so that it opens within a few seconds and fits in memory.</source>
            <translation>%1 Rippen in allen Segmenten, wo ein Flugzeug höchstens %2 haben darf, damit es sich in wenigen Sekunden öffnet und in den Speicher passt.</translation>
        </message>
        <message>
            <source>%1 rib cuts (each spar, sheeting strip and rib comb cut into each rib of its panel), where a plane may have at most %2 so that it opens within a few seconds.</source>
            <translation>%1 Rippenschnitte (jeder Holm, jeder Beplankungsstreifen und jeder Rippenkamm in jede Rippe seines Segments geschnitten), wo ein Flugzeug höchstens %2 haben darf, damit es sich in wenigen Sekunden öffnet.</translation>
        </message>
        <message>
            <source>%1 rib cuts of sheeting strips under advanced covering, where a plane may have at most %2, since each takes several times the time and memory of another cut.</source>
            <translation>%1 Rippenschnitte von Beplankungsstreifen unter erweiterter Beplankung, wo ein Flugzeug höchstens %2 haben darf, da jeder ein Mehrfaches an Zeit und Speicher eines anderen Schnitts braucht.</translation>
        </message>
        <message>
            <source>%2 ribs in panel %1, where a panel may have at most %3, since the ribs of one panel are built one after the other.</source>
            <translation>%2 Rippen in Segment %1, wo ein Segment höchstens %3 haben darf, da die Rippen eines Segments nacheinander erzeugt werden.</translation>
        </message>
        <message>
            <source>%2 spars, %3 sheeting strips and %4 rib combs in panel %1, where a panel may have at most %5 of each, since each is cut into every rib of the panel one after the other.</source>
            <translation>%2 Holme, %3 Beplankungsstreifen und %4 Rippenkämme in Segment %1, wo ein Segment höchstens %5 von jedem haben darf, da jeder nacheinander in jede Rippe des Segments geschnitten wird.</translation>
        </message>
        <message>
            <source>Plane too large</source>
            <translation>Flugzeug zu groß</translation>
        </message>
        <message>
            <source>This would make the plane too large: %1</source>
            <translation>Damit würde das Flugzeug zu groß: %1</translation>
        </message>
    </context>
    <context>
        <name>FileErrorText</name>
        <message>
            <source>No such file or directory</source>
            <translation>Datei oder Ordner nicht gefunden</translation>
        </message>
        <message>
            <source>Not a directory</source>
            <translation>Kein Ordner</translation>
        </message>
        <message>
            <source>Is a directory</source>
            <translation>Ist ein Ordner</translation>
        </message>
        <message>
            <source>Permission denied</source>
            <translation>Keine Berechtigung</translation>
        </message>
        <message>
            <source>Operation not permitted</source>
            <translation>Vorgang nicht zulässig</translation>
        </message>
        <message>
            <source>Read-only file system</source>
            <translation>Schreibgeschütztes Dateisystem</translation>
        </message>
        <message>
            <source>No space left on device</source>
            <translation>Kein Platz mehr auf dem Datenträger</translation>
        </message>
        <message>
            <source>Disk quota exceeded</source>
            <translation>Speicherkontingent überschritten</translation>
        </message>
        <message>
            <source>File too large</source>
            <translation>Datei zu groß</translation>
        </message>
        <message>
            <source>Too many open files</source>
            <translation>Zu viele offene Dateien</translation>
        </message>
        <message>
            <source>Too many open files in system</source>
            <translation>Zu viele offene Dateien im System</translation>
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
        <message>
            <source>Building the ribs of the document...</source>
            <translation>Die Rippen des Dokuments werden berechnet...</translation>
        </message>
        <message>
            <source>Opening document</source>
            <translation>Dokument wird geöffnet</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Rückgängig</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Wiederholen</translation>
        </message>
        <message>
            <source>There is not enough memory to save the document; the file '%1' is left as it was.</source>
            <translation>Zum Speichern des Dokuments ist nicht genug Speicher vorhanden; die Datei '%1' bleibt, wie sie war.</translation>
        </message>
        <message>
            <source>There is not enough memory to open it.</source>
            <translation>Zum Öffnen ist nicht genug Speicher vorhanden.</translation>
        </message>
        <message>
            <source>There is not enough memory for this step.</source>
            <translation>Für diesen Schritt ist nicht genug Speicher vorhanden.</translation>
        </message>
        <message>
            <source>There is not enough memory to record this change for Undo. The change stands, but it and the changes before it cannot be undone.</source>
            <translation>Für das Aufzeichnen dieser Änderung zum Rückgängigmachen ist nicht genug Speicher vorhanden. Die Änderung bleibt bestehen, kann aber ebenso wie die Änderungen davor nicht rückgängig gemacht werden.</translation>
        </message>
        <message>
            <source>This change could not be recorded for Undo. The change stands, but it and the changes before it cannot be undone.</source>
            <translation>Diese Änderung konnte nicht zum Rückgängigmachen aufgezeichnet werden. Die Änderung bleibt bestehen, kann aber ebenso wie die Änderungen davor nicht rückgängig gemacht werden.</translation>
        </message>
    </context>
    <context>
        <name>InputValueType</name>
        <message>
            <source>Enter a text.</source>
            <translation>Bitte einen Text eingeben.</translation>
        </message>
        <message>
            <source>Enter a whole number of 0 or more.</source>
            <translation>Bitte eine ganze Zahl ab 0 eingeben.</translation>
        </message>
        <message>
            <source>Enter a whole number of 1 or more.</source>
            <translation>Bitte eine ganze Zahl ab 1 eingeben.</translation>
        </message>
        <message>
            <source>Enter a whole number of 2 or more.</source>
            <translation>Bitte eine ganze Zahl ab 2 eingeben.</translation>
        </message>
        <message>
            <source>Enter a number of 0 or more.</source>
            <translation>Bitte eine Zahl ab 0 eingeben.</translation>
        </message>
        <message>
            <source>Enter a number above 0.</source>
            <translation>Bitte eine Zahl größer als 0 eingeben.</translation>
        </message>
        <message>
            <source>Enter a number.</source>
            <translation>Bitte eine Zahl eingeben.</translation>
        </message>
        <message>
            <source>Enter a number from %1 to %2.</source>
            <translation>Bitte eine Zahl von %1 bis %2 eingeben.</translation>
        </message>
        <message>
            <source>Enter a whole number from %1 to %2.</source>
            <translation>Bitte eine ganze Zahl von %1 bis %2 eingeben.</translation>
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
            <source>&amp;Save</source>
            <translation>&amp;Speichern</translation>
        </message>
        <message>
            <source>Ctrl+S</source>
            <translation>Ctrl+S</translation>
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
            <source>Save &amp;As</source>
            <translation>Speichern &amp;unter</translation>
        </message>
        <message>
            <source>Ctrl+Shift+S</source>
            <translation>Ctrl+Shift+S</translation>
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
            <source>Use anti alias</source>
            <translation>Kantenglättung verwenden</translation>
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
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Open existing document&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Vorhandenes Dokument öffnen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Save the active document&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das aktive Dokument speichern&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Create a new plane&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ein neues Flugzeug anlegen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Save the active document under different name&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das aktive Dokument unter anderem Namen speichern&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Close the current document&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das aktuelle Dokument schließen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use anti alias (if available - requires restart)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Kantenglättung verwenden (falls verfügbar - wirkt nach Neustart)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Import an existing airfoil (DAT file)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ein vorhandenes Profil importieren (DAT-Datei)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Unknown file type</source>
            <translation>Unbekannter Dateityp</translation>
        </message>
        <message>
            <source>Selected file is of unknown type '</source>
            <translation>Die gewählte Datei hat einen unbekannten Typ: '</translation>
        </message>
        <message>
            <source>Invalid file</source>
            <translation>Ungültige Datei</translation>
        </message>
        <message>
            <source>Selected file does not contain valid coordinate data</source>
            <translation>Die gewählte Datei enthält keine gültigen Koordinaten</translation>
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
            <source>Airfoil exists</source>
            <translation>Profil existiert</translation>
        </message>
        <message>
            <source>Airfoil with the name '</source>
            <translation>Ein Profil mit dem Namen '</translation>
        </message>
        <message>
            <source>' already exists! Please choose a different name.</source>
            <translation>' existiert bereits! Bitte einen anderen Namen wählen.</translation>
        </message>
        <message>
            <source>File in use</source>
            <translation>Datei in Gebrauch</translation>
        </message>
        <message>
            <source>The file %1 holds the airfoil '%2' of the library, which would be lost at the next start. Please choose a different file name.</source>
            <translation>Die Datei %1 enthält das Profil '%2' der Profilbibliothek, das beim nächsten Start verloren wäre. Bitte einen anderen Dateinamen wählen.</translation>
        </message>
        <message>
            <source>File %1 already exists and holds the airfoil '%2', which is not in the library and would be lost - overwrite?</source>
            <translation>Die Datei %1 existiert bereits und enthält das Profil '%2', das nicht in der Profilbibliothek ist und verloren ginge - überschreiben?</translation>
        </message>
        <message>
            <source>no section</source>
            <translation>kein Profil</translation>
        </message>
        <message>
            <source>Panel '%1', root: '%2' is cut as '%3'</source>
            <translation>Segment '%1', Wurzel: '%2' wird als '%3' geschnitten</translation>
        </message>
        <message>
            <source>Panel '%1', tip: '%2' is cut as '%3'</source>
            <translation>Segment '%1', Ende: '%2' wird als '%3' geschnitten</translation>
        </message>
        <message>
            <source>Airfoils not found</source>
            <translation>Profile nicht gefunden</translation>
        </message>
        <message>
            <source>The airfoil library lacks airfoils this document names. Until they are added to it, these panels are cut from another section; the document keeps the names it was saved with.</source>
            <translation>Der Profilbibliothek fehlen Profile, die dieses Dokument nennt. Bis sie ihr hinzugefügt sind, werden diese Segmente aus einem anderen Profil geschnitten; das Dokument behält die Namen, mit denen es gespeichert wurde.</translation>
        </message>
        <message>
            <source>Not enough memory</source>
            <translation>Nicht genug Speicher</translation>
        </message>
    </context>
    <context>
        <name>OutputProgress</name>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
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
        <name>PanelPreviewBuild</name>
        <message>
            <source>Building the ribs of the panel...</source>
            <translation>Die Rippen des Segments werden berechnet...</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>PanelsTable</name>
        <message>
            <source>Add new panel</source>
            <translation>Neues Segment anfügen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;Would you like me to automatically copy all settings (including ribs, spars, etc.) from the previous panel into the new panel?&lt;/p&gt;&lt;p&gt;Please note, that this could lead to spars being outside of the panel and similar other errors! It is necesssary to make sure that the spar data is also correct for the new panel after the creation.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Sollen alle Einstellungen (samt Rippen, Holmen usw.) des vorigen Segments automatisch in das neue Segment übernommen werden?&lt;/p&gt;&lt;p&gt;Bitte beachten: Dabei können Holme außerhalb des Segments liegen oder ähnliche Fehler entstehen! Prüfen Sie nach dem Anlegen, ob die Holmdaten auch für das neue Segment stimmen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Delete panel</source>
            <translation>Segment löschen</translation>
        </message>
        <message>
            <source>Move panel</source>
            <translation>Segment verschieben</translation>
        </message>
        <message>
            <source>Not enough memory</source>
            <translation>Nicht genug Speicher</translation>
        </message>
        <message>
            <source>There is not enough memory for this change; the plane is left as it was.</source>
            <translation>Für diese Änderung ist nicht genug Speicher vorhanden; das Flugzeug bleibt, wie es war.</translation>
        </message>
        <message>
            <source>There is not enough memory for this change.</source>
            <translation>Für diese Änderung ist nicht genug Speicher vorhanden.</translation>
        </message>
        <message>
            <source>Change panel</source>
            <translation>Segment ändern</translation>
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
        <message>
            <source>New Plane</source>
            <translation>Neues Flugzeug</translation>
        </message>
        <message>
            <source>Panel %1: its length or a chord is out of range.</source>
            <translation>Segment %1: Länge oder Profiltiefe liegt außerhalb des Bereichs.</translation>
        </message>
        <message>
            <source>Panel %1: its sweep, twist or dihedral is out of range.</source>
            <translation>Segment %1: Pfeilung, Schränkung oder V-Form liegt außerhalb des Bereichs.</translation>
        </message>
        <message>
            <source>Panel %1: its rib thickness or an airfoil factor is out of range.</source>
            <translation>Segment %1: Rippendicke oder ein Profilfaktor liegt außerhalb des Bereichs.</translation>
        </message>
        <message>
            <source>Panel %1: a size of a spar, strip, comb, edge or covering is out of range.</source>
            <translation>Segment %1: ein Maß eines Holms, Streifens, Kamms, einer Kante oder Beplankung liegt außerhalb des Bereichs.</translation>
        </message>
        <message>
            <source>Panel %1: a rib position or thickness is out of range.</source>
            <translation>Segment %1: eine Rippenposition oder -dicke liegt außerhalb des Bereichs.</translation>
        </message>
        <message>
            <source>A number in the document is not finite.</source>
            <translation>Eine Zahl im Dokument ist nicht endlich.</translation>
        </message>
        <message>
            <source>Document not saved</source>
            <translation>Dokument nicht gespeichert</translation>
        </message>
        <message>
            <source>The document is not saved, because it would not open again: %1</source>
            <translation>Das Dokument wird nicht gespeichert, da es sich nicht wieder öffnen ließe: %1</translation>
        </message>
        <message>
            <source>The file cannot be read: %1</source>
            <translation>Die Datei kann nicht gelesen werden: %1</translation>
        </message>
        <message>
            <source>The file cannot be read.</source>
            <translation>Die Datei kann nicht gelesen werden.</translation>
        </message>
        <message>
            <source>Another document is being opened.</source>
            <translation>Es wird gerade ein anderes Dokument geöffnet.</translation>
        </message>
        <message>
            <source>The document is of version %1; this program reads version %2.</source>
            <translation>Das Dokument hat die Version %1; dieses Programm liest Version %2.</translation>
        </message>
        <message>
            <source>The file is not a document of this program, or it is damaged.</source>
            <translation>Die Datei ist kein Dokument dieses Programms, oder sie ist beschädigt.</translation>
        </message>
        <message>
            <source>There is not enough memory to build this document.</source>
            <translation>Für den Aufbau dieses Dokuments ist nicht genug Speicher vorhanden.</translation>
        </message>
        <message>
            <source>Export to DXF</source>
            <translation>Als DXF exportieren</translation>
        </message>
        <message>
            <source>Writing the DXF drawing...</source>
            <translation>Die DXF-Zeichnung wird geschrieben...</translation>
        </message>
        <message>
            <source>DXF drawing written to %1</source>
            <translation>DXF-Zeichnung geschrieben: %1</translation>
        </message>
        <message>
            <source>Panel %1: a name is longer than %2 characters.</source>
            <translation>Segment %1: ein Name ist länger als %2 Zeichen.</translation>
        </message>
        <message>
            <source>A name in the document is longer than %1 characters.</source>
            <translation>Ein Name im Dokument ist länger als %1 Zeichen.</translation>
        </message>
        <message>
            <source>The plane cannot be shown: there is not enough memory to build it. The document is kept as it was and can be saved. To show it again, free memory, then use Undo and Redo or open the file again.</source>
            <translation>Das Flugzeug kann nicht angezeigt werden: zum Aufbauen ist nicht genug Speicher vorhanden. Das Dokument bleibt, wie es war, und kann gespeichert werden. Um es wieder anzuzeigen, Speicher freigeben und dann Rückgängig und Wiederherstellen verwenden oder die Datei erneut öffnen.</translation>
        </message>
        <message>
            <source>There is not enough memory to write the DXF file '%1'; it is left as it was.</source>
            <translation>Zum Schreiben der DXF-Datei '%1' ist nicht genug Speicher vorhanden; sie bleibt, wie sie war.</translation>
        </message>
        <message>
            <source>To show it again, free memory, then use Undo and Redo.</source>
            <translation>Um es wieder anzuzeigen, Speicher freigeben und dann Rückgängig und Wiederherstellen verwenden.</translation>
        </message>
        <message>
            <source>To show it again, free memory, then use Undo and Redo, or open the file '%1' again.</source>
            <translation>Um es wieder anzuzeigen, Speicher freigeben und dann Rückgängig und Wiederherstellen verwenden oder die Datei '%1' erneut öffnen.</translation>
        </message>
        <message>
            <source>To show it again, free memory, save it, then open the saved file.</source>
            <translation>Um es wieder anzuzeigen, Speicher freigeben, es speichern und dann die gespeicherte Datei öffnen.</translation>
        </message>
        <message>
            <source>To show it again, free memory, then open the file '%1' again.</source>
            <translation>Um es wieder anzuzeigen, Speicher freigeben und dann die Datei '%1' erneut öffnen.</translation>
        </message>
        <message>
            <source>The plane cannot be shown: there is not enough memory to build it. The document is kept as it was and can be saved.</source>
            <translation>Das Flugzeug kann nicht angezeigt werden: zum Aufbauen ist nicht genug Speicher vorhanden. Das Dokument bleibt, wie es war, und kann gespeichert werden.</translation>
        </message>
        <message>
            <source>These ribs get no outline in the DXF drawing:</source>
            <translation>Diese Rippen erhalten in der DXF-Zeichnung keine Kontur:</translation>
        </message>
        <message>
            <source>These ribs get an outline for each of their pieces:</source>
            <translation>Diese Rippen erhalten in der DXF-Zeichnung eine Kontur für jedes ihrer Stücke:</translation>
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
        <name>Planformix</name>
        <message>
            <source>Planformix</source>
            <translation>Planformix</translation>
        </message>
        <message>
            <source>Plane Definition</source>
            <translation>Flugzeugdefinition</translation>
        </message>
        <message>
            <source>Definitions (Overview)</source>
            <translation>Definitionen (Übersicht)</translation>
        </message>
        <message>
            <source>Wing Panels</source>
            <translation>Flügelsegmente</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;This window contains all panels defined so far. To add a new panel, press the &amp;quot;&lt;span style=" font-style:italic;"&gt;Add&lt;/span&gt;&amp;quot; button. To edit an existing panel, select it and press &amp;quot;&lt;span style=" font-style:italic;"&gt;Edit&lt;/span&gt;&amp;quot;, or double-click on one of the values in the table. To delete a panel, select it and press the &amp;quot;&lt;span style=" font-style:italic;"&gt;Delete&lt;/span&gt;&amp;quot; button.&lt;/p&gt;&lt;p&gt;Columns marked with (*) are not directly editable in this table. Please use the &amp;quot;&lt;span style=" font-style:italic;"&gt;Edit&lt;/span&gt;&amp;quot; button to modify these values.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hier stehen alle bisher definierten Segmente. Ein neues Segment legen Sie mit &amp;quot;&lt;span style=" font-style:italic;"&gt;Hinzufügen&lt;/span&gt;&amp;quot; an. Zum Bearbeiten wählen Sie ein Segment und drücken &amp;quot;&lt;span style=" font-style:italic;"&gt;Bearbeiten&lt;/span&gt;&amp;quot; oder doppelklicken auf einen Wert der Tabelle. Zum Löschen wählen Sie ein Segment und drücken &amp;quot;&lt;span style=" font-style:italic;"&gt;Löschen&lt;/span&gt;&amp;quot;.&lt;/p&gt;&lt;p&gt;Mit (*) markierte Spalten lassen sich in dieser Tabelle nicht direkt ändern. Bitte verwenden Sie dafür &amp;quot;&lt;span style=" font-style:italic;"&gt;Bearbeiten&lt;/span&gt;&amp;quot;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Delete selected panel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gewähltes Segment löschen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Add a new panel at the end of the wing&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ein neues Segment am Ende des Flügels anfügen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Edit selected panel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gewähltes Segment bearbeiten&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Move selected panel one position higher&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gewähltes Segment eine Stelle nach oben schieben&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Move</source>
            <translation>Verschieben</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Move selected panel one position lower&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gewähltes Segment eine Stelle nach unten schieben&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Horizontal Stabilizer</source>
            <translation>Höhenleitwerk</translation>
        </message>
        <message>
            <source>(future extension)</source>
            <translation>(künftige Erweiterung)</translation>
        </message>
        <message>
            <source>Vertical Stabilizer</source>
            <translation>Seitenleitwerk</translation>
        </message>
        <message>
            <source>Fuselage</source>
            <translation>Rumpf</translation>
        </message>
        <message>
            <source>Wing View (automatic symmetry)</source>
            <translation>Flügelansicht (automatisch symmetrisch)</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You can rotate this view with the mouse (use the right mouse button or hold CTRL to additionally slow down the rotation). If you hold the &lt;span style=" font-style:italic;"&gt;SHIFT&lt;/span&gt; while moving the mouse, the view is panned instead of rotated. Mouse wheel zooms in / out.&lt;/p&gt;&lt;p&gt;Double-click resets the view to its' default state.&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Diese Ansicht lässt sich mit der Maus drehen (mit der rechten Maustaste oder gehaltener STRG-Taste langsamer). Mit gehaltener &lt;span style=" font-style:italic;"&gt;UMSCHALT&lt;/span&gt;-Taste wird die Ansicht verschoben statt gedreht. Das Mausrad vergrößert und verkleinert.&lt;/p&gt;&lt;p&gt;Ein Doppelklick stellt die Ausgangsansicht wieder her.&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Visualisation Options</source>
            <translation>Darstellung</translation>
        </message>
        <message>
            <source>Sheeting</source>
            <translation>Beplankung</translation>
        </message>
        <message>
            <source>Ribs</source>
            <translation>Rippen</translation>
        </message>
        <message>
            <source>Spars</source>
            <translation>Holme</translation>
        </message>
        <message>
            <source>Trailing edge</source>
            <translation>Endleiste</translation>
        </message>
        <message>
            <source>Leading edge</source>
            <translation>Nasenleiste</translation>
        </message>
        <message>
            <source>Axes</source>
            <translation>Achsen</translation>
        </message>
        <message>
            <source>Wing halves dist.:</source>
            <translation>Abstand Flügelhälften:</translation>
        </message>
        <message>
            <source>Rib Combs</source>
            <translation>Rippenkämme</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Distance between the wing halves. Valid range is between -30 and 300 millimeter.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Abstand zwischen den Flügelhälften. Gültig sind -30 bis 300 Millimeter.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>mm</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>Transparency:</source>
            <translation>Transparenz:</translation>
        </message>
        <message>
            <source>View Presets</source>
            <translation>Blickrichtungen</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Übersicht</translation>
        </message>
        <message>
            <source>Plane - Main View</source>
            <translation>Flugzeug - Hauptansicht</translation>
        </message>
        <message>
            <source>Plane Data</source>
            <translation>Flugzeugdaten</translation>
        </message>
        <message>
            <source>Plane Name:</source>
            <translation>Flugzeugname:</translation>
        </message>
        <message>
            <source>Wing Span:</source>
            <translation>Spannweite:</translation>
        </message>
        <message>
            <source>Wing Area:</source>
            <translation>Flügelfläche:</translation>
        </message>
        <message>
            <source>Chord Length:</source>
            <translation>Profiltiefe:</translation>
        </message>
        <message>
            <source>TaIl Volume:</source>
            <translation>Leitwerksvolumen:</translation>
        </message>
        <message>
            <source>Fuselage Length:</source>
            <translation>Rumpflänge:</translation>
        </message>
        <message>
            <source>Main Wing Position:</source>
            <translation>Lage des Tragflügels:</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Einheiten</translation>
        </message>
        <message>
            <source>&amp;mm</source>
            <translation>&amp;mm</translation>
        </message>
        <message>
            <source>Alt+M</source>
            <translation>Alt+M</translation>
        </message>
        <message>
            <source>&amp;dm</source>
            <translation>&amp;dm</translation>
        </message>
        <message>
            <source>Alt+D</source>
            <translation>Alt+D</translation>
        </message>
        <message>
            <source>&amp;in</source>
            <translation>&amp;in</translation>
        </message>
        <message>
            <source>Alt+I</source>
            <translation>Alt+I</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Optionen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Consider the dihedral angle in the visualisation and in the calculation of the wing data.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die V-Form in der Darstellung und in der Berechnung der Flügeldaten berücksichtigen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Consider dihedral</source>
            <translation>V-Form berücksichtigen</translation>
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
        <message>
            <source>Print / Export to PDF</source>
            <translation>Drucken / als PDF exportieren</translation>
        </message>
        <message>
            <source>Printing the pages...</source>
            <translation>Die Seiten werden gedruckt...</translation>
        </message>
        <message>
            <source>PDF written to %1</source>
            <translation>PDF geschrieben: %1</translation>
        </message>
        <message>
            <source>there is not enough memory for the printout</source>
            <translation>für den Ausdruck ist nicht genug Speicher vorhanden</translation>
        </message>
        <message>
            <source>These ribs get no template in the printout:</source>
            <translation>Diese Rippen erhalten im Ausdruck keine Schablone:</translation>
        </message>
        <message>
            <source>These ribs get a template for each of their pieces:</source>
            <translation>Diese Rippen erhalten im Ausdruck eine Schablone für jedes ihrer Stücke:</translation>
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
        <message>
            <source>Open airfoil file for import</source>
            <translation>Profildatei zum Importieren öffnen</translation>
        </message>
        <message>
            <source>All files (*.*);;DAT (*.dat);;CompuFoil (*.cor)</source>
            <translation>Alle Dateien (*.*);;DAT (*.dat);;CompuFoil (*.cor)</translation>
        </message>
    </context>
    <context>
        <name>RibCellDelegate</name>
        <message>
            <source>Rib %1: the sheeting leaves nothing to build.</source>
            <translation>Rippe %1: Die Beplankung lässt nichts zum Bauen übrig.</translation>
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
        <name>RibParting</name>
        <message>
            <source>Rib %1 is parted by the slot of spar %2 and cut as %3 pieces.</source>
            <translation>Rippe %1 wird vom Ausschnitt des Holms %2 geteilt und als %3 Stücke ausgeschnitten.</translation>
        </message>
        <message>
            <source>Rib %1 is parted by the sheeting and cut as %2 pieces.</source>
            <translation>Rippe %1 wird von der Beplankung geteilt und als %2 Stücke ausgeschnitten.</translation>
        </message>
        <message>
            <source>Rib %1 is parted where its cuts meet and cut as %2 pieces.</source>
            <translation>Rippe %1 wird dort geteilt, wo sich ihre Ausschnitte treffen, und als %2 Stücke ausgeschnitten.</translation>
        </message>
        <message>
            <source>The outline of rib %1 crosses itself: check it before cutting.</source>
            <translation>Die Kontur von Rippe %1 kreuzt sich selbst: Vor dem Ausschneiden prüfen.</translation>
        </message>
        <message>
            <source>Parted by the slot of spar %1: %2 pieces.</source>
            <translation>Geteilt vom Ausschnitt des Holms %1: %2 Stücke.</translation>
        </message>
        <message>
            <source>Parted by the sheeting: %1 pieces.</source>
            <translation>Geteilt von der Beplankung: %1 Stücke.</translation>
        </message>
        <message>
            <source>Parted where its cuts meet: %1 pieces.</source>
            <translation>Geteilt, wo sich die Ausschnitte treffen: %1 Stücke.</translation>
        </message>
        <message>
            <source>The outline crosses itself: check it before cutting.</source>
            <translation>Die Kontur kreuzt sich selbst: Vor dem Ausschneiden prüfen.</translation>
        </message>
        <message>
            <source>Rib %1 holds a feature narrower than 0.5 mm at its front: check it before cutting.</source>
            <translation>Rippe %1 hat vorn eine Stelle schmaler als 0,5 mm: Vor dem Ausschneiden prüfen.</translation>
        </message>
        <message>
            <source>A feature narrower than 0.5 mm at its front: check it before cutting.</source>
            <translation>Vorn eine Stelle schmaler als 0,5 mm: Vor dem Ausschneiden prüfen.</translation>
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
        <name>SheetingStripDefinition</name>
        <message>
            <source>New strip</source>
            <translation>Neuer Streifen</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
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
            <source>Standard</source>
            <translation>Standard</translation>
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
        <name>SparDefinition</name>
        <message>
            <source>New spar</source>
            <translation>Neuer Holm</translation>
        </message>
        <message>
            <source>Round</source>
            <translation>Rund</translation>
        </message>
        <message>
            <source>Rectangle</source>
            <translation>Rechteck</translation>
        </message>
        <message>
            <source>Webbing</source>
            <translation>Holmsteg</translation>
        </message>
        <message>
            <source>Round joiner</source>
            <translation>Rundsteckung</translation>
        </message>
        <message>
            <source>Cuboid</source>
            <translation>Quader</translation>
        </message>
        <message>
            <source>Cuboid joiner</source>
            <translation>Quadersteckung</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Spar Type</source>
            <translation>Holmart</translation>
        </message>
        <message>
            <source>First rib</source>
            <translation>Erste Rippe</translation>
        </message>
        <message>
            <source>Last rib</source>
            <translation>Letzte Rippe</translation>
        </message>
    </context>
    <context>
        <name>SparsTableModel</name>
        <message>
            <source>Spar #</source>
            <translation>Holm Nr.</translation>
        </message>
        <message>
            <source>Error in spars table</source>
            <translation>Fehler in der Holmtabelle</translation>
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
            <source>The first rib is not in front of the last rib
</source>
            <translation>Die erste Rippe liegt nicht vor der letzten Rippe
</translation>
        </message>
        <message>
            <source>Tube spars must start at the first rib or end at the last rib
</source>
            <translation>Rohrholme müssen an der ersten Rippe beginnen oder an der letzten Rippe enden
</translation>
        </message>
        <message>
            <source>Associated webbing 'from' rib must be smaller than the 'to' rib
</source>
            <translation>Die 'von'-Rippe des zugehörigen Holmstegs muss kleiner sein als die 'bis'-Rippe
</translation>
        </message>
        <message>
            <source>Spar </source>
            <translation>Holm </translation>
        </message>
        <message>
            <source>Associated webbing 'from' rib must be between 1 and number of ribs in panel minus 1
</source>
            <translation>Die 'von'-Rippe des zugehörigen Holmstegs muss zwischen 1 und der Rippenanzahl des Segments minus 1 liegen
</translation>
        </message>
        <message>
            <source>Associated webbing 'to' rib must be 0 or between 'from' rib and number of ribs in panel
</source>
            <translation>Die 'bis'-Rippe des zugehörigen Holmstegs muss 0 sein oder zwischen der 'von'-Rippe und der Rippenanzahl des Segments liegen
</translation>
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
    <context>
        <name>WingPanelDialog</name>
        <message>
            <source>Wing panel definition</source>
            <translation>Flügelsegment definieren</translation>
        </message>
        <message>
            <source>Panel Data</source>
            <translation>Segmentdaten</translation>
        </message>
        <message>
            <source>Base Data</source>
            <translation>Grunddaten</translation>
        </message>
        <message>
            <source>Panel ID:</source>
            <translation>Segment-ID:</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Length(*):</source>
            <translation>Länge(*):</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;WARNING: changing this value after the ribs are alredy defined will invalidate the rib definition specified for this panel!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;ACHTUNG: Eine Änderung dieses Werts, nachdem die Rippen schon definiert sind, macht die Rippendefinition dieses Segments ungültig!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;WARNING: changing this value after the ribs are alredy defined will invalidate the rib definition specified for this panel!&lt;/p&gt;&lt;p&gt;Valid range: 10..5000mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;ACHTUNG: Eine Änderung dieses Werts, nachdem die Rippen schon definiert sind, macht die Rippendefinition dieses Segments ungültig!&lt;/p&gt;&lt;p&gt;Gültiger Bereich: 10..5000mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>mm</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Calculate the length from desired rib parameters (thickness, distance, amount)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Länge aus den gewünschten Rippendaten berechnen (Dicke, Abstand, Anzahl)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>Root chord:</source>
            <translation>Wurzeltiefe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valid range: 10..2000mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gültiger Bereich: 10..2000mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Tip chord:</source>
            <translation>Endtiefe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valid range: 1..1000mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gültiger Bereich: 1..1000mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Sweep:</source>
            <translation>Pfeilung:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valid range: -2500..2500mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gültiger Bereich: -2500..2500mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Make the leading edge of this panel be in line with the leading edge of the previous panel (straighten the edges of this panel and the previous one)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Nasenleiste dieses Segments in eine Linie mit der Nasenleiste des vorigen Segments bringen (die Kanten beider Segmente begradigen)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>(deg)</source>
            <translation>(Grad)</translation>
        </message>
        <message>
            <source>Tip twist:</source>
            <translation>Schränkung:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valid range: -7..7deg&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gültiger Bereich: -7..7 Grad&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>deg</source>
            <translation>Grad</translation>
        </message>
        <message>
            <source>Dihedral:</source>
            <translation>V-Form:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Valid range: -90..90deg. This value defines the total dihedral between this panel and the adjacent (previous) one.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gültiger Bereich: -90..90 Grad. Der Wert ist die gesamte V-Form zwischen diesem und dem angrenzenden (vorigen) Segment.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;(*) WARNING: changing this value will invalidate eventually already defined ribs!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;(*) ACHTUNG: Eine Änderung dieses Werts macht bereits definierte Rippen ungültig!&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Modifications to the &lt;span style=" font-style:italic;"&gt;Length&lt;/span&gt; setting will become visible after the ribs are (re)generated (see tab &amp;quot;&lt;span style=" font-style:italic;"&gt;Ribs&lt;/span&gt;&amp;quot;). Modifications to the &lt;span style=" font-style:italic;"&gt;Dihedral&lt;/span&gt; setting will affect the main wing view.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Änderungen der &lt;span style=" font-style:italic;"&gt;Länge&lt;/span&gt; werden sichtbar, sobald die Rippen (neu) erzeugt sind (siehe Seite &amp;quot;&lt;span style=" font-style:italic;"&gt;Rippen&lt;/span&gt;&amp;quot;). Änderungen der &lt;span style=" font-style:italic;"&gt;V-Form&lt;/span&gt; wirken auf die Hauptansicht des Flügels.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Airfoil</source>
            <translation>Profil</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Selecting this allows you to choose an airfoil to be used for the root rib from the airfoil list.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Damit wählen Sie aus der Profilliste das Profil der Wurzelrippe.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Root rib:</source>
            <translation>Wurzelrippe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thickness modification factor. This is only meant for quick adjustments. Please use the dialog &lt;span style=" font-weight:600; font-style:italic;"&gt;File-&amp;gt;Import Airfoil&lt;/span&gt; for more advanced airfoil modifications.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Faktor für die Profildicke, nur für schnelle Anpassungen gedacht. Weitergehende Änderungen am Profil bitte über &lt;span style=" font-weight:600; font-style:italic;"&gt;Datei-&amp;gt;Profil importieren&lt;/span&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Selecting this allows you to choose an airfoil to be used for the tip rib from the airfoil list.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Damit wählen Sie aus der Profilliste das Profil der Endrippe.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Tip rib:</source>
            <translation>Endrippe:</translation>
        </message>
        <message>
            <source>&lt;same as root&gt;</source>
            <translation>&lt;wie Wurzel&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Remove selection - make the tip airfoil the same as the root airfoil&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Auswahl aufheben - das Endprofil gleicht dem Wurzelprofil&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Extra settings</source>
            <translation>Weitere Einstellungen</translation>
        </message>
        <message>
            <source>Don't align ribs</source>
            <translation>Rippen nicht ausrichten</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Match the highest points of the ribs within this panel. This option makes the wing look perfectly horizonal, except for the effects of tip twist and dihedral.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die höchsten Punkte der Rippen dieses Segments angleichen. Damit wirkt der Flügel, abgesehen von Schränkung und V-Form, vollkommen waagrecht.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Top align ribs</source>
            <translation>Rippen oben ausrichten</translation>
        </message>
        <message>
            <source>Bottom align ribs</source>
            <translation>Rippen unten ausrichten</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Daten</translation>
        </message>
        <message>
            <source>Max. thickness at:</source>
            <translation>Größte Dicke bei:</translation>
        </message>
        <message>
            <source>???</source>
            <translation>???</translation>
        </message>
        <message>
            <source>Thickness:</source>
            <translation>Dicke:</translation>
        </message>
        <message>
            <source>Camber:</source>
            <translation>Wölbung:</translation>
        </message>
        <message>
            <source>Max CL:</source>
            <translation>Max. CA:</translation>
        </message>
        <message>
            <source>Max CL angle:</source>
            <translation>Winkel max. CA:</translation>
        </message>
        <message>
            <source>Max LD:</source>
            <translation>Max. Gleitzahl:</translation>
        </message>
        <message>
            <source>Max LD angle:</source>
            <translation>Winkel max. Gleitzahl:</translation>
        </message>
        <message>
            <source>Stall angle:</source>
            <translation>Abrisswinkel:</translation>
        </message>
        <message>
            <source>Zero-lift angle:</source>
            <translation>Nullauftriebswinkel:</translation>
        </message>
        <message>
            <source>Filter:</source>
            <translation>Filter:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Filter for the airfoils in the list below.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Filter für die Profile der Liste darunter.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Ribs</source>
            <translation>Rippen</translation>
        </message>
        <message>
            <source>Panel Ribs</source>
            <translation>Rippen des Segments</translation>
        </message>
        <message>
            <source>Rib thickness:</source>
            <translation>Rippendicke:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Thickness of a single rib. This value can later be adapted for each rib separately.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Dicke einer einzelnen Rippe. Der Wert lässt sich später für jede Rippe einzeln anpassen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>No. of ribs(*):</source>
            <translation>Anzahl Rippen(*):</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Number of ribs to be created after you press the &amp;quot;&lt;span style=" font-style:italic;"&gt;Generate ribs&lt;/span&gt;&amp;quot; button below.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Anzahl der Rippen, die &amp;quot;&lt;span style=" font-style:italic;"&gt;Rippen erzeugen&lt;/span&gt;&amp;quot; darunter anlegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Generate ribs</source>
            <translation>Rippen erzeugen</translation>
        </message>
        <message>
            <source>(WARNING: overrides manual settings)</source>
            <translation>(ACHTUNG: ersetzt manuelle Einstellungen)</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;(*) This parameter is only used for generation of new ribs. Manual modifications to the rib list may invalidate it parameter.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;(*) Dieser Wert dient nur zum Erzeugen neuer Rippen. Manuelle Änderungen der Rippenliste können ihn ungültig machen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Single rib view (can be teared off)</source>
            <translation>Einzelrippe (abtrennbar)</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2D view of the selected rib. Double-click on the title to tear off this view for free positioning on the screen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2D-Ansicht der gewählten Rippe. Ein Doppelklick auf den Titel löst die Ansicht ab, sodass sie frei auf dem Bildschirm stehen kann.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>2D Rib View</source>
            <translation>2D-Rippenansicht</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2D view of the rib. You can zoom in / out with the help of the mouse wheel. Holding SHIFT + left mouse button pans the view. Double-click resets the view to its' standard position.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2D-Ansicht der Rippe. Das Mausrad vergrößert und verkleinert. UMSCHALT + linke Maustaste verschiebt die Ansicht. Ein Doppelklick stellt die Ausgangsansicht wieder her.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Building Tabs</source>
            <translation>Helling-Füßchen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Draw building tabs on the upper side of the rib&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Helling-Füßchen an der Oberseite der Rippe zeichnen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Above</source>
            <translation>Oben</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Draw building tabs on the lower side of the rib&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Helling-Füßchen an der Unterseite der Rippe zeichnen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Below</source>
            <translation>Unten</translation>
        </message>
        <message>
            <source>From LE:</source>
            <translation>Ab Nasenleiste:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Range: 2..80mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bereich: 2..80mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>From TE:</source>
            <translation>Ab Endleiste:</translation>
        </message>
        <message>
            <source>Width:</source>
            <translation>Breite:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Range: 5..15mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bereich: 5..15mm&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Ribs (can be teared off)</source>
            <translation>Rippen (abtrennbar)</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Table containing all defined ribs. Double-click on the title to tear off this view for free positioning on the screen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Tabelle aller definierten Rippen. Ein Doppelklick auf den Titel löst die Ansicht ab, sodass sie frei auf dem Bildschirm stehen kann.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Rib table</source>
            <translation>Rippentabelle</translation>
        </message>
        <message>
            <source>You can add / remove ribs by means of a context menu (right mouse click)</source>
            <translation>Rippen fügen Sie über das Kontextmenü (rechte Maustaste) hinzu oder entfernen sie</translation>
        </message>
        <message>
            <source>Spars</source>
            <translation>Holme</translation>
        </message>
        <message>
            <source>You can add / remove spars by means of a context menu (right mouse click)</source>
            <translation>Holme fügen Sie über das Kontextmenü (rechte Maustaste) hinzu oder entfernen sie</translation>
        </message>
        <message>
            <source>Distance from </source>
            <translation>Abstand von </translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Measure from the leading edge.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Von der Nasenleiste aus messen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>LE</source>
            <translation>NL</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Measure from the trailing edge.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Von der Endleiste aus messen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>TE:</source>
            <translation>EL:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The position of the spar with respect to the first rib (spar start point)&lt;/p&gt;&lt;p&gt;Meaningful value range is the one where the spar is contained within the rib. Please make sure by visual inspection that the spar actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Lage des Holms an der ersten Rippe (Anfang des Holms)&lt;/p&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen der Holm innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Holm tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Measure in percentage of the rib. 0% is exactly on the leading resp. trailing edge, depending on the selection above.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In Prozent der Rippe messen. 0% liegt genau auf der Nasen- bzw. Endleiste, je nach Auswahl darüber.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>%</source>
            <translation>%</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Measure in millimeters. 0mm is exactly on the leading respectively on the trailing edge, depending on the selection above.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In Millimetern messen. 0mm liegt genau auf der Nasen- bzw. Endleiste, je nach Auswahl darüber.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use different values for the spar position for the first and for the last rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Für die erste und die letzte Rippe verschiedene Holmlagen verwenden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Separate end</source>
            <translation>Eigenes Ende</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The position of the spar with respect to the last rib (spar end point). This value is used if &amp;quot;&lt;span style=" font-style:italic;"&gt;Separate end&lt;/span&gt;&amp;quot; is also ticked.&lt;/p&gt;&lt;p&gt;Meaningful value range is the one where the spar is contained within the rib. Please make sure by visual inspection that the spar actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Lage des Holms an der letzten Rippe (Ende des Holms). Der Wert gilt, wenn auch &amp;quot;&lt;span style=" font-style:italic;"&gt;Eigenes Ende&lt;/span&gt;&amp;quot; angekreuzt ist.&lt;/p&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen der Holm innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Holm tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Radius:</source>
            <translation>Radius:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Radius of the spar. Meaningful value range is the one where the spar is contained within the rib. Please make sure by visual inspection that the spar actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Radius des Holms. Sinnvoll sind Werte, bei denen der Holm innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Holm tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Offset Y Start:</source>
            <translation>Versatz Y Anfang:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Offset in millimeter along the Y axis (transversal to the rib), at the beginning of the spar. Useful e.g. when specifying round leading edge.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Versatz in Millimetern längs der Y-Achse (quer zur Rippe) am Anfang des Holms. Nützlich z. B. für eine runde Nasenleiste.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Offset Y End:</source>
            <translation>Versatz Y Ende:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Offset in millimeter along the Y axis (vertical to the rib's mid line), at the end of the spar. Useful e.g. when specifying round leading edge.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Versatz in Millimetern längs der Y-Achse (senkrecht zur Mittellinie der Rippe) am Ende des Holms. Nützlich z. B. für eine runde Nasenleiste.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Angle (deg):</source>
            <translation>Winkel (Grad):</translation>
        </message>
        <message>
            <source>-</source>
            <translation>-</translation>
        </message>
        <message>
            <source>(</source>
            <translation>(</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press here to automatically set this spar at 90 degrees)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hier klicken, um den Holm auf 90 Grad zu stellen)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;To obtain a 90 degrees angle, please enter this value in millimeters as a &amp;quot;separate end position&amp;quot;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Für einen Winkel von 90 Grad diesen Wert in Millimetern als &amp;quot;eigene Endlage&amp;quot; eingeben&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>for 90 deg:</source>
            <translation>für 90 Grad:</translation>
        </message>
        <message>
            <source>mm)</source>
            <translation>mm)</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Measure in millimeters. 0mm is exactly on the leading edge.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In Millimetern messen. 0mm liegt genau auf der Nasenleiste.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Meaningful value range is the one where the spar is contained within the rib. Please make sure by visual inspection that the spar actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen der Holm innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Holm tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Adapt the width of the spar according to the rib length. For example, if a spar spans ribs A to B, and B is only half as long as A, then the width of the spar at the rib B will also be half the width of the spar at the rib A.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Breite des Holms der Rippenlänge anpassen. Reicht ein Holm z. B. von Rippe A bis B und ist B nur halb so lang wie A, dann ist der Holm an Rippe B auch nur halb so breit wie an Rippe A.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Auto adjust</source>
            <translation>Automatisch anpassen</translation>
        </message>
        <message>
            <source>Height:</source>
            <translation>Höhe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Make the cut into the rib vertical instead of perpendicular&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Ausschnitt in der Rippe senkrecht statt rechtwinklig zur Oberfläche schneiden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Vertical cut</source>
            <translation>Senkrechter Schnitt</translation>
        </message>
        <message>
            <source>Gap (fore):</source>
            <translation>Spalt (vorn):</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Make the slot in the rib wider (in the direction of the leading edge)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Schlitz in der Rippe verbreitern (zur Nasenleiste hin)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Gap (aft):</source>
            <translation>Spalt (hinten):</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Make the slot in the rib wider (in the direction of the trailing edge)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Schlitz in der Rippe verbreitern (zur Endleiste hin)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Spar position</source>
            <translation>Lage des Holms</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Add this spar at the top side of the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Holm an der Oberseite der Rippe anbringen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Top</source>
            <translation>Oben</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Add this spar at the bottom side of the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Holm an der Unterseite der Rippe anbringen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Bottom</source>
            <translation>Unten</translation>
        </message>
        <message>
            <source>Associated webbing</source>
            <translation>Zugehöriger Holmsteg</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Keiner</translation>
        </message>
        <message>
            <source>Middle</source>
            <translation>Mitte</translation>
        </message>
        <message>
            <source>In front</source>
            <translation>Davor</translation>
        </message>
        <message>
            <source>Behind</source>
            <translation>Dahinter</translation>
        </message>
        <message>
            <source>Box</source>
            <translation>Kasten</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;If ticked, &amp;quot;&lt;span style=" font-style:italic;"&gt;In front&lt;/span&gt;&amp;quot;, &amp;quot;&lt;span style=" font-style:italic;"&gt;Behind&lt;/span&gt;&amp;quot; and &amp;quot;&lt;span style=" font-style:italic;"&gt;Box&lt;/span&gt;&amp;quot; webbings will be placed between the bordering rectangular spars instead of in front of resp. behind them.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wenn angekreuzt, stehen die Holmstege &amp;quot;&lt;span style=" font-style:italic;"&gt;Davor&lt;/span&gt;&amp;quot;, &amp;quot;&lt;span style=" font-style:italic;"&gt;Dahinter&lt;/span&gt;&amp;quot; und &amp;quot;&lt;span style=" font-style:italic;"&gt;Kasten&lt;/span&gt;&amp;quot; zwischen den angrenzenden Rechteckholmen statt vor bzw. hinter ihnen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Inside</source>
            <translation>Innen</translation>
        </message>
        <message>
            <source>From rib:</source>
            <translation>Von Rippe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The rib where the associated webbing shall start. Valid range: from 1 (the first rib of this panel) to N-1 (the last rib of this panel minus 1).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Rippe, an der der Holmsteg beginnt. Gültig: von 1 (erste Rippe dieses Segments) bis N-1 (letzte Rippe dieses Segments minus 1).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>To rib:</source>
            <translation>Bis Rippe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The rib where the associated webbing shall end. Valid range: from 2 (the second rib of this panel) to N (the last rib of this panel). Entering a special value 0 makes sure that the webbing will extend until the end of this spar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Rippe, an der der Holmsteg endet. Gültig: von 2 (zweite Rippe dieses Segments) bis N (letzte Rippe dieses Segments). Der besondere Wert 0 führt den Holmsteg bis zum Ende des Holms.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Measure in percentage of the rib. 0% is exactly on the leading edge.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In Prozent der Rippe messen. 0% liegt genau auf der Nasenleiste.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Radius of the joiner tube. Meaningful value range is the one where the tube is contained within the rib. Please make sure by visual inspection that the tube actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Radius des Steckungsrohrs. Sinnvoll sind Werte, bei denen das Rohr innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass das Rohr tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Distance from</source>
            <translation>Abstand von</translation>
        </message>
        <message>
            <source>TE</source>
            <translation>EL</translation>
        </message>
        <message>
            <source>Rotation:</source>
            <translation>Drehung:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Rotation for this spar. Useful e.g. for defining a leading edge of the type &amp;quot;Diamond&amp;quot;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Drehung dieses Holms. Nützlich z. B. für eine Nasenleiste der Art &amp;quot;Raute&amp;quot;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Select a spar respectively define a spar by means of a context menu (right mouse click) in the table above. If the table is not empty, please make sure to right-click on an existing spar.</source>
            <translation>Wählen Sie einen Holm oder legen Sie über das Kontextmenü (rechte Maustaste) in der Tabelle darüber einen an. Ist die Tabelle nicht leer, klicken Sie bitte mit der rechten Maustaste auf einen vorhandenen Holm.</translation>
        </message>
        <message>
            <source>Leading Edge</source>
            <translation>Nasenleiste</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Art</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>Standard</translation>
        </message>
        <message>
            <source>None (no LE)</source>
            <translation>Keine (ohne NL)</translation>
        </message>
        <message>
            <source>Round</source>
            <translation>Rund</translation>
        </message>
        <message>
            <source>Strip</source>
            <translation>Leiste</translation>
        </message>
        <message>
            <source>Diamond</source>
            <translation>Raute</translation>
        </message>
        <message>
            <source>No data required</source>
            <translation>Keine Angaben nötig</translation>
        </message>
        <message>
            <source>LE depth:</source>
            <translation>Tiefe NL:</translation>
        </message>
        <message>
            <source>In order to set a round leading edge, add a round spar and then adjust the position accordingly. Please consult the documentation for further details.</source>
            <translation>Für eine runde Nasenleiste legen Sie einen Rundholm an und passen seine Lage an. Einzelheiten stehen in der Dokumentation.</translation>
        </message>
        <message>
            <source>In order to set a strip leading edge, add a cuboid spar and then adjust the position accordingly. Please consult the documentation for further details.</source>
            <translation>Für eine Nasenleiste aus einer Leiste legen Sie einen Rechteckholm an und passen seine Lage an. Einzelheiten stehen in der Dokumentation.</translation>
        </message>
        <message>
            <source>In order to set a diamond leading edge, add a cuboid spar and then adjust the position accordingly. Please consult the documentation for further details.</source>
            <translation>Für eine rautenförmige Nasenleiste legen Sie einen Rechteckholm an und passen seine Lage an. Einzelheiten stehen in der Dokumentation.</translation>
        </message>
        <message>
            <source>Trailing Edge</source>
            <translation>Endleiste</translation>
        </message>
        <message>
            <source>None (no TE)</source>
            <translation>Keine (ohne EL)</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Future extension.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Künftige Erweiterung.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Standard + Strip</source>
            <translation>Standard + Leiste</translation>
        </message>
        <message>
            <source>TE Depth:</source>
            <translation>Tiefe EL:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Adapt the depth of the TE according to the rib length. For example, if the tip rib is only half as long as the root rib, then the depth of the TE at the tip rib will also be half the depth of the TE at the root rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Tiefe der Endleiste der Rippenlänge anpassen. Ist die Endrippe z. B. nur halb so lang wie die Wurzelrippe, dann ist die Endleiste an der Endrippe auch nur halb so tief wie an der Wurzelrippe.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Strip depth:</source>
            <translation>Tiefe der Leiste:</translation>
        </message>
        <message>
            <source>Strip thickness:</source>
            <translation>Dicke der Leiste:</translation>
        </message>
        <message>
            <source>Sheeting</source>
            <translation>Beplankung</translation>
        </message>
        <message>
            <source>None (no sheeting)</source>
            <translation>Keine (ohne Beplankung)</translation>
        </message>
        <message>
            <source>Standard (from LE)</source>
            <translation>Standard (ab Nasenleiste)</translation>
        </message>
        <message>
            <source>Advanced</source>
            <translation>Erweitert</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Meaningful value range is the one where the sheeting is contained within the rib, so, that the upper and the lower sheeting do not overlap at any point. Please make sure by visual inspection that the sheeting actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen die Beplankung innerhalb der Rippe liegt, sodass sich obere und untere Beplankung nirgends überschneiden. Bitte prüfen Sie in der Ansicht, dass die Beplankung tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Length:</source>
            <translation>Länge:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Meaningful value range is the one where the sheeting is contained within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen die Beplankung innerhalb der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Extend to TE up to rib:</source>
            <translation>Bis zur Endleiste bis Rippe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use this parameter to specify until which rib (starting from the root rib of the panel) the sheeting should extend to the farthest possible point.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bis zu welcher Rippe (von der Wurzelrippe des Segments an) die Beplankung so weit wie möglich nach hinten reicht.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Apply above:</source>
            <translation>Oben anbringen:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;If this field is ticked, the sheeting will be applied to the upper side of the rib. If you don't want the sheeting on upper side of this panel, untick this option.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wenn angekreuzt, wird die Oberseite der Rippe beplankt. Soll dieses Segment oben keine Beplankung haben, entfernen Sie das Häkchen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Apply below:</source>
            <translation>Unten anbringen:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;If this field is ticked, the sheeting will be applied to the lower side of the rib. If you don't want the sheeting on lower side of this panel, untick this option.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wenn angekreuzt, wird die Unterseite der Rippe beplankt. Soll dieses Segment unten keine Beplankung haben, entfernen Sie das Häkchen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Sheeting strips</source>
            <translation>Beplankungsstreifen</translation>
        </message>
        <message>
            <source>Sheeting strip data</source>
            <translation>Daten des Beplankungsstreifens</translation>
        </message>
        <message>
            <source>Starting at:</source>
            <translation>Beginnt bei:</translation>
        </message>
        <message>
            <source>Side:</source>
            <translation>Seite:</translation>
        </message>
        <message>
            <source>Apply above</source>
            <translation>Oben anbringen</translation>
        </message>
        <message>
            <source>Apply below</source>
            <translation>Unten anbringen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Make this strip only look like a cap strip, instead of a normal sheeting.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Diesen Streifen als Rippenaufleimer statt als normale Beplankung darstellen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Cap strip</source>
            <translation>Aufleimer</translation>
        </message>
        <message>
            <source>Length (start):</source>
            <translation>Länge (Anfang):</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The length of the sheeting strip at the first rib (strip start point)&lt;/p&gt;&lt;p&gt;Meaningful value range is the one where the strip is contained within the rib. Please make sure by visual inspection that the strip actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Länge des Beplankungsstreifens an der ersten Rippe (Anfang des Streifens)&lt;/p&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen der Streifen innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Streifen tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use different values for the strip length at the first and at the last rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Für die erste und die letzte Rippe verschiedene Streifenlängen verwenden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Length (end):</source>
            <translation>Länge (Ende):</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The length of the sheeting strip at the last rib (strip end point)&lt;/p&gt;&lt;p&gt;Meaningful value range is the one where the strip is contained within the rib. Please make sure by visual inspection that the strip actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Länge des Beplankungsstreifens an der letzten Rippe (Ende des Streifens)&lt;/p&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen der Streifen innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Streifen tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Offset (start):</source>
            <translation>Versatz (Anfang):</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The distance from the LE or TE (depending on what's selected above) of the sheeting strip at the first rib.&lt;/p&gt;&lt;p&gt;Meaningful value range is the one where the strip is contained within the rib. Please make sure by visual inspection that the strip actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Abstand des Beplankungsstreifens von Nasen- oder Endleiste (je nach Auswahl darüber) an der ersten Rippe.&lt;/p&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen der Streifen innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Streifen tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use different values for the strip offset at the first and at the last rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Für die erste und die letzte Rippe verschiedene Versätze des Streifens verwenden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Offset (end):</source>
            <translation>Versatz (Ende):</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The distance from the LE or TE (depending on what's selected above) of the sheeting strip at the last rib.&lt;/p&gt;&lt;p&gt;Meaningful value range is the one where the strip is contained within the rib. Please make sure by visual inspection that the strip actually is within the rib.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Abstand des Beplankungsstreifens von Nasen- oder Endleiste (je nach Auswahl darüber) an der letzten Rippe.&lt;/p&gt;&lt;p&gt;Sinnvoll sind Werte, bei denen der Streifen innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Streifen tatsächlich in der Rippe liegt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Select a sheeting strip respectively define a sheeting strip by means of a context menu (right mouse click) in the table above. If the table is not empty, please make sure to right-click on an existing strip.</source>
            <translation>Wählen Sie einen Beplankungsstreifen oder legen Sie über das Kontextmenü (rechte Maustaste) in der Tabelle darüber einen an. Ist die Tabelle nicht leer, klicken Sie bitte mit der rechten Maustaste auf einen vorhandenen Streifen.</translation>
        </message>
        <message>
            <source>Construction</source>
            <translation>Bauhilfen</translation>
        </message>
        <message>
            <source>Rib comb</source>
            <translation>Rippenkamm</translation>
        </message>
        <message>
            <source>Combs</source>
            <translation>Kämme</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Distance from the rib tip to the rib comb in millimeter&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Abstand von der Rippenspitze zum Rippenkamm in Millimetern&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Width of the comb&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Breite des Kamms&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Extend this comb so that it's aligned with the building tabs.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Den Kamm so verlängern, dass er mit den Helling-Füßchen abschließt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>As building tabs</source>
            <translation>Wie Helling-Füßchen</translation>
        </message>
        <message>
            <source>Extend:</source>
            <translation>Überstand:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Specifies how far above resp. below the rib this comb shall extend&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wie weit der Kamm über bzw. unter die Rippe reicht&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Cut into rib:</source>
            <translation>Einschnitt in Rippe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;How far to cut into the rib (in percent).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wie tief in die Rippe geschnitten wird (in Prozent).&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Slit height:</source>
            <translation>Schlitzhöhe:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Height of the slit along the wing surface.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Höhe des Schlitzes entlang der Flügeloberfläche.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Slit adjust:</source>
            <translation>Schlitz anpassen:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Specifies how wide the slit along the wing surface should be&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wie breit der Schlitz entlang der Flügeloberfläche sein soll&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Needle adjustment:</source>
            <translation>Zinken anpassen:</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Adjust the width of the comb needles&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Breite der Kammzinken anpassen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Select a rib comb respectively define a rib comb by means of a context menu (right mouse click) in the table above. If the table is not empty, please make sure to right-click on an existing comb.</source>
            <translation>Wählen Sie einen Rippenkamm oder legen Sie über das Kontextmenü (rechte Maustaste) in der Tabelle darüber einen an. Ist die Tabelle nicht leer, klicken Sie bitte mit der rechten Maustaste auf einen vorhandenen Kamm.</translation>
        </message>
        <message>
            <source>Shipway</source>
            <translation>Helling</translation>
        </message>
        <message>
            <source>Future extension</source>
            <translation>Künftige Erweiterung</translation>
        </message>
        <message>
            <source>Panel View</source>
            <translation>Segmentansicht</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You can rotate this view with the mouse (use the right mouse button or hold CTRL to additionally slow down the rotation). If you hold the SHIFT while moving the mouse, the view is panned instead of rotated. Mouse wheel zooms in / out.&lt;/p&gt;&lt;p&gt;Double-click resets the view to its' default state.&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Diese Ansicht lässt sich mit der Maus drehen (mit der rechten Maustaste oder gehaltener STRG-Taste langsamer). Mit gehaltener UMSCHALT-Taste wird die Ansicht verschoben statt gedreht. Das Mausrad vergrößert und verkleinert.&lt;/p&gt;&lt;p&gt;Ein Doppelklick stellt die Ausgangsansicht wieder her.&lt;/p&gt;&lt;p&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>Visualisation Options</source>
            <translation>Darstellung</translation>
        </message>
        <message>
            <source>Rib Comb</source>
            <translation>Rippenkamm</translation>
        </message>
        <message>
            <source>Dihedral</source>
            <translation>V-Form</translation>
        </message>
        <message>
            <source>Axes</source>
            <translation>Achsen</translation>
        </message>
        <message>
            <source>Ghost Panels</source>
            <translation>Nachbarsegmente</translation>
        </message>
        <message>
            <source>Gray Ghosts</source>
            <translation>Nachbarn grau</translation>
        </message>
        <message>
            <source>Transparency:</source>
            <translation>Transparenz:</translation>
        </message>
        <message>
            <source>Ghost transparency:</source>
            <translation>Transparenz der Nachbarn:</translation>
        </message>
        <message>
            <source>View Presets</source>
            <translation>Blickrichtungen</translation>
        </message>
        <message>
            <source>Add rib in front</source>
            <translation>Rippe davor einfügen</translation>
        </message>
        <message>
            <source>Add rib behind</source>
            <translation>Rippe dahinter einfügen</translation>
        </message>
        <message>
            <source>Delete rib</source>
            <translation>Rippe löschen</translation>
        </message>
        <message>
            <source>Split rib in two</source>
            <translation>Rippe teilen</translation>
        </message>
        <message>
            <source>Add spar in front</source>
            <translation>Holm davor einfügen</translation>
        </message>
        <message>
            <source>Add spar behind</source>
            <translation>Holm dahinter einfügen</translation>
        </message>
        <message>
            <source>Delete spar</source>
            <translation>Holm löschen</translation>
        </message>
        <message>
            <source>Copy spar</source>
            <translation>Holm kopieren</translation>
        </message>
        <message>
            <source>Move to max. thickness</source>
            <translation>Zur größten Dicke schieben</translation>
        </message>
        <message>
            <source>Add strip in front</source>
            <translation>Streifen davor einfügen</translation>
        </message>
        <message>
            <source>Add strip behind</source>
            <translation>Streifen dahinter einfügen</translation>
        </message>
        <message>
            <source>Delete strip</source>
            <translation>Streifen löschen</translation>
        </message>
        <message>
            <source>Copy strip</source>
            <translation>Streifen kopieren</translation>
        </message>
        <message>
            <source>Add comb in front</source>
            <translation>Kamm davor einfügen</translation>
        </message>
        <message>
            <source>Add comb behind</source>
            <translation>Kamm dahinter einfügen</translation>
        </message>
        <message>
            <source>Delete comb</source>
            <translation>Kamm löschen</translation>
        </message>
        <message>
            <source>Copy comb</source>
            <translation>Kamm kopieren</translation>
        </message>
        <message>
            <source>Align with next...</source>
            <translation>Am nächsten ausrichten...</translation>
        </message>
        <message>
            <source>Align with previous...</source>
            <translation>Am vorigen ausrichten...</translation>
        </message>
        <message>
            <source>Tip rib and root rib profiles will be the same.</source>
            <translation>Endrippe und Wurzelrippe erhalten dasselbe Profil.</translation>
        </message>
        <message>
            <source>Not possible to generate ribs</source>
            <translation>Rippen können nicht erzeugt werden</translation>
        </message>
        <message>
            <source>Not all fields are valid - not possible to generate the ribs</source>
            <translation>Nicht alle Felder sind gültig - die Rippen können nicht erzeugt werden</translation>
        </message>
        <message>
            <source>Invalid data</source>
            <translation>Ungültige Daten</translation>
        </message>
        <message>
            <source>Not all fields contain a valid value!</source>
            <translation>Nicht alle Felder enthalten einen gültigen Wert!</translation>
        </message>
        <message>
            <source>Ribs list invalidated</source>
            <translation>Rippenliste ungültig</translation>
        </message>
        <message>
            <source>Current list of ribs does not correspond to the
parameter ("Rib thickness" or "Panel Length")!

Do you want me to re-generate the list, possibly losing
all manually added modifications to the rib list?</source>
            <translation>Die Rippenliste passt nicht zu den
Einstellungen ("Rippendicke" oder "Segmentlänge")!

Soll die Liste neu erzeugt werden? Dabei gehen womöglich
alle manuellen Änderungen an der Rippenliste verloren.</translation>
        </message>
        <message>
            <source>&amp;Yes, do it!</source>
            <translation>&amp;Ja, erzeugen!</translation>
        </message>
        <message>
            <source>&amp;No, bring me back.</source>
            <translation>&amp;Nein, zurück.</translation>
        </message>
        <message>
            <source>Not all ribs are correct: 
</source>
            <translation>Nicht alle Rippen sind korrekt: 
</translation>
        </message>
        <message>
            <source>Incorrect spars detected!

</source>
            <translation>Fehlerhafte Holme gefunden!

</translation>
        </message>
        <message>
            <source>Incorrect sheeting detected!

</source>
            <translation>Fehlerhafte Beplankung gefunden!

</translation>
        </message>
        <message>
            <source>Leaving panel edit mode</source>
            <translation>Segmentbearbeitung verlassen</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;body&gt;&lt;p&gt;You are about to leave the panel editing dialog. If you proceed, all eventual changes will be lost.&lt;/p&gt;&lt;p&gt;Do you want to proceed or stay in the dialog?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;body&gt;&lt;p&gt;Sie verlassen gleich die Segmentbearbeitung. Wenn Sie fortfahren, gehen alle Änderungen verloren.&lt;/p&gt;&lt;p&gt;Fortfahren oder im Dialog bleiben?&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
        <message>
            <source>&amp;Proceed</source>
            <translation>&amp;Fortfahren</translation>
        </message>
        <message>
            <source>&amp;Stay</source>
            <translation>&amp;Bleiben</translation>
        </message>
        <message>
            <source>SparRound.png</source>
            <translation>SparRound-de.png</translation>
        </message>
        <message>
            <source>SparCube.png</source>
            <translation>SparCube-de.png</translation>
        </message>
        <message>
            <source>SparSquare.png</source>
            <translation>SparSquare-de.png</translation>
        </message>
        <message>
            <source>SparWebbing.png</source>
            <translation>SparWebbing-de.png</translation>
        </message>
        <message>
            <source>LEStandard.png</source>
            <translation>LEStandard-de.png</translation>
        </message>
        <message>
            <source>TEStandard.png</source>
            <translation>TEStandard-de.png</translation>
        </message>
        <message>
            <source>sheeting.png</source>
            <translation>sheeting-de.png</translation>
        </message>
        <message>
            <source>sheeting-advanced-v2-en.png</source>
            <translation>sheeting-advanced-v2-de.png</translation>
        </message>
        <message>
            <source>RibComb.png</source>
            <translation>RibComb-de.png</translation>
        </message>
        <message>
            <source>Spar Alignment issue</source>
            <translation>Holm kann nicht ausgerichtet werden</translation>
        </message>
        <message>
            <source>Joiners can only be aligned to other joiners</source>
            <translation>Steckungen lassen sich nur an anderen Steckungen ausrichten</translation>
        </message>
        <message>
            <source>(copy)</source>
            <translation>(Kopie)</translation>
        </message>
        <message>
            <source>TEStrip.png</source>
            <translation>TEStrip-de.png</translation>
        </message>
        <message>
            <source>Not enough memory</source>
            <translation>Nicht genug Speicher</translation>
        </message>
        <message>
            <source>There is not enough memory to build this panel; it is left as it was.</source>
            <translation>Für dieses Segment ist nicht genug Speicher vorhanden; es bleibt, wie es war.</translation>
        </message>
        <message>
            <source>no section</source>
            <translation>kein Profil</translation>
        </message>
        <message>
            <source>%1 (for '%2', not in the airfoil library)</source>
            <translation>%1 (für '%2', nicht in der Profilbibliothek)</translation>
        </message>
        <message>
            <source>The airfoil library lacks the airfoil '%1' that this panel names; its ribs are cut from %2 until it is added.</source>
            <translation>Der Profilbibliothek fehlt das Profil '%1', das dieses Segment nennt; seine Rippen werden aus %2 geschnitten, bis es hinzugefügt ist.</translation>
        </message>
    </context>
    <context>
        <name>XDoubleSpinBox</name>
        <message>
            <source>Enter a whole number from %1 to %2.</source>
            <translation>Bitte eine ganze Zahl von %1 bis %2 eingeben.</translation>
        </message>
        <message>
            <source>Enter a number from %1 to %2 with at most %3 decimals.</source>
            <translation>Bitte eine Zahl von %1 bis %2 mit höchstens %3 Nachkommastellen eingeben.</translation>
        </message>
    </context>
</TS>
