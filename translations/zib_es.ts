<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>no hay dirección antes del puerto</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>no es una dirección IPv4 (cuatro números del 0 al 255, separados por puntos)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>el nombre del host es demasiado largo</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>no es un nombre de host (letras, dígitos, guiones y puntos)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>es una dirección IPv6; a los servidores de Half-Life solo se llega por IPv4</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>el puerto debe ser un número entero del 1 al 65535</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Mensaje de prueba de Zib</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Prueba: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2 de %3 en %4</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Mapa %1, jugadores %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>se rechazó la conexión</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>el servicio cerró la conexión</translation>
    </message>
    <message>
        <source>the service's host was not found</source>
        <translation>no se encontró el host del servicio</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>se agotó el tiempo de conexión</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>falló la conexión segura (el certificado no es de confianza)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>la red no está disponible</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>no se pudo usar el proxy</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>error de red %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>sin respuesta en %1 segundos</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Entregado</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Abandonado: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Mostrar Zib</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Entrar al juego</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>no hay área de notificación</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>El disco del archivo de historial
%1
está lleno. El historial deja de grabarse hasta que vuelva a haber espacio.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>El archivo de historial
%1
no se puede escribir (%2). Zib sigue sin grabar historial.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>está dañado y no se pudo apartar</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>El archivo de historial estaba dañado. Se movió a
%2
y se empezó uno nuevo en
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>El archivo de historial
%1
lo escribió un Zib más nuevo y se deja como está. Este guarda su historial en
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>El archivo de historial
%1
está bloqueado por otro programa y se deja como está. Esta vez el historial se guarda en
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
        <translation>%1 de los días</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: visto el %4 de los días</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, sobre todo en %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Clan visto</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Plazas</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Jugadores (media de 15 min)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Del clan (media de 15 min)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Del clan</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Últimas 24 horas</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>the last 30 days, in your hours</source>
        <translation>los últimos 30 días, en tu hora</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Mapa semanal</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nicks</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Apariciones</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Ningún servidor</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>No visto en los últimos 30 días.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Visto sobre todo en %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>No se pudo escribir el historial en
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>¿Olvidar todo lo que Zib ha guardado de tus servidores y clanes? No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Buscando el nombre del host...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Buscando nombres de host (%1)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Marca los servidores que Zib debe vigilar. Los juegos de Half-Life ya vienen marcados; los servidores que ya están en tu lista aparecen en gris.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Ya está en tu lista</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>No se puede usar: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>un texto entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>una condición entre corchetes no está cerrada</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>el bloque </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> no se cierra antes del final del archivo</translation>
    </message>
    <message>
        <source>a '}' closes no block</source>
        <translation>una '}' no cierra ningún bloque</translation>
    </message>
    <message>
        <source>a block has no name before its '{'</source>
        <translation>un bloque no tiene nombre antes de su '{'</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>hay una condición donde debería haber un nombre</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>hay bloques anidados a más de %1 niveles</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> no tiene valor</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>No se pudo guardar tu cambio en
%1
(%2).

Zib lo conserva mientras esté abierto y lo vuelve a guardar con tu próximo cambio.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>No se pudieron guardar tus cambios en
%1
(%2).

Zib se está cerrando, así que se pierden.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Notificaciones del escritorio</translation>
    </message>
    <message>
        <source>Show alerts in the desktop's notifications</source>
        <translation>Mostrar alertas en las notificaciones</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL del webhook</translation>
    </message>
    <message>
        <source>Bot token</source>
        <translation>Token del bot</translation>
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
        <translation>Móvil (ntfy)</translation>
    </message>
    <message>
        <source>Topic URL</source>
        <translation>URL del tema</translation>
    </message>
    <message>
        <source>Access token</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Send Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Sin configurar: rellena primero los campos de arriba</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Detenido: %1 (cambia la configuración para reintentar)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Encendido; nada enviado aún</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Último: %1 a las %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; en cola: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; descartados: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Delivered</source>
        <translation>Entregado</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Ningún servicio de notificaciones responde en este escritorio</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Encendido; nada enviado aún</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Último: %1 a las %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered "%2".

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Las alertas ya no se envían a %1: el servicio respondió "%2".

Revisa su configuración en la ventana Notificaciones; se vuelve a intentar cuando cambie.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation> debe ser una dirección que empiece por http:// o https://.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>El webhook de Discord</translation>
    </message>
    <message>
        <source>Telegram needs both the bot's token and the chat.</source>
        <translation>Telegram necesita el token del bot y el chat.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>El token de Telegram tiene caracteres que ningún token de bot tiene.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>La dirección de la Bot API de Telegram</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>El tema de ntfy</translation>
    </message>
    <message>
        <source>The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>La dirección del tema de ntfy debe terminar con el tema, como en https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>su carpeta no existe</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>Zib no puede escuchar en el puerto UDP %1: %2. La comprobación queda apagada hasta que el puerto quede libre.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    y %1 más</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation><numerusform>Se añadió %n servidor.</numerusform><numerusform>Se añadieron %n servidores.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation><numerusform>Se añadió %n servidor.</numerusform><numerusform>Se añadieron %n servidores.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation><numerusform>%n servidor ya estaba en la lista y se omitió.</numerusform><numerusform>%n servidores ya estaban en la lista y se omitieron.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation><numerusform>%n servidor ya estaba en la lista y se omitió.</numerusform><numerusform>%n servidores ya estaban en la lista y se omitieron.</numerusform></translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>Zib no pudo escribir su archivo de configuración, </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: los servidores nuevos se vigilan ahora, pero desaparecerán cuando Zib vuelva a abrirse.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n servidor no cupo: la lista admite como máximo %1.</numerusform><numerusform>%n servidores no cupieron: la lista admite como máximo %1.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n servidor no cupo: la lista admite como máximo %1.</numerusform><numerusform>%n servidores no cupieron: la lista admite como máximo %1.</numerusform></translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>No se encontraron estos nombres de host:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Se canceló la búsqueda de estos nombres de host:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Estas no son direcciones de servidor que Zib pueda usar:</translation>
    </message>
</context>
<context>
    <name>ServerGrid</name>
    <message>
        <source> Server</source>
        <translation> Servidor</translation>
    </message>
    <message>
        <source> Map</source>
        <translation> Mapa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugad.</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Clan</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>SERVIDOR: </translation>
    </message>
    <message>
        <source>Addr: </source>
        <translation>Dir.: </translation>
    </message>
    <message>
        <source>Port: </source>
        <translation>Puerto: </translation>
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
        <translation>Entrar al juego</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Copiar dirección</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>Nada en este equipo abre enlaces steam://, así que no se pudo iniciar el juego (¿está instalado Steam?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>La dirección </translation>
    </message>
    <message>
        <source> has been copied: type "connect " in the game's console and paste it after that.</source>
        <translation> se ha copiado: escribe "connect " en la consola del juego y pégala detrás.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>No se encontraron direcciones de servidor en el portapapeles.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>No se encontró el archivo del navegador de servidores de Steam. Zib buscó userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf en:</translation>
    </message>
    <message>
        <source>Steam's server browser lists no favourites and no history.</source>
        <translation>El navegador de servidores de Steam no tiene favoritos ni historial.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Importar servidores de Steam</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Añadir servidores copiados</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Dirección del servidor y número de puerto:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    o</translation>
    </message>
    <message>
        <source>Sorry that address doesn't look right.</source>
        <translation>Esa dirección no parece correcta.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Escribe la dirección Y el puerto separados por dos puntos (:).</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>¿Seguro que quieres borrar?: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Añadir servidor de juego</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Quitar servidor</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: el archivo ocupa más de %1 MB, cosa que ninguna lista de servidores ocupa; no se leyó.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: el archivo está dañado (</translation>
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
        <translation>ALERTA</translation>
    </message>
</context>
<context>
    <name>filtersWindow</name>
    <message>
        <source>|Clan Tag          | Show Alert |  Trigger  </source>
        <translation>|Tag del clan      | Alerta     |  Mínimo   </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Cambiar tus filtros</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Tus filtros de clan</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Quitar filtro</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Nuevo filtro</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Clan/tag</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Alerta en pantalla + sonido</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Jugadores para la alerta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Los cambios se aplican al momento</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Sorry I couldn't add that filter. Make sure you've entered all the details</source>
        <translation>No pude añadir ese filtro. Comprueba que rellenaste todos los datos</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd" />
<byte value="xd" />
</source>
        <translation>¿Seguro que quieres quitar?: <byte value="xd" />
<byte value="xd" />
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>Zib ya está abierto para esta cuenta en otra sesión de este equipo. Allí guarda tus servidores y tu configuración; una segunda copia los sobrescribiría, así que esta se cierra.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Cierra Zib en la otra sesión para abrirlo aquí.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Show Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>Zib está vigilando tus servidores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Añadir servidor</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Quitar servidor</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Mostrar Zib</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Iniciar con el sistema</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Notificaciones...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>No se pudo guardar el idioma.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>Zib usará el idioma elegido la próxima vez que se abra.</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>No se pudo hacer que Zib se inicie con el sistema:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>No se pudo evitar que Zib se inicie con el sistema:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>contiene un token y no se pudo dejar legible solo para ti</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>Opciones de ZIB</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Servidores de juego</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Comprobar los servidores cada (segundos 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Como mucho una alerta cada (minutos)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Sonido al saltar una alerta</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Los cambios se aplican al momento</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Notificaciones...</translation>
    </message>
</context>
</TS>