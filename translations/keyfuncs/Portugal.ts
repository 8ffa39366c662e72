<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Atribuir perfil</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reatribuir tecla</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remapear para que tecla?</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Teclas combinadas</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Introduzir tecla?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funções da tecla</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Alternar em ciclo</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar bateria</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Mudar para USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Mudar para 2,4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o caminho da aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz do teclado</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz geral</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interativa</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda a luz</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direção +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direção -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direção em ciclo</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Mudar para cores completas</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Desligar tudo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Desligar retroiluminação</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Parar retroiluminação</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Gravar iluminação</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modo de reprodução</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua ligar/desligar</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla estiver premida</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de repetições</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Repetições 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Botão do rato</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão do meio</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Recuar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botão de precisão</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correio eletrónico</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brilho do ecrã +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brilho do ecrã -</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiente</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda a luz</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz geral</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interativa</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Mudar para cores completas</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Desligar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Parar luz lateral</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Atribuir perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o caminho da aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modo de reprodução</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua ligar/desligar</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla estiver premida</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de repetições</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Repetições 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Botão do rato</translation>
    </message>
</context>
</TS>
