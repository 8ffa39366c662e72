<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Призначити профіль</translation>
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
        <translation>Перепризначення</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Замінити на клавішу?</translation>
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
        <translation>Ярлики</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати стільницю</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп&apos;ютер</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп&apos;ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
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
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Введіть клавіші?</translation>
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
        <translation>Функції клавіатури</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Циклічне перемикання</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокувати клавіатуру</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Розблокувати Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокувати Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Запит заряду</translation>
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
        <source>FN1 layer</source>
        <translation>Шар FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Перемкнути на USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Перемкнути на 2,4 ГГц</translation>
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
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Вибір програми</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Виберіть шлях до програми</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати програму</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
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
        <translation>Текст</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Підсвітка клавіш</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальне підсвічування</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивне підсвічування</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усе підсвічування</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичний</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Напрямок +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Напрямок -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Напрямок по колу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повнокольоровий режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Змінити верхній колір</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Змінити нижній колір</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Вимкнути все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Вимкнути підсвічування</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Зупинити підсвічування</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запис підсвічування</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Користувацьке 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Користувацьке 2</translation>
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
        <translation>Спосіб відтворення</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Відтворити один раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервне відтворення увімк./вимк.</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Відтворити кілька разів</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Відтворювати, доки клавішу натиснуто</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Кількість повторів</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Кількість повторів 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Призначити макрос</translation>
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
        <translation>Кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка миші</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вгору</translation>
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
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворити/пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Гучність +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Гучність -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звуку</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп&apos;ютер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яскравість екрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яскравість екрана -</translation>
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
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Фонова підсвітка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усе підсвічування</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальне підсвічування</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивне підсвічування</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Повнокольоровий режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Змінити верхній колір</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Змінити нижній колір</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Вимкнути бічне підсвічування</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Зупинити бічне підсвічування</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Призначити профіль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Вибір програми</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Виберіть шлях до програми</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати програму</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Спосіб відтворення</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Відтворити один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Відтворити кілька разів</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервне відтворення увімк./вимк.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Відтворювати, доки клавішу натиснуто</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Кількість повторів</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Кількість повторів 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Призначити макрос</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопка миші</translation>
    </message>
</context>
</TS>
