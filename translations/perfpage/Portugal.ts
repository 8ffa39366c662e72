<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>O tempo de suspensão da luz deve estar entre 0 e 60000 segundos</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>O tempo de suspensão do teclado deve estar entre 5 e 1000 minutos</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>O tempo de suspensão da luz não pode ser maior do que o do teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>O tempo de suspensão do teclado é demasiado curto</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Falha ao definir o tempo de suspensão</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>O teclado aceitou o tempo de suspensão, mas não foi possível guardar o perfil</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tempo de suspensão definido</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Repor o perfil atual?</translation>
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
        <source>The current profile could not be reset</source>
        <translation>Não foi possível repor o perfil atual</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Perfil atual reposto com sucesso</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Com o bloqueio Win ativo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desativar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desativar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desativar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desativar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Suspensão da luz:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Suspensão do teclado:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Repor perfil</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriedades do teclado</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>Nenhum programa de definições de teclado do ambiente de trabalho está instalado</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>Não foi possível abrir as definições do teclado</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Início automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar com o sistema (minimizado)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Ao fechar, minimizar para a bandeja</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verificar atualização de firmware</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicação</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Não foram encontrados dispositivos atualizáveis</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Definição guardada</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Não foi possível guardar a definição</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>Não há nenhuma área de notificação em execução: fechar a janela termina o programa.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
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
        <source>Play/Pause</source>
        <translation>Reproduzir/pausa</translation>
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
        <source>Stop</source>
        <translation>Parar</translation>
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
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correio eletrónico</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brilho do ecrã +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brilho do ecrã -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
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
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Recuar</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botão de precisão</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Alternar janelas</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
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
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
    <message>
        <source>2.4G switching</source>
        <translation>Mudar para 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Mudar para USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Bloquear/desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada predefinida</translation>
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
        <source>Power query</source>
        <translation>Consultar bateria</translation>
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
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Parar retroiluminação</translation>
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
        <source>Light recording</source>
        <translation>Gravar iluminação</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Desligar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Parar luz lateral</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reatribuir tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Mudar perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicação</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Função de tecla</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz do teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiente</translation>
    </message>
</context>
</TS>
