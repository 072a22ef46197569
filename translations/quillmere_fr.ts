<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AddressBookCommand</name>
    <message>
        <source>Open from Address Book</source>
        <translation>Ouvrir depuis le carnet d’adresses</translation>
    </message>
    <message>
        <source>The address-book server (CardDAV) whose contacts to list: its address, such as https://cloud.example.org, or the full address of an address book.</source>
        <translation>Le serveur de carnets d’adresses (CardDAV) dont lister les contacts&#xa0;: son adresse, par exemple https://cloud.example.org, ou l’adresse complète d’un carnet d’adresses.</translation>
    </message>
    <message>
        <source>The address books of %1 on %2. List the contacts of:</source>
        <translation>Les carnets d’adresses de %1 sur %2. Lister les contacts de&#xa0;:</translation>
    </message>
    <message>
        <source>%1 refused: %2 has no access to %3 there.</source>
        <translation>%1 a refusé&#xa0;: %2 n’a pas accès à %3 sur ce serveur.</translation>
    </message>
    <message>
        <source>%1 answered with more than %2, so the answer was stopped there.</source>
        <translation>%1 a répondu avec plus de %2, la réponse a donc été arrêtée là.</translation>
    </message>
    <message>
        <source>%1 was still answering after %2 seconds, so the answer was stopped.</source>
        <translation>%1 répondait encore après %2 secondes, la réponse a donc été arrêtée.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2 for %3.</source>
        <translation>%1 a répondu HTTP %2 pour %3.</translation>
    </message>
    <message>
        <source>Listing %1 on %2…</source>
        <translation>Lecture de %1 sur %2…</translation>
    </message>
    <message>
        <source>%1 did not list the contacts of %2 (HTTP %3).</source>
        <translation>%1 n’a pas listé les contacts de %2 (HTTP %3).</translation>
    </message>
    <message>
        <source>%1 listed a contact at another server, %2, so the list was stopped.</source>
        <translation>%1 a listé un contact situé sur un autre serveur, %2, la liste a donc été arrêtée.</translation>
    </message>
    <message>
        <source>%1 did not give the contacts of %2 (HTTP %3).</source>
        <translation>%1 n’a pas fourni les contacts de %2 (HTTP %3).</translation>
    </message>
    <message>
        <source>%1 gave a contact at another server, %2, so the list was stopped.</source>
        <translation>%1 a fourni un contact situé sur un autre serveur, %2, la liste a donc été arrêtée.</translation>
    </message>
    <message>
        <source>Opening %1 from %2…</source>
        <translation>Ouverture de %1 depuis %2…</translation>
    </message>
    <message>
        <source>%1 is no longer on %2: it was deleted there since it was listed.</source>
        <translation>Le contact %1 n’est plus sur %2&#xa0;: il y a été supprimé depuis l’affichage de la liste.</translation>
    </message>
    <message>
        <source>Delete %1 from %2 on %3? It cannot be undone.</source>
        <translation>Supprimer %1 de %2 sur %3&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Deleting %1 from %2…</source>
        <translation>Suppression de %1 sur %2…</translation>
    </message>
    <message>
        <source>%1 was already deleted from %2.</source>
        <translation>Le contact %1 avait déjà été supprimé de %2.</translation>
    </message>
    <message>
        <source>Fetching %1 again from %2…</source>
        <translation>Nouvelle récupération de %1 depuis %2…</translation>
    </message>
    <message>
        <source>%1 changed on %2 since it was listed. Delete it all the same?</source>
        <translation>Le contact %1 a changé sur %2 depuis l’affichage de la liste. Le supprimer quand même&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Listing %1 on %2… %Ln contacts</source>
        <translation>
            <numerusform>Lecture de %1 sur %2… %Ln contact</numerusform>
            <numerusform>Lecture de %1 sur %2… %Ln contacts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open from Address Book</source>
        <translation>Ouvrir depuis le carnet d’adresses</translation>
    </message>
    <message>
        <source>Name, e-mail or phone</source>
        <translation>Nom, courriel ou téléphone</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Stop listing the address book</source>
        <translation>Arrêter la lecture du carnet d’adresses</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln contacts</source>
        <translation>
            <numerusform>%1 sur %Ln contact</numerusform>
            <numerusform>%1 sur %Ln contacts</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the listing stopped before the end of the book.</source>
        <extracomment>%1 is the count of contacts, such as &quot;1,200 contacts&quot;</extracomment>
        <translation>%1&#xa0;; la liste s’est arrêtée avant la fin du carnet.</translation>
    </message>
</context>
<context>
    <name>BirthdayEdit</name>
    <message>
        <source>Empty when no birthday is given; Delete on the whole date clears it</source>
        <translation>Vide quand aucun anniversaire n’est indiqué&#xa0;; Suppr sur toute la date l’efface</translation>
    </message>
    <message>
        <source>No Birthday</source>
        <translation>Pas d’anniversaire</translation>
    </message>
</context>
<context>
    <name>BookListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
</context>
<context>
    <name>CardFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the file; %2 says why.</extracomment>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>%1 (%2: too long)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: %1 is the card&apos;s property name, which stays as it is; %2 a size.</extracomment>
        <translation>%1 (%2&#xa0;: trop long)</translation>
    </message>
    <message>
        <source>UID (it held a line break or another control character: the contact gets a new one)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: UID is the card&apos;s property name and stays as it is.</extracomment>
        <translation>UID (il contenait un saut de ligne ou un autre caractère de contrôle&#xa0;: le contact en reçoit un nouveau)</translation>
    </message>
    <message>
        <source>PHOTO (a link to a file: not followed)</source>
        <translation>PHOTO (un lien vers un fichier&#xa0;: non suivi)</translation>
    </message>
    <message>
        <source>PHOTO (a link to a web address: not followed)</source>
        <translation>PHOTO (un lien vers une adresse web&#xa0;: non suivi)</translation>
    </message>
    <message>
        <source>PHOTO (a link to somewhere else: not followed)</source>
        <translation>PHOTO (un lien vers un autre endroit&#xa0;: non suivi)</translation>
    </message>
    <message>
        <source>%1 more %2</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: %1 more values of the card&apos;s property %2 (its name stays as it is).</extracomment>
        <translation>%1 autres %2</translation>
    </message>
    <message>
        <source>it holds no vCard.</source>
        <translation>il ne contient aucune vCard.</translation>
    </message>
    <message>
        <source>it holds %1 cards, not %2.</source>
        <translation>il contient %1&#xa0;cartes, pas %2.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>The code page %1 is not available.</source>
        <translation>La page de code %1 n’est pas disponible.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Type one contact into a form and save it as a vCard 2.1 file, in the ANSI code page or in UTF-8. The form is remembered as it is typed.</source>
        <translation>Saisir un contact dans un formulaire et l’enregistrer en fichier vCard 2.1, dans la page de code ANSI ou en UTF-8. Le formulaire est retenu au fil de la saisie.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>--help: the name of the one argument, a file&apos;s path.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>--help: how the argument is written; the brackets say it may be left out.</extracomment>
        <translation>[fichier]</translation>
    </message>
    <message>
        <source>A vCard file to open into the form.</source>
        <translation>Un fichier vCard à ouvrir dans le formulaire.</translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation>Un seul fichier peut être ouvert.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>(none)</source>
        <extracomment>A cell of the comparison: this side has no such property.</extracomment>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Property</source>
        <extracomment>The columns: a card&apos;s property, its value in the form, its value on the server.</extracomment>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>La mienne</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <extracomment>Sends the form&apos;s card over the server&apos;s copy.</extracomment>
        <translation>Garder la &amp;mienne</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <extracomment>Takes the server&apos;s copy into the form.</extracomment>
        <translation>Prendre celle du &amp;serveur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ContactSession</name>
    <message>
        <source>There is not enough memory for the photo or the card.</source>
        <translation>Il n’y a pas assez de mémoire pour la photo ou la carte.</translation>
    </message>
    <message>
        <source>An unexpected failure ended the command.</source>
        <translation>Une erreur inattendue a mis fin à la commande.</translation>
    </message>
    <message>
        <source>Replace the contact in the form with the one in %1?</source>
        <translation>Remplacer le contact du formulaire par celui de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Clear the form for a new contact?</source>
        <translation>Vider le formulaire pour un nouveau contact&#xa0;?</translation>
    </message>
    <message>
        <source>Replace the contact in the form with the one at %1?</source>
        <translation>Remplacer le contact du formulaire par celui à l’adresse %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>DataSize</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size: a whole number of kilobytes (1024 bytes), the unit as the desktop writes it.</extracomment>
        <translation>%1&#xa0;Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size: megabytes (1024 KB) with one decimal, the unit as the desktop writes it.</extracomment>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>A size: gigabytes (1024 MB) with one decimal, the unit as the desktop writes it.</extracomment>
        <translation>%1&#xa0;Go</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 existe déjà.<byte value="xd"/>
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <extracomment>Follows the place of the failure in the program, as &quot;in Form1.PushButton4_Click &quot;.</extracomment>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support&apos;s mail address.</extracomment>
        <translation>Veuillez envoyer une capture d’écran de ce message par courriel à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Export vCard</source>
        <translation>Exporter une vCard</translation>
    </message>
    <message>
        <source>vCard 3.0 file, for phones and address books (*.vcf)</source>
        <extracomment>A file type of the export dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Fichier vCard 3.0, pour téléphones et carnets d’adresses (*.vcf)</translation>
    </message>
    <message>
        <source>vCard 4.0 file (*.vcf)</source>
        <extracomment>A file type of the export dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Fichier vCard 4.0 (*.vcf)</translation>
    </message>
    <message>
        <source>Not written, having no place in vCard %1: %2.</source>
        <extracomment>%1 is the vCard version (3.0 or 4.0); %2 lists the card&apos;s property names, which stay as they are.</extracomment>
        <translation>Non écrit, faute de place dans vCard %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>FieldPersistence</name>
    <message>
        <source>%1 The form is remembered without it.</source>
        <extracomment>%1 says why a file could not be read.</extracomment>
        <translation>%1 Le formulaire est retenu sans elle.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was moved to %2, and the form starts empty.</source>
        <translation>Le fichier de configuration %1 n’a pas pu être lu. Il a été déplacé vers %2, et le formulaire démarre vide.</translation>
    </message>
    <message>
        <source>Your entries are not being remembered: the settings file %1 cannot be written.</source>
        <translation>Vos saisies ne sont pas retenues&#xa0;: le fichier de configuration %1 ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Last Name:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Prénom&#xa0;:</translation>
    </message>
    <message>
        <source>MI:</source>
        <extracomment>Field label: the contact&apos;s middle initial. Room before its box: 24 pixels of Arial 9 pt bold.</extracomment>
        <translation>In.&#xa0;:</translation>
    </message>
    <message>
        <source>Company:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Société&#xa0;:</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Field label: a name&apos;s prefix such as Mr, Ms or Dr, not a job title. Room before its box: 32 pixels of Arial 9 pt bold.</extracomment>
        <translation>Civ.&#xa0;:</translation>
    </message>
    <message>
        <source>Email:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Website Home:</source>
        <extracomment>Field label: a personal web site. Room before its box: 88 pixels of Arial 9 pt bold.</extracomment>
        <translation>Site perso&#xa0;:</translation>
    </message>
    <message>
        <source>Website Work:</source>
        <extracomment>Field label: a web site at work. Room before its box: 88 pixels of Arial 9 pt bold.</extracomment>
        <translation>Site pro&#xa0;:</translation>
    </message>
    <message>
        <source>Home Address:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Home City:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Ville&#xa0;:</translation>
    </message>
    <message>
        <source>Home Region:</source>
        <extracomment>Field label: the state, province or county of the home address. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Région&#xa0;:</translation>
    </message>
    <message>
        <source>Home Zip:</source>
        <extracomment>Field label: the postal code of the home address. Room before its box: 64 pixels of Arial 9 pt bold.</extracomment>
        <translation>CP&#xa0;:</translation>
    </message>
    <message>
        <source>Home Country:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Work Address:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Work City:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Ville&#xa0;:</translation>
    </message>
    <message>
        <source>Work Region:</source>
        <extracomment>Field label: the state, province or county of the work address. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Région&#xa0;:</translation>
    </message>
    <message>
        <source>Work Zip:</source>
        <extracomment>Field label: the postal code of the work address. Room before its box: 64 pixels of Arial 9 pt bold.</extracomment>
        <translation>CP&#xa0;:</translation>
    </message>
    <message>
        <source>Work Country:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Home Voice:</source>
        <extracomment>Field label: the home phone&apos;s number. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Tél. domicile&#xa0;:</translation>
    </message>
    <message>
        <source>Home Fax:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Fax domicile&#xa0;:</translation>
    </message>
    <message>
        <source>Work Voice:</source>
        <extracomment>Field label: the work phone&apos;s number. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Tél. pro&#xa0;:</translation>
    </message>
    <message>
        <source>Work Fax:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Fax pro&#xa0;:</translation>
    </message>
    <message>
        <source>Cellular:</source>
        <extracomment>Field label: a mobile phone&apos;s number. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Mobile&#xa0;:</translation>
    </message>
    <message>
        <source>Pager:</source>
        <extracomment>Field label: a pager&apos;s number. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Bipeur&#xa0;:</translation>
    </message>
    <message>
        <source>Select Photo:</source>
        <extracomment>Field label: the path of the photo file. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Photo&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Field label above the notes box.</extracomment>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Home Address Information</source>
        <translation>Adresse du domicile</translation>
    </message>
    <message>
        <source>Work Address Information</source>
        <translation>Adresse professionnelle</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <extracomment>The frame of the phone and fax numbers.</extracomment>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Save As ANSI File</source>
        <extracomment>Saves the card in the Windows code page of the user&apos;s language (ANSI). Room: 328 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Enregistrer en fichier ANSI</translation>
    </message>
    <message>
        <source>Browse</source>
        <extracomment>Chooses the photo file. Room: 80 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Save As UTF8 File</source>
        <extracomment>Room: 328 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Enregistrer en fichier UTF8</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The bar across the top of the window: shows what the two encodings are.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Home Voice preferred</source>
        <translation>Téléphone domicile préféré</translation>
    </message>
    <message>
        <source>Home Fax preferred</source>
        <translation>Fax domicile préféré</translation>
    </message>
    <message>
        <source>Work Voice preferred</source>
        <translation>Téléphone professionnel préféré</translation>
    </message>
    <message>
        <source>Work Fax preferred</source>
        <translation>Fax professionnel préféré</translation>
    </message>
    <message>
        <source>Cellular preferred</source>
        <translation>Mobile préféré</translation>
    </message>
    <message>
        <source>Pager preferred</source>
        <translation>Bipeur préféré</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Photo and Notes</source>
        <translation>Photo et notes</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <extracomment>Field label. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Anniv.&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A corner button&apos;s tooltip: what it does, then its keys.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>A corner button: a new, empty contact.</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Nouveau contact</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A corner button: opens a card file.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open a vCard file</source>
        <translation>Ouvrir un fichier vCard</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>A corner button: saves the card for phones and address books.</extracomment>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export as vCard 3.0 or 4.0</source>
        <translation>Exporter en vCard 3.0 ou 4.0</translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>A corner button: opens the window with the contact&apos;s QR code and the send to an address book.</extracomment>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Show the contact as a QR code</source>
        <translation>Afficher le contact sous forme de code QR</translation>
    </message>
    <message>
        <source>Middle Initial</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;MI:&quot;, where its label is shortened to fit.</extracomment>
        <translation>Initiale du deuxième prénom</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Title:&quot; (a name&apos;s prefix such as Mr, Ms or Dr).</extracomment>
        <translation>Civilité</translation>
    </message>
    <message>
        <source>Email</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Email:&quot;.</extracomment>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Home Address</source>
        <comment>full name</comment>
        <extracomment>The full name of a field whose label may name only the line, the frame saying whose.</extracomment>
        <translation>Adresse du domicile</translation>
    </message>
    <message>
        <source>Home City</source>
        <comment>full name</comment>
        <translation>Ville du domicile</translation>
    </message>
    <message>
        <source>Home Region</source>
        <comment>full name</comment>
        <translation>Région du domicile</translation>
    </message>
    <message>
        <source>Home Postal Code</source>
        <comment>full name</comment>
        <translation>Code postal du domicile</translation>
    </message>
    <message>
        <source>Home Country</source>
        <comment>full name</comment>
        <translation>Pays du domicile</translation>
    </message>
    <message>
        <source>Work Address</source>
        <comment>full name</comment>
        <translation>Adresse professionnelle</translation>
    </message>
    <message>
        <source>Work City</source>
        <comment>full name</comment>
        <translation>Ville de l’adresse professionnelle</translation>
    </message>
    <message>
        <source>Work Region</source>
        <comment>full name</comment>
        <translation>Région de l’adresse professionnelle</translation>
    </message>
    <message>
        <source>Work Postal Code</source>
        <comment>full name</comment>
        <translation>Code postal de l’adresse professionnelle</translation>
    </message>
    <message>
        <source>Work Country</source>
        <comment>full name</comment>
        <translation>Pays de l’adresse professionnelle</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <comment>full name</comment>
        <extracomment>The full name of a phone field, where its label is shortened to fit.</extracomment>
        <translation>Téléphone du domicile</translation>
    </message>
    <message>
        <source>Home Fax</source>
        <comment>full name</comment>
        <translation>Fax du domicile</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <comment>full name</comment>
        <translation>Téléphone professionnel</translation>
    </message>
    <message>
        <source>Work Fax</source>
        <comment>full name</comment>
        <translation>Fax professionnel</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <comment>full name</comment>
        <translation>Téléphone mobile</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>full name</comment>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>Birthday</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Birthday:&quot;, where its label is shortened to fit.</extracomment>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Open from Address Book…</source>
        <translation>Ouvrir depuis le carnet d’adresses…</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Most Windows text files use a form of ANSI, OEM or Unicode encoding. What Windows calls &quot;ANSI encodings&quot; are usually single-byte ISO-8859 encodings, except in locales such as Chinese, Japanese and Korean, whose scripts need a double-byte character set. Before Windows moved to Unicode, the ANSI encodings served as its default system locales. The OEM encodings, also known as MS-DOS code pages, were defined by IBM for the text-mode display of the IBM PC; they typically include graphical and line-drawing characters that full-screen MS-DOS programs used to draw boxes, frames or menus. Text files written by newer versions of Windows may instead use a Unicode encoding such as UTF-16LE or UTF-8.</source>
        <extracomment>The Help box: what the two save buttons&apos; encodings are.</extracomment>
        <translation>La plupart des fichiers texte de Windows utilisent une forme de codage ANSI, OEM ou Unicode. Ce que Windows appelle «&#xa0;codages ANSI&#xa0;» sont le plus souvent des codages ISO-8859 sur un octet, sauf pour des langues comme le chinois, le japonais et le coréen, dont les écritures exigent un jeu de caractères sur deux octets. Avant le passage de Windows à Unicode, les codages ANSI servaient de paramètres régionaux système par défaut. Les codages OEM, aussi appelés pages de code MS-DOS, ont été définis par IBM pour l’affichage en mode texte de l’IBM PC&#xa0;; ils comprennent en général des caractères graphiques et de traits dont les programmes MS-DOS en plein écran se servaient pour dessiner des boîtes, des cadres ou des menus. Les fichiers texte écrits par les versions récentes de Windows peuvent utiliser à la place un codage Unicode comme UTF-16LE ou UTF-8.</translation>
    </message>
    <message>
        <source>From Wikipedia (%1)</source>
        <extracomment>The source of the Help box&apos;s passage; %1 is the article&apos;s address.</extracomment>
        <translation>D’après Wikipédia (%1)</translation>
    </message>
</context>
<context>
    <name>HttpExchange</name>
    <message>
        <source>only http:// and https:// can be asked</source>
        <translation>seuls http:// et https:// peuvent être interrogés</translation>
    </message>
    <message>
        <source>the request was stopped</source>
        <translation>la requête a été arrêtée</translation>
    </message>
    <message>
        <source>the request&apos;s %1 holds a line break</source>
        <translation>l’en-tête %1 de la requête contient un saut de ligne</translation>
    </message>
</context>
<context>
    <name>HttpReplyParser</name>
    <message>
        <source>the server closed the connection without an answer</source>
        <translation>le serveur a fermé la connexion sans répondre</translation>
    </message>
    <message>
        <source>the connection ended before the reply was whole</source>
        <translation>la connexion s’est terminée avant que la réponse soit complète</translation>
    </message>
    <message>
        <source>a chunk size line of the reply is longer than 1 KB</source>
        <translation>une ligne de taille de bloc de la réponse dépasse 1&#xa0;Ko</translation>
    </message>
    <message>
        <source>the header block of the reply is longer than 64 KB</source>
        <translation>le bloc d’en-têtes de la réponse dépasse 64&#xa0;Ko</translation>
    </message>
    <message>
        <source>the reply is not HTTP</source>
        <translation>la réponse n’est pas du HTTP</translation>
    </message>
    <message>
        <source>a header line of the reply has no name</source>
        <translation>une ligne d’en-tête de la réponse n’a pas de nom</translation>
    </message>
    <message>
        <source>a chunk size of the reply is larger than any body</source>
        <translation>une taille de bloc de la réponse dépasse tout contenu</translation>
    </message>
    <message>
        <source>a chunk size of the reply is not a number</source>
        <translation>une taille de bloc de la réponse n’est pas un nombre</translation>
    </message>
    <message>
        <source>a chunk of the reply does not end where its size says</source>
        <translation>un bloc de la réponse ne se termine pas là où l’indique sa taille</translation>
    </message>
    <message>
        <source>the reply is encoded as %1, which was not asked for</source>
        <translation>la réponse est codée en %1, ce qui n’a pas été demandé</translation>
    </message>
    <message>
        <source>the reply is sent as %1, which was not asked for</source>
        <translation>la réponse est envoyée en %1, ce qui n’a pas été demandé</translation>
    </message>
    <message>
        <source>the length of the reply is not one number</source>
        <translation>la longueur de la réponse n’est pas un nombre unique</translation>
    </message>
    <message>
        <source>the compressed body of the reply is damaged</source>
        <translation>le contenu compressé de la réponse est endommagé</translation>
    </message>
</context>
<context>
    <name>KeptCard</name>
    <message>
        <source>the kept card is damaged.</source>
        <translation>la carte conservée est endommagée.</translation>
    </message>
    <message>
        <source>the kept card is not one.</source>
        <translation>la carte conservée n’en est pas une.</translation>
    </message>
</context>
<context>
    <name>KeptCardFile</name>
    <message>
        <source>The card kept in %1 cannot be read: %2</source>
        <extracomment>%1 is the file; %2 says why, such as &quot;it is not a file.&quot;</extracomment>
        <translation>La carte conservée dans %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>it is larger than any card.</source>
        <translation>il est plus grand que toute carte.</translation>
    </message>
    <message>
        <source>The card kept in %1 cannot be removed: %2</source>
        <translation>La carte conservée dans %1 ne peut pas être supprimée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open vCard</source>
        <translation>Ouvrir une vCard</translation>
    </message>
    <message>
        <source>vCard file (*.vcf)</source>
        <extracomment>A file type of the open dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Fichier vCard (*.vcf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file type of the open dialog: keep &quot;(*)&quot; at the end.</extracomment>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the file; %2 says why, such as &quot;it is not a file.&quot;</extracomment>
        <translation>Impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>it is %1, larger than any contact card (%2 at most).</source>
        <translation>il fait %1, plus que toute carte de contact (%2 au plus).</translation>
    </message>
    <message>
        <source>%1 holds %2 cards. Choose the one to load:</source>
        <extracomment>%1 is the file, %2 the number of cards in it (two or more).</extracomment>
        <translation>%1 contient %2&#xa0;cartes. Choisissez celle à charger&#xa0;:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>PHOTO (%1)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: PHOTO is the card&apos;s property name and stays as it is; %1 says why.</extracomment>
        <translation>PHOTO (%1)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>its names in %1 are taken</source>
        <translation>ses noms dans %1 sont pris</translation>
    </message>
    <message>
        <source>PHOTO (not kept: %1)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: PHOTO is the card&apos;s property name and stays as it is; %1 says why.</extracomment>
        <translation>PHOTO (non conservé&#xa0;: %1)</translation>
    </message>
    <message>
        <source>Not loaded, for want of a field: %1.</source>
        <extracomment>%1 lists what the form has no field for, each a card&apos;s property name and what it held.</extracomment>
        <translation>Non chargé, faute de champ&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>PhotoCommand</name>
    <message>
        <source>Select A Picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>JPEG files(*.jpg)</source>
        <extracomment>A file type of the photo dialog: keep &quot;(*.jpg)&quot; as it is, right after the words.</extracomment>
        <translation>Fichiers JPEG(*.jpg)</translation>
    </message>
    <message>
        <source>Bitmap files(.BMP)</source>
        <extracomment>A file type of the photo dialog: keep &quot;(.BMP)&quot; as it is, right after the words.</extracomment>
        <translation>Fichiers bitmap(.BMP)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 × %2 pixels: too large</source>
        <extracomment>Why a photo was refused: its width and height.</extracomment>
        <translation>%1&#xa0;×&#xa0;%2&#xa0;pixels&#xa0;: trop grand</translation>
    </message>
    <message>
        <source>Cannot read the photo %1: it is not a picture that can be embedded (%2).</source>
        <translation>Impossible de lire la photo %1&#xa0;: ce n’est pas une image qui peut être intégrée (%2).</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>not a picture: %1</source>
        <translation>pas une image&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Remember password</source>
        <translation>Retenir le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <extracomment>The address of the address book&apos;s server.</extracomment>
        <translation>&amp;Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d’utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SaveAsJPG</name>
    <message>
        <source>Cannot save the image. GDI+ Error:%1</source>
        <extracomment>%1 is the encoder&apos;s status number; the text is written right after the colon, without a blank.</extracomment>
        <translation>Impossible d’enregistrer l’image. Erreur GDI+&#xa0;:%1</translation>
    </message>
</context>
<context>
    <name>SaveCodeCommand</name>
    <message>
        <source>Cannot make the PNG image: %1</source>
        <translation>Impossible de créer l’image PNG&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save QR Code</source>
        <translation>Enregistrer le code QR</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.png)&quot; at the end.</extracomment>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.svg)&quot; at the end.</extracomment>
        <translation>Image SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>1 character is not in code page %1 and was written as a close equivalent or &quot;?&quot;. &quot;Save As UTF8 File&quot; keeps every character.</source>
        <extracomment>%1 is the code page&apos;s number, such as 1252. &quot;Save As UTF8 File&quot; is the window&apos;s button.</extracomment>
        <translation>1&#xa0;caractère n’est pas dans la page de code %1 et a été écrit sous une forme proche ou «&#xa0;?&#xa0;». «&#xa0;Enregistrer en fichier UTF8&#xa0;» garde chaque caractère.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters are not in code page %1 and were written as a close equivalent or &quot;?&quot;. &quot;Save As UTF8 File&quot; keeps every character.</source>
        <extracomment>%n characters (two or more); %1 is the code page&apos;s number. &quot;Save As UTF8 File&quot; is the window&apos;s button.</extracomment>
        <translation>
            <numerusform>%n&#xa0;caractère n’est pas dans la page de code %1 et a été écrit sous une forme proche ou «&#xa0;?&#xa0;». «&#xa0;Enregistrer en fichier UTF8&#xa0;» garde chaque caractère.</numerusform>
            <numerusform>%n&#xa0;caractères ne sont pas dans la page de code %1 et ont été écrits sous une forme proche ou «&#xa0;?&#xa0;». «&#xa0;Enregistrer en fichier UTF8&#xa0;» garde chaque caractère.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select As ANSI</source>
        <extracomment>The title of the save dialog of both save buttons.</extracomment>
        <translation>Sélectionner en ANSI</translation>
    </message>
    <message>
        <source>vCard file(*.vcf)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.vcf)&quot; as it is, right after the words.</extracomment>
        <translation>Fichier vCard(*.vcf)</translation>
    </message>
    <message>
        <source>All Files(*.*</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.*&quot; as it is, right after the words.</extracomment>
        <translation>Tous les fichiers(*.*</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The box after a save or an export.</extracomment>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>The photo &quot;%1&quot; was not found; the card has no photo.</source>
        <translation>La photo «&#xa0;%1&#xa0;» est introuvable&#xa0;; la carte n’a pas de photo.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Send to Address Book</source>
        <translation>Envoyer au carnet d’adresses</translation>
    </message>
    <message>
        <source>The address-book server (CardDAV) to send the contact to: its address, such as https://cloud.example.org, or the full address of an address book.</source>
        <translation>Le serveur de carnets d’adresses (CardDAV) auquel envoyer le contact&#xa0;: son adresse, par exemple https://cloud.example.org, ou l’adresse complète d’un carnet d’adresses.</translation>
    </message>
    <message>
        <source>The address books of %1 on %2. Send the contact to:</source>
        <translation>Les carnets d’adresses de %1 sur %2. Envoyer le contact à&#xa0;:</translation>
    </message>
    <message>
        <source>Asking %1 for the copy sent last…</source>
        <translation>Demande à %1 de la dernière copie envoyée…</translation>
    </message>
    <message>
        <source>Sending to %1 on %2…</source>
        <translation>Envoi vers %1 sur %2…</translation>
    </message>
    <message>
        <source>%1 refused the card again, although it was sent over the server&apos;s latest copy; nothing was sent.</source>
        <translation>%1 a de nouveau refusé la carte, bien qu’elle ait été envoyée sur la dernière copie du serveur&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>Sent. The contact is now at %1</source>
        <translation>Envoyé. Le contact se trouve maintenant à %1</translation>
    </message>
    <message>
        <source>Fetching the server&apos;s copy from %1…</source>
        <translation>Récupération de la copie du serveur depuis %1…</translation>
    </message>
    <message>
        <source>%1 already holds a card of this contact in %2, made elsewhere.</source>
        <translation>%1 contient déjà une carte de ce contact dans %2, créée ailleurs.</translation>
    </message>
    <message>
        <source>The contact changed on %1 since it was last sent from here.</source>
        <translation>Le contact a changé sur %1 depuis son dernier envoi d’ici.</translation>
    </message>
    <message>
        <source>The card on %1 cannot be read or written again: %2</source>
        <translation>La carte sur %1 ne peut être ni lue ni réécrite&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 Your card and the server&apos;s hold the same.</source>
        <extracomment>%1 says where the server&apos;s copy comes from; &quot;Keep Mine&quot; is the comparison&apos;s button.</extracomment>
        <translation>%1 Votre carte et celle du serveur contiennent la même chose.</translation>
    </message>
    <message>
        <source>%1 Where they differ, &quot;Keep Mine&quot; sends your changes; the server&apos;s other properties are kept either way.</source>
        <translation>%1 Là où elles diffèrent, «&#xa0;Garder la mienne&#xa0;» envoie vos modifications&#xa0;; les autres propriétés du serveur sont conservées dans tous les cas.</translation>
    </message>
    <message>
        <source>Load the server&apos;s copy into the form? The changes in the form that were not sent are replaced.</source>
        <translation>Charger la copie du serveur dans le formulaire&#xa0;? Les modifications du formulaire qui n’ont pas été envoyées sont remplacées.</translation>
    </message>
    <message>
        <source>The contact was deleted from %1 on %2 since it was last sent from here. Send it again as a new card?</source>
        <translation>Le contact a été supprimé de %1 sur %2 depuis son dernier envoi d’ici. L’envoyer à nouveau comme nouvelle carte&#xa0;?</translation>
    </message>
    <message>
        <source>%1 was still answering after %2 seconds, so the send was stopped.</source>
        <translation>%1 répondait encore après %2&#xa0;secondes, l’envoi a donc été arrêté.</translation>
    </message>
    <message>
        <source>%1 answered with more than %2, so the send was stopped.</source>
        <translation>%1 a répondu avec plus de %2, l’envoi a donc été arrêté.</translation>
    </message>
    <message>
        <source>%1 refused: %2 may not write to %3.</source>
        <translation>%1 a refusé&#xa0;: %2 n’a pas le droit d’écrire dans %3.</translation>
    </message>
    <message>
        <source>%1 already holds this contact&apos;s UID in another card of %2 (no-uid-conflict); nothing was sent.</source>
        <translation>%1 a déjà l’UID de ce contact dans une autre carte de %2 (no-uid-conflict)&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2 for %3; nothing was sent.</source>
        <translation>%1 a répondu HTTP %2 pour %3&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>%1 has no room for the card (%2, with a photo of %3).</source>
        <translation>%1 n’a pas de place pour la carte (%2, avec une photo de %3).</translation>
    </message>
    <message>
        <source>%1 refused the card: %2</source>
        <translation>%1 a refusé la carte&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ServerAccount</name>
    <message>
        <source>%1 is a plain http:// address: the password and the card would travel readable by anyone on the way. Use it all the same?</source>
        <translation>%1 est une simple adresse http://&#xa0;: le mot de passe et la carte circuleraient lisibles par tous en chemin. L’utiliser quand même&#xa0;?</translation>
    </message>
    <message>
        <source>(no reason given)</source>
        <translation>(aucune raison donnée)</translation>
    </message>
    <message>
        <source>Finding the address books on %1…</source>
        <translation>Recherche des carnets d’adresses sur %1…</translation>
    </message>
    <message>
        <source>No address book was found on %1 for %2.</source>
        <translation>Aucun carnet d’adresses n’a été trouvé sur %1 pour %2.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs on this desktop, so the password cannot be remembered: it is kept only until %1 closes. The password of %2 on %3:</source>
        <translation>Aucun trousseau (Secret Service) ne tourne sur ce bureau, le mot de passe ne peut donc pas être retenu&#xa0;: il n’est gardé que jusqu’à la fermeture de %1. Le mot de passe de %2 sur %3&#xa0;:</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer (%1). The password of %2 on %3 is asked once and kept only until %4 closes:</source>
        <translation>Le trousseau du bureau n’a pas répondu (%1). Le mot de passe de %2 sur %3 est demandé une fois et gardé seulement jusqu’à la fermeture de %4&#xa0;:</translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation>Le mot de passe de %1 sur %2&#xa0;:</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs on this desktop: the password is kept only until %1 closes, and asked again at the next start.</source>
        <translation>Aucun trousseau (Secret Service) ne tourne sur ce bureau&#xa0;: le mot de passe n’est gardé que jusqu’à la fermeture de %1, et redemandé au prochain démarrage.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer (%1): the password is kept only until %2 closes, and asked again at the next start.</source>
        <translation>Le trousseau du bureau n’a pas répondu (%1)&#xa0;: le mot de passe n’est gardé que jusqu’à la fermeture de %2, et redemandé au prochain démarrage.</translation>
    </message>
    <message>
        <source>%1 sent the address book on to %2, which is not https://. The password goes only over https:// to a server given as https://; nothing was sent.</source>
        <translation>%1 a redirigé le carnet d’adresses vers %2, qui n’est pas en https://. Le mot de passe ne passe que par https:// vers un serveur donné en https://&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>%1 sent the address book on to %2, which is not a web address; nothing was sent.</source>
        <translation>%1 a redirigé le carnet d’adresses vers %2, qui n’est pas une adresse web&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>%1 sends the address book on to another server, %2 (%3). Send the user name, the password and the contact to %2 too?</source>
        <translation>%1 redirige le carnet d’adresses vers un autre serveur, %2 (%3). Envoyer aussi le nom d’utilisateur, le mot de passe et le contact à %2&#xa0;?</translation>
    </message>
    <message>
        <source>%1 It is a plain http:// address: they would travel readable by anyone on the way.</source>
        <extracomment>%1 is the question asked before, about the server the address book moved to.</extracomment>
        <translation>%1 C’est une simple adresse http://&#xa0;: ils circuleraient lisibles par tous en chemin.</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be verified with this computer&apos;s certificates, so the connection was refused.<byte value="xd"/>
Its SHA-256 fingerprint is<byte value="xd"/>
%2<byte value="xd"/>
Trust this certificate from now on?</source>
        <translation>Le certificat de %1 ne peut pas être vérifié avec les certificats de cet ordinateur, la connexion a donc été refusée.<byte value="xd"/>
Son empreinte SHA-256 est<byte value="xd"/>
%2<byte value="xd"/>
Faire confiance à ce certificat désormais&#xa0;?</translation>
    </message>
    <message>
        <source>The certificate of %1 changed since you chose to trust it, so the connection was refused. Another computer may be answering in its place.<byte value="xd"/>
Trusted until now:<byte value="xd"/>
%2<byte value="xd"/>
Offered now:<byte value="xd"/>
%3<byte value="xd"/>
Trust the new certificate instead, from now on?</source>
        <translation>Le certificat de %1 a changé depuis que vous avez choisi de lui faire confiance, la connexion a donc été refusée. Un autre ordinateur répond peut-être à sa place.<byte value="xd"/>
Approuvé jusqu’ici&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
Proposé maintenant&#xa0;:<byte value="xd"/>
%3<byte value="xd"/>
Faire plutôt confiance au nouveau certificat désormais&#xa0;?</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 n’a pas répondu dans les %2&#xa0;secondes.</translation>
    </message>
    <message>
        <source>%1 did not accept the user name %2 with that password. The password:</source>
        <translation>%1 n’a pas accepté le nom d’utilisateur %2 avec ce mot de passe. Le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>The address book %1 is no longer on %2: choose it again.</source>
        <translation>Le carnet d’adresses %1 n’est plus sur %2&#xa0;: choisissez-le à nouveau.</translation>
    </message>
    <message>
        <source>%1 failed: HTTP %2 %3</source>
        <translation>Échec de %1&#xa0;: HTTP %2 %3</translation>
    </message>
    <message>
        <source>The name %1 could not be found: no such server.</source>
        <translation>Le nom %1 est introuvable&#xa0;: ce serveur n’existe pas.</translation>
    </message>
    <message>
        <source>%1 refused the connection: is the server running?</source>
        <translation>%1 a refusé la connexion&#xa0;: le serveur est-il en marche&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <translation>Impossible de joindre %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ShareCard</name>
    <message>
        <source>notes</source>
        <extracomment>What a QR code left out, in a list; the first of the list gets a capital letter.</extracomment>
        <translation>notes</translation>
    </message>
    <message>
        <source>work address</source>
        <translation>adresse professionnelle</translation>
    </message>
    <message>
        <source>home address</source>
        <translation>adresse du domicile</translation>
    </message>
    <message>
        <source>web sites</source>
        <translation>sites web</translation>
    </message>
    <message>
        <source>The card is too large for a QR code, even without its notes, addresses and web sites.</source>
        <translation>La carte est trop grande pour un code QR, même sans ses notes, adresses et sites web.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>The size of the card the QR code holds.</extracomment>
        <translation>
            <numerusform>%n&#xa0;octet</numerusform>
            <numerusform>%n&#xa0;octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. %2 left out: the code would be too large to scan</source>
        <extracomment>%1 is the card&apos;s size (&quot;1234 bytes&quot;), %2 what was left out (&quot;Notes, work address&quot;).</extracomment>
        <translation>%1. %2&#xa0;: hors du code, qui serait sinon trop grand pour être lu</translation>
    </message>
    <message numerus="yes">
        <source>QR code of the contact card, %n bytes</source>
        <extracomment>What a screen reader says of the QR code.</extracomment>
        <translation>
            <numerusform>Code QR de la carte de contact, %n&#xa0;octet</numerusform>
            <numerusform>Code QR de la carte de contact, %n&#xa0;octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 left out</source>
        <extracomment>What a screen reader says of the QR code: %1 its description, %2 what was left out (&quot;notes, work address&quot;).</extracomment>
        <translation>%1&#xa0;; sans %2</translation>
    </message>
</context>
<context>
    <name>ShareWindow</name>
    <message>
        <source>Save QR Code…</source>
        <translation>Enregistrer le code QR…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Send to Address Book…</source>
        <translation>Envoyer au carnet d’adresses…</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the send under way.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Kept from the card, not shown in the form:</source>
        <translation>&amp;Conservé de la carte, absent du formulaire&#xa0;:</translation>
    </message>
    <message>
        <source>Share – %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Partager – %1</translation>
    </message>
    <message>
        <source>Choose the server and the address book again</source>
        <translation>Choisir à nouveau le serveur et le carnet d’adresses</translation>
    </message>
    <message>
        <source>Kept from the card, not shown in the form</source>
        <translation>Conservé de la carte, absent du formulaire</translation>
    </message>
    <message>
        <source>Type a name, a number or an address: the contact&apos;s QR code shows here, for a phone&apos;s camera.</source>
        <translation>Saisissez un nom, un numéro ou une adresse&#xa0;: le code QR du contact s’affiche ici, pour l’appareil photo d’un téléphone.</translation>
    </message>
    <message>
        <source>The password also goes to %1.</source>
        <extracomment>%1 lists the servers&apos; names.</extracomment>
        <translation>Le mot de passe va aussi à %1.</translation>
    </message>
    <message>
        <source>Open from Address Book…</source>
        <translation>Ouvrir depuis le carnet d’adresses…</translation>
    </message>
    <message>
        <source>Choose a contact of the address book to edit here (%1)</source>
        <translation>Choisir un contact du carnet d’adresses à modifier ici (%1)</translation>
    </message>
</context>
<context>
    <name>clsB64</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
