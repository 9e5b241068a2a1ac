<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ColourDialogService</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a whole number from %1 to %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl von %1 bis %2 ein.</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>X Scale:</source>
        <translation>X-Skala:</translation>
    </message>
    <message>
        <source>Y Scale:</source>
        <translation>Y-Skala:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
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
        <source>A function plotter for the desktop,
by the Plovex authors.</source>
        <translation>Funktionsplotter für den Desktop,
von den Plovex-Autoren.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About Plovex</source>
        <translation>Über Plovex</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>Plot &amp;dy/dx</source>
        <translation>A&amp;bleitung</translation>
    </message>
    <message>
        <source>Eva&amp;l dy/dx</source>
        <translation>d&amp;y/dx-Wert</translation>
    </message>
    <message>
        <source>Ev&amp;aluate</source>
        <translation>A&amp;uswerten</translation>
    </message>
    <message>
        <source>&amp;Integrate</source>
        <translation>&amp;Integrieren</translation>
    </message>
    <message>
        <source>Do &amp;not clear previous graph</source>
        <translation>&amp;Vorherigen Graphen behalten</translation>
    </message>
    <message>
        <source>I&amp;mplicit function</source>
        <translation>I&amp;mplizit</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Schritt:</translation>
    </message>
    <message>
        <source>Table of Values</source>
        <translation>Wertetabelle</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Keep the visible &amp;region</source>
        <translation>Sichtbaren Bere&amp;ich beibehalten</translation>
    </message>
    <message>
        <source>Keep the &amp;scales</source>
        <translation>&amp;Skalen beibehalten</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Graph exportieren</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message numerus="yes">
        <source>The expression is too long: a graph document holds at most %n bytes.</source>
        <translation>
            <numerusform>Der Ausdruck ist zu lang: Ein Graphdokument fasst höchstens %n Byte.</numerusform>
            <numerusform>Der Ausdruck ist zu lang: Ein Graphdokument fasst höchstens %n Bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Parse Error: Unrecognised symbol &apos;%1&apos;.</source>
        <translation>Syntaxfehler: Unbekanntes Zeichen „%1“.</translation>
    </message>
    <message>
        <source>Parse Error: Unmatched parentheses.</source>
        <translation>Syntaxfehler: Klammern passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;y&apos; allowed only in implicit functions.</source>
        <translation>Syntaxfehler: Die Variable „y“ ist nur in impliziten Funktionen erlaubt.</translation>
    </message>
    <message>
        <source>Parse Error: Unrecognised function &apos;%1&apos;.</source>
        <translation>Syntaxfehler: Unbekannte Funktion „%1“.</translation>
    </message>
    <message>
        <source>WORKING</source>
        <translation>ARBEITET</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation>Maximum: %1</translation>
    </message>
    <message>
        <source>Minimum: %1</source>
        <translation>Minimum: %1</translation>
    </message>
    <message>
        <source>Mean: %1</source>
        <translation>Mittelwert: %1</translation>
    </message>
    <message>
        <source>Fewer samples were drawn than the quality asks: at quality %1 the step between samples no longer moves the sampling position from pixel %2 (from the centre) on, so the graph stops there.</source>
        <translation>Es wurden weniger Abtastwerte gezeichnet, als die Qualität verlangt: Bei Qualität %1 verschiebt der Schritt zwischen den Abtastwerten die Abtastposition ab Pixel %2 (von der Mitte aus) nicht mehr, daher endet der Graph dort.</translation>
    </message>
    <message>
        <source>The integral stopped at x = %1, short of the upper limit %2: from there on adding the step 0.01 no longer changes x. The result is the integral up to that point.</source>
        <translation>Die Integration endete bei x = %1, vor der oberen Grenze %2: Ab dort ändert das Addieren des Schritts 0.01 den Wert von x nicht mehr. Das Ergebnis ist das Integral bis zu dieser Stelle.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file ends inside the length of the expression.</source>
        <translation>Die Datei endet innerhalb der Längenangabe des Ausdrucks.</translation>
    </message>
    <message numerus="yes">
        <source>The file claims an expression of %1 characters but holds only %2.</source>
        <translation>
            <numerusform>Die Datei gibt einen Ausdruck von %1 Zeichen an, enthält aber nur %2.</numerusform>
            <numerusform>Die Datei gibt einen Ausdruck von %1 Zeichen an, enthält aber nur %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>vermillion</source>
        <translation>zinnoberrot</translation>
    </message>
    <message>
        <source>bluish green</source>
        <translation>blaugrün</translation>
    </message>
    <message>
        <source>reddish purple</source>
        <translation>rotviolett</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>sky blue</source>
        <translation>himmelblau</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>The step must be a number other than 0.</source>
        <translation>Der Schritt muss eine Zahl ungleich 0 sein.</translation>
    </message>
    <message>
        <source>From and To must be numbers.</source>
        <translation>„Von“ und „Bis“ müssen Zahlen sein.</translation>
    </message>
    <message>
        <source>The step leads away from To: give it the sign of To - From.</source>
        <translation>Der Schritt führt von „Bis“ weg: Geben Sie ihm das Vorzeichen von Bis - Von.</translation>
    </message>
    <message>
        <source>Rendering stopped:
no statistics.</source>
        <translation>Zeichnen abgebrochen:
keine Statistik.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Parse Error: Function &apos;%1&apos; has no argument.</source>
        <translation>Syntaxfehler: Die Funktion „%1“ hat kein Argument.</translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;%1&apos; not allowed in parametric and polar functions, which use t.</source>
        <translation>Syntaxfehler: Die Variable „%1“ ist in parametrischen und polaren Funktionen nicht erlaubt; diese verwenden t.</translation>
    </message>
    <message numerus="yes">
        <source>The table would have more than %n rows: choose a larger step or a shorter range.</source>
        <translation>
            <numerusform>Die Tabelle hätte mehr als %n Zeile: Wählen Sie einen größeren Schritt oder einen kürzeren Bereich.</numerusform>
            <numerusform>Die Tabelle hätte mehr als %n Zeilen: Wählen Sie einen größeren Schritt oder einen kürzeren Bereich.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n points were found; the first %n in order of x are listed.</source>
        <translation>
            <numerusform>Es wurde mehr als %n Punkt gefunden; der erste nach x geordnet wird aufgelistet.</numerusform>
            <numerusform>Es wurden mehr als %n Punkte gefunden; die ersten %n nach x geordnet werden aufgelistet.</numerusform>
        </translation>
    </message>
    <message>
        <source>A parameter needs a name.</source>
        <translation>Ein Parameter braucht einen Namen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: a name starts with a lower-case letter.</source>
        <translation>„%1“ kann kein Parametername sein: Ein Name beginnt mit einem Kleinbuchstaben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: a name holds only lower-case letters and digits.</source>
        <translation>„%1“ kann kein Parametername sein: Ein Name enthält nur Kleinbuchstaben und Ziffern.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: x, y and t are variables.</source>
        <translation>„%1“ kann kein Parametername sein: x, y und t sind Variablen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: it is the number pi.</source>
        <translation>„%1“ kann kein Parametername sein: Das ist die Zahl pi.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: it is a built-in function.</source>
        <translation>„%1“ kann kein Parametername sein: Das ist eine eingebaute Funktion.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: x and y in a name are always the variables (&apos;ax&apos; reads as a*x).</source>
        <translation>„%1“ kann kein Parametername sein: x und y in einem Namen sind immer die Variablen („ax“ bedeutet a*x).</translation>
    </message>
    <message>
        <source>There is already a parameter &apos;%1&apos;.</source>
        <translation>Es gibt bereits einen Parameter „%1“.</translation>
    </message>
    <message>
        <source>The value of a parameter must be a finite number.</source>
        <translation>Der Wert eines Parameters muss eine endliche Zahl sein.</translation>
    </message>
    <message>
        <source>The minimum, the maximum and the step must be finite numbers.</source>
        <translation>Minimum, Maximum und Schritt müssen endliche Zahlen sein.</translation>
    </message>
    <message>
        <source>The minimum must be less than the maximum.</source>
        <translation>Das Minimum muss kleiner als das Maximum sein.</translation>
    </message>
    <message>
        <source>The step must be more than 0.</source>
        <translation>Der Schritt muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>A slider has at most %1 steps: choose a larger step or a smaller range.</source>
        <translation>Ein Schieberegler hat höchstens %1 Schritte: Wählen Sie einen größeren Schritt oder einen kleineren Bereich.</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Change Scale</source>
        <translation>Skala ändern</translation>
    </message>
    <message>
        <source>Change Kind</source>
        <translation>Art ändern</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>New Function</source>
        <translation>Neue Funktion</translation>
    </message>
    <message>
        <source>Delete Function</source>
        <translation>Funktion löschen</translation>
    </message>
    <message>
        <source>Move Function</source>
        <translation>Funktion verschieben</translation>
    </message>
    <message>
        <source>Change Colour</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Show Function</source>
        <translation>Funktion einblenden</translation>
    </message>
    <message>
        <source>Hide Function</source>
        <translation>Funktion ausblenden</translation>
    </message>
    <message>
        <source>New Parameter</source>
        <translation>Neuer Parameter</translation>
    </message>
    <message>
        <source>Delete Parameter</source>
        <translation>Parameter löschen</translation>
    </message>
    <message>
        <source>Rename Parameter</source>
        <translation>Parameter umbenennen</translation>
    </message>
    <message>
        <source>Change Range</source>
        <translation>Bereich ändern</translation>
    </message>
    <message>
        <source>Change Value</source>
        <translation>Wert ändern</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ANGEHALTEN</translation>
    </message>
</context>
<context>
    <name>FileDialogService</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a block device: a disk is never written to directly.</source>
        <translation>Es ist ein Blockgerät: Auf einen Datenträger wird nie direkt geschrieben.</translation>
    </message>
    <message>
        <source>It is neither a file nor a device that can be written to.</source>
        <translation>Es ist weder eine Datei noch ein beschreibbares Gerät.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>Es ist eine benannte Pipe (FIFO), keine Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es ist ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>It is a character device, not a file.</source>
        <translation>Es ist ein zeichenorientiertes Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>It is a block device, not a file.</source>
        <translation>Es ist ein blockorientiertes Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>It is a special file, not a regular file.</source>
        <translation>Es ist eine Spezialdatei, keine gewöhnliche Datei.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n bytes, the most that is read.</source>
        <translation>
            <numerusform>Die Datei ist größer als %n Byte; mehr wird nicht gelesen.</numerusform>
            <numerusform>Die Datei ist größer als %n Bytes; mehr wird nicht gelesen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Derivative of no expression</source>
        <translation>Ableitung keines Ausdrucks</translation>
    </message>
    <message>
        <source>No expression</source>
        <translation>Kein Ausdruck</translation>
    </message>
    <message>
        <source>Derivative of %1</source>
        <translation>Ableitung von %1</translation>
    </message>
    <message>
        <source>%1, implicit</source>
        <translation>%1, implizit</translation>
    </message>
    <message>
        <source>%1, explicit</source>
        <translation>%1, explizit</translation>
    </message>
    <message>
        <source>no expression</source>
        <translation>kein Ausdruck</translation>
    </message>
    <message>
        <source>Polar curve r = %1 for t from %2 to %3</source>
        <translation>Polarkurve r = %1 für t von %2 bis %3</translation>
    </message>
    <message>
        <source>polar curve r = %1 for t from %2 to %3</source>
        <translation>Polarkurve r = %1 für t von %2 bis %3</translation>
    </message>
    <message>
        <source>Parametric curve (%1, %2) for t from %3 to %4</source>
        <translation>Parameterkurve (%1, %2) für t von %3 bis %4</translation>
    </message>
    <message>
        <source>parametric curve (%1, %2) for t from %3 to %4</source>
        <translation>Parameterkurve (%1, %2) für t von %3 bis %4</translation>
    </message>
    <message>
        <source>%1, drawn over the previous graph</source>
        <translation>%1, über den vorherigen Graphen gezeichnet</translation>
    </message>
    <message>
        <source>%1. X scale %2, Y scale %3. %4.</source>
        <translation>%1. X-Skala %2, Y-Skala %3. %4.</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1 = 0 in %2</source>
        <translation>%1 = 0 in %2</translation>
    </message>
    <message>
        <source>Nothing shown. Selected: %1</source>
        <translation>Nichts sichtbar. Ausgewählt: %1</translation>
    </message>
    <message>
        <source>Shown: %1. Selected: %2</source>
        <translation>Sichtbar: %1. Ausgewählt: %2</translation>
    </message>
</context>
<context>
    <name>ImageExport</name>
    <message>
        <source>Cannot export the graph to &quot;%1&quot;.

%2</source>
        <translation>Der Graph kann nicht nach „%1“ exportiert werden.

%2</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>Bilder (*.%1)</translation>
    </message>
    <message>
        <source>The name&apos;s extension does not say which image format to write. Use one of: %1.</source>
        <translation>Die Endung des Namens gibt kein Bildformat an. Verwenden Sie eine dieser Endungen: %1.</translation>
    </message>
    <message>
        <source>Vector pictures (*.pdf *.svg)</source>
        <translation>Vektorgrafiken (*.pdf *.svg)</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>ParameterQuestion</name>
    <message>
        <source>The expression uses &apos;%1&apos;, which is not defined. Create a parameter %1 = %2 (from %3 to %4)?</source>
        <translation>Der Ausdruck verwendet „%1“, das nicht definiert ist. Einen Parameter %1 = %2 (von %3 bis %4) anlegen?</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>
Graph
Graph
Plovex Graph (*.pxg)
.pxg
Plovex.Graph
Plovex Graph</source>
        <translation>
Graph
Graph
Plovex-Graph (*.pxg)
.pxg
Plovex.Graph
Plovex-Graph</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Postfix form</source>
        <translation>Postfix-Form</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Increase X scale</source>
        <translation>X-Skala vergrößern</translation>
    </message>
    <message>
        <source>Decrease X scale</source>
        <translation>X-Skala verkleinern</translation>
    </message>
    <message>
        <source>Increase Y scale</source>
        <translation>Y-Skala vergrößern</translation>
    </message>
    <message>
        <source>Decrease Y scale</source>
        <translation>Y-Skala verkleinern</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Topic text</source>
        <translation>Text des Themas</translation>
    </message>
    <message>
        <source>Plovex 2</source>
        <translation>Plovex 2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument erstellen
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Das aktive Dokument schließen
Schließen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen
Kopieren</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ein weiteres Fenster für das aktive Dokument öffnen
Neues Fenster</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Symbole am unteren Fensterrand anordnen
Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Fenster nebeneinander anordnen, ohne dass sie sich überlappen
Nebeneinander</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Die Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Zum nächsten Fensterbereich wechseln
Nächster Bereich</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Zum vorherigen Fensterbereich zurückwechseln
Vorheriger Bereich</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Copy the graph&apos;s picture to the Clipboard
Copy Graph</source>
        <translation>Das Bild des Graphen in die Zwischenablage kopieren
Graph kopieren</translation>
    </message>
    <message>
        <source>Print the active graph
Print</source>
        <translation>Den aktiven Graphen drucken
Drucken</translation>
    </message>
    <message>
        <source>Display the page as it will be printed
Print Preview</source>
        <translation>Die Seite so anzeigen, wie sie gedruckt wird
Druckvorschau</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden
Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the grid and tick labels
Toggle Grid</source>
        <translation>Gitter und Achsenbeschriftung ein- oder ausblenden
Gitter</translation>
    </message>
    <message>
        <source>Plovex draws graphs of mathematical functions.

Type a function of x and Plovex plots it. You can stretch or squeeze the picture along either axis, trade speed for detail with the quality setting, draw the graph of the derivative dy/dx, integrate the function between two limits, and draw implicit functions of x and y.

Choose a topic on the left to read more.</source>
        <translation>Plovex zeichnet Graphen mathematischer Funktionen.

Geben Sie eine Funktion von x ein, und Plovex zeichnet sie. Sie können das Bild entlang jeder Achse strecken oder stauchen, mit der Qualitätseinstellung zwischen Geschwindigkeit und Genauigkeit wählen, den Graphen der Ableitung dy/dx zeichnen, die Funktion zwischen zwei Grenzen integrieren und implizite Funktionen von x und y zeichnen.

Wählen Sie links ein Thema, um mehr zu erfahren.</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Show or hide the list of the graph&apos;s functions (Ctrl+Shift+L goes to it)
Toggle Function List</source>
        <translation>Die Liste der Funktionen des Graphen ein- oder ausblenden (Strg+Umschalt+L springt zu ihr)
Funktionsliste</translation>
    </message>
    <message>
        <source>Add an empty function after the selected one
New Function</source>
        <translation>Eine leere Funktion nach der ausgewählten hinzufügen
Neue Funktion</translation>
    </message>
    <message>
        <source>Delete the selected function
Delete Function</source>
        <translation>Die ausgewählte Funktion löschen
Funktion löschen</translation>
    </message>
    <message>
        <source>Choose the colour of the selected function
Colour</source>
        <translation>Die Farbe der ausgewählten Funktion wählen
Farbe</translation>
    </message>
    <message>
        <source>Move the selected function up the list
Move Up</source>
        <translation>Die ausgewählte Funktion in der Liste nach oben verschieben
Nach oben</translation>
    </message>
    <message>
        <source>Move the selected function down the list
Move Down</source>
        <translation>Die ausgewählte Funktion in der Liste nach unten verschieben
Nach unten</translation>
    </message>
    <message>
        <source>Find where the function crosses zero in the visible x range
Find Roots</source>
        <translation>Stellen suchen, an denen die Funktion im sichtbaren x-Bereich null wird
Nullstellen suchen</translation>
    </message>
    <message>
        <source>Find the function&apos;s minima and maxima in the visible x range
Find Extrema</source>
        <translation>Minima und Maxima der Funktion im sichtbaren x-Bereich suchen
Extrema suchen</translation>
    </message>
    <message>
        <source>Find where the function meets the graph&apos;s other functions in the visible x range
Find Intersections</source>
        <translation>Stellen suchen, an denen die Funktion im sichtbaren x-Bereich die anderen Funktionen des Graphen trifft
Schnittpunkte suchen</translation>
    </message>
    <message>
        <source>List x, f(x) and dy/dx from one x to another in steps
Table of Values</source>
        <translation>x, f(x) und dy/dx von einem x bis zu einem anderen in Schritten auflisten
Wertetabelle</translation>
    </message>
    <message>
        <source>Calculator: enter an arithmetic expression without x, such as 2^10/3, click Plot and read the result in the information box: the maximum, minimum and mean all show the value.

Solving equations: tick Implicit function and enter a function of x alone. The graph drawn is the set where f(x) = 0: upright lines whose positions along the x-axis are the values of x at which the function vanishes.

Example: x*sin x

From a terminal: plovex --expression=EXPR --roots (or --extrema, or both) prints one line per point in order of x: root, minimum or maximum, then x and y. The options --size=WxH (the graph area, 610x238 unless given), --xscale and --dydx choose the columns and the function as the window would; --intersections prints where the expression meets each other explicit function (--function=EXPR, once for each), the other&apos;s number last. plovex --expression=EXPR --table=FROM,TO,STEP prints x, f(x) and dy/dx on each line. --exact prints every number in full.</source>
        <translation>Taschenrechner: Geben Sie einen Rechenausdruck ohne x ein, etwa 2^10/3, klicken Sie auf „Zeichnen“ und lesen Sie das Ergebnis im Informationsfeld ab: Maximum, Minimum und Mittelwert zeigen alle diesen Wert.

Gleichungen lösen: Kreuzen Sie „Implizit“ an und geben Sie eine Funktion von x allein ein. Gezeichnet wird die Menge, in der f(x) = 0 gilt: senkrechte Linien, deren Lage auf der x-Achse die Nullstellen der Funktion angibt.

Beispiel: x*sin x

Im Terminal: plovex --expression=EXPR --roots (oder --extrema, oder beides) gibt je Punkt eine Zeile nach x geordnet aus: root, minimum oder maximum, dann x und y. Die Optionen --size=WxH (die Graphenfläche, 610x238, wenn nicht angegeben), --xscale und --dydx wählen die Spalten und die Funktion wie das Fenster; --intersections gibt aus, wo der Ausdruck jede andere explizite Funktion trifft (--function=EXPR, einmal für jede), die Nummer der anderen zuletzt. plovex --expression=EXPR --table=FROM,TO,STEP gibt in jeder Zeile x, f(x) und dy/dx aus. --exact gibt jede Zahl vollständig aus.</translation>
    </message>
    <message>
        <source>Zoom in on the centre of the graph
Zoom In</source>
        <translation>Auf die Mitte des Graphen hineinzoomen
Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out from the centre of the graph
Zoom Out</source>
        <translation>Von der Mitte des Graphen herauszoomen
Verkleinern</translation>
    </message>
    <message>
        <source>Show the graph at scales 10 with the origin at the centre
Reset View</source>
        <translation>Den Graphen mit den Skalen 10 und dem Ursprung in der Mitte zeigen
Ansicht zurücksetzen</translation>
    </message>
    <message>
        <source>Give the y axis the scale of the x axis, so that circles look round
Equal Scales</source>
        <translation>Der y-Achse die Skala der x-Achse geben, damit Kreise rund aussehen
Gleiche Skalen</translation>
    </message>
    <message>
        <source>Go back to the previous view of the graph
Back</source>
        <translation>Zur vorherigen Ansicht des Graphen zurückgehen
Zurück</translation>
    </message>
    <message>
        <source>Go forward to the next view of the graph
Forward</source>
        <translation>Zur nächsten Ansicht des Graphen vorgehen
Vorwärts</translation>
    </message>
    <message>
        <source>Some inputs to try, with suggested settings:

x*sin(x)  with Quality 50
x+sin(x)  with X Scale and Y Scale 2
(cos x)^2  with X Scale 30 and Y Scale 125
1/((x^2+1)^1.5)  with X Scale 25 and Y Scale 90

Implicit functions (tick Implicit function first):

tan(x*y)
tan(x/y)
sin(x*y/(x+y))

Parametric and polar curves: in the Functions list open the menu of New Function (the arrow beside New, or Alt+Insert in the list) and choose Parametric or Polar. Type x(t) and y(t), or r(t), and the range of t below the list, then press Enter or Plot. Each curve is drawn as points, more of them at a higher quality. Evaluate, Eval dy/dx, Integrate, Plot dy/dx and the Tools menu work on explicit functions; the statistics of a selected curve are those of the y of its points.

x(t) = t - sin t, y(t) = 1 - cos t, t from 0 to 18.85: a cycloid
x(t) = sin(3*t), y(t) = sin(2*t) with X Scale and Y Scale 100: a Lissajous figure
r(t) = cos(5*t) with X Scale and Y Scale 100: a rose
r(t) = t/2, t from 0 to 31.4: a spiral</source>
        <translation>Einige Eingaben zum Ausprobieren, mit empfohlenen Einstellungen:

x*sin(x)  mit Qualität 50
x+sin(x)  mit X-Skala und Y-Skala 2
(cos x)^2  mit X-Skala 30 und Y-Skala 125
1/((x^2+1)^1.5)  mit X-Skala 25 und Y-Skala 90

Implizite Funktionen (zuerst „Implizit“ ankreuzen):

tan(x*y)
tan(x/y)
sin(x*y/(x+y))

Parametrische und polare Kurven: Öffnen Sie in der Funktionsliste das Menü von „Neue Funktion“ (den Pfeil neben „Neu“ oder Alt+Einfg in der Liste) und wählen Sie „Parametrisch“ oder „Polar“. Geben Sie unter der Liste x(t) und y(t) oder r(t) und den Bereich von t ein, dann drücken Sie die Eingabetaste oder „Zeichnen“. Jede Kurve wird als Punkte gezeichnet, bei höherer Qualität als mehr Punkte. „Wert“, „dy/dx-Wert“, „Integrieren“, „Ableitung“ und das Menü „Extras“ wirken auf explizite Funktionen; die Statistik einer ausgewählten Kurve beschreibt die y-Werte ihrer Punkte.

x(t) = t - sin t, y(t) = 1 - cos t, t von 0 bis 18.85: eine Zykloide
x(t) = sin(3*t), y(t) = sin(2*t) mit X-Skala und Y-Skala 100: eine Lissajous-Figur
r(t) = cos(5*t) mit X-Skala und Y-Skala 100: eine Rosette
r(t) = t/2, t von 0 bis 31.4: eine Spirale</translation>
    </message>
    <message>
        <source>The built-in functions:

Trigonometric: sin, cos, tan, cosec, sec, cot
Inverse trigonometric: asin, acos, atan
Exponential and logarithmic: e, ln, log (e(x) is e to the power x, e(1) the number e; log is the logarithm to base 10)
abs: the modulus (absolute value)
sqrt: the square root, the same as raising to the power 1/2
floor: the greatest integer not greater than its argument

The constant pi: the number 3.1415927.

Angles are in radians. Each function applies to the operand right after it, with or without parentheses, and must have one: e^x is an error, e(x) is right.</source>
        <translation>Die eingebauten Funktionen:

Winkelfunktionen: sin, cos, tan, cosec, sec, cot
Arkusfunktionen: asin, acos, atan
Exponentialfunktion und Logarithmen: e, ln, log (e(x) ist e hoch x, e(1) die Zahl e; log ist der Logarithmus zur Basis 10)
abs: der Betrag (Absolutwert)
sqrt: die Quadratwurzel, dasselbe wie die Potenz 1/2
floor: die größte ganze Zahl, die nicht größer als das Argument ist

Die Konstante pi: die Zahl 3.1415927.

Winkel werden im Bogenmaß angegeben. Jede Funktion wirkt auf den Operanden direkt hinter ihr, mit oder ohne Klammern, und braucht einen: e^x ist ein Fehler, e(x) ist richtig.</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Die Hilfe öffnen</translation>
    </message>
    <message>
        <source>Save the active graph as an image, SVG or PDF file of the size you choose
Export Graph</source>
        <translation>Den aktiven Graphen als Bild-, SVG- oder PDF-Datei in der gewählten Größe speichern
Graph exportieren</translation>
    </message>
    <message>
        <source>Show the active graph on the whole screen; F11 or Esc goes back
Full Screen Graph</source>
        <translation>Den aktiven Graphen auf dem ganzen Bildschirm zeigen; F11 oder Esc kehrt zurück
Graph im Vollbild</translation>
    </message>
    <message>
        <source>X Scale and Y Scale: the number of pixels per unit along each axis. Type a value or use the + and - buttons, which redraw the graph at once.

Quality: the number of samples taken in each pixel column. A lower quality is faster but the curve may be dotted; a higher quality is slower but draws a complete line.

Plot dy/dx: plots the derivative f&apos;(x) of the function.

Integrate: evaluates the definite integral of the function between two limits that you type.

Evaluate and Eval dy/dx: give the value of the function, or of its derivative, at an x that you choose.

The information box shows the maximum, minimum and mean of the plotted values after each plot.

Move the mouse over the graph to see the co-ordinates under the pointer. A * after them means the point lies on the curve. The status bar of the main window shows the same point with as many decimals as the scale warrants, such as x = 1.25, y = -0.375 at scale 80.

Grid: View &gt; Grid (Ctrl+G) draws a grid with labelled ticks under every graph, to read values off the picture. The lines are 1, 2 or 5 times a power of ten units apart, at least 40 pixels, so they follow the scales. The choice holds for every graph and is remembered; with Do not clear previous graph ticked no grid is drawn.

Keyboard: Enter in the expression box plots. Alt with a button&apos;s underlined letter presses it (Alt+P plots); Alt+Shift with an arrow key changes a scale as its + and - buttons do. Tab also reaches the graph, whose border then shows the highlight colour: there the arrow keys move the view a tenth of the graph at a time, one pixel with Shift.

Tools menu: Find Roots, Find Extrema and Find Intersections (with every other shown explicit function) look at the selected function as the graph shows it, over the x range of the graph: one sample per pixel column, at the x the graph is drawn with. The points found are listed in the Points window (function, kind, x and y, in order of x) and ringed on the graph until it is drawn again. Choose a row to see its point in the status bar; Copy (Ctrl+C) copies the rows with a header line, a tab between the columns, and Export CSV saves them as a file. One command lists at most 1000 points.

A root is found between every two neighbouring samples of opposite sign, and at every sample that is exactly 0. Its x is a number where f is 0, or where f changes sign towards the next number (as closely as the program&apos;s numbers go) with no larger size there. Where the size of f keeps growing from both sides as the search closes in (a pole, as tan x at pi/2, or a jump, as x - floor(x) - 0.5 at 1), no root is listed. A minimum or maximum whose value is 0 is a root too: the curve touches zero there.

A maximum (minimum) is found at every sample above (below) both its neighbours; a run of equal samples counts once. Its x gives a value no smaller (larger) than the samples around it and than the numbers just beside it. Poles and infinite values are not listed as maxima or minima. An intersection of two functions is a root of their difference; its y is the value of the first.

Table of Values asks for From, To and Step and lists x, f(x) and dy/dx (as Eval dy/dx gives it) for x = From, From + Step, ... up to To. A step of 0, a step that leads away from To, or more than 100000 rows is refused. Copy and Export CSV work as in the Points window.

The graph at any size: View &gt; Full Screen Graph (F11) shows the graph on the whole screen, where the wheel, dragging and the View commands work as over the form; F11, or Esc when nothing is being drawn, goes back. File &gt; Export Graph asks for the picture&apos;s size and whether to keep the visible region (the scales grow with the picture) or the scales (a bigger picture shows more), then writes an image, or an SVG or PDF file that holds the graph as lines and text.</source>
        <translation>X-Skala und Y-Skala: die Anzahl der Pixel pro Einheit entlang jeder Achse. Geben Sie einen Wert ein oder verwenden Sie die Schaltflächen + und -, die den Graphen sofort neu zeichnen.

Qualität: die Anzahl der Abtastwerte in jeder Pixelspalte. Eine niedrigere Qualität ist schneller, doch die Kurve kann gepunktet erscheinen; eine höhere Qualität ist langsamer, zeichnet aber eine durchgehende Linie.

Ableitung: zeichnet die Ableitung f&apos;(x) der Funktion.

Integrieren: berechnet das bestimmte Integral der Funktion zwischen zwei Grenzen, die Sie eingeben.

Wert und dy/dx-Wert: geben den Wert der Funktion oder ihrer Ableitung an einer Stelle x an, die Sie wählen.

Das Informationsfeld zeigt nach jedem Zeichnen das Maximum, das Minimum und den Mittelwert der gezeichneten Werte.

Bewegen Sie die Maus über den Graphen, um die Koordinaten unter dem Zeiger zu sehen. Ein * dahinter bedeutet, dass der Punkt auf der Kurve liegt. Die Statusleiste des Hauptfensters zeigt denselben Punkt mit so vielen Nachkommastellen, wie die Skala hergibt, etwa x = 1.25, y = -0.375 bei Skala 80.

Gitter: Ansicht &gt; Gitter (Strg+G) legt unter jeden Graphen ein Gitter mit beschrifteten Teilstrichen, um Werte am Bild abzulesen. Die Linien liegen 1, 2 oder 5 mal eine Zehnerpotenz an Einheiten auseinander, mindestens 40 Pixel, und folgen so den Skalen. Die Wahl gilt für jeden Graphen und wird gespeichert; ist „Vorherigen Graphen behalten“ angekreuzt, wird kein Gitter gezeichnet.

Tastatur: Die Eingabetaste im Ausdrucksfeld zeichnet. Alt mit dem unterstrichenen Buchstaben einer Schaltfläche drückt sie (Alt+Z zeichnet); Alt+Umschalt mit einer Pfeiltaste ändert eine Skala wie ihre Schaltflächen + und -. Die Tabulatortaste erreicht auch den Graphen, dessen Rand dann die Hervorhebungsfarbe zeigt: Dort verschieben die Pfeiltasten die Ansicht jeweils um ein Zehntel des Graphen, mit Umschalt um ein Pixel.

Menü Extras: „Nullstellen suchen“, „Extrema suchen“ und „Schnittpunkte suchen“ (mit jeder anderen eingeblendeten expliziten Funktion) untersuchen die ausgewählte Funktion, wie der Graph sie zeigt, über seinen x-Bereich: ein Abtastwert je Pixelspalte, an dem x, mit dem der Graph gezeichnet wird. Die gefundenen Punkte stehen im Fenster „Punkte“ (Funktion, Art, x und y, nach x geordnet) und sind im Graphen eingekreist, bis er neu gezeichnet wird. Wählen Sie eine Zeile, um ihren Punkt in der Statusleiste zu sehen; „Kopieren“ (Strg+C) kopiert die Zeilen mit einer Kopfzeile und einem Tabulator zwischen den Spalten, „CSV exportieren“ speichert sie als Datei. Ein Befehl listet höchstens 1000 Punkte auf.

Eine Nullstelle wird zwischen je zwei benachbarten Abtastwerten mit verschiedenem Vorzeichen gefunden und an jedem Abtastwert, der genau 0 ist. Ihr x ist eine Zahl, an der f gleich 0 ist oder an der f zur nächsten Zahl hin (so genau, wie die Zahlen des Programms reichen) das Vorzeichen wechselt, ohne dort betragsmäßig größer zu sein. Wo der Betrag von f von beiden Seiten immer weiter wächst, je enger die Suche wird (ein Pol wie bei tan x in pi/2 oder ein Sprung wie bei x - floor(x) - 0.5 in 1), wird keine Nullstelle aufgeführt. Ein Minimum oder Maximum mit dem Wert 0 ist ebenfalls eine Nullstelle: Dort berührt die Kurve die Null.

Ein Maximum (Minimum) wird an jedem Abtastwert gefunden, der über (unter) seinen beiden Nachbarn liegt; eine Folge gleicher Abtastwerte zählt einmal. Sein x ergibt einen Wert, der nicht kleiner (größer) ist als die Abtastwerte um ihn herum und als die Zahlen direkt daneben. Pole und unendliche Werte werden nicht als Maxima oder Minima aufgeführt. Ein Schnittpunkt zweier Funktionen ist eine Nullstelle ihrer Differenz; sein y ist der Wert der ersten.

„Wertetabelle“ fragt nach „Von“, „Bis“ und „Schritt“ und listet x, f(x) und dy/dx (wie „dy/dx-Wert“ es liefert) für x = Von, Von + Schritt, ... bis Bis auf. Ein Schritt von 0, ein Schritt, der von „Bis“ wegführt, oder mehr als 100000 Zeilen werden abgelehnt. „Kopieren“ und „CSV exportieren“ arbeiten wie im Fenster „Punkte“.

Der Graph in jeder Größe: Ansicht &gt; Graph im Vollbild (F11) zeigt den Graphen auf dem ganzen Bildschirm; dort wirken das Mausrad, das Ziehen und die Befehle des Menüs Ansicht wie über dem Formular. F11, oder Esc, solange nichts gezeichnet wird, führt zurück. Datei &gt; Graph exportieren fragt nach der Größe des Bildes und danach, ob der sichtbare Bereich (die Skalen wachsen mit dem Bild) oder die Skalen (ein größeres Bild zeigt mehr) beibehalten werden, und schreibt dann ein Bild oder eine SVG- oder PDF-Datei, die den Graphen als Linien und Text enthält.</translation>
    </message>
    <message>
        <source>Show or hide the sliders of the graph&apos;s parameters (Ctrl+Shift+P goes to them)
Toggle Parameter List</source>
        <translation>Die Schieberegler der Parameter des Graphen ein- oder ausblenden (Strg+Umschalt+P springt zu ihnen)
Parameterliste</translation>
    </message>
    <message>
        <source>Type a function of x into the box at the top of the graph window and click Plot. Plovex draws y = f(x) across the graph, whose axes cross at its centre.

Example: x^2 + 5*x + 6

Built-in functions may be written with or without parentheses: sin x and sin(x) mean the same. A function takes the operand right after it: sin x^2 is (sin x)^2, and sin 2x is (sin 2)*x, so write sin(2x).

Multiplication may be left out between operands, with the same precedence as *: 2x is 2*x, 2(x+1) is 2*(x+1), (x+1)(x-1), x sin x and, in implicit functions, x y multiply too; 2x^2 is 2*x^2 and 1/2x is (1/2)*x. The postfix box shows the *.

Numbers may have an exponent: 1e5 is 100000, 2.5e-3 is 0.0025, and x^2-1e-2 is x^2 - 0.01. pi is the number 3.1415927: x*pi, 2pi.

A name is letters with any digits right after them: log10(x) and sin2x are unknown names, not log(10)*x or sin(2)*x. An unknown name is reported, as is a function with no argument after it: e^x gives &quot;Function &apos;e&apos; has no argument.&quot;; write e(x) or e x for e to the power x.

Implicit functions: tick Implicit function and enter f(x, y) without an equals sign. Plovex draws every point where f(x, y) = 0.

Example: x^2 + y^2 - 25 draws a circle of radius 5.

Several functions: the Functions list beside the graphs (View &gt; Function List, Ctrl+Shift+L) holds every function of the graph, each in its own colour. New Function (Insert) adds one; choose a row to edit its function in the form. A row&apos;s box shows or hides its function (Space), Colour... (F2) changes its colour, and Delete Function, Move Up and Move Down (Alt+Up, Alt+Down) do as they say. Plot draws every shown function; the statistics, the pointer readout, Evaluate, Eval dy/dx, Integrate and Plot dy/dx act on the selected one.

Parameters: a name of your own, such as a and b in a*sin(b*x), is a parameter of the graph. Plot offers to create each one not yet defined, with the value 1 from -5 to 5 in steps of 0.1. The Parameters list below the functions (View &gt; Parameter List, Ctrl+Shift+P) has a slider for each, with its value, range and step; moving a slider (the arrow keys by one step, Page Up and Page Down by ten) redraws every window of the graph at once. Its ▶ button plays: the slider moves from the minimum to the maximum and back until you press ■ or Esc. Add (Insert) makes a new parameter and ✕ deletes one; type a new name into its name box to rename it.</source>
        <translation>Geben Sie eine Funktion von x in das Feld oben im Graphenfenster ein und klicken Sie auf „Zeichnen“. Plovex zeichnet y = f(x) über den ganzen Graphen, dessen Achsen sich in seiner Mitte schneiden.

Beispiel: x^2 + 5*x + 6

Eingebaute Funktionen können mit oder ohne Klammern geschrieben werden: sin x und sin(x) bedeuten dasselbe. Eine Funktion wirkt auf den Operanden direkt hinter ihr: sin x^2 ist (sin x)^2, und sin 2x ist (sin 2)*x; schreiben Sie daher sin(2x).

Das Malzeichen darf zwischen Operanden fehlen und bindet dann wie *: 2x ist 2*x, 2(x+1) ist 2*(x+1), und auch (x+1)(x-1), x sin x und in impliziten Funktionen x y werden multipliziert; 2x^2 ist 2*x^2 und 1/2x ist (1/2)*x. Die Postfix-Form zeigt das *.

Zahlen dürfen einen Exponenten haben: 1e5 ist 100000, 2.5e-3 ist 0.0025, und x^2-1e-2 ist x^2 - 0.01. pi ist die Zahl 3.1415927: x*pi, 2pi.

Ein Name besteht aus Buchstaben und den Ziffern direkt dahinter: log10(x) und sin2x sind unbekannte Namen, nicht log(10)*x oder sin(2)*x. Ein unbekannter Name wird gemeldet, ebenso eine Funktion ohne Argument dahinter: Bei e^x meldet Plovex, dass die Funktion „e“ kein Argument hat; schreiben Sie e(x) oder e x für e hoch x.

Implizite Funktionen: Kreuzen Sie „Implizit“ an und geben Sie f(x, y) ohne Gleichheitszeichen ein. Plovex zeichnet jeden Punkt, an dem f(x, y) = 0 gilt.

Beispiel: x^2 + y^2 - 25 zeichnet einen Kreis mit dem Radius 5.

Mehrere Funktionen: Die Liste „Funktionen“ neben den Graphen (Ansicht &gt; Funktionsliste, Strg+Umschalt+L) enthält jede Funktion des Graphen, jede in ihrer eigenen Farbe. „Neue Funktion“ (Einfg) fügt eine hinzu; wählen Sie eine Zeile, um ihre Funktion im Formular zu bearbeiten. Das Kästchen einer Zeile blendet ihre Funktion ein oder aus (Leertaste), „Farbe...“ (F2) ändert ihre Farbe, und „Funktion löschen“, „Nach oben“ und „Nach unten“ (Alt+Auf, Alt+Ab) tun, was sie sagen. „Zeichnen“ zeichnet jede eingeblendete Funktion; die Statistik, die Zeigeranzeige, „Wert“, „dy/dx-Wert“, „Integrieren“ und „Ableitung“ wirken auf die ausgewählte.

Parameter: Ein eigener Name wie a und b in a*sin(b*x) ist ein Parameter des Graphen. „Zeichnen“ bietet an, jeden noch nicht definierten anzulegen, mit dem Wert 1 von -5 bis 5 in Schritten von 0.1. Die Parameterliste unter den Funktionen (Ansicht &gt; Parameterliste, Strg+Umschalt+P) hat für jeden einen Schieberegler mit Wert, Bereich und Schritt; wer einen Regler bewegt (mit den Pfeiltasten um einen Schritt, mit Bild auf und Bild ab um zehn), zeichnet jedes Fenster des Graphen sofort neu. Sein Knopf ▶ spielt ab: Der Regler läuft vom Minimum zum Maximum und zurück, bis Sie ■ oder Esc drücken. „Hinzufügen“ (Einfg) legt einen neuen Parameter an, ✕ löscht einen; geben Sie einen neuen Namen in sein Namensfeld ein, um ihn umzubenennen.</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen
Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>plovex::CCurveEditor</name>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>y(t)</source>
        <translation>y(t)</translation>
    </message>
    <message>
        <source>x(t)</source>
        <translation>x(t)</translation>
    </message>
    <message>
        <source>r(t)</source>
        <translation>r(t)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a finite number. The range of t stays from %2 to %3.</source>
        <translation>„%1“ ist keine endliche Zahl. Der Bereich von t bleibt von %2 bis %3.</translation>
    </message>
    <message>
        <source>y(t) =</source>
        <translation>y(t) =</translation>
    </message>
    <message>
        <source>t from</source>
        <translation>t von</translation>
    </message>
    <message>
        <source>Start of the range of t</source>
        <translation>Anfang des Bereichs von t</translation>
    </message>
    <message>
        <source>End of the range of t</source>
        <translation>Ende des Bereichs von t</translation>
    </message>
    <message>
        <source>x(t) =</source>
        <translation>x(t) =</translation>
    </message>
    <message>
        <source>r(t) =</source>
        <translation>r(t) =</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameActions</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation>Graph e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Gitter</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>Ansicht &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>Gleiche Sk&amp;alen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Zu&amp;rück</translation>
    </message>
    <message>
        <source>For&amp;ward</source>
        <translation>V&amp;orwärts</translation>
    </message>
    <message>
        <source>F&amp;ull Screen Graph</source>
        <translation>Graph im Voll&amp;bild</translation>
    </message>
    <message>
        <source>&amp;Function List</source>
        <translation>&amp;Funktionsliste</translation>
    </message>
    <message>
        <source>&amp;New Function</source>
        <translation>&amp;Neue Funktion</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Delete Function</source>
        <translation>Funktion &amp;löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Find &amp;Roots</source>
        <translation>&amp;Nullstellen suchen</translation>
    </message>
    <message>
        <source>Find &amp;Extrema</source>
        <translation>&amp;Extrema suchen</translation>
    </message>
    <message>
        <source>Find &amp;Intersections</source>
        <translation>&amp;Schnittpunkte suchen</translation>
    </message>
    <message>
        <source>&amp;Table of Values...</source>
        <translation>&amp;Wertetabelle...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>Ne&amp;beneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>&amp;Using Plovex</source>
        <translation>&amp;Arbeiten mit Plovex</translation>
    </message>
    <message>
        <source>&amp;About Plovex...</source>
        <translation>Ü&amp;ber Plovex...</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>&amp;Nächster Bereich</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>&amp;Vorheriger Bereich</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameMenus</name>
    <message>
        <source>&amp;Edit</source>
        <translation>B&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
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
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameToolBar</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>plovex::CFullScreenGraph</name>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Pointer position</source>
        <translation>Zeigerposition</translation>
    </message>
    <message>
        <source>F11 or Esc: back to the window</source>
        <translation>F11 oder Esc: zurück zum Fenster</translation>
    </message>
</context>
<context>
    <name>plovex::CFunctionBar</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>sichtbar</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <source>Parametric: x = %1, y = %2</source>
        <translation>Parametrisch: x = %1, y = %2</translation>
    </message>
    <message>
        <source>Polar: r = %1</source>
        <translation>Polar: r = %1</translation>
    </message>
</context>
<context>
    <name>plovex::CHelpDlg</name>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Plotting Graphs</source>
        <translation>Graphen zeichnen</translation>
    </message>
    <message>
        <source>Function List</source>
        <translation>Funktionsliste</translation>
    </message>
    <message>
        <source>Additional Features</source>
        <translation>Weitere Möglichkeiten</translation>
    </message>
    <message>
        <source>Other Uses of Plovex</source>
        <translation>Andere Einsatzmöglichkeiten</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
</context>
<context>
    <name>plovex::CNewFunctionMenu</name>
    <message>
        <source>&amp;Explicit y = f(x)</source>
        <translation>&amp;Explizit y = f(x)</translation>
    </message>
    <message>
        <source>&amp;Implicit f(x, y) = 0</source>
        <translation>&amp;Implizit f(x, y) = 0</translation>
    </message>
    <message>
        <source>&amp;Parametric x(t), y(t)</source>
        <translation>&amp;Parametrisch x(t), y(t)</translation>
    </message>
    <message>
        <source>P&amp;olar r(t)</source>
        <translation>P&amp;olar r(t)</translation>
    </message>
</context>
<context>
    <name>plovex::CParameterBar</name>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>&amp;Parameter List</source>
        <translation>&amp;Parameterliste</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add parameter</source>
        <translation>Parameter hinzufügen</translation>
    </message>
    <message>
        <source>Add a parameter (Insert)</source>
        <translation>Einen Parameter hinzufügen (Einfg)</translation>
    </message>
</context>
<context>
    <name>plovex::CParameterRow</name>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Name of parameter %1</source>
        <translation>Name des Parameters %1</translation>
    </message>
    <message>
        <source>Slider of %1</source>
        <translation>Schieberegler von %1</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Wert von %1</translation>
    </message>
    <message>
        <source>Minimum of %1</source>
        <translation>Minimum von %1</translation>
    </message>
    <message>
        <source>Maximum of %1</source>
        <translation>Maximum von %1</translation>
    </message>
    <message>
        <source>Step of %1</source>
        <translation>Schritt von %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Stop %1</source>
        <translation>%1 anhalten</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 abspielen</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexApp</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexDoc</name>
    <message>
        <source>Cannot open the document &quot;%1&quot;.

%2</source>
        <translation>Das Dokument „%1“ kann nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>Cannot save the document &quot;%1&quot;.

%2</source>
        <translation>Das Dokument „%1“ kann nicht gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>It is not a Plovex graph: %1</source>
        <translation>Es ist kein Plovex-Graph: %1</translation>
    </message>
    <message>
        <source>The graph settings stored in &quot;%1&quot; are damaged. The expression opens with the default scales and quality.</source>
        <translation>Die in „%1“ gespeicherten Einstellungen des Graphen sind beschädigt. Der Ausdruck wird mit den Standardwerten für Skalen und Qualität geöffnet.</translation>
    </message>
    <message>
        <source>The parameters stored in &quot;%1&quot; are damaged. The functions open without parameters.</source>
        <translation>Die in „%1“ gespeicherten Parameter sind beschädigt. Die Funktionen werden ohne Parameter geöffnet.</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexView</name>
    <message>
        <source>Evaluate function for what value of x?</source>
        <translation>Für welchen Wert von x soll die Funktion ausgewertet werden?</translation>
    </message>
    <message>
        <source>Evaluate dy/dx for what value of x?</source>
        <translation>Für welchen Wert von x soll dy/dx ausgewertet werden?</translation>
    </message>
    <message>
        <source>Enter lower limit for integration:</source>
        <translation>Untere Integrationsgrenze eingeben:</translation>
    </message>
    <message>
        <source>Enter upper limit for integration:</source>
        <translation>Obere Integrationsgrenze eingeben:</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>Graph &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation>Graph e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Cannot print the graph: the printer did not accept the page.</source>
        <translation>Der Graph kann nicht gedruckt werden: Der Drucker hat die Seite nicht angenommen.</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Graph exportieren</translation>
    </message>
    <message>
        <source>Cannot print the graph to &quot;%1&quot;.

%2</source>
        <translation>Der Graph kann nicht in „%1“ gedruckt werden.

%2</translation>
    </message>
    <message>
        <source>Roots, extrema and tables of values are found for explicit functions: clear Implicit function and plot.</source>
        <translation>Nullstellen, Extrema und Wertetabellen gibt es nur für explizite Funktionen: Entfernen Sie das Häkchen bei „Implizit“ und zeichnen Sie neu.</translation>
    </message>
    <message>
        <source>Cannot zoom in further: the scale would become infinite.</source>
        <translation>Weiter vergrößern geht nicht: Die Skala würde unendlich.</translation>
    </message>
    <message>
        <source>Cannot zoom out further: the scale would become zero.</source>
        <translation>Weiter verkleinern geht nicht: Die Skala würde null.</translation>
    </message>
    <message>
        <source>Cannot zoom in further: neighbouring pixels would show the same value.</source>
        <translation>Weiter vergrößern geht nicht: Benachbarte Pixel würden denselben Wert zeigen.</translation>
    </message>
    <message>
        <source>Cannot zoom out further: neighbouring pixels would show the same value.</source>
        <translation>Weiter verkleinern geht nicht: Benachbarte Pixel würden denselben Wert zeigen.</translation>
    </message>
    <message>
        <source>Cannot make the scales equal: the x scale cannot be used for y.</source>
        <translation>Die Skalen können nicht gleich gemacht werden: Die x-Skala ist für y nicht verwendbar.</translation>
    </message>
    <message>
        <source>Roots, extrema and tables of values are found for explicit functions y = f(x), not for parametric or polar curves.</source>
        <translation>Nullstellen, Extrema und Wertetabellen gibt es nur für explizite Funktionen y = f(x), nicht für parametrische oder polare Kurven.</translation>
    </message>
</context>
<context>
    <name>plovex::CPointsDlg</name>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>root</source>
        <translation>Nullstelle</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>intersection with function %1</source>
        <translation>Schnittpunkt mit Funktion %1</translation>
    </message>
    <message>
        <source>%1 of %2: x = %3, y = %4</source>
        <translation>%1 von %2: x = %3, y = %4</translation>
    </message>
</context>
<context>
    <name>plovex::CToolWindows</name>
    <message>
        <source>There is no other shown explicit function in this graph to meet: add one with New Function, or show one in the function list.</source>
        <translation>Dieser Graph zeigt keine andere explizite Funktion, die geschnitten werden könnte: Fügen Sie mit „Neue Funktion“ eine hinzu oder blenden Sie eine in der Funktionsliste ein.</translation>
    </message>
    <message>
        <source>Roots of %1</source>
        <translation>Nullstellen von %1</translation>
    </message>
    <message>
        <source>Minima and maxima of %1</source>
        <translation>Minima und Maxima von %1</translation>
    </message>
    <message>
        <source>Intersections of %1</source>
        <translation>Schnittpunkte von %1</translation>
    </message>
    <message>
        <source>%1 for x from %2 to %3</source>
        <translation>%1 für x von %2 bis %3</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>roots</comment>
        <translation>%1: keine gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>roots</comment>
        <translation>
            <numerusform>%1: %n gefunden.</numerusform>
            <numerusform>%1: %n gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>minima and maxima</comment>
        <translation>%1: keine gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>minima and maxima</comment>
        <translation>
            <numerusform>%1: %n gefunden.</numerusform>
            <numerusform>%1: %n gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>intersections</comment>
        <translation>%1: keine gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>intersections</comment>
        <translation>
            <numerusform>%1: %n gefunden.</numerusform>
            <numerusform>%1: %n gefunden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>plovex::CValueTableDlg</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>%1 - Table of Values</source>
        <translation>%1 - Wertetabelle</translation>
    </message>
</context>
<context>
    <name>plovex::DataTable</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>plovex::DocumentTemplate</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
</TS>
