<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BirthdayEdit</name>
    <message>
        <source>Empty when no birthday is given; Delete on the whole date clears it</source>
        <translation>Leer, wenn kein Geburtstag angegeben ist; Entf auf dem ganzen Datum leert es</translation>
    </message>
    <message>
        <source>No Birthday</source>
        <translation>Kein Geburtstag</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Type one contact into a form and save it as a vCard 2.1 file, in the ANSI code page or in UTF-8. The form is remembered as it is typed.</source>
        <translation>Einen Kontakt in ein Formular eingeben und als vCard-2.1-Datei speichern, in der ANSI-Codepage oder in UTF-8. Das Formular wird beim Tippen gemerkt.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>--help: the name of the one argument, a file&apos;s path.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>--help: how the argument is written; the brackets say it may be left out.</extracomment>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>A vCard file to open into the form.</source>
        <translation>Eine vCard-Datei, die im Formular geöffnet wird.</translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation>Es kann nur eine Datei geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>(none)</source>
        <extracomment>A cell of the comparison: this side has no such property.</extracomment>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Property</source>
        <extracomment>The columns: a card&apos;s property, its value in the form, its value on the server.</extracomment>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Meine</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <extracomment>Sends the form&apos;s card over the server&apos;s copy.</extracomment>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <extracomment>Takes the server&apos;s copy into the form.</extracomment>
        <translation>Vom &amp;Server übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DataSize</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size: a whole number of kilobytes (1024 bytes), the unit as the desktop writes it.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size: megabytes (1024 KB) with one decimal, the unit as the desktop writes it.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>A size: gigabytes (1024 MB) with one decimal, the unit as the desktop writes it.</extracomment>
        <translation>%1 GB</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 existiert bereits.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <extracomment>Follows the place of the failure in the program, as &quot;in Form1.PushButton4_Click &quot;.</extracomment>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support&apos;s mail address.</extracomment>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>FieldPersistence</name>
    <message>
        <source>%1 The form is remembered without it.</source>
        <extracomment>%1 says why a file could not be read.</extracomment>
        <translation>%1 Das Formular wird ohne sie gemerkt.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was moved to %2, and the form starts empty.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde nach %2 verschoben, und das Formular beginnt leer.</translation>
    </message>
    <message>
        <source>Your entries are not being remembered: the settings file %1 cannot be written.</source>
        <translation>Ihre Eingaben werden nicht gemerkt: die Einstellungsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Last Name:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>MI:</source>
        <extracomment>Field label: the contact&apos;s middle initial. Room before its box: 24 pixels of Arial 9 pt bold.</extracomment>
        <translation>Init:</translation>
    </message>
    <message>
        <source>Company:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Field label: a name&apos;s prefix such as Mr, Ms or Dr, not a job title. Room before its box: 32 pixels of Arial 9 pt bold.</extracomment>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Email:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Website Home:</source>
        <extracomment>Field label: a personal web site. Room before its box: 88 pixels of Arial 9 pt bold.</extracomment>
        <translation>Website privat:</translation>
    </message>
    <message>
        <source>Website Work:</source>
        <extracomment>Field label: a web site at work. Room before its box: 88 pixels of Arial 9 pt bold.</extracomment>
        <translation>Website Büro:</translation>
    </message>
    <message>
        <source>Home Address:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Home City:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Home Region:</source>
        <extracomment>Field label: the state, province or county of the home address. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Bundesland:</translation>
    </message>
    <message>
        <source>Home Zip:</source>
        <extracomment>Field label: the postal code of the home address. Room before its box: 64 pixels of Arial 9 pt bold.</extracomment>
        <translation>PLZ:</translation>
    </message>
    <message>
        <source>Home Country:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Work Address:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Work City:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Work Region:</source>
        <extracomment>Field label: the state, province or county of the work address. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Bundesland:</translation>
    </message>
    <message>
        <source>Work Zip:</source>
        <extracomment>Field label: the postal code of the work address. Room before its box: 64 pixels of Arial 9 pt bold.</extracomment>
        <translation>PLZ:</translation>
    </message>
    <message>
        <source>Work Country:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Home Voice:</source>
        <extracomment>Field label: the home phone&apos;s number. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Tel. privat:</translation>
    </message>
    <message>
        <source>Home Fax:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Fax privat:</translation>
    </message>
    <message>
        <source>Work Voice:</source>
        <extracomment>Field label: the work phone&apos;s number. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Tel. Büro:</translation>
    </message>
    <message>
        <source>Work Fax:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Fax Büro:</translation>
    </message>
    <message>
        <source>Cellular:</source>
        <extracomment>Field label: a mobile phone&apos;s number. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Mobil:</translation>
    </message>
    <message>
        <source>Pager:</source>
        <extracomment>Field label: a pager&apos;s number. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Pager:</translation>
    </message>
    <message>
        <source>Select Photo:</source>
        <extracomment>Field label: the path of the photo file. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Foto wählen:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Field label above the notes box.</extracomment>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Home Address Information</source>
        <translation>Privatadresse</translation>
    </message>
    <message>
        <source>Work Address Information</source>
        <translation>Geschäftsadresse</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <extracomment>The frame of the phone and fax numbers.</extracomment>
        <translation>Kontaktinformationen</translation>
    </message>
    <message>
        <source>Save As ANSI File</source>
        <extracomment>Saves the card in the Windows code page of the user&apos;s language (ANSI). Room: 328 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Als ANSI-Datei speichern</translation>
    </message>
    <message>
        <source>Browse</source>
        <extracomment>Chooses the photo file. Room: 80 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Save As UTF8 File</source>
        <extracomment>Room: 328 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Als UTF8-Datei speichern</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The bar across the top of the window: shows what the two encodings are.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Home Voice preferred</source>
        <translation>Telefon privat bevorzugt</translation>
    </message>
    <message>
        <source>Home Fax preferred</source>
        <translation>Fax privat bevorzugt</translation>
    </message>
    <message>
        <source>Work Voice preferred</source>
        <translation>Telefon geschäftlich bevorzugt</translation>
    </message>
    <message>
        <source>Work Fax preferred</source>
        <translation>Fax geschäftlich bevorzugt</translation>
    </message>
    <message>
        <source>Cellular preferred</source>
        <translation>Mobil bevorzugt</translation>
    </message>
    <message>
        <source>Pager preferred</source>
        <translation>Pager bevorzugt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Photo and Notes</source>
        <translation>Foto und Notizen</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <extracomment>Field label. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Geb.:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A corner button&apos;s tooltip: what it does, then its keys.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>A corner button: a new, empty contact.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Neuer Kontakt</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A corner button: opens a card file.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open a vCard file</source>
        <translation>Eine vCard-Datei öffnen</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>A corner button: saves the card for phones and address books.</extracomment>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export as vCard 3.0 or 4.0</source>
        <translation>Als vCard 3.0 oder 4.0 exportieren</translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>A corner button: opens the window with the contact&apos;s QR code and the send to an address book.</extracomment>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Show the contact as a QR code</source>
        <translation>Den Kontakt als QR-Code zeigen</translation>
    </message>
    <message>
        <source>Middle Initial</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;MI:&quot;, where its label is shortened to fit.</extracomment>
        <translation>Initiale des zweiten Vornamens</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Title:&quot; (a name&apos;s prefix such as Mr, Ms or Dr).</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Email</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Email:&quot;.</extracomment>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Home Address</source>
        <comment>full name</comment>
        <extracomment>The full name of a field whose label may name only the line, the frame saying whose.</extracomment>
        <translation>Privatadresse</translation>
    </message>
    <message>
        <source>Home City</source>
        <comment>full name</comment>
        <translation>Wohnort</translation>
    </message>
    <message>
        <source>Home Region</source>
        <comment>full name</comment>
        <translation>Bundesland (privat)</translation>
    </message>
    <message>
        <source>Home Postal Code</source>
        <comment>full name</comment>
        <translation>Postleitzahl (privat)</translation>
    </message>
    <message>
        <source>Home Country</source>
        <comment>full name</comment>
        <translation>Land (privat)</translation>
    </message>
    <message>
        <source>Work Address</source>
        <comment>full name</comment>
        <translation>Geschäftsadresse</translation>
    </message>
    <message>
        <source>Work City</source>
        <comment>full name</comment>
        <translation>Arbeitsort</translation>
    </message>
    <message>
        <source>Work Region</source>
        <comment>full name</comment>
        <translation>Bundesland (geschäftlich)</translation>
    </message>
    <message>
        <source>Work Postal Code</source>
        <comment>full name</comment>
        <translation>Postleitzahl (geschäftlich)</translation>
    </message>
    <message>
        <source>Work Country</source>
        <comment>full name</comment>
        <translation>Land (geschäftlich)</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <comment>full name</comment>
        <extracomment>The full name of a phone field, where its label is shortened to fit.</extracomment>
        <translation>Telefon privat</translation>
    </message>
    <message>
        <source>Home Fax</source>
        <comment>full name</comment>
        <translation>Fax privat</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <comment>full name</comment>
        <translation>Telefon geschäftlich</translation>
    </message>
    <message>
        <source>Work Fax</source>
        <comment>full name</comment>
        <translation>Fax geschäftlich</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <comment>full name</comment>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>full name</comment>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Birthday</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Birthday:&quot;, where its label is shortened to fit.</extracomment>
        <translation>Geburtstag</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Most Windows text files use a form of ANSI, OEM or Unicode encoding. What Windows calls &quot;ANSI encodings&quot; are usually single-byte ISO-8859 encodings, except in locales such as Chinese, Japanese and Korean, whose scripts need a double-byte character set. Before Windows moved to Unicode, the ANSI encodings served as its default system locales. The OEM encodings, also known as MS-DOS code pages, were defined by IBM for the text-mode display of the IBM PC; they typically include graphical and line-drawing characters that full-screen MS-DOS programs used to draw boxes, frames or menus. Text files written by newer versions of Windows may instead use a Unicode encoding such as UTF-16LE or UTF-8.</source>
        <extracomment>The Help box: what the two save buttons&apos; encodings are.</extracomment>
        <translation>Die meisten Textdateien unter Windows verwenden eine Form der ANSI-, OEM- oder Unicode-Kodierung. Was Windows „ANSI-Kodierungen“ nennt, sind meist Ein-Byte-Kodierungen nach ISO 8859, außer in Gebietsschemas wie Chinesisch, Japanisch und Koreanisch, deren Schriften einen Doppelbyte-Zeichensatz brauchen. Bevor Windows zu Unicode wechselte, dienten die ANSI-Kodierungen als seine voreingestellten Systemgebietsschemas. Die OEM-Kodierungen, auch MS-DOS-Codepages genannt, wurden von IBM für die Textmodus-Anzeige des IBM PC festgelegt; sie enthalten meist Grafik- und Linienzeichen, mit denen MS-DOS-Programme im Vollbild Kästen, Rahmen oder Menüs zeichneten. Textdateien neuerer Windows-Versionen können stattdessen eine Unicode-Kodierung wie UTF-16LE oder UTF-8 verwenden.</translation>
    </message>
    <message>
        <source>From Wikipedia (%1)</source>
        <extracomment>The source of the Help box&apos;s passage; %1 is the article&apos;s address.</extracomment>
        <translation>Aus Wikipedia (%1)</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Remember password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <extracomment>The address of the address book&apos;s server.</extracomment>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
</context>
<context>
    <name>ShareWindow</name>
    <message>
        <source>Save QR Code…</source>
        <translation>QR-Code speichern …</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Send to Address Book…</source>
        <translation>An Adressbuch senden …</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Ändern …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the send under way.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Kept from the card, not shown in the form:</source>
        <translation>Aus der &amp;Karte behalten, nicht im Formular gezeigt:</translation>
    </message>
    <message>
        <source>Share – %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Teilen – %1</translation>
    </message>
    <message>
        <source>Choose the server and the address book again</source>
        <translation>Server und Adressbuch neu wählen</translation>
    </message>
    <message>
        <source>Kept from the card, not shown in the form</source>
        <translation>Aus der Karte behalten, nicht im Formular gezeigt</translation>
    </message>
    <message>
        <source>Type a name, a number or an address: the contact&apos;s QR code shows here, for a phone&apos;s camera.</source>
        <translation>Geben Sie einen Namen, eine Nummer oder eine Adresse ein: hier erscheint der QR-Code des Kontakts, für die Kamera eines Telefons.</translation>
    </message>
    <message>
        <source>The password also goes to %1.</source>
        <extracomment>%1 lists the servers&apos; names.</extracomment>
        <translation>Das Passwort geht auch an %1.</translation>
    </message>
</context>
</TS>
