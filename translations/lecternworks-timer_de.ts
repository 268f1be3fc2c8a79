<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;File version %2&lt;/p&gt;&lt;p&gt;A speech timer for public-speaking clubs: its light turns green, yellow and red as the speaker passes each threshold.&lt;/p&gt;&lt;p&gt;Copyright the LecternWorks Timer developers.&lt;br&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Dateiversion %2&lt;/p&gt;&lt;p&gt;Ein Redezeit-Timer für Rhetorikclubs: Seine Ampel wird grün, gelb und rot, sobald die Rednerin oder der Redner die jeweilige Zeitmarke erreicht.&lt;/p&gt;&lt;p&gt;Copyright die Entwickler von LecternWorks Timer.&lt;br&gt;Veröffentlicht unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>AgendaColumns</name>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
</context>
<context>
    <name>AgendaLink</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>AgendaReader</name>
    <message>
        <source>Cannot read the file: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Not text: it holds NUL bytes or control characters</source>
        <translation>Kein Text: Sie enthält NUL-Bytes oder Steuerzeichen</translation>
    </message>
    <message>
        <source>Not UTF-8 text</source>
        <translation>Kein UTF-8-Text</translation>
    </message>
    <message>
        <source>Over %1 MB: too large for an agenda</source>
        <translation>Über %1 MB: zu groß für eine Tagesordnung</translation>
    </message>
    <message>
        <source>The first line names the column &quot;%1&quot; twice</source>
        <translation>Die erste Zeile nennt die Spalte „%1“ zweimal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be %2</source>
        <translation>„%1“ könnte %2 sein</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>none, the test speed sets them</source>
        <translation>keine, die Testgeschwindigkeit legt sie fest</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The %1 threshold &quot;%2&quot; is not a time (M:SS)</source>
        <translation>Der Schwellenwert %1 „%2“ ist keine Zeit (M:SS)</translation>
    </message>
    <message>
        <source>%1 has thresholds of its own (%2); only a CUSTOM speech takes others</source>
        <translation>%1 hat eigene Schwellenwerte (%2); nur eine CUSTOM-Rede nimmt andere</translation>
    </message>
    <message>
        <source>A CUSTOM speech needs its green, yellow and red thresholds</source>
        <translation>Eine CUSTOM-Rede braucht ihre Schwellenwerte für Grün, Gelb und Rot</translation>
    </message>
    <message>
        <source>The thresholds are out of order: green, yellow and red must rise</source>
        <translation>Die Schwellenwerte sind nicht in Ordnung: Grün, Gelb und Rot müssen steigen</translation>
    </message>
    <message>
        <source>A quoted field does not end where it should</source>
        <translation>Ein Feld in Anführungszeichen endet nicht, wo es sollte</translation>
    </message>
    <message>
        <source>Too few columns: a name and a category needed</source>
        <translation>Zu wenige Spalten: Name und Kategorie werden gebraucht</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters</source>
        <translation>Der Name ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>The first line does not name the columns: %1, %2, and %3, %4, %5 for CUSTOM</source>
        <translation>Die erste Zeile nennt die Spalten nicht: %1, %2 und für CUSTOM %3, %4, %5</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Unknown category &quot;%1&quot;: give a row&apos;s number or the start of its name: %2</source>
        <translation>Unbekannte Kategorie „%1“: Geben Sie die Nummer einer Zeile oder den Anfang ihres Namens an: %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Not UTF-8 text; it reads as Western European (Windows-1252)</source>
        <translation>Kein UTF-8-Text; er lässt sich als Westeuropäisch (Windows-1252) lesen</translation>
    </message>
    <message>
        <source>Over %1 speeches: too many for an agenda</source>
        <translation>Über %1 Reden: zu viele für eine Tagesordnung</translation>
    </message>
    <message>
        <source>A rehearsal (the TEST row) is not planned</source>
        <translation>Eine Probe (die Zeile TEST) wird nicht geplant</translation>
    </message>
</context>
<context>
    <name>AgendaRejects</name>
    <message>
        <source>Lines Not Read</source>
        <translation>Nicht gelesene Zeilen</translation>
    </message>
    <message>
        <source>No speech could be read. The lines below were left out, with the reason for each.</source>
        <translation>Keine Rede konnte gelesen werden. Die folgenden Zeilen wurden ausgelassen, jede mit ihrem Grund.</translation>
    </message>
    <message>
        <source>Speeches read: %1. The lines below could not be read; you can add the speeches that were read, or nothing.</source>
        <translation>Gelesene Reden: %1. Die folgenden Zeilen konnten nicht gelesen werden; Sie können die gelesenen Reden hinzufügen oder nichts.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Add the &amp;Good Ones</source>
        <translation>Die &amp;guten hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Nothing</source>
        <translation>&amp;Nichts hinzufügen</translation>
    </message>
</context>
<context>
    <name>CaptureWindow</name>
    <message>
        <source>Light for Screen Capture</source>
        <translation>Ampel für Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>B&amp;adge</source>
        <translation>&amp;Plakette</translation>
    </message>
    <message>
        <source>Bo&amp;rder</source>
        <translation>&amp;Rahmen</translation>
    </message>
    <message>
        <source>Badge &amp;Corner</source>
        <translation>&amp;Ecke der Plakette</translation>
    </message>
    <message>
        <source>Top &amp;Left</source>
        <translation>Oben &amp;links</translation>
    </message>
    <message>
        <source>&amp;Top Right</source>
        <translation>Oben &amp;rechts</translation>
    </message>
    <message>
        <source>Bottom L&amp;eft</source>
        <translation>&amp;Unten links</translation>
    </message>
    <message>
        <source>Bottom &amp;Right</source>
        <translation>U&amp;nten rechts</translation>
    </message>
    <message>
        <source>Show the &amp;Elapsed Time</source>
        <translation>&amp;Verstrichene Zeit zeigen</translation>
    </message>
    <message>
        <source>&amp;Flash When Over Time</source>
        <translation>&amp;Blinken bei Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Chroma &amp;Key Color...</source>
        <translation>&amp;Chroma-Key-Farbe...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Chroma Key Color</source>
        <translation>Chroma-Key-Farbe</translation>
    </message>
</context>
<context>
    <name>GracePeriod</name>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;15 Seconds</source>
        <translation>&amp;15 Sekunden</translation>
    </message>
    <message>
        <source>&amp;30 Seconds</source>
        <translation>&amp;30 Sekunden</translation>
    </message>
</context>
<context>
    <name>HorizontalTimer</name>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>green lamp</source>
        <translation>grüne Lampe</translation>
    </message>
    <message>
        <source>Green lamp</source>
        <translation>Grüne Lampe</translation>
    </message>
    <message>
        <source>G</source>
        <translation>Gr</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>yellow lamp</source>
        <translation>gelbe Lampe</translation>
    </message>
    <message>
        <source>Yellow lamp</source>
        <translation>Gelbe Lampe</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Ge</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>red lamp</source>
        <translation>rote Lampe</translation>
    </message>
    <message>
        <source>Red lamp</source>
        <translation>Rote Lampe</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Signal light: %1</source>
        <translation>Signalampel: %1</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>All lamps dark</source>
        <translation>Alle Lampen aus</translation>
    </message>
    <message>
        <source>Lit: %1</source>
        <translation>Leuchtet: %1</translation>
    </message>
</context>
<context>
    <name>LecternWorksTimer</name>
    <message>
        <source>Time elapsed</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>How long the last speech ran, in minutes and seconds</source>
        <translation>Wie lange die letzte Rede dauerte, in Minuten und Sekunden</translation>
    </message>
    <message>
        <source>Stops the timing and shows the time spoken</source>
        <translation>Beendet die Zeitnahme und zeigt die Redezeit</translation>
    </message>
    <message>
        <source>Starts timing a speech by the chosen category&apos;s thresholds</source>
        <translation>Beginnt die Zeitnahme einer Rede mit den Zeitmarken der gewählten Kategorie</translation>
    </message>
    <message>
        <source> (record not saved)</source>
        <translation> (Protokoll nicht gespeichert)</translation>
    </message>
</context>
<context>
    <name>LightServer</name>
    <message>
        <source>Port %1 is taken on %2 by another program; choose another port.</source>
        <translation>Port %1 auf %2 ist von einem anderen Programm belegt; wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <translation>Kann nicht auf %1, Port %2 lauschen: %3</translation>
    </message>
</context>
<context>
    <name>MaskedTimeBox</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
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
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
</context>
<context>
    <name>MeetingEditor</name>
    <message>
        <source>Done: %1. Ctrl+Z undoes it.</source>
        <translation>Erledigt: %1. Strg+Z macht es rückgängig.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>Nothing was added to the plan.</source>
        <translation>Dem Plan wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Add a Speaker to the Plan</source>
        <translation>Redner zum Plan hinzufügen</translation>
    </message>
    <message>
        <source>Saved the plan in %1.</source>
        <translation>Plan in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Could not save the plan in %1: %2</source>
        <translation>Der Plan konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Set the Speech Right</source>
        <translation>Rede berichtigen</translation>
    </message>
    <message>
        <source>Change the Planned Speech</source>
        <translation>Geplante Rede ändern</translation>
    </message>
    <message>
        <source>Add a Speech by Hand</source>
        <translation>Rede von Hand hinzufügen</translation>
    </message>
    <message>
        <source>Could not change the record: %1</source>
        <translation>Das Protokoll konnte nicht geändert werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n speech(es) added to the plan</source>
        <translation>
            <numerusform>%n Rede zum Plan hinzugefügt</numerusform>
            <numerusform>%n Reden zum Plan hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Plan importieren</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text. Read it as Western European (Windows-1252)?</source>
        <translation>%1 ist kein UTF-8-Text. Als Westeuropäisch (Windows-1252) lesen?</translation>
    </message>
    <message>
        <source>moved in the plan</source>
        <translation>im Plan verschoben</translation>
    </message>
    <message>
        <source>%1 taken off the plan</source>
        <translation>%1 aus dem Plan genommen</translation>
    </message>
    <message>
        <source>the speech started at %1 deleted</source>
        <translation>die um %1 begonnene Rede gelöscht</translation>
    </message>
    <message>
        <source>the planned speech changed</source>
        <translation>die geplante Rede geändert</translation>
    </message>
    <message>
        <source>the speech set right</source>
        <translation>die Rede berichtigt</translation>
    </message>
    <message>
        <source>a speech added by hand</source>
        <translation>eine Rede von Hand hinzugefügt</translation>
    </message>
    <message>
        <source>Nothing was added: the plan would hold over %1 speeches.</source>
        <translation>Nichts wurde hinzugefügt: Der Plan hätte über %1 Reden.</translation>
    </message>
    <message>
        <source>the speech marked as not the planned speaker&apos;s</source>
        <translation>die Rede als nicht die des geplanten Redners markiert</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>cannot change</source>
        <translation>kann nicht ändern</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>kann nicht schreiben</translation>
    </message>
    <message>
        <source>no meeting for the speech</source>
        <translation>kein Treffen für die Rede</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>kann nicht lesen</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>(unnamed device)</source>
        <translation>(unbenanntes Gerät)</translation>
    </message>
</context>
<context>
    <name>PairingWindow</name>
    <message>
        <source>Light on Other Devices</source>
        <translation>Ampel auf anderen Geräten</translation>
    </message>
    <message>
        <source>&amp;Show the light on other devices</source>
        <translation>Ampel auf anderen Geräten &amp;zeigen</translation>
    </message>
    <message>
        <source>Choose an address</source>
        <translation>Adresse wählen</translation>
    </message>
    <message>
        <source>switch on at start</source>
        <translation>beim Start einschalten</translation>
    </message>
    <message>
        <source>C&amp;opy Address</source>
        <translation>Adresse k&amp;opieren</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Gekoppelt</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Make &amp;Controller</source>
        <translation>Zur &amp;Steuerung machen</translation>
    </message>
    <message>
        <source>Make &amp;Viewer</source>
        <translation>Zur &amp;Anzeige machen</translation>
    </message>
    <message>
        <source>&amp;Revoke</source>
        <translation>&amp;Widerrufen</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>A&amp;dresse:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Paired devices:</source>
        <translation>Gekoppelte Geräte:</translation>
    </message>
    <message>
        <source>Choose the address to offer the light on; nothing listens until one is chosen.</source>
        <translation>Wählen Sie die Adresse, unter der die Ampel angeboten wird; bis dahin lauscht nichts.</translation>
    </message>
    <message>
        <source>Off: nothing listens on the network.</source>
        <translation>Aus: Im Netzwerk lauscht nichts.</translation>
    </message>
    <message>
        <source>On: scan the code with a phone or tablet to pair it. A code pairs one device and is good for two minutes.</source>
        <translation>Ein: Scannen Sie den Code mit einem Telefon oder Tablet, um es zu koppeln. Ein Code koppelt ein Gerät und gilt zwei Minuten.</translation>
    </message>
    <message>
        <source>controller</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>viewer</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>What failed</source>
        <translation>Was fehlschlug</translation>
    </message>
    <message>
        <source>Failed attempts:</source>
        <translation>Fehlgeschlagene Versuche:</translation>
    </message>
    <message>
        <source>a wrong pairing code</source>
        <translation>ein falscher Kopplungscode</translation>
    </message>
    <message>
        <source>a wrong key</source>
        <translation>ein falscher Schlüssel</translation>
    </message>
    <message>
        <source>refused: too many failures</source>
        <translation>abgewiesen: zu viele Fehlversuche</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A paired device: a browser on a system, &quot;Chrome on Android&quot;.</extracomment>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Copy &amp;Link for Video...</source>
        <translation>&amp;Link für Video kopieren...</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message numerus="yes">
        <source>%n speech(es)</source>
        <translation>
            <numerusform>%n Rede</numerusform>
            <numerusform>%n Reden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) made in the report</source>
        <translation>
            <numerusform>%n Änderung im Bericht</numerusform>
            <numerusform>%n Änderungen im Bericht</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Back Up Meetings</source>
        <translation>Treffen sichern</translation>
    </message>
    <message>
        <source>Meeting records (*.sqlite)</source>
        <translation>Sitzungsprotokolle (*.sqlite)</translation>
    </message>
    <message>
        <source>Every meeting is saved in %1.</source>
        <translation>Alle Treffen sind in %1 gesichert.</translation>
    </message>
    <message>
        <source>Could not back up to %1: %2</source>
        <translation>Sicherung nach %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Meeting Record Not Saved</source>
        <translation>Protokoll nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 could not be saved in the meeting record.</source>
        <translation>Im Protokoll nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>%1

Save them to a CSV file, try the record again, or quit and lose them.</source>
        <translation>%1

In einer CSV-Datei speichern, das Protokoll erneut versuchen oder beenden und sie verlieren.</translation>
    </message>
    <message>
        <source>&amp;Save to a File...</source>
        <translation>In Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Quit and Lose %n</source>
        <translation>
            <numerusform>&amp;Beenden und %n verlieren</numerusform>
            <numerusform>&amp;Beenden und %n verlieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Unsaved Speeches</source>
        <translation>Ungespeicherte Reden speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Unsaved Speeches Kept</source>
        <translation>Ungespeicherte Reden aufbewahrt</translation>
    </message>
    <message>
        <source>When the program last ended, %1 could not be saved in the meeting record; they were kept in %2.</source>
        <translation>Beim letzten Beenden des Programms blieb im Protokoll ungespeichert: %1. Es wurde in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Take them into the meeting record now?</source>
        <translation>Jetzt ins Protokoll übernehmen?</translation>
    </message>
    <message>
        <source>&amp;Take Them In</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>%1 was left by an earlier run to hold unsaved speeches, but it cannot be read: %2.</source>
        <translation>%1 wurde von einem früheren Lauf für nicht gespeicherte Reden hinterlassen, kann aber nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>It is left where it is, so that nothing in it is lost.</source>
        <translation>Die Datei bleibt, wo sie ist, damit nichts darin verloren geht.</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>cannot create the folder</source>
        <translation>kann den Ordner nicht anlegen</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>kann nicht öffnen</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>kann nicht lesen</translation>
    </message>
    <message>
        <source>written by a newer version (schema %1)</source>
        <translation>von einer neueren Version geschrieben (Schema %1)</translation>
    </message>
    <message>
        <source>cannot set up</source>
        <translation>kann nicht einrichten</translation>
    </message>
    <message>
        <source>cannot create</source>
        <translation>kann nicht anlegen</translation>
    </message>
    <message>
        <source>cannot update</source>
        <translation>kann nicht aktualisieren</translation>
    </message>
    <message>
        <source>cannot move the unreadable file aside to %1</source>
        <translation>kann die unlesbare Datei nicht nach %1 verschieben</translation>
    </message>
</context>
<context>
    <name>RecordLink</name>
    <message>
        <source> - new meeting started</source>
        <translation> - neues Treffen begonnen</translation>
    </message>
    <message>
        <source> - Next: %1</source>
        <translation> - Als Nächstes: %1</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>An %1 gesendet.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Plan importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Plan speichern</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Not saved in the meeting record yet: it is tried again every few seconds</source>
        <translation>Noch nicht im Protokoll gespeichert: Es wird alle paar Sekunden erneut versucht</translation>
    </message>
    <message>
        <source>Press Enter or F2 to type the speaker&apos;s name</source>
        <translation>Eingabe oder F2 drücken, um den Namen einzugeben</translation>
    </message>
    <message>
        <source>being timed</source>
        <translation>wird gemessen</translation>
    </message>
    <message>
        <source>next</source>
        <translation>als Nächstes</translation>
    </message>
    <message>
        <source>%1 (set by hand)</source>
        <translation>%1 (von Hand gesetzt)</translation>
    </message>
    <message>
        <source>Speaks next: START times this speech</source>
        <translation>Spricht als Nächstes: START misst diese Rede</translation>
    </message>
    <message>
        <source>Added by hand</source>
        <translation>Von Hand hinzugefügt</translation>
    </message>
    <message>
        <source>Set by hand; timed as %1, %2</source>
        <translation>Von Hand gesetzt; gemessen als %1, %2</translation>
    </message>
    <message>
        <source>the planned speaker renamed</source>
        <translation>der geplante Redner umbenannt</translation>
    </message>
    <message>
        <source>Started from the device %1</source>
        <translation>Vom Gerät %1 gestartet</translation>
    </message>
    <message>
        <source>Stopped from the device %1</source>
        <translation>Vom Gerät %1 gestoppt</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>rehearsal</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>mistaken start</source>
        <translation>Fehlstart</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy, HH:mm</source>
        <extracomment>The meeting&apos;s day and time in QDateTime&apos;s format: &quot;Mon 7 Dec 2026, 19:30&quot;</extracomment>
        <translation>ddd, d. MMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>No speeches</source>
        <translation>Keine Reden</translation>
    </message>
    <message>
        <source>1 speech</source>
        <translation>1 Rede</translation>
    </message>
    <message>
        <source>%1 speeches</source>
        <translation>%1 Reden</translation>
    </message>
    <message>
        <source>%1: %2 qualified, %3 under time, %4 over time</source>
        <translation>%1: %2 qualifiziert, %3 zu kurz, %4 zu lang</translation>
    </message>
    <message>
        <source>Timer&apos;s Report</source>
        <translation>Bericht des Zeitnehmers</translation>
    </message>
    <message>
        <source>Meeting of %1</source>
        <translation>Treffen vom %1</translation>
    </message>
    <message>
        <source>timer: %1</source>
        <translation>Zeitnehmer: %1</translation>
    </message>
    <message>
        <source>; grace: %1</source>
        <translation>; Kulanz: %1</translation>
    </message>
    <message>
        <source> (grace: %1)</source>
        <translation> (Kulanz: %1)</translation>
    </message>
    <message>
        <source>Did not qualify: %1.</source>
        <translation>Nicht qualifiziert: %1.</translation>
    </message>
    <message>
        <source>Everyone qualified.</source>
        <translation>Alle haben sich qualifiziert.</translation>
    </message>
    <message>
        <source>set by hand</source>
        <translation>von Hand gesetzt</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 bis %3)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Set by hand after timing: %1.</source>
        <translation>Nach der Zeitnahme von Hand gesetzt: %1.</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>type a name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>&amp;Meeting:</source>
        <translation>&amp;Treffen:</translation>
    </message>
    <message>
        <source>Show &amp;rehearsals</source>
        <translation>Pro&amp;ben zeigen</translation>
    </message>
    <message>
        <source>the club&apos;s or the meeting&apos;s name</source>
        <translation>Name des Clubs oder des Treffens</translation>
    </message>
    <message>
        <source>Tit&amp;le:</source>
        <translation>T&amp;itel:</translation>
    </message>
    <message>
        <source>who timed the meeting</source>
        <translation>wer die Zeit genommen hat</translation>
    </message>
    <message>
        <source>Timer&apos;s &amp;name:</source>
        <translation>&amp;Name des Zeitnehmers:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete Speech</source>
        <translation>Rede &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Copies the report as text to the clipboard</source>
        <translation>Kopiert den Bericht als Text in die Zwischenablage</translation>
    </message>
    <message>
        <source>Saves the report&apos;s table as a CSV file</source>
        <translation>Speichert die Tabelle des Berichts als CSV-Datei</translation>
    </message>
    <message>
        <source>Saves the report as a PDF file</source>
        <translation>Speichert den Bericht als PDF-Datei</translation>
    </message>
    <message>
        <source>Shows the printed pages before they are printed</source>
        <translation>Zeigt die Seiten vor dem Drucken</translation>
    </message>
    <message>
        <source>Prints the report</source>
        <translation>Druckt den Bericht</translation>
    </message>
    <message>
        <source>Could not save the name: %1</source>
        <translation>Der Name konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>A new meeting has begun: the next speech timed is its first.</source>
        <translation>Ein neues Treffen hat begonnen: Die nächste gemessene Rede ist seine erste.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>1 speech</source>
        <translation>1 Rede</translation>
    </message>
    <message>
        <source>%1 speeches</source>
        <translation>%1 Reden</translation>
    </message>
    <message>
        <source>, 1 rehearsal</source>
        <translation>, 1 Probe</translation>
    </message>
    <message>
        <source>, %1 rehearsals</source>
        <translation>, %1 Proben</translation>
    </message>
    <message>
        <source>Timer&apos;s Report</source>
        <translation>Bericht des Zeitnehmers</translation>
    </message>
    <message>
        <source>Timer&apos;s Report - %1</source>
        <translation>Bericht des Zeitnehmers - %1</translation>
    </message>
    <message>
        <source>Could not save the meeting&apos;s details: %1</source>
        <translation>Die Angaben zum Treffen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The report is on the clipboard, ready to read aloud.</source>
        <translation>Der Bericht ist in der Zwischenablage, bereit zum Vorlesen.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Paste &amp;into the Plan</source>
        <translation>In den Plan &amp;einfügen</translation>
    </message>
    <message>
        <source>Speaks Ne&amp;xt</source>
        <translation>Spricht als Nä&amp;chstes</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Dow&amp;n</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>&amp;Ändern...</translation>
    </message>
    <message>
        <source>Add Speech by &amp;Hand...</source>
        <translation>Rede von &amp;Hand hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Add Speaker...</source>
        <translation>Redner &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Imp&amp;ort Plan...</source>
        <translation>Plan &amp;importieren...</translation>
    </message>
    <message>
        <source>Save Plan to a &amp;File...</source>
        <translation>Plan in &amp;Datei speichern...</translation>
    </message>
    <message>
        <source>&amp;Agenda</source>
        <translation>Tages&amp;ordnung</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Arrange Side by Side</source>
        <translation>&amp;Nebeneinander anordnen</translation>
    </message>
    <message>
        <source>Recorded without the plan: another copy of the program recorded %1&apos;s planned speech first.</source>
        <translation>Ohne den Plan aufgezeichnet: Eine andere Kopie des Programms hat die geplante Rede von %1 zuerst aufgezeichnet.</translation>
    </message>
    <message>
        <source>, %1 not saved yet</source>
        <translation>, %1 noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Not the Planned Spea&amp;ker</source>
        <translation>Nicht der geplante Red&amp;ner</translation>
    </message>
    <message>
        <source>planned for the next meeting</source>
        <translation>geplant für das nächste Treffen</translation>
    </message>
    <message>
        <source>Recorded as %1&apos;s speech. Someone else spoke? %2 (%3) sets it right.</source>
        <translation>Als Rede von %1 aufgezeichnet. Hat jemand anderes gesprochen? %2 (%3) berichtigt es.</translation>
    </message>
</context>
<context>
    <name>ShapeCircle</name>
    <message>
        <source>%1, lit</source>
        <translation>%1, leuchtet</translation>
    </message>
    <message>
        <source>%1, dark</source>
        <translation>%1, aus</translation>
    </message>
</context>
<context>
    <name>SpeakerKeys</name>
    <message>
        <source>Speaker&apos;s view</source>
        <translation>Rednersicht</translation>
    </message>
    <message>
        <source>Leave the speaker&apos;s view</source>
        <translation>Rednersicht verlassen</translation>
    </message>
</context>
<context>
    <name>SpeakerWindow</name>
    <message>
        <source>Speaker&apos;s view</source>
        <translation>Rednersicht</translation>
    </message>
</context>
<context>
    <name>SpeechCategories</name>
    <message>
        <source>Ice Breaker Speech   (4 to 6 Minutes)</source>
        <translation>Eisbrecher-Rede     (4 bis 6 Minuten)</translation>
    </message>
    <message>
        <source>Standard Speech      (5 to 7 Minutes)</source>
        <translation>Standardrede          (5 bis 7 Minuten)</translation>
    </message>
    <message>
        <source>Advanced Seech     (8 to 10 Minutes)</source>
        <translation>Fortgeschrittene    (8 bis 10 Minuten)</translation>
    </message>
    <message>
        <source>Speech Evaluation    (2 to 3 Minutes)</source>
        <translation>Redebewertung       (2 bis 3 Minuten)</translation>
    </message>
    <message>
        <source>Table Topics            (1 to 2 Minutes)</source>
        <translation>Stegreifreden         (1 bis 2 Minuten)</translation>
    </message>
    <message>
        <source>CUSTOM Events</source>
        <translation>EIGENE Ereignisse</translation>
    </message>
    <message>
        <source>Timer TEST</source>
        <translation>Zeitnehmer-TEST</translation>
    </message>
    <message>
        <source>&amp;FAST: 1 - 2 - 3</source>
        <translation>&amp;SCHNELL: 1 - 2 - 3</translation>
    </message>
    <message>
        <source>&amp;MED: 2 - 4 - 6</source>
        <translation>&amp;MITTEL: 2 - 4 - 6</translation>
    </message>
    <message>
        <source>&amp;SLOW: 3 - 6 - 9</source>
        <translation>&amp;LANGSAM: 3 - 6 - 9</translation>
    </message>
</context>
<context>
    <name>SpeechForm</name>
    <message>
        <source>Spea&amp;ker:</source>
        <translation>&amp;Redner:</translation>
    </message>
    <message>
        <source>Cate&amp;gory:</source>
        <translation>Kate&amp;gorie:</translation>
    </message>
    <message>
        <source>green threshold</source>
        <translation>Schwellenwert Grün</translation>
    </message>
    <message>
        <source>yellow threshold</source>
        <translation>Schwellenwert Gelb</translation>
    </message>
    <message>
        <source>red threshold</source>
        <translation>Schwellenwert Rot</translation>
    </message>
    <message>
        <source>Green, yellow, red:</source>
        <translation>Grün, Gelb, Rot:</translation>
    </message>
    <message>
        <source>M:SS</source>
        <translation>M:SS</translation>
    </message>
    <message>
        <source>&amp;Time spoken:</source>
        <translation>Gesprochene &amp;Zeit:</translation>
    </message>
    <message>
        <source>Type the red threshold at least.</source>
        <translation>Geben Sie mindestens den Schwellenwert für Rot ein.</translation>
    </message>
    <message>
        <source>The thresholds are out of order: green, then yellow, then red.</source>
        <translation>Die Schwellenwerte sind nicht in Ordnung: erst Grün, dann Gelb, dann Rot.</translation>
    </message>
    <message>
        <source>Type the time spoken as minutes and seconds, 5:42 say.</source>
        <translation>Geben Sie die gesprochene Zeit in Minuten und Sekunden ein, etwa 5:42.</translation>
    </message>
    <message>
        <source>Starte&amp;d at:</source>
        <translation>Begonnen &amp;um:</translation>
    </message>
    <message>
        <source>A rehearsal is not planned: choose the speech&apos;s category.</source>
        <translation>Eine Probe wird nicht geplant: Wählen Sie die Kategorie der Rede.</translation>
    </message>
</context>
<context>
    <name>SpeechLabels</name>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Redner</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Grace</source>
        <translation>Kulanz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Rehearsal</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Mistaken start</source>
        <translation>Fehlstart</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>StoredLayout</name>
    <message>
        <source>Horizontal Timer</source>
        <translation>Waagrechte Ampel</translation>
    </message>
    <message>
        <source>Brindlewick&apos;s Lecternworks Timer - Version 1.1</source>
        <translation>Brindlewick&apos;s Lecternworks Timer - Version 1.1</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>STO&amp;P</source>
        <translation>STO&amp;PP</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;START</translation>
    </message>
    <message>
        <source>&amp;Cycle Color</source>
        <translation>&amp;Farbe wechseln</translation>
    </message>
    <message>
        <source>Selection Panel</source>
        <translation>Auswahlfeld</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Meeting</source>
        <translation>&amp;Neues Treffen</translation>
    </message>
    <message>
        <source>&amp;Timer&apos;s Report...</source>
        <translation>&amp;Zeitnehmerbericht...</translation>
    </message>
    <message>
        <source>&amp;Back Up Meetings...</source>
        <translation>Treffen &amp;sichern...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Timer Test Speed</source>
        <translation>&amp;Testgeschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Grace Period</source>
        <translation>Kulanz&amp;zeit</translation>
    </message>
    <message>
        <source>&amp;Leave Colors On</source>
        <translation>Farben an&amp;lassen</translation>
    </message>
    <message>
        <source>&amp;Flash When Over Time</source>
        <translation>&amp;Blinken bei Zeitüberschreitung</translation>
    </message>
    <message>
        <source>&amp;Mark the Lamps</source>
        <translation>Lampen &amp;markieren</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>Klänge &amp;abspielen</translation>
    </message>
    <message>
        <source>Overtime Bell &amp;Once</source>
        <translation>Glocke bei Zeitüberschreitung &amp;einmal</translation>
    </message>
    <message>
        <source>Overtime Bell &amp;Every 30 Seconds</source>
        <translation>Glocke bei Zeitüberschreitung alle &amp;30 Sekunden</translation>
    </message>
    <message>
        <source>&amp;Soft</source>
        <translation>&amp;Leise</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Loud</source>
        <translation>La&amp;ut</translation>
    </message>
    <message>
        <source>&amp;Test Sounds</source>
        <translation>Klänge &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Reset Elapsed Time</source>
        <translation>&amp;Verstrichene Zeit zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Speaker&apos;s Screen</source>
        <translation>&amp;Rednerbildschirm</translation>
    </message>
    <message>
        <source>Light on &amp;Other Devices...</source>
        <translation>Ampel auf &amp;anderen Geräten...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick Lecternworks Timer</source>
        <translation>Ü&amp;ber Brindlewick Lecternworks Timer</translation>
    </message>
    <message>
        <source>Light for Screen &amp;Capture</source>
        <translation>Ampel für Bild&amp;schirmaufnahme</translation>
    </message>
</context>
<context>
    <name>TimerEventDATA</name>
    <message>
        <source>Chooses this speech category: the next speech is timed by its thresholds</source>
        <translation>Wählt diese Redekategorie: Die nächste Rede wird nach ihren Zeitmarken gemessen</translation>
    </message>
    <message>
        <source>green threshold</source>
        <translation>grüne Zeitmarke</translation>
    </message>
    <message>
        <source>yellow threshold</source>
        <translation>gelbe Zeitmarke</translation>
    </message>
    <message>
        <source>red threshold</source>
        <translation>rote Zeitmarke</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the green lamp lights</source>
        <translation>Minuten und Sekunden, bei denen die grüne Lampe angeht</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the yellow lamp lights</source>
        <translation>Minuten und Sekunden, bei denen die gelbe Lampe angeht</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the red lamp lights</source>
        <translation>Minuten und Sekunden, bei denen die rote Lampe angeht</translation>
    </message>
</context>
<context>
    <name>TimingChart</name>
    <message>
        <source>Timing of each speech</source>
        <translation>Zeitverlauf jeder Rede</translation>
    </message>
    <message>
        <source>No speeches recorded in this meeting yet.</source>
        <translation>In diesem Treffen wurden noch keine Reden aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>No limits</source>
        <translation>Ohne Vorgaben</translation>
    </message>
    <message>
        <source>no limits</source>
        <translation>ohne Vorgaben</translation>
    </message>
    <message>
        <source>Qualified</source>
        <translation>Qualifiziert</translation>
    </message>
    <message>
        <source>qualified</source>
        <translation>qualifiziert</translation>
    </message>
    <message>
        <source>Under by %1</source>
        <translation>%1 zu kurz</translation>
    </message>
    <message>
        <source>under time by %1</source>
        <translation>um %1 zu kurz</translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation>%1 zu lang</translation>
    </message>
    <message>
        <source>over time by %1</source>
        <translation>um %1 zu lang</translation>
    </message>
</context>
<context>
    <name>VideoLinkDialog</name>
    <message>
        <source>Link for Video</source>
        <translation>Link für Video</translation>
    </message>
    <message>
        <source>Background: the whole picture in the lamp&apos;s color</source>
        <translation>Hintergrund: das ganze Bild in der Farbe der Lampe</translation>
    </message>
    <message>
        <source>Badge: three lamps in a corner</source>
        <translation>Plakette: drei Lampen in einer Ecke</translation>
    </message>
    <message>
        <source>Border: a colored frame</source>
        <translation>Rahmen: ein farbiger Rand</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source> % of the height</source>
        <translation> % der Höhe</translation>
    </message>
    <message>
        <source> % of the shorter side</source>
        <translation> % der kürzeren Seite</translation>
    </message>
    <message>
        <source>Show the &amp;elapsed time</source>
        <translation>&amp;Verstrichene Zeit zeigen</translation>
    </message>
    <message>
        <source>&amp;Flash when over time</source>
        <translation>B&amp;linken bei Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Paste the link into a video program&apos;s browser source (in OBS Studio: Sources, +, Browser). It pairs one video source as a viewer and is good for two minutes; the source keeps its pairing afterwards. Its options open with a click on it.</source>
        <translation>Fügen Sie den Link in die Browserquelle eines Videoprogramms ein (in OBS Studio: Quellen, +, Browser). Er koppelt eine Videoquelle als Anzeige und gilt zwei Minuten; die Quelle bleibt danach gekoppelt. Ihre Optionen öffnen sich mit einem Klick darauf.</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>Link &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Darstellung:</translation>
    </message>
    <message>
        <source>C&amp;orner:</source>
        <translation>&amp;Ecke:</translation>
    </message>
    <message>
        <source>Badge &amp;size:</source>
        <translation>&amp;Größe der Plakette:</translation>
    </message>
    <message>
        <source>Border &amp;width:</source>
        <translation>&amp;Breite des Rahmens:</translation>
    </message>
</context>
</TS>
