<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="tr_TR">
<context>
    <name>AddressList</name>
    <message>
        <source>there is no address before the port</source>
        <translation>portun önünde adres yok</translation>
    </message>
    <message>
        <source>it is not an IPv4 address (four numbers from 0 to 255, separated by dots)</source>
        <translation>bu bir IPv4 adresi değil (noktalarla ayrılmış, 0 ile 255 arası dört sayı)</translation>
    </message>
    <message>
        <source>the host name is too long</source>
        <translation>sunucu adı çok uzun</translation>
    </message>
    <message>
        <source>it is not a host name (letters, digits, hyphens and dots)</source>
        <translation>bu bir ana bilgisayar adı değil (harf, rakam, tire ve nokta)</translation>
    </message>
    <message>
        <source>it is an IPv6 address; Half-Life servers are reached over IPv4 only</source>
        <translation>bu bir IPv6 adresi; Half-Life sunucularına yalnızca IPv4 ile ulaşılır</translation>
    </message>
    <message>
        <source>the port must be a whole number from 1 to 65535</source>
        <translation>port 1 ile 65535 arasında bir tam sayı olmalı</translation>
    </message>
</context>
<context>
    <name>AlertMessage</name>
    <message>
        <source>Zib test message</source>
        <translation>Zib deneme mesajı</translation>
    </message>
    <message>
        <source>Test: </source>
        <translation>Deneme: </translation>
    </message>
    <message>
        <source>%1 %2 of %3 on %4</source>
        <translation>%1: %3 içinden %2, %4 sunucusunda</translation>
    </message>
    <message>
        <source>Map %1, players %2/%3</source>
        <translation>Harita %1, oyuncular %2/%3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ve %1 tane daha</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>the connection was refused</source>
        <translation>bağlantı reddedildi</translation>
    </message>
    <message>
        <source>the service closed the connection</source>
        <translation>servis bağlantıyı kapattı</translation>
    </message>
    <message>
        <source>the service's host was not found</source>
        <translation>servisin sunucusu bulunamadı</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>bağlantı zaman aşımına uğradı</translation>
    </message>
    <message>
        <source>the secure connection failed (the certificate was not trusted)</source>
        <translation>güvenli bağlantı kurulamadı (sertifikaya güvenilmedi)</translation>
    </message>
    <message>
        <source>the network is down</source>
        <translation>ağ çalışmıyor</translation>
    </message>
    <message>
        <source>the proxy could not be used</source>
        <translation>proxy kullanılamadı</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>ağ hatası %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>%1 saniye içinde yanıt yok</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>İletildi</translation>
    </message>
    <message>
        <source>Given up: </source>
        <translation>Vazgeçildi: </translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_unix</name>
    <message>
        <source>no session bus</source>
        <translation>oturum veri yolu yok</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Zib'i göster</translation>
    </message>
    <message>
        <source>Join Game</source>
        <translation>Oyuna katıl</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications_win</name>
    <message>
        <source>no notification area</source>
        <translation>bildirim alanı yok</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The disk holding the history file
%1
is full. Recording history is paused until there is room again.</source>
        <translation>Geçmiş dosyasının bulunduğu disk
%1
dolu. Yer açılana kadar geçmiş kaydı duraklatıldı.</translation>
    </message>
    <message>
        <source>The history file
%1
cannot be written (%2). Zib goes on without recording history.</source>
        <translation>Geçmiş dosyası
%1
yazılamıyor (%2). Zib geçmiş kaydetmeden devam ediyor.</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>dosya bozuk ve kenara taşınamadı</translation>
    </message>
    <message>
        <source>The history file was damaged. It was moved aside to
%2
and a new one started in
%1</source>
        <translation>Geçmiş dosyası bozuktu. Şuraya taşındı:
%2
Yenisi şurada başlatıldı:
%1</translation>
    </message>
    <message>
        <source>The history file
%1
was written by a newer Zib and is left as it is. This one keeps its history in
%2</source>
        <translation>Geçmiş dosyası
%1
daha yeni bir Zib tarafından yazılmış ve olduğu gibi bırakıldı. Bu sürüm geçmişini şurada tutuyor:
%2</translation>
    </message>
    <message>
        <source>The history file
%1
is locked by another program and is left as it is. This run keeps its history in
%2</source>
        <translation>Geçmiş dosyası
%1
başka bir program tarafından kilitlenmiş ve olduğu gibi bırakıldı. Bu sefer geçmiş şurada tutuluyor:
%2</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>%1%</source>
        <translation>%%1</translation>
    </message>
    <message>
        <source>%1 of the days</source>
        <translation>günlerin %1'ünde</translation>
    </message>
    <message>
        <source>%1 %2-%3: seen on %4 of the days</source>
        <translation>%1 %2-%3: görülme oranı %4</translation>
    </message>
    <message>
        <source>%1, most on %2</source>
        <translation>%1, en çok: %2</translation>
    </message>
    <message>
        <source>Clan seen</source>
        <translation>Klan görüldü</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Players (mean of 15 min)</source>
        <translation>Oyuncu (15 dk ortalaması)</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Oyuncu</translation>
    </message>
    <message>
        <source>Hits (mean of 15 min)</source>
        <translation>Klan (15 dk ortalaması)</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Klan</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation>Son 24 saat</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Son 7 gün</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Son 30 gün</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Sunucu:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre:</translation>
    </message>
    <message>
        <source>the last 30 days, in your hours</source>
        <translation>son 30 gün, senin saatinle</translation>
    </message>
    <message>
        <source>Week Map</source>
        <translation>Haftalık harita</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Zirve</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>İsimler</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Görülmeler</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Dışa aktar...</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Geçmişi temizle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>No server</source>
        <translation>Sunucu yok</translation>
    </message>
    <message>
        <source>Not seen in the last 30 days.</source>
        <translation>Son 30 günde görülmedi.</translation>
    </message>
    <message>
        <source>Seen most on %1</source>
        <translation>En çok görüldüğü yer: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to
%1</source>
        <translation>Geçmiş şuraya yazılamadı:
%1</translation>
    </message>
    <message>
        <source>Forget everything Zib has kept of your servers and clans? This cannot be undone.</source>
        <translation>Zib'in sunucuların ve klanların hakkında tuttuğu her şey silinsin mi? Bu geri alınamaz.</translation>
    </message>
</context>
<context>
    <name>HostLookups</name>
    <message>
        <source>Looking up the host name...</source>
        <translation>Sunucu adı aranıyor...</translation>
    </message>
    <message>
        <source>Looking up %1 host names...</source>
        <translation>Sunucu adları aranıyor (%1)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ImportServersDialog</name>
    <message>
        <source>Tick the servers Zib should watch. Half-Life games are ticked for you; servers already in your list are greyed out.</source>
        <translation>Zib'in izleyeceği sunucuları işaretle. Half-Life oyunları zaten işaretli; listende olan sunucular gri görünür.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Son oynanan</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>Already in your list</source>
        <translation>Zaten listende</translation>
    </message>
    <message>
        <source>Not usable: </source>
        <translation>Kullanılamaz: </translation>
    </message>
</context>
<context>
    <name>KeyValues</name>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>tırnak içindeki bir metin kapatılmamış</translation>
    </message>
    <message>
        <source>a condition in brackets is not closed</source>
        <translation>köşeli parantezdeki bir koşul kapatılmamış</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>the block </source>
        <translation>blok </translation>
    </message>
    <message>
        <source> is not closed before the end of the file</source>
        <translation> dosyanın sonuna kadar kapatılmamış</translation>
    </message>
    <message>
        <source>a '}' closes no block</source>
        <translation>bir '}' hiçbir bloğu kapatmıyor</translation>
    </message>
    <message>
        <source>a block has no name before its '{'</source>
        <translation>bir bloğun '{' önünde adı yok</translation>
    </message>
    <message>
        <source>a condition stands where a name should</source>
        <translation>ad olması gereken yerde bir koşul var</translation>
    </message>
    <message>
        <source>blocks are nested more than %1 deep</source>
        <translation>bloklar %1 düzeyden derin iç içe</translation>
    </message>
    <message>
        <source> has no value</source>
        <translation> için değer yok</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ERROR</source>
        <translation>HATA</translation>
    </message>
    <message>
        <source>Your change could not be saved in
%1
(%2).

Zib keeps it while it runs and saves it again with your next change.</source>
        <translation>Değişikliğin şuraya kaydedilemedi:
%1
(%2).

Zib çalıştığı sürece onu tutar ve bir sonraki değişikliğinle yeniden kaydeder.</translation>
    </message>
    <message>
        <source>Your changes could not be saved in
%1
(%2).

Zib is closing, so they are lost.</source>
        <translation>Değişikliklerin şuraya kaydedilemedi:
%1
(%2).

Zib kapanıyor, bu yüzden kayboldular.</translation>
    </message>
</context>
<context>
    <name>NotificationsWindow</name>
    <message>
        <source>Notifications</source>
        <translation>Bildirimler</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Masaüstü bildirimleri</translation>
    </message>
    <message>
        <source>Show alerts in the desktop's notifications</source>
        <translation>Uyarıları masaüstü bildirimlerinde göster</translation>
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
        <translation>Sohbet</translation>
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
        <translation>Konu URL</translation>
    </message>
    <message>
        <source>Access token</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Send Test</source>
        <translation>Dene</translation>
    </message>
    <message>
        <source>Not set up: fill in the fields above first</source>
        <translation>Ayarlanmadı: önce yukarıdaki alanları doldur</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Stopped: %1 (change the settings to try again)</source>
        <translation>Durdu: %1 (yeniden denemek için ayarları değiştir)</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Gönderiliyor</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Açık; henüz bir şey gönderilmedi</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Son: %1, %2</translation>
    </message>
    <message>
        <source>; %1 waiting</source>
        <translation>; bekleyen: %1</translation>
    </message>
    <message>
        <source>; %1 dropped</source>
        <translation>; atılan: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Delivered</source>
        <translation>İletildi</translation>
    </message>
    <message>
        <source>No notification service answers on this desktop</source>
        <translation>Bu masaüstünde hiçbir bildirim servisi yanıt vermiyor</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>On; nothing sent yet</source>
        <translation>Açık; henüz bir şey gönderilmedi</translation>
    </message>
    <message>
        <source>Last: %1 at %2</source>
        <translation>Son: %1, %2</translation>
    </message>
</context>
<context>
    <name>NotifierLinks</name>
    <message>
        <source>Alerts are no longer sent to %1: the service answered "%2".

Check its settings in the Notifications window; it is tried again once they change.</source>
        <translation>Uyarılar artık %1 hedefine gönderilmiyor: servis "%2" yanıtını verdi.

Bildirimler penceresinde ayarlarını kontrol et; ayarlar değişince yeniden denenir.</translation>
    </message>
</context>
<context>
    <name>NotifySettings</name>
    <message>
        <source> must be an address starting with http:// or https://.</source>
        <translation> http:// veya https:// ile başlayan bir adres olmalı.</translation>
    </message>
    <message>
        <source>The Discord webhook</source>
        <translation>Discord webhook</translation>
    </message>
    <message>
        <source>Telegram needs both the bot's token and the chat.</source>
        <translation>Telegram için hem bot tokenı hem sohbet gerekli.</translation>
    </message>
    <message>
        <source>The Telegram token holds characters no bot token has.</source>
        <translation>Telegram tokenında hiçbir bot tokenında olmayan karakterler var.</translation>
    </message>
    <message>
        <source>The Telegram Bot API address</source>
        <translation>Telegram Bot API adresi</translation>
    </message>
    <message>
        <source>The ntfy topic</source>
        <translation>ntfy konusu</translation>
    </message>
    <message>
        <source>The ntfy topic's address must end with the topic, as in https://ntfy.sh/TOPIC.</source>
        <translation>ntfy konusunun adresi konuyla bitmeli, örneğin https://ntfy.sh/TOPIC.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is read-only</source>
        <translation>dosya salt okunur</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>klasörü yok</translation>
    </message>
</context>
<context>
    <name>QueryEngine</name>
    <message>
        <source>Zib cannot listen on UDP port %1: %2. Checking stays off until the port is free.</source>
        <translation>Zib UDP port %1 üzerinde dinleyemiyor: %2. Port boşalana kadar kontrol kapalı kalır.</translation>
    </message>
</context>
<context>
    <name>ServerAdditions</name>
    <message>
        <source>    and %1 more</source>
        <translation>    ve %1 tane daha</translation>
    </message>
    <message numerus="yes">
        <source>Added %n server.</source>
        <translation><numerusform>%n sunucu eklendi.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Added %n servers.</source>
        <translation><numerusform>%n sunucu eklendi.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n server was already in the list and skipped.</source>
        <translation><numerusform>%n sunucu zaten listedeydi ve atlandı.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers were already in the list and skipped.</source>
        <translation><numerusform>%n sunucu zaten listedeydi ve atlandı.</numerusform></translation>
    </message>
    <message>
        <source>Zib could not write its settings file, </source>
        <translation>Zib ayar dosyasını yazamadı, </translation>
    </message>
    <message>
        <source>: the new servers are watched now but will be gone when Zib starts again.</source>
        <translation>: yeni sunucular şimdi izleniyor ama Zib yeniden açılınca kaybolacak.</translation>
    </message>
    <message numerus="yes">
        <source>%n server did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n sunucu sığmadı: liste en fazla %1 sunucu alır.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n servers did not fit: the list holds at most %1.</source>
        <translation><numerusform>%n sunucu sığmadı: liste en fazla %1 sunucu alır.</numerusform></translation>
    </message>
    <message>
        <source>These host names could not be found:</source>
        <translation>Bu sunucu adları bulunamadı:</translation>
    </message>
    <message>
        <source>The look-up of these host names was cancelled:</source>
        <translation>Bu sunucu adlarının aranması iptal edildi:</translation>
    </message>
    <message>
        <source>These are not server addresses Zib can use:</source>
        <translation>Bunlar Zib'in kullanabileceği sunucu adresleri değil:</translation>
    </message>
</context>
<context>
    <name>ServerGrid</name>
    <message>
        <source> Server</source>
        <translation> Sunucu</translation>
    </message>
    <message>
        <source> Map</source>
        <translation> Harita</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Oyuncu</translation>
    </message>
    <message>
        <source>  Hits</source>
        <translation>  Klan</translation>
    </message>
    <message>
        <source>SERVER: </source>
        <translation>SUNUCU: </translation>
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
        <translation>Oyuna katıl</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Adresi kopyala</translation>
    </message>
    <message>
        <source>Nothing on this computer opens steam:// links, so the game could not be started for you (is Steam installed?).</source>
        <translation>Bu bilgisayarda steam:// bağlantılarını açan bir şey yok, bu yüzden oyun başlatılamadı (Steam kurulu mu?).</translation>
    </message>
    <message>
        <source>The address </source>
        <translation>Adres </translation>
    </message>
    <message>
        <source> has been copied: type "connect " in the game's console and paste it after that.</source>
        <translation> kopyalandı: oyunun konsoluna "connect " yaz ve arkasına yapıştır.</translation>
    </message>
    <message>
        <source>No server addresses were found on the clipboard.</source>
        <translation>Panoda sunucu adresi bulunamadı.</translation>
    </message>
    <message>
        <source>No server browser file of Steam was found. Zib looked for userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf in:</source>
        <translation>Steam'in sunucu tarayıcısı dosyası bulunamadı. Zib userdata/&lt;account&gt;/7/remote/serverbrowser_hist.vdf dosyasını şuralarda aradı:</translation>
    </message>
    <message>
        <source>Steam's server browser lists no favourites and no history.</source>
        <translation>Steam'in sunucu tarayıcısında favori de geçmiş de yok.</translation>
    </message>
    <message>
        <source>Import Servers from Steam</source>
        <translation>Steam'den sunucu al</translation>
    </message>
    <message>
        <source>Add Servers from Clipboard</source>
        <translation>Panodan sunucu ekle</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Geçmiş...</translation>
    </message>
</context>
<context>
    <name>ServerListEdits</name>
    <message>
        <source>Server address and port number:</source>
        <translation>Sunucu adresi ve port numarası:</translation>
    </message>
    <message>
        <source>    or</source>
        <translation>    veya</translation>
    </message>
    <message>
        <source>Sorry that address doesn't look right.</source>
        <translation>Bu adres doğru görünmüyor.</translation>
    </message>
    <message>
        <source>Make sure you type the address AND the port separated by a : symbol.</source>
        <translation>Adresi VE portu iki nokta (:) ile ayırarak yaz.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete: </source>
        <translation>Silmek istediğine emin misin: </translation>
    </message>
    <message>
        <source>Add a new Game Server</source>
        <translation>Yeni oyun sunucusu ekle</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Sunucuyu sil</translation>
    </message>
</context>
<context>
    <name>SteamImport</name>
    <message>
        <source>: the file is larger than %1 MB, which no server list is; it was not read.</source>
        <translation>: dosya %1 MB’tan büyük, hiçbir sunucu listesi bu kadar büyük değildir; okunmadı.</translation>
    </message>
    <message>
        <source>: the file is damaged (</source>
        <translation>: dosya bozuk (</translation>
    </message>
    <message>
        <source>App %1</source>
        <translation>Uygulama %1</translation>
    </message>
</context>
<context>
    <name>alertCreeper</name>
    <message>
        <source>ALERT</source>
        <translation>UYARI</translation>
    </message>
</context>
<context>
    <name>filtersWindow</name>
    <message>
        <source>|Clan Tag          | Show Alert |  Trigger  </source>
        <translation>|Klan etiketi      | Uyarı      |  Eşik     </translation>
    </message>
    <message>
        <source>Change your filters</source>
        <translation>Filtreleri değiştir</translation>
    </message>
    <message>
        <source>Your Clan Filters</source>
        <translation>Klan filtrelerin</translation>
    </message>
    <message>
        <source>Remove Filter</source>
        <translation>Filtreyi sil</translation>
    </message>
    <message>
        <source>Add New Filter</source>
        <translation>Yeni filtre</translation>
    </message>
    <message>
        <source>Clan Name/Tag</source>
        <translation>Klan adı/etiketi</translation>
    </message>
    <message>
        <source>Show Popup Alerts + Sound</source>
        <translation>Ekranda uyarı + ses</translation>
    </message>
    <message>
        <source>Players needed to trigger alert</source>
        <translation>Uyarı için oyuncu sayısı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Değişiklikler hemen geçerli olur</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Sorry I couldn't add that filter. Make sure you've entered all the details</source>
        <translation>Bu filtre eklenemedi. Tüm alanları doldurduğundan emin ol</translation>
    </message>
    <message>
        <source>Are you sure you wish to remove: <byte value="xd" />
<byte value="xd" />
</source>
        <translation>Silmek istediğine emin misin: <byte value="xd" />
<byte value="xd" />
</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Geçmiş...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zib is already running for this account in another login session of this computer. It keeps your servers and settings there; a second copy would overwrite them, so this one ends.</source>
        <translation>Zib bu hesap için bu bilgisayarın başka bir oturumunda zaten çalışıyor. Sunucularını ve ayarlarını orada tutuyor; ikinci bir kopya onların üzerine yazardı, bu yüzden bu kopya kapanıyor.</translation>
    </message>
    <message>
        <source>Close Zib in the other session to run it here.</source>
        <translation>Burada çalıştırmak için diğer oturumdaki Zib'i kapat.</translation>
    </message>
</context>
<context>
    <name>mainZibWindow</name>
    <message>
        <source>Show Servers</source>
        <translation>Sunucular</translation>
    </message>
    <message>
        <source>Hide Servers</source>
        <translation>Gizle</translation>
    </message>
    <message>
        <source>Zib is watching your servers</source>
        <translation>Zib sunucularını izliyor</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Add New Server</source>
        <translation>Sunucu ekle</translation>
    </message>
    <message>
        <source>Remove Server</source>
        <translation>Sunucuyu sil</translation>
    </message>
    <message>
        <source>Change Filters</source>
        <translation>Filtreler</translation>
    </message>
    <message>
        <source>Show Zib</source>
        <translation>Zib'i göster</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Sistemle birlikte başlat</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Bildirimler...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>The language could not be saved.</source>
        <translation>Dil kaydedilemedi.</translation>
    </message>
    <message>
        <source>Zib speaks the chosen language from its next start.</source>
        <translation>Zib seçilen dili bir sonraki açılışta kullanacak.</translation>
    </message>
    <message>
        <source>Zib could not be set to start with the desktop:
</source>
        <translation>Zib sistemle birlikte başlayacak şekilde ayarlanamadı:
</translation>
    </message>
    <message>
        <source>Zib could not stop starting with the desktop:
</source>
        <translation>Zib'in sistemle birlikte başlaması kapatılamadı:
</translation>
    </message>
</context>
<context>
    <name>mdlZibProcessing</name>
    <message>
        <source>it holds a token and could not be made readable by you alone</source>
        <translation>içinde bir token var ve yalnızca senin okuyabileceğin hale getirilemedi</translation>
    </message>
</context>
<context>
    <name>optionsWindow</name>
    <message>
        <source>ZIB Options</source>
        <translation>ZIB Ayarları</translation>
    </message>
    <message>
        <source>Game Servers</source>
        <translation>Oyun sunucuları</translation>
    </message>
    <message>
        <source>Recheck game servers every (seconds 5 - 60)</source>
        <translation>Sunucuları şu aralıkla kontrol et (saniye 5 - 60)</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Uyarılar</translation>
    </message>
    <message>
        <source>Maximum alert speed:   Once every (minutes)</source>
        <translation>En fazla şu sürede bir uyarı (dakika)</translation>
    </message>
    <message>
        <source>Play a sound when an alert happens</source>
        <translation>Uyarı olunca ses çal</translation>
    </message>
    <message>
        <source>Your changes should take effect immediately</source>
        <translation>Değişiklikler hemen geçerli olur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Notifications...</source>
        <translation>Bildirimler...</translation>
    </message>
</context>
</TS>