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
    <message>
        <source>Суточный архив прибора: с %1 по %2</source>
        <translation>The meter&apos;s daily archive: from %1 to %2</translation>
    </message>
    <message>
        <source>Минутный архив прибора: с %1 по %2</source>
        <translation>The meter&apos;s minute archive: from %1 to %2</translation>
    </message>
    <message>
        <source>Суточный архив. Прервано: прочитано с %1 по %2</source>
        <translation>Daily archive. Stopped: read from %1 to %2</translation>
    </message>
    <message>
        <source>Минутный архив. Прервано: прочитано с %1 по %2</source>
        <translation>Minute archive. Stopped: read from %1 to %2</translation>
    </message>
    <message>
        <source>Суточный архив. Прервано: ничего не прочитано</source>
        <translation>Daily archive. Stopped: nothing read</translation>
    </message>
    <message>
        <source>Минутный архив. Прервано: ничего не прочитано</source>
        <translation>Minute archive. Stopped: nothing read</translation>
    </message>
    <message>
        <source>прервано: итог прочитанного</source>
        <translation>stopped: the total of what was read</translation>
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
    <message>
        <source>через канал КВЗ-клиента прибор не программируется: нужен последовательный порт</source>
        <translation>the meter cannot be programmed through the KVZ-client pipe: a serial port is needed</translation>
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
        <source>Сравнить</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>сравнить настройки прибора с формой, ничего не записывая</source>
        <translation>compare the meter&apos;s settings with the form, writing nothing</translation>
    </message>
    <message>
        <source>вставить текущие дату и время компьютера</source>
        <translation>insert the PC&apos;s current date and time</translation>
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
    <name>HistoryTab</name>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Суточная</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Минутная</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Приборы в хранилище</source>
        <translation>Meters in the store</translation>
    </message>
    <message>
        <source>Визиты</source>
        <translation>Visits</translation>
    </message>
    <message>
        <source>С</source>
        <translation>From</translation>
    </message>
    <message>
        <source>по</source>
        <translation>to</translation>
    </message>
    <message>
        <source>В хранилище нет приборов: синхронизируйте прибор</source>
        <translation>The store holds no meters: synchronise a meter</translation>
    </message>
    <message>
        <source>№ %1 от %2</source>
        <translation>No. %1 of %2</translation>
    </message>
    <message>
        <source>Акт обслуживания</source>
        <translation>Service act</translation>
    </message>
    <message>
        <source>акт %1.pdf</source>
        <translation>act %1.pdf</translation>
    </message>
    <message>
        <source>документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Акт визита записан: %1</source>
        <translation>The visit&apos;s act is written: %1</translation>
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
    <name>InfoTab</name>
    <message>
        <source>Значения прочитаны %1, не текущие</source>
        <translation>Values read %1, not current</translation>
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
    <message numerus="yes">
        <source>Настройки прибора отличаются от формы (%n полей):</source>
        <translation>
            <numerusform>The meter&apos;s settings differ from the form (%n field):</numerusform>
            <numerusform>The meter&apos;s settings differ from the form (%n fields):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Настройки в приборе не совпадают с записанными (%n полей):</source>
        <translation>
            <numerusform>The settings in the meter differ from those written (%n field):</numerusform>
            <numerusform>The settings in the meter differ from those written (%n fields):</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Хранилище %1 недоступно: %2</source>
        <translation>The store %1 is not available: %2</translation>
    </message>
    <message>
        <source>хранилище записано более новой версией программы (схема %1, эта программа знает схему до %2)</source>
        <translation>the store was written by a newer version of the program (schema %1, this program knows schemas up to %2)</translation>
    </message>
    <message>
        <source>ожидается путь к файлу или postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА</source>
        <translation>expected a file path or postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>хранилище отключено (--no-store, ZETRA_STORE=none)</source>
        <translation>the store is turned off (--no-store, ZETRA_STORE=none)</translation>
    </message>
    <message>
        <source>, конфликтов %1</source>
        <translation>, %1 conflicts</translation>
    </message>
    <message>
        <source>, не прочитано %1</source>
        <translation>, %1 not read</translation>
    </message>
    <message>
        <source>%1 от %2: сутки %3, минуты %4, %5</source>
        <translation>%1 of %2: days %3, minutes %4, %5</translation>
    </message>
    <message>
        <source>нет записей</source>
        <translation>no records</translation>
    </message>
    <message>
        <source>визитов нет</source>
        <translation>no visits</translation>
    </message>
    <message>
        <source>последний визит %1</source>
        <translation>last visit %1</translation>
    </message>
    <message>
        <source>последний визит %1, часы прибора %2 с</source>
        <translation>last visit %1, meter clock %2 s</translation>
    </message>
    <message>
        <source>Прибора %1 нет в хранилище</source>
        <translation>The store holds no meter %1</translation>
    </message>
    <message>
        <source>В хранилище несколько приборов с номером %1: укажите --manufactured</source>
        <translation>The store holds several meters numbered %1: give --manufactured</translation>
    </message>
    <message>
        <source>В хранилище минуты %1; отчёт вмещает 45 суток и показывает минуты с %2. Другие сутки: укажите FROM и TO</source>
        <translation>The store holds minutes %1; a report holds 45 days and shows the minutes from %2. For other days give FROM and TO</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Синхронизировать</source>
        <translation>Synchronise</translation>
    </message>
    <message>
        <source>Время;Действие;Итог;Уход часов, с</source>
        <translation>Time;Action;Outcome;Clock drift, s</translation>
    </message>
    <message>
        <source>Минутная история показывается не больше чем за %1 суток: выберите диапазон короче</source>
        <translation>The minute history is shown for at most %1 days: choose a shorter range</translation>
    </message>
    <message numerus="yes">
        <source>Суточный архив: прочитано %n записей</source>
        <translation>
            <numerusform>Daily archive: %n record read</numerusform>
            <numerusform>Daily archive: %n records read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Минутный архив: прочитано %n записей</source>
        <translation>
            <numerusform>Minute archive: %n record read</numerusform>
            <numerusform>Minute archive: %n records read</numerusform>
        </translation>
    </message>
    <message>
        <source>, новых %1</source>
        <translation>, %1 new</translation>
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
    <message>
        <source>Обслуживание…</source>
        <translation>Service visit…</translation>
    </message>
    <message>
        <source>Акт…</source>
        <translation>Act…</translation>
    </message>
</context>
<context>
    <name>Visit</name>
    <message>
        <source>Установить часы прибора по времени ПК?</source>
        <translation>Set the meter&apos;s clock to the PC&apos;s time?</translation>
    </message>
    <message>
        <source>Часы прибора не установлены: записано %1, прочитано %2</source>
        <translation>The meter&apos;s clock was not set: %1 written, %2 read</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>no answer</translation>
    </message>
</context>
<context>
    <name>VisitAct</name>
    <message>
        <source>0 с (часы идут верно)</source>
        <translation>0 s (the clock is right)</translation>
    </message>
    <message>
        <source>+%1 с (прибор спешит)</source>
        <translation>+%1 s (the meter is fast)</translation>
    </message>
    <message>
        <source>−%1 с (прибор отстаёт)</source>
        <translation>−%1 s (the meter is slow)</translation>
    </message>
    <message>
        <source>не выполнялась: ответ «Нет»</source>
        <translation>not done: answered No</translation>
    </message>
    <message>
        <source>не завершён</source>
        <translation>not ended</translation>
    </message>
    <message>
        <source>батарея разряжена</source>
        <translation>battery low</translation>
    </message>
    <message>
        <source>пониженное питание</source>
        <translation>low power</translation>
    </message>
    <message>
        <source>ошибка измерения</source>
        <translation>measurement error</translation>
    </message>
    <message>
        <source>в норме</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>визита %1 нет в хранилище</source>
        <translation>the store holds no visit %1</translation>
    </message>
    <message>
        <source>Акт обслуживания расходомера</source>
        <translation>Service act of the flowmeter</translation>
    </message>
    <message>
        <source>Расходомер ЗЕТРА, заводской № %1, визит № %2</source>
        <translation>ZETRA flowmeter, serial No. %1, visit No. %2</translation>
    </message>
    <message>
        <source>Прибор и визит</source>
        <translation>The meter and the visit</translation>
    </message>
    <message>
        <source>Заводской номер</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Дата изготовления</source>
        <translation>Manufactured</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Дата прошивки</source>
        <translation>Firmware date</translation>
    </message>
    <message>
        <source>Дата и время визита</source>
        <translation>Visit date and time</translation>
    </message>
    <message>
        <source>Инженер</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Связь</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Текущие значения</source>
        <translation>Live values</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Часы</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Время прибора</source>
        <translation>Meter time</translation>
    </message>
    <message>
        <source>Время ПК</source>
        <translation>PC time</translation>
    </message>
    <message>
        <source>Расхождение</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>Часы установлены</source>
        <translation>Clock set to</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Настройки не прочитаны.</source>
        <translation>The settings were not read.</translation>
    </message>
    <message>
        <source>Настроек прошлых визитов в хранилище нет.</source>
        <translation>The store holds no settings of an earlier visit.</translation>
    </message>
    <message>
        <source>С прошлого визита (%1) настройки не изменились.</source>
        <translation>The settings have not changed since the previous visit (%1).</translation>
    </message>
    <message>
        <source>* изменено с прошлого визита (%1): %2</source>
        <translation>* changed since the previous visit (%1): %2</translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>записей нет</source>
        <translation>no records</translation>
    </message>
    <message>
        <source>Суточный архив в хранилище</source>
        <translation>Daily archive in the store</translation>
    </message>
    <message>
        <source>Минутный архив в хранилище</source>
        <translation>Minute archive in the store</translation>
    </message>
    <message>
        <source>Суточный архив: прочитано в этот визит</source>
        <translation>Daily archive: read in this visit</translation>
    </message>
    <message>
        <source>Минутный архив: прочитано в этот визит</source>
        <translation>Minute archive: read in this visit</translation>
    </message>
    <message>
        <source>не читался</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>записей %1, новых %2, не прочитано %3, конфликтов %4</source>
        <translation>records %1, new %2, unread %3, conflicts %4</translation>
    </message>
    <message>
        <source>Суточный архив: ждут чтения, дней</source>
        <translation>Daily archive: days still to read</translation>
    </message>
    <message>
        <source>Минутный архив: ждут чтения, минут</source>
        <translation>Minute archive: minutes still to read</translation>
    </message>
    <message>
        <source>Объём по месяцам, м3</source>
        <translation>Volume by month, m3</translation>
    </message>
    <message>
        <source>События за последние 60 суток</source>
        <translation>Events of the last 60 days</translation>
    </message>
    <message>
        <source>Событий нет.</source>
        <translation>No events.</translation>
    </message>
    <message>
        <source>Суточный архив за последние 60 суток</source>
        <translation>Daily archive of the last 60 days</translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Текущие значения и часы</source>
        <translation>Live values and clock</translation>
    </message>
    <message>
        <source>Чтение настроек</source>
        <translation>Reading the settings</translation>
    </message>
    <message>
        <source>Чтение архивов</source>
        <translation>Reading the archives</translation>
    </message>
    <message>
        <source>Установка часов</source>
        <translation>Setting the clock</translation>
    </message>
    <message>
        <source>Визит в целом</source>
        <translation>The visit as a whole</translation>
    </message>
    <message>
        <source>Представитель заказчика</source>
        <translation>Customer&apos;s representative</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>«____» ______________ 20____ г.</source>
        <translation>____ ______________ 20____</translation>
    </message>
    <message>
        <source>Акт обслуживания расходомера, заводской № %1</source>
        <translation>Service act of the flowmeter, serial No. %1</translation>
    </message>
    <message>
        <source>файл не записан</source>
        <translation>the file was not written</translation>
    </message>
    <message>
        <source>Тип врезки</source>
        <translation>Insertion type</translation>
    </message>
    <message>
        <source>Датчики</source>
        <translation>Transducers</translation>
    </message>
    <message>
        <source>Рабочая среда</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Период измерения, сек</source>
        <translation>Measurement period, s</translation>
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
        <source>Угол наклона акустического канала, град.</source>
        <translation>Acoustic path angle, deg.</translation>
    </message>
    <message>
        <source>Длина кабеля, м</source>
        <translation>Cable length, m</translation>
    </message>
    <message>
        <source>Коэффициент коррекции K</source>
        <translation>Correction coefficient K</translation>
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
        <source>Поправочный коэффициент C</source>
        <translation>Adjustment coefficient C</translation>
    </message>
    <message>
        <source>Отсечка нуля</source>
        <translation>Zero cutoff</translation>
    </message>
    <message>
        <source>Вес импульса, литров/импульс</source>
        <translation>Pulse weight, l/pulse</translation>
    </message>
    <message>
        <source>Смещение нуля, мкс</source>
        <translation>Zero offset, µs</translation>
    </message>
    <message>
        <source>Смещение окна, мкс</source>
        <translation>Window offset, µs</translation>
    </message>
</context>
<context>
    <name>VisitDialog</name>
    <message>
        <source>Обслуживание</source>
        <translation>Service visit</translation>
    </message>
    <message>
        <source>Установить часы прибора по ПК</source>
        <translation>Set the meter&apos;s clock to the PC&apos;s</translation>
    </message>
    <message>
        <source>без акта</source>
        <translation>no act</translation>
    </message>
    <message>
        <source>Акт обслуживания</source>
        <translation>Service act</translation>
    </message>
    <message>
        <source>документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Инженер:</source>
        <translation>Engineer:</translation>
    </message>
    <message>
        <source>Акт (PDF):</source>
        <translation>Act (PDF):</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
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
    <message>
        <source>Сохранено: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Причина: %1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>Файл не сохранён: %1</source>
        <translation>File not saved: %1</translation>
    </message>
    <message>
        <source>Файл не сохранён: %1 (%2)</source>
        <translation>File not saved: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>--format указывают вместе с --save</source>
        <translation>--format goes with --save</translation>
    </message>
    <message>
        <source>--save нужно имя файла</source>
        <translation>--save needs a file name</translation>
    </message>
    <message>
        <source>--format принимает txt, xls, csv, xlsx или json, а не %1</source>
        <translation>--format takes txt, xls, csv, xlsx or json, not %1</translation>
    </message>
    <message>
        <source>%1 принимает две даты: FROM и TO</source>
        <translation>%1 takes two dates: FROM and TO</translation>
    </message>
    <message>
        <source>нужен параметр %1</source>
        <translation>option %1 is required</translation>
    </message>
    <message>
        <source>у команды %1 нет аргументов</source>
        <translation>%1 takes no arguments</translation>
    </message>
    <message>
        <source>нужен один из параметров --velocity и --flow</source>
        <translation>give exactly one of --velocity and --flow</translation>
    </message>
    <message>
        <source>--firmware принимает байт версии прошивки 0..255</source>
        <translation>--firmware takes a firmware version byte 0..255</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation>option %1 is given twice</translation>
    </message>
    <message>
        <source>--save - и --json не сочетаются: оба пишут на стандартный вывод</source>
        <translation>--save - and --json exclude each other: both write to standard output</translation>
    </message>
    <message>
        <source>параметру %1 нужно значение</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>стандартный вывод закрыт</source>
        <translation>standard output is closed</translation>
    </message>
    <message>
        <source>неверная дата %1 (нужно дд.мм.гггг или гггг-мм-дд)</source>
        <translation>malformed date %1 (use dd.mm.yyyy or yyyy-mm-dd)</translation>
    </message>
    <message>
        <source>Ответ «Нет»: стандартный ввод — не терминал. Ответ «Да» даёт параметр --yes</source>
        <translation>Answered No: standard input is not a terminal. The option --yes answers Yes</translation>
    </message>
    <message>
        <source>справка по программе или по команде COMMAND</source>
        <translation>help on the program or on the command COMMAND</translation>
    </message>
    <message>
        <source>То же, что COMMAND --help: аргументы команды и пример.</source>
        <translation>The same as COMMAND --help: the command&apos;s arguments and an example.</translation>
    </message>
    <message>
        <source>список портов, как окно заполняет его при запуске</source>
        <translation>the port list as the window fills it at start</translation>
    </message>
    <message>
        <source>Одна строка на порт в порядке списка; последняя строка — канал КВЗ-клиента. Строки статуса нет.</source>
        <translation>One line per port in the list&apos;s order; the last line is the remote-access client&apos;s pipe. No status line.</translation>
    </message>
    <message>
        <source>текущие показания прибора («Обновить»)</source>
        <translation>the meter&apos;s live values (&quot;Refresh&quot;)</translation>
    </message>
    <message>
        <source>Двенадцать строк «подпись значение», затем строка статуса.</source>
        <translation>Twelve lines &quot;caption value&quot;, then the status line.</translation>
    </message>
    <message>
        <source>очистить счётчики прибора («Очистить»)</source>
        <translation>clear the meter&apos;s totals (&quot;Clear&quot;)</translation>
    </message>
    <message>
        <source>Спрашивает подтверждение (без терминала ответ «Да» даёт --yes) и после записи читает очищенное обратно.</source>
        <translation>Asks for confirmation (without a terminal --yes answers Yes) and reads back what it cleared.</translation>
    </message>
    <message>
        <source>прочитать суточный архив с FROM по TO</source>
        <translation>read the daily archive from FROM to TO</translation>
    </message>
    <message>
        <source>FROM и TO — даты дд.мм.гггг или гггг-мм-дд. --save FILE сохраняет прочитанное: формат по расширению FILE (.txt, .xls, .csv, .xlsx, .json) или по --format; --save - выводит его на стандартный вывод, а строки отчёта и статуса — на стандартный поток ошибок.</source>
        <translation>FROM and TO are dates dd.mm.yyyy or yyyy-mm-dd. --save FILE saves the readout: the format by FILE&apos;s extension (.txt, .xls, .csv, .xlsx, .json) or by --format; --save - writes it to standard output, and the report and status lines to standard error.</translation>
    </message>
    <message>
        <source>прочитать минутный архив с FROM по TO</source>
        <translation>read the minute archive from FROM to TO</translation>
    </message>
    <message>
        <source>Аргументы и --save — как у daily.</source>
        <translation>Arguments and --save as for daily.</translation>
    </message>
    <message>
        <source>прочитать настройки прибора</source>
        <translation>read the meter&apos;s settings</translation>
    </message>
    <message>
        <source>Печатает 33 строки файла настроек, дату и время прибора; --save FILE записывает файл настроек (--save - — на стандартный вывод).</source>
        <translation>Prints the 33 lines of the settings file, the meter&apos;s date and time; --save FILE writes the settings file (--save - to standard output).</translation>
    </message>
    <message>
        <source>записать в прибор настройки из файла FILE</source>
        <translation>write the settings of the file FILE into the meter</translation>
    </message>
    <message>
        <source>--date и --time ставят часы прибора (по умолчанию — часы ПК), --clear-daily и --clear-minute очищают архивы, --dry-run только показывает отличия от прибора и ничего не пишет. Спрашивает подтверждение (--yes).</source>
        <translation>--date and --time set the meter&apos;s clock (default: the PC&apos;s clock), --clear-daily and --clear-minute clear the archives, --dry-run only shows what differs from the meter and writes nothing. Asks for confirmation (--yes).</translation>
    </message>
    <message>
        <source>сравнить настройки прибора с файлом FILE</source>
        <translation>compare the meter&apos;s settings with the file FILE</translation>
    </message>
    <message>
        <source>Одна строка на отличающееся поле: «поле значение_прибора -&gt; значение_файла». Код выхода 0 — отличий нет, 3 — есть.</source>
        <translation>One line per field that differs: &quot;field meter_value -&gt; file_value&quot;. Exit status 0: nothing differs, 3: something does.</translation>
    </message>
    <message>
        <source>версия и дата файла прошивки FILE</source>
        <translation>version and date of the firmware image FILE</translation>
    </message>
    <message>
        <source>Прибор не нужен.</source>
        <translation>No meter needed.</translation>
    </message>
    <message>
        <source>записать в прибор прошивку из FILE</source>
        <translation>program the meter with the firmware image FILE</translation>
    </message>
    <message>
        <source>Только через последовательный порт (--port): канал КВЗ-клиента прошивку не передаёт.</source>
        <translation>Only through a serial port (--port): the remote-access client&apos;s pipe does not carry firmware.</translation>
    </message>
    <message>
        <source>расчёт коэффициента коррекции</source>
        <translation>the correction coefficient calculator</translation>
    </message>
    <message>
        <source>Числа пишутся по правилам --locale. --tmax и --tmin берут вязкости из таблицы воды; --firmware N — байт версии прошивки (по умолчанию 0).</source>
        <translation>Numbers are written as --locale writes them. --tmax and --tmin take the viscosities from the water table; --firmware N is the firmware version byte (default 0).</translation>
    </message>
    <message>
        <source>расчёт расстояния между ПЭП</source>
        <translation>the transducer spacing calculator</translation>
    </message>
    <message>
        <source>--t-down и --t-up — время прохождения сигнала по потоку и против потока, мкс; --temp — температура воды, гр.С.</source>
        <translation>--t-down and --t-up are the signal&apos;s transit times with and against the flow, µs; --temp is the water temperature, °C.</translation>
    </message>
    <message>
        <source>расчёт минимального веса импульса</source>
        <translation>the minimum pulse weight calculator</translation>
    </message>
    <message>
        <source>--rate — наибольшее число импульсов в секунду (по умолчанию 16).</source>
        <translation>--rate is the largest number of pulses per second (default 16).</translation>
    </message>
    <message>
        <source>нужен один файл прошивки FILE</source>
        <translation>expected one firmware image FILE</translation>
    </message>
    <message>
        <source>Справка: zetra-cli --help</source>
        <translation>Try &apos;zetra-cli --help&apos;.</translation>
    </message>
    <message>
        <source>неизвестный язык %1 (есть: %2)</source>
        <translation>unknown language %1 (known: %2)</translation>
    </message>
    <message>
        <source>не указана команда</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>неизвестная команда %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>неизвестная локаль %1</source>
        <translation>unknown locale %1</translation>
    </message>
    <message>
        <source>--log нужно имя файла</source>
        <translation>--log needs a file name</translation>
    </message>
    <message>
        <source>не удаётся писать журнал %1: %2</source>
        <translation>cannot write the log %1: %2</translation>
    </message>
    <message>
        <source>последовательный порт: путь к устройству (/dev/ttyUSB0) или имя из списка портов (ttyUSB0, COM3)</source>
        <translation>serial port: a device path (/dev/ttyUSB0) or a port name as the port list shows it (ttyUSB0, COM3)</translation>
    </message>
    <message>
        <source>канал КВЗ-клиента (kwz_pipe) вместо порта; имя без пути лежит во временной папке. Без --port и --pipe — первый порт списка</source>
        <translation>the remote-access client&apos;s pipe (kwz_pipe) instead of a port; a bare name lives in the temporary folder. Neither --port nor --pipe: the first entry of the port list</translation>
    </message>
    <message>
        <source>отвечать «Да» на вопросы подтверждения; без него вопрос задаётся на терминале, а без терминала ответ — «Нет»</source>
        <translation>answer Yes to the confirmation questions; without it the question is asked on the terminal, and without a terminal the answer is No</translation>
    </message>
    <message>
        <source>запись чисел и дат, например ru_RU или en_US; по умолчанию — локаль системы</source>
        <translation>how numbers and dates are written, e.g. ru_RU or en_US; default: the system&apos;s locale</translation>
    </message>
    <message>
        <source>язык текстов программы: ru (по умолчанию) или en</source>
        <translation>language of the program&apos;s texts: ru (the default) or en</translation>
    </message>
    <message>
        <source>каждый кадр обмена на стандартный поток ошибок (&gt; отправлен, &lt; принят)</source>
        <translation>every frame exchanged to standard error (&gt; sent, &lt; received)</translation>
    </message>
    <message>
        <source>один объект JSON на стандартный вывод вместо строк текста</source>
        <translation>one JSON object on standard output instead of the text lines</translation>
    </message>
    <message>
        <source>дописывать журнал обмена в FILE (время, направление, байты, смысл)</source>
        <translation>append the exchange log to FILE (time, direction, bytes, meaning)</translation>
    </message>
    <message>
        <source>строки хода выполнения, даже когда стандартный поток ошибок — не терминал</source>
        <translation>progress lines even when standard error is not a terminal</translation>
    </message>
    <message>
        <source>без хода выполнения и без необязательных сообщений на стандартном потоке ошибок; ошибки остаются</source>
        <translation>no progress and no non-essential messages on standard error; errors stay</translation>
    </message>
    <message>
        <source>эта справка; COMMAND --help — справка по команде</source>
        <translation>this help; COMMAND --help: the command&apos;s help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>the program&apos;s version</translation>
    </message>
    <message>
        <source>%1 и %2 исключают друг друга</source>
        <translation>%1 and %2 exclude each other</translation>
    </message>
    <message>
        <source>Использование: zetra-cli [ПАРАМЕТРЫ] COMMAND [АРГУМЕНТЫ]</source>
        <translation>Usage: zetra-cli [OPTIONS] COMMAND [ARGUMENTS]</translation>
    </message>
    <message>
        <source>Показания, архивы, настройки и прошивка расходомера ЗЕТРА из терминала и сценариев.</source>
        <translation>Live values, archives, settings and firmware of the ZETRA flowmeter from a terminal or a script.</translation>
    </message>
    <message>
        <source>Параметры (до или после команды):</source>
        <translation>Options (before or after the command):</translation>
    </message>
    <message>
        <source>вместо %1, когда его нет в командной строке</source>
        <translation>stands for %1 when the command line has none</translation>
    </message>
    <message>
        <source>Команды:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>zetra-cli help COMMAND или zetra-cli COMMAND --help показывает аргументы команды и пример. Даты пишутся дд.мм.гггг или гггг-мм-дд. Параметр -- заканчивает параметры.</source>
        <translation>zetra-cli help COMMAND or zetra-cli COMMAND --help shows the command&apos;s arguments and an example. Dates are written dd.mm.yyyy or yyyy-mm-dd. The option -- ends the options.</translation>
    </message>
    <message>
        <source>Окружение:</source>
        <translation>Environment:</translation>
    </message>
    <message>
        <source>действие удалось</source>
        <translation>the action succeeded</translation>
    </message>
    <message>
        <source>действие не удалось</source>
        <translation>the action did not succeed</translation>
    </message>
    <message>
        <source>ошибка в командной строке</source>
        <translation>a usage error on the command line</translation>
    </message>
    <message>
        <source>настройки прибора отличаются от файла (settings-diff, settings-write --dry-run)</source>
        <translation>the meter&apos;s settings differ from the file (settings-diff, settings-write --dry-run)</translation>
    </message>
    <message>
        <source>действие прервано сигналом SIGINT или SIGTERM</source>
        <translation>the action was cancelled by SIGINT or SIGTERM</translation>
    </message>
    <message>
        <source>Коды выхода:</source>
        <translation>Exit status:</translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>Использование:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>Пример:</source>
        <translation>Example:</translation>
    </message>
    <message>
        <source>help принимает одно имя команды</source>
        <translation>help takes one command name</translation>
    </message>
    <message>
        <source>нужен один файл настроек FILE</source>
        <translation>expected one settings FILE</translation>
    </message>
    <message>
        <source>--format %1 не подходит к имени файла %2: его расширение называет формат %3</source>
        <translation>--format %1 does not go with the file name %2: its extension names the format %3</translation>
    </message>
    <message>
        <source>чтение в хранилище только новых записей архивов</source>
        <translation>read only the archives&apos; new records into the store</translation>
    </message>
    <message>
        <source>Перечитывает последнюю сохранённую запись и, если она не изменилась, читает только более новые; иначе — весь архив. По умолчанию all.</source>
        <translation>Reads the newest stored record again and, when it is unchanged, only the newer ones; otherwise the whole archive. Default: all.</translation>
    </message>
    <message>
        <source>приборы в хранилище</source>
        <translation>the meters in the store</translation>
    </message>
    <message>
        <source>По строке на прибор: заводской номер, дата выпуска, сохранённые дни, последнее обслуживание и уход часов.</source>
        <translation>One line per meter: serial number, manufacture date, stored days, last visit and clock drift.</translation>
    </message>
    <message>
        <source>сохранённый архив прибора из хранилища</source>
        <translation>a meter&apos;s stored archive from the store</translation>
    </message>
    <message>
        <source>Суточный (--minute: минутный) отчёт по сохранённым записям; без FROM и TO — всё сохранённое. Номер двух приборов требует --manufactured.</source>
        <translation>The daily (--minute: minute) report of the stored records; without FROM and TO, everything stored. A serial number held by two meters needs --manufactured.</translation>
    </message>
    <message>
        <source>без хранилища (как ZETRA_STORE=none): прочитанное не сохраняется</source>
        <translation>no store (as ZETRA_STORE=none): nothing read is kept</translation>
    </message>
    <message>
        <source>хранилище: файл SQLite или postgresql://USER@HOST[:PORT]/DB; по умолчанию $ZETRA_STORE, иначе meters.sqlite в папке данных</source>
        <translation>the meter store: an SQLite file or postgresql://USER@HOST[:PORT]/DB; default: $ZETRA_STORE, else meters.sqlite in the data folder</translation>
    </message>
    <message>
        <source>обслуживание прибора одним действием, с актом</source>
        <translation>the service visit as one action, with its act</translation>
    </message>
    <message>
        <source>По порядку: текущие значения и часы, настройки, новые записи обоих архивов в хранилище; с --set-clock после вопроса — часы прибора по ПК (без терминала ответ «Да» даёт --yes). --pdf FILE пишет акт визита.</source>
        <translation>In order: the live values and the clock, the settings, the new records of both archives into the store; with --set-clock, after the question, the meter&apos;s clock set to the PC&apos;s (without a terminal --yes answers Yes). --pdf FILE writes the visit&apos;s act.</translation>
    </message>
    <message>
        <source>не указан файл акта после --pdf</source>
        <translation>--pdf needs the act&apos;s file name</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Перевод стандартных окон Qt не найден в %1</source>
        <translation>Qt&apos;s own translation not found in %1</translation>
    </message>
    <message>
        <source>Использование: zetra [--pipe NAME] [--lang LANG]</source>
        <translation>Usage: zetra [--pipe NAME] [--lang LANG]</translation>
    </message>
    <message>
        <source>Окно сервисной программы расходомера ЗЕТРА: показания, архивы, настройки, прошивка и расчёты.</source>
        <translation>The service window of the ZETRA flowmeter: live values, archives, settings, firmware and calculators.</translation>
    </message>
    <message>
        <source>Параметры:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>  --pipe NAME   начать с канала КВЗ-клиента NAME</source>
        <translation>  --pipe NAME   start on the remote-access client&apos;s pipe NAME</translation>
    </message>
    <message>
        <source>  --lang LANG   язык текстов программы: ru (по умолчанию) или en</source>
        <translation>  --lang LANG   language of the program&apos;s texts: ru (the default) or en</translation>
    </message>
    <message>
        <source>  --help        эта справка</source>
        <translation>  --help        this help</translation>
    </message>
    <message>
        <source>  --version     версия программы</source>
        <translation>  --version     the program&apos;s version</translation>
    </message>
    <message>
        <source>Окну нужен дисплей; параметры Qt (-platform, -display) также действуют.</source>
        <translation>The window needs a display; Qt&apos;s options (-platform, -display) apply as well.</translation>
    </message>
</context>
</TS>
