<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначення</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Ярлики</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Змінити профіль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск програми</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Підсвітка клавіш</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Фонова підсвітка</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функції клавіатури</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Спочатку виберіть клавішу</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Не вдалося зберегти: текст порожній</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <source>The text was cut to the length a key can hold</source>
        <translation>Текст обрізано до довжини, яку може зберігати клавіша</translation>
    </message>
    <message>
        <source>There is no macro to assign. Please record a macro first</source>
        <translation>Немає макросу для призначення. Спочатку запишіть макрос</translation>
    </message>
    <message>
        <source>Restoring the default failed</source>
        <translation>Не вдалося відновити типове значення</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Korean/English</source>
        <translation>Кор./англ.</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Ханча</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Віртуальна клавіатура</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Ханча</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Кор./англ.</translation>
    </message>
</context>
</TS>
