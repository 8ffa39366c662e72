<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>Час сну підсвічування має бути від 0 до 60000 секунд</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>Час сну клавіатури має бути від 5 до 1000 хвилин</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Час сну підсвічування не може бути довшим за час сну клавіатури</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Час сну клавіатури занадто короткий</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не вдалося встановити час сну</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>Клавіатура прийняла час сну, але профіль не вдалося зберегти</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Час сну встановлено</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Скинути поточний профіль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>Не вдалося скинути поточний профіль</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Поточний профіль скинуто</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Коли блокування Win увімкнено:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Вимкнути клавішу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Вимкнути SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Вимкнути ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Вимкнути ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Сон підсвічування:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавіатури:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Скинути профіль</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Властивості клавіатури</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>Програму налаштування клавіатури стільниці не встановлено</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>Не вдалося відкрити налаштування клавіатури</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати під час старту системи (згорнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевірити оновлення прошивки</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладна програма</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожева</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інша</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Пристроїв для оновлення не знайдено</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Налаштування збережено</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не вдалося зберегти налаштування</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>Системний трей не запущено: закриття вікна завершить програму.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
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
        <source>Play/Pause</source>
        <translation>Відтворити/пауза</translation>
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
        <source>Stop</source>
        <translation>Стоп</translation>
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
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яскравість екрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яскравість екрана -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
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
        <source>Scroll Up</source>
        <translation>Прокрутка вгору</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Перемкнути вікна</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати стільницю</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп&apos;ютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп&apos;ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
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
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
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
        <translation>Перемкнути на 2,4 ГГц</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Перемкнути на USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокувати клавіатуру</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Заблокувати/розблокувати Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокувати Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Розблокувати Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
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
        <source>Power query</source>
        <translation>Запит заряду</translation>
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
        <translation>Статичне</translation>
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
        <source>Custom 1</source>
        <translation>Користувацьке 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Користувацьке 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Зупинити підсвічування</translation>
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
        <source>Light recording</source>
        <translation>Запис підсвічування</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Вимкнути бічне підсвічування</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Зупинити бічне підсвічування</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типово</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначення</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
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
        <source>Shortcuts</source>
        <translation>Швидкі команди</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функція клавіші</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Атмосферне підсвічування</translation>
    </message>
</context>
</TS>
