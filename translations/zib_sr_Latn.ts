<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Latn_RS">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>ispred porta nema adrese</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>to nije IPv4 adresa (četiri broja od 0 do 255, razdvojena tačkama)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>ime hosta je predugačko</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>to nije ime hosta (slova, cifre, crtice i tačke)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>to je IPv6 adresa; Half-Life serveri su dostupni samo preko IPv4</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>port mora biti ceo broj od 1 do 65535</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Probna poruka iz Ziba</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Test: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2 od %3 na %4</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Mapa %1, igrači %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i još %1</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>veza je odbijena</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>servis je zatvorio vezu</translation>
    </message>
    <message>
        <source>the service&apos;s host was not found</source>
        <translation>host servisa nije pronađen</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>isteklo je vreme za uspostavljanje veze</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>bezbedna veza nije uspela (sertifikat nije pouzdan)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>mreža nije dostupna</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>proksi nije mogao da se koristi</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>mrežna greška %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>nema odgovora u roku od %1 s</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Isporučeno</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Odustato: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>nema sesijske magistrale</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Prikaži Zib</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Pridruži se igri</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>nema oblasti za obaveštenja</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>Disk na kome je datoteka istorije
%1
je pun. Beleženje istorije je pauzirano dok se ne oslobodi mesto.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>Datoteka istorije
%1
ne može da se upiše (%2). Zib nastavlja bez beleženja istorije.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>oštećena je i nije mogla da se skloni</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>Datoteka istorije je bila oštećena. Sklonjena je u
%2
a nova je započeta u
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>Datoteku istorije
%1
je napisao noviji Zib i ostaje netaknuta. Ovaj Zib čuva istoriju u
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>Datoteku istorije
%1
je zaključao drugi program i ostaje netaknuta. Ovo pokretanje čuva istoriju u
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
        <translation>%1 dana</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: viđen u %4 dana</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, najviše na %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Klan viđen</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Slotovi</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Igrači (prosek 15 min)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Igrači</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Klan (prosek 15 min)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Klan</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Istorija</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Poslednja 24 sata</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Poslednjih 7 dana</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Poslednjih 30 dana</translation>
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
        <translation>Filter:</translation>
    </message>
    <message>
        <source>the last 30 days, in your hours</source>
        <translation>poslednjih 30 dana, po tvom vremenu</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Nedeljni pregled</translation>
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
        <translation>Najviše</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Imena</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Viđenja</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Izvezi...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Obriši istoriju</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Nema servera</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>Nije viđen u poslednjih 30 dana.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Najčešće viđen na %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Izvoz</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV datoteke (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Istorija nije mogla da se upiše u
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Zaboraviti sve što je Zib sačuvao o tvojim serverima i klanovima? Ovo ne može da se poništi.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Traženje imena hosta...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Traženje imena hostova (%1)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Označi servere koje Zib treba da prati. Half-Life igre su već označene; serveri koji su već na tvojoj listi su zasivljeni.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Poslednja igra</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Igra</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Omiljeni</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Istorija</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Već na tvojoj listi</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Neupotrebljivo: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>tekst pod navodnicima nije zatvoren</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>uslov u zagradama nije zatvoren</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>red %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>blok </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> nije zatvoren pre kraja datoteke</translation>
    </message>
    <message>
        <source>a &apos;}&apos; closes no block</source>
        <translation>&apos;}&apos; ne zatvara nijedan blok</translation>
    </message>
    <message>
        <source>a block has no name before its &apos;{&apos;</source>
        <translation>blok nema ime ispred svoje &apos;{&apos;</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>uslov stoji na mestu imena</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>blokovi su ugnežđeni dublje od %1 nivoa</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> nema vrednost</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>GREŠKA</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>Tvoja izmena nije mogla da se sačuva u
%1
(%2).

Zib je pamti dok radi i ponovo je čuva uz tvoju sledeću izmenu.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>Tvoje izmene nisu mogle da se sačuvaju u
%1
(%2).

Zib se zatvara, pa su izgubljene.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Obaveštenja</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Obaveštenja radne površine</translation>
    </message>
    <message>
        <source>Show alerts in the desktop&apos;s notifications</source>
        <translation>Prikaži alarme u obaveštenjima radne površine</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>Webhook URL</translation>
    </message>
    <message>
        <source>Bot token</source>
        <translation>Token bota</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Čet</translation>
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
        <translation>URL teme</translation>
    </message>
    <message>
        <source>Access token</source>
        <translation>Token za pristup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Send Test</source>
        <translation>Testiraj</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Nije podešeno: prvo popuni polja iznad</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Zaustavljeno: %1 (izmeni podešavanja za novi pokušaj)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Slanje</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Uključeno; još ništa nije poslato</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Poslednje: %1 u %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; čeka: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; odbačeno: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Delivered</source>
        <translation>Isporučeno</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Nijedan servis za obaveštenja se ne javlja na ovoj radnoj površini</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Uključeno; još ništa nije poslato</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Poslednje: %1 u %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered &quot;%2&quot;.

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Alarmi se više ne šalju na %1: servis je odgovorio „%2“.

Proveri njegova podešavanja u prozoru Obaveštenja; pokušaće se ponovo čim se ona promene.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation> mora biti adresa koja počinje sa http:// ili https://.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>Discord webhook</translation>
    </message>
    <message>
        <source>Telegram needs both the bot&apos;s token and the chat.</source>
        <translation>Telegramu su potrebni i token bota i čet.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>Telegram token sadrži znakove koje nijedan token bota nema.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>Telegram Bot API</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>ntfy tema</translation>
    </message>
    <message>
        <source>The ntfy topic&apos;s address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>Adresa ntfy teme mora da se završava temom, kao u https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>datoteka je samo za čitanje</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>nedostaje njena fascikla</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>Zib ne može da osluškuje na UDP portu %1: %2. Provera ostaje isključena dok se port ne oslobodi.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    i još %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation>
            <numerusform>Dodat je %n server.</numerusform>
            <numerusform>Dodata su %n servera.</numerusform>
            <numerusform>Dodato je %n servera.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation>
            <numerusform>Dodat je %n server.</numerusform>
            <numerusform>Dodata su %n servera.</numerusform>
            <numerusform>Dodato je %n servera.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation>
            <numerusform>%n server je već bio na listi i preskočen je.</numerusform>
            <numerusform>%n servera su već bila na listi i preskočena su.</numerusform>
            <numerusform>%n servera je već bilo na listi i preskočeno je.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation>
            <numerusform>%n server je već bio na listi i preskočen je.</numerusform>
            <numerusform>%n servera su već bila na listi i preskočena su.</numerusform>
            <numerusform>%n servera je već bilo na listi i preskočeno je.</numerusform>
        </translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>Zib nije mogao da upiše svoju datoteku podešavanja, </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: novi serveri se sada prate, ali će nestati kada se Zib ponovo pokrene.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n server nije stao: lista prima najviše %1.</numerusform>
            <numerusform>%n servera nisu stala: lista prima najviše %1.</numerusform>
            <numerusform>%n servera nije stalo: lista prima najviše %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n server nije stao: lista prima najviše %1.</numerusform>
            <numerusform>%n servera nisu stala: lista prima najviše %1.</numerusform>
            <numerusform>%n servera nije stalo: lista prima najviše %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Ova imena hostova nisu pronađena:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Traženje ovih imena hostova je otkazano:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Ovo nisu adrese servera koje Zib može da koristi:</translation>
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
        <translation> Mapa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Igrači</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Klan</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>SERVER: </translation>
    </message>
    <message>
        <source>Addr: </source>
        <translation>Adresa: </translation>
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
        <translation>Pridruži se igri</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Kopiraj adresu</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>Ništa na ovom računaru ne otvara steam:// linkove, pa igra nije mogla da se pokrene (da li je Steam instaliran?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>Adresa </translation>
    </message>
    <message>
        <source> has been copied: type &quot;connect &quot; in the game&apos;s console and paste it after that.</source>
        <translation> je kopirana: upiši &quot;connect &quot; u konzolu igre i nalepi je iza toga.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>U ostavi nema adresa servera.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Datoteka Steam pregledača servera nije pronađena. Zib je tražio userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf u:</translation>
    </message>
    <message>
        <source>Steam&apos;s server browser lists no favourites and no history.</source>
        <translation>Steam pregledač servera nema ni omiljene ni istoriju.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Uvezi servere iz Steama</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Dodaj servere iz ostave</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Istorija...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Adresa servera i broj porta:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    ili</translation>
    </message>
    <message>
        <source>Sorry that address doesn&apos;t look right.</source>
        <translation>Ta adresa ne izgleda ispravno.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Unesi adresu I port, razdvojene dvotačkom (:).</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Sigurno želiš da obrišeš: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Dodaj novi server</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Ukloni server</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: datoteka je veća od %1 MB, a tolika lista servera ne postoji; nije pročitana.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: datoteka je oštećena (</translation>
    </message>
    <message>
        <source>App %1</source>
        <translation>Aplikacija %1</translation>
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
        <translation>|Tag klana         | Alarm      |  Prag     </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Izmeni filtere</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Tvoji filteri klanova</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Ukloni filter</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Novi filter</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Ime/tag klana</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Iskačući alarm + zvuk</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Igrača za alarm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Izmene važe odmah</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Sorry I couldn&apos;t add that filter. Make sure you&apos;ve entered all the details</source>
        <translation>Filter nije mogao da se doda. Proveri da li si uneo sve podatke</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Sigurno želiš da ukloniš: <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Istorija...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>Zib već radi za ovaj nalog u drugoj sesiji na ovom računaru. Tamo čuva tvoje servere i podešavanja; druga kopija bi ih prepisala, pa se ova gasi.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Zatvori Zib u drugoj sesiji da bi ga pokrenuo ovde.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Show Servers</source>
        <translation>Serveri</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Sakrij</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>Zib prati tvoje servere</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktivan</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Dodaj server</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Ukloni server</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Filteri</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Prikaži Zib</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Pokreni sa sistemom</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Obaveštenja...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Jezik nije mogao da se sačuva.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>Zib koristi izabrani jezik od sledećeg pokretanja.</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Zib nije mogao da se podesi da se pokreće sa sistemom:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Pokretanje Ziba sa sistemom nije moglo da se isključi:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>sadrži token i nije mogla da se učini čitljivom samo tebi</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>ZIB opcije</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Serveri igara</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Proveravaj servere svakih (sekundi 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarmi</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Najviše jedan alarm na svakih (minuta)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Pusti zvuk pri alarmu</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Izmene važe odmah</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Obaveštenja...</translation>
    </message>
</context>
</TS>
