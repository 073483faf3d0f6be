<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru_RU">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>перед портом нет адреса</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>это не адрес IPv4 (четыре числа от 0 до 255 через точку)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>имя хоста слишком длинное</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>это не имя хоста (буквы, цифры, дефисы и точки)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>это адрес IPv6, а серверы Half-Life работают только по IPv4</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>порт должен быть целым числом от 1 до 65535</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Проверочное сообщение Zib</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Проверка: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2 из %3 на %4</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Карта %1, игроки %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>в соединении отказано</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>сервис закрыл соединение</translation>
    </message>
    <message>
        <source>the service's host was not found</source>
        <translation>хост сервиса не найден</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>время соединения истекло</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>защищённое соединение не удалось (сертификат не доверенный)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>сеть недоступна</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>не удалось использовать прокси</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>ошибка сети %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>нет ответа за %1 с</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Доставлено</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Отправка прекращена: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>нет сеансовой шины</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Показать Zib</translation>
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
        <translation>нет области уведомлений</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>Диск с файлом истории
%1
заполнен. Запись истории приостановлена, пока не освободится место.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>Не удаётся записать файл истории
%1
(%2). Zib продолжит работу без записи истории.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>он повреждён, и его не удалось переместить</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>Файл истории был повреждён. Он перемещён в
%2
Новый файл начат в
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>Файл истории
%1
записан более новой версией Zib и оставлен как есть. Эта версия ведёт историю в
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>Файл истории
%1
заблокирован другой программой и оставлен как есть. В этот раз история пишется в
%2</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 of the days</source>
        <translation>%1 дней</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: замечен в %4 дней</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, чаще всего на %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Клан замечен</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Слоты</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Игроки (среднее за 15 мин)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Свои (среднее за 15 мин)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Свои</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Последние 24 часа</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Последние 7 дней</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Последние 30 дней</translation>
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
        <translation>Фильтр:</translation>
    </message>
    <message>
        <source>the last 30 days, in your hours</source>
        <translation>за последние 30 дней, по вашему времени</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Карта недели</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Пик</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Ники</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Появления</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Очистить историю</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Нет сервера</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>Не замечен за последние 30 дней.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Чаще всего на %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Не удалось записать историю в
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Забыть всё, что Zib сохранил о ваших серверах и кланах? Это нельзя отменить.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Поиск имени хоста...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Поиск имён хостов (%1)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Отметьте серверы, за которыми следить Zib. Игры Half-Life уже отмечены; серверы из вашего списка показаны серым.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Последняя игра</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Уже в вашем списке</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Не подходит: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>не закрыта кавычка</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>не закрыта скобка условия</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>блок </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> не закрыт до конца файла</translation>
    </message>
    <message>
        <source>a '}' closes no block</source>
        <translation>'}' не закрывает ни одного блока</translation>
    </message>
    <message>
        <source>a block has no name before its '{'</source>
        <translation>у блока нет имени перед '{'</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>условие стоит на месте имени</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>вложенность блоков больше %1</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> без значения</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>Не удалось сохранить изменение в
%1
(%2).

Zib помнит его, пока работает, и сохранит снова при следующем изменении.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>Не удалось сохранить изменения в
%1
(%2).

Zib закрывается, поэтому они потеряны.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Уведомления рабочего стола</translation>
    </message>
    <message>
        <source>Show alerts in the desktop's notifications</source>
        <translation>Показывать тревоги в уведомлениях</translation>
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
        <translation>URL темы</translation>
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
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Не настроено: сначала заполните поля выше</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Остановлено: %1 (измените настройки, чтобы попробовать снова)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Вкл.; пока ничего не отправлено</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Последнее: %1 в %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; в очереди: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; отброшено: %1</translation>
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
        <translation>Служба уведомлений рабочего стола не отвечает</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Вкл.; пока ничего не отправлено</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Последнее: %1 в %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered "%2".

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Тревоги больше не отправляются в %1: сервис ответил «%2».

Проверьте настройки в окне «Уведомления»; после их изменения отправка возобновится.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation>: нужен адрес, начинающийся с http:// или https://.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>Вебхук Discord</translation>
    </message>
    <message>
        <source>Telegram needs both the bot's token and the chat.</source>
        <translation>Для Telegram нужны и токен бота, и чат.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>В токене Telegram есть символы, которых не бывает в токене бота.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>Адрес Telegram Bot API</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>Тема ntfy</translation>
    </message>
    <message>
        <source>The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>Адрес темы ntfy должен заканчиваться темой, например https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>файл только для чтения</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>его папки нет</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>Zib не может слушать UDP-порт %1: %2. Проверка выключена, пока порт не освободится.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    и ещё %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation><numerusform>Добавлен %n сервер.</numerusform><numerusform>Добавлено %n сервера.</numerusform><numerusform>Добавлено %n серверов.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation><numerusform>Добавлен %n сервер.</numerusform><numerusform>Добавлено %n сервера.</numerusform><numerusform>Добавлено %n серверов.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation><numerusform>%n сервер уже был в списке и пропущен.</numerusform><numerusform>%n сервера уже были в списке и пропущены.</numerusform><numerusform>%n серверов уже были в списке и пропущены.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation><numerusform>%n сервер уже был в списке и пропущен.</numerusform><numerusform>%n сервера уже были в списке и пропущены.</numerusform><numerusform>%n серверов уже были в списке и пропущены.</numerusform></translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>Zib не смог записать файл настроек </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: за новыми серверами Zib следит сейчас, но после перезапуска их не будет.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n сервер не поместился: в списке не больше %1.</numerusform><numerusform>%n сервера не поместились: в списке не больше %1.</numerusform><numerusform>%n серверов не поместились: в списке не больше %1.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n сервер не поместился: в списке не больше %1.</numerusform><numerusform>%n сервера не поместились: в списке не больше %1.</numerusform><numerusform>%n серверов не поместились: в списке не больше %1.</numerusform></translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Эти имена хостов не найдены:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Поиск этих имён хостов отменён:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Это не адреса серверов, которые может взять Zib:</translation>
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
        <translation> Карта</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Свои</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>СЕРВЕР: </translation>
    </message>
    <message>
        <source>Addr: </source>
        <translation>Адрес: </translation>
    </message>
    <message>
        <source>Port: </source>
        <translation>Порт: </translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Пинг: %1 мс</translation>
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
        <translation>Копировать адрес</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>На этом компьютере нечем открыть ссылки steam://, поэтому игру не удалось запустить (установлен ли Steam?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>Адрес </translation>
    </message>
    <message>
        <source> has been copied: type "connect " in the game's console and paste it after that.</source>
        <translation> скопирован: введите в консоли игры "connect " и вставьте его следом.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>В буфере обмена не найдено адресов серверов.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Файл списка серверов Steam не найден. Zib искал userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf в:</translation>
    </message>
    <message>
        <source>Steam's server browser lists no favourites and no history.</source>
        <translation>В списке серверов Steam нет ни избранного, ни истории.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Импорт серверов из Steam</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Добавить серверы из буфера</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>История...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Адрес сервера и номер порта:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    или</translation>
    </message>
    <message>
        <source>Sorry that address doesn't look right.</source>
        <translation>Этот адрес, похоже, неверный.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Введите адрес И порт через двоеточие (:).</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Точно удалить: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Добавить игровой сервер</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Удалить сервер</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: файл больше %1 МБ, таких списков серверов не бывает; он не прочитан.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: файл повреждён (</translation>
    </message>
    <message>
        <source>App %1</source>
        <translation>Приложение %1</translation>
    </message>
</context>
<context>
    <name>alertCreeper</name>
    <message>
        <source>ALERT</source>
        <translation>ТРЕВОГА</translation>
    </message>
</context>
<context>
    <name>filtersWindow</name>
    <message>
        <source>|Clan Tag          | Show Alert |  Trigger  </source>
        <translation>|Тег клана        | Тревога    |  Порог    </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Фильтры</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Ваши фильтры кланов</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Удалить фильтр</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Новый фильтр</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Клан/тег</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Окно тревоги + звук</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Игроков для тревоги</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Изменения действуют сразу</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Sorry I couldn't add that filter. Make sure you've entered all the details</source>
        <translation>Не удалось добавить фильтр. Проверьте, что все поля заполнены</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd" />
<byte value="xd" />
</source>
        <translation>Точно удалить: <byte value="xd" />
<byte value="xd" />
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>История...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>Zib уже запущен для этой учётной записи в другом сеансе этого компьютера. Там хранятся ваши серверы и настройки; вторая копия перезаписала бы их, поэтому эта завершается.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Закройте Zib в другом сеансе, чтобы запустить его здесь.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Не удалось сохранить язык.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>Выбранный язык будет включён при следующем запуске Zib.</translation>
    </message>
    <message>
        <source>Show Servers</source>
        <translation>Серверы</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>Zib следит за вашими серверами</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Новый сервер</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Удалить сервер</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Фильтры</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Показать Zib</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Запускать вместе с системой</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Уведомления...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Не удалось включить автозапуск Zib:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Не удалось выключить автозапуск Zib:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>в нём есть токен, и его не удалось сделать доступным только вам</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>Настройки ZIB</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Игровые серверы</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Опрашивать серверы каждые (секунд 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Тревоги</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Тревога не чаще раза в (минут)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Звук при тревоге</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Изменения действуют сразу</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Уведомления...</translation>
    </message>
</context>
</TS>