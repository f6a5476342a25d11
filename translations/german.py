# German wording of the program's texts, by context and English source text.
# fill_catalogue.py writes them into planformix_de.ts after lupdate has
# collected the sources.
H = '<html><head/><body><p>'
E = '</p></body></html>'

GERMAN = {
 'AboutDialog': {
  'About Planformix': 'Über Planformix',
  H+'Show the history of changes between versions'+E: H+'Zeigt die Änderungen zwischen den Versionen'+E,
  'Planformix': 'Planformix',
  'The program is provided AS IS, with NO WARRANTY OF ANY KIND, INCLUDING THE WARRANTY OF DESIGN, MERCHANTABILITY AND FITNESS FOR A PARTICULAR PURPOSE':
    'Das Programm wird OHNE MÄNGELGEWÄHR und OHNE JEGLICHE GARANTIE bereitgestellt, AUCH OHNE GEWÄHR FÜR KONSTRUKTION, MARKTGÄNGIGKEIT UND EIGNUNG FÜR EINEN BESTIMMTEN ZWECK',
  'Change History': 'Änderungen',
  'Licences': 'Lizenzen',
  H+'Copyright © 2026 the Planformix developers. All rights reserved.'+E:
    H+'Copyright © 2026 die Entwickler von Planformix. Alle Rechte vorbehalten.'+E,
  H+"The NACA airfoils are computed by the project's own tool tools/naca4.py from the published NACA four-digit equations. clarky.dat is the public Clark Y coordinate set. The file README in the source folder resources/foils_v2 names where each airfoil file comes from."+E:
    H+'Die NACA-Profile berechnet das projekteigene Werkzeug tools/naca4.py aus den veröffentlichten Gleichungen der vierstelligen NACA-Reihe. clarky.dat ist der öffentliche Koordinatensatz des Clark-Y-Profils. Die Datei README im Quellordner resources/foils_v2 nennt die Herkunft jeder Profildatei.'+E,
  H+"Every picture and icon in Planformix is drawn by the project's own tools in tools/."+E:
    H+'Alle Bilder und Symbole in Planformix zeichnen die projekteigenen Werkzeuge in tools/.'+E,
  # The name and the version placeholder read the same in German.
  H+'<span style=" font-weight:600;">Planformix</span>'+E: H+'<span style=" font-weight:600;">Planformix</span>'+E,
  H+'<span style=" font-weight:600;">[version]</span>'+E: H+'<span style=" font-weight:600;">[version]</span>'+E,
  H+'The Planformix application is implemented using the <a href="https://www.qt.io/"><span style=" text-decoration: underline; color:#0000ff;">QT application framework</span></a>, licensed under the <a href="https://www.gnu.org/licenses/lgpl-3.0.html"><span style=" text-decoration: underline; color:#0000ff;">GNU Lesser General Public License (LGPL)</span></a>.'+E:
    H+'Planformix ist mit dem <a href="https://www.qt.io/"><span style=" text-decoration: underline; color:#0000ff;">QT-Anwendungsframework</span></a> umgesetzt, lizenziert unter der <a href="https://www.gnu.org/licenses/lgpl-3.0.html"><span style=" text-decoration: underline; color:#0000ff;">GNU Lesser General Public License (LGPL)</span></a>.'+E,
  'OK': 'OK',
  'Cancel': 'Abbrechen',
  'Change history not found: ': 'Änderungsliste nicht gefunden: ',
 },
 'AirfoilImportDialog': {
  'Airfoil Import / Modification': 'Profil importieren / anpassen',
  'Target Airfoil Data': 'Zieldaten des Profils',
  'Imported file name:': 'Name der importierten Datei:',
  'Imported airfoil name:': 'Name des importierten Profils:',
  'Adaptation Data': 'Anpassung',
  'Scale (thickness):': 'Skalierung (Dicke):',
  'Import failed': 'Import fehlgeschlagen',
  'Writing the file %1 failed: %2': 'Schreiben der Datei %1 fehlgeschlagen: %2',
  'Airfoil name too long': 'Profilname zu lang',
  'The name is kept as %1 characters (each "&" as five), where a document holds names of at most %2. Please shorten the name.':
    'Der Name wird mit %1 Zeichen gespeichert (jedes "&" mit fünf), ein Dokument nimmt Namen mit höchstens %2 auf. Bitte den Namen kürzen.',
  'Reading the airfoil file...': 'Die Profildatei wird gelesen...',
  'Cancel': 'Abbrechen',
  'The file cannot be opened: %1': 'Die Datei lässt sich nicht öffnen: %1',
  'There is not enough memory to read the airfoil file.': 'Zum Lesen der Profildatei ist nicht genug Speicher vorhanden.',
  'A line holds more than one point.': 'Eine Zeile enthält mehr als einen Punkt.',
  'A coordinate is not a finite number.': 'Eine Koordinate ist keine endliche Zahl.',
  'It holds fewer than %1 distinct points.': 'Sie enthält weniger als %1 verschiedene Punkte.',
  'Its points give no outline.': 'Ihre Punkte ergeben keinen Umriss.',
  'It holds several elements (separated by 999 999), not one section.':
    'Sie enthält mehrere Elemente (getrennt durch 999 999), nicht ein einzelnes Profil.',
  'The line behind the name is neither a point nor a grid domain of four numbers around the points.':
    'Die Zeile nach dem Namen ist weder ein Punkt noch ein Gitterbereich aus vier Zahlen um die Punkte.',
  'A point lies further off the chord line than the chord is long.':
    'Ein Punkt liegt weiter von der Profilsehne entfernt, als die Sehne lang ist.',
  'Its outline crosses itself: the points are out of order.':
    'Ihr Umriss kreuzt sich selbst: die Punkte stehen nicht in ihrer Reihenfolge.',
  'File name not usable': 'Dateiname nicht verwendbar',
  'Please enter a file name for the airfoil.': 'Bitte geben Sie einen Dateinamen für das Profil ein.',
  'A file name that starts with a dot is hidden, and the airfoil would not be loaded at the next start.':
    'Ein Dateiname, der mit einem Punkt beginnt, ist versteckt, und das Profil würde beim nächsten Start nicht geladen.',
  'The file name must not hold control characters.': 'Der Dateiname darf keine Steuerzeichen enthalten.',
  'The file name holds characters that this system cannot store in a file name.':
    'Der Dateiname enthält Zeichen, die dieses System in keinem Dateinamen speichern kann.',
  'The file name is too long: the file system stores at most %1 bytes, this name takes %2.':
    'Der Dateiname ist zu lang: Das Dateisystem speichert höchstens %1 Bytes, dieser Name braucht %2.',
 },
 'CADWidgetRibView': {
  'Please select a rib in the ribs table': 'Bitte eine Rippe in der Rippentabelle auswählen',
 },
 'CombListTableModel': {
  'Error in combs table': 'Fehler in der Tabelle der Rippenkämme',
  'Comb #': 'Kamm Nr.',
  'The first rib must be at least 1\n': 'Die erste Rippe muss mindestens 1 sein\n',
  'The first rib is larger than the number of ribs\n': 'Die erste Rippe ist größer als die Anzahl der Rippen\n',
  'The last rib is larger than the number of ribs\n': 'Die letzte Rippe ist größer als die Anzahl der Rippen\n',
  'The first rib is larger than or equal to the last rib\n': 'Die erste Rippe ist größer als die letzte Rippe oder gleich\n',
  'Rib comb ': 'Rippenkamm ',
 },
 'DXFExportDialog': {
  'Export to DXF': 'Als DXF exportieren',
  'Output file': 'Ausgabedatei',
  'Output file:': 'Ausgabedatei:',
  '...': '...',
  'DXF Settings': 'DXF-Einstellungen',
  '<html><head/><body><p><span style=" font-weight:600;">Building Tabs</span></p><p>The specification of the location and dimension of building tabs can be done for each panel separately in the corresponding panel dialog.</p></body></html>':
    '<html><head/><body><p><span style=" font-weight:600;">Helling-Füßchen</span></p><p>Lage und Größe der Helling-Füßchen werden für jedes Segment einzeln in dessen Segment-Dialog festgelegt.</p></body></html>',
  H+'Draw a box around ribs (on own layer)'+E: H+'Einen Rahmen um die Rippen zeichnen (auf eigener Ebene)'+E,
  'Boxes around ribs': 'Rahmen um Rippen',
 },
 # Reasons the system gives for a failed file operation, passed on in
 # messages; worded as German systems word them.
 'DialogSeam': {
  'Not enough memory': 'Nicht genug Speicher',
  'There is not enough memory to show the file dialog.':
    'Zum Anzeigen des Dateidialogs ist nicht genug Speicher vorhanden.',
 },
 'FileErrorText': {
  'No such file or directory': 'Datei oder Ordner nicht gefunden',
  'Not a directory': 'Kein Ordner',
  'Is a directory': 'Ist ein Ordner',
  'Permission denied': 'Keine Berechtigung',
  'Operation not permitted': 'Vorgang nicht zulässig',
  'Read-only file system': 'Schreibgeschütztes Dateisystem',
  'No space left on device': 'Kein Platz mehr auf dem Datenträger',
  'Disk quota exceeded': 'Speicherkontingent überschritten',
  'File too large': 'Datei zu groß',
  'Too many open files': 'Zu viele offene Dateien',
  'Too many open files in system': 'Zu viele offene Dateien im System',
 },
 'FileManager': {
  'There is not enough memory for this step.':
    'Für diesen Schritt ist nicht genug Speicher vorhanden.',
  'There is not enough memory to open it.':
    'Zum Öffnen ist nicht genug Speicher vorhanden.',
  "There is not enough memory to save the document; the file '%1' is left as it was.":
    "Zum Speichern des Dokuments ist nicht genug Speicher vorhanden; die Datei '%1' bleibt, wie sie war.",
  'Save file as...': 'Datei speichern unter...',
  'Save file': 'Datei speichern',
  "The file '%1' already exists.\nDo you want to replace it?": "Die Datei '%1' existiert bereits.\nSoll sie ersetzt werden?",
  'Unsaved changes detected': 'Ungespeicherte Änderungen',
  "<p align='center'>Document contains unsaved changes.<br>Do you really want to close the document and lose your work?</p>":
    "<p align='center'>Das Dokument enthält ungespeicherte Änderungen.<br>Wollen Sie das Dokument wirklich schließen und Ihre Arbeit verwerfen?</p>",
  '&Yes, do it!': '&Ja, schließen!',
  '&No, save first!': '&Nein, erst speichern!',
  'Open file': 'Datei öffnen',
  'Error loading file': 'Fehler beim Laden',
  "Error loading file '%1'": "Fehler beim Laden der Datei '%1'",
  'Building the ribs of the document...': 'Die Rippen des Dokuments werden berechnet...',
  'Cancel': 'Abbrechen',
  'Opening document': 'Dokument wird geöffnet',
  'Undo': 'Rückgängig',
  'Redo': 'Wiederholen',
 },
 'LengthCalculator': {
  'Panel length calculator': 'Segmentlängen-Rechner',
  'Rib data': 'Rippendaten',
  '<html><head/><body><p align="justify">In this dialog, you can enter the desired rib data. After filling in<br/>these fields and pressing the OK button, the calculated data<br/>shall be entered into appropriate fields in the main dialog.</p><p>Please note, that you will still need to press the <span style=" font-style:italic;">Generate Ribs<br/></span>button on the <span style=" font-style:italic;">Ribs </span>page by yourself - just entering the data here<br/>does not automatically create the ribs!</p><p><br/></p></body></html>':
    '<html><head/><body><p align="justify">In diesem Dialog geben Sie die gewünschten Rippendaten ein. Nach dem Ausfüllen<br/>der Felder und einem Klick auf OK werden die berechneten Werte<br/>in die passenden Felder des Hauptdialogs übernommen.</p><p>Bitte beachten: Die Schaltfläche <span style=" font-style:italic;">Rippen erzeugen<br/></span>auf der Seite <span style=" font-style:italic;">Rippen </span>müssen Sie danach selbst drücken - die Eingabe hier<br/>erzeugt die Rippen nicht automatisch!</p><p><br/></p></body></html>',
  'Rib thickness:': 'Rippendicke:',
  'No. of ribs:': 'Anzahl Rippen:',
  'Distance between ribs:': 'Rippenabstand:',
  'Calculated panel length:': 'Berechnete Segmentlänge:',
  'mm': 'mm',
  H+'Valid range: 2 .. 150mm'+E: H+'Gültiger Bereich: 2 .. 150mm'+E,
  '-': '-',
 },
 'MainWindow': {
  "<p align='center'>Error creating file ": "<p align='center'>Fehler beim Anlegen der Datei ",
  'Error exporting to PDF': 'Fehler beim PDF-Export',
  'Ok': 'OK',
  '&Load': '&Laden',
  'Ctrl+L': 'Ctrl+L',
  '&Save': '&Speichern',
  'Ctrl+S': 'Ctrl+S',
  'E&xit': '&Beenden',
  'Ctrl+Q': 'Ctrl+Q',
  '&About Planformix': '&Über Planformix',
  '&Undo': '&Rückgängig',
  'Ctrl+Z': 'Ctrl+Z',
  '&Redo': '&Wiederholen',
  'Ctrl+Shift+Z': 'Ctrl+Shift+Z',
  '&New': '&Neu',
  'Ctrl+N': 'Ctrl+N',
  'Save &As': 'Speichern &unter',
  'Ctrl+Shift+S': 'Ctrl+Shift+S',
  '&Close': 'S&chließen',
  'Ctrl+W': 'Ctrl+W',
  'Use anti alias': 'Kantenglättung verwenden',
  'English': 'Englisch',
  'German': 'Deutsch',
  'Print / Export to PDF': 'Drucken / als PDF exportieren',
  'Ctrl+P': 'Ctrl+P',
  'Export to DXF': 'Als DXF exportieren',
  '&Minimize': '&Minimieren',
  'Ctrl+M': 'Ctrl+M',
  'Zoom': 'Maximieren',
  'Enter &Full Screen': '&Vollbild',
  'Exit &Full Screen': '&Vollbild beenden',
  'Ctrl+F': 'Ctrl+F',
  'Import &Airfoil (DAT or COR)': '&Profil importieren (DAT oder COR)',
  'Ctrl+A': 'Ctrl+A',
  '&File': '&Datei',
  '&Edit': '&Bearbeiten',
  'Language': 'Sprache',
  '&Window': '&Fenster',
  '&Help': '&Hilfe',
  'toolBar': 'Werkzeugleiste',
  'Anti Alias': 'Kantenglättung',
  '<html><head/><body><p>Modification to <em>anti alias</em> setting will become active after restart</p></body></html>':
    '<html><head/><body><p>Die geänderte Einstellung der <em>Kantenglättung</em> wirkt erst nach einem Neustart</p></body></html>',
 },
 'Panel': {
  ' (not found, defaulted to ': ' (nicht gefunden, ersetzt durch ',
 },
 'PanelBaseData': {
  'Name': 'Name',
  'Foil(*)': 'Profil(*)',
  'Length(*)': 'Länge(*)',
  'Root Chord(*)': 'Wurzeltiefe(*)',
  'Tip Chord(*)': 'Endtiefe(*)',
  'Sweep': 'Pfeilung',
  'Tip Twist': 'Schränkung',
  'Dihedral': 'V-Form',
 },
 'PanelCreationSelector': {
  'Copy method selection': 'Art der Kopie wählen',
  'Mirror copy (only spars at the connection rib)': 'Gespiegelte Kopie (nur Holme an der Verbindungsrippe)',
  'Only mirror the spars reaching out to the tip rib of the previous panel. All other spars will be ignored.':
    'Nur die Holme spiegeln, die bis zur Endrippe des vorigen Segments reichen. Alle anderen Holme werden übergangen.',
  'Direct (1:1) copy': 'Direkte Kopie (1:1)',
  'Make a direct 1:1 copy of the previous panel, with only the most basic adaptations. All spars are copied verbatim (as they are)':
    'Eine direkte 1:1-Kopie des vorigen Segments mit nur den nötigsten Anpassungen. Alle Holme werden unverändert übernommen',
  'Smart copy': 'Intelligente Kopie',
  'Spars reaching out to the tip of the source panel are mirrored around the connection rib. All other spars are directly copied.':
    'Holme, die bis zum Ende des Quellsegments reichen, werden an der Verbindungsrippe gespiegelt. Alle anderen Holme werden direkt kopiert.',
 },
 'PlaneDrawingArea': {
  "Plane not defined yet. Go to 'Plane Definition' tab and define a few panels...":
    "Noch kein Flugzeug definiert. Legen Sie auf der Seite 'Flugzeugdefinition' einige Segmente an...",
 },
 'DocumentLimits': {
  '%1 panels, where a plane may have at most %2 so that it opens within a few seconds.':
    '%1 Segmente, wo ein Flugzeug höchstens %2 haben darf, damit es sich in wenigen Sekunden öffnet.',
  '%1 ribs in all panels, where a plane may have at most %2 so that it opens within a few seconds and fits in memory.':
    '%1 Rippen in allen Segmenten, wo ein Flugzeug höchstens %2 haben darf, damit es sich in wenigen Sekunden öffnet und in den Speicher passt.',
  '%1 rib cuts (each spar, sheeting strip and rib comb cut into each rib of its panel), where a plane may have at most %2 so that it opens within a few seconds.':
    '%1 Rippenschnitte (jeder Holm, jeder Beplankungsstreifen und jeder Rippenkamm in jede Rippe seines Segments geschnitten), wo ein Flugzeug höchstens %2 haben darf, damit es sich in wenigen Sekunden öffnet.',
  '%2 ribs in panel %1, where a panel may have at most %3, since the ribs of one panel are built one after the other.':
    '%2 Rippen in Segment %1, wo ein Segment höchstens %3 haben darf, da die Rippen eines Segments nacheinander erzeugt werden.',
  '%2 spars, %3 sheeting strips and %4 rib combs in panel %1, where a panel may have at most %5 of each, since each is cut into every rib of the panel one after the other.':
    '%2 Holme, %3 Beplankungsstreifen und %4 Rippenkämme in Segment %1, wo ein Segment höchstens %5 von jedem haben darf, da jeder nacheinander in jede Rippe des Segments geschnitten wird.',
  '%1 rib cuts of sheeting strips under advanced covering, where a plane may have at most %2, since each takes several times the time and memory of another cut.':
    '%1 Rippenschnitte von Beplankungsstreifen unter erweiterter Beplankung, wo ein Flugzeug höchstens %2 haben darf, da jeder ein Mehrfaches an Zeit und Speicher eines anderen Schnitts braucht.',
  'Plane too large': 'Flugzeug zu groß',
  'This would make the plane too large: %1': 'Damit würde das Flugzeug zu groß: %1',
 },
 'PlaneModel': {
  'A name in the document is longer than %1 characters.':
    'Ein Name im Dokument ist länger als %1 Zeichen.',
  'Panel %1: a name is longer than %2 characters.':
    'Segment %1: ein Name ist länger als %2 Zeichen.',
  'The plane cannot be shown: there is not enough memory to build it. The document is kept as it was and can be saved. To show it again, free memory, then use Undo and Redo or open the file again.':
    'Das Flugzeug kann nicht angezeigt werden: zum Aufbauen ist nicht genug Speicher vorhanden. Das Dokument bleibt, wie es war, und kann gespeichert werden. Um es wieder anzuzeigen, Speicher freigeben und dann Rückgängig und Wiederherstellen verwenden oder die Datei erneut öffnen.',
  "There is not enough memory to write the DXF file '%1'; it is left as it was.":
    "Zum Schreiben der DXF-Datei '%1' ist nicht genug Speicher vorhanden; sie bleibt, wie sie war.",
  'DXF drawing written to %1': 'DXF-Zeichnung geschrieben: %1',
  'New Plane': 'Neues Flugzeug',
  'Export to DXF': 'Als DXF exportieren',
  'Writing the DXF drawing...': 'Die DXF-Zeichnung wird geschrieben...',
  'Document not saved': 'Dokument nicht gespeichert',
  'The document is not saved, because it would not open again: %1':
    'Das Dokument wird nicht gespeichert, da es sich nicht wieder öffnen ließe: %1',
  'The file cannot be read: %1': 'Die Datei kann nicht gelesen werden: %1',
  'The file cannot be read.': 'Die Datei kann nicht gelesen werden.',
  'There is not enough memory to build this document.':
    'Für den Aufbau dieses Dokuments ist nicht genug Speicher vorhanden.',
  'Another document is being opened.': 'Es wird gerade ein anderes Dokument geöffnet.',
  'The document is of version %1; this program reads version %2.':
    'Das Dokument hat die Version %1; dieses Programm liest Version %2.',
  'The file is not a document of this program, or it is damaged.':
    'Die Datei ist kein Dokument dieses Programms, oder sie ist beschädigt.',
  'Panel %1: its length or a chord is out of range.': 'Segment %1: Länge oder Profiltiefe liegt außerhalb des Bereichs.',
  'Panel %1: its sweep, twist or dihedral is out of range.':
    'Segment %1: Pfeilung, Schränkung oder V-Form liegt außerhalb des Bereichs.',
  'Panel %1: its rib thickness or an airfoil factor is out of range.':
    'Segment %1: Rippendicke oder ein Profilfaktor liegt außerhalb des Bereichs.',
  'Panel %1: a size of a spar, strip, comb, edge or covering is out of range.':
    'Segment %1: ein Maß eines Holms, Streifens, Kamms, einer Kante oder Beplankung liegt außerhalb des Bereichs.',
  'Panel %1: a rib position or thickness is out of range.':
    'Segment %1: eine Rippenposition oder -dicke liegt außerhalb des Bereichs.',
  'A number in the document is not finite.': 'Eine Zahl im Dokument ist nicht endlich.',
  "Can't create file": 'Datei kann nicht angelegt werden',
  "Can't create file '%1' for writing: %2": "Die Datei '%1' kann nicht zum Schreiben angelegt werden: %2",
  'the document could not be encoded': 'das Dokument konnte nicht kodiert werden',
  "Can't write file": 'Datei kann nicht geschrieben werden',
  "Can't write into specified file: %1": 'In die angegebene Datei kann nicht geschrieben werden: %1',
  'File exists': 'Datei existiert',
  'File ': 'Die Datei ',
  ' already exists - overwrite?': ' existiert bereits - überschreiben?',
  "Can't create DXF file": 'DXF-Datei kann nicht angelegt werden',
  "Can't create DXF file '": "Die DXF-Datei '",
  "' for writing: ": "' kann nicht zum Schreiben angelegt werden: ",
  "Can't write DXF file": 'DXF-Datei kann nicht geschrieben werden',
  "Can't write DXF file '": "Die DXF-Datei kann nicht geschrieben werden: '",
  'Incomplete DXF file': 'Unvollständige DXF-Datei',
  "Parts with invalid coordinates were left out of the DXF file '": "Teile mit ungültigen Koordinaten wurden in der DXF-Datei ausgelassen: '",
  "': ": "': ",
  "', Spar name: '": "', Holm: '",
  ', thickness: ': ', Dicke: ',
  'mm': 'mm',
 },
 'PlaneSummaryArea': {
  'N/A': 'k. A.',
 },
 'PlanformPrinter': {
  ' - left wing': ' - linker Flügel',
  ' - right wing': ' - rechter Flügel',
  ': Page (': ': Seite (',
 },
 'PrintDialog': {
  'Print / Export to PDF': 'Drucken / als PDF exportieren',
  'Printer': 'Drucker',
  'Name:': 'Name:',
  'Location:': 'Standort:',
  'Type:': 'Typ:',
  'Description:': 'Beschreibung:',
  'Output file:': 'Ausgabedatei:',
  '...': '...',
  'Paper': 'Papier',
  'Page size:': 'Seitenformat:',
  '210mm': '210mm',
  'x': 'x',
  '297mm': '297mm',
  'Settings': 'Einstellungen',
  'Margins': 'Ränder',
  'mm': 'mm',
  'Layout': 'Ausrichtung',
  'Portrait': 'Hochformat',
  'Landscape': 'Querformat',
  'Print to file (PDF)': 'In Datei drucken (PDF)',
  'QT PDF driver': 'QT-PDF-Treiber',
  'Open file for printing': 'Datei zum Drucken öffnen',
 },
 'PrintJob': {
  'there is not enough memory for the printout':
    'für den Ausdruck ist nicht genug Speicher vorhanden',
  'PDF written to %1': 'PDF geschrieben: %1',
  "Can't print": 'Drucken nicht möglich',
  "<p align='center'>The paper leaves a printable area of %1 x %2 mm after the margins.<br>At least %3 x %4 mm are needed; please choose smaller margins or a larger paper size.</p>":
    "<p align='center'>Nach Abzug der Ränder bleibt auf dem Papier eine druckbare Fläche von %1 x %2 mm.<br>Nötig sind mindestens %3 x %4 mm; bitte kleinere Ränder oder ein größeres Papierformat wählen.</p>",
  'the output cannot be opened': 'die Ausgabe kann nicht geöffnet werden',
  'the file could not be written completely': 'die Datei konnte nicht vollständig geschrieben werden',
  'Print / Export to PDF': 'Drucken / als PDF exportieren',
  'Printing the pages...': 'Die Seiten werden gedruckt...',
 },
 'OutputProgress': {
  'Cancel': 'Abbrechen',
 },
 'PrintPage': {
  'Designed with ': 'Entworfen mit ',
 },
 'QObject': {
  'in': 'in',
  ' files (*.pfz)': '-Dateien (*.pfz)',
 },
 'RibCombData': {
  'New comb': 'Neuer Kamm',
  'Name': 'Name',
  'Comb type': 'Kammart',
  'First rib': 'Erste Rippe',
  'Last rib': 'Letzte Rippe',
  'Above': 'Oben',
  'Below': 'Unten',
 },
 'RibDefinition': {
  'Position (mm)': 'Position (mm)',
  'Thickness (mm)': 'Dicke (mm)',
 },
 'RibListTableModel': {
  'Error in ribs table': 'Fehler in der Rippentabelle',
  'Rib #': 'Rippe Nr.',
  'First rib must be on position 0.\n': 'Die erste Rippe muss auf Position 0 liegen.\n',
  'Rib ': 'Rippe ',
  ' overlaps with the rib ': ' überlappt die Rippe ',
  '.\n': '.\n',
  'Last rib position + thickness must equal panel length.\n': 'Position + Dicke der letzten Rippe müssen die Segmentlänge ergeben.\n',
  '\n(possible additional error messages suppressed)': '\n(weitere Fehlermeldungen werden unterdrückt)',
 },
 'RibSheetPrinter': {
  'Ribs for panel #': 'Rippen für Segment Nr. ',
  "Can't print to PDF": 'PDF-Ausgabe nicht möglich',
  "<p align='center'>Paper height is smaller than what is necessary for one rib.<br>": "<p align='center'>Das Papier ist niedriger, als eine Rippe es braucht.<br>",
  'Please try re-orienting the paper or choosing a different paper size</p>': 'Bitte die Ausrichtung des Papiers ändern oder ein anderes Papierformat wählen</p>',
  'P': 'S',
  '_R': '_R',
  ', thickness: ': ', Dicke: ',
  'mm': 'mm',
  ' (part ': ' (Teil ',
 },
 'SheetingStripTableModel': {
  'Error in sheeting table': 'Fehler in der Beplankungstabelle',
  'Strip #': 'Streifen Nr.',
  'The first rib must be at least 1\n': 'Die erste Rippe muss mindestens 1 sein\n',
  'The first rib is larger than the number of ribs\n': 'Die erste Rippe ist größer als die Anzahl der Rippen\n',
  'The last rib is larger than the number of ribs\n': 'Die letzte Rippe ist größer als die Anzahl der Rippen\n',
  'The first rib is larger than the last rib\n': 'Die erste Rippe ist größer als die letzte Rippe\n',
  'Sheeting strip ': 'Beplankungsstreifen ',
 },
 'InputValueType': {
  'Enter a text.': 'Bitte einen Text eingeben.',
  'Enter a whole number of 0 or more.': 'Bitte eine ganze Zahl ab 0 eingeben.',
  'Enter a whole number of 1 or more.': 'Bitte eine ganze Zahl ab 1 eingeben.',
  'Enter a whole number of 2 or more.': 'Bitte eine ganze Zahl ab 2 eingeben.',
  'Enter a number of 0 or more.': 'Bitte eine Zahl ab 0 eingeben.',
  'Enter a number above 0.': 'Bitte eine Zahl größer als 0 eingeben.',
  'Enter a number.': 'Bitte eine Zahl eingeben.',
  'Enter a number from %1 to %2.': 'Bitte eine Zahl von %1 bis %2 eingeben.',
  'Enter a whole number from %1 to %2.': 'Bitte eine ganze Zahl von %1 bis %2 eingeben.',
 },
 'XDoubleSpinBox': {
  'Enter a whole number from %1 to %2.': 'Bitte eine ganze Zahl von %1 bis %2 eingeben.',
  'Enter a number from %1 to %2 with at most %3 decimals.':
    'Bitte eine Zahl von %1 bis %2 mit höchstens %3 Nachkommastellen eingeben.',
 },
 'VisualisationButtons': {
  'Form': 'Form',
  H+'Top view'+E: H+'Draufsicht'+E,
  '...': '...',
  H+'Left view'+E: H+'Ansicht von links'+E,
  H+'Front view'+E: H+'Vorderansicht'+E,
  H+'Angled view'+E: H+'Schrägansicht'+E,
  H+'Bottom view'+E: H+'Untersicht'+E,
  H+'Right view'+E: H+'Ansicht von rechts'+E,
  H+'Rear view'+E: H+'Rückansicht'+E,
 },
}

GERMAN['MainWindow'].update({
  H+'Open existing document'+E: H+'Vorhandenes Dokument öffnen'+E,
  H+'Save the active document'+E: H+'Das aktive Dokument speichern'+E,
  H+'Create a new plane'+E: H+'Ein neues Flugzeug anlegen'+E,
  H+'Save the active document under different name'+E: H+'Das aktive Dokument unter anderem Namen speichern'+E,
  H+'Close the current document'+E: H+'Das aktuelle Dokument schließen'+E,
  H+'Use anti alias (if available - requires restart)'+E: H+'Kantenglättung verwenden (falls verfügbar - wirkt nach Neustart)'+E,
  H+'Import an existing airfoil (DAT file)'+E: H+'Ein vorhandenes Profil importieren (DAT-Datei)'+E,
  'Unknown file type': 'Unbekannter Dateityp',
  "Selected file is of unknown type '": "Die gewählte Datei hat einen unbekannten Typ: '",
  'Invalid file': 'Ungültige Datei',
  'Selected file does not contain valid coordinate data': 'Die gewählte Datei enthält keine gültigen Koordinaten',
  'File exists': 'Datei existiert',
  'File ': 'Die Datei ',
  ' already exists - overwrite?': ' existiert bereits - überschreiben?',
  'Airfoil exists': 'Profil existiert',
  "Airfoil with the name '": "Ein Profil mit dem Namen '",
  "' already exists! Please choose a different name.": "' existiert bereits! Bitte einen anderen Namen wählen.",
  'Airfoils not found': 'Profile nicht gefunden',
  'The airfoil library lacks airfoils this document names. Until they are added to it, these panels are cut from another section; the document keeps the names it was saved with.':
    'Der Profilbibliothek fehlen Profile, die dieses Dokument nennt. Bis sie ihr hinzugefügt sind, werden diese Segmente aus einem anderen Profil geschnitten; das Dokument behält die Namen, mit denen es gespeichert wurde.',
  "Panel '%1', root: '%2' is cut as '%3'": "Segment '%1', Wurzel: '%2' wird als '%3' geschnitten",
  "Panel '%1', tip: '%2' is cut as '%3'": "Segment '%1', Ende: '%2' wird als '%3' geschnitten",
  'no section': 'kein Profil',
  'File in use': 'Datei in Gebrauch',
  "The file %1 holds the airfoil '%2' of the library, which would be lost at the next start. Please choose a different file name.":
    "Die Datei %1 enthält das Profil '%2' der Profilbibliothek, das beim nächsten Start verloren wäre. Bitte einen anderen Dateinamen wählen.",
  "File %1 already exists and holds the airfoil '%2', which is not in the library and would be lost - overwrite?":
    "Die Datei %1 existiert bereits und enthält das Profil '%2', das nicht in der Profilbibliothek ist und verloren ginge - überschreiben?",
})

GERMAN['QObject'].update({
  'Open airfoil file for import': 'Profildatei zum Importieren öffnen',
  'All files (*.*);;DAT (*.dat);;CompuFoil (*.cor)': 'Alle Dateien (*.*);;DAT (*.dat);;CompuFoil (*.cor)',
})

GERMAN['Planformix'] = {
  'Planformix': 'Planformix',
  'Plane Definition': 'Flugzeugdefinition',
  'Definitions (Overview)': 'Definitionen (Übersicht)',
  'Wing Panels': 'Flügelsegmente',
  H+'This window contains all panels defined so far. To add a new panel, press the &quot;<span style=" font-style:italic;">Add</span>&quot; button. To edit an existing panel, select it and press &quot;<span style=" font-style:italic;">Edit</span>&quot;, or double-click on one of the values in the table. To delete a panel, select it and press the &quot;<span style=" font-style:italic;">Delete</span>&quot; button.</p><p>Columns marked with (*) are not directly editable in this table. Please use the &quot;<span style=" font-style:italic;">Edit</span>&quot; button to modify these values.'+E:
    H+'Hier stehen alle bisher definierten Segmente. Ein neues Segment legen Sie mit &quot;<span style=" font-style:italic;">Hinzufügen</span>&quot; an. Zum Bearbeiten wählen Sie ein Segment und drücken &quot;<span style=" font-style:italic;">Bearbeiten</span>&quot; oder doppelklicken auf einen Wert der Tabelle. Zum Löschen wählen Sie ein Segment und drücken &quot;<span style=" font-style:italic;">Löschen</span>&quot;.</p><p>Mit (*) markierte Spalten lassen sich in dieser Tabelle nicht direkt ändern. Bitte verwenden Sie dafür &quot;<span style=" font-style:italic;">Bearbeiten</span>&quot;.'+E,
  H+'Delete selected panel'+E: H+'Gewähltes Segment löschen'+E,
  'Delete': 'Löschen',
  H+'Add a new panel at the end of the wing'+E: H+'Ein neues Segment am Ende des Flügels anfügen'+E,
  'Add': 'Hinzufügen',
  H+'Edit selected panel'+E: H+'Gewähltes Segment bearbeiten'+E,
  'Edit': 'Bearbeiten',
  H+'Move selected panel one position higher'+E: H+'Gewähltes Segment eine Stelle nach oben schieben'+E,
  'Move': 'Verschieben',
  H+'Move selected panel one position lower'+E: H+'Gewähltes Segment eine Stelle nach unten schieben'+E,
  'Horizontal Stabilizer': 'Höhenleitwerk',
  '(future extension)': '(künftige Erweiterung)',
  'Vertical Stabilizer': 'Seitenleitwerk',
  'Fuselage': 'Rumpf',
  'Wing View (automatic symmetry)': 'Flügelansicht (automatisch symmetrisch)',
  H+'You can rotate this view with the mouse (use the right mouse button or hold CTRL to additionally slow down the rotation). If you hold the <span style=" font-style:italic;">SHIFT</span> while moving the mouse, the view is panned instead of rotated. Mouse wheel zooms in / out.</p><p>Double-click resets the view to its\' default state.<br/>'+E:
    H+'Diese Ansicht lässt sich mit der Maus drehen (mit der rechten Maustaste oder gehaltener STRG-Taste langsamer). Mit gehaltener <span style=" font-style:italic;">UMSCHALT</span>-Taste wird die Ansicht verschoben statt gedreht. Das Mausrad vergrößert und verkleinert.</p><p>Ein Doppelklick stellt die Ausgangsansicht wieder her.<br/>'+E,
  'Visualisation Options': 'Darstellung',
  'Sheeting': 'Beplankung',
  'Ribs': 'Rippen',
  'Spars': 'Holme',
  'Trailing edge': 'Endleiste',
  'Leading edge': 'Nasenleiste',
  'Axes': 'Achsen',
  'Wing halves dist.:': 'Abstand Flügelhälften:',
  'Rib Combs': 'Rippenkämme',
  H+'Distance between the wing halves. Valid range is between -30 and 300 millimeter.'+E:
    H+'Abstand zwischen den Flügelhälften. Gültig sind -30 bis 300 Millimeter.'+E,
  'mm': 'mm',
  'Transparency:': 'Transparenz:',
  'View Presets': 'Blickrichtungen',
  'Summary': 'Übersicht',
  'Plane - Main View': 'Flugzeug - Hauptansicht',
  'Plane Data': 'Flugzeugdaten',
  'Plane Name:': 'Flugzeugname:',
  'Wing Span:': 'Spannweite:',
  'Wing Area:': 'Flügelfläche:',
  'Chord Length:': 'Profiltiefe:',
  'TaIl Volume:': 'Leitwerksvolumen:',
  'Fuselage Length:': 'Rumpflänge:',
  'Main Wing Position:': 'Lage des Tragflügels:',
  'Units': 'Einheiten',
  '&mm': '&mm',
  'Alt+M': 'Alt+M',
  '&dm': '&dm',
  'Alt+D': 'Alt+D',
  '&in': '&in',
  'Alt+I': 'Alt+I',
  'Options': 'Optionen',
  H+'Consider the dihedral angle in the visualisation and in the calculation of the wing data.'+E:
    H+'Die V-Form in der Darstellung und in der Berechnung der Flügeldaten berücksichtigen.'+E,
  'Consider dihedral': 'V-Form berücksichtigen',
}

_SPAR_IN_RIB = 'Meaningful value range is the one where the spar is contained within the rib. Please make sure by visual inspection that the spar actually is within the rib.'
_SPAR_IN_RIB_DE = 'Sinnvoll sind Werte, bei denen der Holm innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Holm tatsächlich in der Rippe liegt.'
_STRIP_IN_RIB = 'Meaningful value range is the one where the strip is contained within the rib. Please make sure by visual inspection that the strip actually is within the rib.'
_STRIP_IN_RIB_DE = 'Sinnvoll sind Werte, bei denen der Streifen innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass der Streifen tatsächlich in der Rippe liegt.'
_ROTATE = 'You can rotate this view with the mouse (use the right mouse button or hold CTRL to additionally slow down the rotation). If you hold the SHIFT while moving the mouse, the view is panned instead of rotated. Mouse wheel zooms in / out.</p><p>Double-click resets the view to its\' default state.</p><p>'
_ROTATE_DE = 'Diese Ansicht lässt sich mit der Maus drehen (mit der rechten Maustaste oder gehaltener STRG-Taste langsamer). Mit gehaltener UMSCHALT-Taste wird die Ansicht verschoben statt gedreht. Das Mausrad vergrößert und verkleinert.</p><p>Ein Doppelklick stellt die Ausgangsansicht wieder her.</p><p>'
_INVALIDATE = 'WARNING: changing this value after the ribs are alredy defined will invalidate the rib definition specified for this panel!'
_INVALIDATE_DE = 'ACHTUNG: Eine Änderung dieses Werts, nachdem die Rippen schon definiert sind, macht die Rippendefinition dieses Segments ungültig!'

GERMAN['WingPanelDialog'] = {
  'Wing panel definition': 'Flügelsegment definieren',
  'Panel Data': 'Segmentdaten',
  'Base Data': 'Grunddaten',
  'Panel ID:': 'Segment-ID:',
  'Name:': 'Name:',
  'Length(*):': 'Länge(*):',
  H+_INVALIDATE+E: H+_INVALIDATE_DE+E,
  H+_INVALIDATE+'</p><p>Valid range: 10..5000mm'+E: H+_INVALIDATE_DE+'</p><p>Gültiger Bereich: 10..5000mm'+E,
  'mm': 'mm',
  H+'Calculate the length from desired rib parameters (thickness, distance, amount)'+E:
    H+'Die Länge aus den gewünschten Rippendaten berechnen (Dicke, Abstand, Anzahl)'+E,
  '...': '...',
  'Root chord:': 'Wurzeltiefe:',
  H+'Valid range: 10..2000mm'+E: H+'Gültiger Bereich: 10..2000mm'+E,
  'Tip chord:': 'Endtiefe:',
  H+'Valid range: 1..1000mm'+E: H+'Gültiger Bereich: 1..1000mm'+E,
  'Sweep:': 'Pfeilung:',
  H+'Valid range: -2500..2500mm'+E: H+'Gültiger Bereich: -2500..2500mm'+E,
  H+'Make the leading edge of this panel be in line with the leading edge of the previous panel (straighten the edges of this panel and the previous one)'+E:
    H+'Die Nasenleiste dieses Segments in eine Linie mit der Nasenleiste des vorigen Segments bringen (die Kanten beider Segmente begradigen)'+E,
  '(deg)': '(Grad)',
  'Tip twist:': 'Schränkung:',
  H+'Valid range: -7..7deg'+E: H+'Gültiger Bereich: -7..7 Grad'+E,
  'deg': 'Grad',
  'Dihedral:': 'V-Form:',
  H+'Valid range: -90..90deg. This value defines the total dihedral between this panel and the adjacent (previous) one.'+E:
    H+'Gültiger Bereich: -90..90 Grad. Der Wert ist die gesamte V-Form zwischen diesem und dem angrenzenden (vorigen) Segment.'+E,
  H+'(*) WARNING: changing this value will invalidate eventually already defined ribs!'+E:
    H+'(*) ACHTUNG: Eine Änderung dieses Werts macht bereits definierte Rippen ungültig!'+E,
  H+'Modifications to the <span style=" font-style:italic;">Length</span> setting will become visible after the ribs are (re)generated (see tab &quot;<span style=" font-style:italic;">Ribs</span>&quot;). Modifications to the <span style=" font-style:italic;">Dihedral</span> setting will affect the main wing view.'+E:
    H+'Änderungen der <span style=" font-style:italic;">Länge</span> werden sichtbar, sobald die Rippen (neu) erzeugt sind (siehe Seite &quot;<span style=" font-style:italic;">Rippen</span>&quot;). Änderungen der <span style=" font-style:italic;">V-Form</span> wirken auf die Hauptansicht des Flügels.'+E,
  'Airfoil': 'Profil',
  H+'Selecting this allows you to choose an airfoil to be used for the root rib from the airfoil list.'+E:
    H+'Damit wählen Sie aus der Profilliste das Profil der Wurzelrippe.'+E,
  'Root rib:': 'Wurzelrippe:',
  H+'Thickness modification factor. This is only meant for quick adjustments. Please use the dialog <span style=" font-weight:600; font-style:italic;">File-&gt;Import Airfoil</span> for more advanced airfoil modifications.'+E:
    H+'Faktor für die Profildicke, nur für schnelle Anpassungen gedacht. Weitergehende Änderungen am Profil bitte über <span style=" font-weight:600; font-style:italic;">Datei-&gt;Profil importieren</span>.'+E,
  H+'Selecting this allows you to choose an airfoil to be used for the tip rib from the airfoil list.'+E:
    H+'Damit wählen Sie aus der Profilliste das Profil der Endrippe.'+E,
  'Tip rib:': 'Endrippe:',
  '<same as root>': '<wie Wurzel>',
  H+'Remove selection - make the tip airfoil the same as the root airfoil'+E:
    H+'Auswahl aufheben - das Endprofil gleicht dem Wurzelprofil'+E,
  'Extra settings': 'Weitere Einstellungen',
  "Don't align ribs": 'Rippen nicht ausrichten',
  H+'Match the highest points of the ribs within this panel. This option makes the wing look perfectly horizonal, except for the effects of tip twist and dihedral.'+E:
    H+'Die höchsten Punkte der Rippen dieses Segments angleichen. Damit wirkt der Flügel, abgesehen von Schränkung und V-Form, vollkommen waagrecht.'+E,
  'Top align ribs': 'Rippen oben ausrichten',
  'Bottom align ribs': 'Rippen unten ausrichten',
  'Data': 'Daten',
  'Max. thickness at:': 'Größte Dicke bei:',
  '???': '???',
  'Thickness:': 'Dicke:',
  'Camber:': 'Wölbung:',
  'Max CL:': 'Max. CA:',
  'Max CL angle:': 'Winkel max. CA:',
  'Max LD:': 'Max. Gleitzahl:',
  'Max LD angle:': 'Winkel max. Gleitzahl:',
  'Stall angle:': 'Abrisswinkel:',
  'Zero-lift angle:': 'Nullauftriebswinkel:',
  'Filter:': 'Filter:',
  H+'Filter for the airfoils in the list below.'+E: H+'Filter für die Profile der Liste darunter.'+E,
  'Ribs': 'Rippen',
  'Panel Ribs': 'Rippen des Segments',
  'Rib thickness:': 'Rippendicke:',
  H+'Thickness of a single rib. This value can later be adapted for each rib separately.'+E:
    H+'Dicke einer einzelnen Rippe. Der Wert lässt sich später für jede Rippe einzeln anpassen.'+E,
  'No. of ribs(*):': 'Anzahl Rippen(*):',
  H+'Number of ribs to be created after you press the &quot;<span style=" font-style:italic;">Generate ribs</span>&quot; button below.'+E:
    H+'Anzahl der Rippen, die &quot;<span style=" font-style:italic;">Rippen erzeugen</span>&quot; darunter anlegt.'+E,
  'Generate ribs': 'Rippen erzeugen',
  '(WARNING: overrides manual settings)': '(ACHTUNG: ersetzt manuelle Einstellungen)',
  H+'(*) This parameter is only used for generation of new ribs. Manual modifications to the rib list may invalidate it parameter.'+E:
    H+'(*) Dieser Wert dient nur zum Erzeugen neuer Rippen. Manuelle Änderungen der Rippenliste können ihn ungültig machen.'+E,
  'Single rib view (can be teared off)': 'Einzelrippe (abtrennbar)',
  H+'2D view of the selected rib. Double-click on the title to tear off this view for free positioning on the screen.'+E:
    H+'2D-Ansicht der gewählten Rippe. Ein Doppelklick auf den Titel löst die Ansicht ab, sodass sie frei auf dem Bildschirm stehen kann.'+E,
  '2D Rib View': '2D-Rippenansicht',
  H+"2D view of the rib. You can zoom in / out with the help of the mouse wheel. Holding SHIFT + left mouse button pans the view. Double-click resets the view to its' standard position."+E:
    H+'2D-Ansicht der Rippe. Das Mausrad vergrößert und verkleinert. UMSCHALT + linke Maustaste verschiebt die Ansicht. Ein Doppelklick stellt die Ausgangsansicht wieder her.'+E,
  'Building Tabs': 'Helling-Füßchen',
  H+'Draw building tabs on the upper side of the rib'+E: H+'Helling-Füßchen an der Oberseite der Rippe zeichnen'+E,
  'Above': 'Oben',
  H+'Draw building tabs on the lower side of the rib'+E: H+'Helling-Füßchen an der Unterseite der Rippe zeichnen'+E,
  'Below': 'Unten',
  'From LE:': 'Ab Nasenleiste:',
  H+'Range: 2..80mm'+E: H+'Bereich: 2..80mm'+E,
  'From TE:': 'Ab Endleiste:',
  'Width:': 'Breite:',
  H+'Range: 5..15mm'+E: H+'Bereich: 5..15mm'+E,
  'Ribs (can be teared off)': 'Rippen (abtrennbar)',
  H+'Table containing all defined ribs. Double-click on the title to tear off this view for free positioning on the screen.'+E:
    H+'Tabelle aller definierten Rippen. Ein Doppelklick auf den Titel löst die Ansicht ab, sodass sie frei auf dem Bildschirm stehen kann.'+E,
  'Rib table': 'Rippentabelle',
  'You can add / remove ribs by means of a context menu (right mouse click)': 'Rippen fügen Sie über das Kontextmenü (rechte Maustaste) hinzu oder entfernen sie',
  'Spars': 'Holme',
  'You can add / remove spars by means of a context menu (right mouse click)': 'Holme fügen Sie über das Kontextmenü (rechte Maustaste) hinzu oder entfernen sie',
  'Distance from ': 'Abstand von ',
  H+'Measure from the leading edge.'+E: H+'Von der Nasenleiste aus messen.'+E,
  'LE': 'NL',
  H+'Measure from the trailing edge.'+E: H+'Von der Endleiste aus messen.'+E,
  'TE:': 'EL:',
  H+'The position of the spar with respect to the first rib (spar start point)</p><p>'+_SPAR_IN_RIB+E:
    H+'Die Lage des Holms an der ersten Rippe (Anfang des Holms)</p><p>'+_SPAR_IN_RIB_DE+E,
  H+'Measure in percentage of the rib. 0% is exactly on the leading resp. trailing edge, depending on the selection above.'+E:
    H+'In Prozent der Rippe messen. 0% liegt genau auf der Nasen- bzw. Endleiste, je nach Auswahl darüber.'+E,
  '%': '%',
  H+'Measure in millimeters. 0mm is exactly on the leading respectively on the trailing edge, depending on the selection above.'+E:
    H+'In Millimetern messen. 0mm liegt genau auf der Nasen- bzw. Endleiste, je nach Auswahl darüber.'+E,
  H+'Use different values for the spar position for the first and for the last rib.'+E:
    H+'Für die erste und die letzte Rippe verschiedene Holmlagen verwenden.'+E,
  'Separate end': 'Eigenes Ende',
  H+'The position of the spar with respect to the last rib (spar end point). This value is used if &quot;<span style=" font-style:italic;">Separate end</span>&quot; is also ticked.</p><p>'+_SPAR_IN_RIB+E:
    H+'Die Lage des Holms an der letzten Rippe (Ende des Holms). Der Wert gilt, wenn auch &quot;<span style=" font-style:italic;">Eigenes Ende</span>&quot; angekreuzt ist.</p><p>'+_SPAR_IN_RIB_DE+E,
  'Radius:': 'Radius:',
  H+'Radius of the spar. '+_SPAR_IN_RIB+E: H+'Radius des Holms. '+_SPAR_IN_RIB_DE+E,
  'Offset Y Start:': 'Versatz Y Anfang:',
  H+'Offset in millimeter along the Y axis (transversal to the rib), at the beginning of the spar. Useful e.g. when specifying round leading edge.'+E:
    H+'Versatz in Millimetern längs der Y-Achse (quer zur Rippe) am Anfang des Holms. Nützlich z. B. für eine runde Nasenleiste.'+E,
  'Offset Y End:': 'Versatz Y Ende:',
  H+"Offset in millimeter along the Y axis (vertical to the rib's mid line), at the end of the spar. Useful e.g. when specifying round leading edge."+E:
    H+'Versatz in Millimetern längs der Y-Achse (senkrecht zur Mittellinie der Rippe) am Ende des Holms. Nützlich z. B. für eine runde Nasenleiste.'+E,
  'Angle (deg):': 'Winkel (Grad):',
  '-': '-',
  '(': '(',
  H+'Press here to automatically set this spar at 90 degrees)'+E: H+'Hier klicken, um den Holm auf 90 Grad zu stellen)'+E,
  H+'To obtain a 90 degrees angle, please enter this value in millimeters as a &quot;separate end position&quot;'+E:
    H+'Für einen Winkel von 90 Grad diesen Wert in Millimetern als &quot;eigene Endlage&quot; eingeben'+E,
  'for 90 deg:': 'für 90 Grad:',
  'mm)': 'mm)',
  H+'Measure in millimeters. 0mm is exactly on the leading edge.'+E: H+'In Millimetern messen. 0mm liegt genau auf der Nasenleiste.'+E,
  H+_SPAR_IN_RIB+E: H+_SPAR_IN_RIB_DE+E,
  H+'Adapt the width of the spar according to the rib length. For example, if a spar spans ribs A to B, and B is only half as long as A, then the width of the spar at the rib B will also be half the width of the spar at the rib A.'+E:
    H+'Die Breite des Holms der Rippenlänge anpassen. Reicht ein Holm z. B. von Rippe A bis B und ist B nur halb so lang wie A, dann ist der Holm an Rippe B auch nur halb so breit wie an Rippe A.'+E,
  'Auto adjust': 'Automatisch anpassen',
  'Height:': 'Höhe:',
  H+'Make the cut into the rib vertical instead of perpendicular'+E: H+'Den Ausschnitt in der Rippe senkrecht statt rechtwinklig zur Oberfläche schneiden'+E,
  'Vertical cut': 'Senkrechter Schnitt',
  'Gap (fore):': 'Spalt (vorn):',
  H+'Make the slot in the rib wider (in the direction of the leading edge)'+E: H+'Den Schlitz in der Rippe verbreitern (zur Nasenleiste hin)'+E,
  'Gap (aft):': 'Spalt (hinten):',
  H+'Make the slot in the rib wider (in the direction of the trailing edge)'+E: H+'Den Schlitz in der Rippe verbreitern (zur Endleiste hin)'+E,
  'Spar position': 'Lage des Holms',
  H+'Add this spar at the top side of the rib.'+E: H+'Den Holm an der Oberseite der Rippe anbringen.'+E,
  'Top': 'Oben',
  H+'Add this spar at the bottom side of the rib.'+E: H+'Den Holm an der Unterseite der Rippe anbringen.'+E,
  'Bottom': 'Unten',
  'Associated webbing': 'Zugehöriger Holmsteg',
  'None': 'Keiner',
  'Middle': 'Mitte',
  'In front': 'Davor',
  'Behind': 'Dahinter',
  'Box': 'Kasten',
  H+'If ticked, &quot;<span style=" font-style:italic;">In front</span>&quot;, &quot;<span style=" font-style:italic;">Behind</span>&quot; and &quot;<span style=" font-style:italic;">Box</span>&quot; webbings will be placed between the bordering rectangular spars instead of in front of resp. behind them.'+E:
    H+'Wenn angekreuzt, stehen die Holmstege &quot;<span style=" font-style:italic;">Davor</span>&quot;, &quot;<span style=" font-style:italic;">Dahinter</span>&quot; und &quot;<span style=" font-style:italic;">Kasten</span>&quot; zwischen den angrenzenden Rechteckholmen statt vor bzw. hinter ihnen.'+E,
  'Inside': 'Innen',
  'From rib:': 'Von Rippe:',
  H+'The rib where the associated webbing shall start. Valid range: from 1 (the first rib of this panel) to N-1 (the last rib of this panel minus 1).'+E:
    H+'Die Rippe, an der der Holmsteg beginnt. Gültig: von 1 (erste Rippe dieses Segments) bis N-1 (letzte Rippe dieses Segments minus 1).'+E,
  'To rib:': 'Bis Rippe:',
  H+'The rib where the associated webbing shall end. Valid range: from 2 (the second rib of this panel) to N (the last rib of this panel). Entering a special value 0 makes sure that the webbing will extend until the end of this spar.'+E:
    H+'Die Rippe, an der der Holmsteg endet. Gültig: von 2 (zweite Rippe dieses Segments) bis N (letzte Rippe dieses Segments). Der besondere Wert 0 führt den Holmsteg bis zum Ende des Holms.'+E,
  H+'Measure in percentage of the rib. 0% is exactly on the leading edge.'+E: H+'In Prozent der Rippe messen. 0% liegt genau auf der Nasenleiste.'+E,
  H+'Radius of the joiner tube. Meaningful value range is the one where the tube is contained within the rib. Please make sure by visual inspection that the tube actually is within the rib.'+E:
    H+'Radius des Steckungsrohrs. Sinnvoll sind Werte, bei denen das Rohr innerhalb der Rippe liegt. Bitte prüfen Sie in der Ansicht, dass das Rohr tatsächlich in der Rippe liegt.'+E,
  'Distance from': 'Abstand von',
  'TE': 'EL',
  'Rotation:': 'Drehung:',
  H+'Rotation for this spar. Useful e.g. for defining a leading edge of the type &quot;Diamond&quot;'+E:
    H+'Drehung dieses Holms. Nützlich z. B. für eine Nasenleiste der Art &quot;Raute&quot;'+E,
  'Select a spar respectively define a spar by means of a context menu (right mouse click) in the table above. If the table is not empty, please make sure to right-click on an existing spar.':
    'Wählen Sie einen Holm oder legen Sie über das Kontextmenü (rechte Maustaste) in der Tabelle darüber einen an. Ist die Tabelle nicht leer, klicken Sie bitte mit der rechten Maustaste auf einen vorhandenen Holm.',
  'Leading Edge': 'Nasenleiste',
  'Type': 'Art',
  'Standard': 'Standard',
  'None (no LE)': 'Keine (ohne NL)',
  'Round': 'Rund',
  'Strip': 'Leiste',
  'Diamond': 'Raute',
  'No data required': 'Keine Angaben nötig',
  'LE depth:': 'Tiefe NL:',
  'In order to set a round leading edge, add a round spar and then adjust the position accordingly. Please consult the documentation for further details.':
    'Für eine runde Nasenleiste legen Sie einen Rundholm an und passen seine Lage an. Einzelheiten stehen in der Dokumentation.',
  'In order to set a strip leading edge, add a cuboid spar and then adjust the position accordingly. Please consult the documentation for further details.':
    'Für eine Nasenleiste aus einer Leiste legen Sie einen Rechteckholm an und passen seine Lage an. Einzelheiten stehen in der Dokumentation.',
  'In order to set a diamond leading edge, add a cuboid spar and then adjust the position accordingly. Please consult the documentation for further details.':
    'Für eine rautenförmige Nasenleiste legen Sie einen Rechteckholm an und passen seine Lage an. Einzelheiten stehen in der Dokumentation.',
  'Trailing Edge': 'Endleiste',
  'None (no TE)': 'Keine (ohne EL)',
  H+'Future extension.'+E: H+'Künftige Erweiterung.'+E,
  'Standard + Strip': 'Standard + Leiste',
  'TE Depth:': 'Tiefe EL:',
  H+'Adapt the depth of the TE according to the rib length. For example, if the tip rib is only half as long as the root rib, then the depth of the TE at the tip rib will also be half the depth of the TE at the root rib.'+E:
    H+'Die Tiefe der Endleiste der Rippenlänge anpassen. Ist die Endrippe z. B. nur halb so lang wie die Wurzelrippe, dann ist die Endleiste an der Endrippe auch nur halb so tief wie an der Wurzelrippe.'+E,
  'Strip depth:': 'Tiefe der Leiste:',
  'Strip thickness:': 'Dicke der Leiste:',
  'Sheeting': 'Beplankung',
  'None (no sheeting)': 'Keine (ohne Beplankung)',
  'Standard (from LE)': 'Standard (ab Nasenleiste)',
  'Advanced': 'Erweitert',
  H+'Meaningful value range is the one where the sheeting is contained within the rib, so, that the upper and the lower sheeting do not overlap at any point. Please make sure by visual inspection that the sheeting actually is within the rib.'+E:
    H+'Sinnvoll sind Werte, bei denen die Beplankung innerhalb der Rippe liegt, sodass sich obere und untere Beplankung nirgends überschneiden. Bitte prüfen Sie in der Ansicht, dass die Beplankung tatsächlich in der Rippe liegt.'+E,
  'Length:': 'Länge:',
  H+'Meaningful value range is the one where the sheeting is contained within the rib.'+E:
    H+'Sinnvoll sind Werte, bei denen die Beplankung innerhalb der Rippe liegt.'+E,
  'Extend to TE up to rib:': 'Bis zur Endleiste bis Rippe:',
  H+'Use this parameter to specify until which rib (starting from the root rib of the panel) the sheeting should extend to the farthest possible point.'+E:
    H+'Bis zu welcher Rippe (von der Wurzelrippe des Segments an) die Beplankung so weit wie möglich nach hinten reicht.'+E,
  'Apply above:': 'Oben anbringen:',
  H+"If this field is ticked, the sheeting will be applied to the upper side of the rib. If you don't want the sheeting on upper side of this panel, untick this option."+E:
    H+'Wenn angekreuzt, wird die Oberseite der Rippe beplankt. Soll dieses Segment oben keine Beplankung haben, entfernen Sie das Häkchen.'+E,
  'Apply below:': 'Unten anbringen:',
  H+"If this field is ticked, the sheeting will be applied to the lower side of the rib. If you don't want the sheeting on lower side of this panel, untick this option."+E:
    H+'Wenn angekreuzt, wird die Unterseite der Rippe beplankt. Soll dieses Segment unten keine Beplankung haben, entfernen Sie das Häkchen.'+E,
  'Sheeting strips': 'Beplankungsstreifen',
  'Sheeting strip data': 'Daten des Beplankungsstreifens',
  'Starting at:': 'Beginnt bei:',
  'Side:': 'Seite:',
  'Apply above': 'Oben anbringen',
  'Apply below': 'Unten anbringen',
  H+'Make this strip only look like a cap strip, instead of a normal sheeting.'+E:
    H+'Diesen Streifen als Rippenaufleimer statt als normale Beplankung darstellen.'+E,
  'Cap strip': 'Aufleimer',
  'Length (start):': 'Länge (Anfang):',
  H+'The length of the sheeting strip at the first rib (strip start point)</p><p>'+_STRIP_IN_RIB+E:
    H+'Die Länge des Beplankungsstreifens an der ersten Rippe (Anfang des Streifens)</p><p>'+_STRIP_IN_RIB_DE+E,
  H+'Use different values for the strip length at the first and at the last rib.'+E:
    H+'Für die erste und die letzte Rippe verschiedene Streifenlängen verwenden.'+E,
  'Length (end):': 'Länge (Ende):',
  H+'The length of the sheeting strip at the last rib (strip end point)</p><p>'+_STRIP_IN_RIB+E:
    H+'Die Länge des Beplankungsstreifens an der letzten Rippe (Ende des Streifens)</p><p>'+_STRIP_IN_RIB_DE+E,
  'Offset (start):': 'Versatz (Anfang):',
  H+"The distance from the LE or TE (depending on what's selected above) of the sheeting strip at the first rib.</p><p>"+_STRIP_IN_RIB+E:
    H+'Der Abstand des Beplankungsstreifens von Nasen- oder Endleiste (je nach Auswahl darüber) an der ersten Rippe.</p><p>'+_STRIP_IN_RIB_DE+E,
  H+'Use different values for the strip offset at the first and at the last rib.'+E:
    H+'Für die erste und die letzte Rippe verschiedene Versätze des Streifens verwenden.'+E,
  'Offset (end):': 'Versatz (Ende):',
  H+"The distance from the LE or TE (depending on what's selected above) of the sheeting strip at the last rib.</p><p>"+_STRIP_IN_RIB+E:
    H+'Der Abstand des Beplankungsstreifens von Nasen- oder Endleiste (je nach Auswahl darüber) an der letzten Rippe.</p><p>'+_STRIP_IN_RIB_DE+E,
  'Select a sheeting strip respectively define a sheeting strip by means of a context menu (right mouse click) in the table above. If the table is not empty, please make sure to right-click on an existing strip.':
    'Wählen Sie einen Beplankungsstreifen oder legen Sie über das Kontextmenü (rechte Maustaste) in der Tabelle darüber einen an. Ist die Tabelle nicht leer, klicken Sie bitte mit der rechten Maustaste auf einen vorhandenen Streifen.',
  'Construction': 'Bauhilfen',
  'Rib comb': 'Rippenkamm',
  'Combs': 'Kämme',
  H+'Distance from the rib tip to the rib comb in millimeter'+E: H+'Abstand von der Rippenspitze zum Rippenkamm in Millimetern'+E,
  H+'Width of the comb'+E: H+'Breite des Kamms'+E,
  H+"Extend this comb so that it's aligned with the building tabs."+E: H+'Den Kamm so verlängern, dass er mit den Helling-Füßchen abschließt.'+E,
  'As building tabs': 'Wie Helling-Füßchen',
  'Extend:': 'Überstand:',
  H+'Specifies how far above resp. below the rib this comb shall extend'+E: H+'Wie weit der Kamm über bzw. unter die Rippe reicht'+E,
  'Cut into rib:': 'Einschnitt in Rippe:',
  H+'How far to cut into the rib (in percent).'+E: H+'Wie tief in die Rippe geschnitten wird (in Prozent).'+E,
  'Slit height:': 'Schlitzhöhe:',
  H+'Height of the slit along the wing surface.'+E: H+'Höhe des Schlitzes entlang der Flügeloberfläche.'+E,
  'Slit adjust:': 'Schlitz anpassen:',
  H+'Specifies how wide the slit along the wing surface should be'+E: H+'Wie breit der Schlitz entlang der Flügeloberfläche sein soll'+E,
  'Needle adjustment:': 'Zinken anpassen:',
  H+'Adjust the width of the comb needles'+E: H+'Die Breite der Kammzinken anpassen'+E,
  'Select a rib comb respectively define a rib comb by means of a context menu (right mouse click) in the table above. If the table is not empty, please make sure to right-click on an existing comb.':
    'Wählen Sie einen Rippenkamm oder legen Sie über das Kontextmenü (rechte Maustaste) in der Tabelle darüber einen an. Ist die Tabelle nicht leer, klicken Sie bitte mit der rechten Maustaste auf einen vorhandenen Kamm.',
  'Shipway': 'Helling',
  'Future extension': 'Künftige Erweiterung',
  'Panel View': 'Segmentansicht',
  H+_ROTATE+E: H+_ROTATE_DE+E,
  'Visualisation Options': 'Darstellung',
  'Rib Comb': 'Rippenkamm',
  'Dihedral': 'V-Form',
  'Axes': 'Achsen',
  'Ghost Panels': 'Nachbarsegmente',
  'Gray Ghosts': 'Nachbarn grau',
  'Transparency:': 'Transparenz:',
  'Ghost transparency:': 'Transparenz der Nachbarn:',
  'View Presets': 'Blickrichtungen',
  'Add rib in front': 'Rippe davor einfügen',
  'Add rib behind': 'Rippe dahinter einfügen',
  'Delete rib': 'Rippe löschen',
  'Split rib in two': 'Rippe teilen',
  'Add spar in front': 'Holm davor einfügen',
  'Add spar behind': 'Holm dahinter einfügen',
  'Delete spar': 'Holm löschen',
  'Copy spar': 'Holm kopieren',
  'Move to max. thickness': 'Zur größten Dicke schieben',
  'Add strip in front': 'Streifen davor einfügen',
  'Add strip behind': 'Streifen dahinter einfügen',
  'Delete strip': 'Streifen löschen',
  'Copy strip': 'Streifen kopieren',
  'Add comb in front': 'Kamm davor einfügen',
  'Add comb behind': 'Kamm dahinter einfügen',
  'Delete comb': 'Kamm löschen',
  'Copy comb': 'Kamm kopieren',
  'Align with next...': 'Am nächsten ausrichten...',
  'Align with previous...': 'Am vorigen ausrichten...',
  'Tip rib and root rib profiles will be the same.': 'Endrippe und Wurzelrippe erhalten dasselbe Profil.',
  'Not possible to generate ribs': 'Rippen können nicht erzeugt werden',
  'Not all fields are valid - not possible to generate the ribs': 'Nicht alle Felder sind gültig - die Rippen können nicht erzeugt werden',
  'Invalid data': 'Ungültige Daten',
  'Not all fields contain a valid value!': 'Nicht alle Felder enthalten einen gültigen Wert!',
  'Ribs list invalidated': 'Rippenliste ungültig',
  'Current list of ribs does not correspond to the\nparameter ("Rib thickness" or "Panel Length")!\n\nDo you want me to re-generate the list, possibly losing\nall manually added modifications to the rib list?':
    'Die Rippenliste passt nicht zu den\nEinstellungen ("Rippendicke" oder "Segmentlänge")!\n\nSoll die Liste neu erzeugt werden? Dabei gehen womöglich\nalle manuellen Änderungen an der Rippenliste verloren.',
  '&Yes, do it!': '&Ja, erzeugen!',
  '&No, bring me back.': '&Nein, zurück.',
  'Not all ribs are correct: \n': 'Nicht alle Rippen sind korrekt: \n',
  'Incorrect spars detected!\n\n': 'Fehlerhafte Holme gefunden!\n\n',
  'Incorrect sheeting detected!\n\n': 'Fehlerhafte Beplankung gefunden!\n\n',
  'Leaving panel edit mode': 'Segmentbearbeitung verlassen',
  '<html><body><p>You are about to leave the panel editing dialog. If you proceed, all eventual changes will be lost.</p><p>Do you want to proceed or stay in the dialog?</p></body></html>':
    '<html><body><p>Sie verlassen gleich die Segmentbearbeitung. Wenn Sie fortfahren, gehen alle Änderungen verloren.</p><p>Fortfahren oder im Dialog bleiben?</p></body></html>',
  '&Proceed': '&Fortfahren',
  '&Stay': '&Bleiben',
}

# Asked by the panel table when a panel is added.
GERMAN['PanelsTable'] = {
  'Add new panel': 'Neues Segment anfügen',
  'Delete panel': 'Segment löschen',
  'Not enough memory': 'Nicht genug Speicher',
  'There is not enough memory for this change; the plane is left as it was.':
    'Für diese Änderung ist nicht genug Speicher vorhanden; das Flugzeug bleibt, wie es war.',
  'There is not enough memory for this change.': 'Für diese Änderung ist nicht genug Speicher vorhanden.',
  'Move panel': 'Segment verschieben',
  'Change panel': 'Segment ändern',
  '<html><body><p>Would you like me to automatically copy all settings (including ribs, spars, etc.) from the previous panel into the new panel?</p><p>Please note, that this could lead to spars being outside of the panel and similar other errors! It is necesssary to make sure that the spar data is also correct for the new panel after the creation.</p></body></html>':
    '<html><body><p>Sollen alle Einstellungen (samt Rippen, Holmen usw.) des vorigen Segments automatisch in das neue Segment übernommen werden?</p><p>Bitte beachten: Dabei können Holme außerhalb des Segments liegen oder ähnliche Fehler entstehen! Prüfen Sie nach dem Anlegen, ob die Holmdaten auch für das neue Segment stimmen.</p></body></html>',
}

GERMAN['WingPanelDialog'].update({
  'Spar Alignment issue': 'Holm kann nicht ausgerichtet werden',
  'Joiners can only be aligned to other joiners': 'Steckungen lassen sich nur an anderen Steckungen ausrichten',
  '(copy)': '(Kopie)',
})

# Picture names: every picture names its measures like the fields beside it,
# so each has a German drawing (tools/panel_dialog_pictures.cpp).
GERMAN['WingPanelDialog'].update({
  'sheeting-advanced-v2-en.png': 'sheeting-advanced-v2-de.png',
  'SparRound.png': 'SparRound-de.png',
  'SparCube.png': 'SparCube-de.png',
  'SparSquare.png': 'SparSquare-de.png',
  'SparWebbing.png': 'SparWebbing-de.png',
  'LEStandard.png': 'LEStandard-de.png',
  'TEStandard.png': 'TEStandard-de.png',
  'TEStrip.png': 'TEStrip-de.png',
  'sheeting.png': 'sheeting-de.png',
  'RibComb.png': 'RibComb-de.png',
})

GERMAN.setdefault('SparsTableModel', {}).update({
  "Associated webbing 'from' rib must be between 1 and number of ribs in panel minus 1\n":
    "Die 'von'-Rippe des zugehörigen Holmstegs muss zwischen 1 und der Rippenanzahl des Segments minus 1 liegen\n",
  "Associated webbing 'to' rib must be 0 or between 'from' rib and number of ribs in panel\n":
    "Die 'bis'-Rippe des zugehörigen Holmstegs muss 0 sein oder zwischen der 'von'-Rippe und der Rippenanzahl des Segments liegen\n",
})

GERMAN['WingPanelDialog'].update({
  'Not enough memory': 'Nicht genug Speicher',
  'There is not enough memory to build this panel; it is left as it was.':
    'Für dieses Segment ist nicht genug Speicher vorhanden; es bleibt, wie es war.',
})

GERMAN['WingPanelDialog'].update({
  'no section': 'kein Profil',
  "%1 (for '%2', not in the airfoil library)": "%1 (für '%2', nicht in der Profilbibliothek)",
  "The airfoil library lacks the airfoil '%1' that this panel names; its ribs are cut from %2 until it is added.":
    "Der Profilbibliothek fehlt das Profil '%1', das dieses Segment nennt; seine Rippen werden aus %2 geschnitten, bis es hinzugefügt ist.",
})

GERMAN['PanelPreviewBuild'] = {
  'Building the ribs of the panel...': 'Die Rippen des Segments werden berechnet...',
  'Cancel': 'Abbrechen',
}

GERMAN['PlaneModel'].update({
  'The plane cannot be shown: there is not enough memory to build it. The document is kept as it was and can be saved.':
    'Das Flugzeug kann nicht angezeigt werden: zum Aufbauen ist nicht genug Speicher vorhanden. Das Dokument bleibt, wie es war, und kann gespeichert werden.',
  'To show it again, free memory, then use Undo and Redo.':
    'Um es wieder anzuzeigen, Speicher freigeben und dann Rückgängig und Wiederherstellen verwenden.',
  "To show it again, free memory, then use Undo and Redo, or open the file '%1' again.":
    "Um es wieder anzuzeigen, Speicher freigeben und dann Rückgängig und Wiederherstellen verwenden oder die Datei '%1' erneut öffnen.",
  'To show it again, free memory, save it, then open the saved file.':
    'Um es wieder anzuzeigen, Speicher freigeben, es speichern und dann die gespeicherte Datei öffnen.',
  "To show it again, free memory, then open the file '%1' again.":
    "Um es wieder anzuzeigen, Speicher freigeben und dann die Datei '%1' erneut öffnen.",
})

GERMAN['FileManager'].update({
  'There is not enough memory to record this change for Undo. The change stands, but it and the changes before it cannot be undone.':
    'Für das Aufzeichnen dieser Änderung zum Rückgängigmachen ist nicht genug Speicher vorhanden. Die Änderung bleibt bestehen, kann aber ebenso wie die Änderungen davor nicht rückgängig gemacht werden.',
  'This change could not be recorded for Undo. The change stands, but it and the changes before it cannot be undone.':
    'Diese Änderung konnte nicht zum Rückgängigmachen aufgezeichnet werden. Die Änderung bleibt bestehen, kann aber ebenso wie die Änderungen davor nicht rückgängig gemacht werden.',
})

GERMAN['MainWindow'].update({
  'Not enough memory': 'Nicht genug Speicher',
})

GERMAN['ConsumedRibs'] = {
  "Rib %1 of panel '%2': the sheeting leaves nothing to build.":
    "Rippe %1 von Segment '%2': Die Beplankung lässt nichts zum Bauen übrig.",
  "Ribs %1 of panel '%2': the sheeting leaves nothing to build.":
    "Rippen %1 von Segment '%2': Die Beplankung lässt nichts zum Bauen übrig.",
  'The sheeting leaves nothing of this rib to build.':
    'Von dieser Rippe lässt die Beplankung nichts zum Bauen übrig.',
}

GERMAN['PlaneModel'].update({
  'These ribs get no outline in the DXF drawing:': 'Diese Rippen erhalten in der DXF-Zeichnung keine Kontur:',
})

GERMAN['PrintJob'].update({
  'These ribs get no template in the printout:': 'Diese Rippen erhalten im Ausdruck keine Schablone:',
})

GERMAN['CADWidgetRibView'].update({
  'Rib %1: the sheeting leaves nothing to build.': 'Rippe %1: Die Beplankung lässt nichts zum Bauen übrig.',
})

GERMAN['RibCellDelegate'] = {
  'Rib %1: the sheeting leaves nothing to build.': 'Rippe %1: Die Beplankung lässt nichts zum Bauen übrig.',
}

GERMAN['ConsumedRibs'].update({
  "Rib %1 of panel '%2' is parted by the sheeting: each piece is cut on its own.":
    "Rippe %1 von Segment '%2' wird von der Beplankung geteilt: Jedes Stück wird für sich ausgeschnitten.",
  "Ribs %1 of panel '%2' are parted by the sheeting: each piece is cut on its own.":
    "Rippen %1 von Segment '%2' werden von der Beplankung geteilt: Jedes Stück wird für sich ausgeschnitten.",
  "Rib %1 of panel '%2' is parted by the slot of spar %3: each piece is cut on its own.":
    "Rippe %1 von Segment '%2' wird vom Ausschnitt des Holms %3 geteilt: Jedes Stück wird für sich ausgeschnitten.",
  "Ribs %1 of panel '%2' are parted by the slot of spar %3: each piece is cut on its own.":
    "Rippen %1 von Segment '%2' werden vom Ausschnitt des Holms %3 geteilt: Jedes Stück wird für sich ausgeschnitten.",
  "Rib %1 of panel '%2' is parted where its cuts meet: each piece is cut on its own.":
    "Rippe %1 von Segment '%2' wird dort geteilt, wo sich ihre Ausschnitte treffen: Jedes Stück wird für sich ausgeschnitten.",
  "Ribs %1 of panel '%2' are parted where their cuts meet: each piece is cut on its own.":
    "Rippen %1 von Segment '%2' werden dort geteilt, wo sich ihre Ausschnitte treffen: Jedes Stück wird für sich ausgeschnitten.",
  "The outline of rib %1 of panel '%2' crosses itself: check it before cutting.":
    "Die Kontur von Rippe %1 von Segment '%2' kreuzt sich selbst: Vor dem Ausschneiden prüfen.",
  "The outlines of ribs %1 of panel '%2' cross themselves: check them before cutting.":
    "Die Konturen der Rippen %1 von Segment '%2' kreuzen sich selbst: Vor dem Ausschneiden prüfen.",
  "Rib %1 of panel '%2' holds a feature narrower than 0.5 mm at its front: check it before cutting.":
    "Rippe %1 von Segment '%2' hat vorn eine Stelle schmaler als 0,5 mm: Vor dem Ausschneiden prüfen.",
  "Ribs %1 of panel '%2' hold a feature narrower than 0.5 mm at their front: check them before cutting.":
    "Rippen %1 von Segment '%2' haben vorn eine Stelle schmaler als 0,5 mm: Vor dem Ausschneiden prüfen.",
})

GERMAN['RibParting'] = {
  'Rib %1 is parted by the slot of spar %2 and cut as %3 pieces.':
    'Rippe %1 wird vom Ausschnitt des Holms %2 geteilt und als %3 Stücke ausgeschnitten.',
  'Rib %1 is parted by the sheeting and cut as %2 pieces.':
    'Rippe %1 wird von der Beplankung geteilt und als %2 Stücke ausgeschnitten.',
  'Rib %1 is parted where its cuts meet and cut as %2 pieces.':
    'Rippe %1 wird dort geteilt, wo sich ihre Ausschnitte treffen, und als %2 Stücke ausgeschnitten.',
  'The outline of rib %1 crosses itself: check it before cutting.':
    'Die Kontur von Rippe %1 kreuzt sich selbst: Vor dem Ausschneiden prüfen.',
  'Parted by the slot of spar %1: %2 pieces.': 'Geteilt vom Ausschnitt des Holms %1: %2 Stücke.',
  'Parted by the sheeting: %1 pieces.': 'Geteilt von der Beplankung: %1 Stücke.',
  'Parted where its cuts meet: %1 pieces.': 'Geteilt, wo sich die Ausschnitte treffen: %1 Stücke.',
  'The outline crosses itself: check it before cutting.': 'Die Kontur kreuzt sich selbst: Vor dem Ausschneiden prüfen.',
  'Rib %1 holds a feature narrower than 0.5 mm at its front: check it before cutting.':
    'Rippe %1 hat vorn eine Stelle schmaler als 0,5 mm: Vor dem Ausschneiden prüfen.',
  'A feature narrower than 0.5 mm at its front: check it before cutting.':
    'Vorn eine Stelle schmaler als 0,5 mm: Vor dem Ausschneiden prüfen.',
}

GERMAN['PlaneModel'].update({
  'These ribs get an outline for each of their pieces:':
    'Diese Rippen erhalten in der DXF-Zeichnung eine Kontur für jedes ihrer Stücke:',
})

GERMAN['PrintJob'].update({
  'These ribs get a template for each of their pieces:':
    'Diese Rippen erhalten im Ausdruck eine Schablone für jedes ihrer Stücke:',
})
