<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AnsweredCallsModel</name>
    <message>
        <source>Pellorin cannot read this line of the record.</source>
        <translation>O Pellorin não consegue ler esta linha do registro.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Quem ligou</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>What was done</source>
        <translation>O que foi feito</translation>
    </message>
    <message>
        <source>calls</source>
        <translation>chamadas</translation>
    </message>
    <message>
        <source>video calls</source>
        <translation>chamadas de vídeo</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>atendida</translation>
    </message>
    <message>
        <source>answered, video started</source>
        <translation>atendida, vídeo iniciado</translation>
    </message>
    <message>
        <source>not answered: the call was no longer ringing</source>
        <translation>não atendida: a chamada já não estava tocando</translation>
    </message>
    <message>
        <source>answer failed: </source>
        <translation>falha ao atender: </translation>
    </message>
    <message>
        <source>answered, video failed: </source>
        <translation>atendida, falha no vídeo: </translation>
    </message>
    <message>
        <source>answered, video not started </source>
        <translation>atendida, vídeo não iniciado </translation>
    </message>
</context>
<context>
    <name>AttachState</name>
    <message>
        <source>Attached to %1</source>
        <translation>Conectado ao %1</translation>
    </message>
    <message>
        <source>Attaching to %1...</source>
        <translation>Conectando ao %1...</translation>
    </message>
    <message>
        <source>Not attached: %1 is not running</source>
        <translation>Não conectado: o %1 não está em execução</translation>
    </message>
    <message>
        <source>Not attached: %1 refused; asking again at %2</source>
        <translation>Não conectado: o %1 recusou; nova tentativa às %2</translation>
    </message>
    <message>
        <source>Not attached: %1 refused</source>
        <translation>Não conectado: o %1 recusou</translation>
    </message>
    <message>
        <source>Not attached</source>
        <translation>Não conectado</translation>
    </message>
</context>
<context>
    <name>Attachment</name>
    <message>
        <source>Please start your %1 client first.</source>
        <translation>Inicie primeiro o seu cliente %1.</translation>
    </message>
    <message>
        <source>Pellorin has successfully attached itself to your %1 client.</source>
        <translation>O Pellorin foi conectado ao seu cliente %1 com sucesso.</translation>
    </message>
    <message>
        <source>An error has occured: <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ocorreu um erro: <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unfortunately, Pellorin could not attached itself to your %1 client.</source>
        <translation>Infelizmente, o Pellorin não conseguiu se conectar ao seu cliente %1.</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListEditor</name>
    <message>
        <source>Please select a contact to add to your auto-answer list</source>
        <translation>Selecione um contato para adicionar à sua lista de atendimento automático</translation>
    </message>
    <message>
        <source>Please select a contact to remove from your auto-answer list</source>
        <translation>Selecione um contato para remover da sua lista de atendimento automático</translation>
    </message>
    <message>
        <source>Your chosen list has been saved successfully.</source>
        <translation>A lista escolhida foi salva com sucesso.</translation>
    </message>
    <message>
        <source>Your auto-answer list is full: it holds at most %1 entries. Remove an entry before you add another one.</source>
        <translation>Sua lista de atendimento automático está cheia: ela comporta no máximo %1 entradas. Remova uma entrada antes de adicionar outra.</translation>
    </message>
    <message>
        <source>Please type the address of the caller to add to your auto-answer list</source>
        <translation>Digite o endereço de quem liga para adicioná-lo à sua lista de atendimento automático</translation>
    </message>
</context>
<context>
    <name>AutoAnswerListForm</name>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Listas de contatos (ID):</translation>
    </message>
    <message>
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Incluir &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Remove</source>
        <translation>&lt;&lt; &amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Your Auto-Answer Lists :</source>
        <translation>Suas listas de atendimento automático:</translation>
    </message>
    <message>
        <source>Your Auto-Answer Options:</source>
        <translation>Suas opções de atendimento automático:</translation>
    </message>
    <message>
        <source>Auto answer incoming calls</source>
        <translation>Atender automaticamente as chamadas recebidas</translation>
    </message>
    <message>
        <source>Auto answer incoming calls with video</source>
        <translation>Atender automaticamente as chamadas recebidas com vídeo</translation>
    </message>
    <message>
        <source>Address of a caller not listed</source>
        <translation>Endereço de quem liga e não está na lista</translation>
    </message>
    <message>
        <source>Type the address of a caller who is not among your contacts (user@host).</source>
        <translation>Digite o endereço de alguém que não está entre os seus contatos (usuario@host).</translation>
    </message>
    <message>
        <source>A&amp;ddress &gt;&gt;</source>
        <translation>&amp;Endereço &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Pellorin could not write the autostart entry %1: %2</source>
        <translation>O Pellorin não conseguiu gravar a entrada de inicialização automática %1: %2</translation>
    </message>
    <message>
        <source>the program&apos;s path holds a line break</source>
        <translation>o caminho do programa contém uma quebra de linha</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Pellorin could not remove the autostart entry %1: %2</source>
        <translation>O Pellorin não conseguiu remover a entrada de inicialização automática %1: %2</translation>
    </message>
</context>
<context>
    <name>CallOutcome</name>
    <message>
        <source>answer failed</source>
        <translation>falha ao atender</translation>
    </message>
    <message>
        <source>answered with video</source>
        <translation>atendida com vídeo</translation>
    </message>
    <message>
        <source>answered, video failed</source>
        <translation>atendida, falha no vídeo</translation>
    </message>
    <message>
        <source>answered, video not started</source>
        <translation>atendida, vídeo não iniciado</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>atendida</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>não atendida</translation>
    </message>
</context>
<context>
    <name>CallerAddress</name>
    <message>
        <source>This calling client takes no typed addresses.</source>
        <translation>Este cliente de chamadas não aceita endereços digitados.</translation>
    </message>
    <message>
        <source>user@host, with the port when the caller has one (sip:alice@192.0.2.7:5072, say)</source>
        <translation>usuario@host, com a porta quando quem liga tiver uma (por exemplo, sip:alice@192.0.2.7:5072)</translation>
    </message>
    <message>
        <source>%1 is not an address that %2 can take calls from. Type it as %3.</source>
        <translation>%1 não é um endereço do qual o %2 possa receber chamadas. Digite-o como %3.</translation>
    </message>
    <message>
        <source>a Jami ID (40 digits and letters a to f), or as the address of a SIP caller, user@host (sip:alice@192.0.2.7:5072, say)</source>
        <translation>um ID do Jami (40 dígitos e letras de a a f) ou como o endereço de quem liga por SIP, usuario@host (por exemplo, sip:alice@192.0.2.7:5072)</translation>
    </message>
</context>
<context>
    <name>ContactBrowser</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Erro em tempo de execução &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>1 more failure happened while this box was open; the log lists it.</source>
        <translation>Ocorreu mais uma falha enquanto esta caixa estava aberta; o registro a lista.</translation>
    </message>
    <message>
        <source>%1 more failures happened while this box was open; the log lists them.</source>
        <translation>Ocorreram mais %1 falhas enquanto esta caixa estava aberta; o registro as lista.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>baresip&apos;s control socket at %1 cannot be reached: %2</source>
        <translation>O soquete de controle do baresip em %1 não pode ser acessado: %2</translation>
    </message>
    <message>
        <source>Nothing listens on baresip&apos;s control socket at %1: baresip is not running there, or its ctrl_tcp module is not loaded.</source>
        <translation>Nada escuta no soquete de controle do baresip em %1: o baresip não está em execução nele ou o módulo ctrl_tcp não está carregado.</translation>
    </message>
    <message>
        <source>The connection to baresip at %1 has closed (%2). Give the attach command again to connect again.</source>
        <translation>A conexão com o baresip em %1 foi fechada (%2). Use o comando de conectar de novo para se reconectar.</translation>
    </message>
    <message>
        <source>baresip&apos;s control socket at %1 did not take the connection within %2.</source>
        <translation>O soquete de controle do baresip em %1 não aceitou a conexão em %2.</translation>
    </message>
    <message>
        <source>The calling client is not running.</source>
        <translation>O cliente de chamadas não está em execução.</translation>
    </message>
    <message>
        <source>The calling client has not answered the attach request within %1. When it is answered, Pellorin will tell you.</source>
        <translation>O cliente de chamadas não respondeu ao pedido de conexão em %1. O Pellorin avisará quando houver resposta.</translation>
    </message>
    <message>
        <source>The calling client did not allow Pellorin to use it.</source>
        <translation>O cliente de chamadas não permitiu que o Pellorin o usasse.</translation>
    </message>
    <message>
        <source>Nobody is signed in to the calling client.</source>
        <translation>Ninguém está conectado ao cliente de chamadas.</translation>
    </message>
    <message>
        <source>The calling client has not allowed Pellorin to use it within %1.</source>
        <translation>O cliente de chamadas não permitiu que o Pellorin o usasse em %1.</translation>
    </message>
    <message>
        <source>The calling client quit while Pellorin was attaching to it.</source>
        <translation>O cliente de chamadas foi fechado enquanto o Pellorin se conectava a ele.</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) is not running on the session bus: nothing owns the name cx.ring.Ring. Start Jami first.</source>
        <translation>O daemon do Jami (jamid) não está em execução no barramento de sessão: ninguém possui o nome cx.ring.Ring. Inicie o Jami primeiro.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>baresip answered the command &quot;listcalls&quot; with %1. Pellorin needs baresip&apos;s menu module.</source>
        <translation>O baresip respondeu ao comando &quot;listcalls&quot; com %1. O Pellorin precisa do módulo menu do baresip.</translation>
    </message>
    <message>
        <source>The caller of the call from %1 has not agreed to %2 within %3.</source>
        <translation>Quem ligou de %1 não aceitou %2 em %3.</translation>
    </message>
    <message>
        <source>baresip could not answer the call from %1: %2</source>
        <translation>O baresip não conseguiu atender a chamada de %1: %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 when it was asked to answer the one from %2: a call that came in meanwhile took its place.</source>
        <translation>O baresip atendeu a chamada de %1 quando foi pedido que atendesse a de %2: uma chamada que chegou nesse meio-tempo tomou o lugar dela.</translation>
    </message>
    <message>
        <source>baresip did not answer the call from %1.</source>
        <translation>O baresip não atendeu a chamada de %1.</translation>
    </message>
    <message>
        <source>baresip answered the call from %1, but the call has not been established within %2.</source>
        <translation>O baresip atendeu a chamada de %1, mas a chamada não foi estabelecida em %2.</translation>
    </message>
    <message>
        <source>baresip could not take the call from %1 off hold: %2</source>
        <translation>O baresip não conseguiu retomar a chamada em espera de %1: %2</translation>
    </message>
    <message>
        <source>baresip answered the call from %1 but could not stop sending your video into it: %2</source>
        <translation>O baresip atendeu a chamada de %1, mas não conseguiu parar de enviar o seu vídeo: %2</translation>
    </message>
    <message>
        <source>The call from %1 has ended.</source>
        <translation>A chamada de %1 terminou.</translation>
    </message>
    <message>
        <source>The call from %1 has no video: the caller did not offer any.</source>
        <translation>A chamada de %1 não tem vídeo: quem ligou não ofereceu nenhum.</translation>
    </message>
    <message>
        <source>baresip could not start sending video into the call from %1: %2</source>
        <translation>O baresip não conseguiu começar a enviar vídeo na chamada de %1: %2</translation>
    </message>
    <message>
        <source>baresip could not list its contacts: %1</source>
        <translation>O baresip não conseguiu listar os contatos: %1</translation>
    </message>
    <message>
        <source>The calling client quit before it answered %1.</source>
        <translation>O cliente de chamadas foi fechado antes de responder a %1.</translation>
    </message>
    <message>
        <source>The calling client did not answer %1 within %2.</source>
        <translation>O cliente de chamadas não respondeu a %1 em %2.</translation>
    </message>
    <message>
        <source>The calling client could not be reached: %1</source>
        <translation>Não foi possível acessar o cliente de chamadas: %1</translation>
    </message>
    <message>
        <source>The calling client refused %1 (error %2).</source>
        <translation>O cliente de chamadas recusou %1 (erro %2).</translation>
    </message>
    <message>
        <source>Jami&apos;s daemon (jamid) quit before it answered %1. Give the attach command again once Jami runs.</source>
        <translation>O daemon do Jami (jamid) foi encerrado antes de responder a %1. Use o comando de conectar de novo quando o Jami estiver em execução.</translation>
    </message>
    <message>
        <source>Jami did not answer the call from %1.</source>
        <translation>O Jami não atendeu a chamada de %1.</translation>
    </message>
    <message>
        <source>Jami could not start sending your video into the call from %1.</source>
        <translation>O Jami não conseguiu começar a enviar o seu vídeo na chamada de %1.</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Invalid property value (list index %1)</source>
        <translation>Valor de propriedade inválido (índice da lista %1)</translation>
    </message>
    <message>
        <source>The list is full: it holds at most %1 entries.</source>
        <translation>A lista está cheia: ela comporta no máximo %1 entradas.</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>The list file &quot;%1&quot; exists but cannot be read (%2). The list was not loaded.</source>
        <translation>O arquivo de lista &quot;%1&quot; existe, mas não pode ser lido (%2). A lista não foi carregada.</translation>
    </message>
    <message>
        <source>The list could not be saved to &quot;%1&quot; (%2). The file was left as it was.</source>
        <translation>Não foi possível salvar a lista em &quot;%1&quot; (%2). O arquivo não foi alterado.</translation>
    </message>
    <message>
        <source>The list file &quot;%1&quot; holds more than %2 entries, the most a list can hold. Only the first %2 were loaded; the rest were not loaded, and saving this list will leave them out of the file.</source>
        <translation>O arquivo de lista &quot;%1&quot; contém mais de %2 entradas, o máximo que uma lista comporta. Só as primeiras %2 foram carregadas; as demais não, e salvar esta lista as deixará fora do arquivo.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>&quot;%1&quot; is not an address HOST:PORT (a host name or IPv4 address, or an IPv6 address in brackets, and a port from 1 to 65535).</source>
        <translation>&quot;%1&quot; não é um endereço HOST:PORTA (um nome de host ou endereço IPv4, ou um endereço IPv6 entre colchetes, e uma porta de 1 a 65535).</translation>
    </message>
    <message>
        <source>There is an autostart entry %1 that Pellorin did not write. </source>
        <translation>Existe uma entrada de inicialização automática %1 que não foi gravada pelo Pellorin. </translation>
    </message>
    <message>
        <source>The autostart entry %1 was changed after Pellorin wrote it. </source>
        <translation>A entrada de inicialização automática %1 foi alterada depois que o Pellorin a gravou. </translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>Substituí-la?</translation>
    </message>
    <message>
        <source>Remove it?</source>
        <translation>Removê-la?</translation>
    </message>
</context>
<context>
    <name>Product</name>
    <message>
        <source>Pellorin - The Auto Answer Tool</source>
        <translation>Pellorin - A ferramenta de atendimento automático</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Object variable not set</source>
        <translation>Variável de objeto não definida</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variável de objeto ou variável do bloco With não definida</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>There is already a control with the name &apos;%1&apos;</source>
        <translation>Já existe um controle com o nome &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; not found</source>
        <translation>Controle &apos;%1&apos; não encontrado</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Pellorin could not save its settings in %1; they hold until it ends.</source>
        <translation>O Pellorin não conseguiu salvar as configurações em %1; elas valem até ele ser fechado.</translation>
    </message>
</context>
<context>
    <name>WindowInstance</name>
    <message>
        <source>The window is still loading; try again when it has opened.</source>
        <translation>A janela ainda está carregando; tente de novo quando ela abrir.</translation>
    </message>
    <message>
        <source>The window was closed while it was loading.</source>
        <translation>A janela foi fechada enquanto carregava.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>by Tolvane</source>
        <translation>por Tolvane</translation>
    </message>
    <message>
        <source>This is a beta release and distributed as as-is. </source>
        <translation>Esta é uma versão beta, fornecida como está. </translation>
    </message>
    <message>
        <source>Tolvane is neither responsible nor liable for any damage done to your computer.</source>
        <translation>A Tolvane não se responsabiliza por danos ao seu computador.</translation>
    </message>
</context>
<context>
    <name>frmAnsweredCalls</name>
    <message>
        <source>Answered Calls</source>
        <translation>Chamadas atendidas</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>frmAutoCallList</name>
    <message>
        <source>Calls Auto Answer List</source>
        <translation>Lista de atendimento automático de chamadas</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Clique duas vezes em um ID de usuário para ver os detalhes.</translation>
    </message>
</context>
<context>
    <name>frmAutoVideoCallList</name>
    <message>
        <source>Video Calls Auto-Answer List</source>
        <translation>Lista de atendimento automático de chamadas de vídeo</translation>
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
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Aniversário:</translation>
    </message>
    <message>
        <source>Mobile #:</source>
        <translation>Celular:</translation>
    </message>
    <message>
        <source>Home #:</source>
        <translation>Residencial:</translation>
    </message>
    <message>
        <source>Office #:</source>
        <translation>Comercial:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Cidade:</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Sobre:</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Apelido:</translation>
    </message>
    <message>
        <source>Contact Details</source>
        <translation>Detalhes do contato</translation>
    </message>
    <message>
        <source>Contact Details :</source>
        <translation>Detalhes do contato:</translation>
    </message>
    <message>
        <source>Contact Lists (ID) :</source>
        <translation>Listas de contatos (ID):</translation>
    </message>
    <message>
        <source>Double click on User ID to get details.</source>
        <translation>Clique duas vezes em um ID de usuário para ver os detalhes.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Calls List</source>
        <translation>Lista de chamadas</translation>
    </message>
    <message>
        <source>Video Calls List</source>
        <translation>Lista de chamadas de vídeo</translation>
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
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Minimizar para a bandeja</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Pellorin Home Page</source>
        <translation>Página do Pellorin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Calling Client</source>
        <translation>Cliente de chamadas</translation>
    </message>
    <message>
        <source>baresip Control Address...</source>
        <translation>Endereço de controle do baresip...</translation>
    </message>
    <message>
        <source>Attach Automatically</source>
        <translation>Conectar automaticamente</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message>
        <source>&amp;Attach to %1</source>
        <translation>&amp;Conectar ao %1</translation>
    </message>
    <message>
        <source>%1 Contacts</source>
        <translation>Contatos do %1</translation>
    </message>
    <message>
        <source>baresip Control Address</source>
        <translation>Endereço de controle do baresip</translation>
    </message>
    <message>
        <source>Where baresip&apos;s control socket (its ctrl_tcp module) listens, HOST:PORT:</source>
        <translation>Onde o soquete de controle do baresip (o módulo ctrl_tcp) escuta, HOST:PORTA:</translation>
    </message>
    <message>
        <source>Please attach Pellorin to your %1 client first before using any features,<byte value="xd"/>
by clicking on File &gt; Attach to %1</source>
        <translation>Conecte o Pellorin ao seu cliente %1 antes de usar qualquer recurso,<byte value="xd"/>
clicando em Arquivo &gt; Conectar ao %1</translation>
    </message>
    <message>
        <source>This desktop has no notification area to put Pellorin&apos;s icon in, so the window stays open.</source>
        <translation>Esta área de trabalho não tem uma área de notificação para o ícone do Pellorin, então a janela continua aberta.</translation>
    </message>
    <message>
        <source>Not attached: no calling client is running</source>
        <translation>Não conectado: nenhum cliente de chamadas está em execução</translation>
    </message>
    <message>
        <source>Answered Calls</source>
        <translation>Chamadas atendidas</translation>
    </message>
    <message>
        <source>Notify When Answering</source>
        <translation>Notificar ao atender</translation>
    </message>
    <message>
        <source>Last: %1, %2, %3</source>
        <translation>Última: %1, %2, %3</translation>
    </message>
    <message>
        <source>Pellorin answered %1</source>
        <translation>O Pellorin atendeu a chamada de %1</translation>
    </message>
    <message>
        <source>Your video is on.</source>
        <translation>Seu vídeo está ligado.</translation>
    </message>
    <message>
        <source>Pellorin could not answer %1</source>
        <translation>O Pellorin não conseguiu atender a chamada de %1</translation>
    </message>
</context>
</TS>
