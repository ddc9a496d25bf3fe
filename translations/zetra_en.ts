<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Archive</name>
    <message>
        <source>Архив недоступен</source>
        <translation>Archive unavailable</translation>
    </message>
    <message>
        <source>Ошибка. Указан неверный интервал</source>
        <translation>Error. Invalid interval</translation>
    </message>
    <message>
        <source>Ошибка. Указана дата начала больше даты окончания</source>
        <translation>Error. The start date is later than the end date</translation>
    </message>
    <message>
        <source>Чтение суточного архива...</source>
        <translation>Reading the daily archive...</translation>
    </message>
    <message>
        <source>Чтение минутного архива...</source>
        <translation>Reading the minute archive...</translation>
    </message>
    <message>
        <source>Завершено успешно. Прочитано </source>
        <translation>Completed successfully. Read </translation>
    </message>
    <message>
        <source> записей</source>
        <translation> records</translation>
    </message>
    <message>
        <source>Завершено c </source>
        <translation>Completed with </translation>
    </message>
    <message>
        <source> ошибками при передаче</source>
        <translation> transfer errors</translation>
    </message>
    <message>
        <source>Ошибка. Прибор сообщил неверное время</source>
        <translation>Error. The meter reported an invalid time</translation>
    </message>
    <message>
        <source> Прибор неисправен.</source>
        <translation> Meter fault.</translation>
    </message>
    <message>
        <source> Датчики не подключены.</source>
        <translation> Transducers not connected.</translation>
    </message>
    <message>
        <source> Oшибки в измерениях.</source>
        <translation> Measurement errors.</translation>
    </message>
    <message>
        <source> Низкое напряжение питания.</source>
        <translation> Low supply voltage.</translation>
    </message>
    <message>
        <source> Задействован последовательный интерфейс RS232.</source>
        <translation> RS232 serial interface in use.</translation>
    </message>
    <message>
        <source> Режим программирования.</source>
        <translation> Programming mode.</translation>
    </message>
    <message>
        <source> Ошибка при передаче данных...</source>
        <translation> Data transfer error...</translation>
    </message>
    <message>
        <source>Ошибка при передаче данных</source>
        <translation>Data transfer error</translation>
    </message>
    <message>
        <source>Суточный архив с </source>
        <translation>Daily archive from </translation>
    </message>
    <message>
        <source>Минутный архив с </source>
        <translation>Minute archive from </translation>
    </message>
    <message>
        <source> по </source>
        <translation> to </translation>
    </message>
    <message>
        <source>В архиве нет записей для этого интервала дат</source>
        <translation>The archive holds no records for this date interval</translation>
    </message>
    <message>
        <source>Итого:    </source>
        <translation>Total:    </translation>
    </message>
    <message>
        <source>Итого:          </source>
        <translation>Total:          </translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Дата, время</source>
        <translation>Date, time</translation>
    </message>
    <message>
        <source>Объём,м3</source>
        <translation>Volume, m3</translation>
    </message>
    <message>
        <source>Время работы, часов</source>
        <translation>Operating time, h</translation>
    </message>
    <message>
        <source>Время работы, секунд</source>
        <translation>Operating time, s</translation>
    </message>
    <message>
        <source>События</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Итого</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>текстовый файл (*.txt);;таблица Excel (*.xls)</source>
        <translation>Text file (*.txt);;Excel workbook (*.xls)</translation>
    </message>
    <message>
        <source>Архив не прочитан: нажмите «Читать», затем сохраните</source>
        <translation>The archive has not been read: press “Read”, then save</translation>
    </message>
    <message>
        <source>Не удаётся записать файл </source>
        <translation>Cannot write the file </translation>
    </message>
    <message>
        <source>таблица CSV (*.csv);;книга Excel 2007 (*.xlsx);;данные JSON (*.json)</source>
        <translation>CSV table (*.csv);;Excel 2007 workbook (*.xlsx);;JSON data (*.json)</translation>
    </message>
</context>
<context>
    <name>ArchiveChart</name>
    <message>
        <source>Архив не прочитан</source>
        <translation>Archive not read</translation>
    </message>
    <message>
        <source>м3</source>
        <translation>m3</translation>
    </message>
    <message>
        <source>ч</source>
        <translation>h</translation>
    </message>
    <message>
        <source>м3/ч</source>
        <translation>m3/h</translation>
    </message>
    <message>
        <source>Объём, м3</source>
        <translation>Volume, m3</translation>
    </message>
    <message>
        <source>Время работы, ч</source>
        <translation>Working time, h</translation>
    </message>
    <message>
        <source>Объём за минуту, м3 (справа: расход, м3/ч)</source>
        <translation>Volume per minute, m3 (right: flow, m3/h)</translation>
    </message>
    <message>
        <source>События</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Объём за минуту, м3</source>
        <translation>Volume per minute, m3</translation>
    </message>
    <message>
        <source>Расход, м3/ч</source>
        <translation>Flow, m3/h</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Сохранить PNG...</source>
        <translation>Save PNG...</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>рисунок PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
</context>
<context>
    <name>Calculators</name>
    <message>
        <source>сталь</source>
        <translation>steel</translation>
    </message>
    <message>
        <source>новые цельнотянутые, не бывшие в эксплуатации</source>
        <translation>new seamless, never used</translation>
    </message>
    <message>
        <source>холоднотянутые</source>
        <translation>cold-drawn</translation>
    </message>
    <message>
        <source>горячетянутые</source>
        <translation>hot-drawn</translation>
    </message>
    <message>
        <source>прокатные</source>
        <translation>rolled</translation>
    </message>
    <message>
        <source>новые сварные</source>
        <translation>new welded</translation>
    </message>
    <message>
        <source>бывшие в эксплуатации</source>
        <translation>used</translation>
    </message>
    <message>
        <source>с незначительным налетом ржавчины</source>
        <translation>with slight rust</translation>
    </message>
    <message>
        <source>ржавая</source>
        <translation>rusty</translation>
    </message>
    <message>
        <source>битуминированные</source>
        <translation>bitumen-coated</translation>
    </message>
    <message>
        <source>новые</source>
        <translation>new</translation>
    </message>
    <message>
        <source>оцинкованные</source>
        <translation>galvanized</translation>
    </message>
    <message>
        <source>чугун</source>
        <translation>cast iron</translation>
    </message>
    <message>
        <source>ржавые</source>
        <translation>rusty</translation>
    </message>
    <message>
        <source>с накипью</source>
        <translation>scaled</translation>
    </message>
    <message>
        <source>асбоцемент</source>
        <translation>asbestos cement</translation>
    </message>
    <message>
        <source>новая</source>
        <translation>new</translation>
    </message>
    <message>
        <source>необлицованная, обычная</source>
        <translation>unlined, ordinary</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Invalid floating point operation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Floating point overflow</translation>
    </message>
    <message>
        <source>Температура должна быть от %1 до %2 °С</source>
        <translation>The temperature must be from %1 to %2 °C</translation>
    </message>
    <message>
        <source>max 149°С</source>
        <translation>max 149°C</translation>
    </message>
    <message>
        <source>Калькулятор коэффициента коррекции</source>
        <translation>Correction coefficient calculator</translation>
    </message>
    <message>
        <source>Калькулятор длины канала</source>
        <translation>Channel length calculator</translation>
    </message>
    <message>
        <source>Калькулятор веса импульса</source>
        <translation>Pulse weight calculator</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Диаметр, мм:</source>
        <translation>Diameter, mm:</translation>
    </message>
    <message>
        <source>Угол, градусов:</source>
        <translation>Angle, degrees:</translation>
    </message>
    <message>
        <source>Шероховатость трубы:</source>
        <translation>Pipe roughness:</translation>
    </message>
    <message>
        <source>Тмакс., гр.С:</source>
        <translation>Tmax, °C:</translation>
    </message>
    <message>
        <source>Тмин., гр.С:</source>
        <translation>Tmin, °C:</translation>
    </message>
    <message>
        <source>Вязкость мин. 1Е-6:</source>
        <translation>Viscosity min., 1E-6:</translation>
    </message>
    <message>
        <source>Вязкость макс. 1Е-6:</source>
        <translation>Viscosity max., 1E-6:</translation>
    </message>
    <message>
        <source>Скорость макс., м/с:</source>
        <translation>Velocity max., m/s:</translation>
    </message>
    <message>
        <source>Расход макс., м3/ч:</source>
        <translation>Flow max., m3/h:</translation>
    </message>
    <message>
        <source>Коэффициент коррекции:</source>
        <translation>Correction coefficient:</translation>
    </message>
    <message>
        <source>Поправочный коэффициент A:</source>
        <translation>Adjustment coefficient A:</translation>
    </message>
    <message>
        <source>Поправочный коэффициент B:</source>
        <translation>Adjustment coefficient B:</translation>
    </message>
    <message>
        <source>Поправочный коэффициент C:</source>
        <translation>Adjustment coefficient C:</translation>
    </message>
    <message>
        <source>tпо, мкс:</source>
        <translation>t downstream, µs:</translation>
    </message>
    <message>
        <source>tпротив, мкс:</source>
        <translation>t upstream, µs:</translation>
    </message>
    <message>
        <source>Температура, гр.С:</source>
        <translation>Temperature, °C:</translation>
    </message>
    <message>
        <source>Расстояние между ПЭП, мм:</source>
        <translation>Transducer spacing, mm:</translation>
    </message>
    <message>
        <source>Макс. кол-во импульсов/c:</source>
        <translation>Max. pulses per second:</translation>
    </message>
    <message>
        <source>Минимальный допустимый вес</source>
        <translation>Minimum permissible pulse</translation>
    </message>
    <message>
        <source>импульса, литров/импульс:</source>
        <translation>weight, litres/pulse:</translation>
    </message>
</context>
<context>
    <name>Cancel</name>
    <message>
        <source>Прервано пользователем. Прочитано %1 записей</source>
        <translation>Cancelled by the user. %1 records read</translation>
    </message>
    <message>
        <source>Прервано пользователем. Очищено %1 записей из %2</source>
        <translation>Cancelled by the user. %1 of %2 records cleared</translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Прошивку нельзя прервать после команды стирания: прибор без полной программы не работает</source>
        <translation>Programming cannot be stopped after the erase command: a meter without a complete program does not work</translation>
    </message>
    <message>
        <source>Запись настроек не прерывается: область настроек не должна остаться записанной наполовину</source>
        <translation>The settings write is not interrupted: the settings area must not be left half written</translation>
    </message>
    <message>
        <source>Выполняется обмен с прибором. Прервать его и закрыть программу?</source>
        <translation>An exchange with the meter is running. Stop it and close the program?</translation>
    </message>
    <message>
        <source>Действие будет прервано, когда запись завершится</source>
        <translation>The action will stop when the write has ended</translation>
    </message>
    <message>
        <source>Прошивка будет доведена до конца</source>
        <translation>Programming will run to its end</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>%1.%2.%3г.</source>
        <translation>%1.%2.%3</translation>
    </message>
</context>
<context>
    <name>ExchangeLog</name>
    <message>
        <source>канал %1</source>
        <translation>pipe %1</translation>
    </message>
    <message>
        <source>порт %1</source>
        <translation>port %1</translation>
    </message>
    <message>
        <source>Соединение: %1</source>
        <translation>Connection: %1</translation>
    </message>
    <message>
        <source>порт не найден</source>
        <translation>port not found</translation>
    </message>
    <message>
        <source>. Нет прав на порт: добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER) и войдите в систему заново</source>
        <translation>. No permission for the port: add the user to the group dialout (sudo usermod -aG dialout $USER) and log in again</translation>
    </message>
    <message>
        <source>Не удаётся открыть %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>Итог: %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>Открыт: %1</source>
        <translation>Opened: %1</translation>
    </message>
    <message>
        <source>Закрыт: %1</source>
        <translation>Closed: %1</translation>
    </message>
</context>
<context>
    <name>ExchangeLogWindow</name>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Журнал обмена</source>
        <translation>Exchange log</translation>
    </message>
    <message>
        <source>Сохранить журнал обмена</source>
        <translation>Save the exchange log</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt *.log)</source>
        <translation>Text files (*.txt *.log)</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить журнал обмена в файл %1: %2</source>
        <translation>Could not save the exchange log to the file %1: %2</translation>
    </message>
</context>
<context>
    <name>FileSave</name>
    <message>
        <source>это не обычный файл, он не будет заменён</source>
        <translation>it is not a regular file and will not be replaced</translation>
    </message>
    <message>
        <source>никто не читает из этого канала (FIFO)</source>
        <translation>nobody reads from this FIFO</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Версия прошивки:</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>Дата создания:</source>
        <translation>Build date:</translation>
    </message>
    <message>
        <source>файл прошивки ЗЕТРА (*.zet)</source>
        <translation>ZETRA firmware file (*.zet)</translation>
    </message>
    <message>
        <source>Не удаётся прочитать файл прошивки<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>Cannot read the firmware file<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Файл прошивки должен содержать 7680 байт,<byte value="xd"/>а в файле %1 их %2</source>
        <translation>A firmware file must hold 7680 bytes,<byte value="xd"/>the file %1 holds %2</translation>
    </message>
    <message>
        <source>Вы действительно хотите начать прошивку?</source>
        <translation>Do you really want to start programming the firmware?</translation>
    </message>
    <message>
        <source>Обновление</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Сейчас программа прибора будет перепрошита.<byte value="xd"/>Желательно закрыть другие работающие приложения.<byte value="xd"/>Это может занять некоторое время, пожалуйста дождитесь окончания</source>
        <translation>The meter&apos;s firmware will now be reprogrammed.<byte value="xd"/>Please close other running applications.<byte value="xd"/>This may take a while, please wait until it has finished</translation>
    </message>
    <message>
        <source>Не удалось войти в режим программирования</source>
        <translation>Could not enter programming mode</translation>
    </message>
    <message>
        <source>Программирование...</source>
        <translation>Programming...</translation>
    </message>
    <message>
        <source>Проверка...</source>
        <translation>Verifying...</translation>
    </message>
    <message>
        <source>Завершено c ошибками. Повторите</source>
        <translation>Completed with errors. Try again</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Год даты прошивки %1 не помещается в прибор, записана дата %2</source>
        <translation>The year of the firmware date %1 does not fit into the meter, the date written is %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>ЗЕТРА (автономный) v1.16</source>
        <translation>ZETRA (stand-alone) v1.16</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Архив</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>суточный (2 года)</source>
        <translation>daily (2 years)</translation>
    </message>
    <message>
        <source>минутный (5 суток)</source>
        <translation>minute (5 days)</translation>
    </message>
    <message>
        <source>с</source>
        <translation>from</translation>
    </message>
    <message>
        <source>по</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Настройка прибора</source>
        <translation>Meter settings</translation>
    </message>
    <message>
        <source>Тип врезки</source>
        <translation>Insertion type</translation>
    </message>
    <message>
        <source>ВТК-А (осевое)</source>
        <translation>VTK-A (axial)</translation>
    </message>
    <message>
        <source>ВТК-Б (диаметральное)</source>
        <translation>VTK-B (diametral)</translation>
    </message>
    <message>
        <source>Датчики</source>
        <translation>Transducers</translation>
    </message>
    <message>
        <source>тип 6</source>
        <translation>type 6</translation>
    </message>
    <message>
        <source>тип 3</source>
        <translation>type 3</translation>
    </message>
    <message>
        <source>Рабочая среда</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>вода</source>
        <translation>water</translation>
    </message>
    <message>
        <source>нефтепродукты</source>
        <translation>petroleum products</translation>
    </message>
    <message>
        <source>Период измерения, сек</source>
        <translation>Measurement period, s</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Внутренний диаметр трубы, мм</source>
        <translation>Pipe inner diameter, mm</translation>
    </message>
    <message>
        <source>Расстояние между мембранами, мм</source>
        <translation>Distance between membranes, mm</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Калькулятор расстояния между ПЭПами</source>
        <translation>Transducer spacing calculator</translation>
    </message>
    <message>
        <source>Угол наклона акустического канала, град.</source>
        <translation>Acoustic path angle, deg.</translation>
    </message>
    <message>
        <source>Длина кабеля, м</source>
        <translation>Cable length, m</translation>
    </message>
    <message>
        <source>Смещение &quot;окна&quot;, мкс</source>
        <translation>&quot;Window&quot; offset, µs</translation>
    </message>
    <message>
        <source>Коэффициент коррекции K</source>
        <translation>Correction coefficient K</translation>
    </message>
    <message>
        <source>Калькулятор коэффициентов коррекции</source>
        <translation>Correction coefficient calculator</translation>
    </message>
    <message>
        <source>Поправочный коэффициент A</source>
        <translation>Adjustment coefficient A</translation>
    </message>
    <message>
        <source>Поправочный коэффициент B</source>
        <translation>Adjustment coefficient B</translation>
    </message>
    <message>
        <source>Поправочный коэффициент С</source>
        <translation>Adjustment coefficient C</translation>
    </message>
    <message>
        <source>Отсечка нуля</source>
        <translation>Zero cutoff</translation>
    </message>
    <message>
        <source>м3/ч</source>
        <translation>m3/h</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Вес импульса, литров/импульс</source>
        <translation>Pulse weight, l/pulse</translation>
    </message>
    <message>
        <source>Калькулятор веса импульса</source>
        <translation>Pulse weight calculator</translation>
    </message>
    <message>
        <source>Смещение нуля, мкс</source>
        <translation>Zero offset, µs</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>щёлкните 2 раза для вставки текущего времени компьютера</source>
        <translation>double-click to insert the PC&apos;s current time</translation>
    </message>
    <message>
        <source>Очистка архивов</source>
        <translation>Clear archives</translation>
    </message>
    <message>
        <source>суточного</source>
        <translation>daily</translation>
    </message>
    <message>
        <source>минутного</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>Обновление</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Загрузить из файла</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <source>Выбранный файл</source>
        <translation>Selected file</translation>
    </message>
    <message>
        <source>c:\windows\system32</source>
        <translation>c:\windows\system32</translation>
    </message>
    <message>
        <source>Версия прошивки:</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>Дата создания:</source>
        <translation>Build date:</translation>
    </message>
    <message>
        <source>Начать прошивку</source>
        <translation>Start programming</translation>
    </message>
    <message>
        <source>Запуск перепрограммирования прибора</source>
        <translation>Starts reprogramming the meter</translation>
    </message>
    <message>
        <source>Версия 1.16 - версия для приборов с минутным архивом</source>
        <translation>Version 1.16 - for meters with a minute archive</translation>
    </message>
    <message>
        <source>Выбор порта, к которому подключен прибор</source>
        <translation>Choose the port the meter is connected to</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>загрузить настройки</source>
        <translation>load settings</translation>
    </message>
    <message>
        <source>сохранить настройки</source>
        <translation>save settings</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ПК</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>вставить текущее время компьютера</source>
        <translation>insert the PC&apos;s current time</translation>
    </message>
    <message>
        <source>Сравнить</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>сравнить настройки прибора с формой, ничего не записывая</source>
        <translation>compare the meter&apos;s settings with the form, writing nothing</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Калькулятор коэффициента коррекции</source>
        <translation>Correction coefficient calculator</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Диаметр, мм:</source>
        <translation>Diameter, mm:</translation>
    </message>
    <message>
        <source>Угол, градусов:</source>
        <translation>Angle, degrees:</translation>
    </message>
    <message>
        <source>Шероховатость трубы:</source>
        <translation>Pipe roughness:</translation>
    </message>
    <message>
        <source>Тмакс., гр.С:</source>
        <translation>Tmax, °C:</translation>
    </message>
    <message>
        <source>80</source>
        <translation>80</translation>
    </message>
    <message>
        <source>Вязкость мин. 1Е-6:</source>
        <translation>Viscosity min., 1E-6:</translation>
    </message>
    <message>
        <source>0,3653</source>
        <translation>0,3653</translation>
    </message>
    <message>
        <source>Тмин., гр.С:</source>
        <translation>Tmin, °C:</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Вязкость макс. 1Е-6:</source>
        <translation>Viscosity max., 1E-6:</translation>
    </message>
    <message>
        <source>1,3080</source>
        <translation>1,3080</translation>
    </message>
    <message>
        <source>Скорость макс., м/с:</source>
        <translation>Velocity max., m/s:</translation>
    </message>
    <message>
        <source>Расход макс., м3/ч:</source>
        <translation>Flow max., m3/h:</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Коэффициент коррекции:</source>
        <translation>Correction coefficient:</translation>
    </message>
    <message>
        <source>Поправочный коэффициент A:</source>
        <translation>Adjustment coefficient A:</translation>
    </message>
    <message>
        <source>Поправочный коэффициент B:</source>
        <translation>Adjustment coefficient B:</translation>
    </message>
    <message>
        <source>Поправочный коэффициент C:</source>
        <translation>Adjustment coefficient C:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>сталь</source>
        <translation>steel</translation>
    </message>
    <message>
        <source>новые цельнотянутые, не бывшие в эксплуатации</source>
        <translation>new seamless, never used</translation>
    </message>
    <message>
        <source>бывшие в эксплуатации</source>
        <translation>used</translation>
    </message>
    <message>
        <source>битуминированные</source>
        <translation>bitumen-coated</translation>
    </message>
    <message>
        <source>оцинкованные</source>
        <translation>galvanized</translation>
    </message>
    <message>
        <source>чугун</source>
        <translation>cast iron</translation>
    </message>
    <message>
        <source>асбоцемент</source>
        <translation>asbestos cement</translation>
    </message>
    <message>
        <source>холоднотянутые</source>
        <translation>cold-drawn</translation>
    </message>
    <message>
        <source>горячетянутые</source>
        <translation>hot-drawn</translation>
    </message>
    <message>
        <source>прокатные</source>
        <translation>rolled</translation>
    </message>
    <message>
        <source>новые сварные</source>
        <translation>new welded</translation>
    </message>
    <message>
        <source>с незначительным налетом ржавчины</source>
        <translation>with slight rust</translation>
    </message>
    <message>
        <source>ржавая</source>
        <translation>rusty</translation>
    </message>
    <message>
        <source>новые</source>
        <translation>new</translation>
    </message>
    <message>
        <source>ржавые</source>
        <translation>rusty</translation>
    </message>
    <message>
        <source>с накипью</source>
        <translation>scaled</translation>
    </message>
    <message>
        <source>новая</source>
        <translation>new</translation>
    </message>
    <message>
        <source>необлицованная, обычная</source>
        <translation>unlined, ordinary</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Калькулятор длины канала</source>
        <translation>Channel length calculator</translation>
    </message>
    <message>
        <source>tпо, мкс:</source>
        <translation>t downstream, µs:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>tпротив, мкс:</source>
        <translation>t upstream, µs:</translation>
    </message>
    <message>
        <source>Температура, гр.С:</source>
        <translation>Temperature, °C:</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Расстояние между ПЭП, мм:</source>
        <translation>Transducer spacing, mm:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Калькулятор веса импульса</source>
        <translation>Pulse weight calculator</translation>
    </message>
    <message>
        <source>Диаметр, мм:</source>
        <translation>Diameter, mm:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Скорость макс., м/с:</source>
        <translation>Velocity max., m/s:</translation>
    </message>
    <message>
        <source>Расход макс., м3/ч:</source>
        <translation>Flow max., m3/h:</translation>
    </message>
    <message>
        <source>Макс. кол-во импульсов/c:</source>
        <translation>Max. pulses per second:</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Минимальный допустимый вес
импульса, литров/импульс:</source>
        <translation>Minimum permissible pulse
weight, litres/pulse:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>Текущий расход, м3/ч:</source>
        <translation>Current flow, m3/h:</translation>
    </message>
    <message>
        <source>Скорость потока, м/с:</source>
        <translation>Flow velocity, m/s:</translation>
    </message>
    <message>
        <source>Накопленный объём, м3:</source>
        <translation>Total volume, m3:</translation>
    </message>
    <message>
        <source>Время работы, часов:</source>
        <translation>Operating time, h:</translation>
    </message>
    <message>
        <source>Время простоя, часов:</source>
        <translation>Idle time, h:</translation>
    </message>
    <message>
        <source>Напряжение батареи, В:</source>
        <translation>Battery voltage, V:</translation>
    </message>
    <message>
        <source>Внутренняя дата:</source>
        <translation>Meter date:</translation>
    </message>
    <message>
        <source>Внутреннее время:</source>
        <translation>Meter time:</translation>
    </message>
    <message>
        <source>Серийный номер:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Дата изготовления:</source>
        <translation>Manufactured:</translation>
    </message>
    <message>
        <source>Версия прошивки:</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>Дата последней прошивки:</source>
        <translation>Last programmed:</translation>
    </message>
    <message>
        <source>%1 мин</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 ч %2 мин</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 сут %2 ч</source>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>ПК: %1, прибор отстаёт на %2</source>
        <translation>PC: %1, the meter is %2 slow</translation>
    </message>
    <message>
        <source>ПК: %1, прибор спешит на %2</source>
        <translation>PC: %1, the meter is %2 fast</translation>
    </message>
</context>
<context>
    <name>MemoFontDialog</name>
    <message>
        <source>Чёрный</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Бордовый</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Зелёный</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Оливковый</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Тёмно-синий</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Фиолетовый</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Сине-зелёный</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Серый</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Серебристый</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Ярко-зелёный</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Жёлтый</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Фуксия</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Голубой</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Белый</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Цвет:</source>
        <translation>Colour:</translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>КВЗ-клиент</source>
        <translation>KVZ-client</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>осталось</source>
        <translation>left</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Диаметр указан неверно<byte value="xd"/></source>
        <translation>Invalid diameter<byte value="xd"/></translation>
    </message>
    <message>
        <source>Диаметр не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation>The diameter cannot be negative<byte value="xd"/>or equal to 0</translation>
    </message>
    <message>
        <source>База указана неверно<byte value="xd"/></source>
        <translation>Invalid base distance<byte value="xd"/></translation>
    </message>
    <message>
        <source>База не может быть меньше 60мм.</source>
        <translation>The base distance cannot be less than 60 mm.</translation>
    </message>
    <message>
        <source>Угол указан неверно<byte value="xd"/></source>
        <translation>Invalid angle<byte value="xd"/></translation>
    </message>
    <message>
        <source>Угол не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation>The angle cannot be negative<byte value="xd"/>or equal to 0</translation>
    </message>
    <message>
        <source>Длина кабеля указана неверно<byte value="xd"/></source>
        <translation>Invalid cable length<byte value="xd"/></translation>
    </message>
    <message>
        <source>Длина кабеля не может быть отрицательным числом</source>
        <translation>The cable length cannot be negative</translation>
    </message>
    <message>
        <source>Коэффициент К указан неверно<byte value="xd"/></source>
        <translation>Invalid coefficient K<byte value="xd"/></translation>
    </message>
    <message>
        <source>Коэффициент К не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation>Coefficient K cannot be negative<byte value="xd"/>or equal to 0</translation>
    </message>
    <message>
        <source>Коэффициент К вне допустимого диапазона</source>
        <translation>Coefficient K is out of range</translation>
    </message>
    <message>
        <source>Коэффициент А указан неверно<byte value="xd"/></source>
        <translation>Invalid coefficient A<byte value="xd"/></translation>
    </message>
    <message>
        <source>Коэффициент А не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation>Coefficient A cannot be negative<byte value="xd"/>or equal to 0</translation>
    </message>
    <message>
        <source>Коэффициент А вне допустимого диапазона</source>
        <translation>Coefficient A is out of range</translation>
    </message>
    <message>
        <source>Коэффициент B указан неверно<byte value="xd"/></source>
        <translation>Invalid coefficient B<byte value="xd"/></translation>
    </message>
    <message>
        <source>Коэффициент B не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation>Coefficient B cannot be negative<byte value="xd"/>or equal to 0</translation>
    </message>
    <message>
        <source>Коэффициент B вне допустимого диапазона</source>
        <translation>Coefficient B is out of range</translation>
    </message>
    <message>
        <source>Коэффициент С указан неверно<byte value="xd"/></source>
        <translation>Invalid coefficient C<byte value="xd"/></translation>
    </message>
    <message>
        <source>Коэффициент С не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation>Coefficient C cannot be negative<byte value="xd"/>or equal to 0</translation>
    </message>
    <message>
        <source>Коэффициент С вне допустимого диапазона</source>
        <translation>Coefficient C is out of range</translation>
    </message>
    <message>
        <source>Отсечка нуля указана неверно<byte value="xd"/></source>
        <translation>Invalid zero cutoff<byte value="xd"/></translation>
    </message>
    <message>
        <source>Отсечка нуля не может быть отрицательным числом</source>
        <translation>The zero cutoff cannot be negative</translation>
    </message>
    <message>
        <source>Отсечка нуля вне допустимого диапазона</source>
        <translation>The zero cutoff is out of range</translation>
    </message>
    <message>
        <source>Вес импульса указан неверно<byte value="xd"/></source>
        <translation>Invalid pulse weight<byte value="xd"/></translation>
    </message>
    <message>
        <source>Вес импульса не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation>The pulse weight cannot be negative<byte value="xd"/>or equal to 0</translation>
    </message>
    <message>
        <source>Смещение нуля указано неверно<byte value="xd"/></source>
        <translation>Invalid zero offset<byte value="xd"/></translation>
    </message>
    <message>
        <source>Смещение нуля вне допустимого диапазона</source>
        <translation>The zero offset is out of range</translation>
    </message>
    <message>
        <source>Настройка прибора...</source>
        <translation>Configuring the meter...</translation>
    </message>
    <message>
        <source>Программирование запрещено</source>
        <translation>Programming not permitted</translation>
    </message>
    <message>
        <source>Вы действительно хотите применить<byte value="xd"/>новые настройки к прибору?</source>
        <translation>Do you really want to apply<byte value="xd"/>the new settings to the meter?</translation>
    </message>
    <message>
        <source>Очистка суточного архива...</source>
        <translation>Clearing the daily archive...</translation>
    </message>
    <message>
        <source>Очистка минутного архива...</source>
        <translation>Clearing the minute archive...</translation>
    </message>
    <message>
        <source>Время указано неверно</source>
        <translation>Invalid time</translation>
    </message>
    <message>
        <source>Смещение окна слишком мало</source>
        <translation>The window offset is too small</translation>
    </message>
    <message>
        <source>Вы действительно хотите очистить значения<byte value="xd"/>объёма жидкости, времени наработки и<byte value="xd"/>времени простоя прибора?</source>
        <translation>Do you really want to clear the meter&apos;s<byte value="xd"/>total volume, operating time and<byte value="xd"/>idle time?</translation>
    </message>
    <message>
        <source>Очистка запрещена</source>
        <translation>Clearing not permitted</translation>
    </message>
    <message>
        <source>Очистка накопления...</source>
        <translation>Clearing the totals...</translation>
    </message>
    <message>
        <source>Угол не может быть больше 90 градусов<byte value="xd"/>или равен 90 градусам</source>
        <translation>The angle cannot be greater than<byte value="xd"/>or equal to 90 degrees</translation>
    </message>
    <message>
        <source> - не число</source>
        <translation> - not a number</translation>
    </message>
    <message>
        <source>файл с настройками (*.dat)</source>
        <translation>Settings file (*.dat)</translation>
    </message>
    <message>
        <source>Настройки не записаны</source>
        <translation>Settings not written</translation>
    </message>
    <message>
        <source>Архив прибора недоступен, очистка не выполнена</source>
        <translation>The meter&apos;s archive is unavailable, nothing was cleared</translation>
    </message>
    <message>
        <source>Диаметр слишком велик</source>
        <translation>The diameter is too large</translation>
    </message>
    <message>
        <source>Диаметр слишком мал</source>
        <translation>The diameter is too small</translation>
    </message>
    <message>
        <source>База слишком велика</source>
        <translation>The base distance is too large</translation>
    </message>
    <message>
        <source>Угол слишком велик</source>
        <translation>The angle is too large</translation>
    </message>
    <message>
        <source>Длина кабеля слишком велика</source>
        <translation>The cable length is too large</translation>
    </message>
    <message>
        <source>Вес импульса слишком велик</source>
        <translation>The pulse weight is too large</translation>
    </message>
    <message>
        <source>Смещение окна слишком велико</source>
        <translation>The window offset is too large</translation>
    </message>
    <message>
        <source>Коэффициент К, база и диаметр дают<byte value="xd"/>недопустимый путевой коэффициент</source>
        <translation>Coefficient K, base distance and diameter give<byte value="xd"/>an invalid path coefficient</translation>
    </message>
    <message>
        <source>Дата не может быть раньше 01.01.2000</source>
        <translation>The date cannot be earlier than 01.01.2000</translation>
    </message>
    <message>
        <source>Дата не может быть позже 06.06.2179</source>
        <translation>The date cannot be later than 06.06.2179</translation>
    </message>
    <message>
        <source>Не удаётся прочитать файл настроек<byte value="xd"/></source>
        <translation>Cannot read the settings file<byte value="xd"/></translation>
    </message>
    <message>
        <source>Файл настроек неполный (меньше 33 строк)<byte value="xd"/></source>
        <translation>The settings file is incomplete (fewer than 33 lines)<byte value="xd"/></translation>
    </message>
    <message>
        <source>Смещение окна в файле настроек указано неверно<byte value="xd"/></source>
        <translation>Invalid window offset in the settings file<byte value="xd"/></translation>
    </message>
    <message>
        <source>Не удаётся записать файл настроек<byte value="xd"/></source>
        <translation>Cannot write the settings file<byte value="xd"/></translation>
    </message>
    <message>
        <source>Дата: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Время: </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>Файл настроек слишком велик, это не файл настроек<byte value="xd"/></source>
        <translation>The settings file is too large to be a settings file<byte value="xd"/></translation>
    </message>
    <message>
        <source>Строка %1 файла настроек должна начинаться с &quot;%2&quot;<byte value="xd"/></source>
        <translation>Line %1 of the settings file must begin with &quot;%2&quot;<byte value="xd"/></translation>
    </message>
    <message>
        <source>В строке %1 файла настроек нет ни &quot;%2&quot;, ни &quot;%3&quot;<byte value="xd"/></source>
        <translation>Line %1 of the settings file holds neither &quot;%2&quot; nor &quot;%3&quot;<byte value="xd"/></translation>
    </message>
    <message>
        <source>Начало окна, мкс:</source>
        <translation>Window start, µs:</translation>
    </message>
    <message>
        <source>Задержка сигнала:</source>
        <translation>Signal path delay:</translation>
    </message>
    <message>
        <source>Константа задержки:</source>
        <translation>Delay constant:</translation>
    </message>
    <message>
        <source>Площадь сечения трубы, см2:</source>
        <translation>Pipe cross-section, cm2:</translation>
    </message>
    <message>
        <source>Путевой коэффициент:</source>
        <translation>Path coefficient:</translation>
    </message>
    <message>
        <source>Дата последней записи настроек:</source>
        <translation>Date of the last settings write:</translation>
    </message>
    <message>
        <source>Час последней записи настроек:</source>
        <translation>Hour of the last settings write:</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Время:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Настройки прибора совпадают с формой</source>
        <translation>The meter&apos;s settings match the form</translation>
    </message>
    <message>
        <source>Настройки прибора отличаются от формы:</source>
        <translation>The meter&apos;s settings differ from the form:</translation>
    </message>
    <message>
        <source>Настройки в приборе не совпадают с записанными:</source>
        <translation>The settings in the meter differ from those written:</translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>%1 в приборе %2, записано %3</source>
        <translation>%1 in the meter %2, written %3</translation>
    </message>
    <message>
        <source>Сравнение</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Суточный архив будет очищен.</source>
        <translation>The daily archive will be cleared.</translation>
    </message>
    <message>
        <source>Минутный архив будет очищен.</source>
        <translation>The minute archive will be cleared.</translation>
    </message>
    <message>
        <source>Часы прибора будут установлены на %1 (время ПК %2).</source>
        <translation>The meter&apos;s clock will be set to %1 (PC time %2).</translation>
    </message>
    <message>
        <source>Накопление не обнулено: %1</source>
        <translation>Totals not cleared: %1</translation>
    </message>
    <message>
        <source>байт настроек %1</source>
        <translation>settings byte %1</translation>
    </message>
    <message>
        <source>память %1: не нулевых байт %2</source>
        <translation>memory %1: nonzero bytes %2</translation>
    </message>
    <message>
        <source>Суточный архив</source>
        <translation>Daily archive</translation>
    </message>
    <message>
        <source>Минутный архив</source>
        <translation>Minute archive</translation>
    </message>
    <message>
        <source>%1 не очищен: после очистки не пусты записи: %2</source>
        <translation>%1 not cleared: records not empty after clearing: %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Читать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>В приборе</source>
        <translation>In the meter</translation>
    </message>
    <message>
        <source>В форме</source>
        <translation>In the form</translation>
    </message>
    <message>
        <source>Осталось времени</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Ж</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Журнал обмена (Ctrl+L)</source>
        <translation>Exchange log (Ctrl+L)</translation>
    </message>
</context>
<context>
    <name>Zetra</name>
    <message>
        <source>ЗЕТРА</source>
        <translation>ZETRA</translation>
    </message>
    <message>
        <source>Присоедините прибор и нажмите &lt;Обновить&gt;</source>
        <translation>Connect the meter and press &lt;Refresh&gt;</translation>
    </message>
    <message>
        <source>Ждите...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Не удаётся открыть порт </source>
        <translation>Cannot open port </translation>
    </message>
    <message>
        <source>Прибор не отвечает</source>
        <translation>No answer from the meter</translation>
    </message>
    <message>
        <source>Несовместимое устройство</source>
        <translation>Incompatible device</translation>
    </message>
    <message>
        <source>Завершено успешно</source>
        <translation>Completed successfully</translation>
    </message>
    <message>
        <source>Завершено с ошибками</source>
        <translation>Completed with errors</translation>
    </message>
    <message>
        <source>Передача параметров...</source>
        <translation>Transferring parameters...</translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Прервано пользователем</source>
        <translation>Cancelled by the user</translation>
    </message>
    <message>
        <source>ЗЕТРА (автономный) v%1</source>
        <translation>ZETRA (stand-alone) v%1</translation>
    </message>
    <message>
        <source>Связь с прибором потеряна: </source>
        <translation>Connection to the meter lost: </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Перевод стандартных окон Qt не найден в %1</source>
        <translation>Qt&apos;s own translation not found in %1</translation>
    </message>
</context>
</TS>
