<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>Archive</name>
    <message>
        <source>Архив недоступен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка. Указан неверный интервал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка. Указана дата начала больше даты окончания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение суточного архива...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение минутного архива...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершено успешно. Прочитано </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> записей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершено c </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ошибками при передаче</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка. Прибор сообщил неверное время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Прибор неисправен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Датчики не подключены.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Oшибки в измерениях.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Низкое напряжение питания.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Задействован последовательный интерфейс RS232.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Режим программирования.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ошибка при передаче данных...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка при передаче данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив с </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив с </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> по </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В архиве нет записей для этого интервала дат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итого:    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итого:          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата, время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объём,м3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время работы, часов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время работы, секунд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>События</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итого</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текстовый файл (*.txt);;таблица Excel (*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Архив не прочитан: нажмите «Читать», затем сохраните</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся записать файл </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>таблица CSV (*.csv);;книга Excel 2007 (*.xlsx);;данные JSON (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив прибора: с %1 по %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив прибора: с %1 по %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив. Прервано: прочитано с %1 по %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив. Прервано: прочитано с %1 по %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив. Прервано: ничего не прочитано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив. Прервано: ничего не прочитано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прервано: итог прочитанного</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveChart</name>
    <message>
        <source>Архив не прочитан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>м3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>м3/ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объём, м3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время работы, ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объём за минуту, м3 (справа: расход, м3/ч)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>События</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объём за минуту, м3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расход, м3/ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>График</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рисунок PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculators</name>
    <message>
        <source>сталь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новые цельнотянутые, не бывшие в эксплуатации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>холоднотянутые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>горячетянутые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прокатные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новые сварные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>бывшие в эксплуатации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с незначительным налетом ржавчины</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ржавая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>битуминированные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>оцинкованные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>чугун</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ржавые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с накипью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>асбоцемент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>необлицованная, обычная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура должна быть от %1 до %2 °С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max 149°С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калькулятор коэффициента коррекции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калькулятор длины канала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калькулятор веса импульса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр, мм:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол, градусов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шероховатость трубы:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тмакс., гр.С:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тмин., гр.С:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вязкость мин. 1Е-6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вязкость макс. 1Е-6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость макс., м/с:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расход макс., м3/ч:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент коррекции:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент B:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент C:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tпо, мкс:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tпротив, мкс:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура, гр.С:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние между ПЭП, мм:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс. кол-во импульсов/c:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный допустимый вес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>импульса, литров/импульс:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cancel</name>
    <message>
        <source>Прервано пользователем. Прочитано %1 записей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прервано пользователем. Очищено %1 записей из %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прошивку нельзя прервать после команды стирания: прибор без полной программы не работает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись настроек не прерывается: область настроек не должна остаться записанной наполовину</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выполняется обмен с прибором. Прервать его и закрыть программу?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие будет прервано, когда запись завершится</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прошивка будет доведена до конца</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>%1.%2.%3г.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeLog</name>
    <message>
        <source>канал %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>порт %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Соединение: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>порт не найден</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Нет прав на порт: добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER) и войдите в систему заново</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся открыть %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итог: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыт: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыт: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>через канал КВЗ-клиента прибор не программируется: нужен последовательный порт</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeLogWindow</name>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал обмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить журнал обмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt *.log)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить журнал обмена в файл %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSave</name>
    <message>
        <source>это не обычный файл, он не будет заменён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>никто не читает из этого канала (FIFO)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Версия прошивки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата создания:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл прошивки ЗЕТРА (*.zet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся прочитать файл прошивки<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл прошивки должен содержать 7680 байт,<byte value="xd"/>а в файле %1 их %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы действительно хотите начать прошивку?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сейчас программа прибора будет перепрошита.<byte value="xd"/>Желательно закрыть другие работающие приложения.<byte value="xd"/>Это может занять некоторое время, пожалуйста дождитесь окончания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось войти в режим программирования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программирование...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершено c ошибками. Повторите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год даты прошивки %1 не помещается в прибор, записана дата %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>ЗЕТРА (автономный) v1.16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Информация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Архив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>суточный (2 года)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>минутный (5 суток)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>по</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройка прибора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип врезки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВТК-А (осевое)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВТК-Б (диаметральное)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тип 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тип 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочая среда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нефтепродукты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период измерения, сек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внутренний диаметр трубы, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние между мембранами, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калькулятор расстояния между ПЭПами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол наклона акустического канала, град.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина кабеля, м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение &quot;окна&quot;, мкс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент коррекции K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калькулятор коэффициентов коррекции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсечка нуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>м3/ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вес импульса, литров/импульс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калькулятор веса импульса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение нуля, мкс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>щёлкните 2 раза для вставки текущего времени компьютера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистка архивов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>суточного</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>минутного</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить из файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбранный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c:\windows\system32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия прошивки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата создания:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать прошивку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запуск перепрограммирования прибора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия 1.16 - версия для приборов с минутным архивом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбор порта, к которому подключен прибор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>загрузить настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сохранить настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сравнить настройки прибора с формой, ничего не записывая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вставить текущие дату и время компьютера</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Калькулятор коэффициента коррекции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр, мм:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол, градусов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шероховатость трубы:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тмакс., гр.С:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вязкость мин. 1Е-6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,3653</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тмин., гр.С:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вязкость макс. 1Е-6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,3080</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость макс., м/с:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расход макс., м3/ч:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент коррекции:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент B:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент C:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сталь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новые цельнотянутые, не бывшие в эксплуатации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>бывшие в эксплуатации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>битуминированные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>оцинкованные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>чугун</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>асбоцемент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>холоднотянутые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>горячетянутые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прокатные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новые сварные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с незначительным налетом ржавчины</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ржавая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ржавые</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с накипью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>необлицованная, обычная</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Калькулятор длины канала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tпо, мкс:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tпротив, мкс:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура, гр.С:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние между ПЭП, мм:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Калькулятор веса импульса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр, мм:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость макс., м/с:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расход макс., м3/ч:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс. кол-во импульсов/c:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный допустимый вес
импульса, литров/импульс:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryTab</name>
    <message>
        <source>Показать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приборы в хранилище</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Визиты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>по</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В хранилище нет приборов: синхронизируйте прибор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>№ %1 от %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Акт обслуживания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>акт %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>документ PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Акт визита записан: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Info</name>
    <message>
        <source>Текущий расход, м3/ч:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость потока, м/с:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Накопленный объём, м3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время работы, часов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время простоя, часов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение батареи, В:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внутренняя дата:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внутреннее время:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Серийный номер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата изготовления:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия прошивки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата последней прошивки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ч %2 мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 сут %2 ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПК: %1, прибор отстаёт на %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПК: %1, прибор спешит на %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoTab</name>
    <message>
        <source>Значения прочитаны %1, не текущие</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoFontDialog</name>
    <message>
        <source>Чёрный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Бордовый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зелёный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оливковый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тёмно-синий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фиолетовый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сине-зелёный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Серый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Серебристый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Красный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ярко-зелёный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Жёлтый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фуксия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Голубой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Белый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цвет:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortList</name>
    <message>
        <source>КВЗ-клиент</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>осталось</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Диаметр указан неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>База указана неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>База не может быть меньше 60мм.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол указан неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина кабеля указана неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина кабеля не может быть отрицательным числом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент К указан неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент К не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент К вне допустимого диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент А указан неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент А не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент А вне допустимого диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент B указан неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент B не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент B вне допустимого диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент С указан неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент С не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент С вне допустимого диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсечка нуля указана неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсечка нуля не может быть отрицательным числом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсечка нуля вне допустимого диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вес импульса указан неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вес импульса не может быть отрицательным числом<byte value="xd"/>или равен 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение нуля указано неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение нуля вне допустимого диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройка прибора...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программирование запрещено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы действительно хотите применить<byte value="xd"/>новые настройки к прибору?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистка суточного архива...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистка минутного архива...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время указано неверно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение окна слишком мало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы действительно хотите очистить значения<byte value="xd"/>объёма жидкости, времени наработки и<byte value="xd"/>времени простоя прибора?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистка запрещена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистка накопления...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол не может быть больше 90 градусов<byte value="xd"/>или равен 90 градусам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - не число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл с настройками (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки не записаны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Архив прибора недоступен, очистка не выполнена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр слишком велик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр слишком мал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>База слишком велика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол слишком велик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина кабеля слишком велика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вес импульса слишком велик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение окна слишком велико</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент К, база и диаметр дают<byte value="xd"/>недопустимый путевой коэффициент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата не может быть раньше 01.01.2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата не может быть позже 06.06.2179</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся прочитать файл настроек<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл настроек неполный (меньше 33 строк)<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение окна в файле настроек указано неверно<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся записать файл настроек<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл настроек слишком велик, это не файл настроек<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1 файла настроек должна начинаться с &quot;%2&quot;<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В строке %1 файла настроек нет ни &quot;%2&quot;, ни &quot;%3&quot;<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начало окна, мкс:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка сигнала:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Константа задержки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Площадь сечения трубы, см2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путевой коэффициент:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата последней записи настроек:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Час последней записи настроек:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки прибора совпадают с формой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 в приборе %2, записано %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив будет очищен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив будет очищен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Часы прибора будут установлены на %1 (время ПК %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Накопление не обнулено: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>байт настроек %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>память %1: не нулевых байт %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 не очищен: после очистки не пусты записи: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Настройки прибора отличаются от формы (%n полей):</source>
        <translation>
            <numerusform>Настройки прибора отличаются от формы (%n поле):</numerusform>
            <numerusform>Настройки прибора отличаются от формы (%n поля):</numerusform>
            <numerusform>Настройки прибора отличаются от формы (%n полей):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Настройки в приборе не совпадают с записанными (%n полей):</source>
        <translation>
            <numerusform>Настройки в приборе не совпадают с записанными (%n поле):</numerusform>
            <numerusform>Настройки в приборе не совпадают с записанными (%n поля):</numerusform>
            <numerusform>Настройки в приборе не совпадают с записанными (%n полей):</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Хранилище %1 недоступно: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>хранилище записано более новой версией программы (схема %1, эта программа знает схему до %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается путь к файлу или postgresql://ПОЛЬЗОВАТЕЛЬ@СЕРВЕР[:ПОРТ]/БАЗА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>хранилище отключено (--no-store, ZETRA_STORE=none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, конфликтов %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, не прочитано %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 от %2: сутки %3, минуты %4, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет записей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>визитов нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>последний визит %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>последний визит %1, часы прибора %2 с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прибора %1 нет в хранилище</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В хранилище несколько приборов с номером %1: укажите --manufactured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В хранилище минуты %1; отчёт вмещает 45 суток и показывает минуты с %2. Другие сутки: укажите FROM и TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>История</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время;Действие;Итог;Уход часов, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутная история показывается не больше чем за %1 суток: выберите диапазон короче</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Суточный архив: прочитано %n записей</source>
        <translation>
            <numerusform>Суточный архив: прочитана %n запись</numerusform>
            <numerusform>Суточный архив: прочитано %n записи</numerusform>
            <numerusform>Суточный архив: прочитано %n записей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Минутный архив: прочитано %n записей</source>
        <translation>
            <numerusform>Минутный архив: прочитана %n запись</numerusform>
            <numerusform>Минутный архив: прочитано %n записи</numerusform>
            <numerusform>Минутный архив: прочитано %n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>, новых %1</source>
        <translation>, новых %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Обновить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Читать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Применить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Осталось времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал обмена (Ctrl+L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ж</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В приборе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В форме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обслуживание…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Акт…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Visit</name>
    <message>
        <source>Установить часы прибора по времени ПК?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Часы прибора не установлены: записано %1, прочитано %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VisitAct</name>
    <message>
        <source>0 с (часы идут верно)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+%1 с (прибор спешит)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>−%1 с (прибор отстаёт)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не выполнялась: ответ «Нет»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не завершён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>батарея разряжена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пониженное питание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка измерения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>визита %1 нет в хранилище</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Акт обслуживания расходомера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расходомер ЗЕТРА, заводской № %1, визит № %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прибор и визит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заводской номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата изготовления</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата прошивки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата и время визита</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инженер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущие значения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Часы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время прибора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время ПК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расхождение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Часы установлены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки не прочитаны.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настроек прошлых визитов в хранилище нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С прошлого визита (%1) настройки не изменились.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* изменено с прошлого визита (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записей нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив в хранилище</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив в хранилище</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив: прочитано в этот визит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив: прочитано в этот визит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не читался</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записей %1, новых %2, не прочитано %3, конфликтов %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив: ждут чтения, дней</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минутный архив: ждут чтения, минут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объём по месяцам, м3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>События за последние 60 суток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Событий нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный архив за последние 60 суток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущие значения и часы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение настроек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение архивов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установка часов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Визит в целом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Представитель заказчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«____» ______________ 20____ г.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Акт обслуживания расходомера, заводской № %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не записан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип врезки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочая среда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период измерения, сек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внутренний диаметр трубы, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние между мембранами, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол наклона акустического канала, град.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина кабеля, м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент коррекции K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправочный коэффициент C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсечка нуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вес импульса, литров/импульс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение нуля, мкс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение окна, мкс</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VisitDialog</name>
    <message>
        <source>Обслуживание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Установить часы прибора по ПК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>без акта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Акт обслуживания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>документ PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инженер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Акт (PDF):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zetra</name>
    <message>
        <source>ЗЕТРА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Присоедините прибор и нажмите &lt;Обновить&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ждите...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся открыть порт </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прибор не отвечает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Несовместимое устройство</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершено успешно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершено с ошибками</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Передача параметров...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прервано пользователем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЗЕТРА (автономный) v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с прибором потеряна: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранено: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Причина: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл не сохранён: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл не сохранён: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>--format указывают вместе с --save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save нужно имя файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format принимает txt, xls, csv, xlsx или json, а не %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 принимает две даты: FROM и TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужен параметр %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>у команды %1 нет аргументов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужен один из параметров --velocity и --flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--firmware принимает байт версии прошивки 0..255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save - и --json не сочетаются: оба пишут на стандартный вывод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>параметру %1 нужно значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>стандартный вывод закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверная дата %1 (нужно дд.мм.гггг или гггг-мм-дд)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ответ «Нет»: стандартный ввод — не терминал. Ответ «Да» даёт параметр --yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>справка по программе или по команде COMMAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>То же, что COMMAND --help: аргументы команды и пример.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>список портов, как окно заполняет его при запуске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одна строка на порт в порядке списка; последняя строка — канал КВЗ-клиента. Строки статуса нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текущие показания прибора («Обновить»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Двенадцать строк «подпись значение», затем строка статуса.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очистить счётчики прибора («Очистить»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спрашивает подтверждение (без терминала ответ «Да» даёт --yes) и после записи читает очищенное обратно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прочитать суточный архив с FROM по TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FROM и TO — даты дд.мм.гггг или гггг-мм-дд. --save FILE сохраняет прочитанное: формат по расширению FILE (.txt, .xls, .csv, .xlsx, .json) или по --format; --save - выводит его на стандартный вывод, а строки отчёта и статуса — на стандартный поток ошибок.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прочитать минутный архив с FROM по TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аргументы и --save — как у daily.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прочитать настройки прибора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печатает 33 строки файла настроек, дату и время прибора; --save FILE записывает файл настроек (--save - — на стандартный вывод).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записать в прибор настройки из файла FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--date и --time ставят часы прибора (по умолчанию — часы ПК), --clear-daily и --clear-minute очищают архивы, --dry-run только показывает отличия от прибора и ничего не пишет. Спрашивает подтверждение (--yes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сравнить настройки прибора с файлом FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Одна строка на отличающееся поле: «поле значение_прибора -&gt; значение_файла». Код выхода 0 — отличий нет, 3 — есть.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия и дата файла прошивки FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прибор не нужен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записать в прибор прошивку из FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Только через последовательный порт (--port): канал КВЗ-клиента прошивку не передаёт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расчёт коэффициента коррекции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Числа пишутся по правилам --locale. --tmax и --tmin берут вязкости из таблицы воды; --firmware N — байт версии прошивки (по умолчанию 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расчёт расстояния между ПЭП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--t-down и --t-up — время прохождения сигнала по потоку и против потока, мкс; --temp — температура воды, гр.С.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>расчёт минимального веса импульса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rate — наибольшее число импульсов в секунду (по умолчанию 16).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужен один файл прошивки FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка: zetra-cli --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный язык %1 (есть: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указана команда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестная команда %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестная локаль %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--log нужно имя файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удаётся писать журнал %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>последовательный порт: путь к устройству (/dev/ttyUSB0) или имя из списка портов (ttyUSB0, COM3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>канал КВЗ-клиента (kwz_pipe) вместо порта; имя без пути лежит во временной папке. Без --port и --pipe — первый порт списка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отвечать «Да» на вопросы подтверждения; без него вопрос задаётся на терминале, а без терминала ответ — «Нет»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись чисел и дат, например ru_RU или en_US; по умолчанию — локаль системы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>язык текстов программы: ru (по умолчанию) или en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>каждый кадр обмена на стандартный поток ошибок (&gt; отправлен, &lt; принят)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>один объект JSON на стандартный вывод вместо строк текста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дописывать журнал обмена в FILE (время, направление, байты, смысл)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строки хода выполнения, даже когда стандартный поток ошибок — не терминал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>без хода выполнения и без необязательных сообщений на стандартном потоке ошибок; ошибки остаются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>эта справка; COMMAND --help — справка по команде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 и %2 исключают друг друга</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использование: zetra-cli [ПАРАМЕТРЫ] COMMAND [АРГУМЕНТЫ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показания, архивы, настройки и прошивка расходомера ЗЕТРА из терминала и сценариев.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры (до или после команды):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вместо %1, когда его нет в командной строке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команды:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zetra-cli help COMMAND или zetra-cli COMMAND --help показывает аргументы команды и пример. Даты пишутся дд.мм.гггг или гггг-мм-дд. Параметр -- заканчивает параметры.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Окружение:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>действие удалось</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>действие не удалось</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка в командной строке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>настройки прибора отличаются от файла (settings-diff, settings-write --dry-run)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>действие прервано сигналом SIGINT или SIGTERM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коды выхода:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПАРАМЕТРЫ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использование:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пример:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>help принимает одно имя команды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужен один файл настроек FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format %1 не подходит к имени файла %2: его расширение называет формат %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>чтение в хранилище только новых записей архивов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перечитывает последнюю сохранённую запись и, если она не изменилась, читает только более новые; иначе — весь архив. По умолчанию all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>приборы в хранилище</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По строке на прибор: заводской номер, дата выпуска, сохранённые дни, последнее обслуживание и уход часов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сохранённый архив прибора из хранилища</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суточный (--minute: минутный) отчёт по сохранённым записям; без FROM и TO — всё сохранённое. Номер двух приборов требует --manufactured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>без хранилища (как ZETRA_STORE=none): прочитанное не сохраняется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>хранилище: файл SQLite или postgresql://USER@HOST[:PORT]/DB; по умолчанию $ZETRA_STORE, иначе meters.sqlite в папке данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>обслуживание прибора одним действием, с актом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По порядку: текущие значения и часы, настройки, новые записи обоих архивов в хранилище; с --set-clock после вопроса — часы прибора по ПК (без терминала ответ «Да» даёт --yes). --pdf FILE пишет акт визита.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указан файл акта после --pdf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Перевод стандартных окон Qt не найден в %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использование: zetra [--pipe NAME] [--lang LANG]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Окно сервисной программы расходомера ЗЕТРА: показания, архивы, настройки, прошивка и расчёты.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --pipe NAME   начать с канала КВЗ-клиента NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --lang LANG   язык текстов программы: ru (по умолчанию) или en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --help        эта справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  --version     версия программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Окну нужен дисплей; параметры Qt (-platform, -display) также действуют.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
