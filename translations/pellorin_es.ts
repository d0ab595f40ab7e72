<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnsweredCallsModel</name>
    <message>
        <source>Pellorin cannot read this line of the record.</source>
        <translation>Pellorin no puede leer esta línea del registro.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Llamante</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>What was done</source>
        <translation>Qué se hizo</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>llamadas</translation>
    </message>
    <message>
        <source>video calls</source>
        <translation>videollamadas</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>respondida</translation>
    </message>
    <message>
        <source>answered, video started</source>
        <translation>respondida, vídeo iniciado</translation>
    </message>
    <message>
        <source>not answered: the call was no longer ringing</source>
        <translation>no respondida: la llamada ya no sonaba</translation>
    </message>
    <message>
        <source>answer failed: </source>
        <translation>no se pudo responder: </translation>
    </message>
    <message>
        <source>answered, video failed: </source>
        <translation>respondida, falló el vídeo: </translation>
    </message>
    <message>
        <source>answered, video not started </source>
        <translation>respondida, vídeo no iniciado </translation>
    </message>
</context>
<context>
    <name>AttachState</name>
    <message>
        <source>Attached to %1</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>Attaching to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Not attached: %1 is not running</source>
        <translation>Sin conexión: %1 no se está ejecutando</translation>
    </message>
    <message>
        <source>Not attached: %1 refused; asking again at %2</source>
        <translation>Sin conexión: %1 lo ha rechazado; se volverá a pedir a las %2</translation>
    </message>
    <message>
        <source>Not attached: %1 refused</source>
        <translation>Sin conexión: %1 lo ha rechazado</translation>
    </message>
    <message>
        <source>Not attached</source>
        <translation>Sin conexión</translation>
    </message>
</context>
<context>
    <name>Attachment</name>
    <message>
        <source>Please start your %1 client first.</source>
        <translation>Inicie primero su cliente de %1.</translation>
    </message>
    <message>
        <source>Pellorin has successfully attached itself to your %1 client.</source>
        <translation>Pellorin se ha conectado correctamente a su cliente de %1.</translation>
    </message>
    <message>
        <source>An error has occured: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Se ha producido un error: <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unfortunately, Pellorin could not attached itself to your %1 client.</source>
        <translation>Lamentablemente, Pellorin no ha podido conectarse a su cliente de %1.</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListEditor</name>
    <message>
        <source>Please select a contact to add to your auto-answer list</source>
        <translation>Seleccione un contacto para añadirlo a su lista de respuesta automática</translation>
    </message>
    <message>
        <source>Please select a contact to remove from your auto-answer list</source>
        <translation>Seleccione un contacto para quitarlo de su lista de respuesta automática</translation>
    </message>
    <message>
        <source>Your chosen list has been saved successfully.</source>
        <translation>La lista elegida se ha guardado correctamente.</translation>
    </message>
    <message>
        <source>Your auto-answer list is full: it holds at most %1 entries. Remove an entry before you add another one.</source>
        <translation>Su lista de respuesta automática está llena: admite como máximo %1 entradas. Quite una entrada antes de añadir otra.</translation>
    </message>
    <message>
        <source>Please type the address of the caller to add to your auto-answer list</source>
        <translation>Escriba la dirección del llamante que quiere añadir a su lista de respuesta automática</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListForm</name>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Listas de contactos (ID):</translation>
    </message>
    <message>
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Añadir &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Remove</source>
        <translation>&lt;&lt; &amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Your Auto-Answer Lists :</source>
        <translation>Sus listas de respuesta automática:</translation>
    </message>
    <message>
        <source>Your Auto-Answer Options:</source>
        <translation>Sus opciones de respuesta automática:</translation>
    </message>
    <message>
        <source>Auto answer incoming calls</source>
        <translation>Responder automáticamente a las llamadas entrantes</translation>
    </message>
    <message>
        <source>Auto answer incoming calls with video</source>
        <translation>Responder automáticamente a las llamadas entrantes con vídeo</translation>
    </message>
    <message>
        <source>Address of a caller not listed</source>
        <translation>Dirección de un llamante que no está en la lista</translation>
    </message>
    <message>
        <source>Type the address of a caller who is not among your contacts (user@host).</source>
        <translation>Escriba la dirección de un llamante que no está entre sus contactos (usuario@host).</translation>
    </message>
    <message>
        <source>A&amp;ddress &gt;&gt;</source>
        <translation>&amp;Dirección &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Pellorin could not write the autostart entry %1: %2</source>
        <translation>Pellorin no ha podido escribir la entrada de inicio automático %1: %2</translation>
    </message>
    <message>
        <source>the program&apos;s path holds a line break</source>
        <translation>la ruta del programa contiene un salto de línea</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Pellorin could not remove the autostart entry %1: %2</source>
        <translation>Pellorin no ha podido eliminar la entrada de inicio automático %1: %2</translation>
    </message>
</context>
<context>
    <name>CallOutcome</name>
    <message>
        <source>answer failed</source>
        <translation>no se pudo responder</translation>
    </message>
    <message>
        <source>answered with video</source>
        <translation>respondida con vídeo</translation>
    </message>
    <message>
        <source>answered, video failed</source>
        <translation>respondida, falló el vídeo</translation>
    </message>
    <message>
        <source>answered, video not started</source>
        <translation>respondida, vídeo no iniciado</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>respondida</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>no respondida</translation>
    </message>
</context>
<context>
    <name>CallerAddress</name>
    <message>
        <source>This calling client takes no typed addresses.</source>
        <translation>Este cliente de llamadas no admite direcciones escritas.</translation>
    </message>
    <message>
        <source>user@host, with the port when the caller has one (sip:alice@192.0.2.7:5072, say)</source>
        <translation>usuario@host, con el puerto si el llamante tiene uno (por ejemplo, sip:alice@192.0.2.7:5072)</translation>
    </message>
    <message>
        <source>%1 is not an address that %2 can take calls from. Type it as %3.</source>
        <translation>%1 no es una dirección desde la que %2 pueda recibir llamadas. Escríbala como %3.</translation>
    </message>
    <message>
        <source>a Jami ID (40 digits and letters a to f), or as the address of a SIP caller, user@host (sip:alice@192.0.2.7:5072, say)</source>
        <translation>un ID de Jami (40 dígitos y letras de la a a la f), o como la dirección de un llamante SIP, usuario@host (por ejemplo, sip:alice@192.0.2.7:5072)</translation>
    </message>
</context>
<context>
    <name>ContactBrowser</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Se ha producido el error &apos;%1&apos; en tiempo de ejecución:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>1 more failure happened while this box was open; the log lists it.</source>
        <translation>Se ha producido otro error mientras este cuadro estaba abierto; el registro lo recoge.</translation>
    </message>
    <message>
        <source>%1 more failures happened while this box was open; the log lists them.</source>
        <translation>Se han producido %1 errores más mientras este cuadro estaba abierto; el registro los recoge.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>baresip&apos;s control socket at %1 cannot be reached: %2</source>
        <translation>No se puede acceder al socket de control de baresip en %1: %2</translation>
    </message>
    <message>
        <source>Nothing listens on baresip&apos;s control socket at %1: baresip is not running there, or its ctrl_tcp module is not loaded.</source>
        <translation>Nada escucha en el socket de control de baresip en %1: baresip no se está ejecutando allí o su módulo ctrl_tcp no está cargado.</translation>
    </message>
    <message>
        <source>The connection to baresip at %1 has closed (%2). Give the attach command again to connect again.</source>
        <translation>La conexión con baresip en %1 se ha cerrado (%2). Vuelva a dar la orden de conectar para conectarse de nuevo.</translation>
    </message>
    <message>
        <source>baresip&apos;s control socket at %1 did not take the connection within %2.</source>
        <translation>El socket de control de baresip en %1 no ha aceptado la conexión en %2.</translation>
    </message>
    <message>
        <source>The calling client is not running.</source>
        <translation>El cliente de llamadas no se está ejecutando.</translation>
    </message>
    <message>
        <source>The calling client has not answered the attach request within %1. When it is answered, Pellorin will tell you.</source>
        <translation>El cliente de llamadas no ha respondido a la solicitud de conexión en %1. Pellorin le avisará cuando responda.</translation>
    </message>
    <message>
        <source>The calling client did not allow Pellorin to use it.</source>
        <translation>El cliente de llamadas no ha permitido que Pellorin lo use.</translation>
    </message>
    <message>
        <source>Nobody is signed in to the calling client.</source>
        <translation>No hay nadie con la sesión iniciada en el cliente de llamadas.</translation>
    </message>
    <message>
        <source>The calling client has not allowed Pellorin to use it within %1.</source>
        <translation>El cliente de llamadas no ha permitido que Pellorin lo use en %1.</translation>
    </message>
    <message>
        <source>The calling client quit while Pellorin was attaching to it.</source>
        <translation>El cliente de llamadas se ha cerrado mientras Pellorin se conectaba a él.</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) is not running on the session bus: nothing owns the name cx.ring.Ring. Start Jami first.</source>
        <translation>El demonio de Jami (jamid) no se está ejecutando en el bus de sesión: nadie tiene el nombre cx.ring.Ring. Inicie primero Jami.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>baresip answered the command &quot;listcalls&quot; with %1. Pellorin needs baresip&apos;s menu module.</source>
        <translation>baresip ha respondido a la orden «listcalls» con %1. Pellorin necesita el módulo menu de baresip.</translation>
    </message>
    <message>
        <source>The caller of the call from %1 has not agreed to %2 within %3.</source>
        <translation>Quien llama desde %1 no ha aceptado %2 en %3.</translation>
    </message>
    <message>
        <source>baresip could not answer the call from %1: %2</source>
        <translation>baresip no ha podido responder a la llamada de %1: %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 when it was asked to answer the one from %2: a call that came in meanwhile took its place.</source>
        <translation>baresip ha respondido a la llamada de %1 cuando se le pidió responder a la de %2: una llamada que entró entretanto ocupó su lugar.</translation>
    </message>
    <message>
        <source>baresip did not answer the call from %1.</source>
        <translation>baresip no ha respondido a la llamada de %1.</translation>
    </message>
    <message>
        <source>baresip answered the call from %1, but the call has not been established within %2.</source>
        <translation>baresip ha respondido a la llamada de %1, pero la llamada no se ha establecido en %2.</translation>
    </message>
    <message>
        <source>baresip could not take the call from %1 off hold: %2</source>
        <translation>baresip no ha podido recuperar la llamada en espera de %1: %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 but could not stop sending your video into it: %2</source>
        <translation>baresip ha respondido a la llamada de %1, pero no ha podido dejar de enviar su vídeo: %2</translation>
    </message>
    <message>
        <source>The call from %1 has ended.</source>
        <translation>La llamada de %1 ha terminado.</translation>
    </message>
    <message>
        <source>The call from %1 has no video: the caller did not offer any.</source>
        <translation>La llamada de %1 no tiene vídeo: quien llama no lo ha ofrecido.</translation>
    </message>
    <message>
        <source>baresip could not start sending video into the call from %1: %2</source>
        <translation>baresip no ha podido empezar a enviar vídeo en la llamada de %1: %2</translation>
    </message>
    <message>
        <source>baresip could not list its contacts: %1</source>
        <translation>baresip no ha podido mostrar sus contactos: %1</translation>
    </message>
    <message>
        <source>The calling client quit before it answered %1.</source>
        <translation>El cliente de llamadas se ha cerrado antes de responder a %1.</translation>
    </message>
    <message>
        <source>The calling client did not answer %1 within %2.</source>
        <translation>El cliente de llamadas no ha respondido a %1 en %2.</translation>
    </message>
    <message>
        <source>The calling client could not be reached: %1</source>
        <translation>No se puede contactar con el cliente de llamadas: %1</translation>
    </message>
    <message>
        <source>The calling client refused %1 (error %2).</source>
        <translation>El cliente de llamadas ha rechazado %1 (error %2).</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) quit before it answered %1. Give the attach command again once Jami runs.</source>
        <translation>El demonio de Jami (jamid) se ha cerrado antes de responder a %1. Vuelva a dar la orden de conectar cuando Jami esté en marcha.</translation>
    </message>
    <message>
        <source>Jami did not answer the call from %1.</source>
        <translation>Jami no ha respondido a la llamada de %1.</translation>
    </message>
    <message>
        <source>Jami could not start sending your video into the call from %1.</source>
        <translation>Jami no ha podido empezar a enviar su vídeo en la llamada de %1.</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Invalid property value (list index %1)</source>
        <translation>Valor de la propiedad no válido (índice de lista %1)</translation>
    </message>
    <message>
        <source>The list is full: it holds at most %1 entries.</source>
        <translation>La lista está llena: admite como máximo %1 entradas.</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>The list file &quot;%1&quot; exists but cannot be read (%2). The list was not loaded.</source>
        <translation>El archivo de lista «%1» existe pero no se puede leer (%2). La lista no se ha cargado.</translation>
    </message>
    <message>
        <source>The list could not be saved to &quot;%1&quot; (%2). The file was left as it was.</source>
        <translation>No se ha podido guardar la lista en «%1» (%2). El archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; holds more than %2 entries, the most a list can hold. Only the first %2 were loaded; the rest were not loaded, and saving this list will leave them out of the file.</source>
        <translation>El archivo de lista «%1» contiene más de %2 entradas, el máximo que admite una lista. Solo se han cargado las %2 primeras; el resto no, y al guardar esta lista quedarán fuera del archivo.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>&quot;%1&quot; is not an address HOST:PORT (a host name or IPv4 address, or an IPv6 address in brackets, and a port from 1 to 65535).</source>
        <translation>«%1» no es una dirección HOST:PUERTO (un nombre de host o una dirección IPv4, o una dirección IPv6 entre corchetes, y un puerto del 1 al 65535).</translation>
    </message>
    <message>
        <source>There is an autostart entry %1 that Pellorin did not write. </source>
        <translation>Hay una entrada de inicio automático %1 que no ha escrito Pellorin. </translation>
    </message>
    <message>
        <source>The autostart entry %1 was changed after Pellorin wrote it. </source>
        <translation>La entrada de inicio automático %1 se ha modificado después de que Pellorin la escribiera. </translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>¿Quiere reemplazarla?</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <translation>¿Quiere eliminarla?</translation>
    </message>
</context>
<context>
    <name>Product</name>
    <message>
        <source>Pellorin - The Auto Answer Tool</source>
        <translation>Pellorin - La herramienta de respuesta automática</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Object variable not set</source>
        <translation>Variable de objeto no establecida</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable de objeto o bloque With no establecido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de la propiedad no válido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>There is already a control with the name &apos;%1&apos;</source>
        <translation>Ya existe un control con el nombre &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; not found</source>
        <translation>No se encuentra el control &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Pellorin could not save its settings in %1; they hold until it ends.</source>
        <translation>Pellorin no ha podido guardar su configuración en %1; se mantendrá hasta que se cierre.</translation>
    </message>
</context>
<context>
    <name>WindowInstance</name>
    <message>
        <source>The window is still loading; try again when it has opened.</source>
        <translation>La ventana aún se está cargando; inténtelo de nuevo cuando se haya abierto.</translation>
    </message>
    <message>
        <source>The window was closed while it was loading.</source>
        <translation>La ventana se ha cerrado mientras se cargaba.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <translation>por Tolvane</translation>
    </message>
    <message>
        <source>This is a beta release and distributed as as-is. </source>
        <translation>Esta es una versión beta y se distribuye tal cual. </translation>
    </message>
    <message>
        <source>Tolvane is neither responsible nor liable for any damage done to your computer.</source>
        <translation>Tolvane no se hace responsable de ningún daño causado a su equipo.</translation>
    </message>
</context>
<context>
    <name>frmAnsweredCalls</name>
    <message>
        <source>Answered Calls</source>
        <translation>Llamadas respondidas</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>frmAutoCallList</name>
    <message>
        <source>Calls Auto Answer List</source>
        <translation>Lista de respuesta automática de llamadas</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Haga doble clic en un ID de usuario para ver los detalles.</translation>
    </message>
</context>
<context>
    <name>frmAutoVideoCallList</name>
    <message>
        <source>Video Calls Auto-Answer List</source>
        <translation>Lista de respuesta automática de videollamadas</translation>
    </message>
</context>
<context>
    <name>frmContact</name>
    <message>
        <source>Full Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Cumpleaños:</translation>
    </message>
    <message>
        <source>Mobile #:</source>
        <translation>Móvil:</translation>
    </message>
    <message>
        <source>Home #:</source>
        <translation>Casa:</translation>
    </message>
    <message>
        <source>Office #:</source>
        <translation>Oficina:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Acerca de:</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Contact Details</source>
        <translation>Detalles del contacto</translation>
    </message>
    <message>
        <source>Contact Details :</source>
        <translation>Detalles del contacto:</translation>
    </message>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Listas de contactos (ID):</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Haga doble clic en un ID de usuario para ver los detalles.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Calls List</source>
        <translation>Lista de llamadas</translation>
    </message>
    <message>
        <source>Video Calls List</source>
        <translation>Lista de videollamadas</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Show Logo</source>
        <translation>Mostrar logotipo</translation>
    </message>
    <message>
        <source>Hide Logo</source>
        <translation>Ocultar logotipo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimizar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Pellorin Home Page</source>
        <translation>Página web de Pellorin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Calling Client</source>
        <translation>Cliente de llamadas</translation>
    </message>
    <message>
        <source>baresip Control Address...</source>
        <translation>Dirección de control de baresip...</translation>
    </message>
    <message>
        <source>Attach Automatically</source>
        <translation>Conectar automáticamente</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Attach to %1</source>
        <translation>&amp;Conectar con %1</translation>
    </message>
    <message>
        <source>%1 Contacts</source>
        <translation>Contactos de %1</translation>
    </message>
    <message>
        <source>baresip Control Address</source>
        <translation>Dirección de control de baresip</translation>
    </message>
    <message>
        <source>Where baresip&apos;s control socket (its ctrl_tcp module) listens, HOST:PORT:</source>
        <translation>Dónde escucha el socket de control de baresip (su módulo ctrl_tcp), HOST:PUERTO:</translation>
    </message>
    <message>
        <source>Please attach Pellorin to your %1 client first before using any features,<byte value="xd"/>
by clicking on File &gt; Attach to %1</source>
        <translation>Conecte primero Pellorin con su cliente de %1 antes de usar cualquier función,<byte value="xd"/>
haciendo clic en Archivo &gt; Conectar con %1</translation>
    </message>
    <message>
        <source>This desktop has no notification area to put Pellorin&apos;s icon in, so the window stays open.</source>
        <translation>Este escritorio no tiene un área de notificación donde poner el icono de Pellorin, así que la ventana sigue abierta.</translation>
    </message>
    <message>
        <source>Not attached: no calling client is running</source>
        <translation>Sin conexión: no se está ejecutando ningún cliente de llamadas</translation>
    </message>
    <message>
        <source>Answered Calls</source>
        <translation>Llamadas respondidas</translation>
    </message>
    <message>
        <source>Notify When Answering</source>
        <translation>Notificar al responder</translation>
    </message>
    <message>
        <source>Last: %1, %2, %3</source>
        <translation>Última: %1, %2, %3</translation>
    </message>
    <message>
        <source>Pellorin answered %1</source>
        <translation>Pellorin ha respondido a la llamada de %1</translation>
    </message>
    <message>
        <source>Your video is on.</source>
        <translation>Su vídeo está activado.</translation>
    </message>
    <message>
        <source>Pellorin could not answer %1</source>
        <translation>Pellorin no ha podido responder a la llamada de %1</translation>
    </message>
</context>
</TS>
