<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Назначить профиль</translation>
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
        <translation>Переназначение</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Заменить на клавишу?</translation>
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
        <translation>Ярлыки</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
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
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
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
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Введите клавиши?</translation>
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
        <translation>Функции клавиатуры</translation>
    </message>
    <message>
        <source>Switch loop</source>
        <translation>Циклическое переключение</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокировать клавиатуру</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Разблокировать Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокировать Win</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Запрос заряда</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной</translation>
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
        <source>USB switching</source>
        <translation>Переключение на USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Переключение на 2,4 ГГц</translation>
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
        <translation>Отключить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Выберите путь к приложению</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
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
        <translation>Введите текст ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Подсветка клавиш</translation>
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
        <translation>Статичный</translation>
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
        <source>Close all</source>
        <translation>Выключить всё</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Остановить подсветку</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запись подсветки</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Пользовательская 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Пользовательская 2</translation>
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
        <translation>Способ воспроизведения</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл./выкл.</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока клавиша нажата</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Число повторов 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
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
        <translation>Кнопка мыши</translation>
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
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
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
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспр./пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
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
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яркость экрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яркость экрана -</translation>
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
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Фоновая подсветка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Вся подсветка</translation>
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
        <source>Close side light</source>
        <translation>Выключить боковую подсветку</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Остановить боковую подсветку</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Assign Profile</source>
        <translation>Назначить профиль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Выберите путь к приложению</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введите текст ...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Способ воспроизведения</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл./выкл.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока клавиша нажата</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Число повторов 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопка мыши</translation>
    </message>
</context>
</TS>
