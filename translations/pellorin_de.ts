<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnsweredCallsModel</name>
    <message>
        <source>Pellorin cannot read this line of the record.</source>
        <translation>Pellorin kann diese Zeile der Aufzeichnung nicht lesen.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Anrufer</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>What was done</source>
        <translation>Was geschah</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>video calls</source>
        <translation>Videoanrufe</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>angenommen</translation>
    </message>
    <message>
        <source>answered, video started</source>
        <translation>angenommen, Video gestartet</translation>
    </message>
    <message>
        <source>not answered: the call was no longer ringing</source>
        <translation>nicht angenommen: Der Anruf klingelte nicht mehr</translation>
    </message>
    <message>
        <source>answer failed: </source>
        <translation>Annehmen fehlgeschlagen: </translation>
    </message>
    <message>
        <source>answered, video failed: </source>
        <translation>angenommen, Video fehlgeschlagen: </translation>
    </message>
    <message>
        <source>answered, video not started </source>
        <translation>angenommen, Video nicht gestartet </translation>
    </message>
</context>
<context>
    <name>AttachState</name>
    <message>
        <source>Attached to %1</source>
        <translation>Mit %1 verbunden</translation>
    </message>
    <message>
        <source>Attaching to %1...</source>
        <translation>Verbindung mit %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>Not attached: %1 is not running</source>
        <translation>Nicht verbunden: %1 läuft nicht</translation>
    </message>
    <message>
        <source>Not attached: %1 refused; asking again at %2</source>
        <translation>Nicht verbunden: %1 hat abgelehnt; neue Anfrage um %2</translation>
    </message>
    <message>
        <source>Not attached: %1 refused</source>
        <translation>Nicht verbunden: %1 hat abgelehnt</translation>
    </message>
    <message>
        <source>Not attached</source>
        <translation>Nicht verbunden</translation>
    </message>
</context>
<context>
    <name>Attachment</name>
    <message>
        <source>Please start your %1 client first.</source>
        <translation>Bitte starten Sie zuerst Ihren %1-Client.</translation>
    </message>
    <message>
        <source>Pellorin has successfully attached itself to your %1 client.</source>
        <translation>Pellorin wurde erfolgreich mit Ihrem %1-Client verbunden.</translation>
    </message>
    <message>
        <source>An error has occured: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ein Fehler ist aufgetreten: <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unfortunately, Pellorin could not attached itself to your %1 client.</source>
        <translation>Pellorin konnte leider keine Verbindung mit Ihrem %1-Client herstellen.</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListEditor</name>
    <message>
        <source>Please select a contact to add to your auto-answer list</source>
        <translation>Bitte wählen Sie einen Kontakt aus, der zu Ihrer Liste für automatisches Annehmen hinzugefügt werden soll</translation>
    </message>
    <message>
        <source>Please select a contact to remove from your auto-answer list</source>
        <translation>Bitte wählen Sie einen Kontakt aus, der aus Ihrer Liste für automatisches Annehmen entfernt werden soll</translation>
    </message>
    <message>
        <source>Your chosen list has been saved successfully.</source>
        <translation>Die gewählte Liste wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Your auto-answer list is full: it holds at most %1 entries. Remove an entry before you add another one.</source>
        <translation>Ihre Liste für automatisches Annehmen ist voll: Sie fasst höchstens %1 Einträge. Entfernen Sie einen Eintrag, bevor Sie einen weiteren hinzufügen.</translation>
    </message>
    <message>
        <source>Please type the address of the caller to add to your auto-answer list</source>
        <translation>Bitte geben Sie die Adresse des Anrufers ein, der zu Ihrer Liste für automatisches Annehmen hinzugefügt werden soll</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListForm</name>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Kontaktlisten (ID):</translation>
    </message>
    <message>
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Hinzu &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Remove</source>
        <translation>&lt;&lt; &amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Your Auto-Answer Lists :</source>
        <translation>Ihre Annahmelisten:</translation>
    </message>
    <message>
        <source>Your Auto-Answer Options:</source>
        <translation>Ihre Optionen für automatisches Annehmen:</translation>
    </message>
    <message>
        <source>Auto answer incoming calls</source>
        <translation>Eingehende Anrufe automatisch annehmen</translation>
    </message>
    <message>
        <source>Auto answer incoming calls with video</source>
        <translation>Eingehende Anrufe automatisch mit Video annehmen</translation>
    </message>
    <message>
        <source>Address of a caller not listed</source>
        <translation>Adresse eines nicht aufgeführten Anrufers</translation>
    </message>
    <message>
        <source>Type the address of a caller who is not among your contacts (user@host).</source>
        <translation>Geben Sie die Adresse eines Anrufers ein, der nicht unter Ihren Kontakten ist (benutzer@host).</translation>
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
        <translation>Pellorin konnte den Autostart-Eintrag %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>the program&apos;s path holds a line break</source>
        <translation>der Pfad des Programms enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Pellorin could not remove the autostart entry %1: %2</source>
        <translation>Pellorin konnte den Autostart-Eintrag %1 nicht entfernen: %2</translation>
    </message>
</context>
<context>
    <name>CallOutcome</name>
    <message>
        <source>answer failed</source>
        <translation>Annehmen fehlgeschlagen</translation>
    </message>
    <message>
        <source>answered with video</source>
        <translation>mit Video angenommen</translation>
    </message>
    <message>
        <source>answered, video failed</source>
        <translation>angenommen, Video fehlgeschlagen</translation>
    </message>
    <message>
        <source>answered, video not started</source>
        <translation>angenommen, Video nicht gestartet</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>angenommen</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>nicht angenommen</translation>
    </message>
</context>
<context>
    <name>CallerAddress</name>
    <message>
        <source>This calling client takes no typed addresses.</source>
        <translation>Dieser Anruf-Client nimmt keine eingegebenen Adressen an.</translation>
    </message>
    <message>
        <source>user@host, with the port when the caller has one (sip:alice@192.0.2.7:5072, say)</source>
        <translation>benutzer@host, mit dem Port, wenn der Anrufer einen hat (etwa sip:alice@192.0.2.7:5072)</translation>
    </message>
    <message>
        <source>%1 is not an address that %2 can take calls from. Type it as %3.</source>
        <translation>%1 ist keine Adresse, von der %2 Anrufe annehmen kann. Geben Sie sie so ein: %3.</translation>
    </message>
    <message>
        <source>a Jami ID (40 digits and letters a to f), or as the address of a SIP caller, user@host (sip:alice@192.0.2.7:5072, say)</source>
        <translation>Jami-ID (40 Ziffern und Buchstaben von a bis f) oder als Adresse eines SIP-Anrufers, benutzer@host (etwa sip:alice@192.0.2.7:5072)</translation>
    </message>
</context>
<context>
    <name>ContactBrowser</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>1 more failure happened while this box was open; the log lists it.</source>
        <translation>Während dieses Fenster offen war, ist ein weiterer Fehler aufgetreten; das Protokoll führt ihn auf.</translation>
    </message>
    <message>
        <source>%1 more failures happened while this box was open; the log lists them.</source>
        <translation>Während dieses Fenster offen war, sind %1 weitere Fehler aufgetreten; das Protokoll führt sie auf.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>baresip&apos;s control socket at %1 cannot be reached: %2</source>
        <translation>Der Steuer-Socket von baresip unter %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>Nothing listens on baresip&apos;s control socket at %1: baresip is not running there, or its ctrl_tcp module is not loaded.</source>
        <translation>Am Steuer-Socket von baresip unter %1 lauscht nichts: baresip läuft dort nicht, oder sein Modul ctrl_tcp ist nicht geladen.</translation>
    </message>
    <message>
        <source>The connection to baresip at %1 has closed (%2). Give the attach command again to connect again.</source>
        <translation>Die Verbindung zu baresip unter %1 wurde geschlossen (%2). Wählen Sie erneut „Verbinden“, um die Verbindung wiederherzustellen.</translation>
    </message>
    <message>
        <source>baresip&apos;s control socket at %1 did not take the connection within %2.</source>
        <translation>Der Steuer-Socket von baresip unter %1 hat die Verbindung nicht innerhalb von %2 angenommen.</translation>
    </message>
    <message>
        <source>The calling client is not running.</source>
        <translation>Der Anruf-Client läuft nicht.</translation>
    </message>
    <message>
        <source>The calling client has not answered the attach request within %1. When it is answered, Pellorin will tell you.</source>
        <translation>Der Anruf-Client hat die Verbindungsanfrage nicht innerhalb von %1 beantwortet. Sobald sie beantwortet ist, meldet sich Pellorin.</translation>
    </message>
    <message>
        <source>The calling client did not allow Pellorin to use it.</source>
        <translation>Der Anruf-Client hat Pellorin die Nutzung nicht erlaubt.</translation>
    </message>
    <message>
        <source>Nobody is signed in to the calling client.</source>
        <translation>Im Anruf-Client ist niemand angemeldet.</translation>
    </message>
    <message>
        <source>The calling client has not allowed Pellorin to use it within %1.</source>
        <translation>Der Anruf-Client hat Pellorin die Nutzung nicht innerhalb von %1 erlaubt.</translation>
    </message>
    <message>
        <source>The calling client quit while Pellorin was attaching to it.</source>
        <translation>Der Anruf-Client wurde beendet, während Pellorin sich mit ihm verband.</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) is not running on the session bus: nothing owns the name cx.ring.Ring. Start Jami first.</source>
        <translation>Der Jami-Dienst (jamid) läuft nicht auf dem Sitzungsbus: Niemand besitzt den Namen cx.ring.Ring. Starten Sie zuerst Jami.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>baresip answered the command &quot;listcalls&quot; with %1. Pellorin needs baresip&apos;s menu module.</source>
        <translation>baresip hat den Befehl „listcalls“ mit %1 beantwortet. Pellorin braucht das Modul menu von baresip.</translation>
    </message>
    <message>
        <source>The caller of the call from %1 has not agreed to %2 within %3.</source>
        <translation>Der Anrufer %1 hat %2 nicht innerhalb von %3 zugestimmt.</translation>
    </message>
    <message>
        <source>baresip could not answer the call from %1: %2</source>
        <translation>baresip konnte den Anruf von %1 nicht annehmen: %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 when it was asked to answer the one from %2: a call that came in meanwhile took its place.</source>
        <translation>baresip hat den Anruf von %1 angenommen, obwohl der von %2 angenommen werden sollte: Ein inzwischen eingegangener Anruf ist an seine Stelle getreten.</translation>
    </message>
    <message>
        <source>baresip did not answer the call from %1.</source>
        <translation>baresip hat den Anruf von %1 nicht angenommen.</translation>
    </message>
    <message>
        <source>baresip answered the call from %1, but the call has not been established within %2.</source>
        <translation>baresip hat den Anruf von %1 angenommen, aber die Verbindung kam nicht innerhalb von %2 zustande.</translation>
    </message>
    <message>
        <source>baresip could not take the call from %1 off hold: %2</source>
        <translation>baresip konnte den gehaltenen Anruf von %1 nicht fortsetzen: %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 but could not stop sending your video into it: %2</source>
        <translation>baresip hat den Anruf von %1 angenommen, konnte aber das Senden Ihres Videos nicht beenden: %2</translation>
    </message>
    <message>
        <source>The call from %1 has ended.</source>
        <translation>Der Anruf von %1 ist beendet.</translation>
    </message>
    <message>
        <source>The call from %1 has no video: the caller did not offer any.</source>
        <translation>Der Anruf von %1 hat kein Video: Der Anrufer hat keines angeboten.</translation>
    </message>
    <message>
        <source>baresip could not start sending video into the call from %1: %2</source>
        <translation>baresip konnte im Anruf von %1 nicht mit dem Senden von Video beginnen: %2</translation>
    </message>
    <message>
        <source>baresip could not list its contacts: %1</source>
        <translation>baresip konnte seine Kontakte nicht auflisten: %1</translation>
    </message>
    <message>
        <source>The calling client quit before it answered %1.</source>
        <translation>Der Anruf-Client wurde beendet, bevor er %1 beantwortet hat.</translation>
    </message>
    <message>
        <source>The calling client did not answer %1 within %2.</source>
        <translation>Der Anruf-Client hat %1 nicht innerhalb von %2 beantwortet.</translation>
    </message>
    <message>
        <source>The calling client could not be reached: %1</source>
        <translation>Der Anruf-Client ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>The calling client refused %1 (error %2).</source>
        <translation>Der Anruf-Client hat %1 abgelehnt (Fehler %2).</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) quit before it answered %1. Give the attach command again once Jami runs.</source>
        <translation>Der Jami-Dienst (jamid) wurde beendet, bevor er %1 beantwortet hat. Wählen Sie erneut „Verbinden“, sobald Jami läuft.</translation>
    </message>
    <message>
        <source>Jami did not answer the call from %1.</source>
        <translation>Jami hat den Anruf von %1 nicht angenommen.</translation>
    </message>
    <message>
        <source>Jami could not start sending your video into the call from %1.</source>
        <translation>Jami konnte im Anruf von %1 nicht mit dem Senden Ihres Videos beginnen.</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Invalid property value (list index %1)</source>
        <translation>Unzulässiger Eigenschaftswert (Listenindex %1)</translation>
    </message>
    <message>
        <source>The list is full: it holds at most %1 entries.</source>
        <translation>Die Liste ist voll: Sie fasst höchstens %1 Einträge.</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>The list file &quot;%1&quot; exists but cannot be read (%2). The list was not loaded.</source>
        <translation>Die Listendatei „%1“ ist vorhanden, kann aber nicht gelesen werden (%2). Die Liste wurde nicht geladen.</translation>
    </message>
    <message>
        <source>The list could not be saved to &quot;%1&quot; (%2). The file was left as it was.</source>
        <translation>Die Liste konnte nicht in „%1“ gespeichert werden (%2). Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; holds more than %2 entries, the most a list can hold. Only the first %2 were loaded; the rest were not loaded, and saving this list will leave them out of the file.</source>
        <translation>Die Listendatei „%1“ enthält mehr als %2 Einträge, mehr als eine Liste fassen kann. Nur die ersten %2 wurden geladen; die übrigen nicht, und beim Speichern dieser Liste fehlen sie in der Datei.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>&quot;%1&quot; is not an address HOST:PORT (a host name or IPv4 address, or an IPv6 address in brackets, and a port from 1 to 65535).</source>
        <translation>„%1“ ist keine Adresse der Form HOST:PORT (ein Hostname oder eine IPv4-Adresse oder eine IPv6-Adresse in eckigen Klammern und ein Port von 1 bis 65535).</translation>
    </message>
    <message>
        <source>There is an autostart entry %1 that Pellorin did not write. </source>
        <translation>Es gibt einen Autostart-Eintrag %1, den nicht Pellorin geschrieben hat. </translation>
    </message>
    <message>
        <source>The autostart entry %1 was changed after Pellorin wrote it. </source>
        <translation>Der Autostart-Eintrag %1 wurde geändert, nachdem Pellorin ihn geschrieben hat. </translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>Ersetzen?</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <translation>Entfernen?</translation>
    </message>
</context>
<context>
    <name>Product</name>
    <message>
        <source>Pellorin - The Auto Answer Tool</source>
        <translation>Pellorin - Das Werkzeug für automatisches Annehmen</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Objektvariable oder With-Blockvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Unzulässiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>There is already a control with the name &apos;%1&apos;</source>
        <translation>Es gibt bereits ein Steuerelement mit dem Namen &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; not found</source>
        <translation>Steuerelement &apos;%1&apos; nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Pellorin could not save its settings in %1; they hold until it ends.</source>
        <translation>Pellorin konnte seine Einstellungen nicht in %1 speichern; sie gelten, bis Pellorin beendet wird.</translation>
    </message>
</context>
<context>
    <name>WindowInstance</name>
    <message>
        <source>The window is still loading; try again when it has opened.</source>
        <translation>Das Fenster wird noch geladen; versuchen Sie es erneut, wenn es geöffnet ist.</translation>
    </message>
    <message>
        <source>The window was closed while it was loading.</source>
        <translation>Das Fenster wurde geschlossen, während es geladen wurde.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <translation>von Tolvane</translation>
    </message>
    <message>
        <source>This is a beta release and distributed as as-is. </source>
        <translation>Dies ist eine Betaversion ohne Gewähr. </translation>
    </message>
    <message>
        <source>Tolvane is neither responsible nor liable for any damage done to your computer.</source>
        <translation>Tolvane haftet nicht für Schäden an Ihrem Computer.</translation>
    </message>
</context>
<context>
    <name>frmAnsweredCalls</name>
    <message>
        <source>Answered Calls</source>
        <translation>Angenommene Anrufe</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>frmAutoCallList</name>
    <message>
        <source>Calls Auto Answer List</source>
        <translation>Anrufe automatisch annehmen – Liste</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Doppelklicken Sie auf eine Benutzer-ID, um Details zu sehen.</translation>
    </message>
</context>
<context>
    <name>frmAutoVideoCallList</name>
    <message>
        <source>Video Calls Auto-Answer List</source>
        <translation>Videoanrufe automatisch annehmen – Liste</translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>Full Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Geburtstag:</translation>
    </message>
    <message>
        <source>Mobile #:</source>
        <translation>Mobil:</translation>
    </message>
    <message>
        <source>Home #:</source>
        <translation>Privat:</translation>
    </message>
    <message>
        <source>Office #:</source>
        <translation>Büro:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Stadt:</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Über mich:</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>Contact Details</source>
        <translation>Kontaktdetails</translation>
    </message>
    <message>
        <source>Contact Details :</source>
        <translation>Kontaktdetails:</translation>
    </message>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Kontaktlisten (ID):</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Doppelklicken Sie auf eine Benutzer-ID, um Details zu sehen.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Calls List</source>
        <translation>Anrufliste</translation>
    </message>
    <message>
        <source>Video Calls List</source>
        <translation>Videoanrufliste</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Show Logo</source>
        <translation>Logo anzeigen</translation>
    </message>
    <message>
        <source>Hide Logo</source>
        <translation>Logo ausblenden</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Pellorin Home Page</source>
        <translation>Pellorin-Webseite</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Calling Client</source>
        <translation>Anruf-Client</translation>
    </message>
    <message>
        <source>baresip Control Address...</source>
        <translation>Steueradresse von baresip...</translation>
    </message>
    <message>
        <source>Attach Automatically</source>
        <translation>Automatisch verbinden</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>&amp;Attach to %1</source>
        <translation>Mit %1 &amp;verbinden</translation>
    </message>
    <message>
        <source>%1 Contacts</source>
        <translation>%1-Kontakte</translation>
    </message>
    <message>
        <source>baresip Control Address</source>
        <translation>Steueradresse von baresip</translation>
    </message>
    <message>
        <source>Where baresip&apos;s control socket (its ctrl_tcp module) listens, HOST:PORT:</source>
        <translation>Wo der Steuer-Socket von baresip (sein Modul ctrl_tcp) lauscht, HOST:PORT:</translation>
    </message>
    <message>
        <source>Please attach Pellorin to your %1 client first before using any features,<byte value="xd"/>
by clicking on File &gt; Attach to %1</source>
        <translation>Bitte verbinden Sie Pellorin zuerst mit Ihrem %1-Client, bevor Sie eine Funktion nutzen,<byte value="xd"/>
über Datei &gt; Mit %1 verbinden</translation>
    </message>
    <message>
        <source>This desktop has no notification area to put Pellorin&apos;s icon in, so the window stays open.</source>
        <translation>Diese Arbeitsumgebung hat keinen Infobereich für das Symbol von Pellorin, daher bleibt das Fenster offen.</translation>
    </message>
    <message>
        <source>Not attached: no calling client is running</source>
        <translation>Nicht verbunden: Es läuft kein Anruf-Client</translation>
    </message>
    <message>
        <source>Answered Calls</source>
        <translation>Angenommene Anrufe</translation>
    </message>
    <message>
        <source>Notify When Answering</source>
        <translation>Beim Annehmen benachrichtigen</translation>
    </message>
    <message>
        <source>Last: %1, %2, %3</source>
        <translation>Zuletzt: %1, %2, %3</translation>
    </message>
    <message>
        <source>Pellorin answered %1</source>
        <translation>Pellorin hat den Anruf von %1 angenommen</translation>
    </message>
    <message>
        <source>Your video is on.</source>
        <translation>Ihr Video ist an.</translation>
    </message>
    <message>
        <source>Pellorin could not answer %1</source>
        <translation>Pellorin konnte den Anruf von %1 nicht annehmen</translation>
    </message>
</context>
</TS>
