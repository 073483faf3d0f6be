<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="uk_UA">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>перед портом немає адреси</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>це не адреса IPv4 (чотири числа від 0 до 255 через крапку)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>ім'я хоста задовге</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>це не ім'я хоста (літери, цифри, дефіси й крапки)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>це адреса IPv6, а сервери Half-Life працюють лише через IPv4</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>порт має бути цілим числом від 1 до 65535</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Перевірне повідомлення Zib</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Перевірка: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2 з %3 на %4</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Мапа %1, гравці %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>і ще %1</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>у з'єднанні відмовлено</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>сервіс закрив з'єднання</translation>
    </message>
    <message>
        <source>the service's host was not found</source>
        <translation>хост сервісу не знайдено</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>час з'єднання вичерпано</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>захищене з'єднання не вдалося (сертифікат не довірений)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>мережа недоступна</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>не вдалося скористатися проксі</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>помилка мережі %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>немає відповіді за %1 с</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Доставлено</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Надсилання припинено: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>немає сеансової шини</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Показати Zib</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Зайти на сервер</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>немає області сповіщень</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>Диск із файлом історії
%1
заповнений. Запис історії призупинено, доки не звільниться місце.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>Не вдається записати файл історії
%1
(%2). Zib працюватиме далі без запису історії.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>він пошкоджений, і його не вдалося перемістити</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>Файл історії був пошкоджений. Його переміщено до
%2
Новий файл розпочато в
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>Файл історії
%1
записаний новішою версією Zib і залишений як є. Ця версія веде історію в
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>Файл історії
%1
заблокований іншою програмою і залишений як є. Цього разу історія пишеться в
%2</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 of the days</source>
        <translation>%1 днів</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: помічений у %4 днів</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, найчастіше на %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Клан помічено</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Слоти</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Гравці (середнє за 15 хв)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Гравці</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Свої (середнє за 15 хв)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Свої</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Історія</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Останні 24 години</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Останні 7 днів</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Останні 30 днів</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Фільтр:</translation>
    </message>
    <message>
        <source>the last 30 days, in your hours</source>
        <translation>за останні 30 днів, за вашим часом</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Карта тижня</translation>
    </message>
    <message>
        <source>From</source>
        <translation>З</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Пік</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Ніки</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Появи</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Експорт...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Очистити історію</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Немає сервера</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>Не помічений за останні 30 днів.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Найчастіше на %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Не вдалося записати історію в
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Забути все, що Zib зберіг про ваші сервери та клани? Це не можна скасувати.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Пошук імені хоста...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Пошук імен хостів (%1)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Позначте сервери, за якими стежитиме Zib. Ігри Half-Life вже позначено; сервери з вашого списку показано сірим.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Остання гра</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Обране</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Історія</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Уже у вашому списку</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Не підходить: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>лапки не закрито</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>дужку умови не закрито</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>рядок %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>блок </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> не закрито до кінця файлу</translation>
    </message>
    <message>
        <source>a '}' closes no block</source>
        <translation>'}' не закриває жодного блоку</translation>
    </message>
    <message>
        <source>a block has no name before its '{'</source>
        <translation>у блоку немає імені перед '{'</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>умова стоїть на місці імені</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>вкладеність блоків більша за %1</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> без значення</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>ПОМИЛКА</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>Не вдалося зберегти зміну в
%1
(%2).

Zib пам'ятає її, поки працює, і збереже знову з наступною зміною.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>Не вдалося зберегти зміни в
%1
(%2).

Zib закривається, тож їх втрачено.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Сповіщення</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Сповіщення стільниці</translation>
    </message>
    <message>
        <source>Show alerts in the desktop's notifications</source>
        <translation>Показувати тривоги в сповіщеннях</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL вебхука</translation>
    </message>
    <message>
        <source>Bot token</source>
        <translation>Токен бота</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>Bot API</source>
        <translation>Bot API</translation>
    </message>
    <message>
        <source>Phone (ntfy)</source>
        <translation>Телефон (ntfy)</translation>
    </message>
    <message>
        <source>Topic URL</source>
        <translation>URL теми</translation>
    </message>
    <message>
        <source>Access token</source>
        <translation>Токен</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Send Test</source>
        <translation>Перевірити</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Не налаштовано: спершу заповніть поля вище</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Зупинено: %1 (змініть налаштування, щоб спробувати знову)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Надсилання</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Увімк.; ще нічого не надіслано</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Останнє: %1 о %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; у черзі: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; відкинуто: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Delivered</source>
        <translation>Доставлено</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Служба сповіщень стільниці не відповідає</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Увімк.; ще нічого не надіслано</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Останнє: %1 о %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered "%2".

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Тривоги більше не надсилаються до %1: сервіс відповів «%2».

Перевірте налаштування у вікні «Сповіщення»; після їх зміни надсилання відновиться.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation>: потрібна адреса, що починається з http:// або https://.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>Вебхук Discord</translation>
    </message>
    <message>
        <source>Telegram needs both the bot's token and the chat.</source>
        <translation>Для Telegram потрібні і токен бота, і чат.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>У токені Telegram є символи, яких не буває в токені бота.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>Адреса Telegram Bot API</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>Тема ntfy</translation>
    </message>
    <message>
        <source>The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>Адреса теми ntfy має закінчуватися темою, наприклад https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>файл лише для читання</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>його теки немає</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>Zib не може слухати UDP-порт %1: %2. Перевірку вимкнено, доки порт не звільниться.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    і ще %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation><numerusform>Додано %n сервер.</numerusform><numerusform>Додано %n сервери.</numerusform><numerusform>Додано %n серверів.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation><numerusform>Додано %n сервер.</numerusform><numerusform>Додано %n сервери.</numerusform><numerusform>Додано %n серверів.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation><numerusform>%n сервер уже був у списку й пропущений.</numerusform><numerusform>%n сервери вже були в списку й пропущені.</numerusform><numerusform>%n серверів уже були в списку й пропущені.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation><numerusform>%n сервер уже був у списку й пропущений.</numerusform><numerusform>%n сервери вже були в списку й пропущені.</numerusform><numerusform>%n серверів уже були в списку й пропущені.</numerusform></translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>Zib не зміг записати файл налаштувань </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: за новими серверами Zib стежить зараз, але після перезапуску їх не буде.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n сервер не вмістився: у списку не більше %1.</numerusform><numerusform>%n сервери не вмістилися: у списку не більше %1.</numerusform><numerusform>%n серверів не вмістилися: у списку не більше %1.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n сервер не вмістився: у списку не більше %1.</numerusform><numerusform>%n сервери не вмістилися: у списку не більше %1.</numerusform><numerusform>%n серверів не вмістилися: у списку не більше %1.</numerusform></translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Ці імена хостів не знайдено:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Пошук цих імен хостів скасовано:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Це не адреси серверів, які може взяти Zib:</translation>
    </message>
</context>
<context>
    <name>ServerGrid</name>
    <message>
        <source> Server</source>
        <translation> Сервер</translation>
    </message>
    <message>
        <source> Map</source>
        <translation> Мапа</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Гравці</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Свої</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>СЕРВЕР: </translation>
    </message>
    <message>
        <source>Addr: </source>
        <translation>Адреса: </translation>
    </message>
    <message>
        <source>Port: </source>
        <translation>Порт: </translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Пінг: %1 мс</translation>
    </message>
</context>
<context>
    <name>ServerGridMenu</name>
    <message>
        <source>Join Game</source>
        <translation>Зайти на сервер</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Копіювати адресу</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>На цьому комп'ютері нічим відкрити посилання steam://, тож гру не вдалося запустити (чи встановлено Steam?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>Адресу </translation>
    </message>
    <message>
        <source> has been copied: type "connect " in the game's console and paste it after that.</source>
        <translation> скопійовано: введіть у консолі гри "connect " і вставте її слідом.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>У буфері обміну не знайдено адрес серверів.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Файл списку серверів Steam не знайдено. Zib шукав userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf у:</translation>
    </message>
    <message>
        <source>Steam's server browser lists no favourites and no history.</source>
        <translation>У списку серверів Steam немає ні обраного, ні історії.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Імпорт серверів зі Steam</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Додати сервери з буфера</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Історія...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Адреса сервера й номер порту:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    або</translation>
    </message>
    <message>
        <source>Sorry that address doesn't look right.</source>
        <translation>Ця адреса, схоже, неправильна.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Введіть адресу І порт через двокрапку (:).</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Точно видалити: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Додати ігровий сервер</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Видалити сервер</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: файл більший за %1 МБ, таких списків серверів не буває; його не прочитано.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: файл пошкоджено (</translation>
    </message>
    <message>
        <source>App %1</source>
        <translation>Застосунок %1</translation>
    </message>
</context>
<context>
    <name>alertCreeper</name>
    <message>
        <source>ALERT</source>
        <translation>ТРИВОГА</translation>
    </message>
</context>
<context>
    <name>filtersWindow</name>
    <message>
        <source>|Clan Tag          | Show Alert |  Trigger  </source>
        <translation>|Тег клану        | Тривога    |  Поріг    </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Фільтри</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Ваші фільтри кланів</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Новий фільтр</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Клан/тег</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Вікно тривоги + звук</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Гравців для тривоги</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Зміни діють одразу</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Sorry I couldn't add that filter. Make sure you've entered all the details</source>
        <translation>Не вдалося додати фільтр. Перевірте, що всі поля заповнено</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd" />
<byte value="xd" />
</source>
        <translation>Точно видалити: <byte value="xd" />
<byte value="xd" />
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Історія...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>Zib уже запущено для цього облікового запису в іншому сеансі цього комп'ютера. Там зберігаються ваші сервери й налаштування; друга копія перезаписала б їх, тож ця завершується.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Закрийте Zib в іншому сеансі, щоб запустити його тут.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Show Servers</source>
        <translation>Сервери</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Сховати</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>Zib стежить за вашими серверами</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Додати сервер</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Фільтри</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Показати Zib</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Запускати разом із системою</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Сповіщення...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Не вдалося зберегти мову.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>Вибрану мову буде ввімкнено з наступного запуску Zib.</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Не вдалося ввімкнути автозапуск Zib:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Не вдалося вимкнути автозапуск Zib:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>у ньому є токен, і його не вдалося зробити доступним лише вам</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>Налаштування ZIB</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Ігрові сервери</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Опитувати сервери кожні (секунд 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Тривоги</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Тривога не частіше ніж раз на (хвилин)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Звук під час тривоги</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Зміни діють одразу</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Сповіщення...</translation>
    </message>
</context>
</TS>