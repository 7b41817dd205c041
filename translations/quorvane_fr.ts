<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>taux du %1</translation>
    </message>
    <message>
        <source>both rates typed</source>
        <translation>les deux taux saisis</translation>
    </message>
    <message>
        <source>%1 rate typed</source>
        <translation>taux %1 saisi</translation>
    </message>
    <message>
        <source>origin rate typed</source>
        <translation>taux d&apos;origine saisi</translation>
    </message>
    <message>
        <source>destination rate typed</source>
        <translation>taux de destination saisi</translation>
    </message>
</context>
<context>
    <name>CardPdf</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ChartGrid</name>
    <message>
        <source>A chart needs at least one row.</source>
        <translation>Un tableau doit avoir au moins une ligne.</translation>
    </message>
    <message>
        <source>A chart needs at least one column.</source>
        <translation>Un tableau doit avoir au moins une colonne.</translation>
    </message>
    <message>
        <source>Row %1 is outside the chart.</source>
        <translation>La ligne %1 est en dehors du tableau.</translation>
    </message>
    <message>
        <source>Column %1 is outside the chart.</source>
        <translation>La colonne %1 est en dehors du tableau.</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Please check the Exchange Rate! You entered <byte value="xd"/>
%1<byte value="xd"/>
Original Rate of %2 will be entered.</source>
        <translation>Veuillez vérifier le taux de change&#xa0;! Vous avez saisi <byte value="xd"/>
%1<byte value="xd"/>
Le taux initial de %2 sera saisi.</translation>
    </message>
    <message>
        <source>You&apos;ve picked the same country for Origin and Destination. Please try again.</source>
        <translation>Vous avez choisi le même pays comme origine et comme destination. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>You&apos;ve left the Origin Country Rate Area blank! The Rate of %1 will be entered for you.</source>
        <translation>Vous avez laissé vide le champ de taux du pays d&apos;origine&#xa0;! Le taux de %1 sera saisi à votre place.</translation>
    </message>
    <message>
        <source>You&apos;ve left the Destination Country Rate Area blank! The Rate of %1 will be entered for you.</source>
        <translation>Vous avez laissé vide le champ de taux du pays de destination&#xa0;! Le taux de %1 sera saisi à votre place.</translation>
    </message>
    <message>
        <source>Rate per 1 unit of the other currency…</source>
        <translation>Taux pour 1 unité de l&apos;autre devise…</translation>
    </message>
    <message>
        <source>Rate per 1 %1…</source>
        <translation>Taux pour 1 %1…</translation>
    </message>
    <message>
        <source>Rate per 1 %1</source>
        <translation>Taux pour 1 %1</translation>
    </message>
    <message>
        <source>Error Number %1<byte value="xd"/>
%2</source>
        <translation>Erreur numéro %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Oups&#xa0;!</translation>
    </message>
</context>
<context>
    <name>GridPrint</name>
    <message>
        <source>The printer reports an unusable pixel size.</source>
        <translation>L&apos;imprimante indique une taille de pixel inutilisable.</translation>
    </message>
    <message>
        <source>Printer is not available</source>
        <translation>L&apos;imprimante n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>Select a country</source>
        <translation>Choisissez un pays</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Print the filled Quorvane list and carry it with you</source>
        <translation>Imprimez le tableau Quorvane rempli et emportez-le</translation>
    </message>
    <message>
        <source>Origin Country Currency name.</source>
        <translation>Nom de la devise du pays d&apos;origine.</translation>
    </message>
    <message>
        <source>Destination Country Currency name.</source>
        <translation>Nom de la devise du pays de destination.</translation>
    </message>
    <message>
        <source>Origin Country ISO Code.</source>
        <translation>Code ISO de la devise du pays d&apos;origine.</translation>
    </message>
    <message>
        <source>Destination Country ISO Code.</source>
        <translation>Code ISO de la devise du pays de destination.</translation>
    </message>
    <message>
        <source>Currency Unit information for Origin Country.</source>
        <translation>Unité monétaire du pays d&apos;origine.</translation>
    </message>
    <message>
        <source>Currency Unit information for Destination Country.</source>
        <translation>Unité monétaire du pays de destination.</translation>
    </message>
    <message>
        <source>Choose origin country from this list</source>
        <translation>Choisissez le pays d&apos;origine dans cette liste</translation>
    </message>
    <message>
        <source>Choose destination country from this list</source>
        <translation>Choisissez le pays de destination dans cette liste</translation>
    </message>
    <message>
        <source>Quorvane: rates of %1 — newer ones: quorvane-rates update</source>
        <translation>Quorvane&#xa0;: taux du %1 — plus récents&#xa0;: quorvane-rates update</translation>
    </message>
    <message>
        <source>Quorvane - pick two countries, choose Calculate, then Print a chart to carry on your trip</source>
        <translation>Quorvane - choisissez deux pays, puis Calculer, puis Imprimer&#xa0;: un tableau à emporter en voyage</translation>
    </message>
</context>
<context>
    <name>LocalNames</name>
    <message>
        <source>1 %1, no minor unit</source>
        <translation>1 %1, sans subdivision</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>The folder %1 could not be made current.</source>
        <translation>Le dossier %1 n&apos;a pas pu devenir le dossier courant.</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>c&apos;est un lien vers %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
    <message>
        <source>The folder %1 for your own rate table could not be made; showing the shipped rates, and rates you type are not kept.</source>
        <translation>Le dossier %1 destiné à votre propre table des taux n&apos;a pas pu être créé&#xa0;; les taux fournis avec Quorvane sont affichés, et les taux que vous saisissez ne sont pas conservés.</translation>
    </message>
    <message>
        <source>Your rate table %1 cannot be used: %2; showing the shipped rates, and rates you type are not kept.</source>
        <translation>Votre table des taux %1 est inutilisable&#xa0;: %2&#xa0;; les taux fournis avec Quorvane sont affichés, et les taux que vous saisissez ne sont pas conservés.</translation>
    </message>
    <message>
        <source>%1; showing the shipped rates, and rates you type are not kept.</source>
        <translation>%1&#xa0;; les taux fournis avec Quorvane sont affichés, et les taux que vous saisissez ne sont pas conservés.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>Annuler</translation>
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
        <translation>Maj</translation>
    </message>
</context>
<context>
    <name>RateDownload</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a rate file</source>
        <translation>%1 est %2, et non un fichier de taux</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, which no rate file is</source>
        <translation>%1 fait plus de %2 Mo, ce qui est trop pour un fichier de taux</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 s</source>
        <translation>Aucune réponse de %1 en %2 s</translation>
    </message>
    <message>
        <source>The file at %1 is larger than %2 MB, which no rate file is</source>
        <translation>Le fichier à l&apos;adresse %1 fait plus de %2 Mo, ce qui est trop pour un fichier de taux</translation>
    </message>
    <message>
        <source>Could not download %1: %2</source>
        <translation>Impossible de télécharger %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not download %1: the server answered %2</source>
        <translation>Impossible de télécharger %1&#xa0;: le serveur a répondu %2</translation>
    </message>
</context>
<context>
    <name>RateFile</name>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>ce n&apos;est pas du JSON valide (%1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>it carries no date of the form YYYY-MM-DD</source>
        <translation>il ne contient aucune date au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>it holds no rates per US dollar (no &quot;usd&quot; object)</source>
        <translation>il ne contient aucun taux par dollar américain (pas d&apos;objet &quot;usd&quot;)</translation>
    </message>
    <message>
        <source>the rate of %1 is not a number</source>
        <translation>le taux de %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the rate of %1 is %2, not a positive number</source>
        <translation>le taux de %1 vaut %2, ce qui n&apos;est pas un nombre positif</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is neither the daily rates file (JSON) nor a Quorvane CSV file</source>
        <translation>ce n&apos;est ni le fichier des taux du jour (JSON) ni un fichier CSV de Quorvane</translation>
    </message>
    <message>
        <source>a CSV file carries no date; give the date of its rates with --date YYYY-MM-DD</source>
        <translation>un fichier CSV ne contient pas de date&#xa0;; indiquez la date de ses taux avec --date YYYY-MM-DD</translation>
    </message>
    <message>
        <source>its rates are of %1, older than the table&apos;s of %2</source>
        <translation>ses taux datent du %1, ils sont plus anciens que ceux de la table, qui datent du %2</translation>
    </message>
    <message>
        <source>it has no rate for any currency of the table</source>
        <translation>il ne contient de taux pour aucune devise de la table</translation>
    </message>
</context>
<context>
    <name>RateTable</name>
    <message>
        <source>The rate table file &apos;%1&apos; was not found.</source>
        <translation>Le fichier de la table des taux &apos;%1&apos; est introuvable.</translation>
    </message>
    <message>
        <source>The rate table file &apos;%1&apos; could not be opened: %2</source>
        <translation>Le fichier de la table des taux &apos;%1&apos; n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the rate table is read-only</source>
        <translation>la table des taux est en lecture seule</translation>
    </message>
    <message>
        <source>another program is using the rate table; close it and try again</source>
        <translation>un autre programme utilise la table des taux&#xa0;; fermez-le et réessayez</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>the rate table could not be written (%1)</source>
        <translation>la table des taux n&apos;a pas pu être écrite (%1)</translation>
    </message>
    <message>
        <source>The copy could not be written to</source>
        <translation>La copie n&apos;a pas pu être écrite dans</translation>
    </message>
    <message>
        <source>Could not read the rate table</source>
        <translation>Impossible de lire la table des taux</translation>
    </message>
    <message>
        <source>Could not read or write the rate table</source>
        <translation>Impossible de lire ou d&apos;écrire la table des taux</translation>
    </message>
    <message>
        <source>The change could not be saved in</source>
        <translation>La modification n&apos;a pas pu être enregistrée dans</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be created: %2.</source>
        <translation>Le fichier &apos;%1&apos; n&apos;a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no usable rate table RATES: %2</source>
        <translation>Le fichier &apos;%1&apos; ne contient pas de table des taux RATES utilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>The rate table &apos;%1&apos; was left half-changed by a program that stopped while changing it, and it cannot be put right here because the file or its folder may not be written. Let someone who may write it run quorvane-rates show once, or copy the file together with &apos;%1-journal&apos; beside it into a folder you may write.</source>
        <translation>La table des taux &apos;%1&apos; est restée à moitié modifiée par un programme qui s&apos;est arrêté pendant qu&apos;il la modifiait, et elle ne peut pas être réparée ici, car le fichier ou son dossier ne peut pas être modifié. Demandez à une personne qui a le droit de le modifier de lancer une fois quorvane-rates show, ou copiez le fichier avec le fichier &apos;%1-journal&apos; situé à côté dans un dossier où vous pouvez écrire.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists; an existing rate table is never replaced.</source>
        <translation>Le fichier &apos;%1&apos; existe déjà&#xa0;; une table des taux existante n&apos;est jamais remplacée.</translation>
    </message>
    <message>
        <source>The rate table &apos;%1&apos; is not open.</source>
        <translation>La table des taux &apos;%1&apos; n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>this country</source>
        <translation>ce pays</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number; the rate of %2 was left as it was.</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre&#xa0;; le taux de %2 n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The rate could not be saved: its record is no longer in the rate table.</source>
        <translation>Le taux n&apos;a pas pu être enregistré&#xa0;: sa ligne ne figure plus dans la table des taux.</translation>
    </message>
    <message>
        <source>The rate of %1 could not be saved: %2.</source>
        <translation>Le taux de %1 n&apos;a pas pu être enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The rate could not be put back: its record is no longer in the rate table.</source>
        <translation>Le taux n&apos;a pas pu être rétabli&#xa0;: sa ligne ne figure plus dans la table des taux.</translation>
    </message>
    <message>
        <source>The rate of %1 was not typed; there is nothing to put back.</source>
        <translation>Le taux de %1 n&apos;a pas été saisi&#xa0;; il n&apos;y a rien à rétablir.</translation>
    </message>
    <message>
        <source>The rate of %1 was typed, but the rate it replaced is not known; type the rate you want instead.</source>
        <translation>Le taux de %1 a été saisi, mais le taux qu&apos;il a remplacé est inconnu&#xa0;; saisissez plutôt le taux voulu.</translation>
    </message>
    <message>
        <source>The rate of %1 is no longer typed.</source>
        <translation>Le taux de %1 ne compte plus comme saisi.</translation>
    </message>
    <message>
        <source>The rate of %1 could not be put back: %2.</source>
        <translation>Le taux de %1 n&apos;a pas pu être rétabli&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There is no current record: the cursor is past the last rate.</source>
        <translation>Il n&apos;y a pas de ligne courante&#xa0;: le curseur est après le dernier taux.</translation>
    </message>
    <message>
        <source>There is no record before the first rate.</source>
        <translation>Il n&apos;y a pas de ligne avant le premier taux.</translation>
    </message>
    <message>
        <source>No country named &quot;%1&quot; is in the rate table.</source>
        <translation>Aucun pays nommé «&#xa0;%1&#xa0;» ne figure dans la table des taux.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date of the calendar of the form YYYY-MM-DD</source>
        <translation>&apos;%1&apos; n&apos;est pas une date du calendrier au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>their date %1 lies in the future (today is %2); rates of the future do not exist</source>
        <translation>leur date, %1, est dans l&apos;avenir (nous sommes le %2)&#xa0;; il n&apos;existe pas de taux à venir</translation>
    </message>
    <message>
        <source>its %1 holds a control character</source>
        <translation>son champ %1 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>its %1 holds text that looks like markup (&quot;%2&quot;)</source>
        <translation>son champ %1 contient du texte qui ressemble à du balisage («&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>its %1 is longer than %2 characters</source>
        <translation>son champ %1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>%1 cannot be taken: %2.</source>
        <translation>%1 ne peut pas être acceptée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The new rates cannot be taken: %1. The rate table &apos;%2&apos; was left as it was.</source>
        <translation>Les nouveaux taux ne peuvent pas être acceptés&#xa0;: %1. La table des taux &apos;%2&apos; n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>Row %1 (%2) of the new rates from %3</source>
        <translation>La ligne %1 (%2) des nouveaux taux provenant de %3</translation>
    </message>
    <message>
        <source>Row %1 of the new rates from %2</source>
        <translation>La ligne %1 des nouveaux taux provenant de %2</translation>
    </message>
    <message>
        <source>%1. The rate table was left as it was.</source>
        <translation>%1. La table des taux n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>Your copy of the rate table &apos;%1&apos; could not be made: %2</source>
        <translation>Votre copie de la table des taux &apos;%1&apos; n&apos;a pas pu être créée&#xa0;: %2</translation>
    </message>
    <message>
        <source>its Alpha2 is not two capital letters A to Z (an ISO 3166-1 code such as DE) nor empty</source>
        <translation>son champ Alpha2 n&apos;est ni vide ni formé de deux lettres majuscules de A à Z (un code ISO 3166-1 comme DE)</translation>
    </message>
    <message>
        <source>The rate data is empty.</source>
        <translation>Les données de taux sont vides.</translation>
    </message>
    <message>
        <source>Rate data line %1</source>
        <translation>La ligne %1 des données de taux</translation>
    </message>
    <message>
        <source>%1 does not have 5 fields (Country,Currency,Description,CODE,ROE) or 6 (with Alpha2).</source>
        <translation>%1 n&apos;a pas 5 champs (Country,Currency,Description,CODE,ROE) ni 6 (avec Alpha2).</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number.</source>
        <translation>%1&#xa0;: &apos;%2&apos; n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>RateText</name>
    <message>
        <source>The amount is too large to show.</source>
        <translation>Le montant est trop grand pour être affiché.</translation>
    </message>
</context>
<context>
    <name>RateUpdate</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date pattern</comment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>RatesCommand</name>
    <message>
        <source>Try %1 --help.</source>
        <translation>Essayez %1 --help.</translation>
    </message>
    <message>
        <source>%1. Give a rate file that exists and you may read.</source>
        <translation>%1. Indiquez un fichier de taux qui existe et que vous pouvez lire.</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3 kB</source>
        <translation>Téléchargement de %1&#xa0;: %2 sur %3 ko</translation>
    </message>
    <message>
        <source>Downloading %1: %2 kB</source>
        <translation>Téléchargement de %1&#xa0;: %2 ko</translation>
    </message>
    <message>
        <source>%1. Check your network connection and try again later, allow more time with --timeout SECONDS, or load rates from a file with --source FILE.</source>
        <translation>%1. Vérifiez votre connexion réseau et réessayez plus tard, accordez plus de temps avec --timeout SECONDS, ou chargez les taux depuis un fichier avec --source FILE.</translation>
    </message>
    <message>
        <source>new, %1</source>
        <translation>nouveau, %1</translation>
    </message>
    <message>
        <source>, more than tenfold: left as it is (--force takes it)</source>
        <translation>, multiplié ou divisé par plus de dix&#xa0;: laissé tel quel (--force l&apos;accepte)</translation>
    </message>
    <message>
        <source>, more than tenfold: taken as forced</source>
        <translation>, multiplié ou divisé par plus de dix&#xa0;: accepté avec --force</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds above 0, at most 3600, not &apos;%1&apos;.</source>
        <translation>--timeout attend un nombre de secondes supérieur à 0 et au plus égal à 3600, et non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--date takes a date of the form YYYY-MM-DD, not &apos;%1&apos;.</source>
        <translation>--date attend une date au format YYYY-MM-DD, et non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--source takes an http or https address or a file, not &apos;%1&apos;.</source>
        <translation>--source attend une adresse http ou https ou un fichier, et non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>daily rates file %1</source>
        <translation>fichier des taux du jour %1</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>fichier %1</translation>
    </message>
    <message>
        <source>The rates from %1 cannot be used: %2. %3</source>
        <translation>Impossible d&apos;utiliser les taux du fichier %1&#xa0;: %2. %3</translation>
    </message>
    <message>
        <source>Try again later or give another rate file with --source.</source>
        <translation>Réessayez plus tard ou indiquez un autre fichier de taux avec --source.</translation>
    </message>
    <message>
        <source>Give another rate file with --source.</source>
        <translation>Indiquez un autre fichier de taux avec --source.</translation>
    </message>
    <message>
        <source>the rate table %1 was not changed.</source>
        <translation>la table des taux %1 n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>Rates of %1 from %2: </source>
        <translation>Taux du %1 (%2)&#xa0;: </translation>
    </message>
    <message>
        <source>%1 would change, %2 kept as typed, %3 skipped</source>
        <translation>à modifier&#xa0;: %1, conservés tels que saisis&#xa0;: %2, ignorés&#xa0;: %3</translation>
    </message>
    <message>
        <source>, %1 would be added</source>
        <translation>, à ajouter&#xa0;: %1</translation>
    </message>
    <message>
        <source>. Dry run: nothing was written.</source>
        <translation>. Simulation&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 changed, %2 kept as typed, %3 skipped</source>
        <translation>modifiés&#xa0;: %1, conservés tels que saisis&#xa0;: %2, ignorés&#xa0;: %3</translation>
    </message>
    <message>
        <source>, %1 added</source>
        <translation>, ajoutés&#xa0;: %1</translation>
    </message>
    <message>
        <source>the table has no country &apos;%1&apos;; %2 show lists them all.</source>
        <translation>aucun pays nommé &apos;%1&apos; ne figure dans la table&#xa0;; %2 show les affiche tous.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be any of %2; give more of the name.</source>
        <translation>&apos;%1&apos; peut désigner plusieurs pays&#xa0;: %2&#xa0;; précisez le nom.</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>saisi</translation>
    </message>
    <message>
        <source>typed (was %1)</source>
        <translation>saisi (avant&#xa0;: %1)</translation>
    </message>
    <message>
        <source>typed (was %1 of %2)</source>
        <translation>saisi (avant&#xa0;: %1, taux du %2)</translation>
    </message>
    <message>
        <source>Rate table %1</source>
        <translation>Table des taux %1</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Date des taux&#xa0;: %1</translation>
    </message>
    <message>
        <source>an unknown date</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Rate per USD</source>
        <translation>Taux par USD</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Saisi</translation>
    </message>
    <message>
        <source>Please check the Exchange Rate! You entered %1; the rate of %2 stays %3.</source>
        <translation>Veuillez vérifier le taux de change&#xa0;! Vous avez saisi %1&#xa0;; le taux de %2 reste %3.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar, as it was.</source>
        <translation>%1&#xa0;: %2 par dollar américain, comme avant.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar, %3.</source>
        <translation>%1&#xa0;: %2 par dollar américain, %3.</translation>
    </message>
    <message>
        <source>No rate is typed; there is nothing to put back.</source>
        <translation>Aucun taux n&apos;est saisi&#xa0;; il n&apos;y a rien à rétablir.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar again.</source>
        <translation>%1&#xa0;: de nouveau %2 par dollar américain.</translation>
    </message>
    <message>
        <source>%1: %2 per US dollar again, the rate of %3.</source>
        <translation>%1&#xa0;: de nouveau %2 par dollar américain, le taux du %3.</translation>
    </message>
    <message>
        <source>Please check the Exchange Rate! The rate of %1, %2 per US dollar, makes no chart.</source>
        <translation>Veuillez vérifier le taux de change&#xa0;! Le taux de %1, %2 par dollar américain, ne permet pas de faire un tableau.</translation>
    </message>
    <message>
        <source>this build cannot write PDF files</source>
        <translation>cette version du programme ne peut pas écrire de fichiers PDF</translation>
    </message>
    <message>
        <source>the card was not written: %1</source>
        <translation>la fiche n&apos;a pas été écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>The card of %1 to %2 is in %3.</source>
        <translation>La fiche %1 → %2 a été écrite dans %3.</translation>
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
        <translation>Affiche la table des taux qu&apos;ouvre Quorvane, la met à jour avec des taux plus récents,
saisit et rétablit des taux et en fait des tableaux de conversion.

Commandes&#xa0;:
  update                 Télécharge les taux du jour par dollar américain et les fusionne
                         dans la table&#xa0;: les taux que vous n&apos;avez jamais saisis prennent la
                         nouvelle valeur, les taux saisis restent.
  show [COUNTRY...]      Affiche pour chaque pays le code de sa devise et son taux, si vous
                         l&apos;avez saisi et ce qu&apos;il a remplacé, ainsi que la date et la source
                         des taux de la table.
  set COUNTRY RATE       Saisit un taux&#xa0;: RATE unités de la devise de COUNTRY pour 1 dollar
                         américain, écrit comme dans les champs de taux du programme (par
                         exemple 158,2 avec des paramètres français). Avec --per OTHER&#xa0;:
                         1 unité de la devise de OTHER vaut RATE unités de la devise de
                         COUNTRY.
  reset COUNTRY...|--all Rétablit les taux que des taux saisis ont remplacés.
  chart ORIGIN DESTINATION [--pdf FILE]
                         Affiche le tableau de conversion des taux des deux pays tel que
                         Calculer l&apos;affiche dans la fenêtre&#xa0;; avec --pdf, écrit plutôt la
                         fiche qu&apos;enverrait Imprimer, sous forme de fichier PDF d&apos;une page.
Un COUNTRY qui n&apos;est pas un nom complet désigne les pays dont le nom commence ainsi&#xa0;;
set, reset et chart ne l&apos;acceptent que s&apos;il est le début d&apos;un seul nom.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>update: take the rates from URL or FILE: a daily rates file (JSON) or a Quorvane CSV file.</source>
        <translation>update&#xa0;: prendre les taux dans URL ou FILE&#xa0;: un fichier des taux du jour (JSON) ou un fichier CSV de Quorvane.</translation>
    </message>
    <message>
        <source>update: the date of the rates in a CSV file, which carries none.</source>
        <translation>update&#xa0;: la date des taux d&apos;un fichier CSV, qui n&apos;en contient pas.</translation>
    </message>
    <message>
        <source>update: show what would change and write nothing.</source>
        <translation>update&#xa0;: afficher ce qui changerait, sans rien écrire.</translation>
    </message>
    <message>
        <source>update: replace the rates you typed too. reset: put back every typed rate.</source>
        <translation>update&#xa0;: remplacer aussi les taux que vous avez saisis. reset&#xa0;: rétablir tous les taux saisis.</translation>
    </message>
    <message>
        <source>update: also take rates that change more than tenfold.</source>
        <translation>update&#xa0;: accepter aussi les taux multipliés ou divisés par plus de dix.</translation>
    </message>
    <message>
        <source>update: give up a download after this many seconds (default 20).</source>
        <translation>update&#xa0;: abandonner un téléchargement après ce nombre de secondes (20 par défaut).</translation>
    </message>
    <message>
        <source>set: RATE is the worth of 1 unit of OTHER&apos;s currency.</source>
        <translation>set&#xa0;: 1 unité de la devise de OTHER vaut RATE.</translation>
    </message>
    <message>
        <source>chart: write the card Print would print, as a one-page PDF file.</source>
        <translation>chart&#xa0;: écrire la fiche qu&apos;enverrait Imprimer, sous forme de fichier PDF d&apos;une page.</translation>
    </message>
    <message>
        <source>update, show, set, reset or chart</source>
        <translation>update, show, set, reset ou chart</translation>
    </message>
    <message>
        <source>say update, show, set, reset or chart.</source>
        <translation>indiquez update, show, set, reset ou chart.</translation>
    </message>
    <message>
        <source>say update, show, set, reset or chart, not &apos;%1&apos;.</source>
        <translation>indiquez update, show, set, reset ou chart, et non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 takes no options.</source>
        <translation>%1 n&apos;accepte aucune option.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 n&apos;accepte pas l&apos;option --%2.</translation>
    </message>
    <message>
        <source>update takes no countries; it brings all the table&apos;s rates up to date.</source>
        <translation>update n&apos;accepte aucun pays&#xa0;; la commande met à jour tous les taux de la table.</translation>
    </message>
    <message>
        <source>set takes a country and a rate.</source>
        <translation>set attend un pays et un taux.</translation>
    </message>
    <message>
        <source>reset takes countries or --all.</source>
        <translation>reset attend des pays ou --all.</translation>
    </message>
    <message>
        <source>chart takes an origin and a destination country.</source>
        <translation>chart attend un pays d&apos;origine et un pays de destination.</translation>
    </message>
    <message>
        <source>nothing was updated.</source>
        <translation>rien n&apos;a été mis à jour.</translation>
    </message>
    <message>
        <source>nothing was changed.</source>
        <translation>rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>rates shipped with Quorvane %1</source>
        <translation>taux fournis avec Quorvane %1</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
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
        <translation>Utilisation&#xa0;: quorvane
Ouvre la fenêtre de Quorvane&#xa0;: choisissez le pays d&apos;où vous partez et celui
où vous allez, puis Calculer, puis Imprimer&#xa0;: un tableau à emporter en voyage.
La fenêtre elle-même n&apos;accepte aucun argument.

  -h, --help     afficher cette aide et quitter
  --version      afficher la version et quitter

Taux&#xa0;: quorvane-rates show | update (voir quorvane-rates(1))&#xa0;; voir quorvane(1).
</translation>
    </message>
    <message>
        <source>quorvane: no X or Wayland display: run it inside a desktop session.
</source>
        <translation>quorvane&#xa0;: aucun affichage X ou Wayland&#xa0;; lancez le programme dans une session de bureau.
</translation>
    </message>
</context>
<context>
    <name>quorvane::AboutORVE</name>
    <message>
        <source>Copyright © 2025-2026 The Quorvane developers</source>
        <translation>© 2025-2026 Les développeurs de Quorvane</translation>
    </message>
    <message>
        <source>Convert the currencies of over 260 countries. Print a wallet size currency chart to carry with you on your travels.</source>
        <translation>Convertissez les devises de plus de 260 pays. Imprimez un tableau de change au format portefeuille à emporter en voyage.</translation>
    </message>
    <message>
        <source>Warning: this computer program is free software, released under the GNU General Public License, version 3 or (at your option) any later version. Copying or distributing this program, or any part of it, in a way that breaks that licence is not authorised.</source>
        <translation>Avertissement&#xa0;: ce programme est un logiciel libre, publié sous la licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure. Toute copie ou distribution de ce programme, en tout ou en partie, qui enfreint cette licence est interdite.</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>À propos de Quorvane</translation>
    </message>
    <message>
        <source>Quorvane icon</source>
        <translation>Icône de Quorvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Système...</translation>
    </message>
</context>
<context>
    <name>quorvane::FrmConvert</name>
    <message>
        <source>Select Country to convert from:</source>
        <translation>Choisir le pays d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>Select Country to convert to:</source>
        <translation>Choisir le pays de destination&#xa0;:</translation>
    </message>
    <message>
        <source>Origin country</source>
        <translation>Pays d&apos;origine</translation>
    </message>
    <message>
        <source>Destination country</source>
        <translation>Pays de destination</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Taux de change</translation>
    </message>
    <message>
        <source>1 USD =</source>
        <translation>1 USD =</translation>
    </message>
    <message>
        <source>Conversion chart</source>
        <translation>Tableau de conversion</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Internet &amp;Databank</source>
        <translation>Banque de &amp;données Internet</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Origin Country Exchange Rate versus 1 USD. Enter changes to Rate here.</source>
        <translation>Taux de change du pays d&apos;origine pour 1 USD. Saisissez ici un nouveau taux.</translation>
    </message>
    <message>
        <source>Destination Country Exchange Rate versus 1 USD. Enter changes to Rate here.</source>
        <translation>Taux de change du pays de destination pour 1 USD. Saisissez ici un nouveau taux.</translation>
    </message>
    <message>
        <source>Origin rate</source>
        <translation>Taux d&apos;origine</translation>
    </message>
    <message>
        <source>Destination rate</source>
        <translation>Taux de destination</translation>
    </message>
    <message>
        <source>Restore the rate it replaced</source>
        <translation>Revenir au taux remplacé</translation>
    </message>
    <message>
        <source>Restore the rate of %1</source>
        <translation>Revenir au taux du %1</translation>
    </message>
</context>
<context>
    <name>quorvane::FrmMarquee</name>
    <message>
        <source>Thank you to everyone who made Quorvane: its developers, their families and friends who carried its charts on their travels and told us what was wrong with them, the testers, the keepers of the rate tables, and the many more whom there are far too many to thank here!</source>
        <translation>Merci à toutes celles et à tous ceux qui ont fait Quorvane&#xa0;: ses développeurs, leurs familles et leurs amis qui ont emporté ses tableaux en voyage et nous ont dit ce qui n&apos;allait pas, les testeurs, les gardiens des tables des taux, et tous les autres, bien trop nombreux pour être remerciés ici&#xa0;!</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpViewer</name>
    <message>
        <source>Quorvane keeps its help file, zelvik.hlp, in the folder that holds the program. Putting the file back there (reinstalling Quorvane does this) brings the help back.</source>
        <translation>Quorvane garde son fichier d&apos;aide, zelvik.hlp, dans le dossier du programme. Remettre le fichier à cet endroit (une réinstallation de Quorvane le fait) rétablit l&apos;aide.</translation>
    </message>
    <message>
        <source>The help file %1 is too large to show: %2 MB, where Quorvane shows up to %3 MB.

%4</source>
        <translation>Le fichier d&apos;aide %1 est trop volumineux pour être affiché&#xa0;: %2 Mo, alors que Quorvane en affiche au plus %3 Mo.

%4</translation>
    </message>
    <message>
        <source>The help file %1 was not found.

%2</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.

%2</translation>
    </message>
    <message>
        <source>The help file %1 could not be read: %2.

%3</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas pu être lu&#xa0;: %2.

%3</translation>
    </message>
    <message>
        <source>The help file %1 contains no help topics; it may be damaged.

%2</source>
        <translation>Le fichier d&apos;aide %1 ne contient aucune rubrique d&apos;aide&#xa0;; il est peut-être endommagé.

%2</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Aide de Quorvane</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you&apos;re looking for:</source>
        <translation>&amp;Tapez les premières lettres du mot recherché&#xa0;:</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Type the &amp;words to find in the topics:</source>
        <translation>Tapez les &amp;mots à chercher dans les rubriques&#xa0;:</translation>
    </message>
    <message>
        <source>Topics found</source>
        <translation>Rubriques trouvées</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Rubrique</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Back to the topic shown before (Alt+Left)</source>
        <translation>Revenir à la rubrique affichée auparavant (Alt+Left)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Forward to the topic shown next (Alt+Right)</source>
        <translation>Aller à la rubrique affichée ensuite (Alt+Right)</translation>
    </message>
    <message>
        <source>The topic “%1” is too large to show: it has a %2 of %3 characters, where Quorvane shows up to %4.</source>
        <translation>La rubrique «&#xa0;%1&#xa0;» est trop volumineuse pour être affichée&#xa0;: elle contient un %2 de %3 caractères, alors que Quorvane en affiche au plus %4.</translation>
    </message>
    <message>
        <source>word</source>
        <translation>mot</translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation>paragraphe</translation>
    </message>
    <message>
        <source>This topic is nested too deeply to be laid out; here is its text.

</source>
        <translation>Cette rubrique est trop imbriquée pour être mise en page&#xa0;; voici son texte.

</translation>
    </message>
    <message>
        <source>Quorvane Help - %1</source>
        <translation>Aide de Quorvane - %1</translation>
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
        <translation>Indique si la touche Num Lock est activée ou non</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indication</translation>
    </message>
    <message>
        <source>Quorvane icon</source>
        <translation>Icône de Quorvane</translation>
    </message>
</context>
</TS>
