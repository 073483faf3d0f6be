<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ro_RO">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>nu există nicio adresă înainte de port</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>nu este o adresă IPv4 (patru numere de la 0 la 255, separate prin puncte)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>numele gazdei este prea lung</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>nu este un nume de gazdă (litere, cifre, cratime și puncte)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>este o adresă IPv6; serverele Half-Life se accesează doar prin IPv4</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>portul trebuie să fie un număr întreg de la 1 la 65535</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Mesaj de test Zib</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Test: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2 din %3 pe %4</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Harta %1, jucători %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>și încă %1</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>conexiunea a fost refuzată</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>serviciul a închis conexiunea</translation>
    </message>
    <message>
        <source>the service's host was not found</source>
        <translation>gazda serviciului nu a fost găsită</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>conexiunea a expirat</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>conexiunea securizată a eșuat (certificatul nu este de încredere)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>rețeaua nu funcționează</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>proxy-ul nu a putut fi folosit</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>eroare de rețea %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>niciun răspuns în %1 secunde</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Livrat</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Abandonat: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>nu există magistrală de sesiune</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Arată Zib</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Intră în joc</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>nu există zonă de notificări</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>Discul cu fișierul de istoric
%1
este plin. Înregistrarea istoricului e oprită până se face loc.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>Fișierul de istoric
%1
nu poate fi scris (%2). Zib merge mai departe fără să înregistreze istoricul.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>este deteriorat și nu a putut fi mutat deoparte</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>Fișierul de istoric era deteriorat. A fost mutat în
%2
și unul nou a fost început în
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>Fișierul de istoric
%1
a fost scris de un Zib mai nou și e lăsat așa cum este. Acesta își ține istoricul în
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>Fișierul de istoric
%1
este blocat de alt program și e lăsat așa cum este. De data asta istoricul e ținut în
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
        <translation>%1 din zile</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: văzut în %4 din zile</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, cel mai des pe %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Clan văzut</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Sloturi</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Jucători (medie pe 15 min)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jucători</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Din clan (medie pe 15 min)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Din clan</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Istoric</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Ultimele 24 de ore</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Ultimele 7 zile</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Ultimele 30 de zile</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtru:</translation>
    </message>
    <message>
        <source>the last 30 days, in your hours</source>
        <translation>ultimele 30 de zile, la ora ta</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Harta săptămânii</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De la</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Până la</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Vârf</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Apariții</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportă...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Șterge istoricul</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Niciun server</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>Nevăzut în ultimele 30 de zile.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Văzut cel mai des pe %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportă</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fișiere CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Istoricul nu a putut fi scris în
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Uiți tot ce a păstrat Zib despre serverele și clanurile tale? Nu se poate anula.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Se caută numele gazdei...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Se caută nume de gazde (%1)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Bifează serverele pe care să le urmărească Zib. Jocurile Half-Life sunt deja bifate; serverele care sunt deja în lista ta apar cu gri.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresă</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Listă</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Ultimul joc</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Joc</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Istoric</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Deja în lista ta</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Nu se poate folosi: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>un text între ghilimele nu este închis</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>o condiție între paranteze nu este închisă</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linia %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>blocul </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> nu este închis înainte de sfârșitul fișierului</translation>
    </message>
    <message>
        <source>a '}' closes no block</source>
        <translation>un '}' nu închide niciun bloc</translation>
    </message>
    <message>
        <source>a block has no name before its '{'</source>
        <translation>un bloc nu are nume înainte de '{'</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>o condiție stă în locul unui nume</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>blocurile sunt imbricate pe mai mult de %1 niveluri</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> nu are valoare</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>EROARE</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>Modificarea ta nu a putut fi salvată în
%1
(%2).

Zib o păstrează cât rulează și o salvează din nou la următoarea modificare.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>Modificările tale nu au putut fi salvate în
%1
(%2).

Zib se închide, așa că s-au pierdut.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Notificări</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Notificări pe desktop</translation>
    </message>
    <message>
        <source>Show alerts in the desktop's notifications</source>
        <translation>Arată alertele în notificările desktopului</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL webhook</translation>
    </message>
    <message>
        <source>Bot token</source>
        <translation>Token bot</translation>
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
        <translation>URL subiect</translation>
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
        <translation>Testează</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Neconfigurat: completează întâi câmpurile de mai sus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Oprit: %1 (schimbă setările ca să încerci din nou)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Se trimite</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Pornit; nimic trimis încă</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Ultima: %1 la %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; în așteptare: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; renunțate: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Delivered</source>
        <translation>Livrat</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Niciun serviciu de notificări nu răspunde pe acest desktop</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Oprit</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Pornit; nimic trimis încă</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Ultima: %1 la %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered "%2".

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Alertele nu mai sunt trimise la %1: serviciul a răspuns „%2”.

Verifică setările în fereastra Notificări; se încearcă din nou după ce se schimbă.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation> trebuie să fie o adresă care începe cu http:// sau https://.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>Webhook-ul Discord</translation>
    </message>
    <message>
        <source>Telegram needs both the bot's token and the chat.</source>
        <translation>Telegram are nevoie și de tokenul botului, și de chat.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>Tokenul Telegram are caractere pe care niciun token de bot nu le are.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>Adresa Telegram Bot API</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>Subiectul ntfy</translation>
    </message>
    <message>
        <source>The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>Adresa subiectului ntfy trebuie să se termine cu subiectul, ca în https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>fișierul este doar pentru citire</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>dosarul lui lipsește</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>Zib nu poate asculta pe portul UDP %1: %2. Verificarea rămâne oprită până se eliberează portul.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    și încă %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation><numerusform>S-a adăugat %n server.</numerusform><numerusform>S-au adăugat %n servere.</numerusform><numerusform>S-au adăugat %n de servere.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation><numerusform>S-a adăugat %n server.</numerusform><numerusform>S-au adăugat %n servere.</numerusform><numerusform>S-au adăugat %n de servere.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation><numerusform>%n server era deja în listă și a fost sărit.</numerusform><numerusform>%n servere erau deja în listă și au fost sărite.</numerusform><numerusform>%n de servere erau deja în listă și au fost sărite.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation><numerusform>%n server era deja în listă și a fost sărit.</numerusform><numerusform>%n servere erau deja în listă și au fost sărite.</numerusform><numerusform>%n de servere erau deja în listă și au fost sărite.</numerusform></translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>Zib nu a putut scrie fișierul de setări, </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: serverele noi sunt urmărite acum, dar vor dispărea când Zib pornește din nou.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n server nu a încăput: lista are cel mult %1.</numerusform><numerusform>%n servere nu au încăput: lista are cel mult %1.</numerusform><numerusform>%n de servere nu au încăput: lista are cel mult %1.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n server nu a încăput: lista are cel mult %1.</numerusform><numerusform>%n servere nu au încăput: lista are cel mult %1.</numerusform><numerusform>%n de servere nu au încăput: lista are cel mult %1.</numerusform></translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Aceste nume de gazde nu au fost găsite:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Căutarea acestor nume de gazde a fost anulată:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Acestea nu sunt adrese de server pe care Zib le poate folosi:</translation>
    </message>
</context>
<context>
    <name>ServerGrid</name>
    <message>
        <source> Server</source>
        <translation> Server</translation>
    </message>
    <message>
        <source> Map</source>
        <translation> Hartă</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jucători</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Clan</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>SERVER: </translation>
    </message>
    <message>
        <source>Addr: </source>
        <translation>Adr.: </translation>
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
        <translation>Intră în joc</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Copiază adresa</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>Nimic de pe acest calculator nu deschide linkuri steam://, așa că jocul nu a putut fi pornit (este Steam instalat?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>Adresa </translation>
    </message>
    <message>
        <source> has been copied: type "connect " in the game's console and paste it after that.</source>
        <translation> a fost copiată: scrie "connect " în consola jocului și lipește-o după.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>Nu s-au găsit adrese de servere în clipboard.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Nu s-a găsit fișierul browserului de servere Steam. Zib a căutat userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf în:</translation>
    </message>
    <message>
        <source>Steam's server browser lists no favourites and no history.</source>
        <translation>Browserul de servere Steam nu are nici favorite, nici istoric.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Importă servere din Steam</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Adaugă servere din clipboard</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Istoric...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Adresa serverului și numărul portului:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    sau</translation>
    </message>
    <message>
        <source>Sorry that address doesn't look right.</source>
        <translation>Adresa asta nu pare corectă.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Scrie adresa ȘI portul, despărțite prin două puncte (:).</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Sigur vrei să ștergi: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Adaugă un server de joc</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Șterge serverul</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: fișierul are peste %1 MB, cât nu are nicio listă de servere; nu a fost citit.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: fișierul este deteriorat (</translation>
    </message>
    <message>
        <source>App %1</source>
        <translation>Aplicația %1</translation>
    </message>
</context>
<context>
    <name>alertCreeper</name>
    <message>
        <source>ALERT</source>
        <translation>ALERTĂ</translation>
    </message>
</context>
<context>
    <name>filtersWindow</name>
    <message>
        <source>|Clan Tag          | Show Alert |  Trigger  </source>
        <translation>|Tag clan          | Alertă     |  Prag     </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Schimbă filtrele</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Filtrele tale de clan</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Șterge filtrul</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Filtru nou</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Nume/tag clan</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Alertă pe ecran + sunet</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Jucători pentru alertă</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Modificările se aplică imediat</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Sorry I couldn't add that filter. Make sure you've entered all the details</source>
        <translation>Nu am putut adăuga filtrul. Verifică dacă ai completat toate câmpurile</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd" />
<byte value="xd" />
</source>
        <translation>Sigur vrei să ștergi: <byte value="xd" />
<byte value="xd" />
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Istoric...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>Zib rulează deja pentru acest cont într-o altă sesiune a acestui calculator. Acolo îți păstrează serverele și setările; o a doua copie le-ar suprascrie, așa că aceasta se închide.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Închide Zib în cealaltă sesiune ca să-l pornești aici.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Show Servers</source>
        <translation>Servere</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Ascunde</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>Zib îți urmărește serverele</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activ</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Adaugă server</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Șterge server</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Arată Zib</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Pornește odată cu sistemul</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Notificări...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Limba nu a putut fi salvată.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>Zib va folosi limba aleasă de la următoarea pornire.</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Zib nu a putut fi setat să pornească odată cu sistemul:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Zib nu a putut fi oprit din pornirea odată cu sistemul:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>conține un token și nu a putut fi făcut citibil doar de tine</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>Opțiuni ZIB</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Servere de joc</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Verifică serverele la fiecare (secunde 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Cel mult o alertă la fiecare (minute)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Sunet la fiecare alertă</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Modificările se aplică imediat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Notificări...</translation>
    </message>
</context>
</TS>