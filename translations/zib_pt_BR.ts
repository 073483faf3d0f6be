<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt_BR">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>não há endereço antes da porta</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>não é um endereço IPv4 (quatro números de 0 a 255, separados por pontos)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>o nome do host é longo demais</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>não é um nome de host (letras, dígitos, hífens e pontos)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>é um endereço IPv6; servidores de Half-Life só funcionam por IPv4</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>a porta deve ser um número inteiro de 1 a 65535</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Mensagem de teste do Zib</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Teste: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %2 de %3 em %4</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Mapa %1, jogadores %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>a conexão foi recusada</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>o serviço fechou a conexão</translation>
    </message>
    <message>
        <source>the service's host was not found</source>
        <translation>o host do serviço não foi encontrado</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>a conexão expirou</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>a conexão segura falhou (o certificado não é confiável)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>a rede está fora do ar</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>não foi possível usar o proxy</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>erro de rede %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>sem resposta em %1 segundos</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Entregue</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Desistiu: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>sem barramento de sessão</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Mostrar o Zib</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Entrar no jogo</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>sem área de notificação</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>O disco do arquivo de histórico
%1
está cheio. A gravação do histórico fica pausada até haver espaço de novo.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>O arquivo de histórico
%1
não pode ser gravado (%2). O Zib continua sem gravar o histórico.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>ele está danificado e não pôde ser movido</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>O arquivo de histórico estava danificado. Ele foi movido para
%2
e um novo foi iniciado em
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>O arquivo de histórico
%1
foi gravado por um Zib mais novo e ficou como está. Este guarda o histórico em
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>O arquivo de histórico
%1
está bloqueado por outro programa e ficou como está. Desta vez o histórico fica em
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
        <translation>%1 dos dias</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: visto em %4 dos dias</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, mais em %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Clã visto</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Vagas</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Jogadores (média de 15 min)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Do clã (média de 15 min)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Do clã</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Últimas 24 horas</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 dias</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 dias</translation>
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
        <translation>nos últimos 30 dias, no seu horário</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Mapa da semana</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
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
        <translation>Aparições</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Limpar histórico</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Nenhum servidor</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>Não visto nos últimos 30 dias.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>Visto mais em %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Não foi possível gravar o histórico em
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Esquecer tudo o que o Zib guardou dos seus servidores e clãs? Isso não pode ser desfeito.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Procurando o nome do host...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Procurando nomes de host (%1)...</translation>
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
        <translation>Marque os servidores que o Zib deve vigiar. Os jogos de Half-Life já vêm marcados; os servidores que já estão na sua lista aparecem em cinza.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
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
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Já está na sua lista</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Não dá para usar: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>um texto entre aspas não foi fechado</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>uma condição entre colchetes não foi fechada</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>o bloco </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> não é fechado antes do fim do arquivo</translation>
    </message>
    <message>
        <source>a '}' closes no block</source>
        <translation>um '}' não fecha nenhum bloco</translation>
    </message>
    <message>
        <source>a block has no name before its '{'</source>
        <translation>um bloco não tem nome antes do seu '{'</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>há uma condição onde deveria haver um nome</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>blocos aninhados em mais de %1 níveis</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> não tem valor</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>Não foi possível salvar sua alteração em
%1
(%2).

O Zib a guarda enquanto estiver aberto e tenta salvar de novo na próxima alteração.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>Não foi possível salvar suas alterações em
%1
(%2).

O Zib está fechando, então elas foram perdidas.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Notificações da área de trabalho</translation>
    </message>
    <message>
        <source>Show alerts in the desktop's notifications</source>
        <translation>Mostrar alertas nas notificações do sistema</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL do webhook</translation>
    </message>
    <message>
        <source>Bot token</source>
        <translation>Token do bot</translation>
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
        <translation>Celular (ntfy)</translation>
    </message>
    <message>
        <source>Topic URL</source>
        <translation>URL do tópico</translation>
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
        <translation>Testar</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Não configurado: preencha os campos acima primeiro</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Parado: %1 (mude as configurações para tentar de novo)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Ligado; nada enviado ainda</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Último: %1 às %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; na fila: %1</translation>
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
        <translation>Entregue</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Nenhum serviço de notificação responde nesta área de trabalho</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Ligado; nada enviado ainda</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Último: %1 às %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered "%2".

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Os alertas não são mais enviados para %1: o serviço respondeu "%2".

Confira as configurações na janela Notificações; o envio volta quando elas mudarem.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation> deve ser um endereço começando com http:// ou https://.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>O webhook do Discord</translation>
    </message>
    <message>
        <source>Telegram needs both the bot's token and the chat.</source>
        <translation>O Telegram precisa do token do bot e do chat.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>O token do Telegram tem caracteres que nenhum token de bot tem.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>O endereço da Bot API do Telegram</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>O tópico do ntfy</translation>
    </message>
    <message>
        <source>The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>O endereço do tópico do ntfy deve terminar com o tópico, como em https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>a pasta dele não existe</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>O Zib não consegue escutar na porta UDP %1: %2. A verificação fica desligada até a porta ficar livre.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    e mais %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation><numerusform>%n servidor adicionado.</numerusform><numerusform>%n servidores adicionados.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation><numerusform>%n servidor adicionado.</numerusform><numerusform>%n servidores adicionados.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation><numerusform>%n servidor já estava na lista e foi pulado.</numerusform><numerusform>%n servidores já estavam na lista e foram pulados.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation><numerusform>%n servidor já estava na lista e foi pulado.</numerusform><numerusform>%n servidores já estavam na lista e foram pulados.</numerusform></translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>O Zib não conseguiu gravar seu arquivo de configurações, </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: os novos servidores são vigiados agora, mas vão sumir quando o Zib abrir de novo.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n servidor não coube: a lista comporta no máximo %1.</numerusform><numerusform>%n servidores não couberam: a lista comporta no máximo %1.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n servidor não coube: a lista comporta no máximo %1.</numerusform><numerusform>%n servidores não couberam: a lista comporta no máximo %1.</numerusform></translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Estes nomes de host não foram encontrados:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>A busca destes nomes de host foi cancelada:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Estes não são endereços de servidor que o Zib possa usar:</translation>
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
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Clã</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>SERVIDOR: </translation>
    </message>
    <message>
        <source>Addr: </source>
        <translation>End.: </translation>
    </message>
    <message>
        <source>Port: </source>
        <translation>Porta: </translation>
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
        <translation>Entrar no jogo</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Copiar endereço</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>Nada neste computador abre links steam://, então não foi possível abrir o jogo (a Steam está instalada?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>O endereço </translation>
    </message>
    <message>
        <source> has been copied: type "connect " in the game's console and paste it after that.</source>
        <translation> foi copiado: digite "connect " no console do jogo e cole em seguida.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>Nenhum endereço de servidor foi encontrado na área de transferência.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Nenhum arquivo do navegador de servidores da Steam foi encontrado. O Zib procurou userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf em:</translation>
    </message>
    <message>
        <source>Steam's server browser lists no favourites and no history.</source>
        <translation>O navegador de servidores da Steam não tem favoritos nem histórico.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Importar servidores da Steam</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Adicionar servidores copiados</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Histórico...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Endereço do servidor e número da porta:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    ou</translation>
    </message>
    <message>
        <source>Sorry that address doesn't look right.</source>
        <translation>Esse endereço não parece certo.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Digite o endereço E a porta separados por dois-pontos (:).</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Tem certeza de que quer excluir: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Adicionar servidor de jogo</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Remover servidor</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: o arquivo tem mais de %1 MB, o que nenhuma lista de servidores tem; ele não foi lido.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: o arquivo está danificado (</translation>
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
        <translation>|Tag do clã        | Alerta     |  Gatilho  </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Mudar seus filtros</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Seus filtros de clã</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Remover filtro</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Novo filtro</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Nome/tag do clã</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Alerta na tela + som</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Jogadores para o alerta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>As mudanças valem na hora</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Sorry I couldn't add that filter. Make sure you've entered all the details</source>
        <translation>Não consegui adicionar esse filtro. Confira se você preencheu todos os campos</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd" />
<byte value="xd" />
</source>
        <translation>Tem certeza de que quer remover: <byte value="xd" />
<byte value="xd" />
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Histórico...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>O Zib já está aberto para esta conta em outra sessão deste computador. Seus servidores e configurações ficam lá; uma segunda cópia os sobrescreveria, então esta fecha.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Feche o Zib na outra sessão para abri-lo aqui.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Não foi possível salvar o idioma.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>O Zib usará o idioma escolhido a partir da próxima vez que abrir.</translation>
    </message>
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
        <translation>O Zib está vigiando seus servidores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Novo servidor</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Excluir servidor</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Mostrar o Zib</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Iniciar com o sistema</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Notificações...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Não foi possível fazer o Zib iniciar com o sistema:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Não foi possível impedir o Zib de iniciar com o sistema:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>ele contém um token e não pôde ficar legível só para você</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>Opções do ZIB</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Servidores de jogo</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Verificar os servidores a cada (segundos 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>Alertar no máximo uma vez a cada (minutos)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Tocar um som quando houver alerta</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>As mudanças valem na hora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Notificações...</translation>
    </message>
</context>
</TS>