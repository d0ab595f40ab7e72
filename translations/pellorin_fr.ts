<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnsweredCallsModel</name>
    <message>
        <source>Pellorin cannot read this line of the record.</source>
        <translation>Pellorin ne peut pas lire cette ligne de l&apos;historique.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Appelant</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>What was done</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>appels</translation>
    </message>
    <message>
        <source>video calls</source>
        <translation>appels vidéo</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>répondu</translation>
    </message>
    <message>
        <source>answered, video started</source>
        <translation>répondu, vidéo démarrée</translation>
    </message>
    <message>
        <source>not answered: the call was no longer ringing</source>
        <translation>sans réponse : l&apos;appel ne sonnait plus</translation>
    </message>
    <message>
        <source>answer failed: </source>
        <translation>échec de la réponse : </translation>
    </message>
    <message>
        <source>answered, video failed: </source>
        <translation>répondu, échec de la vidéo : </translation>
    </message>
    <message>
        <source>answered, video not started </source>
        <translation>répondu, vidéo non démarrée </translation>
    </message>
</context>
<context>
    <name>AttachState</name>
    <message>
        <source>Attached to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>Attaching to %1...</source>
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>Not attached: %1 is not running</source>
        <translation>Non connecté : %1 n&apos;est pas lancé</translation>
    </message>
    <message>
        <source>Not attached: %1 refused; asking again at %2</source>
        <translation>Non connecté : %1 a refusé ; nouvelle demande à %2</translation>
    </message>
    <message>
        <source>Not attached: %1 refused</source>
        <translation>Non connecté : %1 a refusé</translation>
    </message>
    <message>
        <source>Not attached</source>
        <translation>Non connecté</translation>
    </message>
</context>
<context>
    <name>Attachment</name>
    <message>
        <source>Please start your %1 client first.</source>
        <translation>Veuillez d&apos;abord démarrer votre client %1.</translation>
    </message>
    <message>
        <source>Pellorin has successfully attached itself to your %1 client.</source>
        <translation>Pellorin s&apos;est connecté à votre client %1.</translation>
    </message>
    <message>
        <source>An error has occured: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Une erreur s&apos;est produite : <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unfortunately, Pellorin could not attached itself to your %1 client.</source>
        <translation>Malheureusement, Pellorin n&apos;a pas pu se connecter à votre client %1.</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListEditor</name>
    <message>
        <source>Please select a contact to add to your auto-answer list</source>
        <translation>Veuillez sélectionner un contact à ajouter à votre liste de réponse automatique</translation>
    </message>
    <message>
        <source>Please select a contact to remove from your auto-answer list</source>
        <translation>Veuillez sélectionner un contact à retirer de votre liste de réponse automatique</translation>
    </message>
    <message>
        <source>Your chosen list has been saved successfully.</source>
        <translation>La liste choisie a bien été enregistrée.</translation>
    </message>
    <message>
        <source>Your auto-answer list is full: it holds at most %1 entries. Remove an entry before you add another one.</source>
        <translation>Votre liste de réponse automatique est pleine : elle contient au plus %1 entrées. Retirez une entrée avant d&apos;en ajouter une autre.</translation>
    </message>
    <message>
        <source>Please type the address of the caller to add to your auto-answer list</source>
        <translation>Veuillez saisir l&apos;adresse de l&apos;appelant à ajouter à votre liste de réponse automatique</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListForm</name>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Listes de contacts (ID) :</translation>
    </message>
    <message>
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Ajouter &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Remove</source>
        <translation>&lt;&lt; &amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Your Auto-Answer Lists :</source>
        <translation>Vos listes de réponse automatique :</translation>
    </message>
    <message>
        <source>Your Auto-Answer Options:</source>
        <translation>Vos options de réponse automatique :</translation>
    </message>
    <message>
        <source>Auto answer incoming calls</source>
        <translation>Répondre automatiquement aux appels entrants</translation>
    </message>
    <message>
        <source>Auto answer incoming calls with video</source>
        <translation>Répondre automatiquement aux appels entrants avec la vidéo</translation>
    </message>
    <message>
        <source>Address of a caller not listed</source>
        <translation>Adresse d&apos;un appelant absent de la liste</translation>
    </message>
    <message>
        <source>Type the address of a caller who is not among your contacts (user@host).</source>
        <translation>Saisissez l&apos;adresse d&apos;un appelant qui ne fait pas partie de vos contacts (utilisateur@hôte).</translation>
    </message>
    <message>
        <source>A&amp;ddress &gt;&gt;</source>
        <translation>A&amp;dresse &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Pellorin could not write the autostart entry %1: %2</source>
        <translation>Pellorin n&apos;a pas pu écrire l&apos;entrée de démarrage automatique %1 : %2</translation>
    </message>
    <message>
        <source>the program&apos;s path holds a line break</source>
        <translation>le chemin du programme contient un saut de ligne</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Pellorin could not remove the autostart entry %1: %2</source>
        <translation>Pellorin n&apos;a pas pu supprimer l&apos;entrée de démarrage automatique %1 : %2</translation>
    </message>
</context>
<context>
    <name>CallOutcome</name>
    <message>
        <source>answer failed</source>
        <translation>échec de la réponse</translation>
    </message>
    <message>
        <source>answered with video</source>
        <translation>répondu avec la vidéo</translation>
    </message>
    <message>
        <source>answered, video failed</source>
        <translation>répondu, échec de la vidéo</translation>
    </message>
    <message>
        <source>answered, video not started</source>
        <translation>répondu, vidéo non démarrée</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>répondu</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>sans réponse</translation>
    </message>
</context>
<context>
    <name>CallerAddress</name>
    <message>
        <source>This calling client takes no typed addresses.</source>
        <translation>Ce client d&apos;appel n&apos;accepte pas d&apos;adresse saisie.</translation>
    </message>
    <message>
        <source>user@host, with the port when the caller has one (sip:alice@192.0.2.7:5072, say)</source>
        <translation>utilisateur@hôte, avec le port si l&apos;appelant en a un (par exemple sip:alice@192.0.2.7:5072)</translation>
    </message>
    <message>
        <source>%1 is not an address that %2 can take calls from. Type it as %3.</source>
        <translation>%1 n&apos;est pas une adresse dont %2 peut recevoir des appels. Saisissez-la sous la forme %3.</translation>
    </message>
    <message>
        <source>a Jami ID (40 digits and letters a to f), or as the address of a SIP caller, user@host (sip:alice@192.0.2.7:5072, say)</source>
        <translation>un identifiant Jami (40 chiffres et lettres de a à f), ou comme l&apos;adresse d&apos;un appelant SIP, utilisateur@hôte (par exemple sip:alice@192.0.2.7:5072)</translation>
    </message>
</context>
<context>
    <name>ContactBrowser</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos; :<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>1 more failure happened while this box was open; the log lists it.</source>
        <translation>Une autre erreur s&apos;est produite pendant que cette fenêtre était ouverte ; le journal la mentionne.</translation>
    </message>
    <message>
        <source>%1 more failures happened while this box was open; the log lists them.</source>
        <translation>%1 autres erreurs se sont produites pendant que cette fenêtre était ouverte ; le journal les mentionne.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>baresip&apos;s control socket at %1 cannot be reached: %2</source>
        <translation>Le socket de contrôle de baresip à l&apos;adresse %1 est injoignable : %2</translation>
    </message>
    <message>
        <source>Nothing listens on baresip&apos;s control socket at %1: baresip is not running there, or its ctrl_tcp module is not loaded.</source>
        <translation>Rien n&apos;écoute sur le socket de contrôle de baresip à l&apos;adresse %1 : baresip n&apos;y est pas lancé, ou son module ctrl_tcp n&apos;est pas chargé.</translation>
    </message>
    <message>
        <source>The connection to baresip at %1 has closed (%2). Give the attach command again to connect again.</source>
        <translation>La connexion à baresip à l&apos;adresse %1 a été fermée (%2). Relancez la commande de connexion pour vous reconnecter.</translation>
    </message>
    <message>
        <source>baresip&apos;s control socket at %1 did not take the connection within %2.</source>
        <translation>Le socket de contrôle de baresip à l&apos;adresse %1 n&apos;a pas accepté la connexion en %2.</translation>
    </message>
    <message>
        <source>The calling client is not running.</source>
        <translation>Le client d&apos;appel n&apos;est pas lancé.</translation>
    </message>
    <message>
        <source>The calling client has not answered the attach request within %1. When it is answered, Pellorin will tell you.</source>
        <translation>Le client d&apos;appel n&apos;a pas répondu à la demande de connexion en %1. Pellorin vous préviendra dès qu&apos;elle aura une réponse.</translation>
    </message>
    <message>
        <source>The calling client did not allow Pellorin to use it.</source>
        <translation>Le client d&apos;appel n&apos;a pas autorisé Pellorin à l&apos;utiliser.</translation>
    </message>
    <message>
        <source>Nobody is signed in to the calling client.</source>
        <translation>Personne n&apos;est connecté au client d&apos;appel.</translation>
    </message>
    <message>
        <source>The calling client has not allowed Pellorin to use it within %1.</source>
        <translation>Le client d&apos;appel n&apos;a pas autorisé Pellorin à l&apos;utiliser en %1.</translation>
    </message>
    <message>
        <source>The calling client quit while Pellorin was attaching to it.</source>
        <translation>Le client d&apos;appel s&apos;est fermé pendant que Pellorin s&apos;y connectait.</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) is not running on the session bus: nothing owns the name cx.ring.Ring. Start Jami first.</source>
        <translation>Le démon de Jami (jamid) n&apos;est pas lancé sur le bus de session : personne ne possède le nom cx.ring.Ring. Démarrez d&apos;abord Jami.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>baresip answered the command &quot;listcalls&quot; with %1. Pellorin needs baresip&apos;s menu module.</source>
        <translation>baresip a répondu %1 à la commande « listcalls ». Pellorin a besoin du module menu de baresip.</translation>
    </message>
    <message>
        <source>The caller of the call from %1 has not agreed to %2 within %3.</source>
        <translation>L&apos;appelant %1 n&apos;a pas accepté %2 en %3.</translation>
    </message>
    <message>
        <source>baresip could not answer the call from %1: %2</source>
        <translation>baresip n&apos;a pas pu répondre à l&apos;appel de %1 : %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 when it was asked to answer the one from %2: a call that came in meanwhile took its place.</source>
        <translation>baresip a répondu à l&apos;appel de %1 alors qu&apos;on lui demandait de répondre à celui de %2 : un appel arrivé entre-temps a pris sa place.</translation>
    </message>
    <message>
        <source>baresip did not answer the call from %1.</source>
        <translation>baresip n&apos;a pas répondu à l&apos;appel de %1.</translation>
    </message>
    <message>
        <source>baresip answered the call from %1, but the call has not been established within %2.</source>
        <translation>baresip a répondu à l&apos;appel de %1, mais l&apos;appel n&apos;a pas été établi en %2.</translation>
    </message>
    <message>
        <source>baresip could not take the call from %1 off hold: %2</source>
        <translation>baresip n&apos;a pas pu reprendre l&apos;appel en attente de %1 : %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 but could not stop sending your video into it: %2</source>
        <translation>baresip a répondu à l&apos;appel de %1 mais n&apos;a pas pu arrêter d&apos;y envoyer votre vidéo : %2</translation>
    </message>
    <message>
        <source>The call from %1 has ended.</source>
        <translation>L&apos;appel de %1 est terminé.</translation>
    </message>
    <message>
        <source>The call from %1 has no video: the caller did not offer any.</source>
        <translation>L&apos;appel de %1 n&apos;a pas de vidéo : l&apos;appelant n&apos;en a pas proposé.</translation>
    </message>
    <message>
        <source>baresip could not start sending video into the call from %1: %2</source>
        <translation>baresip n&apos;a pas pu commencer à envoyer la vidéo dans l&apos;appel de %1 : %2</translation>
    </message>
    <message>
        <source>baresip could not list its contacts: %1</source>
        <translation>baresip n&apos;a pas pu lister ses contacts : %1</translation>
    </message>
    <message>
        <source>The calling client quit before it answered %1.</source>
        <translation>Le client d&apos;appel s&apos;est fermé avant de répondre à %1.</translation>
    </message>
    <message>
        <source>The calling client did not answer %1 within %2.</source>
        <translation>Le client d&apos;appel n&apos;a pas répondu à %1 en %2.</translation>
    </message>
    <message>
        <source>The calling client could not be reached: %1</source>
        <translation>Le client d&apos;appel est injoignable : %1</translation>
    </message>
    <message>
        <source>The calling client refused %1 (error %2).</source>
        <translation>Le client d&apos;appel a refusé %1 (erreur %2).</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) quit before it answered %1. Give the attach command again once Jami runs.</source>
        <translation>Le démon de Jami (jamid) s&apos;est arrêté avant de répondre à %1. Relancez la commande de connexion une fois Jami démarré.</translation>
    </message>
    <message>
        <source>Jami did not answer the call from %1.</source>
        <translation>Jami n&apos;a pas répondu à l&apos;appel de %1.</translation>
    </message>
    <message>
        <source>Jami could not start sending your video into the call from %1.</source>
        <translation>Jami n&apos;a pas pu commencer à envoyer votre vidéo dans l&apos;appel de %1.</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Invalid property value (list index %1)</source>
        <translation>Valeur de propriété non valide (index de liste %1)</translation>
    </message>
    <message>
        <source>The list is full: it holds at most %1 entries.</source>
        <translation>La liste est pleine : elle contient au plus %1 entrées.</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>The list file &quot;%1&quot; exists but cannot be read (%2). The list was not loaded.</source>
        <translation>Le fichier de liste « %1 » existe mais ne peut pas être lu (%2). La liste n&apos;a pas été chargée.</translation>
    </message>
    <message>
        <source>The list could not be saved to &quot;%1&quot; (%2). The file was left as it was.</source>
        <translation>La liste n&apos;a pas pu être enregistrée dans « %1 » (%2). Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; holds more than %2 entries, the most a list can hold. Only the first %2 were loaded; the rest were not loaded, and saving this list will leave them out of the file.</source>
        <translation>Le fichier de liste « %1 » contient plus de %2 entrées, le maximum qu&apos;une liste peut contenir. Seules les %2 premières ont été chargées ; les autres ne l&apos;ont pas été, et enregistrer cette liste les retirera du fichier.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>&quot;%1&quot; is not an address HOST:PORT (a host name or IPv4 address, or an IPv6 address in brackets, and a port from 1 to 65535).</source>
        <translation>« %1 » n&apos;est pas une adresse HÔTE:PORT (un nom d&apos;hôte ou une adresse IPv4, ou une adresse IPv6 entre crochets, et un port de 1 à 65535).</translation>
    </message>
    <message>
        <source>There is an autostart entry %1 that Pellorin did not write. </source>
        <translation>Il existe une entrée de démarrage automatique %1 que Pellorin n&apos;a pas écrite. </translation>
    </message>
    <message>
        <source>The autostart entry %1 was changed after Pellorin wrote it. </source>
        <translation>L&apos;entrée de démarrage automatique %1 a été modifiée après son écriture par Pellorin. </translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>La remplacer ?</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <translation>La supprimer ?</translation>
    </message>
</context>
<context>
    <name>Product</name>
    <message>
        <source>Pellorin - The Auto Answer Tool</source>
        <translation>Pellorin - L&apos;outil de réponse automatique</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Object variable not set</source>
        <translation>Variable objet non définie</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>There is already a control with the name &apos;%1&apos;</source>
        <translation>Il existe déjà un contrôle nommé &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; not found</source>
        <translation>Contrôle &apos;%1&apos; introuvable</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Pellorin could not save its settings in %1; they hold until it ends.</source>
        <translation>Pellorin n&apos;a pas pu enregistrer ses réglages dans %1 ; ils restent valables jusqu&apos;à sa fermeture.</translation>
    </message>
</context>
<context>
    <name>WindowInstance</name>
    <message>
        <source>The window is still loading; try again when it has opened.</source>
        <translation>La fenêtre est encore en cours de chargement ; réessayez quand elle sera ouverte.</translation>
    </message>
    <message>
        <source>The window was closed while it was loading.</source>
        <translation>La fenêtre a été fermée pendant son chargement.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <translation>par Tolvane</translation>
    </message>
    <message>
        <source>This is a beta release and distributed as as-is. </source>
        <translation>Ceci est une version bêta, fournie en l&apos;état. </translation>
    </message>
    <message>
        <source>Tolvane is neither responsible nor liable for any damage done to your computer.</source>
        <translation>Tolvane n&apos;est pas responsable des dommages causés à votre ordinateur.</translation>
    </message>
</context>
<context>
    <name>frmAnsweredCalls</name>
    <message>
        <source>Answered Calls</source>
        <translation>Appels répondus</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>frmAutoCallList</name>
    <message>
        <source>Calls Auto Answer List</source>
        <translation>Liste de réponse automatique aux appels</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Double-cliquez sur un identifiant pour afficher les détails.</translation>
    </message>
</context>
<context>
    <name>frmAutoVideoCallList</name>
    <message>
        <source>Video Calls Auto-Answer List</source>
        <translation>Liste de réponse automatique aux appels vidéo</translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>Full Name:</source>
        <translation>Nom complet :</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Anniversaire :</translation>
    </message>
    <message>
        <source>Mobile #:</source>
        <translation>Portable :</translation>
    </message>
    <message>
        <source>Home #:</source>
        <translation>Domicile :</translation>
    </message>
    <message>
        <source>Office #:</source>
        <translation>Bureau :</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays :</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>À propos :</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Nom affiché :</translation>
    </message>
    <message>
        <source>Contact Details</source>
        <translation>Détails du contact</translation>
    </message>
    <message>
        <source>Contact Details :</source>
        <translation>Détails du contact :</translation>
    </message>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Listes de contacts (ID) :</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Double-cliquez sur un identifiant pour afficher les détails.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>Calls List</source>
        <translation>Liste des appels</translation>
    </message>
    <message>
        <source>Video Calls List</source>
        <translation>Liste des appels vidéo</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Show Logo</source>
        <translation>Afficher le logo</translation>
    </message>
    <message>
        <source>Hide Logo</source>
        <translation>Masquer le logo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Pellorin Home Page</source>
        <translation>Site web de Pellorin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Calling Client</source>
        <translation>Client d&apos;appel</translation>
    </message>
    <message>
        <source>baresip Control Address...</source>
        <translation>Adresse de contrôle de baresip...</translation>
    </message>
    <message>
        <source>Attach Automatically</source>
        <translation>Se connecter automatiquement</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>&amp;Attach to %1</source>
        <translation>Se &amp;connecter à %1</translation>
    </message>
    <message>
        <source>%1 Contacts</source>
        <translation>Contacts %1</translation>
    </message>
    <message>
        <source>baresip Control Address</source>
        <translation>Adresse de contrôle de baresip</translation>
    </message>
    <message>
        <source>Where baresip&apos;s control socket (its ctrl_tcp module) listens, HOST:PORT:</source>
        <translation>Adresse d&apos;écoute du socket de contrôle de baresip (son module ctrl_tcp), HÔTE:PORT :</translation>
    </message>
    <message>
        <source>Please attach Pellorin to your %1 client first before using any features,<byte value="xd"/>
by clicking on File &gt; Attach to %1</source>
        <translation>Veuillez d&apos;abord connecter Pellorin à votre client %1 avant d&apos;utiliser ses fonctions,<byte value="xd"/>
en cliquant sur Fichier &gt; Se connecter à %1</translation>
    </message>
    <message>
        <source>This desktop has no notification area to put Pellorin&apos;s icon in, so the window stays open.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification où placer l&apos;icône de Pellorin : la fenêtre reste donc ouverte.</translation>
    </message>
    <message>
        <source>Not attached: no calling client is running</source>
        <translation>Non connecté : aucun client d&apos;appel n&apos;est lancé</translation>
    </message>
    <message>
        <source>Answered Calls</source>
        <translation>Appels répondus</translation>
    </message>
    <message>
        <source>Notify When Answering</source>
        <translation>Notifier lors d&apos;une réponse</translation>
    </message>
    <message>
        <source>Last: %1, %2, %3</source>
        <translation>Dernier : %1, %2, %3</translation>
    </message>
    <message>
        <source>Pellorin answered %1</source>
        <translation>Pellorin a répondu à l&apos;appel de %1</translation>
    </message>
    <message>
        <source>Your video is on.</source>
        <translation>Votre vidéo est activée.</translation>
    </message>
    <message>
        <source>Pellorin could not answer %1</source>
        <translation>Pellorin n&apos;a pas pu répondre à l&apos;appel de %1</translation>
    </message>
</context>
</TS>
