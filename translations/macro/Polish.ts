<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy przycisk</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Przypisane</translation>
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
        <translation>Nagrywanie makr</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ustawienie opóźnienia</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Nagrany</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez opóźnienia</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Opóźnienie domyślne</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista zdarzeń</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Brak nagrania</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Wstaw zdarzenie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw po</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw przed</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Wprowadź opóźnienie</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Rozpocznij nagrywanie</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Najpierw wybierz pozycję</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Osiągnięto limit zdarzeń</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Nie udało się wstawić</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Wstawiono</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Nie udało się zmienić</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Nie udało się usunąć</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Najpierw wybierz makro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Nie udało się wyczyścić makra</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makro wyczyszczone</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Nie udało się przenieść</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Nazwa makra nie może być pusta</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Zmieniono nazwę makra</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Nie udało się zmienić nazwy makra</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Nie udało się dodać makra</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro dodane</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Nie udało się usunąć makra</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro usunięte</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Nie udało się wyeksportować makra</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>Ścieżka pliku jest za długa</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <translation>Plik %1 już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro wyeksportowane</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otwórz plik makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Pliki makr(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Nie udało się zaimportować makra</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro zaimportowane</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Rozpoczęto nagrywanie makra</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Zatrzymano nagrywanie makra</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Nie udało się zapisać nagranego makra</translation>
    </message>
    <message>
        <source>Import macro failed: the file declares a document type or entity</source>
        <translation>Nie udało się zaimportować makra: plik deklaruje typ dokumentu lub encję</translation>
    </message>
    <message>
        <source>Import macro failed: the file is not UTF-8 text</source>
        <translation>Nie udało się zaimportować makra: plik nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than macros and their events</source>
        <translation>Nie udało się zaimportować makra: plik zawiera coś więcej niż makra i ich zdarzenia</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the mouse code %2, which is no button action</source>
        <translation>Nie udało się zaimportować makra: zdarzenie %1 ma kod myszy %2, który nie jest akcją przycisku</translation>
    </message>
    <message>
        <source>Import macro failed: event %1 has the key code %2, which is no key</source>
        <translation>Nie udało się zaimportować makra: zdarzenie %1 ma kod klawisza %2, który nie jest klawiszem</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
</TS>
