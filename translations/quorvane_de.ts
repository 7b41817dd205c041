<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutORVE</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CardFooter</name>
    <message>
        <source>rates of %1</source>
        <translation>Kurse vom %1</translation>
    </message>
    <message>
        <source>both rates typed</source>
        <translation>beide Kurse eingegeben</translation>
    </message>
    <message>
        <source>%1 rate typed</source>
        <translation>%1-Kurs eingegeben</translation>
    </message>
    <message>
        <source>origin rate typed</source>
        <translation>Ausgangskurs eingegeben</translation>
    </message>
    <message>
        <source>destination rate typed</source>
        <translation>Zielkurs eingegeben</translation>
    </message>
</context>
<context>
    <name>CardPdf</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ChartGrid</name>
    <message>
        <source>A chart needs at least one row.</source>
        <translation>Eine Umrechnungstabelle braucht mindestens eine Zeile.</translation>
    </message>
    <message>
        <source>A chart needs at least one column.</source>
        <translation>Eine Umrechnungstabelle braucht mindestens eine Spalte.</translation>
    </message>
    <message>
        <source>Row %1 is outside the chart.</source>
        <translation>Zeile %1 liegt außerhalb der Umrechnungstabelle.</translation>
    </message>
    <message>
        <source>Column %1 is outside the chart.</source>
        <translation>Spalte %1 liegt außerhalb der Umrechnungstabelle.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Please check the Exchange Rate! You entered <byte value="xd"/>
%1<byte value="xd"/>
Original Rate of %2 will be entered.</source>
        <translation>Bitte prüfen Sie den Wechselkurs! Ihre Eingabe: <byte value="xd"/>
%1<byte value="xd"/>
Der ursprüngliche Kurs von %2 wird eingetragen.</translation>
    </message>
    <message>
        <source>You&apos;ve picked the same country for Origin and Destination. Please try again.</source>
        <translation>Sie haben als Ausgangs- und Zielland dasselbe Land gewählt. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You&apos;ve left the Origin Country Rate Area blank! The Rate of %1 will be entered for you.</source>
        <translation>Sie haben das Kursfeld des Ausgangslandes leer gelassen! Der Kurs von %1 wird für Sie eingetragen.</translation>
    </message>
    <message>
        <source>You&apos;ve left the Destination Country Rate Area blank! The Rate of %1 will be entered for you.</source>
        <translation>Sie haben das Kursfeld des Ziellandes leer gelassen! Der Kurs von %1 wird für Sie eingetragen.</translation>
    </message>
    <message>
        <source>Rate per 1 unit of the other currency…</source>
        <translation>Kurs für 1 Einheit der anderen Währung&#xa0;…</translation>
    </message>
    <message>
        <source>Rate per 1 %1…</source>
        <translation>Kurs für 1 %1&#xa0;…</translation>
    </message>
    <message>
        <source>Rate per 1 %1</source>
        <translation>Kurs für 1 %1</translation>
    </message>
    <message>
        <source>Error Number %1<byte value="xd"/>
%2</source>
        <translation>Fehlernummer %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Hoppla!</translation>
    </message>
</context>
<context>
    <name>GridPrint</name>
    <message>
        <source>The printer reports an unusable pixel size.</source>
        <translation>Der Drucker meldet eine unbrauchbare Pixelgröße.</translation>
    </message>
    <message>
        <source>Printer is not available</source>
        <translation>Der Drucker ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Select a country</source>
        <translation>Bitte wählen Sie ein Land aus</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Print the filled Quorvane list and carry it with you</source>
        <translation>Drucken Sie die ausgefüllte Umrechnungstabelle und nehmen Sie sie mit</translation>
    </message>
    <message>
        <source>Origin Country Currency name.</source>
        <translation>Währungsname des Ausgangslandes.</translation>
    </message>
    <message>
        <source>Destination Country Currency name.</source>
        <translation>Währungsname des Ziellandes.</translation>
    </message>
    <message>
        <source>Origin Country ISO Code.</source>
        <translation>ISO-Code des Ausgangslandes.</translation>
    </message>
    <message>
        <source>Destination Country ISO Code.</source>
        <translation>ISO-Code des Ziellandes.</translation>
    </message>
    <message>
        <source>Currency Unit information for Origin Country.</source>
        <translation>Währungseinheit des Ausgangslandes.</translation>
    </message>
    <message>
        <source>Currency Unit information for Destination Country.</source>
        <translation>Währungseinheit des Ziellandes.</translation>
    </message>
    <message>
        <source>Choose origin country from this list</source>
        <translation>Wählen Sie in dieser Liste das Ausgangsland</translation>
    </message>
    <message>
        <source>Choose destination country from this list</source>
        <translation>Wählen Sie in dieser Liste das Zielland</translation>
    </message>
    <message>
        <source>Quorvane: rates of %1 — newer ones: quorvane-rates update</source>
        <translation>Quorvane: Kurse vom %1 — neuere: quorvane-rates update</translation>
    </message>
    <message>
        <source>Quorvane - pick two countries, choose Calculate, then Print a chart to carry on your trip</source>
        <translation>Quorvane – zwei Länder wählen, Berechnen, dann Drucken: eine Umrechnungstabelle für die Reise</translation>
    </message>
</context>
<context>
    <name>LocalNames</name>
    <message>
        <source>1 %1, no minor unit</source>
        <translation>1 %1, ohne Untereinheit</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>The folder %1 could not be made current.</source>
        <translation>Es konnte nicht in den Ordner %1 gewechselt werden.</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>Die Datei ist ein Verweis auf das nicht vorhandene Ziel %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>Es handelt sich nicht um eine Datei</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>The folder %1 for your own rate table could not be made; showing the shipped rates, and rates you type are not kept.</source>
        <translation>Der Ordner %1 für Ihre eigene Kurstabelle konnte nicht angelegt werden; angezeigt werden die mitgelieferten Kurse, und Kurse, die Sie eingeben, werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your rate table %1 cannot be used: %2; showing the shipped rates, and rates you type are not kept.</source>
        <translation>Ihre Kurstabelle %1 kann nicht verwendet werden: %2; angezeigt werden die mitgelieferten Kurse, und Kurse, die Sie eingeben, werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1; showing the shipped rates, and rates you type are not kept.</source>
        <translation>%1; angezeigt werden die mitgelieferten Kurse, und Kurse, die Sie eingeben, werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;holen</translation>
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
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
</context>
<context>
    <name>RateDownload</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a rate file</source>
        <translation>%1 ist %2 und damit keine Kursdatei</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, which no rate file is</source>
        <translation>%1 ist größer als %2 MB; so groß ist keine Kursdatei</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 s</source>
        <translation>Keine Antwort von %1 innerhalb von %2 s</translation>
    </message>
    <message>
        <source>The file at %1 is larger than %2 MB, which no rate file is</source>
        <translation>Die Datei unter %1 ist größer als %2 MB; so groß ist keine Kursdatei</translation>
    </message>
    <message>
        <source>Could not download %1: %2</source>
        <translation>%1 konnte nicht heruntergeladen werden: %2</translation>
    </message>
    <message>
        <source>Could not download %1: the server answered %2</source>
        <translation>%1 konnte nicht heruntergeladen werden: Der Server antwortete mit %2</translation>
    </message>
</context>
<context>
    <name>RateFile</name>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>Die Datei ist kein gültiges JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it carries no date of the form YYYY-MM-DD</source>
        <translation>Die Datei enthält kein Datum der Form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>it holds no rates per US dollar (no &quot;usd&quot; object)</source>
        <translation>Die Datei enthält keine Kurse je US-Dollar (kein Objekt „usd“)</translation>
    </message>
    <message>
        <source>the rate of %1 is not a number</source>
        <translation>Der Kurs von %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the rate of %1 is %2, not a positive number</source>
        <translation>Der Kurs von %1 ist %2 und damit keine positive Zahl</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>it is neither the daily rates file (JSON) nor a Quorvane CSV file</source>
        <translation>Die Datei ist weder die Tagesdatei der Kurse (JSON) noch eine CSV-Datei von Quorvane</translation>
    </message>
    <message>
        <source>a CSV file carries no date; give the date of its rates with --date YYYY-MM-DD</source>
        <translation>Eine CSV-Datei enthält kein Datum; geben Sie das Datum ihrer Kurse mit --date YYYY-MM-DD an</translation>
    </message>
    <message>
        <source>its rates are of %1, older than the table&apos;s of %2</source>
        <translation>Die Kurse der Datei sind vom %1 und damit älter als die der Kurstabelle vom %2</translation>
    </message>
    <message>
        <source>it has no rate for any currency of the table</source>
        <translation>Die Datei enthält für keine Währung der Kurstabelle einen Kurs</translation>
    </message>
</context>
<context>
    <name>RateTable</name>
    <message>
        <source>The rate table file &apos;%1&apos; was not found.</source>
        <translation>Die Kurstabellendatei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The rate table file &apos;%1&apos; could not be opened: %2</source>
        <translation>Die Kurstabellendatei &apos;%1&apos; konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the rate table is read-only</source>
        <translation>Die Kurstabelle ist schreibgeschützt</translation>
    </message>
    <message>
        <source>another program is using the rate table; close it and try again</source>
        <translation>Ein anderes Programm verwendet die Kurstabelle; schließen Sie es und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>Der Ordner der Kurstabelle ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the rate table could not be written (%1)</source>
        <translation>Die Kurstabelle konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>The copy could not be written to</source>
        <translation>Fehler beim Schreiben der Kopie</translation>
    </message>
    <message>
        <source>Could not read the rate table</source>
        <translation>Fehler beim Lesen der Kurstabelle</translation>
    </message>
    <message>
        <source>Could not read or write the rate table</source>
        <translation>Fehler beim Lesen oder Schreiben der Kurstabelle</translation>
    </message>
    <message>
        <source>The change could not be saved in</source>
        <translation>Fehler beim Speichern der Änderung in</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be created: %2.</source>
        <translation>&apos;%1&apos; konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no usable rate table RATES: %2</source>
        <translation>&apos;%1&apos; enthält keine verwendbare Kurstabelle RATES: %2</translation>
    </message>
    <message>
        <source>The rate table &apos;%1&apos; was left half-changed by a program that stopped while changing it, and it cannot be put right here because the file or its folder may not be written. Let someone who may write it run quorvane-rates show once, or copy the file together with &apos;%1-journal&apos; beside it into a folder you may write.</source>
        <translation>Die Kurstabelle &apos;%1&apos; wurde von einem Programm, das mitten in einer Änderung beendet wurde, halb geändert hinterlassen und kann hier nicht repariert werden, weil die Datei oder ihr Ordner nicht geschrieben werden darf. Lassen Sie jemanden, der sie schreiben darf, einmal quorvane-rates show ausführen, oder kopieren Sie die Datei zusammen mit der daneben liegenden Datei &apos;%1-journal&apos; in einen Ordner, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists; an existing rate table is never replaced.</source>
        <translation>&apos;%1&apos; ist bereits vorhanden; eine vorhandene Kurstabelle wird nie ersetzt.</translation>
    </message>
    <message>
        <source>The rate table &apos;%1&apos; is not open.</source>
        <translation>Die Kurstabelle &apos;%1&apos; ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>this country</source>
        <translation>diesem Land</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; the rate of %2 was left as it was.</source>
        <translation>&apos;%1&apos; ist keine Zahl; der Kurs von %2 bleibt, wie er war.</translation>
    </message>
    <message>
        <source>The rate could not be saved: its record is no longer in the rate table.</source>
        <translation>Der Kurs konnte nicht gespeichert werden: Sein Datensatz ist nicht mehr in der Kurstabelle.</translation>
    </message>
    <message>
        <source>The rate of %1 could not be saved: %2.</source>
        <translation>Der Kurs von %1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The rate could not be put back: its record is no longer in the rate table.</source>
        <translation>Der Kurs konnte nicht wiederhergestellt werden: Sein Datensatz ist nicht mehr in der Kurstabelle.</translation>
    </message>
    <message>
        <source>The rate of %1 was not typed; there is nothing to put back.</source>
        <translation>Der Kurs von %1 wurde nicht eingegeben; es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>The rate of %1 was typed, but the rate it replaced is not known; type the rate you want instead.</source>
        <translation>Der Kurs von %1 wurde eingegeben, aber der Kurs, den er ersetzt hat, ist nicht bekannt; geben Sie stattdessen den gewünschten Kurs ein.</translation>
    </message>
    <message>
        <source>The rate of %1 is no longer typed.</source>
        <translation>Der Kurs von %1 gilt nicht mehr als eingegeben.</translation>
    </message>
    <message>
        <source>The rate of %1 could not be put back: %2.</source>
        <translation>Der Kurs von %1 konnte nicht wiederhergestellt werden: %2.</translation>
    </message>
    <message>
        <source>There is no current record: the cursor is past the last rate.</source>
        <translation>Es gibt keinen aktuellen Datensatz: Der Cursor steht hinter dem letzten Kurs.</translation>
    </message>
    <message>
        <source>There is no record before the first rate.</source>
        <translation>Vor dem ersten Kurs gibt es keinen Datensatz.</translation>
    </message>
    <message>
        <source>No country named &quot;%1&quot; is in the rate table.</source>
        <translation>Die Kurstabelle enthält kein Land namens „%1“.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date of the calendar of the form YYYY-MM-DD</source>
        <translation>&apos;%1&apos; ist kein Kalenderdatum der Form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>their date %1 lies in the future (today is %2); rates of the future do not exist</source>
        <translation>Das Datum der Kurse, %1, liegt in der Zukunft (heute: %2); Kurse aus der Zukunft gibt es nicht</translation>
    </message>
    <message>
        <source>its %1 holds a control character</source>
        <translation>Das Feld %1 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>its %1 holds text that looks like markup (&quot;%2&quot;)</source>
        <translation>Das Feld %1 enthält Text, der wie Markup aussieht („%2“)</translation>
    </message>
    <message>
        <source>its %1 is longer than %2 characters</source>
        <translation>Das Feld %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 cannot be taken: %2.</source>
        <translation>%1 kann nicht übernommen werden: %2.</translation>
    </message>
    <message>
        <source>The new rates cannot be taken: %1. The rate table &apos;%2&apos; was left as it was.</source>
        <translation>Die neuen Kurse können nicht übernommen werden: %1. Die Kurstabelle &apos;%2&apos; bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Row %1 (%2) of the new rates from %3</source>
        <translation>Zeile %1 (%2) der neuen Kurse aus %3</translation>
    </message>
    <message>
        <source>Row %1 of the new rates from %2</source>
        <translation>Zeile %1 der neuen Kurse aus %2</translation>
    </message>
    <message>
        <source>%1. The rate table was left as it was.</source>
        <translation>%1. Die Kurstabelle bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Your copy of the rate table &apos;%1&apos; could not be made: %2</source>
        <translation>Ihre Kopie der Kurstabelle &apos;%1&apos; konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>its Alpha2 is not two capital letters A to Z (an ISO 3166-1 code such as DE) nor empty</source>
        <translation>Das Feld Alpha2 ist weder leer noch ein Code aus zwei Großbuchstaben A bis Z (ISO 3166-1, etwa DE)</translation>
    </message>
    <message>
        <source>The rate data is empty.</source>
        <translation>Die Kursdaten sind leer.</translation>
    </message>
    <message>
        <source>Rate data line %1</source>
        <translation>Zeile %1 der Kursdaten</translation>
    </message>
    <message>
        <source>%1 does not have 5 fields (Country,Currency,Description,CODE,ROE) or 6 (with Alpha2).</source>
        <translation>%1 hat nicht 5 Felder (Country,Currency,Description,CODE,ROE) oder 6 (mit Alpha2).</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number.</source>
        <translation>%1: &apos;%2&apos; ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>RateText</name>
    <message>
        <source>The amount is too large to show.</source>
        <translation>Der Betrag ist zu groß für die Anzeige.</translation>
    </message>
</context>
<context>
    <name>RateUpdate</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date pattern</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>RatesCommand</name>
    <message>
        <source>Try %1 --help.</source>
        <translation>Weitere Informationen: %1 --help.</translation>
    </message>
    <message>
        <source>%1. Give a rate file that exists and you may read.</source>
        <translation>%1. Geben Sie eine vorhandene Kursdatei an, die Sie lesen dürfen.</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3 kB</source>
        <translation>%1 wird heruntergeladen: %2 von %3 kB</translation>
    </message>
    <message>
        <source>Downloading %1: %2 kB</source>
        <translation>%1 wird heruntergeladen: %2 kB</translation>
    </message>
    <message>
        <source>%1. Check your network connection and try again later, allow more time with --timeout SECONDS, or load rates from a file with --source FILE.</source>
        <translation>%1. Prüfen Sie Ihre Netzwerkverbindung und versuchen Sie es später erneut, lassen Sie mit --timeout SECONDS mehr Zeit, oder laden Sie die Kurse mit --source FILE aus einer Datei.</translation>
    </message>
    <message>
        <source>new, %1</source>
        <translation>neu, %1</translation>
    </message>
    <message>
        <source>, more than tenfold: left as it is (--force takes it)</source>
        <translation>, mehr als das Zehnfache: bleibt, wie er ist (--force übernimmt ihn)</translation>
    </message>
    <message>
        <source>, more than tenfold: taken as forced</source>
        <translation>, mehr als das Zehnfache: mit --force übernommen</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds above 0, at most 3600, not &apos;%1&apos;.</source>
        <translation>--timeout erwartet eine Anzahl Sekunden über 0 und höchstens 3600, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--date takes a date of the form YYYY-MM-DD, not &apos;%1&apos;.</source>
        <translation>--date erwartet ein Datum der Form YYYY-MM-DD, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--source takes an http or https address or a file, not &apos;%1&apos;.</source>
        <translation>--source erwartet eine http- oder https-Adresse oder eine Datei, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>daily rates file %1</source>
        <translation>Tagesdatei %1</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>The rates from %1 cannot be used: %2. %3</source>
        <translation>Die Kurse aus %1 können nicht verwendet werden: %2. %3</translation>
    </message>
    <message>
        <source>Try again later or give another rate file with --source.</source>
        <translation>Versuchen Sie es später erneut, oder geben Sie mit --source eine andere Kursdatei an.</translation>
    </message>
    <message>
        <source>Give another rate file with --source.</source>
        <translation>Geben Sie mit --source eine andere Kursdatei an.</translation>
    </message>
    <message>
        <source>the rate table %1 was not changed.</source>
        <translation>die Kurstabelle %1 wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Rates of %1 from %2: </source>
        <translation>Kurse vom %1 aus der %2: </translation>
    </message>
    <message>
        <source>%1 would change, %2 kept as typed, %3 skipped</source>
        <translation>%1 zu ändern, %2 als eingegeben zu behalten, %3 zu überspringen</translation>
    </message>
    <message>
        <source>, %1 would be added</source>
        <translation>, %1 hinzuzufügen</translation>
    </message>
    <message>
        <source>. Dry run: nothing was written.</source>
        <translation>. Probelauf: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 changed, %2 kept as typed, %3 skipped</source>
        <translation>%1 geändert, %2 als eingegeben behalten, %3 übersprungen</translation>
    </message>
    <message>
        <source>, %1 added</source>
        <translation>, %1 hinzugefügt</translation>
    </message>
    <message>
        <source>the table has no country &apos;%1&apos;; %2 show lists them all.</source>
        <translation>die Kurstabelle enthält kein Land &apos;%1&apos;; %2 show listet alle auf.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be any of %2; give more of the name.</source>
        <translation>&apos;%1&apos; passt auf mehrere Länder: %2; geben Sie mehr vom Namen an.</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>eingegeben</translation>
    </message>
    <message>
        <source>typed (was %1)</source>
        <translation>eingegeben (vorher %1)</translation>
    </message>
    <message>
        <source>typed (was %1 of %2)</source>
        <translation>eingegeben (vorher %1 vom %2)</translation>
    </message>
    <message>
        <source>Rate table %1</source>
        <translation>Kurstabelle %1</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Kurse vom %1</translation>
    </message>
    <message>
        <source>an unknown date</source>
        <translation>unbekannten Datum</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Rate per USD</source>
        <translation>Kurs je USD</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Eingegeben</translation>
    </message>
    <message>
        <source>Please check the Exchange Rate! You entered %1; the rate of %2 stays %3.</source>
        <translation>Bitte prüfen Sie den Wechselkurs! Ihre Eingabe: %1; der Kurs von %2 bleibt %3.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar, as it was.</source>
        <translation>%1: %2 je US-Dollar, wie bisher.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar, %3.</source>
        <translation>%1: %2 je US-Dollar, %3.</translation>
    </message>
    <message>
        <source>No rate is typed; there is nothing to put back.</source>
        <translation>Es ist kein Kurs eingegeben; es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar again.</source>
        <translation>%1: wieder %2 je US-Dollar.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar again, the rate of %3.</source>
        <translation>%1: wieder %2 je US-Dollar, der Kurs vom %3.</translation>
    </message>
    <message>
        <source>Please check the Exchange Rate! The rate of %1, %2 per US dollar, makes no chart.</source>
        <translation>Bitte prüfen Sie den Wechselkurs! Aus dem Kurs von %1, %2 je US-Dollar, lässt sich keine Umrechnungstabelle erstellen.</translation>
    </message>
    <message>
        <source>this build cannot write PDF files</source>
        <translation>Diese Programmversion kann keine PDF-Dateien schreiben</translation>
    </message>
    <message>
        <source>the card was not written: %1</source>
        <translation>die Karte wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The card of %1 to %2 is in %3.</source>
        <translation>Die Karte von %1 nach %2 ist in %3 gespeichert.</translation>
    </message>
    <message>
        <source>Shows the rate table Quorvane opens, brings it up to date with newer rates, and types,
puts back and charts rates.

Commands:
  update                 Fetch the day&apos;s rates per US dollar and merge them into the table:
                         rates you never typed take the new value, typed rates stay.
  show [COUNTRY...]      List each country&apos;s currency code and rate, whether you typed it
                         and what it replaced, and the date and source of the table&apos;s rates.
  set COUNTRY RATE       Type a rate: RATE units of COUNTRY&apos;s currency for 1 US dollar,
                         written as in the program&apos;s rate boxes (e.g. 158,2 in German
                         settings). With --per OTHER: 1 unit of OTHER&apos;s currency is worth
                         RATE units of COUNTRY&apos;s currency.
  reset COUNTRY...|--all Put back the rates typed rates replaced.
  chart ORIGIN DESTINATION [--pdf FILE]
                         Print the conversion chart of the two countries&apos; rates as the
                         program&apos;s Calculate shows it; with --pdf, write the card that
                         Print would print as a one-page PDF file instead.
A COUNTRY that is no whole name stands for the countries whose names begin with it;
set, reset and chart take it only when it begins one name.</source>
        <translation>Zeigt die Kurstabelle, die Quorvane öffnet, aktualisiert sie mit neueren Kursen, gibt Kurse
ein, stellt sie wieder her und gibt Umrechnungstabellen aus.

Befehle:
  update                 Die Tageskurse je US-Dollar herunterladen und in die Kurstabelle
                         übernehmen: Nie eingegebene Kurse erhalten den neuen Wert,
                         eingegebene Kurse bleiben.
  show [COUNTRY...]      Für jedes Land Währungscode und Kurs auflisten, ob Sie den Kurs
                         eingegeben haben und welchen er ersetzt hat, dazu Datum und Quelle
                         der Kurse der Kurstabelle.
  set COUNTRY RATE       Einen Kurs eingeben: RATE Einheiten der Währung von COUNTRY für
                         1 US-Dollar, geschrieben wie in den Kursfeldern des Programms
                         (z. B. 158,2 bei deutschen Einstellungen). Mit --per OTHER: Eine
                         Einheit der Währung von OTHER ist RATE Einheiten der Währung von
                         COUNTRY wert.
  reset COUNTRY...|--all Die Kurse wiederherstellen, die eingegebene Kurse ersetzt haben.
  chart ORIGIN DESTINATION [--pdf FILE]
                         Die Umrechnungstabelle der Kurse beider Länder ausgeben, wie
                         Berechnen im Programm sie zeigt; mit --pdf stattdessen die Karte,
                         die Drucken senden würde, als einseitige PDF-Datei schreiben.
Ein COUNTRY, das kein vollständiger Name ist, steht für alle Länder, deren Name damit
beginnt; set, reset und chart nehmen es nur an, wenn genau ein Name damit beginnt.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>update: take the rates from URL or FILE: a daily rates file (JSON) or a Quorvane CSV file.</source>
        <translation>update: Kurse aus URL oder FILE laden: einer Tagesdatei (JSON) oder einer CSV-Datei von Quorvane.</translation>
    </message>
    <message>
        <source>update: the date of the rates in a CSV file, which carries none.</source>
        <translation>update: das Datum der Kurse einer CSV-Datei, die selbst keines enthält.</translation>
    </message>
    <message>
        <source>update: show what would change and write nothing.</source>
        <translation>update: anzeigen, was sich ändern würde, und nichts schreiben.</translation>
    </message>
    <message>
        <source>update: replace the rates you typed too. reset: put back every typed rate.</source>
        <translation>update: auch die eingegebenen Kurse ersetzen. reset: alle ersetzten Kurse wiederherstellen.</translation>
    </message>
    <message>
        <source>update: also take rates that change more than tenfold.</source>
        <translation>update: auch Kurse übernehmen, die sich um mehr als das Zehnfache ändern.</translation>
    </message>
    <message>
        <source>update: give up a download after this many seconds (default 20).</source>
        <translation>update: einen Download nach SECONDS Sekunden abbrechen (Standard: 20).</translation>
    </message>
    <message>
        <source>set: RATE is the worth of 1 unit of OTHER&apos;s currency.</source>
        <translation>set: RATE ist der Wert von 1 Einheit der Währung von OTHER.</translation>
    </message>
    <message>
        <source>chart: write the card Print would print, as a one-page PDF file.</source>
        <translation>chart: die Karte, die Drucken senden würde, als einseitige PDF-Datei schreiben.</translation>
    </message>
    <message>
        <source>update, show, set, reset or chart</source>
        <translation>update, show, set, reset oder chart</translation>
    </message>
    <message>
        <source>say update, show, set, reset or chart.</source>
        <translation>geben Sie update, show, set, reset oder chart an.</translation>
    </message>
    <message>
        <source>say update, show, set, reset or chart, not &apos;%1&apos;.</source>
        <translation>geben Sie update, show, set, reset oder chart an, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 takes no options.</source>
        <translation>%1 akzeptiert keine Optionen.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 akzeptiert kein --%2.</translation>
    </message>
    <message>
        <source>update takes no countries; it brings all the table&apos;s rates up to date.</source>
        <translation>update akzeptiert keine Länder; der Befehl aktualisiert alle Kurse der Kurstabelle.</translation>
    </message>
    <message>
        <source>set takes a country and a rate.</source>
        <translation>set erwartet ein Land und einen Kurs.</translation>
    </message>
    <message>
        <source>reset takes countries or --all.</source>
        <translation>reset erwartet Länder oder --all.</translation>
    </message>
    <message>
        <source>chart takes an origin and a destination country.</source>
        <translation>chart erwartet ein Ausgangs- und ein Zielland.</translation>
    </message>
    <message>
        <source>nothing was updated.</source>
        <translation>es wurde nichts aktualisiert.</translation>
    </message>
    <message>
        <source>nothing was changed.</source>
        <translation>es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>rates shipped with Quorvane %1</source>
        <translation>mit Quorvane %1 gelieferte Kurse</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: quorvane
Opens the Quorvane window: pick the country you travel from and the one you
travel to, choose Calculate, and Print a conversion chart to carry.
The window takes no arguments of its own.

  -h, --help     show this help and end
  --version      show the version and end

Rates: quorvane-rates show | update (see quorvane-rates(1)); more in quorvane(1).
</source>
        <translation>Aufruf: quorvane
Öffnet das Fenster von Quorvane: Wählen Sie Ausgangs- und Zielland der Reise,
wählen Sie Berechnen und drucken Sie eine Umrechnungstabelle zum Mitnehmen.
Das Fenster nimmt selbst keine Argumente entgegen.

  -h, --help     diese Hilfe anzeigen und beenden
  --version      die Version anzeigen und beenden

Kurse: quorvane-rates show | update (siehe quorvane-rates(1)); mehr in quorvane(1).
</translation>
    </message>
    <message>
        <source>quorvane: no X or Wayland display: run it inside a desktop session.
</source>
        <translation>quorvane: keine X- oder Wayland-Anzeige: Starten Sie das Programm in einer Desktop-Sitzung.
</translation>
    </message>
</context>
<context>
    <name>quorvane::AboutORVE</name>
    <message>
        <source>Copyright © 2025-2026 The Quorvane developers</source>
        <translation>Copyright © 2025-2026 Die Quorvane-Entwickler</translation>
    </message>
    <message>
        <source>Convert the currencies of over 260 countries. Print a wallet size currency chart to carry with you on your travels.</source>
        <translation>Rechnet die Währungen von über 260 Ländern um. Druckt eine Umrechnungstabelle im Brieftaschenformat für Ihre Reisen.</translation>
    </message>
    <message>
        <source>Warning: this computer program is free software, released under the GNU General Public License, version 3 or (at your option) any later version. Copying or distributing this program, or any part of it, in a way that breaks that licence is not authorised.</source>
        <translation>Warnung: Dieses Programm ist freie Software unter der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version. Das Kopieren oder Weitergeben des Programms oder von Teilen davon unter Verletzung dieser Lizenz ist nicht gestattet.</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>Info zu Quorvane</translation>
    </message>
    <message>
        <source>Quorvane icon</source>
        <translation>Quorvane-Symbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
</context>
<context>
    <name>quorvane::FrmConvert</name>
    <message>
        <source>Select Country to convert from:</source>
        <translation>Ausgangsland wählen:</translation>
    </message>
    <message>
        <source>Select Country to convert to:</source>
        <translation>Zielland wählen:</translation>
    </message>
    <message>
        <source>Origin country</source>
        <translation>Ausgangsland</translation>
    </message>
    <message>
        <source>Destination country</source>
        <translation>Zielland</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Wechselkurse</translation>
    </message>
    <message>
        <source>1 USD =</source>
        <translation>1 USD =</translation>
    </message>
    <message>
        <source>Conversion chart</source>
        <translation>Umrechnungstabelle</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>Internet &amp;Databank</source>
        <translation>&amp;Internet-Datenbank</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Origin Country Exchange Rate versus 1 USD. Enter changes to Rate here.</source>
        <translation>Wechselkurs des Ausgangslandes gegenüber 1 USD. Geben Sie hier einen geänderten Kurs ein.</translation>
    </message>
    <message>
        <source>Destination Country Exchange Rate versus 1 USD. Enter changes to Rate here.</source>
        <translation>Wechselkurs des Ziellandes gegenüber 1 USD. Geben Sie hier einen geänderten Kurs ein.</translation>
    </message>
    <message>
        <source>Origin rate</source>
        <translation>Kurs des Ausgangslandes</translation>
    </message>
    <message>
        <source>Destination rate</source>
        <translation>Kurs des Ziellandes</translation>
    </message>
    <message>
        <source>Restore the rate it replaced</source>
        <translation>Ersetzten Kurs wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the rate of %1</source>
        <translation>Kurs vom %1 wiederherstellen</translation>
    </message>
</context>
<context>
    <name>quorvane::FrmMarquee</name>
    <message>
        <source>Thank you to everyone who made Quorvane: its developers, their families and friends who carried its charts on their travels and told us what was wrong with them, the testers, the keepers of the rate tables, and the many more whom there are far too many to thank here!</source>
        <translation>Danke an alle, die Quorvane möglich gemacht haben: an seine Entwickler, an ihre Familien und Freunde, die seine Umrechnungstabellen auf Reisen dabeihatten und uns sagten, was daran nicht stimmte, an die Tester, an die Pfleger der Kurstabellen und an die vielen anderen, die hier unmöglich alle genannt werden können!</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Danksagung</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpViewer</name>
    <message>
        <source>Quorvane keeps its help file, zelvik.hlp, in the folder that holds the program. Putting the file back there (reinstalling Quorvane does this) brings the help back.</source>
        <translation>Quorvane bewahrt seine Hilfedatei zelvik.hlp im Ordner des Programms auf. Wenn Sie die Datei dorthin zurücklegen (eine Neuinstallation von Quorvane tut das), ist die Hilfe wieder da.</translation>
    </message>
    <message>
        <source>The help file %1 is too large to show: %2 MB, where Quorvane shows up to %3 MB.

%4</source>
        <translation>Die Hilfedatei %1 ist zu groß für die Anzeige: %2 MB, Quorvane zeigt höchstens %3 MB an.

%4</translation>
    </message>
    <message>
        <source>The help file %1 was not found.

%2</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.

%2</translation>
    </message>
    <message>
        <source>The help file %1 could not be read: %2.

%3</source>
        <translation>Die Hilfedatei %1 konnte nicht gelesen werden: %2.

%3</translation>
    </message>
    <message>
        <source>The help file %1 contains no help topics; it may be damaged.

%2</source>
        <translation>Die Hilfedatei %1 enthält keine Hilfethemen; sie ist möglicherweise beschädigt.

%2</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Quorvane-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you&apos;re looking for:</source>
        <translation>Geben Sie die &amp;ersten Buchstaben des gesuchten Wortes ein:</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Type the &amp;words to find in the topics:</source>
        <translation>Geben Sie die zu suchenden &amp;Wörter ein:</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Gefundene Themen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the topic shown before (Alt+Left)</source>
        <translation>Zurück zum zuvor gezeigten Thema (Alt+Left)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Forward to the topic shown next (Alt+Right)</source>
        <translation>Vor zum danach gezeigten Thema (Alt+Right)</translation>
    </message>
    <message>
        <source>The topic “%1” is too large to show: it has a %2 of %3 characters, where Quorvane shows up to %4.</source>
        <translation>Das Thema „%1“ ist zu groß für die Anzeige: Es enthält %2 mit %3 Zeichen, Quorvane zeigt höchstens %4 an.</translation>
    </message>
    <message>
        <source>word</source>
        <translation>ein Wort</translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation>einen Absatz</translation>
    </message>
    <message>
        <source>This topic is nested too deeply to be laid out; here is its text.

</source>
        <translation>Dieses Thema ist zu tief verschachtelt, um es darzustellen; hier ist sein Text.

</translation>
    </message>
    <message>
        <source>Quorvane Help - %1</source>
        <translation>Quorvane-Hilfe – %1</translation>
    </message>
</context>
<context>
    <name>quorvane::StatusPanels</name>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Indicates if Num Lock key is on or off</source>
        <translation>Zeigt an, ob die Num-Taste eingeschaltet ist</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Quorvane icon</source>
        <translation>Quorvane-Symbol</translation>
    </message>
</context>
</TS>
