<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
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
        <source>Loading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reatribuir tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Teclas combinadas</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicação</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz do teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiente</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Funções da tecla</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Selecione primeiro uma tecla</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operação concluída</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Não foi possível guardar: o texto está vazio</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>O texto foi cortado para o comprimento que uma tecla suporta</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>Não existe nenhuma macro para atribuir. Grave primeiro uma macro</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Falha ao restaurar a predefinição</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/inglês</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Hanja</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Hanja</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/inglês</translation>
    </message>
</context>
</TS>
