<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>The light sleep time must be from 0 to 60000 seconds</source>
        <translation>Время сна подсветки должно быть от 0 до 60000 секунд</translation>
    </message>
    <message>
        <source>The keyboard sleep time must be from 5 to 1000 minutes</source>
        <translation>Время сна клавиатуры должно быть от 5 до 1000 минут</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Время сна подсветки не может быть больше времени сна клавиатуры</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Время сна клавиатуры слишком короткое</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не удалось задать время сна</translation>
    </message>
    <message>
        <source>The keyboard took the sleep time, but the profile could not be saved</source>
        <translation>Клавиатура приняла время сна, но профиль не удалось сохранить</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Время сна задано</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>The current profile could not be reset</source>
        <translation>Не удалось сбросить текущий профиль</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Текущий профиль сброшен</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>При блокировке Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Отключить клавишу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Отключить SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Отключить ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Отключить ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Сон подсветки:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавиатуры:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить профиль</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Свойства клавиатуры</translation>
    </message>
    <message>
        <source>No keyboard settings program of the desktop is installed</source>
        <translation>Программа настройки клавиатуры рабочего стола не установлена</translation>
    </message>
    <message>
        <source>The keyboard settings could not be opened</source>
        <translation>Не удалось открыть настройки клавиатуры</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать при старте системы (свёрнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверить обновление прошивки</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладная программа</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синяя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовая</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другая</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Устройства для обновления не найдены</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Настройка сохранена</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не удалось сохранить настройку</translation>
    </message>
    <message>
        <source>No system tray is running: closing the window quits the program.</source>
        <translation>Системный трей не запущен: закрытие окна завершит программу.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспр./пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яркость экрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яркость экрана -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Переключить окна</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
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
        <translation>Переключение на 2,4 ГГц</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Переключение на USB</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокировать клавиатуру</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блокировка/разблокировка Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокировать Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Разблокировать Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Запрос заряда</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Общая подсветка</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивная подсветка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Вся подсветка</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичная</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Направление +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Направление -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Направление по кругу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Полноцветный режим</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Сменить верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Сменить нижний цвет</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Пользовательская 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Пользовательская 2</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Остановить подсветку</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Выключить всё</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запись подсветки</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Выключить боковую подсветку</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Остановить боковую подсветку</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Переназначение</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск программы</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Быстрые команды</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Функция клавиши</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Атмосферная подсветка</translation>
    </message>
</context>
</TS>
