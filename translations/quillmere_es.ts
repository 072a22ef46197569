<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AddressBookCommand</name>
    <message>
        <source>Open from Address Book</source>
        <translation>Abrir desde la libreta de direcciones</translation>
    </message>
    <message>
        <source>The address-book server (CardDAV) whose contacts to list: its address, such as https://cloud.example.org, or the full address of an address book.</source>
        <translation>El servidor de libretas de direcciones (CardDAV) cuyos contactos listar: su dirección, como https://cloud.example.org, o la dirección completa de una libreta.</translation>
    </message>
    <message>
        <source>The address books of %1 on %2. List the contacts of:</source>
        <translation>Las libretas de direcciones de %1 en %2. Listar los contactos de:</translation>
    </message>
    <message>
        <source>%1 refused: %2 has no access to %3 there.</source>
        <translation>%1 lo rechazó: %2 no tiene acceso a %3 allí.</translation>
    </message>
    <message>
        <source>%1 answered with more than %2, so the answer was stopped there.</source>
        <translation>%1 respondió con más de %2, así que la respuesta se detuvo ahí.</translation>
    </message>
    <message>
        <source>%1 was still answering after %2 seconds, so the answer was stopped.</source>
        <translation>%1 seguía respondiendo tras %2 segundos, así que se detuvo la respuesta.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2 for %3.</source>
        <translation>%1 respondió HTTP %2 para %3.</translation>
    </message>
    <message>
        <source>Listing %1 on %2…</source>
        <translation>Listando %1 en %2…</translation>
    </message>
    <message>
        <source>%1 did not list the contacts of %2 (HTTP %3).</source>
        <translation>%1 no listó los contactos de %2 (HTTP %3).</translation>
    </message>
    <message>
        <source>%1 listed a contact at another server, %2, so the list was stopped.</source>
        <translation>%1 listó un contacto en otro servidor, %2, así que se detuvo la lista.</translation>
    </message>
    <message>
        <source>%1 did not give the contacts of %2 (HTTP %3).</source>
        <translation>%1 no entregó los contactos de %2 (HTTP %3).</translation>
    </message>
    <message>
        <source>%1 gave a contact at another server, %2, so the list was stopped.</source>
        <translation>%1 entregó un contacto en otro servidor, %2, así que se detuvo la lista.</translation>
    </message>
    <message>
        <source>Opening %1 from %2…</source>
        <translation>Abriendo %1 desde %2…</translation>
    </message>
    <message>
        <source>%1 is no longer on %2: it was deleted there since it was listed.</source>
        <translation>%1 ya no está en %2: se eliminó allí después de listarse.</translation>
    </message>
    <message>
        <source>Delete %1 from %2 on %3? It cannot be undone.</source>
        <translation>¿Eliminar %1 de %2 en %3? No se puede deshacer.</translation>
    </message>
    <message>
        <source>Deleting %1 from %2…</source>
        <translation>Eliminando %1 de %2…</translation>
    </message>
    <message>
        <source>%1 was already deleted from %2.</source>
        <translation>%1 ya se había eliminado de %2.</translation>
    </message>
    <message>
        <source>Fetching %1 again from %2…</source>
        <translation>Obteniendo de nuevo %1 de %2…</translation>
    </message>
    <message>
        <source>%1 changed on %2 since it was listed. Delete it all the same?</source>
        <translation>%1 cambió en %2 después de listarse. ¿Eliminarlo de todos modos?</translation>
    </message>
    <message numerus="yes">
        <source>Listing %1 on %2… %Ln contacts</source>
        <translation>
            <numerusform>Listando %1 en %2… %Ln contacto</numerusform>
            <numerusform>Listando %1 en %2… %Ln contactos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Eliminar…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Open from Address Book</source>
        <translation>Abrir desde la libreta de direcciones</translation>
    </message>
    <message>
        <source>Name, e-mail or phone</source>
        <translation>Nombre, correo o teléfono</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Stop listing the address book</source>
        <translation>Dejar de listar la libreta de direcciones</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln contacto</numerusform>
            <numerusform>%Ln contactos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln contacts</source>
        <translation>
            <numerusform>%1 de %Ln contacto</numerusform>
            <numerusform>%1 de %Ln contactos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the listing stopped before the end of the book.</source>
        <extracomment>%1 is the count of contacts, such as &quot;1,200 contacts&quot;</extracomment>
        <translation>%1; la lista se detuvo antes del final de la libreta.</translation>
    </message>
</context>
<context>
    <name>BirthdayEdit</name>
    <message>
        <source>Empty when no birthday is given; Delete on the whole date clears it</source>
        <translation>Vacío si no se indica cumpleaños; Supr sobre toda la fecha lo borra</translation>
    </message>
    <message>
        <source>No Birthday</source>
        <translation>Sin cumpleaños</translation>
    </message>
</context>
<context>
    <name>BookListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
</context>
<context>
    <name>CardFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the file; %2 says why.</extracomment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>%1 (%2: too long)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: %1 is the card&apos;s property name, which stays as it is; %2 a size.</extracomment>
        <translation>%1 (%2: demasiado largo)</translation>
    </message>
    <message>
        <source>UID (it held a line break or another control character: the contact gets a new one)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: UID is the card&apos;s property name and stays as it is.</extracomment>
        <translation>UID (contenía un salto de línea u otro carácter de control: el contacto recibe uno nuevo)</translation>
    </message>
    <message>
        <source>PHOTO (a link to a file: not followed)</source>
        <translation>PHOTO (un enlace a un archivo: no se sigue)</translation>
    </message>
    <message>
        <source>PHOTO (a link to a web address: not followed)</source>
        <translation>PHOTO (un enlace a una dirección web: no se sigue)</translation>
    </message>
    <message>
        <source>PHOTO (a link to somewhere else: not followed)</source>
        <translation>PHOTO (un enlace a otro lugar: no se sigue)</translation>
    </message>
    <message>
        <source>%1 more %2</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: %1 more values of the card&apos;s property %2 (its name stays as it is).</extracomment>
        <translation>%1 %2 más</translation>
    </message>
    <message>
        <source>it holds no vCard.</source>
        <translation>no contiene ninguna vCard.</translation>
    </message>
    <message>
        <source>it holds %1 cards, not %2.</source>
        <translation>contiene %1 tarjetas, no %2.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>The code page %1 is not available.</source>
        <translation>La página de códigos %1 no está disponible.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Type one contact into a form and save it as a vCard 2.1 file, in the ANSI code page or in UTF-8. The form is remembered as it is typed.</source>
        <translation>Escriba un contacto en un formulario y guárdelo como archivo vCard 2.1, en la página de códigos ANSI o en UTF-8. El formulario se recuerda a medida que se escribe.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>--help: the name of the one argument, a file&apos;s path.</extracomment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>--help: how the argument is written; the brackets say it may be left out.</extracomment>
        <translation>[archivo]</translation>
    </message>
    <message>
        <source>A vCard file to open into the form.</source>
        <translation>Un archivo vCard que abrir en el formulario.</translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation>Solo se puede abrir un archivo.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>(none)</source>
        <extracomment>A cell of the comparison: this side has no such property.</extracomment>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Property</source>
        <extracomment>The columns: a card&apos;s property, its value in the form, its value on the server.</extracomment>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>La mía</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <extracomment>Sends the form&apos;s card over the server&apos;s copy.</extracomment>
        <translation>&amp;Conservar la mía</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <extracomment>Takes the server&apos;s copy into the form.</extracomment>
        <translation>&amp;Tomar la del servidor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ContactSession</name>
    <message>
        <source>There is not enough memory for the photo or the card.</source>
        <translation>No hay memoria suficiente para la foto o la tarjeta.</translation>
    </message>
    <message>
        <source>An unexpected failure ended the command.</source>
        <translation>Un fallo inesperado terminó la orden.</translation>
    </message>
    <message>
        <source>Replace the contact in the form with the one in %1?</source>
        <translation>¿Reemplazar el contacto del formulario por el de %1?</translation>
    </message>
    <message>
        <source>Clear the form for a new contact?</source>
        <translation>¿Vaciar el formulario para un contacto nuevo?</translation>
    </message>
    <message>
        <source>Replace the contact in the form with the one at %1?</source>
        <translation>¿Reemplazar el contacto del formulario por el de %1?</translation>
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
        <translation>%1 ya existe.<byte value="xd"/>
¿Quiere reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <extracomment>Follows the place of the failure in the program, as &quot;in Form1.PushButton4_Click &quot;.</extracomment>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support&apos;s mail address.</extracomment>
        <translation>Envíe una captura de pantalla de este mensaje por correo a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Export vCard</source>
        <translation>Exportar vCard</translation>
    </message>
    <message>
        <source>vCard 3.0 file, for phones and address books (*.vcf)</source>
        <extracomment>A file type of the export dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Archivo vCard 3.0, para teléfonos y libretas de direcciones (*.vcf)</translation>
    </message>
    <message>
        <source>vCard 4.0 file (*.vcf)</source>
        <extracomment>A file type of the export dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Archivo vCard 4.0 (*.vcf)</translation>
    </message>
    <message>
        <source>Not written, having no place in vCard %1: %2.</source>
        <extracomment>%1 is the vCard version (3.0 or 4.0); %2 lists the card&apos;s property names, which stay as they are.</extracomment>
        <translation>No se escribió, por no tener sitio en vCard %1: %2.</translation>
    </message>
</context>
<context>
    <name>FieldPersistence</name>
    <message>
        <source>%1 The form is remembered without it.</source>
        <extracomment>%1 says why a file could not be read.</extracomment>
        <translation>%1 El formulario se recuerda sin ella.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was moved to %2, and the form starts empty.</source>
        <translation>No se pudo leer el archivo de configuración %1. Se movió a %2 y el formulario empieza vacío.</translation>
    </message>
    <message>
        <source>Your entries are not being remembered: the settings file %1 cannot be written.</source>
        <translation>Sus datos no se están recordando: no se puede escribir el archivo de configuración %1.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Last Name:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>MI:</source>
        <extracomment>Field label: the contact&apos;s middle initial. Room before its box: 24 pixels of Arial 9 pt bold.</extracomment>
        <translation>Ini.:</translation>
    </message>
    <message>
        <source>Company:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Field label: a name&apos;s prefix such as Mr, Ms or Dr, not a job title. Room before its box: 32 pixels of Arial 9 pt bold.</extracomment>
        <translation>Trat.:</translation>
    </message>
    <message>
        <source>Email:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Website Home:</source>
        <extracomment>Field label: a personal web site. Room before its box: 88 pixels of Arial 9 pt bold.</extracomment>
        <translation>Web personal:</translation>
    </message>
    <message>
        <source>Website Work:</source>
        <extracomment>Field label: a web site at work. Room before its box: 88 pixels of Arial 9 pt bold.</extracomment>
        <translation>Web trabajo:</translation>
    </message>
    <message>
        <source>Home Address:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Home City:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>Home Region:</source>
        <extracomment>Field label: the state, province or county of the home address. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Provincia:</translation>
    </message>
    <message>
        <source>Home Zip:</source>
        <extracomment>Field label: the postal code of the home address. Room before its box: 64 pixels of Arial 9 pt bold.</extracomment>
        <translation>C. postal:</translation>
    </message>
    <message>
        <source>Home Country:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>País:</translation>
    </message>
    <message>
        <source>Work Address:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Work City:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>Work Region:</source>
        <extracomment>Field label: the state, province or county of the work address. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Provincia:</translation>
    </message>
    <message>
        <source>Work Zip:</source>
        <extracomment>Field label: the postal code of the work address. Room before its box: 64 pixels of Arial 9 pt bold.</extracomment>
        <translation>C. postal:</translation>
    </message>
    <message>
        <source>Work Country:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>País:</translation>
    </message>
    <message>
        <source>Home Voice:</source>
        <extracomment>Field label: the home phone&apos;s number. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Tel. casa:</translation>
    </message>
    <message>
        <source>Home Fax:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Fax casa:</translation>
    </message>
    <message>
        <source>Work Voice:</source>
        <extracomment>Field label: the work phone&apos;s number. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Tel. trabajo:</translation>
    </message>
    <message>
        <source>Work Fax:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Fax trabajo:</translation>
    </message>
    <message>
        <source>Cellular:</source>
        <extracomment>Field label: a mobile phone&apos;s number. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Móvil:</translation>
    </message>
    <message>
        <source>Pager:</source>
        <extracomment>Field label: a pager&apos;s number. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Busca:</translation>
    </message>
    <message>
        <source>Select Photo:</source>
        <extracomment>Field label: the path of the photo file. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Elegir foto:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Field label above the notes box.</extracomment>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Home Address Information</source>
        <translation>Dirección particular</translation>
    </message>
    <message>
        <source>Work Address Information</source>
        <translation>Dirección del trabajo</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <extracomment>The frame of the phone and fax numbers.</extracomment>
        <translation>Información de contacto</translation>
    </message>
    <message>
        <source>Save As ANSI File</source>
        <extracomment>Saves the card in the Windows code page of the user&apos;s language (ANSI). Room: 328 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Guardar como archivo ANSI</translation>
    </message>
    <message>
        <source>Browse</source>
        <extracomment>Chooses the photo file. Room: 80 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Save As UTF8 File</source>
        <extracomment>Room: 328 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Guardar como archivo UTF8</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The bar across the top of the window: shows what the two encodings are.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Home Voice preferred</source>
        <translation>Teléfono de casa preferido</translation>
    </message>
    <message>
        <source>Home Fax preferred</source>
        <translation>Fax de casa preferido</translation>
    </message>
    <message>
        <source>Work Voice preferred</source>
        <translation>Teléfono del trabajo preferido</translation>
    </message>
    <message>
        <source>Work Fax preferred</source>
        <translation>Fax del trabajo preferido</translation>
    </message>
    <message>
        <source>Cellular preferred</source>
        <translation>Móvil preferido</translation>
    </message>
    <message>
        <source>Pager preferred</source>
        <translation>Busca preferido</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Photo and Notes</source>
        <translation>Foto y notas</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <extracomment>Field label. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>F. nac.:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A corner button&apos;s tooltip: what it does, then its keys.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>A corner button: a new, empty contact.</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Nuevo contacto</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A corner button: opens a card file.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open a vCard file</source>
        <translation>Abrir un archivo vCard</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>A corner button: saves the card for phones and address books.</extracomment>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export as vCard 3.0 or 4.0</source>
        <translation>Exportar como vCard 3.0 o 4.0</translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>A corner button: opens the window with the contact&apos;s QR code and the send to an address book.</extracomment>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Show the contact as a QR code</source>
        <translation>Mostrar el contacto como código QR</translation>
    </message>
    <message>
        <source>Middle Initial</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;MI:&quot;, where its label is shortened to fit.</extracomment>
        <translation>Inicial del segundo nombre</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Title:&quot; (a name&apos;s prefix such as Mr, Ms or Dr).</extracomment>
        <translation>Tratamiento</translation>
    </message>
    <message>
        <source>Email</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Email:&quot;.</extracomment>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Home Address</source>
        <comment>full name</comment>
        <extracomment>The full name of a field whose label may name only the line, the frame saying whose.</extracomment>
        <translation>Dirección particular</translation>
    </message>
    <message>
        <source>Home City</source>
        <comment>full name</comment>
        <translation>Ciudad del domicilio</translation>
    </message>
    <message>
        <source>Home Region</source>
        <comment>full name</comment>
        <translation>Provincia del domicilio</translation>
    </message>
    <message>
        <source>Home Postal Code</source>
        <comment>full name</comment>
        <translation>Código postal del domicilio</translation>
    </message>
    <message>
        <source>Home Country</source>
        <comment>full name</comment>
        <translation>País del domicilio</translation>
    </message>
    <message>
        <source>Work Address</source>
        <comment>full name</comment>
        <translation>Dirección del trabajo</translation>
    </message>
    <message>
        <source>Work City</source>
        <comment>full name</comment>
        <translation>Ciudad del trabajo</translation>
    </message>
    <message>
        <source>Work Region</source>
        <comment>full name</comment>
        <translation>Provincia del trabajo</translation>
    </message>
    <message>
        <source>Work Postal Code</source>
        <comment>full name</comment>
        <translation>Código postal del trabajo</translation>
    </message>
    <message>
        <source>Work Country</source>
        <comment>full name</comment>
        <translation>País del trabajo</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <comment>full name</comment>
        <extracomment>The full name of a phone field, where its label is shortened to fit.</extracomment>
        <translation>Teléfono de casa</translation>
    </message>
    <message>
        <source>Home Fax</source>
        <comment>full name</comment>
        <translation>Fax de casa</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <comment>full name</comment>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>Work Fax</source>
        <comment>full name</comment>
        <translation>Fax del trabajo</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <comment>full name</comment>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>full name</comment>
        <translation>Buscapersonas</translation>
    </message>
    <message>
        <source>Birthday</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Birthday:&quot;, where its label is shortened to fit.</extracomment>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Open from Address Book…</source>
        <translation>Abrir desde la libreta de direcciones…</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Most Windows text files use a form of ANSI, OEM or Unicode encoding. What Windows calls &quot;ANSI encodings&quot; are usually single-byte ISO-8859 encodings, except in locales such as Chinese, Japanese and Korean, whose scripts need a double-byte character set. Before Windows moved to Unicode, the ANSI encodings served as its default system locales. The OEM encodings, also known as MS-DOS code pages, were defined by IBM for the text-mode display of the IBM PC; they typically include graphical and line-drawing characters that full-screen MS-DOS programs used to draw boxes, frames or menus. Text files written by newer versions of Windows may instead use a Unicode encoding such as UTF-16LE or UTF-8.</source>
        <extracomment>The Help box: what the two save buttons&apos; encodings are.</extracomment>
        <translation>La mayoría de los archivos de texto de Windows usan alguna forma de codificación ANSI, OEM o Unicode. Lo que Windows llama «codificaciones ANSI» suelen ser codificaciones ISO-8859 de un byte, salvo en configuraciones regionales como la china, la japonesa y la coreana, cuyas escrituras necesitan un juego de caracteres de doble byte. Antes de que Windows pasara a Unicode, las codificaciones ANSI eran sus configuraciones regionales predeterminadas del sistema. Las codificaciones OEM, también llamadas páginas de códigos de MS-DOS, las definió IBM para la pantalla en modo texto del IBM PC; suelen incluir caracteres gráficos y de líneas con los que los programas de MS-DOS a pantalla completa dibujaban cuadros, marcos o menús. Los archivos de texto escritos por versiones más recientes de Windows pueden usar en su lugar una codificación Unicode como UTF-16LE o UTF-8.</translation>
    </message>
    <message>
        <source>From Wikipedia (%1)</source>
        <extracomment>The source of the Help box&apos;s passage; %1 is the article&apos;s address.</extracomment>
        <translation>De Wikipedia (%1)</translation>
    </message>
</context>
<context>
    <name>HttpExchange</name>
    <message>
        <source>only http:// and https:// can be asked</source>
        <translation>solo se puede consultar http:// y https://</translation>
    </message>
    <message>
        <source>the request was stopped</source>
        <translation>la solicitud se detuvo</translation>
    </message>
    <message>
        <source>the request&apos;s %1 holds a line break</source>
        <translation>la cabecera %1 de la solicitud contiene un salto de línea</translation>
    </message>
</context>
<context>
    <name>HttpReplyParser</name>
    <message>
        <source>the server closed the connection without an answer</source>
        <translation>el servidor cerró la conexión sin responder</translation>
    </message>
    <message>
        <source>the connection ended before the reply was whole</source>
        <translation>la conexión terminó antes de que la respuesta estuviera completa</translation>
    </message>
    <message>
        <source>a chunk size line of the reply is longer than 1 KB</source>
        <translation>una línea de tamaño de fragmento de la respuesta supera 1 KB</translation>
    </message>
    <message>
        <source>the header block of the reply is longer than 64 KB</source>
        <translation>el bloque de cabeceras de la respuesta supera 64 KB</translation>
    </message>
    <message>
        <source>the reply is not HTTP</source>
        <translation>la respuesta no es HTTP</translation>
    </message>
    <message>
        <source>a header line of the reply has no name</source>
        <translation>una línea de cabecera de la respuesta no tiene nombre</translation>
    </message>
    <message>
        <source>a chunk size of the reply is larger than any body</source>
        <translation>un tamaño de fragmento de la respuesta es mayor que cualquier cuerpo</translation>
    </message>
    <message>
        <source>a chunk size of the reply is not a number</source>
        <translation>un tamaño de fragmento de la respuesta no es un número</translation>
    </message>
    <message>
        <source>a chunk of the reply does not end where its size says</source>
        <translation>un fragmento de la respuesta no termina donde indica su tamaño</translation>
    </message>
    <message>
        <source>the reply is encoded as %1, which was not asked for</source>
        <translation>la respuesta está codificada como %1, que no se pidió</translation>
    </message>
    <message>
        <source>the reply is sent as %1, which was not asked for</source>
        <translation>la respuesta se envía como %1, que no se pidió</translation>
    </message>
    <message>
        <source>the length of the reply is not one number</source>
        <translation>la longitud de la respuesta no es un único número</translation>
    </message>
    <message>
        <source>the compressed body of the reply is damaged</source>
        <translation>el cuerpo comprimido de la respuesta está dañado</translation>
    </message>
</context>
<context>
    <name>KeptCard</name>
    <message>
        <source>the kept card is damaged.</source>
        <translation>la tarjeta guardada está dañada.</translation>
    </message>
    <message>
        <source>the kept card is not one.</source>
        <translation>la tarjeta guardada no es una tarjeta.</translation>
    </message>
</context>
<context>
    <name>KeptCardFile</name>
    <message>
        <source>The card kept in %1 cannot be read: %2</source>
        <extracomment>%1 is the file; %2 says why, such as &quot;it is not a file.&quot;</extracomment>
        <translation>No se puede leer la tarjeta guardada en %1: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>no es un archivo.</translation>
    </message>
    <message>
        <source>it is larger than any card.</source>
        <translation>es mayor que cualquier tarjeta.</translation>
    </message>
    <message>
        <source>The card kept in %1 cannot be removed: %2</source>
        <translation>No se puede quitar la tarjeta guardada en %1: %2</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open vCard</source>
        <translation>Abrir vCard</translation>
    </message>
    <message>
        <source>vCard file (*.vcf)</source>
        <extracomment>A file type of the open dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Archivo vCard (*.vcf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file type of the open dialog: keep &quot;(*)&quot; at the end.</extracomment>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the file; %2 says why, such as &quot;it is not a file.&quot;</extracomment>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>no es un archivo.</translation>
    </message>
    <message>
        <source>it is %1, larger than any contact card (%2 at most).</source>
        <translation>ocupa %1, más que cualquier tarjeta de contacto (%2 como máximo).</translation>
    </message>
    <message>
        <source>%1 holds %2 cards. Choose the one to load:</source>
        <extracomment>%1 is the file, %2 the number of cards in it (two or more).</extracomment>
        <translation>%1 contiene %2 tarjetas. Elija la que quiere cargar:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>PHOTO (%1)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: PHOTO is the card&apos;s property name and stays as it is; %1 says why.</extracomment>
        <translation>PHOTO (%1)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>its names in %1 are taken</source>
        <translation>sus nombres en %1 están ocupados</translation>
    </message>
    <message>
        <source>PHOTO (not kept: %1)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: PHOTO is the card&apos;s property name and stays as it is; %1 says why.</extracomment>
        <translation>PHOTO (no conservado: %1)</translation>
    </message>
    <message>
        <source>Not loaded, for want of a field: %1.</source>
        <extracomment>%1 lists what the form has no field for, each a card&apos;s property name and what it held.</extracomment>
        <translation>No cargado, por falta de un campo: %1.</translation>
    </message>
</context>
<context>
    <name>PhotoCommand</name>
    <message>
        <source>Select A Picture</source>
        <translation>Seleccionar una imagen</translation>
    </message>
    <message>
        <source>JPEG files(*.jpg)</source>
        <extracomment>A file type of the photo dialog: keep &quot;(*.jpg)&quot; as it is, right after the words.</extracomment>
        <translation>Archivos JPEG(*.jpg)</translation>
    </message>
    <message>
        <source>Bitmap files(.BMP)</source>
        <extracomment>A file type of the photo dialog: keep &quot;(.BMP)&quot; as it is, right after the words.</extracomment>
        <translation>Archivos de mapa de bits(.BMP)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 × %2 pixels: too large</source>
        <extracomment>Why a photo was refused: its width and height.</extracomment>
        <translation>%1 × %2 píxeles: demasiado grande</translation>
    </message>
    <message>
        <source>Cannot read the photo %1: it is not a picture that can be embedded (%2).</source>
        <translation>No se puede leer la foto %1: no es una imagen que se pueda incrustar (%2).</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>not a picture: %1</source>
        <translation>no es una imagen: %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Remember password</source>
        <translation>Recordar la contraseña</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <extracomment>The address of the address book&apos;s server.</extracomment>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
</context>
<context>
    <name>SaveAsJPG</name>
    <message>
        <source>Cannot save the image. GDI+ Error:%1</source>
        <extracomment>%1 is the encoder&apos;s status number; the text is written right after the colon, without a blank.</extracomment>
        <translation>No se puede guardar la imagen. Error de GDI+:%1</translation>
    </message>
</context>
<context>
    <name>SaveCodeCommand</name>
    <message>
        <source>Cannot make the PNG image: %1</source>
        <translation>No se puede crear la imagen PNG: %1</translation>
    </message>
    <message>
        <source>Save QR Code</source>
        <translation>Guardar código QR</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.png)&quot; at the end.</extracomment>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.svg)&quot; at the end.</extracomment>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>1 character is not in code page %1 and was written as a close equivalent or &quot;?&quot;. &quot;Save As UTF8 File&quot; keeps every character.</source>
        <extracomment>%1 is the code page&apos;s number, such as 1252. &quot;Save As UTF8 File&quot; is the window&apos;s button.</extracomment>
        <translation>1 carácter no está en la página de códigos %1 y se escribió como un equivalente cercano o «?». «Guardar como archivo UTF8» conserva todos los caracteres.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters are not in code page %1 and were written as a close equivalent or &quot;?&quot;. &quot;Save As UTF8 File&quot; keeps every character.</source>
        <extracomment>%n characters (two or more); %1 is the code page&apos;s number. &quot;Save As UTF8 File&quot; is the window&apos;s button.</extracomment>
        <translation>
            <numerusform>%n carácter no está en la página de códigos %1 y se escribió como un equivalente cercano o «?». «Guardar como archivo UTF8» conserva todos los caracteres.</numerusform>
            <numerusform>%n caracteres no están en la página de códigos %1 y se escribieron como equivalentes cercanos o «?». «Guardar como archivo UTF8» conserva todos los caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select As ANSI</source>
        <extracomment>The title of the save dialog of both save buttons.</extracomment>
        <translation>Seleccionar como ANSI</translation>
    </message>
    <message>
        <source>vCard file(*.vcf)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.vcf)&quot; as it is, right after the words.</extracomment>
        <translation>Archivo vCard(*.vcf)</translation>
    </message>
    <message>
        <source>All Files(*.*</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.*&quot; as it is, right after the words.</extracomment>
        <translation>Todos los archivos(*.*</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The box after a save or an export.</extracomment>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>The photo &quot;%1&quot; was not found; the card has no photo.</source>
        <translation>No se encontró la foto «%1»; la tarjeta no tiene foto.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Send to Address Book</source>
        <translation>Enviar a la libreta de direcciones</translation>
    </message>
    <message>
        <source>The address-book server (CardDAV) to send the contact to: its address, such as https://cloud.example.org, or the full address of an address book.</source>
        <translation>El servidor de libretas de direcciones (CardDAV) al que enviar el contacto: su dirección, como https://cloud.example.org, o la dirección completa de una libreta.</translation>
    </message>
    <message>
        <source>The address books of %1 on %2. Send the contact to:</source>
        <translation>Las libretas de direcciones de %1 en %2. Enviar el contacto a:</translation>
    </message>
    <message>
        <source>Asking %1 for the copy sent last…</source>
        <translation>Pidiendo a %1 la última copia enviada…</translation>
    </message>
    <message>
        <source>Sending to %1 on %2…</source>
        <translation>Enviando a %1 en %2…</translation>
    </message>
    <message>
        <source>%1 refused the card again, although it was sent over the server&apos;s latest copy; nothing was sent.</source>
        <translation>%1 rechazó de nuevo la tarjeta, aunque se envió sobre la última copia del servidor; no se envió nada.</translation>
    </message>
    <message>
        <source>Sent. The contact is now at %1</source>
        <translation>Enviado. El contacto está ahora en %1</translation>
    </message>
    <message>
        <source>Fetching the server&apos;s copy from %1…</source>
        <translation>Obteniendo la copia del servidor de %1…</translation>
    </message>
    <message>
        <source>%1 already holds a card of this contact in %2, made elsewhere.</source>
        <translation>%1 ya tiene en %2 una tarjeta de este contacto, creada en otro lugar.</translation>
    </message>
    <message>
        <source>The contact changed on %1 since it was last sent from here.</source>
        <translation>El contacto cambió en %1 desde que se envió por última vez desde aquí.</translation>
    </message>
    <message>
        <source>The card on %1 cannot be read or written again: %2</source>
        <translation>La tarjeta de %1 no se puede leer ni volver a escribir: %2</translation>
    </message>
    <message>
        <source>%1 Your card and the server&apos;s hold the same.</source>
        <extracomment>%1 says where the server&apos;s copy comes from; &quot;Keep Mine&quot; is the comparison&apos;s button.</extracomment>
        <translation>%1 Su tarjeta y la del servidor contienen lo mismo.</translation>
    </message>
    <message>
        <source>%1 Where they differ, &quot;Keep Mine&quot; sends your changes; the server&apos;s other properties are kept either way.</source>
        <translation>%1 Donde difieren, «Conservar la mía» envía sus cambios; las demás propiedades del servidor se conservan en cualquier caso.</translation>
    </message>
    <message>
        <source>Load the server&apos;s copy into the form? The changes in the form that were not sent are replaced.</source>
        <translation>¿Cargar la copia del servidor en el formulario? Se reemplazan los cambios del formulario que no se enviaron.</translation>
    </message>
    <message>
        <source>The contact was deleted from %1 on %2 since it was last sent from here. Send it again as a new card?</source>
        <translation>El contacto se eliminó de %1 en %2 desde que se envió por última vez desde aquí. ¿Enviarlo otra vez como tarjeta nueva?</translation>
    </message>
    <message>
        <source>%1 was still answering after %2 seconds, so the send was stopped.</source>
        <translation>%1 seguía respondiendo tras %2 segundos, así que se detuvo el envío.</translation>
    </message>
    <message>
        <source>%1 answered with more than %2, so the send was stopped.</source>
        <translation>%1 respondió con más de %2, así que se detuvo el envío.</translation>
    </message>
    <message>
        <source>%1 refused: %2 may not write to %3.</source>
        <translation>%1 lo rechazó: %2 no puede escribir en %3.</translation>
    </message>
    <message>
        <source>%1 already holds this contact&apos;s UID in another card of %2 (no-uid-conflict); nothing was sent.</source>
        <translation>%1 ya tiene el UID de este contacto en otra tarjeta de %2 (no-uid-conflict); no se envió nada.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2 for %3; nothing was sent.</source>
        <translation>%1 respondió HTTP %2 para %3; no se envió nada.</translation>
    </message>
    <message>
        <source>%1 has no room for the card (%2, with a photo of %3).</source>
        <translation>%1 no tiene sitio para la tarjeta (%2, con una foto de %3).</translation>
    </message>
    <message>
        <source>%1 refused the card: %2</source>
        <translation>%1 rechazó la tarjeta: %2</translation>
    </message>
</context>
<context>
    <name>ServerAccount</name>
    <message>
        <source>%1 is a plain http:// address: the password and the card would travel readable by anyone on the way. Use it all the same?</source>
        <translation>%1 es una dirección http:// simple: la contraseña y la tarjeta viajarían legibles para cualquiera por el camino. ¿Usarla de todos modos?</translation>
    </message>
    <message>
        <source>(no reason given)</source>
        <translation>(sin motivo)</translation>
    </message>
    <message>
        <source>Finding the address books on %1…</source>
        <translation>Buscando las libretas de direcciones en %1…</translation>
    </message>
    <message>
        <source>No address book was found on %1 for %2.</source>
        <translation>No se encontró ninguna libreta de direcciones en %1 para %2.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs on this desktop, so the password cannot be remembered: it is kept only until %1 closes. The password of %2 on %3:</source>
        <translation>No hay ningún depósito de claves (Secret Service) en este escritorio, así que la contraseña no se puede recordar: solo se guarda hasta que se cierre %1. La contraseña de %2 en %3:</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer (%1). The password of %2 on %3 is asked once and kept only until %4 closes:</source>
        <translation>El depósito de claves del escritorio no respondió (%1). La contraseña de %2 en %3 se pide una vez y solo se guarda hasta que se cierre %4:</translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation>La contraseña de %1 en %2:</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs on this desktop: the password is kept only until %1 closes, and asked again at the next start.</source>
        <translation>No hay ningún depósito de claves (Secret Service) en este escritorio: la contraseña solo se guarda hasta que se cierre %1 y se vuelve a pedir en el próximo inicio.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer (%1): the password is kept only until %2 closes, and asked again at the next start.</source>
        <translation>El depósito de claves del escritorio no respondió (%1): la contraseña solo se guarda hasta que se cierre %2 y se vuelve a pedir en el próximo inicio.</translation>
    </message>
    <message>
        <source>%1 sent the address book on to %2, which is not https://. The password goes only over https:// to a server given as https://; nothing was sent.</source>
        <translation>%1 redirigió la libreta de direcciones a %2, que no es https://. La contraseña solo va por https:// a un servidor indicado como https://; no se envió nada.</translation>
    </message>
    <message>
        <source>%1 sent the address book on to %2, which is not a web address; nothing was sent.</source>
        <translation>%1 redirigió la libreta de direcciones a %2, que no es una dirección web; no se envió nada.</translation>
    </message>
    <message>
        <source>%1 sends the address book on to another server, %2 (%3). Send the user name, the password and the contact to %2 too?</source>
        <translation>%1 redirige la libreta de direcciones a otro servidor, %2 (%3). ¿Enviar también el usuario, la contraseña y el contacto a %2?</translation>
    </message>
    <message>
        <source>%1 It is a plain http:// address: they would travel readable by anyone on the way.</source>
        <extracomment>%1 is the question asked before, about the server the address book moved to.</extracomment>
        <translation>%1 Es una dirección http:// simple: viajarían legibles para cualquiera por el camino.</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be verified with this computer&apos;s certificates, so the connection was refused.<byte value="xd"/>
Its SHA-256 fingerprint is<byte value="xd"/>
%2<byte value="xd"/>
Trust this certificate from now on?</source>
        <translation>El certificado de %1 no se puede verificar con los certificados de este equipo, así que se rechazó la conexión.<byte value="xd"/>
Su huella SHA-256 es<byte value="xd"/>
%2<byte value="xd"/>
¿Confiar en este certificado a partir de ahora?</translation>
    </message>
    <message>
        <source>The certificate of %1 changed since you chose to trust it, so the connection was refused. Another computer may be answering in its place.<byte value="xd"/>
Trusted until now:<byte value="xd"/>
%2<byte value="xd"/>
Offered now:<byte value="xd"/>
%3<byte value="xd"/>
Trust the new certificate instead, from now on?</source>
        <translation>El certificado de %1 cambió desde que decidió confiar en él, así que se rechazó la conexión. Puede que otro equipo esté respondiendo en su lugar.<byte value="xd"/>
De confianza hasta ahora:<byte value="xd"/>
%2<byte value="xd"/>
Ofrecido ahora:<byte value="xd"/>
%3<byte value="xd"/>
¿Confiar en su lugar en el nuevo certificado a partir de ahora?</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 no respondió en %2 segundos.</translation>
    </message>
    <message>
        <source>%1 did not accept the user name %2 with that password. The password:</source>
        <translation>%1 no aceptó el usuario %2 con esa contraseña. La contraseña:</translation>
    </message>
    <message>
        <source>The address book %1 is no longer on %2: choose it again.</source>
        <translation>La libreta de direcciones %1 ya no está en %2: elíjala de nuevo.</translation>
    </message>
    <message>
        <source>%1 failed: HTTP %2 %3</source>
        <translation>%1 falló: HTTP %2 %3</translation>
    </message>
    <message>
        <source>The name %1 could not be found: no such server.</source>
        <translation>No se encontró el nombre %1: no existe ese servidor.</translation>
    </message>
    <message>
        <source>%1 refused the connection: is the server running?</source>
        <translation>%1 rechazó la conexión: ¿está en marcha el servidor?</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <translation>No se puede conectar con %1: %2</translation>
    </message>
</context>
<context>
    <name>ShareCard</name>
    <message>
        <source>notes</source>
        <extracomment>What a QR code left out, in a list; the first of the list gets a capital letter.</extracomment>
        <translation>notas</translation>
    </message>
    <message>
        <source>work address</source>
        <translation>dirección del trabajo</translation>
    </message>
    <message>
        <source>home address</source>
        <translation>dirección particular</translation>
    </message>
    <message>
        <source>web sites</source>
        <translation>sitios web</translation>
    </message>
    <message>
        <source>The card is too large for a QR code, even without its notes, addresses and web sites.</source>
        <translation>La tarjeta es demasiado grande para un código QR, incluso sin sus notas, direcciones y sitios web.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>The size of the card the QR code holds.</extracomment>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. %2 left out: the code would be too large to scan</source>
        <extracomment>%1 is the card&apos;s size (&quot;1234 bytes&quot;), %2 what was left out (&quot;Notes, work address&quot;).</extracomment>
        <translation>%1. %2: fuera del código, que si no sería demasiado grande para escanearlo</translation>
    </message>
    <message numerus="yes">
        <source>QR code of the contact card, %n bytes</source>
        <extracomment>What a screen reader says of the QR code.</extracomment>
        <translation>
            <numerusform>Código QR de la tarjeta de contacto, %n byte</numerusform>
            <numerusform>Código QR de la tarjeta de contacto, %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 left out</source>
        <extracomment>What a screen reader says of the QR code: %1 its description, %2 what was left out (&quot;notes, work address&quot;).</extracomment>
        <translation>%1; sin %2</translation>
    </message>
</context>
<context>
    <name>ShareWindow</name>
    <message>
        <source>Save QR Code…</source>
        <translation>Guardar código QR…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Send to Address Book…</source>
        <translation>Enviar a la libreta de direcciones…</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the send under way.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Kept from the card, not shown in the form:</source>
        <translation>&amp;Conservado de la tarjeta, no mostrado en el formulario:</translation>
    </message>
    <message>
        <source>Share – %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Compartir – %1</translation>
    </message>
    <message>
        <source>Choose the server and the address book again</source>
        <translation>Elegir de nuevo el servidor y la libreta de direcciones</translation>
    </message>
    <message>
        <source>Kept from the card, not shown in the form</source>
        <translation>Conservado de la tarjeta, no mostrado en el formulario</translation>
    </message>
    <message>
        <source>Type a name, a number or an address: the contact&apos;s QR code shows here, for a phone&apos;s camera.</source>
        <translation>Escriba un nombre, un número o una dirección: el código QR del contacto aparece aquí, para la cámara de un teléfono.</translation>
    </message>
    <message>
        <source>The password also goes to %1.</source>
        <extracomment>%1 lists the servers&apos; names.</extracomment>
        <translation>La contraseña también va a %1.</translation>
    </message>
    <message>
        <source>Open from Address Book…</source>
        <translation>Abrir desde la libreta de direcciones…</translation>
    </message>
    <message>
        <source>Choose a contact of the address book to edit here (%1)</source>
        <translation>Elegir un contacto de la libreta de direcciones para editarlo aquí (%1)</translation>
    </message>
</context>
<context>
    <name>clsB64</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
</TS>
