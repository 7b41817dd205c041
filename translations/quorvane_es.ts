<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutORVE</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>CardFooter</name>
    <message>
        <source>rates of %1</source>
        <translation>tipos del %1</translation>
    </message>
    <message>
        <source>both rates typed</source>
        <translation>ambos tipos introducidos</translation>
    </message>
    <message>
        <source>%1 rate typed</source>
        <translation>tipo de %1 introducido</translation>
    </message>
    <message>
        <source>origin rate typed</source>
        <translation>tipo de origen introducido</translation>
    </message>
    <message>
        <source>destination rate typed</source>
        <translation>tipo de destino introducido</translation>
    </message>
</context>
<context>
    <name>CardPdf</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>ChartGrid</name>
    <message>
        <source>A chart needs at least one row.</source>
        <translation>Una tabla necesita al menos una fila.</translation>
    </message>
    <message>
        <source>A chart needs at least one column.</source>
        <translation>Una tabla necesita al menos una columna.</translation>
    </message>
    <message>
        <source>Row %1 is outside the chart.</source>
        <translation>La fila %1 está fuera de la tabla.</translation>
    </message>
    <message>
        <source>Column %1 is outside the chart.</source>
        <translation>La columna %1 está fuera de la tabla.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Please check the Exchange Rate! You entered <byte value="xd"/>
%1<byte value="xd"/>
Original Rate of %2 will be entered.</source>
        <translation>¡Compruebe el tipo de cambio! Ha introducido <byte value="xd"/>
%1<byte value="xd"/>
Se introducirá el tipo original de %2.</translation>
    </message>
    <message>
        <source>You&apos;ve picked the same country for Origin and Destination. Please try again.</source>
        <translation>Ha elegido el mismo país como origen y como destino. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>You&apos;ve left the Origin Country Rate Area blank! The Rate of %1 will be entered for you.</source>
        <translation>¡Ha dejado en blanco la casilla del tipo del país de origen! Se introducirá el tipo de %1.</translation>
    </message>
    <message>
        <source>You&apos;ve left the Destination Country Rate Area blank! The Rate of %1 will be entered for you.</source>
        <translation>¡Ha dejado en blanco la casilla del tipo del país de destino! Se introducirá el tipo de %1.</translation>
    </message>
    <message>
        <source>Rate per 1 unit of the other currency…</source>
        <translation>Tipo por 1 unidad de la otra moneda…</translation>
    </message>
    <message>
        <source>Rate per 1 %1…</source>
        <translation>Tipo por 1 %1…</translation>
    </message>
    <message>
        <source>Rate per 1 %1</source>
        <translation>Tipo por 1 %1</translation>
    </message>
    <message>
        <source>Error Number %1<byte value="xd"/>
%2</source>
        <translation>Error número %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>¡Vaya!</translation>
    </message>
</context>
<context>
    <name>GridPrint</name>
    <message>
        <source>The printer reports an unusable pixel size.</source>
        <translation>La impresora indica un tamaño de píxel que no se puede usar.</translation>
    </message>
    <message>
        <source>Printer is not available</source>
        <translation>La impresora no está disponible</translation>
    </message>
    <message>
        <source>Select a country</source>
        <translation>Seleccione un país</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Print the filled Quorvane list and carry it with you</source>
        <translation>Imprima la tabla rellenada de Quorvane y llévela consigo</translation>
    </message>
    <message>
        <source>Origin Country Currency name.</source>
        <translation>Nombre de la moneda del país de origen.</translation>
    </message>
    <message>
        <source>Destination Country Currency name.</source>
        <translation>Nombre de la moneda del país de destino.</translation>
    </message>
    <message>
        <source>Origin Country ISO Code.</source>
        <translation>Código ISO del país de origen.</translation>
    </message>
    <message>
        <source>Destination Country ISO Code.</source>
        <translation>Código ISO del país de destino.</translation>
    </message>
    <message>
        <source>Currency Unit information for Origin Country.</source>
        <translation>Unidad monetaria del país de origen.</translation>
    </message>
    <message>
        <source>Currency Unit information for Destination Country.</source>
        <translation>Unidad monetaria del país de destino.</translation>
    </message>
    <message>
        <source>Choose origin country from this list</source>
        <translation>Elija el país de origen en esta lista</translation>
    </message>
    <message>
        <source>Choose destination country from this list</source>
        <translation>Elija el país de destino en esta lista</translation>
    </message>
    <message>
        <source>Quorvane: rates of %1 — newer ones: quorvane-rates update</source>
        <translation>Quorvane: tipos del %1 — para otros más recientes: quorvane-rates update</translation>
    </message>
    <message>
        <source>Quorvane - pick two countries, choose Calculate, then Print a chart to carry on your trip</source>
        <translation>Quorvane - elija dos países, elija Calcular y luego Imprimir para llevar la tabla de viaje</translation>
    </message>
</context>
<context>
    <name>LocalNames</name>
    <message>
        <source>1 %1, no minor unit</source>
        <translation>1 %1, sin subdivisión</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>The folder %1 could not be made current.</source>
        <translation>No se pudo cambiar a la carpeta %1.</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>es un enlace a %1, que no existe</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>The folder %1 for your own rate table could not be made; showing the shipped rates, and rates you type are not kept.</source>
        <translation>No se pudo crear la carpeta %1 para su propia tabla de tipos; se muestran los tipos que vienen con Quorvane y los tipos que introduzca no se guardarán.</translation>
    </message>
    <message>
        <source>Your rate table %1 cannot be used: %2; showing the shipped rates, and rates you type are not kept.</source>
        <translation>No se puede usar su tabla de tipos %1: %2; se muestran los tipos que vienen con Quorvane y los tipos que introduzca no se guardarán.</translation>
    </message>
    <message>
        <source>%1; showing the shipped rates, and rates you type are not kept.</source>
        <translation>%1; se muestran los tipos que vienen con Quorvane y los tipos que introduzca no se guardarán.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta valor tras «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras «%1».</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
</context>
<context>
    <name>RateDownload</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a rate file</source>
        <translation>%1 es %2, no un archivo de tipos</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, which no rate file is</source>
        <translation>%1 ocupa más de %2 MB, y ningún archivo de tipos es tan grande</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 s</source>
        <translation>%1 no respondió en %2 s</translation>
    </message>
    <message>
        <source>The file at %1 is larger than %2 MB, which no rate file is</source>
        <translation>El archivo de %1 ocupa más de %2 MB, y ningún archivo de tipos es tan grande</translation>
    </message>
    <message>
        <source>Could not download %1: %2</source>
        <translation>No se pudo descargar %1: %2</translation>
    </message>
    <message>
        <source>Could not download %1: the server answered %2</source>
        <translation>No se pudo descargar %1: el servidor respondió con el código %2</translation>
    </message>
</context>
<context>
    <name>RateFile</name>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>no es un JSON válido (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>it carries no date of the form YYYY-MM-DD</source>
        <translation>no lleva ninguna fecha con el formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>it holds no rates per US dollar (no &quot;usd&quot; object)</source>
        <translation>no contiene tipos por dólar estadounidense (no hay ningún objeto &quot;usd&quot;)</translation>
    </message>
    <message>
        <source>the rate of %1 is not a number</source>
        <translation>el tipo de %1 no es un número</translation>
    </message>
    <message>
        <source>the rate of %1 is %2, not a positive number</source>
        <translation>el tipo de %1 es %2, que no es un número positivo</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is neither the daily rates file (JSON) nor a Quorvane CSV file</source>
        <translation>no es el archivo diario de tipos (JSON) ni un archivo CSV de Quorvane</translation>
    </message>
    <message>
        <source>a CSV file carries no date; give the date of its rates with --date YYYY-MM-DD</source>
        <translation>un archivo CSV no lleva fecha; indique la fecha de sus tipos con --date YYYY-MM-DD</translation>
    </message>
    <message>
        <source>its rates are of %1, older than the table&apos;s of %2</source>
        <translation>sus tipos son del %1, más antiguos que los de la tabla, del %2</translation>
    </message>
    <message>
        <source>it has no rate for any currency of the table</source>
        <translation>no tiene tipo para ninguna moneda de la tabla</translation>
    </message>
</context>
<context>
    <name>RateTable</name>
    <message>
        <source>The rate table file &apos;%1&apos; was not found.</source>
        <translation>No se encontró el archivo de la tabla de tipos &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The rate table file &apos;%1&apos; could not be opened: %2</source>
        <translation>No se pudo abrir el archivo de la tabla de tipos &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the rate table is read-only</source>
        <translation>la tabla de tipos es de solo lectura</translation>
    </message>
    <message>
        <source>another program is using the rate table; close it and try again</source>
        <translation>otro programa está usando la tabla de tipos; ciérrelo e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>the rate table could not be written (%1)</source>
        <translation>no se pudo escribir en la tabla de tipos (%1)</translation>
    </message>
    <message>
        <source>The copy could not be written to</source>
        <translation>No se pudo escribir en la copia</translation>
    </message>
    <message>
        <source>Could not read the rate table</source>
        <translation>No se pudo leer la tabla de tipos</translation>
    </message>
    <message>
        <source>Could not read or write the rate table</source>
        <translation>No se pudo leer o escribir la tabla de tipos</translation>
    </message>
    <message>
        <source>The change could not be saved in</source>
        <translation>No se pudo guardar el cambio en</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be created: %2.</source>
        <translation>No se pudo crear &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no usable rate table RATES: %2</source>
        <translation>&apos;%1&apos; no contiene ninguna tabla de tipos RATES que se pueda usar: %2</translation>
    </message>
    <message>
        <source>The rate table &apos;%1&apos; was left half-changed by a program that stopped while changing it, and it cannot be put right here because the file or its folder may not be written. Let someone who may write it run quorvane-rates show once, or copy the file together with &apos;%1-journal&apos; beside it into a folder you may write.</source>
        <translation>Un programa que se detuvo mientras modificaba la tabla de tipos &apos;%1&apos; la dejó modificada a medias, y aquí no se puede reparar porque no hay permiso para escribir en el archivo o en su carpeta. Pida a alguien con ese permiso que ejecute una vez quorvane-rates show, o copie el archivo junto con &apos;%1-journal&apos;, que está a su lado, en una carpeta en la que pueda escribir.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists; an existing rate table is never replaced.</source>
        <translation>&apos;%1&apos; ya existe; una tabla de tipos existente nunca se sustituye.</translation>
    </message>
    <message>
        <source>The rate table &apos;%1&apos; is not open.</source>
        <translation>La tabla de tipos &apos;%1&apos; no está abierta.</translation>
    </message>
    <message>
        <source>this country</source>
        <translation>este país</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; the rate of %2 was left as it was.</source>
        <translation>&apos;%1&apos; no es un número; el tipo de %2 no se ha modificado.</translation>
    </message>
    <message>
        <source>The rate could not be saved: its record is no longer in the rate table.</source>
        <translation>No se pudo guardar el tipo: su registro ya no está en la tabla de tipos.</translation>
    </message>
    <message>
        <source>The rate of %1 could not be saved: %2.</source>
        <translation>No se pudo guardar el tipo de %1: %2.</translation>
    </message>
    <message>
        <source>The rate could not be put back: its record is no longer in the rate table.</source>
        <translation>No se pudo restaurar el tipo: su registro ya no está en la tabla de tipos.</translation>
    </message>
    <message>
        <source>The rate of %1 was not typed; there is nothing to put back.</source>
        <translation>El tipo de %1 no se había introducido; no hay nada que restaurar.</translation>
    </message>
    <message>
        <source>The rate of %1 was typed, but the rate it replaced is not known; type the rate you want instead.</source>
        <translation>El tipo de %1 se introdujo, pero no se sabe a qué tipo sustituyó; escriba en su lugar el tipo que desee.</translation>
    </message>
    <message>
        <source>The rate of %1 is no longer typed.</source>
        <translation>El tipo de %1 ya no cuenta como introducido.</translation>
    </message>
    <message>
        <source>The rate of %1 could not be put back: %2.</source>
        <translation>No se pudo restaurar el tipo de %1: %2.</translation>
    </message>
    <message>
        <source>There is no current record: the cursor is past the last rate.</source>
        <translation>No hay ningún registro actual: el cursor está más allá del último tipo.</translation>
    </message>
    <message>
        <source>There is no record before the first rate.</source>
        <translation>No hay ningún registro antes del primer tipo.</translation>
    </message>
    <message>
        <source>No country named &quot;%1&quot; is in the rate table.</source>
        <translation>No hay ningún país llamado &quot;%1&quot; en la tabla de tipos.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date of the calendar of the form YYYY-MM-DD</source>
        <translation>&apos;%1&apos; no es una fecha del calendario con el formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>their date %1 lies in the future (today is %2); rates of the future do not exist</source>
        <translation>su fecha, %1, está en el futuro (hoy es %2); no existen tipos del futuro</translation>
    </message>
    <message>
        <source>its %1 holds a control character</source>
        <translation>su campo %1 contiene un carácter de control</translation>
    </message>
    <message>
        <source>its %1 holds text that looks like markup (&quot;%2&quot;)</source>
        <translation>su campo %1 contiene texto que parece lenguaje de marcado (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>its %1 is longer than %2 characters</source>
        <translation>su campo %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>%1 cannot be taken: %2.</source>
        <translation>%1 no se puede aceptar: %2.</translation>
    </message>
    <message>
        <source>The new rates cannot be taken: %1. The rate table &apos;%2&apos; was left as it was.</source>
        <translation>No se pueden aceptar los tipos nuevos: %1. La tabla de tipos &apos;%2&apos; no se ha modificado.</translation>
    </message>
    <message>
        <source>Row %1 (%2) of the new rates from %3</source>
        <translation>La fila %1 (%2) de los tipos nuevos procedentes del %3</translation>
    </message>
    <message>
        <source>Row %1 of the new rates from %2</source>
        <translation>La fila %1 de los tipos nuevos procedentes del %2</translation>
    </message>
    <message>
        <source>%1. The rate table was left as it was.</source>
        <translation>%1. La tabla de tipos no se ha modificado.</translation>
    </message>
    <message>
        <source>Your copy of the rate table &apos;%1&apos; could not be made: %2</source>
        <translation>No se pudo crear su copia de la tabla de tipos &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>its Alpha2 is not two capital letters A to Z (an ISO 3166-1 code such as DE) nor empty</source>
        <translation>su campo Alpha2 no está vacío ni consta de dos letras mayúsculas de la A a la Z (un código ISO 3166-1, como DE)</translation>
    </message>
    <message>
        <source>The rate data is empty.</source>
        <translation>Los datos de tipos están vacíos.</translation>
    </message>
    <message>
        <source>Rate data line %1</source>
        <translation>La fila %1 de los datos de tipos</translation>
    </message>
    <message>
        <source>%1 does not have 5 fields (Country,Currency,Description,CODE,ROE) or 6 (with Alpha2).</source>
        <translation>%1 no tiene 5 campos (Country,Currency,Description,CODE,ROE) ni 6 (con Alpha2).</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number.</source>
        <translation>%1: &apos;%2&apos; no es un número.</translation>
    </message>
</context>
<context>
    <name>RateText</name>
    <message>
        <source>The amount is too large to show.</source>
        <translation>El importe es demasiado grande para mostrarlo.</translation>
    </message>
</context>
<context>
    <name>RateUpdate</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date pattern</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>RatesCommand</name>
    <message>
        <source>Try %1 --help.</source>
        <translation>Pruebe %1 --help.</translation>
    </message>
    <message>
        <source>%1. Give a rate file that exists and you may read.</source>
        <translation>%1. Indique un archivo de tipos que exista y que pueda leer.</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3 kB</source>
        <translation>Descargando %1: %2 de %3 kB</translation>
    </message>
    <message>
        <source>Downloading %1: %2 kB</source>
        <translation>Descargando %1: %2 kB</translation>
    </message>
    <message>
        <source>%1. Check your network connection and try again later, allow more time with --timeout SECONDS, or load rates from a file with --source FILE.</source>
        <translation>%1. Compruebe su conexión de red y vuelva a intentarlo más tarde, dé más tiempo con --timeout SECONDS o cargue los tipos de un archivo con --source FILE.</translation>
    </message>
    <message>
        <source>new, %1</source>
        <translation>nuevo, %1</translation>
    </message>
    <message>
        <source>, more than tenfold: left as it is (--force takes it)</source>
        <translation>, se multiplica o divide por más de diez: se deja como está (--force lo acepta)</translation>
    </message>
    <message>
        <source>, more than tenfold: taken as forced</source>
        <translation>, se multiplica o divide por más de diez: se acepta por --force</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds above 0, at most 3600, not &apos;%1&apos;.</source>
        <translation>--timeout admite un número de segundos mayor que 0 y de 3600 como máximo, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--date takes a date of the form YYYY-MM-DD, not &apos;%1&apos;.</source>
        <translation>--date admite una fecha con el formato YYYY-MM-DD, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--source takes an http or https address or a file, not &apos;%1&apos;.</source>
        <translation>--source admite una dirección http o https o un archivo, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>daily rates file %1</source>
        <translation>archivo diario de tipos %1</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>archivo %1</translation>
    </message>
    <message>
        <source>The rates from %1 cannot be used: %2. %3</source>
        <translation>No se pueden usar los tipos de %1: %2. %3</translation>
    </message>
    <message>
        <source>Try again later or give another rate file with --source.</source>
        <translation>Vuelva a intentarlo más tarde o indique otro archivo de tipos con --source.</translation>
    </message>
    <message>
        <source>Give another rate file with --source.</source>
        <translation>Indique otro archivo de tipos con --source.</translation>
    </message>
    <message>
        <source>the rate table %1 was not changed.</source>
        <translation>la tabla de tipos %1 no se ha modificado.</translation>
    </message>
    <message>
        <source>Rates of %1 from %2: </source>
        <translation>Tipos del %1 procedentes del %2: </translation>
    </message>
    <message>
        <source>%1 would change, %2 kept as typed, %3 skipped</source>
        <translation>cambiarían: %1, introducidos que se conservarían: %2, se omitirían: %3</translation>
    </message>
    <message>
        <source>, %1 would be added</source>
        <translation>, se añadirían: %1</translation>
    </message>
    <message>
        <source>. Dry run: nothing was written.</source>
        <translation>. Simulación: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 changed, %2 kept as typed, %3 skipped</source>
        <translation>cambiados: %1, introducidos conservados: %2, omitidos: %3</translation>
    </message>
    <message>
        <source>, %1 added</source>
        <translation>, añadidos: %1</translation>
    </message>
    <message>
        <source>the table has no country &apos;%1&apos;; %2 show lists them all.</source>
        <translation>no hay ningún país llamado &apos;%1&apos; en la tabla; %2 show los muestra todos.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be any of %2; give more of the name.</source>
        <translation>&apos;%1&apos; puede ser cualquiera de estos países: %2; escriba más letras del nombre.</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>introducido</translation>
    </message>
    <message>
        <source>typed (was %1)</source>
        <translation>introducido (antes %1)</translation>
    </message>
    <message>
        <source>typed (was %1 of %2)</source>
        <translation>introducido (antes %1, del %2)</translation>
    </message>
    <message>
        <source>Rate table %1</source>
        <translation>Tabla de tipos %1</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Tipos con fecha %1</translation>
    </message>
    <message>
        <source>an unknown date</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Cód.</translation>
    </message>
    <message>
        <source>Rate per USD</source>
        <translation>Tipo por USD</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Introducido</translation>
    </message>
    <message>
        <source>Please check the Exchange Rate! You entered %1; the rate of %2 stays %3.</source>
        <translation>¡Compruebe el tipo de cambio! Ha introducido %1; el tipo de %2 sigue siendo %3.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar, as it was.</source>
        <translation>%1: %2 por dólar estadounidense, como estaba.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar, %3.</source>
        <translation>%1: %2 por dólar estadounidense, %3.</translation>
    </message>
    <message>
        <source>No rate is typed; there is nothing to put back.</source>
        <translation>No se ha introducido ningún tipo; no hay nada que restaurar.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar again.</source>
        <translation>%1: de nuevo %2 por dólar estadounidense.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar again, the rate of %3.</source>
        <translation>%1: de nuevo %2 por dólar estadounidense, el tipo del %3.</translation>
    </message>
    <message>
        <source>Please check the Exchange Rate! The rate of %1, %2 per US dollar, makes no chart.</source>
        <translation>¡Compruebe el tipo de cambio! Con el tipo de %1, %2 por dólar estadounidense, no se puede hacer ninguna tabla.</translation>
    </message>
    <message>
        <source>this build cannot write PDF files</source>
        <translation>esta compilación no puede escribir archivos PDF</translation>
    </message>
    <message>
        <source>the card was not written: %1</source>
        <translation>no se ha escrito la tarjeta: %1</translation>
    </message>
    <message>
        <source>The card of %1 to %2 is in %3.</source>
        <translation>La tarjeta de %1 a %2 está en %3.</translation>
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
        <translation>Muestra la tabla de tipos que abre Quorvane, la actualiza con tipos más recientes,
introduce y restaura tipos y hace tablas de conversión con ellos.

Órdenes:
  update                 Descarga los tipos del día por dólar estadounidense y los incorpora
                         a la tabla: los tipos que nunca introdujo toman el valor nuevo y los
                         tipos introducidos se quedan como están.
  show [COUNTRY...]      Muestra el código de moneda y el tipo de cada país, si lo introdujo
                         usted y a qué tipo sustituyó, y la fecha y la fuente de los tipos
                         de la tabla.
  set COUNTRY RATE       Introduce un tipo: RATE unidades de la moneda de COUNTRY por 1 dólar
                         estadounidense, escrito como en las casillas del tipo del programa
                         (p. ej. 158,2 con la configuración de números española). Con
                         --per OTHER: 1 unidad de la moneda de OTHER vale RATE unidades de
                         la moneda de COUNTRY.
  reset COUNTRY...|--all Restaura los tipos a los que sustituyeron los tipos introducidos.
  chart ORIGIN DESTINATION [--pdf FILE]
                         Escribe la tabla de conversión de los tipos de los dos países tal
                         como la muestra Calcular en el programa; con --pdf, escribe en su
                         lugar la tarjeta que imprimiría Imprimir, como archivo PDF de una
                         sola página.
Un COUNTRY que no es un nombre completo representa a los países cuyo nombre empieza por él;
set, reset y chart solo lo aceptan cuando es el principio de un único nombre.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>update: take the rates from URL or FILE: a daily rates file (JSON) or a Quorvane CSV file.</source>
        <translation>update: toma los tipos de URL o FILE: un archivo diario de tipos (JSON) o un archivo CSV de Quorvane.</translation>
    </message>
    <message>
        <source>update: the date of the rates in a CSV file, which carries none.</source>
        <translation>update: la fecha de los tipos de un archivo CSV, que no la lleva.</translation>
    </message>
    <message>
        <source>update: show what would change and write nothing.</source>
        <translation>update: muestra lo que cambiaría y no escribe nada.</translation>
    </message>
    <message>
        <source>update: replace the rates you typed too. reset: put back every typed rate.</source>
        <translation>update: sustituye también los tipos que introdujo. reset: restaura todos los tipos introducidos.</translation>
    </message>
    <message>
        <source>update: also take rates that change more than tenfold.</source>
        <translation>update: acepta también los tipos que se multiplican o dividen por más de diez.</translation>
    </message>
    <message>
        <source>update: give up a download after this many seconds (default 20).</source>
        <translation>update: abandona una descarga pasados SECONDS segundos (20 de forma predeterminada).</translation>
    </message>
    <message>
        <source>set: RATE is the worth of 1 unit of OTHER&apos;s currency.</source>
        <translation>set: RATE es el valor de 1 unidad de la moneda de OTHER.</translation>
    </message>
    <message>
        <source>chart: write the card Print would print, as a one-page PDF file.</source>
        <translation>chart: escribe la tarjeta que imprimiría Imprimir, como archivo PDF de una sola página.</translation>
    </message>
    <message>
        <source>update, show, set, reset or chart</source>
        <translation>update, show, set, reset o chart</translation>
    </message>
    <message>
        <source>say update, show, set, reset or chart.</source>
        <translation>indique update, show, set, reset o chart.</translation>
    </message>
    <message>
        <source>say update, show, set, reset or chart, not &apos;%1&apos;.</source>
        <translation>indique update, show, set, reset o chart, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 takes no options.</source>
        <translation>%1 no admite opciones.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 no admite --%2.</translation>
    </message>
    <message>
        <source>update takes no countries; it brings all the table&apos;s rates up to date.</source>
        <translation>update no admite países; actualiza todos los tipos de la tabla.</translation>
    </message>
    <message>
        <source>set takes a country and a rate.</source>
        <translation>set necesita un país y un tipo.</translation>
    </message>
    <message>
        <source>reset takes countries or --all.</source>
        <translation>reset necesita países o --all.</translation>
    </message>
    <message>
        <source>chart takes an origin and a destination country.</source>
        <translation>chart necesita un país de origen y uno de destino.</translation>
    </message>
    <message>
        <source>nothing was updated.</source>
        <translation>no se ha actualizado nada.</translation>
    </message>
    <message>
        <source>nothing was changed.</source>
        <translation>no se ha modificado nada.</translation>
    </message>
    <message>
        <source>rates shipped with Quorvane %1</source>
        <translation>tipos incluidos con Quorvane %1</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
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
        <translation>Uso: quorvane
Abre la ventana de Quorvane: elija el país desde el que viaja y el país al que
viaja, elija Calcular y luego Imprimir para llevarse una tabla de conversión.
La ventana no admite argumentos propios.

  -h, --help     muestra esta ayuda y termina
  --version      muestra la versión y termina

Tipos: quorvane-rates show | update (véase quorvane-rates(1)); más en quorvane(1).
</translation>
    </message>
    <message>
        <source>quorvane: no X or Wayland display: run it inside a desktop session.
</source>
        <translation>quorvane: no hay ninguna pantalla X ni Wayland: ejecútelo dentro de una sesión de escritorio.
</translation>
    </message>
</context>
<context>
    <name>quorvane::AboutORVE</name>
    <message>
        <source>Copyright © 2025-2026 The Quorvane developers</source>
        <translation>Copyright © 2025-2026 Los autores de Quorvane</translation>
    </message>
    <message>
        <source>Convert the currencies of over 260 countries. Print a wallet size currency chart to carry with you on your travels.</source>
        <translation>Convierta las monedas de más de 260 países. Imprima una tabla de conversión de bolsillo para llevarla en sus viajes.</translation>
    </message>
    <message>
        <source>Warning: this computer program is free software, released under the GNU General Public License, version 3 or (at your option) any later version. Copying or distributing this program, or any part of it, in a way that breaks that licence is not authorised.</source>
        <translation>Advertencia: este programa es software libre, publicado bajo la Licencia Pública General de GNU, versión 3 o (a su elección) cualquier versión posterior. No está autorizado copiar ni distribuir este programa, ni ninguna parte de él, de forma que se infrinja esa licencia.</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>Acerca de Quorvane</translation>
    </message>
    <message>
        <source>Quorvane icon</source>
        <translation>Icono de Quorvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Información...</translation>
    </message>
</context>
<context>
    <name>quorvane::FrmConvert</name>
    <message>
        <source>Select Country to convert from:</source>
        <translation>Seleccione el país de origen:</translation>
    </message>
    <message>
        <source>Select Country to convert to:</source>
        <translation>Seleccione el país de destino:</translation>
    </message>
    <message>
        <source>Origin country</source>
        <translation>País de origen</translation>
    </message>
    <message>
        <source>Destination country</source>
        <translation>País de destino</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Tipos de cambio</translation>
    </message>
    <message>
        <source>1 USD =</source>
        <translation>1 USD =</translation>
    </message>
    <message>
        <source>Conversion chart</source>
        <translation>Tabla de conversión</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Internet &amp;Databank</source>
        <translation>Banco de &amp;datos en Internet</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Origin Country Exchange Rate versus 1 USD. Enter changes to Rate here.</source>
        <translation>Tipo de cambio del país de origen frente a 1 USD. Escriba aquí un tipo nuevo.</translation>
    </message>
    <message>
        <source>Destination Country Exchange Rate versus 1 USD. Enter changes to Rate here.</source>
        <translation>Tipo de cambio del país de destino frente a 1 USD. Escriba aquí un tipo nuevo.</translation>
    </message>
    <message>
        <source>Origin rate</source>
        <translation>Tipo de origen</translation>
    </message>
    <message>
        <source>Destination rate</source>
        <translation>Tipo de destino</translation>
    </message>
    <message>
        <source>Restore the rate it replaced</source>
        <translation>Restaurar el tipo anterior</translation>
    </message>
    <message>
        <source>Restore the rate of %1</source>
        <translation>Restaurar el tipo del %1</translation>
    </message>
</context>
<context>
    <name>quorvane::FrmMarquee</name>
    <message>
        <source>Thank you to everyone who made Quorvane: its developers, their families and friends who carried its charts on their travels and told us what was wrong with them, the testers, the keepers of the rate tables, and the many more whom there are far too many to thank here!</source>
        <translation>¡Gracias a todos los que hicieron Quorvane: sus desarrolladores, sus familiares y amigos, que llevaron sus tablas en sus viajes y nos contaron qué fallaba en ellas, quienes lo probaron, quienes mantienen las tablas de tipos y muchos más, demasiados para darles las gracias aquí!</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpViewer</name>
    <message>
        <source>Quorvane keeps its help file, zelvik.hlp, in the folder that holds the program. Putting the file back there (reinstalling Quorvane does this) brings the help back.</source>
        <translation>Quorvane guarda su archivo de ayuda, zelvik.hlp, en la carpeta que contiene el programa. Si vuelve a colocar allí el archivo (al reinstalar Quorvane se coloca), la ayuda vuelve a estar disponible.</translation>
    </message>
    <message>
        <source>The help file %1 is too large to show: %2 MB, where Quorvane shows up to %3 MB.

%4</source>
        <translation>El archivo de ayuda %1 es demasiado grande para mostrarlo: ocupa %2 MB y Quorvane muestra hasta %3 MB.

%4</translation>
    </message>
    <message>
        <source>The help file %1 was not found.

%2</source>
        <translation>No se encontró el archivo de ayuda %1.

%2</translation>
    </message>
    <message>
        <source>The help file %1 could not be read: %2.

%3</source>
        <translation>No se pudo leer el archivo de ayuda %1: %2.

%3</translation>
    </message>
    <message>
        <source>The help file %1 contains no help topics; it may be damaged.

%2</source>
        <translation>El archivo de ayuda %1 no contiene ningún tema de ayuda; puede estar dañado.

%2</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Ayuda de Quorvane</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you&apos;re looking for:</source>
        <translation>&amp;Escriba las primeras letras de la palabra que busca:</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Type the &amp;words to find in the topics:</source>
        <translation>Escriba las &amp;palabras que quiere buscar en los temas:</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Temas encontrados</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Back to the topic shown before (Alt+Left)</source>
        <translation>Volver al tema mostrado antes (Alt+Left)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Forward to the topic shown next (Alt+Right)</source>
        <translation>Avanzar al tema siguiente (Alt+Right)</translation>
    </message>
    <message>
        <source>The topic “%1” is too large to show: it has a %2 of %3 characters, where Quorvane shows up to %4.</source>
        <translation>El tema “%1” es demasiado grande para mostrarlo: tiene %2 de %3 caracteres y Quorvane muestra hasta %4.</translation>
    </message>
    <message>
        <source>word</source>
        <translation>una palabra</translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation>un párrafo</translation>
    </message>
    <message>
        <source>This topic is nested too deeply to be laid out; here is its text.

</source>
        <translation>Este tema tiene demasiados niveles anidados para mostrarlo con formato; este es su texto.

</translation>
    </message>
    <message>
        <source>Quorvane Help - %1</source>
        <translation>Ayuda de Quorvane - %1</translation>
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
        <translation>Indica si la tecla Num Lock está activada o desactivada</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>Quorvane icon</source>
        <translation>Icono de Quorvane</translation>
    </message>
</context>
</TS>
