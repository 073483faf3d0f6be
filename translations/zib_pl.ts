<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl_PL">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>przed portem nie ma adresu</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>to nie jest adres IPv4 (cztery liczby od 0 do 255 rozdzielone kropkami)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>nazwa hosta jest za długa</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>to nie jest nazwa hosta (litery, cyfry, myślniki i kropki)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>to adres IPv6, a z serwerami Half-Life łączy się tylko przez IPv4</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>port musi być liczbą całkowitą od 1 do 65535</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Wiadomość testowa Zib</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Test: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2 z %3 na %4</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Mapa %1, gracze %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i jeszcze %1</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>połączenie zostało odrzucone</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>usługa zamknęła połączenie</translation>
    </message>
    <message>
        <source>the service's host was not found</source>
        <translation>nie znaleziono hosta usługi</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>upłynął limit czasu połączenia</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>bezpieczne połączenie nie powiodło się (certyfikat nie jest zaufany)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>sieć nie działa</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>nie można użyć proxy</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>błąd sieci %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>brak odpowiedzi w ciągu %1 s</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Dostarczono</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Zaniechano: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>brak magistrali sesji</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Pokaż Zib</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Dołącz do gry</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>brak obszaru powiadomień</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>Dysk z plikiem historii
%1
jest pełny. Zapis historii wstrzymano, dopóki nie zwolni się miejsce.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>Nie można zapisać pliku historii
%1
(%2). Zib działa dalej bez zapisywania historii.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>jest uszkodzony i nie udało się go przenieść</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>Plik historii był uszkodzony. Przeniesiono go do
%2
a nowy rozpoczęto w
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>Plik historii
%1
zapisał nowszy Zib, więc zostaje bez zmian. Ta wersja prowadzi historię w
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>Plik historii
%1
jest zablokowany przez inny program i zostaje bez zmian. Tym razem historia trafia do
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
        <translation>%1 dni</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: widziany w %4 dni</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, najczęściej na %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Klan widziany</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Sloty</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Gracze (średnia z 15 min)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Z klanu (średnia z 15 min)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Z klanu</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Ostatnie 24 godziny</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Ostatnie 7 dni</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Ostatnie 30 dni</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serwer:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtr:</translation>
    </message>
    <message>
        <source>the last 30 days, in your hours</source>
        <translation>ostatnie 30 dni, w twoim czasie</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Mapa tygodnia</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Szczyt</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nicki</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Wystąpienia</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Wyczyść historię</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Brak serwera</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>Niewidziany w ostatnich 30 dniach.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Najczęściej na %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Nie udało się zapisać historii do
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Zapomnieć wszystko, co Zib zachował o twoich serwerach i klanach? Tego nie da się cofnąć.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Wyszukiwanie nazwy hosta...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Wyszukiwanie nazw hostów (%1)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Zaznacz serwery, które Zib ma obserwować. Gry Half-Life są już zaznaczone; serwery, które już są na twojej liście, są wyszarzone.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Ostatnia gra</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Już na twojej liście</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Nie do użycia: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>tekst w cudzysłowie nie jest zamknięty</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>warunek w nawiasach nie jest zamknięty</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>blok </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> nie jest zamknięty przed końcem pliku</translation>
    </message>
    <message>
        <source>a '}' closes no block</source>
        <translation>'}' nie zamyka żadnego bloku</translation>
    </message>
    <message>
        <source>a block has no name before its '{'</source>
        <translation>blok nie ma nazwy przed '{'</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>warunek stoi w miejscu nazwy</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>bloki są zagnieżdżone głębiej niż %1</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> nie ma wartości</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>Nie udało się zapisać zmiany w
%1
(%2).

Zib pamięta ją, dopóki działa, i zapisze ją ponownie przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>Nie udało się zapisać zmian w
%1
(%2).

Zib się zamyka, więc zostały utracone.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Powiadomienia</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Powiadomienia pulpitu</translation>
    </message>
    <message>
        <source>Show alerts in the desktop's notifications</source>
        <translation>Pokazuj alarmy w powiadomieniach pulpitu</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL webhooka</translation>
    </message>
    <message>
        <source>Bot token</source>
        <translation>Token bota</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Czat</translation>
    </message>
    <message>
        <source>Bot API</source>
        <translation>Bot API</translation>
    </message>
    <message>
        <source>Phone (ntfy)</source>
        <translation>Telefon (ntfy)</translation>
    </message>
    <message>
        <source>Topic URL</source>
        <translation>URL tematu</translation>
    </message>
    <message>
        <source>Access token</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Send Test</source>
        <translation>Testuj</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Nieskonfigurowane: najpierw wypełnij pola powyżej</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Zatrzymano: %1 (zmień ustawienia, aby spróbować ponownie)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Wł.; jeszcze nic nie wysłano</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Ostatnio: %1 o %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; w kolejce: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; odrzucone: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Delivered</source>
        <translation>Dostarczono</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Żadna usługa powiadomień nie odpowiada na tym pulpicie</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Wł.; jeszcze nic nie wysłano</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Ostatnio: %1 o %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered "%2".

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Alarmy nie są już wysyłane do %1: usługa odpowiedziała „%2”.

Sprawdź ustawienia w oknie Powiadomienia; po ich zmianie wysyłanie zostanie wznowione.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation> musi być adresem zaczynającym się od http:// lub https://.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>Webhook Discorda</translation>
    </message>
    <message>
        <source>Telegram needs both the bot's token and the chat.</source>
        <translation>Telegram potrzebuje zarówno tokena bota, jak i czatu.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>Token Telegrama zawiera znaki, których nie ma żaden token bota.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>Adres Telegram Bot API</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>Temat ntfy</translation>
    </message>
    <message>
        <source>The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>Adres tematu ntfy musi kończyć się tematem, jak w https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>brakuje jego folderu</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>Zib nie może nasłuchiwać na porcie UDP %1: %2. Sprawdzanie pozostaje wyłączone, dopóki port nie będzie wolny.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    i jeszcze %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation><numerusform>Dodano %n serwer.</numerusform><numerusform>Dodano %n serwery.</numerusform><numerusform>Dodano %n serwerów.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation><numerusform>Dodano %n serwer.</numerusform><numerusform>Dodano %n serwery.</numerusform><numerusform>Dodano %n serwerów.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation><numerusform>%n serwer był już na liście i został pominięty.</numerusform><numerusform>%n serwery były już na liście i zostały pominięte.</numerusform><numerusform>%n serwerów było już na liście i zostało pominiętych.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation><numerusform>%n serwer był już na liście i został pominięty.</numerusform><numerusform>%n serwery były już na liście i zostały pominięte.</numerusform><numerusform>%n serwerów było już na liście i zostało pominiętych.</numerusform></translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>Zib nie mógł zapisać pliku ustawień </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: nowe serwery są obserwowane teraz, ale znikną po ponownym uruchomieniu Zib.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n serwer się nie zmieścił: lista mieści najwyżej %1.</numerusform><numerusform>%n serwery się nie zmieściły: lista mieści najwyżej %1.</numerusform><numerusform>%n serwerów się nie zmieściło: lista mieści najwyżej %1.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n serwer się nie zmieścił: lista mieści najwyżej %1.</numerusform><numerusform>%n serwery się nie zmieściły: lista mieści najwyżej %1.</numerusform><numerusform>%n serwerów się nie zmieściło: lista mieści najwyżej %1.</numerusform></translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Nie znaleziono tych nazw hostów:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Wyszukiwanie tych nazw hostów zostało anulowane:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>To nie są adresy serwerów, których Zib może użyć:</translation>
    </message>
</context>
<context>
    <name>ServerGrid</name>
    <message>
        <source> Server</source>
        <translation> Serwer</translation>
    </message>
    <message>
        <source> Map</source>
        <translation> Mapa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Klan</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>SERWER: </translation>
    </message>
    <message>
        <source>Addr: </source>
        <translation>Adres: </translation>
    </message>
    <message>
        <source>Port: </source>
        <translation>Port: </translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Ping: %1 ms</translation>
    </message>
</context>
<context>
    <name>ServerGridMenu</name>
    <message>
        <source>Join Game</source>
        <translation>Dołącz do gry</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Kopiuj adres</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>Nic na tym komputerze nie otwiera linków steam://, więc nie udało się uruchomić gry (czy Steam jest zainstalowany?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>Adres </translation>
    </message>
    <message>
        <source> has been copied: type "connect " in the game's console and paste it after that.</source>
        <translation> został skopiowany: wpisz "connect " w konsoli gry i wklej go za tym.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>W schowku nie znaleziono adresów serwerów.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Nie znaleziono pliku przeglądarki serwerów Steam. Zib szukał userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf w:</translation>
    </message>
    <message>
        <source>Steam's server browser lists no favourites and no history.</source>
        <translation>Przeglądarka serwerów Steam nie ma ulubionych ani historii.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Importuj serwery ze Steam</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Dodaj serwery ze schowka</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historia...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Adres serwera i numer portu:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    lub</translation>
    </message>
    <message>
        <source>Sorry that address doesn't look right.</source>
        <translation>Ten adres wygląda na błędny.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Wpisz adres ORAZ port rozdzielone dwukropkiem (:).</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Na pewno usunąć: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Dodaj serwer gry</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Usuń serwer</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: plik ma ponad %1 MB, czego nie ma żadna lista serwerów; nie został odczytany.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: plik jest uszkodzony (</translation>
    </message>
    <message>
        <source>App %1</source>
        <translation>Aplikacja %1</translation>
    </message>
</context>
<context>
    <name>alertCreeper</name>
    <message>
        <source>ALERT</source>
        <translation>ALARM</translation>
    </message>
</context>
<context>
    <name>filtersWindow</name>
    <message>
        <source>|Clan Tag          | Show Alert |  Trigger  </source>
        <translation>|Tag klanu         | Alarm      |  Próg     </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Zmień filtry</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Twoje filtry klanów</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Usuń filtr</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Nowy filtr</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Nazwa/tag klanu</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Alarm na ekranie + dźwięk</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Graczy do alarmu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Zmiany działają od razu</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Sorry I couldn't add that filter. Make sure you've entered all the details</source>
        <translation>Nie udało się dodać filtra. Sprawdź, czy wypełniono wszystkie pola</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd" />
<byte value="xd" />
</source>
        <translation>Na pewno usunąć: <byte value="xd" />
<byte value="xd" />
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historia...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>Zib już działa dla tego konta w innej sesji na tym komputerze. Tam trzyma twoje serwery i ustawienia; druga kopia by je nadpisała, więc ta się kończy.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Zamknij Zib w drugiej sesji, aby uruchomić go tutaj.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Show Servers</source>
        <translation>Serwery</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>Zib obserwuje twoje serwery</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Dodaj serwer</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Usuń serwer</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Filtry</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Pokaż Zib</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Uruchamiaj z systemem</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Powiadomienia...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Nie udało się zapisać języka.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>Zib użyje wybranego języka od następnego uruchomienia.</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Nie udało się włączyć uruchamiania Zib z systemem:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Nie udało się wyłączyć uruchamiania Zib z systemem:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>zawiera token i nie udało się sprawić, by tylko ty mógł go czytać</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>Opcje ZIB</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Serwery gier</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Sprawdzaj serwery co (sekundy 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Alarm najwyżej raz na (minut)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Dźwięk przy alarmie</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Zmiany działają od razu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Powiadomienia...</translation>
    </message>
</context>
</TS>