<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutORVE</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardFooter</name>
    <message>
        <source>rates of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both rates typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rate typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>origin rate typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>destination rate typed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardPdf</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartGrid</name>
    <message>
        <source>A chart needs at least one row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A chart needs at least one column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 is outside the chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1 is outside the chart.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Please check the Exchange Rate! You entered <byte value="xd"/>
%1<byte value="xd"/>
Original Rate of %2 will be entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve picked the same country for Origin and Destination. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve left the Origin Country Rate Area blank! The Rate of %1 will be entered for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve left the Destination Country Rate Area blank! The Rate of %1 will be entered for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate per 1 unit of the other currency…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate per 1 %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate per 1 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Number %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridPrint</name>
    <message>
        <source>The printer reports an unusable pixel size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer is not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Print the filled Quorvane list and carry it with you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin Country Currency name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Country Currency name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin Country ISO Code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Country ISO Code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency Unit information for Origin Country.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency Unit information for Destination Country.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose origin country from this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose destination country from this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane: rates of %1 — newer ones: quorvane-rates update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane - pick two countries, choose Calculate, then Print a chart to carry on your trip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>The folder %1 could not be made current.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 for your own rate table could not be made; showing the shipped rates, and rates you type are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your rate table %1 cannot be used: %2; showing the shipped rates, and rates you type are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; showing the shipped rates, and rates you type are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
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
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateFile</name>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it carries no date of the form YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no rates per US dollar (no &quot;usd&quot; object)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate of %1 is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate of %1 is %2, not a positive number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is neither the daily rates file (JSON) nor a Quorvane CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a CSV file carries no date; give the date of its rates with --date YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its rates are of %1, older than the table&apos;s of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no rate for any currency of the table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateTable</name>
    <message>
        <source>The rate table file &apos;%1&apos; was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate table file &apos;%1&apos; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate table is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is using the rate table; close it and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate table could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy could not be written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the rate table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read or write the rate table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change could not be saved in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no usable rate table RATES: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate table &apos;%1&apos; was left half-changed by a program that stopped while changing it, and it cannot be put right here because the file or its folder may not be written. Let someone who may write it run quorvane-rates show once, or copy the file together with &apos;%1-journal&apos; beside it into a folder you may write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists; an existing rate table is never replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate table &apos;%1&apos; is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; the rate of %2 was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate could not be saved: its record is no longer in the rate table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate of %1 could not be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate could not be put back: its record is no longer in the rate table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate of %1 was not typed; there is nothing to put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate of %1 was typed, but the rate it replaced is not known; type the rate you want instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate of %1 is no longer typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate of %1 could not be put back: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no current record: the cursor is past the last rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no record before the first rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No country named &quot;%1&quot; is in the rate table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date of the calendar of the form YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>their date %1 lies in the future (today is %2); rates of the future do not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 holds text that looks like markup (&quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be taken: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new rates cannot be taken: %1. The rate table &apos;%2&apos; was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 (%2) of the new rates from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of the new rates from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The rate table was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your copy of the rate table &apos;%1&apos; could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateText</name>
    <message>
        <source>The amount is too large to show.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateUpdate</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date pattern</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quorvane: no X or Wayland display: run it inside a desktop session.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvane::AboutORVE</name>
    <message>
        <source>Copyright © 2025-2026 The Quorvane developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the currencies of over 260 countries. Print a wallet size currency chart to carry with you on your travels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this computer program is free software, released under the GNU General Public License, version 3 or (at your option) any later version. Copying or distributing this program, or any part of it, in a way that breaks that licence is not authorised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvane::FrmConvert</name>
    <message>
        <source>Select Country to convert from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Country to convert to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 USD =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet &amp;Databank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin Country Exchange Rate versus 1 USD. Enter changes to Rate here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Country Exchange Rate versus 1 USD. Enter changes to Rate here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the rate it replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the rate of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvane::FrmMarquee</name>
    <message>
        <source>Thank you to everyone who made Quorvane: its developers, their families and friends who carried its charts on their travels and told us what was wrong with them, the testers, the keepers of the rate tables, and the many more whom there are far too many to thank here!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvane::HelpViewer</name>
    <message>
        <source>Quorvane keeps its help file, zelvik.hlp, in the folder that holds the program. Putting the file back there (reinstalling Quorvane does this) brings the help back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 is too large to show: %2 MB, where Quorvane shows up to %3 MB.

%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 was not found.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 could not be read: %2.

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 contains no help topics; it may be damaged.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you&apos;re looking for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the &amp;words to find in the topics:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the topic shown before (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward to the topic shown next (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic “%1” is too large to show: it has a %2 of %3 characters, where Quorvane shows up to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This topic is nested too deeply to be laid out; here is its text.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvane::StatusPanels</name>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicates if Num Lock key is on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
