<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>vor dem Port steht keine Adresse</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>das ist keine IPv4-Adresse (vier Zahlen von 0 bis 255, durch Punkte getrennt)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>der Hostname ist zu lang</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>das ist kein Hostname (Buchstaben, Ziffern, Bindestriche und Punkte)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>das ist eine IPv6-Adresse; Half-Life-Server sind nur über IPv4 erreichbar</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>der Port muss eine ganze Zahl von 1 bis 65535 sein</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Zib-Testnachricht</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Test: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2 von %3 auf %4</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Map %1, Spieler %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>die Verbindung wurde abgelehnt</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>der Dienst hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the service's host was not found</source>
        <translation>der Host des Dienstes wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>die sichere Verbindung ist fehlgeschlagen (dem Zertifikat wird nicht vertraut)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>das Netzwerk ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>der Proxy konnte nicht benutzt werden</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>Netzwerkfehler %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>keine Antwort innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Zugestellt</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Aufgegeben: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Zib zeigen</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Spiel beitreten</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>kein Infobereich</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>Der Datenträger mit der Verlaufsdatei
%1
ist voll. Der Verlauf wird erst wieder aufgezeichnet, wenn Platz frei ist.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>Die Verlaufsdatei
%1
kann nicht geschrieben werden (%2). Zib läuft ohne Verlauf weiter.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>sie ist beschädigt und konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>Die Verlaufsdatei war beschädigt. Sie wurde verschoben nach
%2
und eine neue angelegt in
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>Die Verlaufsdatei
%1
stammt von einem neueren Zib und bleibt unverändert. Dieses Zib führt seinen Verlauf in
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>Die Verlaufsdatei
%1
ist von einem anderen Programm gesperrt und bleibt unverändert. Diesmal wird der Verlauf geführt in
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
        <translation>%1 der Tage</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: an %4 der Tage gesehen</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, meist auf %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Clan gesehen</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Spieler (Mittel über 15 Min.)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Clan (Mittel über 15 Min.)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Clan</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Letzte 24 Stunden</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
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
        <translation>die letzten 30 Tage, in deiner Zeit</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Wochenkarte</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Spitze</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Sichtungen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Kein Server</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>In den letzten 30 Tagen nicht gesehen.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Meist gesehen auf %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Der Verlauf konnte nicht geschrieben werden nach
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Alles vergessen, was Zib über deine Server und Clans gespeichert hat? Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Hostname wird gesucht...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Hostnamen werden gesucht (%1)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Hake die Server an, die Zib beobachten soll. Half-Life-Spiele sind schon angehakt; Server, die schon in deiner Liste sind, sind ausgegraut.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Zuletzt gespielt</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Schon in deiner Liste</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Nicht verwendbar: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>ein Text in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>eine Bedingung in Klammern ist nicht geschlossen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>der Block </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> ist vor dem Dateiende nicht geschlossen</translation>
    </message>
    <message>
        <source>a '}' closes no block</source>
        <translation>eine '}' schließt keinen Block</translation>
    </message>
    <message>
        <source>a block has no name before its '{'</source>
        <translation>ein Block hat keinen Namen vor seiner '{'</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>eine Bedingung steht, wo ein Name stehen sollte</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>Blöcke sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> hat keinen Wert</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>Deine Änderung konnte nicht gespeichert werden in
%1
(%2).

Zib behält sie, solange es läuft, und speichert sie bei deiner nächsten Änderung erneut.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>Deine Änderungen konnten nicht gespeichert werden in
%1
(%2).

Zib wird beendet, daher sind sie verloren.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Desktop-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Show alerts in the desktop's notifications</source>
        <translation>Alarme in den Desktop-Benachrichtigungen zeigen</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>Webhook-URL</translation>
    </message>
    <message>
        <source>Bot token</source>
        <translation>Bot-Token</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Bot API</source>
        <translation>Bot-API</translation>
    </message>
    <message>
        <source>Phone (ntfy)</source>
        <translation>Handy (ntfy)</translation>
    </message>
    <message>
        <source>Topic URL</source>
        <translation>Topic-URL</translation>
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
        <translation>Testen</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Nicht eingerichtet: fülle zuerst die Felder oben aus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Gestoppt: %1 (ändere die Einstellungen für einen neuen Versuch)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Wird gesendet</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>An; noch nichts gesendet</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Zuletzt: %1 um %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; wartend: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; verworfen: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Delivered</source>
        <translation>Zugestellt</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Auf diesem Desktop antwortet kein Benachrichtigungsdienst</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>An; noch nichts gesendet</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Zuletzt: %1 um %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered "%2".

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Alarme werden nicht mehr an %1 gesendet: der Dienst antwortete „%2“.

Prüfe die Einstellungen im Fenster Benachrichtigungen; sobald sie sich ändern, wird es erneut versucht.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation> muss eine Adresse sein, die mit http:// oder https:// beginnt.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>Der Discord-Webhook</translation>
    </message>
    <message>
        <source>Telegram needs both the bot's token and the chat.</source>
        <translation>Telegram braucht sowohl das Token des Bots als auch den Chat.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>Das Telegram-Token enthält Zeichen, die kein Bot-Token hat.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>Die Adresse der Telegram-Bot-API</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>Das ntfy-Topic</translation>
    </message>
    <message>
        <source>The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>Die Adresse des ntfy-Topics muss mit dem Topic enden, wie in https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>ihr Ordner fehlt</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>Zib kann nicht auf UDP-Port %1 lauschen: %2. Die Abfrage bleibt aus, bis der Port frei ist.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    und %1 weitere</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation><numerusform>%n Server hinzugefügt.</numerusform><numerusform>%n Server hinzugefügt.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation><numerusform>%n Server hinzugefügt.</numerusform><numerusform>%n Server hinzugefügt.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation><numerusform>%n Server war schon in der Liste und wurde übersprungen.</numerusform><numerusform>%n Server waren schon in der Liste und wurden übersprungen.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation><numerusform>%n Server war schon in der Liste und wurde übersprungen.</numerusform><numerusform>%n Server waren schon in der Liste und wurden übersprungen.</numerusform></translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>Zib konnte seine Einstellungsdatei nicht schreiben, </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: die neuen Server werden jetzt beobachtet, sind aber beim nächsten Start von Zib weg.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n Server passte nicht mehr: die Liste fasst höchstens %1.</numerusform><numerusform>%n Server passten nicht mehr: die Liste fasst höchstens %1.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n Server passte nicht mehr: die Liste fasst höchstens %1.</numerusform><numerusform>%n Server passten nicht mehr: die Liste fasst höchstens %1.</numerusform></translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Diese Hostnamen wurden nicht gefunden:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Die Suche nach diesen Hostnamen wurde abgebrochen:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Das sind keine Serveradressen, die Zib verwenden kann:</translation>
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
        <translation> Map</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
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
        <translation>Spiel beitreten</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Adresse kopieren</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>Nichts auf diesem Computer öffnet steam://-Links, daher konnte das Spiel nicht gestartet werden (ist Steam installiert?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>Die Adresse </translation>
    </message>
    <message>
        <source> has been copied: type "connect " in the game's console and paste it after that.</source>
        <translation> wurde kopiert: tippe "connect " in die Konsole des Spiels und füge sie dahinter ein.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>In der Zwischenablage wurden keine Serveradressen gefunden.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Es wurde keine Serverbrowser-Datei von Steam gefunden. Zib suchte userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</translation>
    </message>
    <message>
        <source>Steam's server browser lists no favourites and no history.</source>
        <translation>Der Serverbrowser von Steam hat keine Favoriten und keinen Verlauf.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Server aus Steam importieren</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Server aus Zwischenablage</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Serveradresse und Portnummer:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    oder</translation>
    </message>
    <message>
        <source>Sorry that address doesn't look right.</source>
        <translation>Diese Adresse sieht nicht richtig aus.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Gib die Adresse UND den Port ein, getrennt durch einen Doppelpunkt (:).</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Wirklich löschen: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Neuen Spielserver hinzufügen</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Server entfernen</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: die Datei ist größer als %1 MB, was keine Serverliste ist; sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: die Datei ist beschädigt (</translation>
    </message>
    <message>
        <source>App %1</source>
        <translation>App %1</translation>
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
        <translation>|Clan-Tag          | Alarm      |  Ab       </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Filter ändern</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Deine Clan-Filter</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Filter entfernen</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Neuer Filter</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Clan-Name/Tag</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Alarm-Fenster + Ton</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Spieler für einen Alarm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Änderungen gelten sofort</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Sorry I couldn't add that filter. Make sure you've entered all the details</source>
        <translation>Der Filter konnte nicht hinzugefügt werden. Prüfe, ob alle Angaben ausgefüllt sind</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd" />
<byte value="xd" />
</source>
        <translation>Wirklich entfernen: <byte value="xd" />
<byte value="xd" />
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>Zib läuft für dieses Konto schon in einer anderen Sitzung dieses Computers. Dort hält es deine Server und Einstellungen; eine zweite Kopie würde sie überschreiben, daher endet diese.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Beende Zib in der anderen Sitzung, um es hier zu starten.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Show Servers</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>Zib beobachtet deine Server</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Neuer Server</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Server entfernen</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Zib zeigen</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Mit dem System starten</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Benachrichtigungen...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Die Sprache konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>Zib verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Zib konnte nicht zum Start mit dem System eingerichtet werden:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Der Start von Zib mit dem System konnte nicht abgeschaltet werden:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>sie enthält einen Token und konnte nicht nur für dich lesbar gemacht werden</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>ZIB-Optionen</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Spielserver</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Server abfragen alle (Sekunden 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Höchstens ein Alarm alle (Minuten)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Bei Alarm einen Ton spielen</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Änderungen gelten sofort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Benachrichtigungen...</translation>
    </message>
</context>
</TS>