<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Atribuída</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>DMacroPage</source>
        <translation>DMacroPage</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Gravação de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Definição de atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Gravado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sem atraso</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Atraso predefinido</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nada gravado</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserir evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir depois</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir antes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Prima uma tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduza o atraso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Selecione primeiro uma posição</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Foi atingido o limite de eventos</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Falha ao inserir</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserido com sucesso</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Falha ao modificar</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificado com sucesso</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Falha ao eliminar</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Selecione primeiro uma macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Falha ao limpar a macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro limpa com sucesso</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Falha ao mover</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>O nome da macro não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome da macro alterado com sucesso</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Falha ao alterar o nome da macro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Falha ao adicionar a macro</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro adicionada com sucesso</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Falha ao eliminar a macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada com sucesso</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Falha ao exportar a macro</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>O caminho do ficheiro é demasiado longo</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>O ficheiro %1 já existe. Substituí-lo?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada com sucesso</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir ficheiro de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Ficheiros de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Falha ao importar a macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada com sucesso</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Gravação da macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Gravação da macro parada</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Falha ao guardar a macro gravada</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Falha ao importar a macro: o ficheiro declara um tipo de documento ou uma entidade</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Falha ao importar a macro: o ficheiro não é texto UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Falha ao importar a macro: o ficheiro contém mais do que macros e os seus eventos</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Falha ao importar a macro: o evento %1 tem o código de rato %2, que não é uma ação de botão</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Falha ao importar a macro: o evento %1 tem o código de tecla %2, que não é uma tecla</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Alterar nome</translation>
    </message>
</context>
</TS>
