<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AddressBookCommand</name>
    <message>
        <source>Open from Address Book</source>
        <translation>Aus Adressbuch öffnen</translation>
    </message>
    <message>
        <source>The address-book server (CardDAV) whose contacts to list: its address, such as https://cloud.example.org, or the full address of an address book.</source>
        <translation>Der Adressbuch-Server (CardDAV), dessen Kontakte aufgelistet werden: seine Adresse, etwa https://cloud.example.org, oder die vollständige Adresse eines Adressbuchs.</translation>
    </message>
    <message>
        <source>The address books of %1 on %2. List the contacts of:</source>
        <translation>Die Adressbücher von %1 auf %2. Die Kontakte auflisten von:</translation>
    </message>
    <message>
        <source>%1 refused: %2 has no access to %3 there.</source>
        <translation>%1 hat abgelehnt: %2 hat dort keinen Zugriff auf %3.</translation>
    </message>
    <message>
        <source>%1 answered with more than %2, so the answer was stopped there.</source>
        <translation>%1 hat mit mehr als %2 geantwortet, daher wurde die Antwort dort abgebrochen.</translation>
    </message>
    <message>
        <source>%1 was still answering after %2 seconds, so the answer was stopped.</source>
        <translation>%1 hat nach %2 Sekunden noch geantwortet, daher wurde die Antwort abgebrochen.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2 for %3.</source>
        <translation>%1 hat für %3 mit HTTP %2 geantwortet.</translation>
    </message>
    <message>
        <source>Listing %1 on %2…</source>
        <translation>%1 auf %2 wird aufgelistet …</translation>
    </message>
    <message>
        <source>%1 did not list the contacts of %2 (HTTP %3).</source>
        <translation>%1 hat die Kontakte von %2 nicht aufgelistet (HTTP %3).</translation>
    </message>
    <message>
        <source>%1 listed a contact at another server, %2, so the list was stopped.</source>
        <translation>%1 hat einen Kontakt auf einem anderen Server aufgeführt, %2, daher wurde die Liste abgebrochen.</translation>
    </message>
    <message>
        <source>%1 did not give the contacts of %2 (HTTP %3).</source>
        <translation>%1 hat die Kontakte von %2 nicht geliefert (HTTP %3).</translation>
    </message>
    <message>
        <source>%1 gave a contact at another server, %2, so the list was stopped.</source>
        <translation>%1 hat einen Kontakt auf einem anderen Server geliefert, %2, daher wurde die Liste abgebrochen.</translation>
    </message>
    <message>
        <source>Opening %1 from %2…</source>
        <translation>%1 wird von %2 geöffnet …</translation>
    </message>
    <message>
        <source>%1 is no longer on %2: it was deleted there since it was listed.</source>
        <translation>Der Kontakt %1 ist nicht mehr auf %2: er wurde dort gelöscht, seit er aufgelistet wurde.</translation>
    </message>
    <message>
        <source>Delete %1 from %2 on %3? It cannot be undone.</source>
        <translation>%1 aus %2 auf %3 löschen? Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Deleting %1 from %2…</source>
        <translation>%1 wird von %2 gelöscht …</translation>
    </message>
    <message>
        <source>%1 was already deleted from %2.</source>
        <translation>Der Kontakt %1 war auf %2 bereits gelöscht.</translation>
    </message>
    <message>
        <source>Fetching %1 again from %2…</source>
        <translation>%1 wird erneut von %2 geholt …</translation>
    </message>
    <message>
        <source>%1 changed on %2 since it was listed. Delete it all the same?</source>
        <translation>Der Kontakt %1 wurde auf %2 geändert, seit er aufgelistet wurde. Trotzdem löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Listing %1 on %2… %Ln contacts</source>
        <translation>
            <numerusform>%1 auf %2 wird aufgelistet … %Ln Kontakt</numerusform>
            <numerusform>%1 auf %2 wird aufgelistet … %Ln Kontakte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open from Address Book</source>
        <translation>Aus Adressbuch öffnen</translation>
    </message>
    <message>
        <source>Name, e-mail or phone</source>
        <translation>Name, E-Mail oder Telefon</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Stop listing the address book</source>
        <translation>Auflisten des Adressbuchs abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln Kontakt</numerusform>
            <numerusform>%Ln Kontakte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln contacts</source>
        <translation>
            <numerusform>%1 von %Ln Kontakt</numerusform>
            <numerusform>%1 von %Ln Kontakten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the listing stopped before the end of the book.</source>
        <extracomment>%1 is the count of contacts, such as &quot;1,200 contacts&quot;</extracomment>
        <translation>%1; die Liste endete vor dem Ende des Adressbuchs.</translation>
    </message>
</context>
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
    <name>BookListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
</context>
<context>
    <name>CardFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the file; %2 says why.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>%1 (%2: too long)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: %1 is the card&apos;s property name, which stays as it is; %2 a size.</extracomment>
        <translation>%1 (%2: zu lang)</translation>
    </message>
    <message>
        <source>UID (it held a line break or another control character: the contact gets a new one)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: UID is the card&apos;s property name and stays as it is.</extracomment>
        <translation>UID (sie enthielt einen Zeilenumbruch oder ein anderes Steuerzeichen: der Kontakt erhält eine neue)</translation>
    </message>
    <message>
        <source>PHOTO (a link to a file: not followed)</source>
        <translation>PHOTO (ein Verweis auf eine Datei: nicht gefolgt)</translation>
    </message>
    <message>
        <source>PHOTO (a link to a web address: not followed)</source>
        <translation>PHOTO (ein Verweis auf eine Webadresse: nicht gefolgt)</translation>
    </message>
    <message>
        <source>PHOTO (a link to somewhere else: not followed)</source>
        <translation>PHOTO (ein Verweis an einen anderen Ort: nicht gefolgt)</translation>
    </message>
    <message>
        <source>%1 more %2</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: %1 more values of the card&apos;s property %2 (its name stays as it is).</extracomment>
        <translation>%1 weitere %2</translation>
    </message>
    <message>
        <source>it holds no vCard.</source>
        <translation>es enthält keine vCard.</translation>
    </message>
    <message>
        <source>it holds %1 cards, not %2.</source>
        <translation>es enthält %1 Karten, nicht %2.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>The code page %1 is not available.</source>
        <translation>Die Codepage %1 ist nicht verfügbar.</translation>
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
    <name>ContactSession</name>
    <message>
        <source>There is not enough memory for the photo or the card.</source>
        <translation>Für das Foto oder die Karte ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>An unexpected failure ended the command.</source>
        <translation>Ein unerwarteter Fehler hat den Befehl beendet.</translation>
    </message>
    <message>
        <source>Replace the contact in the form with the one in %1?</source>
        <translation>Den Kontakt im Formular durch den aus %1 ersetzen?</translation>
    </message>
    <message>
        <source>Clear the form for a new contact?</source>
        <translation>Das Formular für einen neuen Kontakt leeren?</translation>
    </message>
    <message>
        <source>Replace the contact in the form with the one at %1?</source>
        <translation>Den Kontakt im Formular durch den unter %1 ersetzen?</translation>
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
    <name>ExportCommand</name>
    <message>
        <source>Export vCard</source>
        <translation>vCard exportieren</translation>
    </message>
    <message>
        <source>vCard 3.0 file, for phones and address books (*.vcf)</source>
        <extracomment>A file type of the export dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>vCard-3.0-Datei, für Telefone und Adressbücher (*.vcf)</translation>
    </message>
    <message>
        <source>vCard 4.0 file (*.vcf)</source>
        <extracomment>A file type of the export dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>vCard-4.0-Datei (*.vcf)</translation>
    </message>
    <message>
        <source>Not written, having no place in vCard %1: %2.</source>
        <extracomment>%1 is the vCard version (3.0 or 4.0); %2 lists the card&apos;s property names, which stay as they are.</extracomment>
        <translation>Nicht geschrieben, da ohne Platz in vCard %1: %2.</translation>
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
    <message>
        <source>Open from Address Book…</source>
        <translation>Aus Adressbuch öffnen …</translation>
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
    <name>HttpExchange</name>
    <message>
        <source>only http:// and https:// can be asked</source>
        <translation>nur http:// und https:// können abgefragt werden</translation>
    </message>
    <message>
        <source>the request was stopped</source>
        <translation>die Anfrage wurde abgebrochen</translation>
    </message>
    <message>
        <source>the request&apos;s %1 holds a line break</source>
        <translation>die Kopfzeile %1 der Anfrage enthält einen Zeilenumbruch</translation>
    </message>
</context>
<context>
    <name>HttpReplyParser</name>
    <message>
        <source>the server closed the connection without an answer</source>
        <translation>der Server hat die Verbindung ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>the connection ended before the reply was whole</source>
        <translation>die Verbindung endete, bevor die Antwort vollständig war</translation>
    </message>
    <message>
        <source>a chunk size line of the reply is longer than 1 KB</source>
        <translation>eine Chunk-Größenzeile der Antwort ist länger als 1 KB</translation>
    </message>
    <message>
        <source>the header block of the reply is longer than 64 KB</source>
        <translation>der Kopfbereich der Antwort ist länger als 64 KB</translation>
    </message>
    <message>
        <source>the reply is not HTTP</source>
        <translation>die Antwort ist kein HTTP</translation>
    </message>
    <message>
        <source>a header line of the reply has no name</source>
        <translation>eine Kopfzeile der Antwort hat keinen Namen</translation>
    </message>
    <message>
        <source>a chunk size of the reply is larger than any body</source>
        <translation>eine Chunk-Größe der Antwort ist größer als jeder Inhalt</translation>
    </message>
    <message>
        <source>a chunk size of the reply is not a number</source>
        <translation>eine Chunk-Größe der Antwort ist keine Zahl</translation>
    </message>
    <message>
        <source>a chunk of the reply does not end where its size says</source>
        <translation>ein Chunk der Antwort endet nicht dort, wo seine Größe es sagt</translation>
    </message>
    <message>
        <source>the reply is encoded as %1, which was not asked for</source>
        <translation>die Antwort ist als %1 kodiert, was nicht angefragt wurde</translation>
    </message>
    <message>
        <source>the reply is sent as %1, which was not asked for</source>
        <translation>die Antwort wird als %1 gesendet, was nicht angefragt wurde</translation>
    </message>
    <message>
        <source>the length of the reply is not one number</source>
        <translation>die Länge der Antwort ist nicht eine einzige Zahl</translation>
    </message>
    <message>
        <source>the compressed body of the reply is damaged</source>
        <translation>der komprimierte Inhalt der Antwort ist beschädigt</translation>
    </message>
</context>
<context>
    <name>KeptCard</name>
    <message>
        <source>the kept card is damaged.</source>
        <translation>die aufbewahrte Karte ist beschädigt.</translation>
    </message>
    <message>
        <source>the kept card is not one.</source>
        <translation>die aufbewahrte Datei ist keine Karte.</translation>
    </message>
</context>
<context>
    <name>KeptCardFile</name>
    <message>
        <source>The card kept in %1 cannot be read: %2</source>
        <extracomment>%1 is the file; %2 says why, such as &quot;it is not a file.&quot;</extracomment>
        <translation>Die in %1 aufbewahrte Karte kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>es ist keine Datei.</translation>
    </message>
    <message>
        <source>it is larger than any card.</source>
        <translation>es ist größer als jede Karte.</translation>
    </message>
    <message>
        <source>The card kept in %1 cannot be removed: %2</source>
        <translation>Die in %1 aufbewahrte Karte kann nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open vCard</source>
        <translation>vCard öffnen</translation>
    </message>
    <message>
        <source>vCard file (*.vcf)</source>
        <extracomment>A file type of the open dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>vCard-Datei (*.vcf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file type of the open dialog: keep &quot;(*)&quot; at the end.</extracomment>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the file; %2 says why, such as &quot;it is not a file.&quot;</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>es ist keine Datei.</translation>
    </message>
    <message>
        <source>it is %1, larger than any contact card (%2 at most).</source>
        <translation>es ist %1 groß, größer als jede Kontaktkarte (höchstens %2).</translation>
    </message>
    <message>
        <source>%1 holds %2 cards. Choose the one to load:</source>
        <extracomment>%1 is the file, %2 the number of cards in it (two or more).</extracomment>
        <translation>%1 enthält %2 Karten. Wählen Sie die zu ladende:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(kein Name)</translation>
    </message>
    <message>
        <source>PHOTO (%1)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: PHOTO is the card&apos;s property name and stays as it is; %1 says why.</extracomment>
        <translation>PHOTO (%1)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>its names in %1 are taken</source>
        <translation>seine Namen in %1 sind vergeben</translation>
    </message>
    <message>
        <source>PHOTO (not kept: %1)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: PHOTO is the card&apos;s property name and stays as it is; %1 says why.</extracomment>
        <translation>PHOTO (nicht behalten: %1)</translation>
    </message>
    <message>
        <source>Not loaded, for want of a field: %1.</source>
        <extracomment>%1 lists what the form has no field for, each a card&apos;s property name and what it held.</extracomment>
        <translation>Nicht geladen, da ohne Feld: %1.</translation>
    </message>
</context>
<context>
    <name>PhotoCommand</name>
    <message>
        <source>Select A Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>JPEG files(*.jpg)</source>
        <extracomment>A file type of the photo dialog: keep &quot;(*.jpg)&quot; as it is, right after the words.</extracomment>
        <translation>JPEG-Dateien(*.jpg)</translation>
    </message>
    <message>
        <source>Bitmap files(.BMP)</source>
        <extracomment>A file type of the photo dialog: keep &quot;(.BMP)&quot; as it is, right after the words.</extracomment>
        <translation>Bitmap-Dateien(.BMP)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 × %2 pixels: too large</source>
        <extracomment>Why a photo was refused: its width and height.</extracomment>
        <translation>%1 × %2 Pixel: zu groß</translation>
    </message>
    <message>
        <source>Cannot read the photo %1: it is not a picture that can be embedded (%2).</source>
        <translation>Das Foto %1 kann nicht gelesen werden: es ist kein Bild, das eingebettet werden kann (%2).</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>not a picture: %1</source>
        <translation>kein Bild: %1</translation>
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
    <name>SaveAsJPG</name>
    <message>
        <source>Cannot save the image. GDI+ Error:%1</source>
        <extracomment>%1 is the encoder&apos;s status number; the text is written right after the colon, without a blank.</extracomment>
        <translation>Das Bild kann nicht gespeichert werden. GDI+-Fehler:%1</translation>
    </message>
</context>
<context>
    <name>SaveCodeCommand</name>
    <message>
        <source>Cannot make the PNG image: %1</source>
        <translation>Das PNG-Bild kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Save QR Code</source>
        <translation>QR-Code speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.png)&quot; at the end.</extracomment>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.svg)&quot; at the end.</extracomment>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>1 character is not in code page %1 and was written as a close equivalent or &quot;?&quot;. &quot;Save As UTF8 File&quot; keeps every character.</source>
        <extracomment>%1 is the code page&apos;s number, such as 1252. &quot;Save As UTF8 File&quot; is the window&apos;s button.</extracomment>
        <translation>1 Zeichen ist nicht in Codepage %1 und wurde als ähnliches Zeichen oder „?“ geschrieben. „Als UTF8-Datei speichern“ behält jedes Zeichen.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters are not in code page %1 and were written as a close equivalent or &quot;?&quot;. &quot;Save As UTF8 File&quot; keeps every character.</source>
        <extracomment>%n characters (two or more); %1 is the code page&apos;s number. &quot;Save As UTF8 File&quot; is the window&apos;s button.</extracomment>
        <translation>
            <numerusform>%n Zeichen ist nicht in Codepage %1 und wurde als ähnliches Zeichen oder „?“ geschrieben. „Als UTF8-Datei speichern“ behält jedes Zeichen.</numerusform>
            <numerusform>%n Zeichen sind nicht in Codepage %1 und wurden als ähnliche Zeichen oder „?“ geschrieben. „Als UTF8-Datei speichern“ behält jedes Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select As ANSI</source>
        <extracomment>The title of the save dialog of both save buttons.</extracomment>
        <translation>Als ANSI auswählen</translation>
    </message>
    <message>
        <source>vCard file(*.vcf)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.vcf)&quot; as it is, right after the words.</extracomment>
        <translation>vCard-Datei(*.vcf)</translation>
    </message>
    <message>
        <source>All Files(*.*</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.*&quot; as it is, right after the words.</extracomment>
        <translation>Alle Dateien(*.*</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The box after a save or an export.</extracomment>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>The photo &quot;%1&quot; was not found; the card has no photo.</source>
        <translation>Das Foto „%1“ wurde nicht gefunden; die Karte hat kein Foto.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Send to Address Book</source>
        <translation>An Adressbuch senden</translation>
    </message>
    <message>
        <source>The address-book server (CardDAV) to send the contact to: its address, such as https://cloud.example.org, or the full address of an address book.</source>
        <translation>Der Adressbuch-Server (CardDAV), an den der Kontakt gesendet wird: seine Adresse, etwa https://cloud.example.org, oder die vollständige Adresse eines Adressbuchs.</translation>
    </message>
    <message>
        <source>The address books of %1 on %2. Send the contact to:</source>
        <translation>Die Adressbücher von %1 auf %2. Den Kontakt senden an:</translation>
    </message>
    <message>
        <source>Asking %1 for the copy sent last…</source>
        <translation>%1 wird nach der zuletzt gesendeten Kopie gefragt …</translation>
    </message>
    <message>
        <source>Sending to %1 on %2…</source>
        <translation>Senden an %1 auf %2 …</translation>
    </message>
    <message>
        <source>%1 refused the card again, although it was sent over the server&apos;s latest copy; nothing was sent.</source>
        <translation>%1 hat die Karte erneut abgelehnt, obwohl sie über die neueste Kopie des Servers gesendet wurde; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Sent. The contact is now at %1</source>
        <translation>Gesendet. Der Kontakt ist jetzt unter %1</translation>
    </message>
    <message>
        <source>Fetching the server&apos;s copy from %1…</source>
        <translation>Die Kopie des Servers wird von %1 geholt …</translation>
    </message>
    <message>
        <source>%1 already holds a card of this contact in %2, made elsewhere.</source>
        <translation>%1 hat in %2 bereits eine Karte dieses Kontakts, die anderswo erstellt wurde.</translation>
    </message>
    <message>
        <source>The contact changed on %1 since it was last sent from here.</source>
        <translation>Der Kontakt wurde auf %1 geändert, seit er zuletzt von hier gesendet wurde.</translation>
    </message>
    <message>
        <source>The card on %1 cannot be read or written again: %2</source>
        <translation>Die Karte auf %1 kann nicht gelesen oder erneut geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 Your card and the server&apos;s hold the same.</source>
        <extracomment>%1 says where the server&apos;s copy comes from; &quot;Keep Mine&quot; is the comparison&apos;s button.</extracomment>
        <translation>%1 Ihre Karte und die des Servers enthalten dasselbe.</translation>
    </message>
    <message>
        <source>%1 Where they differ, &quot;Keep Mine&quot; sends your changes; the server&apos;s other properties are kept either way.</source>
        <translation>%1 Wo sie sich unterscheiden, sendet „Meine behalten“ Ihre Änderungen; die übrigen Eigenschaften des Servers bleiben in jedem Fall erhalten.</translation>
    </message>
    <message>
        <source>Load the server&apos;s copy into the form? The changes in the form that were not sent are replaced.</source>
        <translation>Die Kopie des Servers ins Formular laden? Die nicht gesendeten Änderungen im Formular werden ersetzt.</translation>
    </message>
    <message>
        <source>The contact was deleted from %1 on %2 since it was last sent from here. Send it again as a new card?</source>
        <translation>Der Kontakt wurde aus %1 auf %2 gelöscht, seit er zuletzt von hier gesendet wurde. Als neue Karte erneut senden?</translation>
    </message>
    <message>
        <source>%1 was still answering after %2 seconds, so the send was stopped.</source>
        <translation>%1 hat nach %2 Sekunden noch geantwortet, daher wurde das Senden abgebrochen.</translation>
    </message>
    <message>
        <source>%1 answered with more than %2, so the send was stopped.</source>
        <translation>%1 hat mit mehr als %2 geantwortet, daher wurde das Senden abgebrochen.</translation>
    </message>
    <message>
        <source>%1 refused: %2 may not write to %3.</source>
        <translation>%1 hat abgelehnt: %2 darf nicht in %3 schreiben.</translation>
    </message>
    <message>
        <source>%1 already holds this contact&apos;s UID in another card of %2 (no-uid-conflict); nothing was sent.</source>
        <translation>%1 hat die UID dieses Kontakts bereits in einer anderen Karte von %2 (no-uid-conflict); es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2 for %3; nothing was sent.</source>
        <translation>%1 hat für %3 mit HTTP %2 geantwortet; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 has no room for the card (%2, with a photo of %3).</source>
        <translation>%1 hat keinen Platz für die Karte (%2, mit einem Foto von %3).</translation>
    </message>
    <message>
        <source>%1 refused the card: %2</source>
        <translation>%1 hat die Karte abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>ServerAccount</name>
    <message>
        <source>%1 is a plain http:// address: the password and the card would travel readable by anyone on the way. Use it all the same?</source>
        <translation>%1 ist eine einfache http://-Adresse: Passwort und Karte wären unterwegs für jeden lesbar. Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>(no reason given)</source>
        <translation>(kein Grund angegeben)</translation>
    </message>
    <message>
        <source>Finding the address books on %1…</source>
        <translation>Adressbücher auf %1 werden gesucht …</translation>
    </message>
    <message>
        <source>No address book was found on %1 for %2.</source>
        <translation>Auf %1 wurde kein Adressbuch für %2 gefunden.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs on this desktop, so the password cannot be remembered: it is kept only until %1 closes. The password of %2 on %3:</source>
        <translation>Auf dieser Arbeitsumgebung läuft kein Schlüsselbund (Secret Service), daher kann das Passwort nicht gespeichert werden: es wird nur aufbewahrt, bis %1 geschlossen wird. Das Passwort von %2 auf %3:</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer (%1). The password of %2 on %3 is asked once and kept only until %4 closes:</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung hat nicht geantwortet (%1). Das Passwort von %2 auf %3 wird einmal abgefragt und nur aufbewahrt, bis %4 geschlossen wird:</translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation>Das Passwort von %1 auf %2:</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs on this desktop: the password is kept only until %1 closes, and asked again at the next start.</source>
        <translation>Auf dieser Arbeitsumgebung läuft kein Schlüsselbund (Secret Service): das Passwort wird nur aufbewahrt, bis %1 geschlossen wird, und beim nächsten Start erneut abgefragt.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer (%1): the password is kept only until %2 closes, and asked again at the next start.</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung hat nicht geantwortet (%1): das Passwort wird nur aufbewahrt, bis %2 geschlossen wird, und beim nächsten Start erneut abgefragt.</translation>
    </message>
    <message>
        <source>%1 sent the address book on to %2, which is not https://. The password goes only over https:// to a server given as https://; nothing was sent.</source>
        <translation>%1 hat das Adressbuch an %2 weitergeleitet, das nicht https:// ist. Das Passwort geht nur über https:// an einen als https:// angegebenen Server; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 sent the address book on to %2, which is not a web address; nothing was sent.</source>
        <translation>%1 hat das Adressbuch an %2 weitergeleitet, das keine Webadresse ist; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 sends the address book on to another server, %2 (%3). Send the user name, the password and the contact to %2 too?</source>
        <translation>%1 leitet das Adressbuch an einen anderen Server weiter, %2 (%3). Benutzername, Passwort und Kontakt auch an %2 senden?</translation>
    </message>
    <message>
        <source>%1 It is a plain http:// address: they would travel readable by anyone on the way.</source>
        <extracomment>%1 is the question asked before, about the server the address book moved to.</extracomment>
        <translation>%1 Es ist eine einfache http://-Adresse: sie wären unterwegs für jeden lesbar.</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be verified with this computer&apos;s certificates, so the connection was refused.<byte value="xd"/>
Its SHA-256 fingerprint is<byte value="xd"/>
%2<byte value="xd"/>
Trust this certificate from now on?</source>
        <translation>Das Zertifikat von %1 kann mit den Zertifikaten dieses Computers nicht überprüft werden, daher wurde die Verbindung abgelehnt.<byte value="xd"/>
Sein SHA-256-Fingerabdruck ist<byte value="xd"/>
%2<byte value="xd"/>
Diesem Zertifikat ab jetzt vertrauen?</translation>
    </message>
    <message>
        <source>The certificate of %1 changed since you chose to trust it, so the connection was refused. Another computer may be answering in its place.<byte value="xd"/>
Trusted until now:<byte value="xd"/>
%2<byte value="xd"/>
Offered now:<byte value="xd"/>
%3<byte value="xd"/>
Trust the new certificate instead, from now on?</source>
        <translation>Das Zertifikat von %1 hat sich geändert, seit Sie ihm vertrauen, daher wurde die Verbindung abgelehnt. Möglicherweise antwortet ein anderer Computer an seiner Stelle.<byte value="xd"/>
Bisher vertraut:<byte value="xd"/>
%2<byte value="xd"/>
Jetzt angeboten:<byte value="xd"/>
%3<byte value="xd"/>
Stattdessen ab jetzt dem neuen Zertifikat vertrauen?</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>%1 did not accept the user name %2 with that password. The password:</source>
        <translation>%1 hat den Benutzernamen %2 mit diesem Passwort nicht angenommen. Das Passwort:</translation>
    </message>
    <message>
        <source>The address book %1 is no longer on %2: choose it again.</source>
        <translation>Das Adressbuch %1 ist nicht mehr auf %2: wählen Sie es neu.</translation>
    </message>
    <message>
        <source>%1 failed: HTTP %2 %3</source>
        <translation>%1 fehlgeschlagen: HTTP %2 %3</translation>
    </message>
    <message>
        <source>The name %1 could not be found: no such server.</source>
        <translation>Der Name %1 wurde nicht gefunden: kein solcher Server.</translation>
    </message>
    <message>
        <source>%1 refused the connection: is the server running?</source>
        <translation>%1 hat die Verbindung abgelehnt: läuft der Server?</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <translation>%1 ist nicht erreichbar: %2</translation>
    </message>
</context>
<context>
    <name>ShareCard</name>
    <message>
        <source>notes</source>
        <extracomment>What a QR code left out, in a list; the first of the list gets a capital letter.</extracomment>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>work address</source>
        <translation>Geschäftsadresse</translation>
    </message>
    <message>
        <source>home address</source>
        <translation>Privatadresse</translation>
    </message>
    <message>
        <source>web sites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>The card is too large for a QR code, even without its notes, addresses and web sites.</source>
        <translation>Die Karte ist zu groß für einen QR-Code, auch ohne Notizen, Adressen und Websites.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>The size of the card the QR code holds.</extracomment>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. %2 left out: the code would be too large to scan</source>
        <extracomment>%1 is the card&apos;s size (&quot;1234 bytes&quot;), %2 what was left out (&quot;Notes, work address&quot;).</extracomment>
        <translation>%1. %2 weggelassen: der Code wäre sonst zu groß zum Scannen</translation>
    </message>
    <message numerus="yes">
        <source>QR code of the contact card, %n bytes</source>
        <extracomment>What a screen reader says of the QR code.</extracomment>
        <translation>
            <numerusform>QR-Code der Kontaktkarte, %n Byte</numerusform>
            <numerusform>QR-Code der Kontaktkarte, %n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 left out</source>
        <extracomment>What a screen reader says of the QR code: %1 its description, %2 what was left out (&quot;notes, work address&quot;).</extracomment>
        <translation>%1; %2 weggelassen</translation>
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
    <message>
        <source>Open from Address Book…</source>
        <translation>Aus Adressbuch öffnen …</translation>
    </message>
    <message>
        <source>Choose a contact of the address book to edit here (%1)</source>
        <translation>Einen Kontakt des Adressbuchs wählen, um ihn hier zu bearbeiten (%1)</translation>
    </message>
</context>
<context>
    <name>clsB64</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
</TS>
