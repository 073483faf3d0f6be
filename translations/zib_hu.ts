<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>a port előtt nincs cím</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>ez nem IPv4-cím (négy szám 0 és 255 között, pontokkal elválasztva)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>a hosztnév túl hosszú</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>ez nem hosztnév (betűk, számjegyek, kötőjelek és pontok)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>ez IPv6-cím; a Half-Life szerverek csak IPv4-en érhetők el</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>a portnak 1 és 65535 közötti egész számnak kell lennie</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Zib tesztüzenet</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Teszt: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2/%3 a(z) %4 szerveren</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Pálya: %1, játékosok: %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>és még %1</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>a kapcsolatot elutasították</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>a szolgáltatás bontotta a kapcsolatot</translation>
    </message>
    <message>
        <source>the service&apos;s host was not found</source>
        <translation>a szolgáltatás hosztja nem található</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>a kapcsolat túllépte az időkorlátot</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>a biztonságos kapcsolat nem jött létre (a tanúsítvány nem megbízható)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>a hálózat nem érhető el</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>a proxy nem használható</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>hálózati hiba %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>nincs válasz %1 másodpercen belül</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Kézbesítve</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Megszakítva: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>nincs munkamenetbusz</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Zib megjelenítése</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Csatlakozás a játékhoz</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>nincs értesítési terület</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>Az előzményfájlt tartalmazó lemez
%1
megtelt. Az előzmények rögzítése szünetel, amíg újra lesz hely.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>Az előzményfájl
%1
nem írható (%2). A Zib az előzmények rögzítése nélkül fut tovább.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>sérült, és nem sikerült félretenni</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>Az előzményfájl sérült volt. Félre lett téve ide:
%2
és új fájl indult itt:
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>Az előzményfájlt
%1
egy újabb Zib írta, ezért érintetlen marad. Ez a példány az előzményeit itt tartja:
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>Az előzményfájlt
%1
egy másik program zárolja, ezért érintetlen marad. Ez a futás az előzményeit itt tartja:
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
        <translation>a napok %1-a</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: a napok %4-ában látva</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, leginkább itt: %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Klán látva</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Férőhely</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Játékosok (15 perces átlag)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Játékosok</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Klán (15 perces átlag)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Klán</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Előzmények</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Utolsó 24 óra</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Utolsó 7 nap</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Utolsó 30 nap</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Szerver:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Szerver</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Szűrő:</translation>
    </message>
    <message>
        <source>the last 30 days, in your hours</source>
        <translation>az utolsó 30 nap, a te időd szerint</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Heti térkép</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Kezdet</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Vége</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Csúcs</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nevek</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Észlelések</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportálás...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Előzmények törlése</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Nincs szerver</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>Az utolsó 30 napban nem volt látható.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Leggyakrabban itt: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportálás</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-fájlok (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Az előzményeket nem sikerült kiírni ide:
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Elfelejtsen a Zib mindent, amit a szervereidről és klánjaidról megőrzött? Ez nem vonható vissza.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Hosztnév keresése...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>%1 hosztnév keresése...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Jelöld be a szervereket, amelyeket a Zib figyeljen. A Half-Life játékok már be vannak jelölve; a listádban már szereplő szerverek szürkék.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Utoljára játszva</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Játék</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Kedvenc</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Előzmények</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Már a listádban van</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Nem használható: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>egy idézőjeles szöveg nincs lezárva</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>egy zárójeles feltétel nincs lezárva</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1. sor: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>a(z) </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> blokk nincs lezárva a fájl vége előtt</translation>
    </message>
    <message>
        <source>a &apos;}&apos; closes no block</source>
        <translation>egy &apos;}&apos; nem zár le blokkot</translation>
    </message>
    <message>
        <source>a block has no name before its &apos;{&apos;</source>
        <translation>egy blokknak nincs neve a &apos;{&apos; előtt</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>egy feltétel áll ott, ahol névnek kellene</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>a blokkok %1 szintnél mélyebben vannak egymásba ágyazva</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> értéke hiányzik</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>HIBA</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>A módosítást nem sikerült menteni ide:
%1
(%2).

A Zib megőrzi, amíg fut, és a következő módosításoddal együtt újra menti.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>A módosításokat nem sikerült menteni ide:
%1
(%2).

A Zib bezárul, így elvesznek.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Értesítések</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Asztali értesítések</translation>
    </message>
    <message>
        <source>Show alerts in the desktop&apos;s notifications</source>
        <translation>Riasztások megjelenítése az asztali értesítésekben</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>Webhook URL</translation>
    </message>
    <message>
        <source>Bot token</source>
        <translation>Bot token</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
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
        <translation>Téma URL</translation>
    </message>
    <message>
        <source>Access token</source>
        <translation>Hozzáférési token</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Send Test</source>
        <translation>Teszt</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Nincs beállítva: előbb töltsd ki a fenti mezőket</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Leállítva: %1 (az újrapróbáláshoz módosítsd a beállításokat)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Küldés</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Be; még semmi sem ment el</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Utolsó: %1 (%2)</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; várakozik: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; eldobva: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Delivered</source>
        <translation>Kézbesítve</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Ezen az asztalon nem válaszol értesítési szolgáltatás</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Be; még semmi sem ment el</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Utolsó: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered &quot;%2&quot;.

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>A riasztások már nem mennek ide: %1; a szolgáltatás válasza: „%2”.

Ellenőrizd a beállításait az Értesítések ablakban; ha megváltoznak, a Zib újra megpróbálja.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation>: a címnek http:// vagy https:// előtaggal kell kezdődnie.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>A Discord webhook</translation>
    </message>
    <message>
        <source>Telegram needs both the bot&apos;s token and the chat.</source>
        <translation>A Telegramhoz a bot tokenje és a chat is kell.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>A Telegram token olyan karaktert tartalmaz, amilyen bot tokenben nem lehet.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>A Telegram Bot API címe</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>Az ntfy téma</translation>
    </message>
    <message>
        <source>The ntfy topic&apos;s address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>Az ntfy téma címének a témával kell végződnie, mint a https://ntfy.sh/TOPIC címben.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>a fájl csak olvasható</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>a mappája hiányzik</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>A Zib nem tud figyelni a(z) %1 UDP-porton: %2. A lekérdezés kikapcsolva marad, amíg a port fel nem szabadul.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    és még %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation>
            <numerusform>%n szerver hozzáadva.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation>
            <numerusform>%n szerver hozzáadva.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation>
            <numerusform>%n szerver már szerepelt a listán, ezért kimaradt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation>
            <numerusform>%n szerver már szerepelt a listán, ezért kimaradt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>A Zib nem tudta írni a beállításfájlját, </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: az új szervereket most figyeli, de a Zib következő indításakor eltűnnek.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n szerver nem fért el: a listán legfeljebb %1 lehet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n szerver nem fért el: a listán legfeljebb %1 lehet.</numerusform>
        </translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Ezek a hosztnevek nem találhatók:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Ezeknek a hosztneveknek a keresése megszakadt:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Ezeket a szervercímeket a Zib nem tudja használni:</translation>
    </message>
</context>
<context>
    <name>ServerGrid</name>
    <message>
        <source> Server</source>
        <translation> Szerver</translation>
    </message>
    <message>
        <source> Map</source>
        <translation> Pálya</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Játékos</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Klán</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>SZERVER: </translation>
    </message>
    <message>
        <source>Addr: </source>
        <translation>Cím: </translation>
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
        <translation>Csatlakozás a játékhoz</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Cím másolása</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>Ezen a gépen semmi sem nyitja meg a steam:// hivatkozásokat, így a játékot nem sikerült elindítani (telepítve van a Steam?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>A(z) </translation>
    </message>
    <message>
        <source> has been copied: type &quot;connect &quot; in the game&apos;s console and paste it after that.</source>
        <translation> cím a vágólapra került: írd be a játék konzoljába, hogy &quot;connect &quot;, és illeszd be utána.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>A vágólapon nincs szervercím.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Nem található a Steam szerverböngészőjének fájlja. A Zib a userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf fájlt itt kereste:</translation>
    </message>
    <message>
        <source>Steam&apos;s server browser lists no favourites and no history.</source>
        <translation>A Steam szerverböngészőjében nincsenek kedvencek és előzmények.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Szerverek importálása a Steamből</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Szerverek hozzáadása a vágólapról</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Előzmények...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Szervercím és portszám:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    vagy</translation>
    </message>
    <message>
        <source>Sorry that address doesn&apos;t look right.</source>
        <translation>Ez a cím nem tűnik helyesnek.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Add meg a címet ÉS a portot, kettősponttal (:) elválasztva.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Biztosan törlöd: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Új játékszerver hozzáadása</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Szerver törlése</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: a fájl nagyobb %1 MB-nál, ekkora szerverlista nincs; nem lett beolvasva.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: a fájl sérült (</translation>
    </message>
    <message>
        <source>App %1</source>
        <translation>Alkalmazás %1</translation>
    </message>
</context>
<context>
    <name>alertCreeper</name>
    <message>
        <source>ALERT</source>
        <translation>RIADÓ</translation>
    </message>
</context>
<context>
    <name>filtersWindow</name>
    <message>
        <source>|Clan Tag          | Show Alert |  Trigger  </source>
        <translation>|Klánjel           | Riasztás   |  Küszöb   </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Szűrők módosítása</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Klánszűrőid</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Szűrő törlése</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Új szűrő</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Klán neve/jele</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Felugró riasztás + hang</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Játékos a riasztáshoz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>A módosítások azonnal érvényesek</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Sorry I couldn&apos;t add that filter. Make sure you&apos;ve entered all the details</source>
        <translation>A szűrőt nem sikerült hozzáadni. Ellenőrizd, hogy minden adatot megadtál-e</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Biztosan eltávolítod: <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Előzmények...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>A Zib már fut ezzel a fiókkal a gép egy másik bejelentkezésében. Ott őrzi a szervereidet és a beállításaidat; egy második példány felülírná őket, ezért ez kilép.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Zárd be a Zibet a másik munkamenetben, hogy itt futtathasd.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Show Servers</source>
        <translation>Szerverek</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Elrejtés</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>A Zib figyeli a szervereidet</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktív</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Új szerver</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Szerver törlése</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Szűrők</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Zib megjelenítése</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Indítás a rendszerrel</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Értesítések...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>A nyelvet nem sikerült menteni.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>A Zib a választott nyelvet a következő indítástól használja.</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Nem sikerült beállítani, hogy a Zib a rendszerrel induljon:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Nem sikerült kikapcsolni, hogy a Zib a rendszerrel induljon:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>tokent tartalmaz, és nem sikerült csak általad olvashatóvá tenni</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>ZIB beállítások</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Játékszerverek</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Ellenőrzés gyakorisága (másodperc, 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Riasztások</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Riasztás legfeljebb ennyi percenként</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Hang lejátszása riasztáskor</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>A módosítások azonnal érvényesek</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Értesítések...</translation>
    </message>
</context>
</TS>
