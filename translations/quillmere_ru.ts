<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AddressBookCommand</name>
    <message>
        <source>Open from Address Book</source>
        <translation>Открыть из адресной книги</translation>
    </message>
    <message>
        <source>The address-book server (CardDAV) whose contacts to list: its address, such as https://cloud.example.org, or the full address of an address book.</source>
        <translation>Сервер адресных книг (CardDAV), контакты которого показать: его адрес, например https://cloud.example.org, или полный адрес адресной книги.</translation>
    </message>
    <message>
        <source>The address books of %1 on %2. List the contacts of:</source>
        <translation>Адресные книги %1 на %2. Показать контакты из:</translation>
    </message>
    <message>
        <source>%1 refused: %2 has no access to %3 there.</source>
        <translation>%1 отказал: у %2 нет доступа к %3 на этом сервере.</translation>
    </message>
    <message>
        <source>%1 answered with more than %2, so the answer was stopped there.</source>
        <translation>%1 прислал в ответ больше %2, поэтому ответ на этом остановлен.</translation>
    </message>
    <message>
        <source>%1 was still answering after %2 seconds, so the answer was stopped.</source>
        <translation>%1 всё ещё отвечал через %2 с, поэтому ответ остановлен.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2 for %3.</source>
        <translation>%1 ответил HTTP %2 на %3.</translation>
    </message>
    <message>
        <source>Listing %1 on %2…</source>
        <translation>Получение списка %1 на %2…</translation>
    </message>
    <message>
        <source>%1 did not list the contacts of %2 (HTTP %3).</source>
        <translation>%1 не выдал список контактов %2 (HTTP %3).</translation>
    </message>
    <message>
        <source>%1 listed a contact at another server, %2, so the list was stopped.</source>
        <translation>%1 указал контакт на другом сервере, %2, поэтому список остановлен.</translation>
    </message>
    <message>
        <source>%1 did not give the contacts of %2 (HTTP %3).</source>
        <translation>%1 не выдал контакты %2 (HTTP %3).</translation>
    </message>
    <message>
        <source>%1 gave a contact at another server, %2, so the list was stopped.</source>
        <translation>%1 выдал контакт на другом сервере, %2, поэтому список остановлен.</translation>
    </message>
    <message>
        <source>Opening %1 from %2…</source>
        <translation>Открытие %1 с %2…</translation>
    </message>
    <message>
        <source>%1 is no longer on %2: it was deleted there since it was listed.</source>
        <translation>Контакта %1 больше нет на %2: его удалили там после получения списка.</translation>
    </message>
    <message>
        <source>Delete %1 from %2 on %3? It cannot be undone.</source>
        <translation>Удалить %1 из %2 на %3? Это нельзя отменить.</translation>
    </message>
    <message>
        <source>Deleting %1 from %2…</source>
        <translation>Удаление %1 с %2…</translation>
    </message>
    <message>
        <source>%1 was already deleted from %2.</source>
        <translation>Контакт %1 уже удалён с %2.</translation>
    </message>
    <message>
        <source>Fetching %1 again from %2…</source>
        <translation>Повторное получение %1 с %2…</translation>
    </message>
    <message>
        <source>%1 changed on %2 since it was listed. Delete it all the same?</source>
        <translation>Контакт %1 изменился на %2 после получения списка. Всё равно удалить?</translation>
    </message>
    <message numerus="yes">
        <source>Listing %1 on %2… %Ln contacts</source>
        <translation>
            <numerusform>Получение списка %1 на %2… %Ln контакт</numerusform>
            <numerusform>Получение списка %1 на %2… %Ln контакта</numerusform>
            <numerusform>Получение списка %1 на %2… %Ln контактов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AddressBookWindow</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Удалить…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Open from Address Book</source>
        <translation>Открыть из адресной книги</translation>
    </message>
    <message>
        <source>Name, e-mail or phone</source>
        <translation>Имя, эл. почта или телефон</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Поиск:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Stop listing the address book</source>
        <translation>Остановить получение списка адресной книги</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln контакт</numerusform>
            <numerusform>%Ln контакта</numerusform>
            <numerusform>%Ln контактов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln contacts</source>
        <translation>
            <numerusform>%1 из %Ln контакта</numerusform>
            <numerusform>%1 из %Ln контактов</numerusform>
            <numerusform>%1 из %Ln контактов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; the listing stopped before the end of the book.</source>
        <extracomment>%1 is the count of contacts, such as &quot;1,200 contacts&quot;</extracomment>
        <translation>%1; список прерван до конца адресной книги.</translation>
    </message>
</context>
<context>
    <name>BirthdayEdit</name>
    <message>
        <source>Empty when no birthday is given; Delete on the whole date clears it</source>
        <translation>Пусто, если день рождения не указан; Delete на всей дате очищает его</translation>
    </message>
    <message>
        <source>No Birthday</source>
        <translation>Без дня рождения</translation>
    </message>
</context>
<context>
    <name>BookListModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
</context>
<context>
    <name>CardFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the file; %2 says why.</extracomment>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>%1 (%2: too long)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: %1 is the card&apos;s property name, which stays as it is; %2 a size.</extracomment>
        <translation>%1 (%2: слишком длинное)</translation>
    </message>
    <message>
        <source>UID (it held a line break or another control character: the contact gets a new one)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: UID is the card&apos;s property name and stays as it is.</extracomment>
        <translation>UID (в нём был перевод строки или другой управляющий символ: контакт получает новый)</translation>
    </message>
    <message>
        <source>PHOTO (a link to a file: not followed)</source>
        <translation>PHOTO (ссылка на файл: не открыта)</translation>
    </message>
    <message>
        <source>PHOTO (a link to a web address: not followed)</source>
        <translation>PHOTO (ссылка на веб-адрес: не открыта)</translation>
    </message>
    <message>
        <source>PHOTO (a link to somewhere else: not followed)</source>
        <translation>PHOTO (ссылка на другое место: не открыта)</translation>
    </message>
    <message>
        <source>%1 more %2</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: %1 more values of the card&apos;s property %2 (its name stays as it is).</extracomment>
        <translation>ещё %1 %2</translation>
    </message>
    <message>
        <source>it holds no vCard.</source>
        <translation>в нём нет vCard.</translation>
    </message>
    <message>
        <source>it holds %1 cards, not %2.</source>
        <translation>карточек в нём: %1, а не %2.</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>The code page %1 is not available.</source>
        <translation>Кодовая страница %1 недоступна.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Type one contact into a form and save it as a vCard 2.1 file, in the ANSI code page or in UTF-8. The form is remembered as it is typed.</source>
        <translation>Введите один контакт в форму и сохраните его как файл vCard 2.1 в кодовой странице ANSI или в UTF-8. Форма запоминается по мере ввода.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>--help: the name of the one argument, a file&apos;s path.</extracomment>
        <translation>файл</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>--help: how the argument is written; the brackets say it may be left out.</extracomment>
        <translation>[файл]</translation>
    </message>
    <message>
        <source>A vCard file to open into the form.</source>
        <translation>Файл vCard, который нужно открыть в форме.</translation>
    </message>
    <message>
        <source>Only one file can be opened.</source>
        <translation>Можно открыть только один файл.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>(none)</source>
        <extracomment>A cell of the comparison: this side has no such property.</extracomment>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Property</source>
        <extracomment>The columns: a card&apos;s property, its value in the form, its value on the server.</extracomment>
        <translation>Свойство</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Моя</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>На сервере</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <extracomment>Sends the form&apos;s card over the server&apos;s copy.</extracomment>
        <translation>&amp;Оставить мою</translation>
    </message>
    <message>
        <source>&amp;Take Theirs</source>
        <extracomment>Takes the server&apos;s copy into the form.</extracomment>
        <translation>&amp;Взять с сервера</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ContactSession</name>
    <message>
        <source>There is not enough memory for the photo or the card.</source>
        <translation>Недостаточно памяти для фото или карточки.</translation>
    </message>
    <message>
        <source>An unexpected failure ended the command.</source>
        <translation>Команда прервана непредвиденной ошибкой.</translation>
    </message>
    <message>
        <source>Replace the contact in the form with the one in %1?</source>
        <translation>Заменить контакт в форме контактом из %1?</translation>
    </message>
    <message>
        <source>Clear the form for a new contact?</source>
        <translation>Очистить форму для нового контакта?</translation>
    </message>
    <message>
        <source>Replace the contact in the form with the one at %1?</source>
        <translation>Заменить контакт в форме контактом по адресу %1?</translation>
    </message>
</context>
<context>
    <name>DataSize</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size: a whole number of kilobytes (1024 bytes), the unit as the desktop writes it.</extracomment>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size: megabytes (1024 KB) with one decimal, the unit as the desktop writes it.</extracomment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <extracomment>A size: gigabytes (1024 MB) with one decimal, the unit as the desktop writes it.</extracomment>
        <translation>%1 ГБ</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 уже существует.<byte value="xd"/>
Заменить его?</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <extracomment>Follows the place of the failure in the program, as &quot;in Form1.PushButton4_Click &quot;.</extracomment>
        <translation>в строке %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support&apos;s mail address.</extracomment>
        <translation>Пожалуйста, отправьте снимок экрана с этим сообщением по адресу %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Export vCard</source>
        <translation>Экспорт vCard</translation>
    </message>
    <message>
        <source>vCard 3.0 file, for phones and address books (*.vcf)</source>
        <extracomment>A file type of the export dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Файл vCard 3.0 для телефонов и адресных книг (*.vcf)</translation>
    </message>
    <message>
        <source>vCard 4.0 file (*.vcf)</source>
        <extracomment>A file type of the export dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Файл vCard 4.0 (*.vcf)</translation>
    </message>
    <message>
        <source>Not written, having no place in vCard %1: %2.</source>
        <extracomment>%1 is the vCard version (3.0 or 4.0); %2 lists the card&apos;s property names, which stay as they are.</extracomment>
        <translation>Не записано, так как в vCard %1 для этого нет места: %2.</translation>
    </message>
</context>
<context>
    <name>FieldPersistence</name>
    <message>
        <source>%1 The form is remembered without it.</source>
        <extracomment>%1 says why a file could not be read.</extracomment>
        <translation>%1 Форма запоминается без неё.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was moved to %2, and the form starts empty.</source>
        <translation>Не удалось прочитать файл настроек %1. Он перемещён в %2, и форма начинается пустой.</translation>
    </message>
    <message>
        <source>Your entries are not being remembered: the settings file %1 cannot be written.</source>
        <translation>Введённое не запоминается: не удаётся записать файл настроек %1.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Last Name:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Фамилия:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>MI:</source>
        <extracomment>Field label: the contact&apos;s middle initial. Room before its box: 24 pixels of Arial 9 pt bold.</extracomment>
        <translation>О.:</translation>
    </message>
    <message>
        <source>Company:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>Title:</source>
        <extracomment>Field label: a name&apos;s prefix such as Mr, Ms or Dr, not a job title. Room before its box: 32 pixels of Arial 9 pt bold.</extracomment>
        <translation>Обр.:</translation>
    </message>
    <message>
        <source>Email:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>Website Home:</source>
        <extracomment>Field label: a personal web site. Room before its box: 88 pixels of Arial 9 pt bold.</extracomment>
        <translation>Личный сайт:</translation>
    </message>
    <message>
        <source>Website Work:</source>
        <extracomment>Field label: a web site at work. Room before its box: 88 pixels of Arial 9 pt bold.</extracomment>
        <translation>Рабочий сайт:</translation>
    </message>
    <message>
        <source>Home Address:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Home City:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Город:</translation>
    </message>
    <message>
        <source>Home Region:</source>
        <extracomment>Field label: the state, province or county of the home address. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Регион:</translation>
    </message>
    <message>
        <source>Home Zip:</source>
        <extracomment>Field label: the postal code of the home address. Room before its box: 64 pixels of Arial 9 pt bold.</extracomment>
        <translation>Индекс:</translation>
    </message>
    <message>
        <source>Home Country:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Страна:</translation>
    </message>
    <message>
        <source>Work Address:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Work City:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Город:</translation>
    </message>
    <message>
        <source>Work Region:</source>
        <extracomment>Field label: the state, province or county of the work address. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Регион:</translation>
    </message>
    <message>
        <source>Work Zip:</source>
        <extracomment>Field label: the postal code of the work address. Room before its box: 64 pixels of Arial 9 pt bold.</extracomment>
        <translation>Индекс:</translation>
    </message>
    <message>
        <source>Work Country:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Страна:</translation>
    </message>
    <message>
        <source>Home Voice:</source>
        <extracomment>Field label: the home phone&apos;s number. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Дом. тел.:</translation>
    </message>
    <message>
        <source>Home Fax:</source>
        <extracomment>Field label. Room before its box: 96 pixels of Arial 9 pt bold.</extracomment>
        <translation>Дом. факс:</translation>
    </message>
    <message>
        <source>Work Voice:</source>
        <extracomment>Field label: the work phone&apos;s number. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Раб. тел.:</translation>
    </message>
    <message>
        <source>Work Fax:</source>
        <extracomment>Field label. Room before its box: 72 pixels of Arial 9 pt bold.</extracomment>
        <translation>Раб. факс:</translation>
    </message>
    <message>
        <source>Cellular:</source>
        <extracomment>Field label: a mobile phone&apos;s number. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Моб.:</translation>
    </message>
    <message>
        <source>Pager:</source>
        <extracomment>Field label: a pager&apos;s number. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Пейдж.:</translation>
    </message>
    <message>
        <source>Select Photo:</source>
        <extracomment>Field label: the path of the photo file. Room before its box: 80 pixels of Arial 9 pt bold.</extracomment>
        <translation>Выбор фото:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Field label above the notes box.</extracomment>
        <translation>Заметки:</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Личные данные</translation>
    </message>
    <message>
        <source>Home Address Information</source>
        <translation>Домашний адрес</translation>
    </message>
    <message>
        <source>Work Address Information</source>
        <translation>Рабочий адрес</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <extracomment>The frame of the phone and fax numbers.</extracomment>
        <translation>Контактная информация</translation>
    </message>
    <message>
        <source>Save As ANSI File</source>
        <extracomment>Saves the card in the Windows code page of the user&apos;s language (ANSI). Room: 328 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Сохранить как файл ANSI</translation>
    </message>
    <message>
        <source>Browse</source>
        <extracomment>Chooses the photo file. Room: 80 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Save As UTF8 File</source>
        <extracomment>Room: 328 pixels of Arial 11.25 pt bold.</extracomment>
        <translation>Сохранить как файл UTF8</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The bar across the top of the window: shows what the two encodings are.</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Home Voice preferred</source>
        <translation>Домашний телефон — основной</translation>
    </message>
    <message>
        <source>Home Fax preferred</source>
        <translation>Домашний факс — основной</translation>
    </message>
    <message>
        <source>Work Voice preferred</source>
        <translation>Рабочий телефон — основной</translation>
    </message>
    <message>
        <source>Work Fax preferred</source>
        <translation>Рабочий факс — основной</translation>
    </message>
    <message>
        <source>Cellular preferred</source>
        <translation>Мобильный — основной</translation>
    </message>
    <message>
        <source>Pager preferred</source>
        <translation>Пейджер — основной</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Photo and Notes</source>
        <translation>Фото и заметки</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <extracomment>Field label. Room before its box: 56 pixels of Arial 9 pt bold.</extracomment>
        <translation>Д. р.:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A corner button&apos;s tooltip: what it does, then its keys.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>A corner button: a new, empty contact.</extracomment>
        <translation>Создать</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Новый контакт</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A corner button: opens a card file.</extracomment>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open a vCard file</source>
        <translation>Открыть файл vCard</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>A corner button: saves the card for phones and address books.</extracomment>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Export as vCard 3.0 or 4.0</source>
        <translation>Экспорт в vCard 3.0 или 4.0</translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>A corner button: opens the window with the contact&apos;s QR code and the send to an address book.</extracomment>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Show the contact as a QR code</source>
        <translation>Показать контакт в виде QR-кода</translation>
    </message>
    <message>
        <source>Middle Initial</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;MI:&quot;, where its label is shortened to fit.</extracomment>
        <translation>Инициал отчества</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Title:&quot; (a name&apos;s prefix such as Mr, Ms or Dr).</extracomment>
        <translation>Обращение</translation>
    </message>
    <message>
        <source>Email</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Email:&quot;.</extracomment>
        <translation>Электронная почта</translation>
    </message>
    <message>
        <source>Home Address</source>
        <comment>full name</comment>
        <extracomment>The full name of a field whose label may name only the line, the frame saying whose.</extracomment>
        <translation>Домашний адрес</translation>
    </message>
    <message>
        <source>Home City</source>
        <comment>full name</comment>
        <translation>Город домашнего адреса</translation>
    </message>
    <message>
        <source>Home Region</source>
        <comment>full name</comment>
        <translation>Регион домашнего адреса</translation>
    </message>
    <message>
        <source>Home Postal Code</source>
        <comment>full name</comment>
        <translation>Индекс домашнего адреса</translation>
    </message>
    <message>
        <source>Home Country</source>
        <comment>full name</comment>
        <translation>Страна домашнего адреса</translation>
    </message>
    <message>
        <source>Work Address</source>
        <comment>full name</comment>
        <translation>Рабочий адрес</translation>
    </message>
    <message>
        <source>Work City</source>
        <comment>full name</comment>
        <translation>Город рабочего адреса</translation>
    </message>
    <message>
        <source>Work Region</source>
        <comment>full name</comment>
        <translation>Регион рабочего адреса</translation>
    </message>
    <message>
        <source>Work Postal Code</source>
        <comment>full name</comment>
        <translation>Индекс рабочего адреса</translation>
    </message>
    <message>
        <source>Work Country</source>
        <comment>full name</comment>
        <translation>Страна рабочего адреса</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <comment>full name</comment>
        <extracomment>The full name of a phone field, where its label is shortened to fit.</extracomment>
        <translation>Домашний телефон</translation>
    </message>
    <message>
        <source>Home Fax</source>
        <comment>full name</comment>
        <translation>Домашний факс</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <comment>full name</comment>
        <translation>Рабочий телефон</translation>
    </message>
    <message>
        <source>Work Fax</source>
        <comment>full name</comment>
        <translation>Рабочий факс</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <comment>full name</comment>
        <translation>Мобильный телефон</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>full name</comment>
        <translation>Пейджер</translation>
    </message>
    <message>
        <source>Birthday</source>
        <comment>full name</comment>
        <extracomment>The full name of the field labelled &quot;Birthday:&quot;, where its label is shortened to fit.</extracomment>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Open from Address Book…</source>
        <translation>Открыть из адресной книги…</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Most Windows text files use a form of ANSI, OEM or Unicode encoding. What Windows calls &quot;ANSI encodings&quot; are usually single-byte ISO-8859 encodings, except in locales such as Chinese, Japanese and Korean, whose scripts need a double-byte character set. Before Windows moved to Unicode, the ANSI encodings served as its default system locales. The OEM encodings, also known as MS-DOS code pages, were defined by IBM for the text-mode display of the IBM PC; they typically include graphical and line-drawing characters that full-screen MS-DOS programs used to draw boxes, frames or menus. Text files written by newer versions of Windows may instead use a Unicode encoding such as UTF-16LE or UTF-8.</source>
        <extracomment>The Help box: what the two save buttons&apos; encodings are.</extracomment>
        <translation>Большинство текстовых файлов Windows использует одну из кодировок ANSI, OEM или Unicode. То, что Windows называет «кодировками ANSI», обычно однобайтовые кодировки ISO-8859, кроме таких языковых стандартов, как китайский, японский и корейский, письменность которых требует двухбайтового набора символов. До перехода Windows на Unicode кодировки ANSI служили её системными языковыми стандартами по умолчанию. Кодировки OEM, известные также как кодовые страницы MS-DOS, были определены IBM для текстового режима экрана IBM PC; обычно они содержат графические символы и символы линий, которыми полноэкранные программы MS-DOS рисовали рамки, окна и меню. Текстовые файлы новых версий Windows могут вместо этого использовать кодировку Unicode, например UTF-16LE или UTF-8.</translation>
    </message>
    <message>
        <source>From Wikipedia (%1)</source>
        <extracomment>The source of the Help box&apos;s passage; %1 is the article&apos;s address.</extracomment>
        <translation>Из Википедии (%1)</translation>
    </message>
</context>
<context>
    <name>HttpExchange</name>
    <message>
        <source>only http:// and https:// can be asked</source>
        <translation>запросы возможны только по http:// и https://</translation>
    </message>
    <message>
        <source>the request was stopped</source>
        <translation>запрос остановлен</translation>
    </message>
    <message>
        <source>the request&apos;s %1 holds a line break</source>
        <translation>заголовок %1 запроса содержит перевод строки</translation>
    </message>
</context>
<context>
    <name>HttpReplyParser</name>
    <message>
        <source>the server closed the connection without an answer</source>
        <translation>сервер закрыл соединение без ответа</translation>
    </message>
    <message>
        <source>the connection ended before the reply was whole</source>
        <translation>соединение прервалось до получения полного ответа</translation>
    </message>
    <message>
        <source>a chunk size line of the reply is longer than 1 KB</source>
        <translation>строка размера фрагмента ответа длиннее 1 КБ</translation>
    </message>
    <message>
        <source>the header block of the reply is longer than 64 KB</source>
        <translation>блок заголовков ответа длиннее 64 КБ</translation>
    </message>
    <message>
        <source>the reply is not HTTP</source>
        <translation>ответ не является HTTP</translation>
    </message>
    <message>
        <source>a header line of the reply has no name</source>
        <translation>у строки заголовка ответа нет имени</translation>
    </message>
    <message>
        <source>a chunk size of the reply is larger than any body</source>
        <translation>размер фрагмента ответа больше любого тела</translation>
    </message>
    <message>
        <source>a chunk size of the reply is not a number</source>
        <translation>размер фрагмента ответа не является числом</translation>
    </message>
    <message>
        <source>a chunk of the reply does not end where its size says</source>
        <translation>фрагмент ответа не заканчивается там, где указывает его размер</translation>
    </message>
    <message>
        <source>the reply is encoded as %1, which was not asked for</source>
        <translation>ответ закодирован как %1, хотя это не запрашивалось</translation>
    </message>
    <message>
        <source>the reply is sent as %1, which was not asked for</source>
        <translation>ответ отправлен как %1, хотя это не запрашивалось</translation>
    </message>
    <message>
        <source>the length of the reply is not one number</source>
        <translation>длина ответа не является одним числом</translation>
    </message>
    <message>
        <source>the compressed body of the reply is damaged</source>
        <translation>сжатое тело ответа повреждено</translation>
    </message>
</context>
<context>
    <name>KeptCard</name>
    <message>
        <source>the kept card is damaged.</source>
        <translation>сохранённая карточка повреждена.</translation>
    </message>
    <message>
        <source>the kept card is not one.</source>
        <translation>сохранённая карточка ею не является.</translation>
    </message>
</context>
<context>
    <name>KeptCardFile</name>
    <message>
        <source>The card kept in %1 cannot be read: %2</source>
        <extracomment>%1 is the file; %2 says why, such as &quot;it is not a file.&quot;</extracomment>
        <translation>Не удаётся прочитать карточку, сохранённую в %1: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>это не файл.</translation>
    </message>
    <message>
        <source>it is larger than any card.</source>
        <translation>он больше любой карточки.</translation>
    </message>
    <message>
        <source>The card kept in %1 cannot be removed: %2</source>
        <translation>Не удаётся удалить карточку, сохранённую в %1: %2</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>Open vCard</source>
        <translation>Открыть vCard</translation>
    </message>
    <message>
        <source>vCard file (*.vcf)</source>
        <extracomment>A file type of the open dialog: keep &quot;(*.vcf)&quot; at the end.</extracomment>
        <translation>Файл vCard (*.vcf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file type of the open dialog: keep &quot;(*)&quot; at the end.</extracomment>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the file; %2 says why, such as &quot;it is not a file.&quot;</extracomment>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>это не файл.</translation>
    </message>
    <message>
        <source>it is %1, larger than any contact card (%2 at most).</source>
        <translation>его размер %1, больше любой карточки контакта (не более %2).</translation>
    </message>
    <message>
        <source>%1 holds %2 cards. Choose the one to load:</source>
        <extracomment>%1 is the file, %2 the number of cards in it (two or more).</extracomment>
        <translation>%1 содержит карточек: %2. Выберите, какую загрузить:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(без имени)</translation>
    </message>
    <message>
        <source>PHOTO (%1)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: PHOTO is the card&apos;s property name and stays as it is; %1 says why.</extracomment>
        <translation>PHOTO (%1)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>its names in %1 are taken</source>
        <translation>его имена в %1 заняты</translation>
    </message>
    <message>
        <source>PHOTO (not kept: %1)</source>
        <extracomment>An entry of the &quot;Not loaded&quot; list: PHOTO is the card&apos;s property name and stays as it is; %1 says why.</extracomment>
        <translation>PHOTO (не сохранено: %1)</translation>
    </message>
    <message>
        <source>Not loaded, for want of a field: %1.</source>
        <extracomment>%1 lists what the form has no field for, each a card&apos;s property name and what it held.</extracomment>
        <translation>Не загружено, так как нет подходящего поля: %1.</translation>
    </message>
</context>
<context>
    <name>PhotoCommand</name>
    <message>
        <source>Select A Picture</source>
        <translation>Выбор изображения</translation>
    </message>
    <message>
        <source>JPEG files(*.jpg)</source>
        <extracomment>A file type of the photo dialog: keep &quot;(*.jpg)&quot; as it is, right after the words.</extracomment>
        <translation>Файлы JPEG(*.jpg)</translation>
    </message>
    <message>
        <source>Bitmap files(.BMP)</source>
        <extracomment>A file type of the photo dialog: keep &quot;(.BMP)&quot; as it is, right after the words.</extracomment>
        <translation>Точечные рисунки(.BMP)</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 × %2 pixels: too large</source>
        <extracomment>Why a photo was refused: its width and height.</extracomment>
        <translation>%1 × %2 пикселей: слишком большое</translation>
    </message>
    <message>
        <source>Cannot read the photo %1: it is not a picture that can be embedded (%2).</source>
        <translation>Не удаётся прочитать фото %1: это не изображение, которое можно встроить (%2).</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>не изображение</translation>
    </message>
    <message>
        <source>not a picture: %1</source>
        <translation>не изображение: %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Remember password</source>
        <translation>Запомнить пароль</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <extracomment>The address of the address book&apos;s server.</extracomment>
        <translation>&amp;Сервер:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Имя пользователя:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
</context>
<context>
    <name>SaveAsJPG</name>
    <message>
        <source>Cannot save the image. GDI+ Error:%1</source>
        <extracomment>%1 is the encoder&apos;s status number; the text is written right after the colon, without a blank.</extracomment>
        <translation>Не удаётся сохранить изображение. Ошибка GDI+:%1</translation>
    </message>
</context>
<context>
    <name>SaveCodeCommand</name>
    <message>
        <source>Cannot make the PNG image: %1</source>
        <translation>Не удаётся создать изображение PNG: %1</translation>
    </message>
    <message>
        <source>Save QR Code</source>
        <translation>Сохранить QR-код</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.png)&quot; at the end.</extracomment>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.svg)&quot; at the end.</extracomment>
        <translation>Изображение SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>1 character is not in code page %1 and was written as a close equivalent or &quot;?&quot;. &quot;Save As UTF8 File&quot; keeps every character.</source>
        <extracomment>%1 is the code page&apos;s number, such as 1252. &quot;Save As UTF8 File&quot; is the window&apos;s button.</extracomment>
        <translation>1 символ отсутствует в кодовой странице %1 и записан как близкий аналог или «?». «Сохранить как файл UTF8» сохраняет все символы.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters are not in code page %1 and were written as a close equivalent or &quot;?&quot;. &quot;Save As UTF8 File&quot; keeps every character.</source>
        <extracomment>%n characters (two or more); %1 is the code page&apos;s number. &quot;Save As UTF8 File&quot; is the window&apos;s button.</extracomment>
        <translation>
            <numerusform>%n символ отсутствует в кодовой странице %1 и записан как близкий аналог или «?». «Сохранить как файл UTF8» сохраняет все символы.</numerusform>
            <numerusform>%n символа отсутствуют в кодовой странице %1 и записаны как близкие аналоги или «?». «Сохранить как файл UTF8» сохраняет все символы.</numerusform>
            <numerusform>%n символов отсутствуют в кодовой странице %1 и записаны как близкие аналоги или «?». «Сохранить как файл UTF8» сохраняет все символы.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select As ANSI</source>
        <extracomment>The title of the save dialog of both save buttons.</extracomment>
        <translation>Выбрать как ANSI</translation>
    </message>
    <message>
        <source>vCard file(*.vcf)</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.vcf)&quot; as it is, right after the words.</extracomment>
        <translation>Файл vCard(*.vcf)</translation>
    </message>
    <message>
        <source>All Files(*.*</source>
        <extracomment>A file type of the save dialog: keep &quot;(*.*&quot; as it is, right after the words.</extracomment>
        <translation>Все файлы(*.*</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The box after a save or an export.</extracomment>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>The photo &quot;%1&quot; was not found; the card has no photo.</source>
        <translation>Фото «%1» не найдено; карточка сохранена без фото.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Send to Address Book</source>
        <translation>Отправить в адресную книгу</translation>
    </message>
    <message>
        <source>The address-book server (CardDAV) to send the contact to: its address, such as https://cloud.example.org, or the full address of an address book.</source>
        <translation>Сервер адресных книг (CardDAV), на который отправить контакт: его адрес, например https://cloud.example.org, или полный адрес адресной книги.</translation>
    </message>
    <message>
        <source>The address books of %1 on %2. Send the contact to:</source>
        <translation>Адресные книги %1 на %2. Отправить контакт в:</translation>
    </message>
    <message>
        <source>Asking %1 for the copy sent last…</source>
        <translation>Запрос у %1 последней отправленной копии…</translation>
    </message>
    <message>
        <source>Sending to %1 on %2…</source>
        <translation>Отправка в %1 на %2…</translation>
    </message>
    <message>
        <source>%1 refused the card again, although it was sent over the server&apos;s latest copy; nothing was sent.</source>
        <translation>%1 снова отклонил карточку, хотя она была отправлена поверх последней копии сервера; ничего не отправлено.</translation>
    </message>
    <message>
        <source>Sent. The contact is now at %1</source>
        <translation>Отправлено. Контакт теперь находится по адресу %1</translation>
    </message>
    <message>
        <source>Fetching the server&apos;s copy from %1…</source>
        <translation>Получение копии с сервера %1…</translation>
    </message>
    <message>
        <source>%1 already holds a card of this contact in %2, made elsewhere.</source>
        <translation>На %1 в %2 уже есть карточка этого контакта, созданная в другом месте.</translation>
    </message>
    <message>
        <source>The contact changed on %1 since it was last sent from here.</source>
        <translation>Контакт изменился на %1 с момента последней отправки отсюда.</translation>
    </message>
    <message>
        <source>The card on %1 cannot be read or written again: %2</source>
        <translation>Карточку на %1 нельзя прочитать или записать заново: %2</translation>
    </message>
    <message>
        <source>%1 Your card and the server&apos;s hold the same.</source>
        <extracomment>%1 says where the server&apos;s copy comes from; &quot;Keep Mine&quot; is the comparison&apos;s button.</extracomment>
        <translation>%1 Ваша карточка и карточка сервера совпадают.</translation>
    </message>
    <message>
        <source>%1 Where they differ, &quot;Keep Mine&quot; sends your changes; the server&apos;s other properties are kept either way.</source>
        <translation>%1 Где они различаются, «Оставить мою» отправляет ваши изменения; остальные свойства сервера сохраняются в любом случае.</translation>
    </message>
    <message>
        <source>Load the server&apos;s copy into the form? The changes in the form that were not sent are replaced.</source>
        <translation>Загрузить копию сервера в форму? Неотправленные изменения в форме будут заменены.</translation>
    </message>
    <message>
        <source>The contact was deleted from %1 on %2 since it was last sent from here. Send it again as a new card?</source>
        <translation>Контакт был удалён из %1 на %2 после последней отправки отсюда. Отправить его снова как новую карточку?</translation>
    </message>
    <message>
        <source>%1 was still answering after %2 seconds, so the send was stopped.</source>
        <translation>%1 всё ещё отвечал через %2 с, поэтому отправка остановлена.</translation>
    </message>
    <message>
        <source>%1 answered with more than %2, so the send was stopped.</source>
        <translation>%1 прислал в ответ больше %2, поэтому отправка остановлена.</translation>
    </message>
    <message>
        <source>%1 refused: %2 may not write to %3.</source>
        <translation>%1 отказал: %2 не может записывать в %3.</translation>
    </message>
    <message>
        <source>%1 already holds this contact&apos;s UID in another card of %2 (no-uid-conflict); nothing was sent.</source>
        <translation>На %1 UID этого контакта уже есть в другой карточке %2 (no-uid-conflict); ничего не отправлено.</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2 for %3; nothing was sent.</source>
        <translation>%1 ответил HTTP %2 на %3; ничего не отправлено.</translation>
    </message>
    <message>
        <source>%1 has no room for the card (%2, with a photo of %3).</source>
        <translation>На %1 нет места для карточки (%2, с фото %3).</translation>
    </message>
    <message>
        <source>%1 refused the card: %2</source>
        <translation>%1 отклонил карточку: %2</translation>
    </message>
</context>
<context>
    <name>ServerAccount</name>
    <message>
        <source>%1 is a plain http:// address: the password and the card would travel readable by anyone on the way. Use it all the same?</source>
        <translation>%1 — обычный адрес http://: пароль и карточка будут переданы в открытом виде, их сможет прочитать любой по пути. Всё равно использовать?</translation>
    </message>
    <message>
        <source>(no reason given)</source>
        <translation>(причина не указана)</translation>
    </message>
    <message>
        <source>Finding the address books on %1…</source>
        <translation>Поиск адресных книг на %1…</translation>
    </message>
    <message>
        <source>No address book was found on %1 for %2.</source>
        <translation>На %1 не найдено адресных книг для %2.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs on this desktop, so the password cannot be remembered: it is kept only until %1 closes. The password of %2 on %3:</source>
        <translation>В этом окружении не запущена связка ключей (Secret Service), поэтому пароль нельзя запомнить: он хранится только до закрытия %1. Пароль %2 на %3:</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer (%1). The password of %2 on %3 is asked once and kept only until %4 closes:</source>
        <translation>Связка ключей не ответила (%1). Пароль %2 на %3 запрашивается один раз и хранится только до закрытия %4:</translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation>Пароль %1 на %2:</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs on this desktop: the password is kept only until %1 closes, and asked again at the next start.</source>
        <translation>В этом окружении не запущена связка ключей (Secret Service): пароль хранится только до закрытия %1 и будет запрошен снова при следующем запуске.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer (%1): the password is kept only until %2 closes, and asked again at the next start.</source>
        <translation>Связка ключей не ответила (%1): пароль хранится только до закрытия %2 и будет запрошен снова при следующем запуске.</translation>
    </message>
    <message>
        <source>%1 sent the address book on to %2, which is not https://. The password goes only over https:// to a server given as https://; nothing was sent.</source>
        <translation>%1 перенаправил адресную книгу на %2, который не https://. Пароль передаётся только по https:// на сервер, указанный как https://; ничего не отправлено.</translation>
    </message>
    <message>
        <source>%1 sent the address book on to %2, which is not a web address; nothing was sent.</source>
        <translation>%1 перенаправил адресную книгу на %2, который не является веб-адресом; ничего не отправлено.</translation>
    </message>
    <message>
        <source>%1 sends the address book on to another server, %2 (%3). Send the user name, the password and the contact to %2 too?</source>
        <translation>%1 перенаправляет адресную книгу на другой сервер, %2 (%3). Отправить имя пользователя, пароль и контакт также на %2?</translation>
    </message>
    <message>
        <source>%1 It is a plain http:// address: they would travel readable by anyone on the way.</source>
        <extracomment>%1 is the question asked before, about the server the address book moved to.</extracomment>
        <translation>%1 Это обычный адрес http://: данные будут переданы в открытом виде, их сможет прочитать любой по пути.</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be verified with this computer&apos;s certificates, so the connection was refused.<byte value="xd"/>
Its SHA-256 fingerprint is<byte value="xd"/>
%2<byte value="xd"/>
Trust this certificate from now on?</source>
        <translation>Сертификат %1 не удаётся проверить сертификатами этого компьютера, поэтому соединение отклонено.<byte value="xd"/>
Его отпечаток SHA-256:<byte value="xd"/>
%2<byte value="xd"/>
Доверять этому сертификату впредь?</translation>
    </message>
    <message>
        <source>The certificate of %1 changed since you chose to trust it, so the connection was refused. Another computer may be answering in its place.<byte value="xd"/>
Trusted until now:<byte value="xd"/>
%2<byte value="xd"/>
Offered now:<byte value="xd"/>
%3<byte value="xd"/>
Trust the new certificate instead, from now on?</source>
        <translation>Сертификат %1 изменился с тех пор, как вы решили ему доверять, поэтому соединение отклонено. Возможно, вместо него отвечает другой компьютер.<byte value="xd"/>
Доверенный до сих пор:<byte value="xd"/>
%2<byte value="xd"/>
Предложенный сейчас:<byte value="xd"/>
%3<byte value="xd"/>
Доверять впредь новому сертификату?</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds.</source>
        <translation>%1 не ответил за %2 с.</translation>
    </message>
    <message>
        <source>%1 did not accept the user name %2 with that password. The password:</source>
        <translation>%1 не принял имя пользователя %2 с этим паролем. Пароль:</translation>
    </message>
    <message>
        <source>The address book %1 is no longer on %2: choose it again.</source>
        <translation>Адресной книги %1 больше нет на %2: выберите её заново.</translation>
    </message>
    <message>
        <source>%1 failed: HTTP %2 %3</source>
        <translation>%1: ошибка HTTP %2 %3</translation>
    </message>
    <message>
        <source>The name %1 could not be found: no such server.</source>
        <translation>Имя %1 не найдено: такого сервера нет.</translation>
    </message>
    <message>
        <source>%1 refused the connection: is the server running?</source>
        <translation>%1 отклонил соединение: запущен ли сервер?</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <translation>Не удаётся связаться с %1: %2</translation>
    </message>
</context>
<context>
    <name>ShareCard</name>
    <message>
        <source>notes</source>
        <extracomment>What a QR code left out, in a list; the first of the list gets a capital letter.</extracomment>
        <translation>заметки</translation>
    </message>
    <message>
        <source>work address</source>
        <translation>рабочий адрес</translation>
    </message>
    <message>
        <source>home address</source>
        <translation>домашний адрес</translation>
    </message>
    <message>
        <source>web sites</source>
        <translation>сайты</translation>
    </message>
    <message>
        <source>The card is too large for a QR code, even without its notes, addresses and web sites.</source>
        <translation>Карточка слишком велика для QR-кода даже без заметок, адресов и сайтов.</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>The size of the card the QR code holds.</extracomment>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. %2 left out: the code would be too large to scan</source>
        <extracomment>%1 is the card&apos;s size (&quot;1234 bytes&quot;), %2 what was left out (&quot;Notes, work address&quot;).</extracomment>
        <translation>%1. %2 — не в коде: иначе код был бы слишком велик для сканирования</translation>
    </message>
    <message numerus="yes">
        <source>QR code of the contact card, %n bytes</source>
        <extracomment>What a screen reader says of the QR code.</extracomment>
        <translation>
            <numerusform>QR-код карточки контакта, %n байт</numerusform>
            <numerusform>QR-код карточки контакта, %n байта</numerusform>
            <numerusform>QR-код карточки контакта, %n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 left out</source>
        <extracomment>What a screen reader says of the QR code: %1 its description, %2 what was left out (&quot;notes, work address&quot;).</extracomment>
        <translation>%1; опущено: %2</translation>
    </message>
</context>
<context>
    <name>ShareWindow</name>
    <message>
        <source>Save QR Code…</source>
        <translation>Сохранить QR-код…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Send to Address Book…</source>
        <translation>Отправить в адресную книгу…</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the send under way.</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Kept from the card, not shown in the form:</source>
        <translation>&amp;Сохранено из карточки, не показано в форме:</translation>
    </message>
    <message>
        <source>Share – %1</source>
        <extracomment>The window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Поделиться — %1</translation>
    </message>
    <message>
        <source>Choose the server and the address book again</source>
        <translation>Заново выбрать сервер и адресную книгу</translation>
    </message>
    <message>
        <source>Kept from the card, not shown in the form</source>
        <translation>Сохранено из карточки, не показано в форме</translation>
    </message>
    <message>
        <source>Type a name, a number or an address: the contact&apos;s QR code shows here, for a phone&apos;s camera.</source>
        <translation>Введите имя, номер или адрес: здесь появится QR-код контакта для камеры телефона.</translation>
    </message>
    <message>
        <source>The password also goes to %1.</source>
        <extracomment>%1 lists the servers&apos; names.</extracomment>
        <translation>Пароль передаётся также на %1.</translation>
    </message>
    <message>
        <source>Open from Address Book…</source>
        <translation>Открыть из адресной книги…</translation>
    </message>
    <message>
        <source>Choose a contact of the address book to edit here (%1)</source>
        <translation>Выбрать контакт адресной книги для правки здесь (%1)</translation>
    </message>
</context>
<context>
    <name>clsB64</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
</context>
</TS>
