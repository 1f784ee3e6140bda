<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>&lt;h3&gt;Конфигуратор ППКОП Ольма-Ех&lt;/h3&gt;&lt;p&gt;Версия %1, сборка от %2&lt;/p&gt;&lt;p&gt;Программа настройки приборов приемно-контрольных охранно-пожарных Ольма-4Ех, Ольма-8Ех и Ольма-16Ех: чтение, правка и запись конфигурации, чтение журнала событий, контроль состояния прибора, перезапуск прибора и обновление его встроенного ПО.&lt;/p&gt;&lt;p&gt;Свободная программа: её можно распространять и изменять на условиях GNU General Public License версии 3 или (по вашему выбору) любой более поздней версии. Программа распространяется без каких-либо гарантий.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Olma-Ex Control Panel Configurator&lt;/h3&gt;&lt;p&gt;Version %1, built on %2&lt;/p&gt;&lt;p&gt;Configures the Olma-4Ex, Olma-8Ex and Olma-16Ex fire and security alarm control panels: reads, edits and writes the configuration, reads the event log, monitors the panel&apos;s state, restarts the panel and updates its firmware.&lt;/p&gt;&lt;p&gt;Free software: you can redistribute and modify it under the terms of the GNU General Public License version 3 or (at your option) any later version. This program comes with no warranty of any kind.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>AboutDilog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>AccessStateWidget</name>
    <message>
        <source>Device access state information window</source>
        <translation>Device access state information window</translation>
    </message>
    <message>
        <source>Доступ:</source>
        <translation>Access:</translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <source>считана из прибора</source>
        <translation>read from the panel</translation>
    </message>
    <message>
        <source>записана в прибор</source>
        <translation>written to the panel</translation>
    </message>
    <message>
        <source>резервная копия перед записью</source>
        <translation>backup before a write</translation>
    </message>
    <message>
        <source>сохранена в файл</source>
        <translation>saved to a file</translation>
    </message>
    <message>
        <source>вручную</source>
        <translation>by hand</translation>
    </message>
    <message>
        <source>запись не подтверждена</source>
        <translation>write not confirmed</translation>
    </message>
    <message>
        <source>полностью</source>
        <translation>complete</translation>
    </message>
    <message>
        <source>частично</source>
        <translation>partial</translation>
    </message>
    <message>
        <source>Конфигурации совпадают</source>
        <translation>The configurations are the same</translation>
    </message>
    <message>
        <source>изменён</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Архив недоступен: нет драйвера базы данных %1.</source>
        <translation>The archive is unavailable: there is no %1 database driver.</translation>
    </message>
    <message>
        <source>Невозможно открыть архив %1: %2</source>
        <translation>Cannot open the archive %1: %2</translation>
    </message>
    <message>
        <source>Неверный адрес архива: &quot;%1&quot;. Ожидается sqlite:///путь/файл.sqlite или postgresql://пользователь@узел:порт/база.</source>
        <translation>Invalid archive address: &quot;%1&quot;. Expected sqlite:///path/file.sqlite or postgresql://user@host:port/database.</translation>
    </message>
    <message>
        <source>Архив %1 создан более новой версией программы (версия схемы %2, эта программа знает версии до %3). Архив не изменён; обновите программу.</source>
        <translation>The archive %1 was created by a newer version of the program (schema version %2; this program knows versions up to %3). The archive was left unchanged; please update the program.</translation>
    </message>
    <message>
        <source>Невозможно обновить схему архива %1 до версии %2: %3</source>
        <translation>Cannot update the schema of the archive %1 to version %2: %3</translation>
    </message>
    <message>
        <source>Ошибка архива: %1</source>
        <translation>Archive error: %1</translation>
    </message>
    <message>
        <source>В архиве нет снимка %1.</source>
        <translation>The archive has no snapshot %1.</translation>
    </message>
    <message>
        <source>В архиве нет прибора с серийным номером %1.</source>
        <translation>The archive has no panel with serial number %1.</translation>
    </message>
    <message>
        <source>Невозможно создать папку архива %1.</source>
        <translation>Cannot create the archive folder %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveWindow</name>
    <message>
        <source>Архив</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Приборы…</source>
        <translation>Panels…</translation>
    </message>
    <message>
        <source>Архив…</source>
        <translation>Archive…</translation>
    </message>
    <message>
        <source>Вести архив приборов</source>
        <translation>Keep an archive of the panels</translation>
    </message>
    <message>
        <source>Архивировать автоматически (чтение, запись, журнал, сохранение в файл)</source>
        <translation>Archive automatically (reads, writes, logs, saves to files)</translation>
    </message>
    <message>
        <source>Адрес архива:</source>
        <translation>Archive address:</translation>
    </message>
    <message>
        <source>по умолчанию: %1</source>
        <translation>default: %1</translation>
    </message>
    <message>
        <source>sqlite:///путь/файл.sqlite или postgresql://пользователь@узел:порт/база. Пароль не сохраняется: он берется из ~/.pgpass или спрашивается.</source>
        <translation>sqlite:///path/file.sqlite or postgresql://user@host:port/database. The password is not saved: it is taken from ~/.pgpass or asked for.</translation>
    </message>
    <message>
        <source>Шифрование (sslmode):</source>
        <translation>Encryption (sslmode):</translation>
    </message>
    <message>
        <source>В этом запуске архив задан в командной строке; изменения вступят в силу при следующем запуске.</source>
        <translation>The archive of this run was given on the command line; changes take effect the next time the program starts.</translation>
    </message>
    <message>
        <source>Приборы в архиве</source>
        <translation>Panels in the archive</translation>
    </message>
    <message>
        <source>Поиск: серийный номер, название, объект, примечания</source>
        <translation>Search: serial number, name, site, notes</translation>
    </message>
    <message>
        <source>Серийный номер</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Объект</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Примечания</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Последняя связь</source>
        <translation>Last contact</translation>
    </message>
    <message>
        <source>Снимков</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>Событий</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Конфигурации прибора %1</source>
        <translation>Configurations of panel %1</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить в файл…</source>
        <translation>Save to file…</translation>
    </message>
    <message>
        <source>Сравнить…</source>
        <translation>Compare…</translation>
    </message>
    <message>
        <source>Журнал событий</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Сохранить конфигурацию из архива</source>
        <translation>Save a configuration from the archive</translation>
    </message>
    <message>
        <source>Конфигурация не сохранена в файл %1.</source>
        <translation>The configuration was not saved to the file %1.</translation>
    </message>
    <message>
        <source>Конфигурация сохранена в файл %1.</source>
        <translation>The configuration was saved to the file %1.</translation>
    </message>
    <message>
        <source>В архиве нет событий прибора %1.</source>
        <translation>The archive has no events of panel %1.</translation>
    </message>
    <message>
        <source>Сравнение конфигураций</source>
        <translation>Configuration comparison</translation>
    </message>
    <message>
        <source>снимок %1 от %2 (%3)</source>
        <translation>snapshot %1 of %2 (%3)</translation>
    </message>
    <message>
        <source>текущая конфигурация</source>
        <translation>current configuration</translation>
    </message>
    <message>
        <source>Было: %1
Стало: %2</source>
        <translation>Before: %1
After: %2</translation>
    </message>
    <message>
        <source>Конфигурации разных моделей приборов не сравниваются: %1 и %2.</source>
        <translation>Configurations of different panel models cannot be compared: %1 and %2.</translation>
    </message>
    <message>
        <source>Архив: %1</source>
        <translation>Archive: %1</translation>
    </message>
    <message>
        <source>Не удалось сохранить в архив: %1
Команда выполнена; архив будет недоступен до устранения ошибки.</source>
        <translation>Could not save to the archive: %1
The command was carried out; the archive stays unavailable until the error is fixed.</translation>
    </message>
    <message>
        <source>Пароль архива</source>
        <translation>Archive password</translation>
    </message>
    <message>
        <source>Пароль для архива %1:</source>
        <translation>Password for the archive %1:</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Пароль для архива %1: </source>
        <translation>Archive password for %1: </translation>
    </message>
    <message>
        <source>: архив: </source>
        <translation>: archive: </translation>
    </message>
    <message>
        <source>Версия ПО: </source>
        <translation>Firmware version: </translation>
    </message>
    <message>
        <source>Тип прибора: </source>
        <translation>Panel type: </translation>
    </message>
    <message>
        <source>Серийный номер: </source>
        <translation>Serial number: </translation>
    </message>
    <message>
        <source>Время и дата: </source>
        <translation>Time and date: </translation>
    </message>
    <message>
        <source>Перевод %1 не найден: сообщения будут на русском языке</source>
        <translation>Translation %1 not found: messages will be in Russian</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Конфигуратор ППКОП Ольма-Ех</source>
        <translation>Olma-Ex Control Panel Configurator</translation>
    </message>
    <message>
        <source>Показать эту справку и выйти.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Работать с прибором на этом порту, не искать порт самому (или по сети: tcp://узел:порт, tls://узел:порт).</source>
        <translation>Work with the panel on this port instead of looking for one (or over the network: tcp://host:port, tls://host:port).</translation>
    </message>
    <message>
        <source>Демонстрация: виртуальный прибор Ольма-16Ех внутри программы.</source>
        <translation>Demonstration: a virtual Olma-16Ex panel inside the program.</translation>
    </message>
    <message>
        <source>Сохранить снимок главного окна в FILE при завершении.</source>
        <translation>Save a picture of the main window to FILE when the run ends.</translation>
    </message>
    <message>
        <source>Завершить работу через SECONDS секунд.</source>
        <translation>End the run after SECONDS seconds.</translation>
    </message>
    <message>
        <source>Открыть страницу с этим номером (1 - &quot;Общие сведения&quot;, по порядку кнопок).</source>
        <translation>Open the page with this number (1 - &quot;General&quot;, in the order of the buttons).</translation>
    </message>
    <message>
        <source>Архив: sqlite:///путь/файл.sqlite или postgresql://...</source>
        <translation>Archive: sqlite:///path/file.sqlite or postgresql://...</translation>
    </message>
    <message>
        <source>Без архива: резервные копии перед записью - файлами.</source>
        <translation>No archive: backups before a write go to files.</translation>
    </message>
    <message>
        <source>Для tls://: доверять сертификатам из FILE, а не системным.</source>
        <translation>For tls://: trust the certificates in FILE instead of the system&apos;s.</translation>
    </message>
    <message>
        <source>Для tls://: не проверять сертификат прибора.</source>
        <translation>For tls://: do not check the panel&apos;s certificate.</translation>
    </message>
    <message>
        <source>Язык окон: ru или en (по умолчанию - язык системы).</source>
        <translation>Language of the windows: ru or en (by default the system&apos;s).</translation>
    </message>
    <message>
        <source>Лишние аргументы: %1</source>
        <translation>Unexpected arguments: %1</translation>
    </message>
    <message>
        <source>--lang: нужен язык ru или en, а не &quot;%1&quot;</source>
        <translation>--lang: the language must be ru or en, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--port: не указано имя порта</source>
        <translation>--port: no port name given</translation>
    </message>
    <message>
        <source>--demo и --port не используются вместе</source>
        <translation>--demo and --port cannot be used together</translation>
    </message>
    <message>
        <source>--page: нужен номер страницы от 1, а не &quot;%1&quot;</source>
        <translation>--page: a page number from 1 is needed, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--quit-after: нужно число секунд, а не &quot;%1&quot;</source>
        <translation>--quit-after: a number of seconds is needed, not &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>CommonStateWidget</name>
    <message>
        <source>Device common state information window</source>
        <translation>Device common state information window</translation>
    </message>
    <message>
        <source>Device programm version info</source>
        <translation>Device programm version info</translation>
    </message>
    <message>
        <source>Версия ПО: </source>
        <translation>Firmware version: </translation>
    </message>
    <message>
        <source>Device type info</source>
        <translation>Device type info</translation>
    </message>
    <message>
        <source>Тип прибора: </source>
        <translation>Panel type: </translation>
    </message>
    <message>
        <source>Device serial number info</source>
        <translation>Device serial number info</translation>
    </message>
    <message>
        <source>Серийный номер: </source>
        <translation>Serial number: </translation>
    </message>
    <message>
        <source>Device date and time info</source>
        <translation>Device date and time info</translation>
    </message>
    <message>
        <source>Время и дата: </source>
        <translation>Time and date: </translation>
    </message>
</context>
<context>
    <name>ConfigDiff</name>
    <message>
        <source>Задержка</source>
        <translation>Delay</translation>
    </message>
</context>
<context>
    <name>ConfigExport</name>
    <message>
        <source>Экспорт конфигурации</source>
        <translation>Configuration export</translation>
    </message>
    <message>
        <source>Имя файла для экспорта</source>
        <translation>Export file name</translation>
    </message>
    <message>
        <source>Текст(*.txt *.text *.log);;Word (*.rtf *.rtx);;Html(*.htm *.html);;Excel(*.csv)</source>
        <translation>Text (*.txt *.text *.log);;Word (*.rtf *.rtx);;HTML (*.htm *.html);;Excel (*.csv)</translation>
    </message>
    <message>
        <source>Выбранный тип файлов не поддерживается!</source>
        <translation>The chosen file type is not supported!</translation>
    </message>
    <message>
        <source>Невозможно экспортировать конфигурацию!</source>
        <translation>The configuration cannot be exported!</translation>
    </message>
    <message>
        <source>Конфигурация успешно экспортированна в файл!</source>
        <translation>The configuration was exported to the file.</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Состав</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>Пользователи</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Alarm loops</translation>
    </message>
    <message>
        <source>Активация реле</source>
        <translation>Relay activation</translation>
    </message>
    <message>
        <source>Конфигурация прибора ППКОП Ольма-Ех</source>
        <translation>Configuration of the Olma-Ex control panel</translation>
    </message>
    <message>
        <source>Включено</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Выключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Разрешено</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>Запрещено</source>
        <translation>Denied</translation>
    </message>
    <message>
        <source>Разрешен</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>Запрещен</source>
        <translation>Denied</translation>
    </message>
    <message>
        <source>Включен</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Выключен</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>копировать дату и время с ПК</source>
        <translation>copy the date and time from the PC</translation>
    </message>
    <message>
        <source>не менять дату и время</source>
        <translation>leave the date and time</translation>
    </message>
    <message>
        <source>Копировать дату и время с ПК</source>
        <translation>Copy the date and time from the PC</translation>
    </message>
    <message>
        <source>Не менять дату и время</source>
        <translation>Leave the date and time</translation>
    </message>
    <message>
        <source>Время тайм-аута 1 на взятие-снятие</source>
        <translation>Arming/disarming timeout 1</translation>
    </message>
    <message>
        <source>Время тайм-аута 2 на взятие-снятие</source>
        <translation>Arming/disarming timeout 2</translation>
    </message>
    <message>
        <source>Время на автоперевзятие охранного ШС</source>
        <translation>Time before an intrusion loop re-arms itself</translation>
    </message>
    <message>
        <source>Время на автоперевзятие круглосуточного ШС</source>
        <translation>Time before a 24-hour loop re-arms itself</translation>
    </message>
    <message>
        <source>Время работы звуковой индикации клавиатур</source>
        <translation>How long the keypads&apos; sounder runs</translation>
    </message>
    <message>
        <source>Время работы звуковой индикации ПЦ</source>
        <translation>How long the main board&apos;s sounder runs</translation>
    </message>
    <message>
        <source>Пароль инженера</source>
        <translation>Engineer password</translation>
    </message>
    <message>
        <source>Сообщение пользователя 1</source>
        <translation>User message 1</translation>
    </message>
    <message>
        <source>Сообщение пользователя 2</source>
        <translation>User message 2</translation>
    </message>
    <message>
        <source>Синхронизация с ПК</source>
        <translation>Synchronised with the PC</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Пароль не задан</source>
        <translation>No password set</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Идентификатор ключа iButton</source>
        <translation>iButton key ID</translation>
    </message>
    <message>
        <source>Ключ iButton не задан</source>
        <translation>No iButton key set</translation>
    </message>
    <message>
        <source>Снятие ШС</source>
        <translation>Disarm loops</translation>
    </message>
    <message>
        <source>Взятие ШС</source>
        <translation>Arm loops</translation>
    </message>
    <message>
        <source>Частичное Взятие/Снятие ШС</source>
        <translation>Partial arming/disarming</translation>
    </message>
    <message>
        <source>Сброс сообщений блоков</source>
        <translation>Reset block messages</translation>
    </message>
    <message>
        <source>Доступ к ШС</source>
        <translation>Loop access</translation>
    </message>
    <message>
        <source>ШС %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source>Тип ШС</source>
        <translation>Loop type</translation>
    </message>
    <message>
        <source>Номер таймаута на взятие</source>
        <translation>Arming timeout number</translation>
    </message>
    <message>
        <source>Номер таймаута на снятие</source>
        <translation>Disarming timeout number</translation>
    </message>
    <message>
        <source>Без отображения тревог</source>
        <translation>No alarm display</translation>
    </message>
    <message>
        <source>Автопересброс</source>
        <translation>Auto reset</translation>
    </message>
    <message>
        <source>Наличие БИЗ-Ex</source>
        <translation>BIZ-Ex fitted</translation>
    </message>
    <message>
        <source>Автоперевзятие</source>
        <translation>Auto re-arm</translation>
    </message>
    <message>
        <source>Переопрос</source>
        <translation>Re-query</translation>
    </message>
    <message>
        <source>Контроль исправности</source>
        <translation>Fault monitoring</translation>
    </message>
    <message>
        <source>Пожар-1</source>
        <translation>Fire-1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Состав</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>Пользователи</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>Шлейфы сигнализации</source>
        <translation>Alarm loops</translation>
    </message>
    <message>
        <source>Активация реле (выходов)</source>
        <translation>Relay (output) activation</translation>
    </message>
    <message>
        <source>Администратор</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>ШС</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Чтение конфигурации из файла</source>
        <translation>Reading the configuration from a file</translation>
    </message>
    <message>
        <source>Запись конфигурации в файл</source>
        <translation>Writing the configuration to a file</translation>
    </message>
    <message>
        <source>Двоичный (*.bin)</source>
        <translation>Binary (*.bin)</translation>
    </message>
    <message>
        <source>Файл конфигурации: &quot;%1&quot; не наден!</source>
        <translation>Configuration file &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <source>Файл конфигурации: &quot;%1&quot; имеет неправильный размер!</source>
        <translation>Configuration file &quot;%1&quot; has the wrong size!</translation>
    </message>
    <message>
        <source>Файл описаний &quot;%1&quot; не является обычным файлом и не прочитан: конфигурация загружена без описаний.</source>
        <translation>The description file &quot;%1&quot; is not a regular file and was not read: the configuration was loaded without descriptions.</translation>
    </message>
    <message>
        <source>Файл описаний &quot;%1&quot; слишком велик (%2 байт, допустимо не более 4 МиБ) и не прочитан: конфигурация загружена без описаний.</source>
        <translation>The description file &quot;%1&quot; is too large (%2 bytes, at most 4 MiB allowed) and was not read: the configuration was loaded without descriptions.</translation>
    </message>
    <message>
        <source>Файл описаний &quot;%1&quot; не прочитан (%2): конфигурация загружена без описаний.</source>
        <translation>The description file &quot;%1&quot; was not read (%2): the configuration was loaded without descriptions.</translation>
    </message>
    <message>
        <source>Размер счтаныых данных не совпадает с размером конфигурации!</source>
        <translation>The size of the data read does not match the size of the configuration!</translation>
    </message>
    <message>
        <source>Ольма-КВ</source>
        <translation>Olma-KV</translation>
    </message>
    <message>
        <source>Клавиатура выносная</source>
        <translation>Remote keypad</translation>
    </message>
    <message>
        <source>БВИ-А</source>
        <translation>BVI-A</translation>
    </message>
    <message>
        <source>Блок Выносной Индикации</source>
        <translation>Remote Indication Block</translation>
    </message>
    <message>
        <source>БРВ-А</source>
        <translation>BRV-A</translation>
    </message>
    <message>
        <source>Блок Релейных Выходов</source>
        <translation>Relay Output Block</translation>
    </message>
    <message>
        <source>УПС-А(Ех)</source>
        <translation>UPS-A(Ex)</translation>
    </message>
    <message>
        <source>Устройство Постановки Снятия</source>
        <translation>Arming/Disarming Device</translation>
    </message>
    <message>
        <source>БКВ-А</source>
        <translation>BKV-A</translation>
    </message>
    <message>
        <source>Блок Контролируемых Выходов</source>
        <translation>Supervised Output Block</translation>
    </message>
    <message>
        <source>БП-А</source>
        <translation>BP-A</translation>
    </message>
    <message>
        <source>Блок Питания</source>
        <translation>Power Supply Block</translation>
    </message>
    <message>
        <source>ИП</source>
        <translation>KVO</translation>
    </message>
    <message>
        <source>Контролируемые Выходы Оповещения и Питания</source>
        <translation>Supervised Notification and Power Outputs</translation>
    </message>
    <message>
        <source>Охранный</source>
        <translation>Intrusion</translation>
    </message>
    <message>
        <source>Круглосуточный</source>
        <translation>24-hour</translation>
    </message>
    <message>
        <source>Вход-Выход</source>
        <translation>Entry/Exit</translation>
    </message>
    <message>
        <source>Проходной</source>
        <translation>Walk-through</translation>
    </message>
    <message>
        <source>Пожарный</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Технологический</source>
        <translation>Technical</translation>
    </message>
    <message>
        <source>Пожарный (тепловой)</source>
        <translation>Fire (heat)</translation>
    </message>
    <message>
        <source>Пользовательский</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>ConfigurationCipherPasswordWidget</name>
    <message>
        <source>Редактор паролей</source>
        <translation>Password editor</translation>
    </message>
    <message>
        <source>Пароль: </source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>Подтверждение: </source>
        <translation>Confirm: </translation>
    </message>
</context>
<context>
    <name>ConfigurationContentBlockTableWidget</name>
    <message>
        <source>Отметьте блоки, подключенные к прибору</source>
        <translation>Tick the blocks connected to the panel</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Подключение</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>ConfigurationContentWidget</name>
    <message>
        <source>Список всех типов блоков ППКОП Ольма-Ех</source>
        <translation>All block types of the Olma-Ex panel</translation>
    </message>
    <message>
        <source>Тип блока</source>
        <translation>Block type</translation>
    </message>
</context>
<context>
    <name>ConfigurationPages</name>
    <message>
        <source>Срабатывание</source>
        <translation>Triggered by</translation>
    </message>
    <message>
        <source>только используемые</source>
        <translation>used only</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>⚠ Флаги шлейфа не соответствуют его типу</source>
        <translation>⚠ The loop&apos;s flags do not match its type</translation>
    </message>
    <message>
        <source>Флаги показаны такими, какими их хранит конфигурация. Правила типа применятся, когда тип будет выбран заново.</source>
        <translation>The flags are shown as the configuration stores them. The type&apos;s rules apply when the type is chosen again.</translation>
    </message>
    <message>
        <source>только заданные</source>
        <translation>set only</translation>
    </message>
    <message>
        <source>Тот же пароль: %1</source>
        <translation>Same password: %1</translation>
    </message>
    <message>
        <source>Тот же ключ iButton: %1</source>
        <translation>Same iButton key: %1</translation>
    </message>
    <message>
        <source>Пароль принят!</source>
        <translation>Password accepted!</translation>
    </message>
    <message>
        <source>Недопустимая длина пароля!</source>
        <translation>Invalid password length!</translation>
    </message>
    <message>
        <source>Пароль должен содержать только цифры!</source>
        <translation>The password must contain digits only!</translation>
    </message>
    <message>
        <source>Пароль должен состоять только из цифр!</source>
        <translation>The password must consist of digits only!</translation>
    </message>
    <message>
        <source>Пароли не совпадают!</source>
        <translation>The passwords do not match!</translation>
    </message>
    <message>
        <source>Сообщение может содержать
 только цифры, кириллические 
 или служебные символы</source>
        <translation>The message may contain
 only digits, Cyrillic 
 or punctuation characters</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Подключено</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>ШС</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Неисправность ИП</source>
        <translation>KVO fault</translation>
    </message>
    <message>
        <source>Неисправность Выхода</source>
        <translation>Output fault</translation>
    </message>
    <message>
        <source>Фильтр: номер или текст</source>
        <translation>Filter: number or text</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>ConfigurationParamsWidget</name>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Таймер 1: </source>
        <translation>Timer 1: </translation>
    </message>
    <message>
        <source>Время тайм-аута 1 на взятие-снятие</source>
        <translation>Arming/disarming timeout 1</translation>
    </message>
    <message>
        <source>Сек</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Таймер 2: </source>
        <translation>Timer 2: </translation>
    </message>
    <message>
        <source>Время тайм-аута 2 на взятие-снятие</source>
        <translation>Arming/disarming timeout 2</translation>
    </message>
    <message>
        <source>Автоперевзятие охранного ШС: </source>
        <translation>Intrusion loop auto re-arm: </translation>
    </message>
    <message>
        <source>Время на автоперевзятие охранного ШС</source>
        <translation>Time before an intrusion loop re-arms itself</translation>
    </message>
    <message>
        <source>Автоперевзятие круглосуточного ШС: </source>
        <translation>24-hour loop auto re-arm: </translation>
    </message>
    <message>
        <source>Время на автоперевзятие круглосуточного ШС</source>
        <translation>Time before a 24-hour loop re-arms itself</translation>
    </message>
    <message>
        <source>Пароль инженера: </source>
        <translation>Engineer password: </translation>
    </message>
    <message>
        <source>Пустой пароль или ровно 6 цифр</source>
        <translation>An empty password or exactly 6 digits</translation>
    </message>
    <message>
        <source>Звуковая сигнализация Ольма-КВ включена постоянно: </source>
        <translation>Olma-KV sounder always on: </translation>
    </message>
    <message>
        <source>Время работы звуковой сигнализации Ольма-КВ: </source>
        <translation>Olma-KV sounder time: </translation>
    </message>
    <message>
        <source>Время работы звуковой индикации клавиатур</source>
        <translation>How long the keypads&apos; sounder runs</translation>
    </message>
    <message>
        <source>Звуковая сигнализация ПЦ включена постоянно: </source>
        <translation>Main board sounder always on: </translation>
    </message>
    <message>
        <source>Время работы звуковой сигнализации ПЦ: </source>
        <translation>Main board sounder time: </translation>
    </message>
    <message>
        <source>Время работы звуковой индикации ПЦ</source>
        <translation>How long the main board&apos;s sounder runs</translation>
    </message>
    <message>
        <source>Синхронизировать дату и время с ПК:</source>
        <translation>Synchronise date and time with the PC:</translation>
    </message>
    <message>
        <source>Пользовательское сообщение 1 (до 10 символов):</source>
        <translation>User message 1 (up to 10 characters):</translation>
    </message>
    <message>
        <source>Пользовательское сообщение 2 (до 10 символов):</source>
        <translation>User message 2 (up to 10 characters):</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammBKVStateWidget</name>
    <message>
        <source>Состояния выходов БКВ-А по которым происходит активация</source>
        <translation>BKV-A output states that activate the relay</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammBKVStatesWidget</name>
    <message>
        <source>Блоки БКВ-А, неисправности выходов которых включают реле; можно выделить несколько</source>
        <translation>BKV-A blocks whose output faults switch the relay on; several can be selected</translation>
    </message>
    <message>
        <source>Блок контролируемых выходов (БКВ)</source>
        <translation>Supervised output block (BKV)</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammBPStateWidget</name>
    <message>
        <source>Неисправность ОП: </source>
        <translation>Mains fault: </translation>
    </message>
    <message>
        <source>Неисправность РП:</source>
        <translation>Backup supply fault:</translation>
    </message>
    <message>
        <source>Неисправность Канала 1:</source>
        <translation>Channel 1 fault:</translation>
    </message>
    <message>
        <source>Неисправность Канала 2:</source>
        <translation>Channel 2 fault:</translation>
    </message>
    <message>
        <source>Все состояния — «Неактивно»</source>
        <translation>All states “Inactive”</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammBPStatesWidget</name>
    <message>
        <source>Блоки питания БП-А, неисправности которых включают реле; можно выделить несколько</source>
        <translation>BP-A power blocks whose faults switch the relay on; several can be selected</translation>
    </message>
    <message>
        <source>Блок питания</source>
        <translation>Power block</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammKVOStateWidget</name>
    <message>
        <source>Состояния ИП по которым происходит активация</source>
        <translation>KVO output states that activate the relay</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammPCStateWidget</name>
    <message>
        <source>Вскрытие корпуса</source>
        <translation>Enclosure opened</translation>
    </message>
    <message>
        <source>Неисправность ОП</source>
        <translation>Mains fault</translation>
    </message>
    <message>
        <source>Неисправность РП</source>
        <translation>Backup supply fault</translation>
    </message>
    <message>
        <source>Неисправность ЗО</source>
        <translation>Sounder fault</translation>
    </message>
    <message>
        <source>Неисправность СО</source>
        <translation>Strobe fault</translation>
    </message>
    <message>
        <source>Отключение оповещения</source>
        <translation>Notification off</translation>
    </message>
    <message>
        <source>Вскрытие внешнего блока</source>
        <translation>External block opened</translation>
    </message>
    <message>
        <source>Авария внешнего блока</source>
        <translation>External block failure</translation>
    </message>
    <message>
        <source>Все состояния — «Неактивно»</source>
        <translation>All states “Inactive”</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammParamsWidget</name>
    <message>
        <source>Выход питает искробезопасную цепь: включён всегда, без задержки и без ограничения времени; никакие события его не переключают</source>
        <translation>The output powers an intrinsically safe circuit: always on, with no delay and no time limit; no event switches it</translation>
    </message>
    <message>
        <source>Искробезопасный источник питания</source>
        <translation>Intrinsically safe power supply</translation>
    </message>
    <message>
        <source>Исходное состояние: </source>
        <translation>Initial state: </translation>
    </message>
    <message>
        <source>Состояние выхода до включения программы</source>
        <translation>The output&apos;s state before the program switches it</translation>
    </message>
    <message>
        <source>Выключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Включено</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Тактика: </source>
        <translation>Mode: </translation>
    </message>
    <message>
        <source>Тактика работы выхода</source>
        <translation>How the output works</translation>
    </message>
    <message>
        <source>Автомат</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Лампа</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>Задержка начала работы:</source>
        <translation>Start delay:</translation>
    </message>
    <message>
        <source>Задержка от события до включения выхода</source>
        <translation>Delay from the event to switching the output on</translation>
    </message>
    <message>
        <source>Сек</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Работа не ограничена: </source>
        <translation>Unlimited run time: </translation>
    </message>
    <message>
        <source>Выход работает, пока программа его не выключит</source>
        <translation>The output stays on until the program switches it off</translation>
    </message>
    <message>
        <source>Продолжительность работы: </source>
        <translation>Run time: </translation>
    </message>
    <message>
        <source>Сколько секунд выход остаётся включённым</source>
        <translation>How many seconds the output stays on</translation>
    </message>
    <message>
        <source>Параметры по умолчанию, все события — «Неактивно»</source>
        <translation>Default parameters, all events “Inactive”</translation>
    </message>
    <message>
        <source>Сбросить все</source>
        <translation>Reset all</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammTailStateWidget</name>
    <message>
        <source>Снят: </source>
        <translation>Disarmed: </translation>
    </message>
    <message>
        <source>Тревога (Пожар-2): </source>
        <translation>Alarm (Fire-2): </translation>
    </message>
    <message>
        <source>Пожар-1:</source>
        <translation>Fire-1:</translation>
    </message>
    <message>
        <source>Неисправен: </source>
        <translation>Faulty: </translation>
    </message>
    <message>
        <source>Нарушен: </source>
        <translation>Violated: </translation>
    </message>
    <message>
        <source>Задержка на взятие:</source>
        <translation>Arming delay:</translation>
    </message>
    <message>
        <source>Задержка на снятие: </source>
        <translation>Disarming delay: </translation>
    </message>
    <message>
        <source>Все состояния — «Неактивно»</source>
        <translation>All states “Inactive”</translation>
    </message>
    <message>
        <source>Сбросить</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammTailsStatesWidget</name>
    <message>
        <source>Шлейфы сигнализации, состояния которых включают реле; можно выделить несколько</source>
        <translation>Alarm loops whose states switch the relay on; several can be selected</translation>
    </message>
    <message>
        <source>Шлейфыы</source>
        <translation>Loops</translation>
    </message>
</context>
<context>
    <name>ConfigurationProgrammsWidget</name>
    <message>
        <source>Реле и выходы прибора и его блоков; выделите несколько, чтобы задать им общую программу</source>
        <translation>Relays and outputs of the panel and its blocks; select several to give them one program</translation>
    </message>
    <message>
        <source>Реле (выход)</source>
        <translation>Relay (output)</translation>
    </message>
</context>
<context>
    <name>ConfigurationTailWidget</name>
    <message>
        <source>Тип ШС: </source>
        <translation>Loop type: </translation>
    </message>
    <message>
        <source>Пожар-1: </source>
        <translation>Fire-1: </translation>
    </message>
    <message>
        <source>Контроль исправности: </source>
        <translation>Fault monitoring: </translation>
    </message>
    <message>
        <source>Переопрос: </source>
        <translation>Re-query: </translation>
    </message>
    <message>
        <source>Автоперевзятие: </source>
        <translation>Auto re-arm: </translation>
    </message>
    <message>
        <source>Наличие БИЗ-Ех</source>
        <translation>BIZ-Ex fitted</translation>
    </message>
    <message>
        <source>Пересброс питания: </source>
        <translation>Power reset: </translation>
    </message>
    <message>
        <source>Без отображения тревог: </source>
        <translation>Alarms not displayed: </translation>
    </message>
    <message>
        <source>Номер таймаута на снятие:</source>
        <translation>Disarming timeout number:</translation>
    </message>
    <message>
        <source>Таймер 1</source>
        <translation>Timer 1</translation>
    </message>
    <message>
        <source>Таймер 2</source>
        <translation>Timer 2</translation>
    </message>
    <message>
        <source>Номер таймаута на взятие: </source>
        <translation>Arming timeout number: </translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>ConfigurationTailsWidget</name>
    <message>
        <source>Шлейфы сигнализации прибора</source>
        <translation>The panel&apos;s alarm loops</translation>
    </message>
    <message>
        <source>Шлейф</source>
        <translation>Loop</translation>
    </message>
</context>
<context>
    <name>ConfigurationUsersWidget</name>
    <message>
        <source>Пользователи прибора; серым показаны пользователи без пароля и ключа</source>
        <translation>The panel&apos;s users; users without a password or key are shown in grey</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>ConfiguratorIButtonWidget</name>
    <message>
        <source>Код ключа iButton: </source>
        <translation>iButton key code: </translation>
    </message>
    <message>
        <source>Семь байт кода ключа, шестнадцатеричные цифры</source>
        <translation>Seven bytes of the key code, in hexadecimal digits</translation>
    </message>
</context>
<context>
    <name>DescriptionWidget</name>
    <message>
        <source>Описание алгоритма активации реле</source>
        <translation>Description of the relay activation logic</translation>
    </message>
    <message>
        <source>Описание алгоритма активации реле; в прибор не передаётся, хранится в файле описаний конфигурации</source>
        <translation>Description of the relay activation logic; not sent to the panel, kept in the configuration&apos;s description file</translation>
    </message>
</context>
<context>
    <name>FaultStateWidget</name>
    <message>
        <source>Device faults info</source>
        <translation>Device faults info</translation>
    </message>
    <message>
        <source>Неисправности устройства</source>
        <translation>Panel faults</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Файл прошивки &quot;%1&quot; не является обычным файлом!</source>
        <translation>The firmware file &quot;%1&quot; is not a regular file!</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; (%2 байт) — файл конфигурации, а не прошивки!</source>
        <translation>The file &quot;%1&quot; (%2 bytes) is a configuration file, not firmware!</translation>
    </message>
    <message>
        <source>Файл прошивки &quot;%1&quot; слишком мал (%2 байт, нужно не менее %3)!</source>
        <translation>The firmware file &quot;%1&quot; is too small (%2 bytes, at least %3 needed)!</translation>
    </message>
    <message>
        <source>Файл прошивки &quot;%1&quot; слишком велик (%2 байт, допустимо не более 1 МиБ)!</source>
        <translation>The firmware file &quot;%1&quot; is too large (%2 bytes, at most 1 MiB allowed)!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Поиск по руководству</source>
        <translation>Search the manual</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Открыть PDF</source>
        <translation>Open PDF</translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Не удалось открыть руководство в формате PDF: нет программы просмотра PDF.
Файл руководства: %1</source>
        <translation>Could not open the PDF manual: no PDF viewer is installed.
Manual file: %1</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Неизвестная команда</source>
        <translation>Unknown command</translation>
    </message>
    <message>
        <source>Неверный номер группы</source>
        <translation>Invalid group number</translation>
    </message>
    <message>
        <source>Неверный номер блока</source>
        <translation>Invalid block number</translation>
    </message>
    <message>
        <source>Неверный размер</source>
        <translation>Invalid size</translation>
    </message>
    <message>
        <source>Попытка перезаписи загрузочного сектора</source>
        <translation>Attempt to overwrite the boot sector</translation>
    </message>
    <message>
        <source>Доступ к прибору запрещен</source>
        <translation>Access to the panel denied</translation>
    </message>
    <message>
        <source>Ошибка последовательного порта</source>
        <translation>Serial port error</translation>
    </message>
    <message>
        <source>Устройство занято</source>
        <translation>Device busy</translation>
    </message>
    <message>
        <source>Нет прав на порт %1: добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER) и войдите снова.</source>
        <translation>No permission for port %1: add the user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</translation>
    </message>
    <message>
        <source>Неверный сетевой адрес &quot;%1&quot;: нужен tcp://узел:порт или tls://узел:порт</source>
        <translation>Invalid network address &quot;%1&quot;: tcp://host:port or tls://host:port is needed</translation>
    </message>
    <message>
        <source>Нет соединения с %1: %2</source>
        <translation>No connection to %1: %2</translation>
    </message>
    <message>
        <source>Нет связи</source>
        <translation>No link</translation>
    </message>
    <message>
        <source>Устройство подключено</source>
        <translation>Device connected</translation>
    </message>
    <message>
        <source>Сетевое подключение</source>
        <translation>Network connection</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Журнал событий</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>Считывание журнала событий</source>
        <translation>Reading the event log</translation>
    </message>
    <message>
        <source>Невозможно считать журнал событий!</source>
        <translation>Cannot read the event log!</translation>
    </message>
    <message>
        <source>Считывание журнала событий отменено.</source>
        <translation>Reading the event log was cancelled.</translation>
    </message>
    <message>
        <source>Журнал считан не полностью: получено %1 %2</source>
        <translation>The log was read only in part: %1 %2 received</translation>
    </message>
    <message>
        <source>Двоичный (*.bin)</source>
        <translation>Binary (*.bin)</translation>
    </message>
    <message>
        <source>Открыть файл журнала</source>
        <translation>Open a log file</translation>
    </message>
    <message>
        <source>Ошибка чтения файла журнала</source>
        <translation>Error reading the log file</translation>
    </message>
    <message>
        <source>Файл журнала: &quot;%1&quot; не наден!</source>
        <translation>Log file &quot;%1&quot; not found!</translation>
    </message>
    <message>
        <source>Файл журнала: &quot;%1&quot; слишком велик (%2 байт, допустимо не более 16 МиБ)!</source>
        <translation>Log file &quot;%1&quot; is too large (%2 bytes, at most 16 MiB allowed)!</translation>
    </message>
    <message>
        <source>Файл журнала</source>
        <translation>Log file</translation>
    </message>
    <message>
        <source>Запись журнала в файл</source>
        <translation>Writing the log to a file</translation>
    </message>
    <message>
        <source>Запись журнала в файл %1 не выполнена!</source>
        <translation>The log was not written to the file %1!</translation>
    </message>
    <message>
        <source>Журнал успешно записан в файл: %1!</source>
        <translation>The log was written to the file %1!</translation>
    </message>
    <message>
        <source>Имя файла для экспорта</source>
        <translation>Export file name</translation>
    </message>
    <message>
        <source>Текст (*.txt *.text *.log);;Word (*.rtf *.rtx);;Html (*.htm *.html);;Excel (*.csv)</source>
        <translation>Text (*.txt *.text *.log);;Word (*.rtf *.rtx);;Html (*.htm *.html);;Excel (*.csv)</translation>
    </message>
    <message>
        <source>Экспорт журнала в файл</source>
        <translation>Exporting the log to a file</translation>
    </message>
    <message>
        <source>Данный тип файлов не поддерживается!</source>
        <translation>This file type is not supported!</translation>
    </message>
    <message>
        <source>Записи журнала не экспортированы!</source>
        <translation>The log records were not exported!</translation>
    </message>
    <message>
        <source>Журнал успешно экспортирован!</source>
        <translation>The log was exported!</translation>
    </message>
    <message>
        <source>Экспортировать журнал</source>
        <translation>Export the log</translation>
    </message>
    <message>
        <source>Показано %1 из %2 событий</source>
        <translation>Showing %1 of %2 events</translation>
    </message>
    <message>
        <source>журнал прочитан не полностью: %1 событий</source>
        <translation>log read only in part: %1 events</translation>
    </message>
    <message>
        <source>Поиск по всем столбцам</source>
        <translation>Search all columns</translation>
    </message>
    <message>
        <source>Пожар</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Тревоги</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Неисправности</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>Действия пользователей</source>
        <translation>User actions</translation>
    </message>
    <message>
        <source>За сутки</source>
        <translation>Last day</translation>
    </message>
    <message>
        <source>За неделю</source>
        <translation>Last week</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить как PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Сохранение журнала в PDF</source>
        <translation>Saving the log as PDF</translation>
    </message>
    <message>
        <source>Журнал не сохранён в файл %1!</source>
        <translation>The log was not saved to the file %1!</translation>
    </message>
    <message>
        <source>Цвета важности в HTML</source>
        <translation>Severity colours in HTML</translation>
    </message>
    <message>
        <source>прибор № %1</source>
        <translation>panel No. %1</translation>
    </message>
    <message>
        <source>Журнал событий прибора ППКОП Ольма-Ех</source>
        <translation>Event log of the Olma-Ex control panel</translation>
    </message>
    <message>
        <source>Источник: %1</source>
        <translation>Source: %1</translation>
    </message>
    <message>
        <source>Считан: %1</source>
        <translation>Read: %1</translation>
    </message>
    <message>
        <source>Фильтры: %1</source>
        <translation>Filters: %1</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>События последних суток журнала</source>
        <translation>Events of the log&apos;s last day</translation>
    </message>
    <message>
        <source>События последней недели журнала</source>
        <translation>Events of the log&apos;s last week</translation>
    </message>
    <message>
        <source>Все события</source>
        <translation>All events</translation>
    </message>
    <message>
        <source>Все пользователи</source>
        <translation>All users</translation>
    </message>
    <message>
        <source>Администратор %1</source>
        <translation>Administrator %1</translation>
    </message>
    <message>
        <source>Пользователь %1</source>
        <translation>User %1</translation>
    </message>
    <message>
        <source>Все ШС</source>
        <translation>All loops</translation>
    </message>
    <message>
        <source>ШC - %1</source>
        <translation>Loop - %1</translation>
    </message>
    <message>
        <source>Все типы</source>
        <translation>All types</translation>
    </message>
    <message>
        <source>Все адреса</source>
        <translation>All addresses</translation>
    </message>
    <message>
        <source>Адрес %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Параметр 1</source>
        <translation>Parameter 1</translation>
    </message>
    <message>
        <source>Параметр 2</source>
        <translation>Parameter 2</translation>
    </message>
    <message>
        <source>Тревога</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Неисправность</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Норма</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>событие</source>
        <translation>event</translation>
    </message>
    <message>
        <source>события</source>
        <translation>events</translation>
    </message>
    <message>
        <source>событий</source>
        <translation>events</translation>
    </message>
    <message>
        <source>Дата/время</source>
        <translation>Date/time</translation>
    </message>
</context>
<context>
    <name>LogEvents</name>
    <message>
        <source>Блок: %1</source>
        <translation>Block: %1</translation>
    </message>
    <message>
        <source>Адрес: %1</source>
        <translation>Address: %1</translation>
    </message>
    <message>
        <source>Выход: %1</source>
        <translation>Output: %1</translation>
    </message>
    <message>
        <source>Пользователь: %1</source>
        <translation>User: %1</translation>
    </message>
    <message>
        <source>Администратор: %1</source>
        <translation>Administrator: %1</translation>
    </message>
    <message>
        <source>Зона: %1</source>
        <translation>Zone: %1</translation>
    </message>
    <message>
        <source>Конфигурация №: %1</source>
        <translation>Configuration No.: %1</translation>
    </message>
    <message>
        <source>Версия №: %1</source>
        <translation>Version No.: %1</translation>
    </message>
    <message>
        <source>Включение ППКОП</source>
        <translation>Panel switched on</translation>
    </message>
    <message>
        <source>Отключение ППКОП</source>
        <translation>Panel switched off</translation>
    </message>
    <message>
        <source>Неисправность ОП</source>
        <translation>Mains fault</translation>
    </message>
    <message>
        <source>Восстановление ОП</source>
        <translation>Mains restored</translation>
    </message>
    <message>
        <source>Неисправность РП</source>
        <translation>Backup supply fault</translation>
    </message>
    <message>
        <source>Восстановление РП</source>
        <translation>Backup supply restored</translation>
    </message>
    <message>
        <source>Авария</source>
        <translation>Failure</translation>
    </message>
    <message>
        <source>Подключение</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Неисправность цепи светового оповещателя</source>
        <translation>Strobe circuit fault</translation>
    </message>
    <message>
        <source>Неисправность цепи звукового оповещателя</source>
        <translation>Sounder circuit fault</translation>
    </message>
    <message>
        <source>Восстановление цепи светового оповещателя</source>
        <translation>Strobe circuit restored</translation>
    </message>
    <message>
        <source>Восстановление цепи звукового оповещателя</source>
        <translation>Sounder circuit restored</translation>
    </message>
    <message>
        <source>Вскрытие</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Закрытие</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Неисправность</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Restored</translation>
    </message>
    <message>
        <source>Сброс даты времени</source>
        <translation>Date and time reset</translation>
    </message>
    <message>
        <source>Синхронизация с ПК</source>
        <translation>Synchronised with the PC</translation>
    </message>
    <message>
        <source>Короткое замыкание</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>Обрыв</source>
        <translation>Open circuit</translation>
    </message>
    <message>
        <source>Короткое замыкание Выхода 1</source>
        <translation>Output 1 short circuit</translation>
    </message>
    <message>
        <source>Короткое замыкание Выхода 2</source>
        <translation>Output 2 short circuit</translation>
    </message>
    <message>
        <source>Восстановление Выхода 1</source>
        <translation>Output 1 restored</translation>
    </message>
    <message>
        <source>Восстановление Выхода 2</source>
        <translation>Output 2 restored</translation>
    </message>
    <message>
        <source>ПЦ</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>КВ</source>
        <translation>KV</translation>
    </message>
    <message>
        <source>БРВ-А</source>
        <translation>BRV-A</translation>
    </message>
    <message>
        <source>БВИ-А</source>
        <translation>BVI-A</translation>
    </message>
    <message>
        <source>ПШ</source>
        <translation>PSh</translation>
    </message>
    <message>
        <source>БП-А</source>
        <translation>BP-A</translation>
    </message>
    <message>
        <source>ИП</source>
        <translation>KVO</translation>
    </message>
    <message>
        <source>УПС-А(Ех)</source>
        <translation>UPS-A(Ex)</translation>
    </message>
    <message>
        <source>БКВ-А</source>
        <translation>BKV-A</translation>
    </message>
    <message>
        <source>Взятие</source>
        <translation>Armed</translation>
    </message>
    <message>
        <source>Снятие</source>
        <translation>Disarmed</translation>
    </message>
    <message>
        <source>Перевзятие</source>
        <translation>Re-armed</translation>
    </message>
    <message>
        <source>Полное взятие</source>
        <translation>Fully armed</translation>
    </message>
    <message>
        <source>Полное снятие</source>
        <translation>Fully disarmed</translation>
    </message>
    <message>
        <source>Полное перевзятие</source>
        <translation>Fully re-armed</translation>
    </message>
    <message>
        <source>Сброс неисправности</source>
        <translation>Fault reset</translation>
    </message>
    <message>
        <source>Отключение</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Включение</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Создание</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Удаление</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>Удаление ключей всех пользователей</source>
        <translation>All users&apos; keys deleted</translation>
    </message>
    <message>
        <source>Изменение прав пользователя</source>
        <translation>User rights changed</translation>
    </message>
    <message>
        <source>Изменение кода пользователя</source>
        <translation>User code changed</translation>
    </message>
    <message>
        <source>Смена кода пользователя</source>
        <translation>User code replaced</translation>
    </message>
    <message>
        <source>Загрузка типовой конфигурации</source>
        <translation>Default configuration loaded</translation>
    </message>
    <message>
        <source>БИЗ-Ех включен</source>
        <translation>BIZ-Ex on</translation>
    </message>
    <message>
        <source>Извещение &quot;ПОЖАР-1&quot; включено</source>
        <translation>&quot;FIRE-1&quot; notice on</translation>
    </message>
    <message>
        <source>Переопрос пожарных ШС включен</source>
        <translation>Fire loop re-query on</translation>
    </message>
    <message>
        <source>Автоперевзятие охранных ШС Включено</source>
        <translation>Intrusion loop auto re-arm on</translation>
    </message>
    <message>
        <source>Отключение оповещения</source>
        <translation>Notification off</translation>
    </message>
    <message>
        <source>Включение оповещения</source>
        <translation>Notification on</translation>
    </message>
    <message>
        <source>Создание ключа пользователя</source>
        <translation>User key created</translation>
    </message>
    <message>
        <source>Удаление ключа пользователя</source>
        <translation>User key deleted</translation>
    </message>
    <message>
        <source>Установка даты/времени</source>
        <translation>Date/time set</translation>
    </message>
    <message>
        <source>Обновление версии ПО</source>
        <translation>Firmware updated</translation>
    </message>
    <message>
        <source>Изменение кода инженера</source>
        <translation>Engineer code changed</translation>
    </message>
    <message>
        <source>Изменение конфигурации</source>
        <translation>Configuration changed</translation>
    </message>
    <message>
        <source>Удаленное конфигурирование</source>
        <translation>Remote configuration</translation>
    </message>
    <message>
        <source>Тестовая конфигурация</source>
        <translation>Test configuration</translation>
    </message>
    <message>
        <source>Тревога</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>ПОЖАР-1</source>
        <translation>FIRE-1</translation>
    </message>
    <message>
        <source>ПОЖАР-2</source>
        <translation>FIRE-2</translation>
    </message>
    <message>
        <source>Тихая тревога</source>
        <translation>Silent alarm</translation>
    </message>
    <message>
        <source>Переопрос</source>
        <translation>Re-query</translation>
    </message>
    <message>
        <source>Автоперевзятие</source>
        <translation>Auto re-arm</translation>
    </message>
    <message>
        <source>Срабатывание по порогу-1</source>
        <translation>Threshold 1 reached</translation>
    </message>
    <message>
        <source>Срабатывание по порогу-2</source>
        <translation>Threshold 2 reached</translation>
    </message>
    <message>
        <source>Неисправность питания</source>
        <translation>Power fault</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Зона</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Неизвестно</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>LogViewWidget</name>
    <message>
        <source>Log view window</source>
        <translation>Log view window</translation>
    </message>
    <message>
        <source>Фильтр</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Log filtration selector window</source>
        <translation>Log filtration selector window</translation>
    </message>
    <message>
        <source>Дата/Время</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>Date filter selector</source>
        <translation>Date filter selector</translation>
    </message>
    <message>
        <source>От: </source>
        <translation>From: </translation>
    </message>
    <message>
        <source>From date selector</source>
        <translation>From date selector</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>До: </source>
        <translation>To: </translation>
    </message>
    <message>
        <source>To date selector</source>
        <translation>To date selector</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Event filter selector</source>
        <translation>Event filter selector</translation>
    </message>
    <message>
        <source>Источник: </source>
        <translation>Source: </translation>
    </message>
    <message>
        <source>Event source (for event filter)</source>
        <translation>Event source (for event filter)</translation>
    </message>
    <message>
        <source>Событие: </source>
        <translation>Event: </translation>
    </message>
    <message>
        <source>Event (for event filter)</source>
        <translation>Event (for event filter)</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>User filter selector</source>
        <translation>User filter selector</translation>
    </message>
    <message>
        <source>User number (for user filter)</source>
        <translation>User number (for user filter)</translation>
    </message>
    <message>
        <source>Шлейф сигнализации</source>
        <translation>Alarm loop</translation>
    </message>
    <message>
        <source>Tail filter selector</source>
        <translation>Tail filter selector</translation>
    </message>
    <message>
        <source>Tail number (for tail filter)</source>
        <translation>Tail number (for tail filter)</translation>
    </message>
    <message>
        <source>Тип и адрес исполнительного устройства</source>
        <translation>Type and address of the output device</translation>
    </message>
    <message>
        <source>ExecDevice filter selector</source>
        <translation>ExecDevice filter selector</translation>
    </message>
    <message>
        <source>Тип: </source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>Type of exec device (for ExecDevice filter)</source>
        <translation>Type of exec device (for ExecDevice filter)</translation>
    </message>
    <message>
        <source>Адрес: </source>
        <translation>Address: </translation>
    </message>
    <message>
        <source>Address of exec device (for ExecDevice filter)</source>
        <translation>Address of exec device (for ExecDevice filter)</translation>
    </message>
    <message>
        <source>Log sort order selector</source>
        <translation>Log sort order selector</translation>
    </message>
    <message>
        <source>Обновить список событий</source>
        <translation>Refresh the event list</translation>
    </message>
    <message>
        <source>Renew log records with filter button</source>
        <translation>Renew log records with filter button</translation>
    </message>
    <message>
        <source>List of log events </source>
        <translation>List of log events </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Конфигуратор ППКОП Ольма-Ех</source>
        <translation>Olma-Ex Control Panel Configurator</translation>
    </message>
    <message>
        <source>&amp;Прибор</source>
        <translation>&amp;Panel</translation>
    </message>
    <message>
        <source>&amp;Конфигурация</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Журнал</source>
        <translation>&amp;Log</translation>
    </message>
    <message>
        <source>&amp;Прошивка</source>
        <translation>&amp;Firmware</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Установить порт</source>
        <translation>Set port</translation>
    </message>
    <message>
        <source>Пересбросить</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Пересбросить состояние прибора</source>
        <translation>Reset the panel</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Создать новую</source>
        <translation>Create new</translation>
    </message>
    <message>
        <source>Считать из файла</source>
        <translation>Read from file</translation>
    </message>
    <message>
        <source>Считать из прибора</source>
        <translation>Read from panel</translation>
    </message>
    <message>
        <source>Записать в файл</source>
        <translation>Write to file</translation>
    </message>
    <message>
        <source>Записать в прибор</source>
        <translation>Write to panel</translation>
    </message>
    <message>
        <source>Экспортировать в файл</source>
        <translation>Export to file</translation>
    </message>
    <message>
        <source>Ctrl+Shift+H</source>
        <translation>Ctrl+Shift+H</translation>
    </message>
    <message>
        <source>Запсать в файл</source>
        <translation>Write to file</translation>
    </message>
    <message>
        <source>Запсать журнал в двоичном виде в  файл</source>
        <translation>Write the log to a file in binary form</translation>
    </message>
    <message>
        <source>Загрузить прошивку</source>
        <translation>Load firmware</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Вызвать справочную подсистему</source>
        <translation>Open the help</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>О Программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Опросить состояние</source>
        <translation>Poll state</translation>
    </message>
    <message>
        <source>архив, прибор № %1</source>
        <translation>archive, panel No. %1</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Новая конфигурация</source>
        <translation>New configuration</translation>
    </message>
    <message>
        <source>Сохранить изменения в конфигурации?</source>
        <translation>Save the changes to the configuration?</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ольма-16Ех</source>
        <translation>Olma-16Ex</translation>
    </message>
    <message>
        <source>Ольма-8Ех</source>
        <translation>Olma-8Ex</translation>
    </message>
    <message>
        <source>Ольма-4Ех</source>
        <translation>Olma-4Ex</translation>
    </message>
    <message>
        <source>Выбор типа прибора</source>
        <translation>Choose the panel type</translation>
    </message>
    <message>
        <source>Состояние не определено</source>
        <translation>State unknown</translation>
    </message>
    <message>
        <source>Связь с Ольма-Ех установлена</source>
        <translation>Connected to Olma-Ex</translation>
    </message>
    <message>
        <source>Нет связи с Ольма-Ех</source>
        <translation>No link to Olma-Ex</translation>
    </message>
    <message>
        <source>Устройство занято</source>
        <translation>Device busy</translation>
    </message>
    <message>
        <source>Тип не определен</source>
        <translation>Type unknown</translation>
    </message>
    <message>
        <source>Тип прибора: Ольма-4Ех</source>
        <translation>Panel type: Olma-4Ex</translation>
    </message>
    <message>
        <source>Тип прибора: Ольма-8Ех</source>
        <translation>Panel type: Olma-8Ex</translation>
    </message>
    <message>
        <source>Тип прибора: Ольма-16Ех</source>
        <translation>Panel type: Olma-16Ex</translation>
    </message>
    <message>
        <source>Версия ПО: %1</source>
        <translation>Firmware version: %1</translation>
    </message>
    <message>
        <source>Серийный номер: %1</source>
        <translation>Serial number: %1</translation>
    </message>
    <message>
        <source>Не подключен прибор!</source>
        <translation>No panel connected!</translation>
    </message>
    <message>
        <source>Доступ к прибору запрещен</source>
        <translation>Access to the panel denied</translation>
    </message>
    <message>
        <source>Чтение конфигурации из прибора</source>
        <translation>Reading the configuration from the panel</translation>
    </message>
    <message>
        <source>Конфигурация не считана!</source>
        <translation>The configuration was not read!</translation>
    </message>
    <message>
        <source>Чтение конфигурации отменено</source>
        <translation>Reading the configuration was cancelled</translation>
    </message>
    <message>
        <source>Запись конфигурации в прибор</source>
        <translation>Writing the configuration to the panel</translation>
    </message>
    <message>
        <source>Тип конфигурации и тип прибора не ссовпадают!</source>
        <translation>The configuration type and the panel type do not match!</translation>
    </message>
    <message>
        <source>Конфигурация пуста!</source>
        <translation>The configuration is empty!</translation>
    </message>
    <message>
        <source>Запись конфигурации в прибор не произведена!</source>
        <translation>The configuration was not written to the panel!</translation>
    </message>
    <message>
        <source>Запись конфигурации в прибор завершена</source>
        <translation>The configuration was written to the panel</translation>
    </message>
    <message>
        <source>Запись конфигурации прервана: прибор мог сохранить часть конфигурации. Запишите конфигурацию ещё раз.</source>
        <translation>Writing the configuration was interrupted: the panel may have kept part of it. Write the configuration again.</translation>
    </message>
    <message>
        <source>Конфигурация записана в прибор и проверена</source>
        <translation>The configuration was written to the panel and verified</translation>
    </message>
    <message>
        <source>Конфигурация прибора уже совпадает с записываемой</source>
        <translation>The panel&apos;s configuration already matches the one being written</translation>
    </message>
    <message>
        <source>Проверка записи не пройдена: прибор хранит не то, что было записано. Прибор не перезапущен. Отличаются:</source>
        <translation>Write verification failed: the panel holds something other than what was written. The panel was not restarted. Differences:</translation>
    </message>
    <message>
        <source>Восстановить резервную копию</source>
        <translation>Restore the backup</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Резервная копия: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Резервная копия не сохранена: %1</source>
        <translation>Backup not saved: %1</translation>
    </message>
    <message>
        <source>Восстановление резервной копии</source>
        <translation>Restoring the backup</translation>
    </message>
    <message>
        <source>Резервная копия записана в прибор и проверена</source>
        <translation>The backup was written to the panel and verified</translation>
    </message>
    <message>
        <source>Сравнить с прибором</source>
        <translation>Compare with the panel</translation>
    </message>
    <message>
        <source>Показать изменения</source>
        <translation>Show changes</translation>
    </message>
    <message>
        <source>Конфигурации совпадают</source>
        <translation>The configurations are the same</translation>
    </message>
    <message>
        <source>Блоков отличается: %1</source>
        <translation>Blocks differing: %1</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Прибор: %1, серийный номер %2, версия ПО %3, порт %4</source>
        <translation>Panel: %1, serial number %2, firmware version %3, port %4</translation>
    </message>
    <message>
        <source>Записывается: файл %1</source>
        <translation>Writing: file %1</translation>
    </message>
    <message>
        <source>Записывается: несохранённая конфигурация</source>
        <translation>Writing: unsaved configuration</translation>
    </message>
    <message>
        <source>Изменится полей: %1</source>
        <translation>Fields to change: %1</translation>
    </message>
    <message>
        <source>Файл прошивки: %1, %2 байт, от %3</source>
        <translation>Firmware file: %1, %2 bytes, dated %3</translation>
    </message>
    <message>
        <source>Записывать все блоки</source>
        <translation>Write all blocks</translation>
    </message>
    <message>
        <source>Простая запись (без резервной копии и проверки)</source>
        <translation>Plain write (no backup, no verification)</translation>
    </message>
    <message>
        <source>Невозможно записать конфигурацию в файл: &quot;%1&quot;!</source>
        <translation>Cannot write the configuration to the file &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Запись прошивки в прибор</source>
        <translation>Writing firmware to the panel</translation>
    </message>
    <message>
        <source>Файл прошивки</source>
        <translation>Firmware file</translation>
    </message>
    <message>
        <source>Невозможно прочитать файл прошивки!</source>
        <translation>Cannot read the firmware file!</translation>
    </message>
    <message>
        <source>Запись прошивки в прибор не произведена!</source>
        <translation>The firmware was not written to the panel!</translation>
    </message>
    <message>
        <source>Запись прошивки в прибор завершена</source>
        <translation>The firmware was written to the panel</translation>
    </message>
    <message>
        <source>Загрузка прошивки прервана: прибор может не работать до повторной загрузки.</source>
        <translation>Loading the firmware was interrupted: the panel may not work until the firmware is loaded again.</translation>
    </message>
    <message>
        <source>Сброс прибора</source>
        <translation>Panel reset</translation>
    </message>
    <message>
        <source>Команда сброса прибора выполнена!</source>
        <translation>The panel reset command was carried out!</translation>
    </message>
    <message>
        <source>Команда не поддерживается!</source>
        <translation>Command not supported!</translation>
    </message>
    <message>
        <source>Нет доступа к прибору!</source>
        <translation>No access to the panel!</translation>
    </message>
    <message>
        <source>Команда сброса прибора не выполнена! 
 Код ошибки: %1</source>
        <translation>The panel reset command failed! 
 Error code: %1</translation>
    </message>
    <message>
        <source>Выбор последовательного порта ППКОП</source>
        <translation>Choose the panel&apos;s serial port</translation>
    </message>
    <message>
        <source>Опрос состояния прибора</source>
        <translation>Polling the panel&apos;s state</translation>
    </message>
    <message>
        <source>Файл справки не найден!</source>
        <translation>Help file not found!</translation>
    </message>
    <message>
        <source>Ольма-16Ех (демонстрация)</source>
        <translation>Olma-16Ex (demo)</translation>
    </message>
    <message>
        <source>Демонстрационный прибор не запущен: %1</source>
        <translation>The demo panel did not start: %1</translation>
    </message>
    <message>
        <source>Снимок окна не сохранен: %1</source>
        <translation>The window picture was not saved: %1</translation>
    </message>
    <message>
        <source>Перевод %1 не найден: окна будут на русском языке</source>
        <translation>Translation %1 not found: the windows will be in Russian</translation>
    </message>
</context>
<context>
    <name>PanelState</name>
    <message>
        <source>Требует внимания</source>
        <translation>Needs attention</translation>
    </message>
    <message>
        <source>Всё в норме</source>
        <translation>All normal</translation>
    </message>
    <message>
        <source>Показывать только подключённые блоки</source>
        <translation>Show connected blocks only</translation>
    </message>
    <message>
        <source>Общие сведения</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Неисправности</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>Состояние ШС</source>
        <translation>Loop states</translation>
    </message>
    <message>
        <source>Состояние Зон</source>
        <translation>Zone states</translation>
    </message>
    <message>
        <source>Доступ к прибору</source>
        <translation>Panel access</translation>
    </message>
    <message>
        <source>Состояние реле (выходов)</source>
        <translation>Relay (output) states</translation>
    </message>
    <message>
        <source>Ольма-4Ех</source>
        <translation>Olma-4Ex</translation>
    </message>
    <message>
        <source>Ольма-8Ех</source>
        <translation>Olma-8Ex</translation>
    </message>
    <message>
        <source>Ольма-16Ех</source>
        <translation>Olma-16Ex</translation>
    </message>
    <message>
        <source>Нет связи с прибором с %1 — показано последнее известное состояние</source>
        <translation>No link to the panel since %1 — showing the last known state</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>&lt;/td&gt;&lt;td bgcolor=grey&gt;Нет доступа</source>
        <translation>&lt;/td&gt;&lt;td bgcolor=grey&gt;No access</translation>
    </message>
    <message>
        <source>&lt;/td&gt;&lt;td bgcolor=green&gt;Пользователь %1</source>
        <translation>&lt;/td&gt;&lt;td bgcolor=green&gt;User %1</translation>
    </message>
    <message>
        <source>&lt;/td&gt;&lt;td bgcolor=red&gt;Администратор %1</source>
        <translation>&lt;/td&gt;&lt;td bgcolor=red&gt;Administrator %1</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Состояние доступа</source>
        <translation>Access state</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Плата центральная: </source>
        <translation>&lt;tr&gt;&lt;td&gt;Main board: </translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Ольма-КВ %1: </source>
        <translation>&lt;tr&gt;&lt;td&gt;Olma-KV %1: </translation>
    </message>
    <message>
        <source>ШС %1</source>
        <translation>Loop %1</translation>
    </message>
    <message>
        <source>Зона %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Вскрытие прибора</source>
        <translation>Panel tamper</translation>
    </message>
    <message>
        <source>ПШ1</source>
        <translation>PSh1</translation>
    </message>
    <message>
        <source>ПШ2</source>
        <translation>PSh2</translation>
    </message>
    <message>
        <source>ОП</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>РП</source>
        <translation>Backup supply</translation>
    </message>
    <message>
        <source>Оповещение</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>Звуковой оповещатель</source>
        <translation>Sounder</translation>
    </message>
    <message>
        <source>Световой оповещатель</source>
        <translation>Strobe</translation>
    </message>
    <message>
        <source>неисправность</source>
        <translation>fault</translation>
    </message>
    <message>
        <source>Искробезопасный источник питания %1</source>
        <translation>Intrinsically safe power supply %1</translation>
    </message>
    <message>
        <source>неисправен</source>
        <translation>faulty</translation>
    </message>
    <message>
        <source>БП-А %1</source>
        <translation>BP-A %1</translation>
    </message>
    <message>
        <source>БКВ-А %1 Выход %2</source>
        <translation>BKV-A %1 Output %2</translation>
    </message>
    <message>
        <source>Ольма-КВ</source>
        <translation>Olma-KV</translation>
    </message>
    <message>
        <source>БВИ-А</source>
        <translation>BVI-A</translation>
    </message>
    <message>
        <source>БРВ-А</source>
        <translation>BRV-A</translation>
    </message>
    <message>
        <source>УПС-А(Ех)</source>
        <translation>UPS-A(Ex)</translation>
    </message>
    <message>
        <source>БКВ-А</source>
        <translation>BKV-A</translation>
    </message>
    <message>
        <source>БП-А</source>
        <translation>BP-A</translation>
    </message>
    <message>
        <source>Вскрытие: </source>
        <translation>Tamper: </translation>
    </message>
    <message>
        <source>Вскрыт</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>ПШ1: </source>
        <translation>PSh1: </translation>
    </message>
    <message>
        <source>Авария</source>
        <translation>Failure</translation>
    </message>
    <message>
        <source>ПШ2: </source>
        <translation>PSh2: </translation>
    </message>
    <message>
        <source>ОП: </source>
        <translation>Mains: </translation>
    </message>
    <message>
        <source>Неисправно</source>
        <translation>Faulty</translation>
    </message>
    <message>
        <source>РП: </source>
        <translation>Backup supply: </translation>
    </message>
    <message>
        <source>Оповещение: </source>
        <translation>Notification: </translation>
    </message>
    <message>
        <source>Отключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Звуковой оповещатель: </source>
        <translation>Sounder: </translation>
    </message>
    <message>
        <source>Световой оповещатель: </source>
        <translation>Strobe: </translation>
    </message>
    <message>
        <source>Канал 1: </source>
        <translation>Channel 1: </translation>
    </message>
    <message>
        <source>Канал 2: </source>
        <translation>Channel 2: </translation>
    </message>
    <message>
        <source>Плата центральная</source>
        <translation>Main board</translation>
    </message>
    <message>
        <source>Искробезопасный источник питания</source>
        <translation>Intrinsically safe power supply</translation>
    </message>
    <message>
        <source>Неисправен</source>
        <translation>Faulty</translation>
    </message>
    <message>
        <source>Выходы БКВ-А</source>
        <translation>BKV-A outputs</translation>
    </message>
    <message>
        <source>БКВ-А %1 Выход %2: </source>
        <translation>BKV-A %1 Output %2: </translation>
    </message>
    <message>
        <source>ИП</source>
        <translation>KVO</translation>
    </message>
    <message>
        <source>Встроенное реле</source>
        <translation>Built-in relay</translation>
    </message>
    <message>
        <source>%1-%2 Реле %3</source>
        <translation>%1-%2 Relay %3</translation>
    </message>
    <message>
        <source>%1-%2 Выход %3</source>
        <translation>%1-%2 Output %3</translation>
    </message>
    <message>
        <source>%1-%2 С/Д %3</source>
        <translation>%1-%2 LED %3</translation>
    </message>
    <message>
        <source>Не определено</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Норма</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Нарушение (Пожар-2)</source>
        <translation>Violation (Fire-2)</translation>
    </message>
    <message>
        <source>Пожар-1</source>
        <translation>Fire-1</translation>
    </message>
    <message>
        <source>Короткое замыкание</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>Обрыв</source>
        <translation>Open circuit</translation>
    </message>
    <message>
        <source>Пересброс питания</source>
        <translation>Power reset</translation>
    </message>
    <message>
        <source>Выключен</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Снят (готов)</source>
        <translation>Disarmed (ready)</translation>
    </message>
    <message>
        <source>Тревога</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Тихая тревога</source>
        <translation>Silent alarm</translation>
    </message>
    <message>
        <source>Пожар-2</source>
        <translation>Fire-2</translation>
    </message>
    <message>
        <source>Неисправность</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Взят</source>
        <translation>Armed</translation>
    </message>
    <message>
        <source>Снят (не готов)</source>
        <translation>Disarmed (not ready)</translation>
    </message>
    <message>
        <source>Отключение</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Порог-1</source>
        <translation>Threshold 1</translation>
    </message>
    <message>
        <source>Порог-2</source>
        <translation>Threshold 2</translation>
    </message>
    <message>
        <source>Неисправность питания</source>
        <translation>Power fault</translation>
    </message>
    <message>
        <source>Неизвестно</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Вскрытие</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Выключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Включено</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Переключается</source>
        <translation>Switching</translation>
    </message>
    <message>
        <source>Шлейф сигнализации</source>
        <translation>Alarm loop</translation>
    </message>
    <message>
        <source>ШС %1: </source>
        <translation>Loop %1: </translation>
    </message>
    <message>
        <source>Зона контроля</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Зона %1: </source>
        <translation>Zone %1: </translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <source>ШС</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Прибор: </source>
        <translation>Panel: </translation>
    </message>
    <message>
        <source>неисправность</source>
        <translation>fault</translation>
    </message>
    <message>
        <source>ИП</source>
        <translation>KVO</translation>
    </message>
    <message>
        <source>вых. %1</source>
        <translation>out. %1</translation>
    </message>
    <message>
        <source>БКВ-А</source>
        <translation>BKV-A</translation>
    </message>
    <message>
        <source>БП-А</source>
        <translation>BP-A</translation>
    </message>
    <message>
        <source>Встроенное реле</source>
        <translation>Built-in relay</translation>
    </message>
    <message>
        <source>Звуковой оповещатель (ЗО)</source>
        <translation>Sounder (ZO)</translation>
    </message>
    <message>
        <source>Световой оповещатель (СО)</source>
        <translation>Strobe (SO)</translation>
    </message>
    <message>
        <source>Контролируемый выход (ИП)</source>
        <translation>Supervised output (KVO)</translation>
    </message>
    <message>
        <source>БРВ-А</source>
        <translation>BRV-A</translation>
    </message>
    <message>
        <source>БВИ-А</source>
        <translation>BVI-A</translation>
    </message>
    <message>
        <source>%1 - К%2</source>
        <translation>%1 - K%2</translation>
    </message>
    <message>
        <source>Реле</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>С/Д</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Состояние ШС</source>
        <translation>Loop states</translation>
    </message>
    <message>
        <source>Шлейф сигнализации</source>
        <translation>Alarm loop</translation>
    </message>
    <message>
        <source>Состояние блоков</source>
        <translation>Block states</translation>
    </message>
    <message>
        <source>Состояние ИП</source>
        <translation>KVO states</translation>
    </message>
    <message>
        <source>Выходы БКВ-А</source>
        <translation>BKV-A outputs</translation>
    </message>
    <message>
        <source>Выход БКВ-А</source>
        <translation>BKV-A output</translation>
    </message>
    <message>
        <source>Цепи БП-А</source>
        <translation>BP-A circuits</translation>
    </message>
    <message>
        <source>Блок питания БП-А</source>
        <translation>BP-A power block</translation>
    </message>
    <message>
        <source>Неактивно</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Активно</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Запрет активации</source>
        <translation>Activation blocked</translation>
    </message>
    <message>
        <source>Тактика</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Начальное состояние</source>
        <translation>Initial state</translation>
    </message>
    <message>
        <source>Время работы</source>
        <translation>Run time</translation>
    </message>
    <message>
        <source>автомат</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>лампа</source>
        <translation>lamp</translation>
    </message>
    <message>
        <source>включено</source>
        <translation>on</translation>
    </message>
    <message>
        <source>выключено</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Задержка на снятие</source>
        <translation>Disarming delay</translation>
    </message>
    <message>
        <source>Задержка на взятие</source>
        <translation>Arming delay</translation>
    </message>
    <message>
        <source>Нарушен</source>
        <translation>Violated</translation>
    </message>
    <message>
        <source>Неисправен</source>
        <translation>Faulty</translation>
    </message>
    <message>
        <source>Пожар-1</source>
        <translation>Fire-1</translation>
    </message>
    <message>
        <source>Тревога (Пожар-2)</source>
        <translation>Alarm (Fire-2)</translation>
    </message>
    <message>
        <source>Снят</source>
        <translation>Disarmed</translation>
    </message>
    <message>
        <source>Задержка на снятие:</source>
        <translation>Disarming delay:</translation>
    </message>
    <message>
        <source>Неисправен:</source>
        <translation>Faulty:</translation>
    </message>
    <message>
        <source>Пожар-1:</source>
        <translation>Fire-1:</translation>
    </message>
    <message>
        <source>Тревога (Пожар-2):</source>
        <translation>Alarm (Fire-2):</translation>
    </message>
    <message>
        <source>Снят:</source>
        <translation>Disarmed:</translation>
    </message>
    <message>
        <source>Вскрытие корпуса</source>
        <translation>Enclosure opened</translation>
    </message>
    <message>
        <source>Неисправность ОП</source>
        <translation>Mains fault</translation>
    </message>
    <message>
        <source>Неисправность РП</source>
        <translation>Backup supply fault</translation>
    </message>
    <message>
        <source>Неисправность ЗО</source>
        <translation>Sounder fault</translation>
    </message>
    <message>
        <source>Неисправность СО</source>
        <translation>Strobe fault</translation>
    </message>
    <message>
        <source>Отключение оповещения</source>
        <translation>Notification off</translation>
    </message>
    <message>
        <source>Вскрытие внешнего блока</source>
        <translation>External block opened</translation>
    </message>
    <message>
        <source>Авария внешнего блока</source>
        <translation>External block failure</translation>
    </message>
    <message>
        <source>Неисправность выхода - %1</source>
        <translation>Output fault - %1</translation>
    </message>
    <message>
        <source>Неисправность канала 1</source>
        <translation>Channel 1 fault</translation>
    </message>
    <message>
        <source>Неисправность канала 2</source>
        <translation>Channel 2 fault</translation>
    </message>
    <message>
        <source>ОП</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>РП</source>
        <translation>Backup supply</translation>
    </message>
    <message>
        <source>К1</source>
        <translation>K1</translation>
    </message>
    <message>
        <source>К2</source>
        <translation>K2</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ProtocolImpl</name>
    <message>
        <source>no serial port available</source>
        <translation>no serial port available</translation>
    </message>
</context>
<context>
    <name>ReleysStatesWidget</name>
    <message>
        <source>Device releys state info</source>
        <translation>Device releys state info</translation>
    </message>
    <message>
        <source>Состояние реле:</source>
        <translation>Relay states:</translation>
    </message>
    <message>
        <source>Список состояний Реле</source>
        <translation>Relay states list</translation>
    </message>
</context>
<context>
    <name>SelectDeviceDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Порт устройства: </source>
        <translation>Device port: </translation>
    </message>
    <message>
        <source>Адрес:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>10.0.0.5</source>
        <translation>10.0.0.5</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Подключить</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Связь с устройством: </source>
        <translation>Link to the device: </translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SortOrderWidget</name>
    <message>
        <source>Порядок сортировки</source>
        <translation>Sort order</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
</context>
<context>
    <name>TailsStateWidget</name>
    <message>
        <source>Device tails state info</source>
        <translation>Device tails state info</translation>
    </message>
    <message>
        <source>Состояние шлейфов сигнализации:</source>
        <translation>Alarm loop states:</translation>
    </message>
</context>
<context>
    <name>TypeSelectDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Тип ППКОП:</source>
        <translation>Panel type:</translation>
    </message>
    <message>
        <source>Ольма-4ЕХ</source>
        <translation>Olma-4Ex</translation>
    </message>
    <message>
        <source>Ольма-8ЕХ</source>
        <translation>Olma-8Ex</translation>
    </message>
    <message>
        <source>Ольма-16ЕХ</source>
        <translation>Olma-16Ex</translation>
    </message>
    <message>
        <source>Ок</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UserWidget</name>
    <message>
        <source>Снятие ШС: </source>
        <translation>Loop disarming: </translation>
    </message>
    <message>
        <source>Взятие ШС: </source>
        <translation>Loop arming: </translation>
    </message>
    <message>
        <source>Частичное взятие/снятие ШС: </source>
        <translation>Partial loop arming/disarming: </translation>
    </message>
    <message>
        <source>Сброс сообщений блоков</source>
        <translation>Reset block messages</translation>
    </message>
    <message>
        <source>Доступ к ШС</source>
        <translation>Loop access</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>YComboBox</name>
    <message>
        <source>Неактивно</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Активно</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Запрет</source>
        <translation>Blocked</translation>
    </message>
</context>
<context>
    <name>ZonesStateWidget</name>
    <message>
        <source>Device zones state info</source>
        <translation>Device zones state info</translation>
    </message>
    <message>
        <source>Состояние контролируемых зон:</source>
        <translation>Zone states:</translation>
    </message>
</context>
</TS>
