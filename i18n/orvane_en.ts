<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Announcement</name>
    <message>
        <source>Открыть календарь</source>
        <translation>Open the calendar</translation>
    </message>
    <message>
        <source>Не напоминать</source>
        <translation>Don&apos;t remind me</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Календарь может существовать только
в единственном экземпляре!

Дальнейшая работа приложения невозможна.</source>
        <translation>Only one copy of the calendar
can run at a time!

The program cannot continue.</translation>
    </message>
</context>
<context>
    <name>CalendarLoader</name>
    <message>
        <source>Мне очень жаль,но календарь испорчен, его невозможно ни прочитать,
ни автоматически восстановить.
Но если вы не представляете как это сделать, то лучше смиритесь.

Может хотите создать новый календарь?</source>
        <translation>I am very sorry, but the calendar is damaged: it can be neither read
nor repaired automatically.
If you don&apos;t know how to repair it yourself, you had better let it go.

Would you like to create a new calendar?</translation>
    </message>
    <message>
        <source>Не удалось сохранить копию испорченного календаря
%1

Новый календарь не создан.</source>
        <translation>Could not save a copy of the damaged calendar
%1

No new calendar was created.</translation>
    </message>
</context>
<context>
    <name>CalendarTexts</name>
    <message>
        <source>Пн</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Ср</source>
        <translation>We</translation>
    </message>
    <message>
        <source>Чт</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>Пт</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Сб</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Вс</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Календарь - %1</source>
        <translation>Calendar - %1</translation>
    </message>
    <message>
        <source>Календарь - %1/%2</source>
        <translation>Calendar - %1/%2</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Неожиданный конец файла календаря.</source>
        <translation>Unexpected end of the calendar file.</translation>
    </message>
    <message>
        <source>Невозможно сохранить календарь
%1

%2</source>
        <translation>Cannot save the calendar
%1

%2</translation>
    </message>
    <message>
        <source>Невозможно открыть календарь.
%1

%2.</source>
        <translation>Cannot open the calendar.
%1

%2.</translation>
    </message>
</context>
<context>
    <name>DateNames</name>
    <message>
        <source>Январь</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Февраль</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Март</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Апрель</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Май</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Июнь</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Июль</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Август</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Сентябрь</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Октябрь</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Ноябрь</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Декабрь</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Воскресенье</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Понедельник</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Вторник</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Среда</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Четверг</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Пятница</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Суббота</source>
        <translation>Saturday</translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>Сервер %1 не принимает соединения.</source>
        <translation>The server %1 refuses connections.</translation>
    </message>
    <message>
        <source>Сервер %1 не найден.</source>
        <translation>The server %1 was not found.</translation>
    </message>
    <message>
        <source>Сервер %1 не ответил вовремя.</source>
        <translation>The server %1 did not answer in time.</translation>
    </message>
    <message>
        <source>Не удалось установить защищённое соединение с сервером %1: %2.</source>
        <translation>Could not set up a secure connection to the server %1: %2.</translation>
    </message>
    <message>
        <source>Сервер %1 перенаправил запрос на другой адрес: %2.</source>
        <translation>The server %1 redirected the request to another address: %2.</translation>
    </message>
    <message>
        <source>Нет связи с сервером %1: %2.</source>
        <translation>No connection to the server %1: %2.</translation>
    </message>
    <message>
        <source>Неверный адрес сервера: %1.</source>
        <translation>Invalid server address: %1.</translation>
    </message>
    <message>
        <source>Адрес %1 не защищён: без HTTPS можно обращаться только к этому компьютеру (127.0.0.1, ::1, localhost).</source>
        <translation>The address %1 is not secure: without HTTPS only this computer can be reached (127.0.0.1, ::1, localhost).</translation>
    </message>
    <message>
        <source>Ответ сервера %1 больше %2 МиБ.</source>
        <translation>The answer of the server %1 is larger than %2 MiB.</translation>
    </message>
    <message>
        <source>Сервер %1 не принял имя пользователя или пароль.</source>
        <translation>The server %1 did not accept the user name or password.</translation>
    </message>
    <message>
        <source>Сервер %1 отказал в доступе к %2.</source>
        <translation>The server %1 refused access to %2.</translation>
    </message>
    <message>
        <source>На сервере %1 нет %2.</source>
        <translation>The server %1 has no %2.</translation>
    </message>
    <message>
        <source>Ошибка на сервере %1 (код %2).</source>
        <translation>Error on the server %1 (code %2).</translation>
    </message>
    <message>
        <source>Сервер %1 ответил неожиданным кодом %2 на запрос к %3.</source>
        <translation>The server %1 answered a request for %3 with the unexpected code %2.</translation>
    </message>
    <message>
        <source>Ответ сервера %1 не удалось разобрать.</source>
        <translation>The answer of the server %1 could not be read.</translation>
    </message>
    <message>
        <source>Синхронизация прервана.</source>
        <translation>The sync was stopped.</translation>
    </message>
</context>
<context>
    <name>DayAccessibleText</name>
    <message>
        <source>, сегодня</source>
        <translation>, today</translation>
    </message>
    <message numerus="yes">
        <source>%n событие: %1</source>
        <translation>
            <numerusform>%n event: %1</numerusform>
            <numerusform>%n events: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n события: %1</source>
        <translation>
            <numerusform>%n event: %1</numerusform>
            <numerusform>%n events: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n событий: %1</source>
        <translation>
            <numerusform>%n event: %1</numerusform>
            <numerusform>%n events: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Discovery</name>
    <message>
        <source>На сервере %1 не найдено ни календарей, ни адресных книг.</source>
        <translation>No calendars or address books were found on the server %1.</translation>
    </message>
</context>
<context>
    <name>EventTreeRules</name>
    <message>
        <source>День %1, %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Без названия</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Необходимо указать название категории</source>
        <translation>Please enter a name for the category</translation>
    </message>
    <message>
        <source>Необходимо указать название события</source>
        <translation>Please enter a name for the event</translation>
    </message>
    <message>
        <source>Количество символов в названии категории
не может превышать 20 символов.</source>
        <translation>A category name cannot be longer
than 20 characters.</translation>
    </message>
    <message>
        <source>Количество символов в названии события
не может превышать 40 символов.</source>
        <translation>An event name cannot be longer
than 40 characters.</translation>
    </message>
    <message>
        <source>Текст содержит символы, которые календарь не может сохранить
(например, значки или иероглифы). Уберите их, пожалуйста.</source>
        <translation>The text contains characters the calendar cannot save
(such as symbols or ideographs). Please remove them.</translation>
    </message>
</context>
<context>
    <name>ExchangeTransfer</name>
    <message>
        <source>Невозможно использовать экспорт.</source>
        <translation>Export is not available.</translation>
    </message>
    <message>
        <source>Ошибка копирования данных в буфер.</source>
        <translation>Could not copy the data to the clipboard.</translation>
    </message>
    <message>
        <source>Не удалось экспортировать события в файл: </source>
        <translation>Could not export the events to the file: </translation>
    </message>
    <message>
        <source>В файле находится неверный формат данных для импорта.</source>
        <translation>The file does not hold data in a format that can be imported.</translation>
    </message>
    <message>
        <source>В буфере нет данных для импорта.</source>
        <translation>The clipboard holds no data to import.</translation>
    </message>
    <message>
        <source>В буфере находится неверный формат данных для импорта.</source>
        <translation>The clipboard does not hold data in a format that can be imported.</translation>
    </message>
    <message>
        <source>Невозможно использовать импорт.</source>
        <translation>Import is not available.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Ошибка чтения</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>Ошибка записи</source>
        <translation>Write error</translation>
    </message>
    <message>
        <source>Файл не удалось открыть</source>
        <translation>The file could not be opened</translation>
    </message>
    <message>
        <source>Не удалось изменить права доступа к файлу</source>
        <translation>The file&apos;s permissions could not be changed</translation>
    </message>
    <message>
        <source>Не удалось заменить старый файл новым</source>
        <translation>The old file could not be replaced by the new one</translation>
    </message>
    <message>
        <source>Не удалось изменить размер файла</source>
        <translation>The file&apos;s size could not be changed</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Нет места на диске</source>
        <translation>No space left on the disk</translation>
    </message>
    <message>
        <source>Превышена дисковая квота</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Файл превысил допустимый размер</source>
        <translation>The file is larger than allowed</translation>
    </message>
    <message>
        <source>Нет прав доступа</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Диск доступен только для чтения</source>
        <translation>The disk is read-only</translation>
    </message>
    <message>
        <source>Файл или папка не найдены</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>Часть пути не является папкой</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <source>На месте файла находится папка</source>
        <translation>A folder stands where the file should be</translation>
    </message>
    <message>
        <source>Слишком длинное имя файла</source>
        <translation>The file name is too long</translation>
    </message>
    <message>
        <source>Слишком много символических ссылок в пути</source>
        <translation>Too many symbolic links in the path</translation>
    </message>
    <message>
        <source>Открыто слишком много файлов</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Недостаточно памяти</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Файл занят</source>
        <translation>The file is busy</translation>
    </message>
    <message>
        <source>Ошибка ввода-вывода</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source> (код ошибки %1)</source>
        <translation> (error code %1)</translation>
    </message>
    <message>
        <source>Нет прав на чтение файла</source>
        <translation>No permission to read the file</translation>
    </message>
    <message>
        <source>На месте файла находится не обычный файл, а устройство или канал</source>
        <translation>A device or a pipe stands in place of the file, not a regular file</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Содержание...</source>
        <translation>Contents...</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Новое событие</source>
        <translation>New event</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Помощь...</source>
        <translation>Help...</translation>
    </message>
    <message>
        <source>&amp;День...</source>
        <translation>&amp;Day...</translation>
    </message>
    <message>
        <source>&amp;Свойства...</source>
        <translation>&amp;Properties...</translation>
    </message>
    <message>
        <source>Импорт...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Экспорт...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Синхронизация...</source>
        <translation>Synchronization...</translation>
    </message>
</context>
<context>
    <name>MergeDays</name>
    <message>
        <source>%1: на один день может приходиться не более %2 событий, а на день %3 (%4) их пришлось бы %5.</source>
        <translation>%1: a day can hold at most %2 events, and %4 %3 would then have %5.</translation>
    </message>
    <message>
        <source>Событие не перенесено</source>
        <translation>The event was not moved</translation>
    </message>
    <message>
        <source>События не перенесены</source>
        <translation>The events were not moved</translation>
    </message>
    <message>
        <source>Объединение дней %1 (%2) и %3 (%4)</source>
        <translation>Merging %2 %1 and %4 %3</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message>
        <source>неверная дата</source>
        <translation>invalid date</translation>
    </message>
    <message>
        <source>в этом дне уже 40 событий</source>
        <translation>the day already has 40 events</translation>
    </message>
    <message>
        <source>категорий уже 10, событие отнесено к последней</source>
        <translation>there are already 10 categories, the event went to the last one</translation>
    </message>
    <message>
        <source>категория не указана, событие отнесено к последней</source>
        <translation>no category given, the event went to the last one</translation>
    </message>
    <message>
        <source>название категории сокращено до 20 символов</source>
        <translation>category name shortened to 20 characters</translation>
    </message>
    <message>
        <source>название сокращено до 40 символов</source>
        <translation>name shortened to 40 characters</translation>
    </message>
    <message>
        <source>описание сокращено до 255 символов</source>
        <translation>description shortened to 255 characters</translation>
    </message>
    <message>
        <source>недопустимые символы заменены на &quot;?&quot;</source>
        <translation>unsupported characters replaced with &quot;?&quot;</translation>
    </message>
    <message>
        <source>Добавлено событий: %1.</source>
        <translation>Events added: %1.</translation>
    </message>
    <message>
        <source>Не добавлено событий</source>
        <translation>Events not added</translation>
    </message>
    <message>
        <source>Добавлено с изменениями</source>
        <translation>Added with changes</translation>
    </message>
    <message>
        <source>не событие (задача, запись дневника и т. п.)</source>
        <translation>not an event (a to-do, a journal entry or the like)</translation>
    </message>
    <message>
        <source>не повторяется каждый год в один и тот же день</source>
        <translation>does not come back every year on the same day</translation>
    </message>
    <message>
        <source>событие со временем, а не на весь день</source>
        <translation>a timed event, not an all-day one</translation>
    </message>
    <message>
        <source>у контакта не указан день рождения</source>
        <translation>the contact has no birthday</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Календарь</source>
        <translation>Calendar</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>Пароль для %1 на %2 не сохранён.</source>
        <translation>No password is kept for %1 on %2.</translation>
    </message>
    <message>
        <source>Хранилище паролей рабочего стола недоступно.</source>
        <translation>The desktop&apos;s password store is not available.</translation>
    </message>
    <message>
        <source>Не удалось прочитать пароль: %1.</source>
        <translation>Could not read the password: %1.</translation>
    </message>
    <message>
        <source>Не удалось сохранить пароль: %1.</source>
        <translation>Could not save the password: %1.</translation>
    </message>
    <message>
        <source>Не удалось удалить пароль: %1.</source>
        <translation>Could not delete the password: %1.</translation>
    </message>
</context>
<context>
    <name>PlatformChecks</name>
    <message>
        <source>Программма не расчитана на работу в 16-ти цветном режиме,
так как некоторая информация может отображаться некорректно.

Дальнейшая работа приложения невозможна.</source>
        <translation>The program is not made to run in 16-colour mode,
as some information may be shown incorrectly.

The program cannot continue.</translation>
    </message>
    <message>
        <source>В вашей системе не установлен шрифт &apos;MS Sans Serif&apos;.
Программа не сможет дальше работать, так как некоторые
данные могут некорректно отображаться.</source>
        <translation>The &apos;MS Sans Serif&apos; font is not installed on your system.
The program cannot go on, as some data
may be shown incorrectly.</translation>
    </message>
    <message>
        <source>Данная версия программы разработана для работы
в операционной системе Windows95. Пожалуйста, приобретите
соответсвующую версию программы для Вашей Windows-среды.

Дальнейшая работа приложения невозможна.</source>
        <translation>This version of the program is made to run
on Windows 95. Please get the version
of the program made for your Windows system.

The program cannot continue.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Просмотреть предыдущий месяц.</source>
        <translation>View the previous month.</translation>
    </message>
    <message>
        <source>Просмотреть следующий месяц.</source>
        <translation>View the next month.</translation>
    </message>
    <message>
        <source>Главное меню.</source>
        <translation>Main menu.</translation>
    </message>
    <message>
        <source>Описание программы...</source>
        <translation>User guide...</translation>
    </message>
    <message>
        <source>Изменить параметры работы программы...</source>
        <translation>Change the program&apos;s settings...</translation>
    </message>
    <message>
        <source>Выбрать день для просмотра...</source>
        <translation>Choose a day to view...</translation>
    </message>
    <message>
        <source>Импортировать календарь из файла...</source>
        <translation>Import a calendar from a file...</translation>
    </message>
    <message>
        <source>Экспортировать календарь в текстовый файл.</source>
        <translation>Export the calendar to a text file.</translation>
    </message>
    <message>
        <source>Закрыть
Закрыть</source>
        <translation>Close
Close</translation>
    </message>
    <message>
        <source>Открыть календарь
Открыть календарь</source>
        <translation>Open the calendar
Open the calendar</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Свернуть календарь.</source>
        <translation>Minimize the calendar.</translation>
    </message>
    <message>
        <source>Новая категория</source>
        <translation>New category</translation>
    </message>
    <message>
        <source>Переместить...</source>
        <translation>Move...</translation>
    </message>
    <message>
        <source>Переместить событие.</source>
        <translation>Move the events.</translation>
    </message>
    <message>
        <source>Свойства календаря</source>
        <translation>Calendar properties</translation>
    </message>
    <message>
        <source>Для добавления нового события нажмите левую кнопку мыши.</source>
        <translation>Left-click to add a new event.</translation>
    </message>
    <message>
        <source>Для настройки свойств календаря нажмите правую кнопку мыши.</source>
        <translation>Right-click to set the calendar&apos;s properties.</translation>
    </message>
    <message>
        <source>Сохранять расположение окна</source>
        <translation>Remember the window position</translation>
    </message>
    <message>
        <source>Отображать дни в hex-представлении</source>
        <translation>Show the days in hexadecimal</translation>
    </message>
    <message>
        <source>Отображать названия дней недели (перезапуск)</source>
        <translation>Show weekday names (after a restart)</translation>
    </message>
    <message>
        <source>Сохранять размер календаря</source>
        <translation>Remember the calendar size</translation>
    </message>
    <message>
        <source>Календарь</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Монитор</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Помещать в область значков панели задач</source>
        <translation>Put an icon in the notification area</translation>
    </message>
    <message>
        <source>Оповещать о наступлении событий за</source>
        <translation>Notify of events coming within</translation>
    </message>
    <message>
        <source>1 день</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>3 дня</source>
        <translation>3 days</translation>
    </message>
    <message>
        <source>5 дней</source>
        <translation>5 days</translation>
    </message>
    <message>
        <source>7 дней</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>10 дней</source>
        <translation>10 days</translation>
    </message>
    <message>
        <source>Сохранять располжение календаря</source>
        <translation>Remember the calendar position</translation>
    </message>
    <message>
        <source>Запускать при старте Windows</source>
        <translation>Start at log-in</translation>
    </message>
    <message>
        <source>Синхронизировать календарь с сервером CalDAV...</source>
        <translation>Synchronize the calendar with a CalDAV server...</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>несколько событий в одной записи</source>
        <translation>several events in one entry</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>Пароль %1 на %2: </source>
        <translation>Password of %1 on %2: </translation>
    </message>
    <message>
        <source>пароль не введён</source>
        <translation>no password given</translation>
    </message>
    <message>
        <source>календарь открыт в программе, которая запишет свои события поверх полученных, когда закончит работу. Закройте её и повторите синхронизацию.</source>
        <translation>the calendar program is running: it would write its own events over the synced ones when it ends. Close it and sync again.</translation>
    </message>
    <message>
        <source>синхронизация не настроена (orvanectl sync setup URL --user ИМЯ)</source>
        <translation>sync is not set up (orvanectl sync setup URL --user NAME)</translation>
    </message>
    <message>
        <source>%1 не на сервере %2</source>
        <translation>%1 is not on the server %2</translation>
    </message>
    <message>
        <source>на сервере %1 нет календаря для событий</source>
        <translation>the server %1 has no calendar that takes events</translation>
    </message>
    <message>
        <source>Пароль будет спрошен при каждой синхронизации.</source>
        <translation>The password will be asked at every sync.</translation>
    </message>
    <message>
        <source>синхронизация настроена: календарь %1, адресная книга %2</source>
        <translation>sync set up: calendar %1, address book %2</translation>
    </message>
    <message>
        <source>синхронизация настроена: календарь %1</source>
        <translation>sync set up: calendar %1</translation>
    </message>
</context>
<context>
    <name>SyncReport</name>
    <message>
        <source>Сервер снова и снова отклоняет изменения: синхронизация прервана.</source>
        <translation>The server refuses the changes again and again: the sync was stopped.</translation>
    </message>
    <message>
        <source>выгружено %1, загружено %2, удалено %3, конфликтов %4, оставлено %5</source>
        <translation>uploaded %1, downloaded %2, deleted %3, conflicts %4, left alone %5</translation>
    </message>
</context>
<context>
    <name>UpcomingDays</name>
    <message numerus="yes">
        <source>день</source>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>дня</source>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>дней</source>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
    <message>
        <source>Сегодня:</source>
        <translation>Today:</translation>
    </message>
    <message>
        <source>Завтра:</source>
        <translation>Tomorrow:</translation>
    </message>
    <message>
        <source>Послезавтра:</source>
        <translation>The day after tomorrow:</translation>
    </message>
    <message>
        <source>Через %1 %2:</source>
        <translation>In %1 %2:</translation>
    </message>
    <message>
        <source>Пропущено:</source>
        <translation>Missed:</translation>
    </message>
    <message>
        <source>Монитор</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>%1, %2 (%3).</source>
        <translation>%2 %1 (%3).</translation>
    </message>
</context>
<context>
    <name>orvane::CAboutDlg</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Календарь Orvane</source>
        <translation>Orvane Calendar</translation>
    </message>
    <message>
        <source>Версия </source>
        <translation>Version </translation>
    </message>
</context>
<context>
    <name>orvane::CEventTreeDialog</name>
    <message>
        <source>Календарь</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Установки</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Оповещать о наступлении</source>
        <translation>Notify when due</translation>
    </message>
    <message>
        <source>&amp;Категория</source>
        <translation>&amp;Category</translation>
    </message>
    <message>
        <source>&amp;Событие</source>
        <translation>&amp;Event</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Заметки: </source>
        <translation>Notes: </translation>
    </message>
    <message>
        <source>Дерево событий:</source>
        <translation>Events:</translation>
    </message>
    <message>
        <source>Новая категория</source>
        <translation>New category</translation>
    </message>
    <message>
        <source>Действительно хотите удалить категорию &apos;%1&apos; ?</source>
        <translation>Do you really want to delete the category &apos;%1&apos;?</translation>
    </message>
</context>
<context>
    <name>orvane::CExchangePathRow</name>
    <message>
        <source>Указать файл для экспорта</source>
        <translation>Choose the file to export to</translation>
    </message>
    <message>
        <source>Указать файл для импорта</source>
        <translation>Choose the file to import from</translation>
    </message>
</context>
<context>
    <name>orvane::CExchangeWizard</name>
    <message>
        <source>Экспорт событий [Шаг 1 из 2]</source>
        <translation>Export events [Step 1 of 2]</translation>
    </message>
    <message>
        <source>Экспорт событий [Шаг 2 из 2]</source>
        <translation>Export events [Step 2 of 2]</translation>
    </message>
    <message>
        <source>Импорт событий [Шаг 1 из 2]</source>
        <translation>Import events [Step 1 of 2]</translation>
    </message>
    <message>
        <source>Импорт событий [Шаг 2 из 2]</source>
        <translation>Import events [Step 2 of 2]</translation>
    </message>
</context>
<context>
    <name>orvane::CGoToDayDlg</name>
    <message>
        <source>Просмотреть день...</source>
        <translation>View a day...</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
</context>
<context>
    <name>orvane::CMainDlg</name>
    <message>
        <source>Календарь</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Закрыть календарь.</source>
        <translation>Close the calendar.</translation>
    </message>
    <message>
        <source>Синхронизация...</source>
        <translation>Synchronizing...</translation>
    </message>
    <message>
        <source>Синхронизация: %1</source>
        <translation>Synchronization: %1</translation>
    </message>
</context>
<context>
    <name>orvane::CMergeDaysDialog</name>
    <message>
        <source>Добавить событие</source>
        <translation>Add the event</translation>
    </message>
    <message>
        <source>Добавить все события</source>
        <translation>Add all events</translation>
    </message>
    <message>
        <source>Вернуть все события</source>
        <translation>Take all events back</translation>
    </message>
    <message>
        <source>Вернуть событие</source>
        <translation>Take the event back</translation>
    </message>
</context>
<context>
    <name>orvane::CSettingsDialog</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>orvane::CSyncDialog</name>
    <message>
        <source>Синхронизация</source>
        <translation>Synchronization</translation>
    </message>
    <message>
        <source>Сервер CalDAV/CardDAV</source>
        <translation>CalDAV/CardDAV server</translation>
    </message>
    <message>
        <source>&amp;Адрес:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>&amp;Пользователь:</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>Па&amp;роль:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Найти</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Коллекции</source>
        <translation>Collections</translation>
    </message>
    <message>
        <source>&amp;Календарь:</source>
        <translation>&amp;Calendar:</translation>
    </message>
    <message>
        <source>Син&amp;хронизировать каждые 15 минут</source>
        <translation>Synchronize &amp;every 15 minutes</translation>
    </message>
    <message>
        <source>Последняя синхронизация</source>
        <translation>Last synchronization</translation>
    </message>
    <message>
        <source>&amp;Синхронизировать сейчас</source>
        <translation>&amp;Synchronize now</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 Пароль будет храниться в памяти до выхода из программы.</source>
        <translation>%1 The password will be kept in memory until the program ends.</translation>
    </message>
    <message>
        <source>Поиск...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Календарей: %1, адресных книг: %2.</source>
        <translation>Calendars: %1, address books: %2.</translation>
    </message>
    <message>
        <source>(нет)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Не выполнялась.</source>
        <translation>Never done.</translation>
    </message>
    <message>
        <source>Синхронизация...</source>
        <translation>Synchronizing...</translation>
    </message>
    <message>
        <source>Адресная кни&amp;га:</source>
        <translation>Address &amp;book:</translation>
    </message>
</context>
<context>
    <name>orvane::CSyncScheduler</name>
    <message>
        <source>Синхронизация</source>
        <translation>Synchronization</translation>
    </message>
    <message>
        <source>Пароль пользователя %1 на %2:</source>
        <translation>Password of user %1 on %2:</translation>
    </message>
</context>
<context>
    <name>orvane::CWizardExport</name>
    <message>
        <source>Все </source>
        <translation>All </translation>
    </message>
    <message>
        <source>Выборочно</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Мастер экспорта событий позволяет выгрузить информацию о событиях.
Укажите те события, которые вы желаете экспортировать :</source>
        <translation>The export wizard writes out information about your events.
Mark the events you want to export:</translation>
    </message>
</context>
<context>
    <name>orvane::CWizardExportLast</name>
    <message>
        <source>Сохранить в буфере обмена.</source>
        <translation>Save to the clipboard.</translation>
    </message>
    <message>
        <source>Сохранить в файле :</source>
        <translation>Save to a file:</translation>
    </message>
    <message>
        <source>Если вы хотите переслать информацию о событиях коллегам или друзьям по e-mail или icq, то экспортируйте ее в буфер объектов, для передачи другим способом выберите опцию &quot;сохранить в файле&quot;.</source>
        <translation>To send your events to colleagues or friends by e-mail or ICQ, export them to the clipboard; to pass them on in another way, choose &quot;save to a file&quot;.</translation>
    </message>
</context>
<context>
    <name>orvane::CWizardImport</name>
    <message>
        <source>Импортировать из буфера обмена.</source>
        <translation>Import from the clipboard.</translation>
    </message>
    <message>
        <source>Импортировать из файла:</source>
        <translation>Import from a file:</translation>
    </message>
    <message>
        <source>Мастер импорта позволит вам добавить события из календарей ваших коллег или друзей. Выберите сбособ импорта.</source>
        <translation>The import wizard lets you add events from your colleagues&apos; or friends&apos; calendars. Choose how to import.</translation>
    </message>
</context>
<context>
    <name>orvane::CWizardImportLast</name>
    <message>
        <source>Укажите только те события, которые необходимо добавить в ваш календарь:</source>
        <translation>Mark only the events you want to add to your calendar:</translation>
    </message>
</context>
</TS>
