<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AnsweredCallsModel</name>
    <message>
        <source>Pellorin cannot read this line of the record.</source>
        <translation>Pellorin non riesce a leggere questa riga del registro.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Chiamante</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Elenchi</translation>
    </message>
    <message>
        <source>What was done</source>
        <translation>Cosa è stato fatto</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>chiamate</translation>
    </message>
    <message>
        <source>video calls</source>
        <translation>videochiamate</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>risposto</translation>
    </message>
    <message>
        <source>answered, video started</source>
        <translation>risposto, video avviato</translation>
    </message>
    <message>
        <source>not answered: the call was no longer ringing</source>
        <translation>senza risposta: la chiamata non squillava più</translation>
    </message>
    <message>
        <source>answer failed: </source>
        <translation>risposta non riuscita: </translation>
    </message>
    <message>
        <source>answered, video failed: </source>
        <translation>risposto, video non riuscito: </translation>
    </message>
    <message>
        <source>answered, video not started </source>
        <translation>risposto, video non avviato </translation>
    </message>
</context>
<context>
    <name>AttachState</name>
    <message>
        <source>Attached to %1</source>
        <translation>Collegato a %1</translation>
    </message>
    <message>
        <source>Attaching to %1...</source>
        <translation>Collegamento a %1...</translation>
    </message>
    <message>
        <source>Not attached: %1 is not running</source>
        <translation>Non collegato: %1 non è in esecuzione</translation>
    </message>
    <message>
        <source>Not attached: %1 refused; asking again at %2</source>
        <translation>Non collegato: %1 ha rifiutato; nuova richiesta alle %2</translation>
    </message>
    <message>
        <source>Not attached: %1 refused</source>
        <translation>Non collegato: %1 ha rifiutato</translation>
    </message>
    <message>
        <source>Not attached</source>
        <translation>Non collegato</translation>
    </message>
</context>
<context>
    <name>Attachment</name>
    <message>
        <source>Please start your %1 client first.</source>
        <translation>Avviare prima il client %1.</translation>
    </message>
    <message>
        <source>Pellorin has successfully attached itself to your %1 client.</source>
        <translation>Pellorin si è collegato correttamente al client %1.</translation>
    </message>
    <message>
        <source>An error has occured: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Si è verificato un errore: <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unfortunately, Pellorin could not attached itself to your %1 client.</source>
        <translation>Purtroppo Pellorin non è riuscito a collegarsi al client %1.</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListEditor</name>
    <message>
        <source>Please select a contact to add to your auto-answer list</source>
        <translation>Selezionare un contatto da aggiungere all&apos;elenco di risposta automatica</translation>
    </message>
    <message>
        <source>Please select a contact to remove from your auto-answer list</source>
        <translation>Selezionare un contatto da rimuovere dall&apos;elenco di risposta automatica</translation>
    </message>
    <message>
        <source>Your chosen list has been saved successfully.</source>
        <translation>L&apos;elenco scelto è stato salvato correttamente.</translation>
    </message>
    <message>
        <source>Your auto-answer list is full: it holds at most %1 entries. Remove an entry before you add another one.</source>
        <translation>L&apos;elenco di risposta automatica è pieno: contiene al massimo %1 voci. Rimuovere una voce prima di aggiungerne un&apos;altra.</translation>
    </message>
    <message>
        <source>Please type the address of the caller to add to your auto-answer list</source>
        <translation>Digitare l&apos;indirizzo del chiamante da aggiungere all&apos;elenco di risposta automatica</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListForm</name>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Elenchi contatti (ID):</translation>
    </message>
    <message>
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Aggiungi &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Remove</source>
        <translation>&lt;&lt; &amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Your Auto-Answer Lists :</source>
        <translation>I tuoi elenchi di risposta automatica:</translation>
    </message>
    <message>
        <source>Your Auto-Answer Options:</source>
        <translation>Le tue opzioni di risposta automatica:</translation>
    </message>
    <message>
        <source>Auto answer incoming calls</source>
        <translation>Rispondi automaticamente alle chiamate in arrivo</translation>
    </message>
    <message>
        <source>Auto answer incoming calls with video</source>
        <translation>Rispondi automaticamente alle chiamate in arrivo con il video</translation>
    </message>
    <message>
        <source>Address of a caller not listed</source>
        <translation>Indirizzo di un chiamante non in elenco</translation>
    </message>
    <message>
        <source>Type the address of a caller who is not among your contacts (user@host).</source>
        <translation>Digitare l&apos;indirizzo di un chiamante che non è tra i tuoi contatti (utente@host).</translation>
    </message>
    <message>
        <source>A&amp;ddress &gt;&gt;</source>
        <translation>In&amp;dirizzo &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Pellorin could not write the autostart entry %1: %2</source>
        <translation>Pellorin non è riuscito a scrivere la voce di avvio automatico %1: %2</translation>
    </message>
    <message>
        <source>the program&apos;s path holds a line break</source>
        <translation>il percorso del programma contiene un a capo</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Pellorin could not remove the autostart entry %1: %2</source>
        <translation>Pellorin non è riuscito a rimuovere la voce di avvio automatico %1: %2</translation>
    </message>
</context>
<context>
    <name>CallOutcome</name>
    <message>
        <source>answer failed</source>
        <translation>risposta non riuscita</translation>
    </message>
    <message>
        <source>answered with video</source>
        <translation>risposto con video</translation>
    </message>
    <message>
        <source>answered, video failed</source>
        <translation>risposto, video non riuscito</translation>
    </message>
    <message>
        <source>answered, video not started</source>
        <translation>risposto, video non avviato</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>risposto</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>senza risposta</translation>
    </message>
</context>
<context>
    <name>CallerAddress</name>
    <message>
        <source>This calling client takes no typed addresses.</source>
        <translation>Questo client di chiamata non accetta indirizzi digitati.</translation>
    </message>
    <message>
        <source>user@host, with the port when the caller has one (sip:alice@192.0.2.7:5072, say)</source>
        <translation>utente@host, con la porta se il chiamante ne ha una (ad esempio sip:alice@192.0.2.7:5072)</translation>
    </message>
    <message>
        <source>%1 is not an address that %2 can take calls from. Type it as %3.</source>
        <translation>%1 non è un indirizzo da cui %2 può ricevere chiamate. Digitarlo come %3.</translation>
    </message>
    <message>
        <source>a Jami ID (40 digits and letters a to f), or as the address of a SIP caller, user@host (sip:alice@192.0.2.7:5072, say)</source>
        <translation>un ID Jami (40 cifre e lettere dalla a alla f), oppure come indirizzo di un chiamante SIP, utente@host (ad esempio sip:alice@192.0.2.7:5072)</translation>
    </message>
</context>
<context>
    <name>ContactBrowser</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Errore di run-time &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>1 more failure happened while this box was open; the log lists it.</source>
        <translation>Si è verificato un altro errore mentre questa finestra era aperta; il registro lo riporta.</translation>
    </message>
    <message>
        <source>%1 more failures happened while this box was open; the log lists them.</source>
        <translation>Si sono verificati altri %1 errori mentre questa finestra era aperta; il registro li riporta.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>baresip&apos;s control socket at %1 cannot be reached: %2</source>
        <translation>Il socket di controllo di baresip su %1 non è raggiungibile: %2</translation>
    </message>
    <message>
        <source>Nothing listens on baresip&apos;s control socket at %1: baresip is not running there, or its ctrl_tcp module is not loaded.</source>
        <translation>Nessuno è in ascolto sul socket di controllo di baresip su %1: baresip non è in esecuzione lì oppure il suo modulo ctrl_tcp non è caricato.</translation>
    </message>
    <message>
        <source>The connection to baresip at %1 has closed (%2). Give the attach command again to connect again.</source>
        <translation>La connessione a baresip su %1 si è chiusa (%2). Ripetere il comando di collegamento per ricollegarsi.</translation>
    </message>
    <message>
        <source>baresip&apos;s control socket at %1 did not take the connection within %2.</source>
        <translation>Il socket di controllo di baresip su %1 non ha accettato la connessione entro %2.</translation>
    </message>
    <message>
        <source>The calling client is not running.</source>
        <translation>Il client di chiamata non è in esecuzione.</translation>
    </message>
    <message>
        <source>The calling client has not answered the attach request within %1. When it is answered, Pellorin will tell you.</source>
        <translation>Il client di chiamata non ha risposto alla richiesta di collegamento entro %1. Pellorin ti avviserà quando riceverà una risposta.</translation>
    </message>
    <message>
        <source>The calling client did not allow Pellorin to use it.</source>
        <translation>Il client di chiamata non ha consentito a Pellorin di usarlo.</translation>
    </message>
    <message>
        <source>Nobody is signed in to the calling client.</source>
        <translation>Nessuno ha effettuato l&apos;accesso al client di chiamata.</translation>
    </message>
    <message>
        <source>The calling client has not allowed Pellorin to use it within %1.</source>
        <translation>Il client di chiamata non ha consentito a Pellorin di usarlo entro %1.</translation>
    </message>
    <message>
        <source>The calling client quit while Pellorin was attaching to it.</source>
        <translation>Il client di chiamata è stato chiuso mentre Pellorin si collegava.</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) is not running on the session bus: nothing owns the name cx.ring.Ring. Start Jami first.</source>
        <translation>Il demone di Jami (jamid) non è in esecuzione sul bus di sessione: nessuno possiede il nome cx.ring.Ring. Avviare prima Jami.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>baresip answered the command &quot;listcalls&quot; with %1. Pellorin needs baresip&apos;s menu module.</source>
        <translation>baresip ha risposto al comando &quot;listcalls&quot; con %1. Pellorin ha bisogno del modulo menu di baresip.</translation>
    </message>
    <message>
        <source>The caller of the call from %1 has not agreed to %2 within %3.</source>
        <translation>Il chiamante %1 non ha accettato %2 entro %3.</translation>
    </message>
    <message>
        <source>baresip could not answer the call from %1: %2</source>
        <translation>baresip non è riuscito a rispondere alla chiamata di %1: %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 when it was asked to answer the one from %2: a call that came in meanwhile took its place.</source>
        <translation>baresip ha risposto alla chiamata di %1 mentre gli era stato chiesto di rispondere a quella di %2: una chiamata arrivata nel frattempo ne ha preso il posto.</translation>
    </message>
    <message>
        <source>baresip did not answer the call from %1.</source>
        <translation>baresip non ha risposto alla chiamata di %1.</translation>
    </message>
    <message>
        <source>baresip answered the call from %1, but the call has not been established within %2.</source>
        <translation>baresip ha risposto alla chiamata di %1, ma la chiamata non è stata stabilita entro %2.</translation>
    </message>
    <message>
        <source>baresip could not take the call from %1 off hold: %2</source>
        <translation>baresip non è riuscito a riprendere la chiamata in attesa di %1: %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 but could not stop sending your video into it: %2</source>
        <translation>baresip ha risposto alla chiamata di %1 ma non è riuscito a interrompere l&apos;invio del tuo video: %2</translation>
    </message>
    <message>
        <source>The call from %1 has ended.</source>
        <translation>La chiamata di %1 è terminata.</translation>
    </message>
    <message>
        <source>The call from %1 has no video: the caller did not offer any.</source>
        <translation>La chiamata di %1 non ha video: il chiamante non l&apos;ha offerto.</translation>
    </message>
    <message>
        <source>baresip could not start sending video into the call from %1: %2</source>
        <translation>baresip non è riuscito ad avviare l&apos;invio del video nella chiamata di %1: %2</translation>
    </message>
    <message>
        <source>baresip could not list its contacts: %1</source>
        <translation>baresip non è riuscito a elencare i suoi contatti: %1</translation>
    </message>
    <message>
        <source>The calling client quit before it answered %1.</source>
        <translation>Il client di chiamata è stato chiuso prima di rispondere a %1.</translation>
    </message>
    <message>
        <source>The calling client did not answer %1 within %2.</source>
        <translation>Il client di chiamata non ha risposto a %1 entro %2.</translation>
    </message>
    <message>
        <source>The calling client could not be reached: %1</source>
        <translation>Il client di chiamata non è raggiungibile: %1</translation>
    </message>
    <message>
        <source>The calling client refused %1 (error %2).</source>
        <translation>Il client di chiamata ha rifiutato %1 (errore %2).</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) quit before it answered %1. Give the attach command again once Jami runs.</source>
        <translation>Il demone di Jami (jamid) è terminato prima di rispondere a %1. Ripetere il comando di collegamento quando Jami è in esecuzione.</translation>
    </message>
    <message>
        <source>Jami did not answer the call from %1.</source>
        <translation>Jami non ha risposto alla chiamata di %1.</translation>
    </message>
    <message>
        <source>Jami could not start sending your video into the call from %1.</source>
        <translation>Jami non è riuscito ad avviare l&apos;invio del tuo video nella chiamata di %1.</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Invalid property value (list index %1)</source>
        <translation>Valore di proprietà non valido (indice di elenco %1)</translation>
    </message>
    <message>
        <source>The list is full: it holds at most %1 entries.</source>
        <translation>L&apos;elenco è pieno: contiene al massimo %1 voci.</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>The list file &quot;%1&quot; exists but cannot be read (%2). The list was not loaded.</source>
        <translation>Il file di elenco &quot;%1&quot; esiste ma non può essere letto (%2). L&apos;elenco non è stato caricato.</translation>
    </message>
    <message>
        <source>The list could not be saved to &quot;%1&quot; (%2). The file was left as it was.</source>
        <translation>Impossibile salvare l&apos;elenco in &quot;%1&quot; (%2). Il file non è stato modificato.</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; holds more than %2 entries, the most a list can hold. Only the first %2 were loaded; the rest were not loaded, and saving this list will leave them out of the file.</source>
        <translation>Il file di elenco &quot;%1&quot; contiene più di %2 voci, il massimo che un elenco può contenere. Sono state caricate solo le prime %2; le altre no, e salvando questo elenco verranno escluse dal file.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>&quot;%1&quot; is not an address HOST:PORT (a host name or IPv4 address, or an IPv6 address in brackets, and a port from 1 to 65535).</source>
        <translation>&quot;%1&quot; non è un indirizzo HOST:PORTA (un nome host o un indirizzo IPv4, oppure un indirizzo IPv6 tra parentesi quadre, e una porta da 1 a 65535).</translation>
    </message>
    <message>
        <source>There is an autostart entry %1 that Pellorin did not write. </source>
        <translation>Esiste una voce di avvio automatico %1 che non è stata scritta da Pellorin. </translation>
    </message>
    <message>
        <source>The autostart entry %1 was changed after Pellorin wrote it. </source>
        <translation>La voce di avvio automatico %1 è stata modificata dopo che Pellorin l&apos;ha scritta. </translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>Sostituirla?</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <translation>Rimuoverla?</translation>
    </message>
</context>
<context>
    <name>Product</name>
    <message>
        <source>Pellorin - The Auto Answer Tool</source>
        <translation>Pellorin - Lo strumento di risposta automatica</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Object variable not set</source>
        <translation>Variabile oggetto non impostata</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variabile oggetto o variabile del blocco With non impostata</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>There is already a control with the name &apos;%1&apos;</source>
        <translation>Esiste già un controllo con il nome &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; not found</source>
        <translation>Controllo &apos;%1&apos; non trovato</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Pellorin could not save its settings in %1; they hold until it ends.</source>
        <translation>Pellorin non è riuscito a salvare le impostazioni in %1; restano valide fino alla chiusura.</translation>
    </message>
</context>
<context>
    <name>WindowInstance</name>
    <message>
        <source>The window is still loading; try again when it has opened.</source>
        <translation>La finestra è ancora in caricamento; riprovare quando si sarà aperta.</translation>
    </message>
    <message>
        <source>The window was closed while it was loading.</source>
        <translation>La finestra è stata chiusa durante il caricamento.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <translation>di Tolvane</translation>
    </message>
    <message>
        <source>This is a beta release and distributed as as-is. </source>
        <translation>Questa è una versione beta, distribuita così com&apos;è. </translation>
    </message>
    <message>
        <source>Tolvane is neither responsible nor liable for any damage done to your computer.</source>
        <translation>Tolvane non è responsabile di alcun danno causato al computer.</translation>
    </message>
</context>
<context>
    <name>frmAnsweredCalls</name>
    <message>
        <source>Answered Calls</source>
        <translation>Chiamate risposte</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>frmAutoCallList</name>
    <message>
        <source>Calls Auto Answer List</source>
        <translation>Elenco di risposta automatica alle chiamate</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Fare doppio clic su un ID utente per vederne i dettagli.</translation>
    </message>
</context>
<context>
    <name>frmAutoVideoCallList</name>
    <message>
        <source>Video Calls Auto-Answer List</source>
        <translation>Elenco di risposta automatica alle videochiamate</translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>Full Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sesso:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Compleanno:</translation>
    </message>
    <message>
        <source>Mobile #:</source>
        <translation>Cellulare:</translation>
    </message>
    <message>
        <source>Home #:</source>
        <translation>Casa:</translation>
    </message>
    <message>
        <source>Office #:</source>
        <translation>Ufficio:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Paese:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Contact Details</source>
        <translation>Dettagli contatto</translation>
    </message>
    <message>
        <source>Contact Details :</source>
        <translation>Dettagli contatto:</translation>
    </message>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Elenchi contatti (ID):</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Fare doppio clic su un ID utente per vederne i dettagli.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Elenchi</translation>
    </message>
    <message>
        <source>Calls List</source>
        <translation>Elenco chiamate</translation>
    </message>
    <message>
        <source>Video Calls List</source>
        <translation>Elenco videochiamate</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Show Logo</source>
        <translation>Mostra logo</translation>
    </message>
    <message>
        <source>Hide Logo</source>
        <translation>Nascondi logo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Riduci nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Pellorin Home Page</source>
        <translation>Sito web di Pellorin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Calling Client</source>
        <translation>Client di chiamata</translation>
    </message>
    <message>
        <source>baresip Control Address...</source>
        <translation>Indirizzo di controllo di baresip...</translation>
    </message>
    <message>
        <source>Attach Automatically</source>
        <translation>Collega automaticamente</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>&amp;Attach to %1</source>
        <translation>&amp;Collega a %1</translation>
    </message>
    <message>
        <source>%1 Contacts</source>
        <translation>Contatti %1</translation>
    </message>
    <message>
        <source>baresip Control Address</source>
        <translation>Indirizzo di controllo di baresip</translation>
    </message>
    <message>
        <source>Where baresip&apos;s control socket (its ctrl_tcp module) listens, HOST:PORT:</source>
        <translation>Dove è in ascolto il socket di controllo di baresip (il suo modulo ctrl_tcp), HOST:PORTA:</translation>
    </message>
    <message>
        <source>Please attach Pellorin to your %1 client first before using any features,<byte value="xd"/>
by clicking on File &gt; Attach to %1</source>
        <translation>Collegare Pellorin al client %1 prima di usarne le funzioni,<byte value="xd"/>
facendo clic su File &gt; Collega a %1</translation>
    </message>
    <message>
        <source>This desktop has no notification area to put Pellorin&apos;s icon in, so the window stays open.</source>
        <translation>Questo desktop non ha un&apos;area di notifica in cui mettere l&apos;icona di Pellorin, quindi la finestra resta aperta.</translation>
    </message>
    <message>
        <source>Not attached: no calling client is running</source>
        <translation>Non collegato: nessun client di chiamata è in esecuzione</translation>
    </message>
    <message>
        <source>Answered Calls</source>
        <translation>Chiamate risposte</translation>
    </message>
    <message>
        <source>Notify When Answering</source>
        <translation>Notifica alla risposta</translation>
    </message>
    <message>
        <source>Last: %1, %2, %3</source>
        <translation>Ultima: %1, %2, %3</translation>
    </message>
    <message>
        <source>Pellorin answered %1</source>
        <translation>Pellorin ha risposto alla chiamata di %1</translation>
    </message>
    <message>
        <source>Your video is on.</source>
        <translation>Il tuo video è attivo.</translation>
    </message>
    <message>
        <source>Pellorin could not answer %1</source>
        <translation>Pellorin non è riuscito a rispondere alla chiamata di %1</translation>
    </message>
</context>
</TS>
