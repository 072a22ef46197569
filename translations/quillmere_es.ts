<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
</context>
</TS>
