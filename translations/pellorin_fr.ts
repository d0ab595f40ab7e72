<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AttachState</name>
    <message>
        <source>Attached to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attaching to %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not attached: %1 is not running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not attached: %1 refused; asking again at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not attached: %1 refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not attached</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Attachment</name>
    <message>
        <source>Please start your %1 client first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pellorin has successfully attached itself to your %1 client.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occured: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfortunately, Pellorin could not attached itself to your %1 client.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoAnswerListEditor</name>
    <message>
        <source>Please select a contact to add to your auto-answer list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a contact to remove from your auto-answer list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your chosen list has been saved successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your auto-answer list is full: it holds at most %1 entries. Remove an entry before you add another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type the address of the caller to add to your auto-answer list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutoAnswerListForm</name>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Auto-Answer Lists :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Auto-Answer Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto answer incoming calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto answer incoming calls with video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address of a caller not listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the address of a caller who is not among your contacts (user@host).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ddress &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CallerAddress</name>
    <message>
        <source>This calling client takes no typed addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user@host, with the port when the caller has one (sip:alice@192.0.2.7:5072, say)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an address that %2 can take calls from. Type it as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Jami ID (40 digits and letters a to f), or as the address of a SIP caller, user@host (sip:alice@192.0.2.7:5072, say)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactBrowser</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 more failure happened while this box was open; the log lists it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more failures happened while this box was open; the log lists them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Invalid property value (list index %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is full: it holds at most %1 entries.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>The list file &quot;%1&quot; exists but cannot be read (%2). The list was not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be saved to &quot;%1&quot; (%2). The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; holds more than %2 entries, the most a list can hold. Only the first %2 were loaded; the rest were not loaded, and saving this list will leave them out of the file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Product</name>
    <message>
        <source>Pellorin - The Auto Answer Tool</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Object variable not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a control with the name &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Pellorin could not save its settings in %1; they hold until it ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowInstance</name>
    <message>
        <source>The window is still loading; try again when it has opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window was closed while it was loading.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a beta release and distributed as as-is. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolvane is neither responsible nor liable for any damage done to your computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAutoCallList</name>
    <message>
        <source>Calls Auto Answer List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAutoVideoCallList</name>
    <message>
        <source>Video Calls Auto-Answer List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>Full Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Details :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calls List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Calls List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pellorin Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calling Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baresip Control Address...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach Automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Attach to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baresip Control Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where baresip&apos;s control socket (its ctrl_tcp module) listens, HOST:PORT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please attach Pellorin to your %1 client first before using any features,<byte value="xd"/>
by clicking on File &gt; Attach to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop has no notification area to put Pellorin&apos;s icon in, so the window stays open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
