#include "documents/VisitAct.h"

#include "archive/ArchiveRecord.h"
#include "archive/ArchiveReport.h"
#include "charts/ArchiveChart.h"
#include "core/Outcome.h"
#include "device/DeviceDates.h"
#include "device/FileSave.h"
#include "store/History.h"
#include "store/Store.h"
#include "store/Visit.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QImage>
#include <QLocale>
#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <map>

namespace documents {

namespace {

// The page as the document lays it out: A4 at 96 dots an inch, 15 mm margins.
constexpr double kPageWidth = 793.7;
constexpr double kPageHeight = 1122.5;
constexpr double kMargin = 56.7;
constexpr int kChartDays = 60;
constexpr int kTotalMonths = 12;

// The act's fonts, from their files, so that it looks the same on every machine; the family
// the document asks for, or empty when the files are not there.
QString actFamily() {
    static const QString family = [] {
        QString found;
        for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                 "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            if (id >= 0 && found.isEmpty() && !QFontDatabase::applicationFontFamilies(id).isEmpty())
                found = QFontDatabase::applicationFontFamilies(id).first();
        }
        return found;
    }();
    return family;
}

QString esc(const QString& s) { return s.toHtmlEscaped(); }

QString row(const QString& caption, const QString& value, bool marked = false) {
    const QString cell = marked ? QStringLiteral("<td><b>%1</b> *</td>").arg(esc(value))
                                : QStringLiteral("<td>%1</td>").arg(esc(value));
    return QStringLiteral("<tr><td width=\"45%\" class=\"c\">%1</td>%2</tr>")
        .arg(esc(caption), cell);
}

QString table(const QString& rows) {
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">") + rows +
           QStringLiteral("</table>");
}

QString heading(const QString& text) { return QStringLiteral("<h3>%1</h3>").arg(esc(text)); }

QString dash() { return QStringLiteral("—"); }

QString driftText(const std::optional<qint64>& drift) {
    if (!drift)
        return dash();
    const qint64 s = *drift;
    if (s == 0)
        return QCoreApplication::translate("VisitAct", "0 с (часы идут верно)");
    const QString n = QString::number(s > 0 ? s : -s);
    return s > 0 ? QCoreApplication::translate("VisitAct", "+%1 с (прибор спешит)").arg(n)
                 : QCoreApplication::translate("VisitAct", "−%1 с (прибор отстаёт)").arg(n);
}

QString localTime(const std::optional<QDateTime>& t, const QLocale& locale) {
    return t ? locale.toString(*t, QStringLiteral("dd.MM.yyyy HH:mm:ss")) : dash();
}

QString dayText(const QDate& d, const QLocale& locale) {
    return d.isValid() ? locale.toString(d, QStringLiteral("dd.MM.yyyy")) : dash();
}

std::optional<core::Outcome::Kind> kindOfWord(const QString& word) {
    using Kind = core::Outcome::Kind;
    for (Kind k : {Kind::Succeeded, Kind::FinishedWithErrors, Kind::NoAnswer, Kind::PortNotOpened,
                   Kind::ForeignDevice, Kind::RefusedByMeter, Kind::InputRefused,
                   Kind::IntervalRefused, Kind::Declined, Kind::Cancelled, Kind::SaveFailed})
        if (store::outcomeWord(k) == word)
            return k;
    return std::nullopt;
}

QString outcomeText(const QString& word) {
    if (word == QLatin1String("declined"))
        return QCoreApplication::translate("VisitAct", "не выполнялась: ответ «Нет»");
    const std::optional<core::Outcome::Kind> kind = kindOfWord(word);
    if (!kind)
        return word.isEmpty() ? QCoreApplication::translate("VisitAct", "не завершён") : word;
    return core::statusText(core::Outcome::of(*kind)).value_or(word);
}

// The flags the Info tab's flow text shows.
QString stateText(const QString& flow) {
    if (flow.isEmpty())
        return dash();
    if (flow.startsWith(QLatin1String("Low Battery")))
        return QCoreApplication::translate("VisitAct", "батарея разряжена");
    if (flow.startsWith(QLatin1String("LP")))
        return QCoreApplication::translate("VisitAct", "пониженное питание");
    if (flow.trimmed() == QLatin1String("Error"))
        return QCoreApplication::translate("VisitAct", "ошибка измерения");
    return QCoreApplication::translate("VisitAct", "в норме");
}

struct SettingsRow {
    QString label, value;
};

// The captions of the settings file's sixteen labels, in the file's order, as the act shows them.
const char* const kSettingsCaptions[] = {
    QT_TRANSLATE_NOOP("VisitAct", "Тип врезки"),
    QT_TRANSLATE_NOOP("VisitAct", "Датчики"),
    QT_TRANSLATE_NOOP("VisitAct", "Рабочая среда"),
    QT_TRANSLATE_NOOP("VisitAct", "Период измерения, сек"),
    QT_TRANSLATE_NOOP("VisitAct", "Внутренний диаметр трубы, мм"),
    QT_TRANSLATE_NOOP("VisitAct", "Расстояние между мембранами, мм"),
    QT_TRANSLATE_NOOP("VisitAct", "Угол наклона акустического канала, град."),
    QT_TRANSLATE_NOOP("VisitAct", "Длина кабеля, м"),
    QT_TRANSLATE_NOOP("VisitAct", "Коэффициент коррекции K"),
    QT_TRANSLATE_NOOP("VisitAct", "Поправочный коэффициент A"),
    QT_TRANSLATE_NOOP("VisitAct", "Поправочный коэффициент B"),
    QT_TRANSLATE_NOOP("VisitAct", "Поправочный коэффициент C"),
    QT_TRANSLATE_NOOP("VisitAct", "Отсечка нуля"),
    QT_TRANSLATE_NOOP("VisitAct", "Вес импульса, литров/импульс"),
    QT_TRANSLATE_NOOP("VisitAct", "Смещение нуля, мкс"),
    QT_TRANSLATE_NOOP("VisitAct", "Смещение окна, мкс"),
};

// The settings of stored settings-file lines: each label line (it ends with a colon) with the
// value lines below it. A value of two lines is a unit and a number (the zero cutoff): the
// number comes first. The sixteen labels of a whole file are shown with the act's captions.
std::vector<SettingsRow> settingsRows(const QStringList& lines) {
    std::vector<SettingsRow> out;
    std::vector<QStringList> values;
    for (const QString& line : lines) {
        if (line.endsWith(QLatin1Char(':'))) {
            out.push_back({line.left(line.size() - 1), QString()});
            values.emplace_back();
        } else if (!values.empty()) {
            values.back() << line.trimmed();
        }
    }
    constexpr std::size_t kCaptions = sizeof kSettingsCaptions / sizeof *kSettingsCaptions;
    for (std::size_t i = 0; i < out.size(); ++i) {
        QStringList& v = values[i];
        if (v.size() == 2)
            v.swapItemsAt(0, 1);
        out[i].value = v.join(QLatin1Char(' '));
        if (out.size() == kCaptions)
            out[i].label = QCoreApplication::translate("VisitAct", kSettingsCaptions[i]);
    }
    return out;
}

QImage chartImage(store::Store& store, qint64 meterId, int lastDay, const QLocale& locale) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return {};
    const std::optional<store::history::Built> built = store::history::build(
        store, meterId, archive::Kind::Daily, lastDay - kChartDays + 1, lastDay, locale);
    if (!built)
        return {};
    charts::ArchiveChart chart(archive::Kind::Daily, built->archives);
    chart.setAttribute(Qt::WA_DontShowOnScreen);
    chart.resize(1100, 420);
    chart.refresh();
    return chart.grab().toImage();
}

} // namespace

QString writeVisitAct(store::Store& store, qint64 visitId, const QString& file) {
    const QLocale locale;
    const std::optional<store::VisitRecord> found = store.visit(visitId);
    if (!found)
        return store.error().isEmpty()
                   ? QCoreApplication::translate("VisitAct", "визита %1 нет в хранилище")
                         .arg(visitId)
                   : store.error();
    const store::VisitRecord& v = *found;
    const store::VisitFacts& f = v.facts;
    const auto items = store.items(visitId);
    const auto settingsNow = store.settings(visitId);
    const auto settingsBefore = store.previousSettings(v.meterId, visitId);
    const auto meters = store.meters();
    if (!items || !settingsNow || !settingsBefore || !meters)
        return store.error();
    QMap<QString, QString> info, steps, synced;
    for (const store::VisitItem& i : *items) {
        if (i.kind == QLatin1String("info"))
            info[i.item] = i.text;
        else if (i.kind == QLatin1String("step"))
            steps[i.item] = i.text;
        else if (i.kind == QLatin1String("sync"))
            synced[i.item] = i.text;
    }

    QString html;
    html += QStringLiteral("<h2 align=\"center\">%1</h2>")
                .arg(esc(QCoreApplication::translate("VisitAct", "Акт обслуживания расходомера")));
    html += QStringLiteral("<p align=\"center\">%1</p>")
                .arg(esc(QCoreApplication::translate("VisitAct",
                                                     "Расходомер ЗЕТРА, заводской № %1, визит № %2")
                             .arg(v.identity.serial)
                             .arg(v.id)));

    // The meter and the visit.
    html += heading(QCoreApplication::translate("VisitAct", "Прибор и визит"));
    html += table(
        row(QCoreApplication::translate("VisitAct", "Заводской номер"),
            QString::number(v.identity.serial)) +
        row(QCoreApplication::translate("VisitAct", "Дата изготовления"),
            dayText(v.identity.manufactured, locale)) +
        row(QCoreApplication::translate("VisitAct", "Версия прошивки"),
            info.value(QStringLiteral("firmware_version"),
                       f.firmwareVersion ? QString::number(*f.firmwareVersion) : QString())) +
        row(QCoreApplication::translate("VisitAct", "Дата прошивки"),
            dayText(f.firmwareDate, locale)) +
        row(QCoreApplication::translate("VisitAct", "Дата и время визита"),
            locale.toString(v.startedUtc.toLocalTime(), QStringLiteral("dd.MM.yyyy HH:mm"))) +
        row(QCoreApplication::translate("VisitAct", "Инженер"),
            f.engineer.isEmpty() ? dash() : f.engineer) +
        row(QCoreApplication::translate("VisitAct", "Связь"), v.link.isEmpty() ? dash() : v.link) +
        row(QCoreApplication::translate("VisitAct", "Программа"),
            QStringLiteral("zetra ") + v.programVersion));

    // The live values as the Info tab showed them.
    html += heading(QCoreApplication::translate("VisitAct", "Текущие значения"));
    // The Info tab's own captions (its texts), without their colons.
    const std::pair<const char*, const char*> infoRows[] = {
        {"flow", QT_TRANSLATE_NOOP("Info", "Текущий расход, м3/ч:")},
        {"velocity", QT_TRANSLATE_NOOP("Info", "Скорость потока, м/с:")},
        {"volume", QT_TRANSLATE_NOOP("Info", "Накопленный объём, м3:")},
        {"work_hours", QT_TRANSLATE_NOOP("Info", "Время работы, часов:")},
        {"idle_hours", QT_TRANSLATE_NOOP("Info", "Время простоя, часов:")},
        {"battery", QT_TRANSLATE_NOOP("Info", "Напряжение батареи, В:")},
    };
    QString live;
    for (const auto& [item, caption] : infoRows) {
        const QString text = info.value(QLatin1String(item)).trimmed();
        live += row(QCoreApplication::translate("Info", caption).chopped(1),
                    text.isEmpty() ? dash() : text);
    }
    live += row(QCoreApplication::translate("VisitAct", "Состояние"),
                stateText(info.value(QStringLiteral("flow"))));
    html += table(live);

    // The clock.
    html += heading(QCoreApplication::translate("VisitAct", "Часы"));
    html += table(
        row(QCoreApplication::translate("VisitAct", "Время прибора"),
            localTime(f.meterTime, locale)) +
        row(QCoreApplication::translate("VisitAct", "Время ПК"), localTime(f.pcTime, locale)) +
        row(QCoreApplication::translate("VisitAct", "Расхождение"),
            driftText(f.clockDriftSeconds)) +
        row(QCoreApplication::translate("VisitAct", "Часы установлены"),
            f.clockSetTo ? locale.toString(*f.clockSetTo, QStringLiteral("dd.MM.yyyy HH:mm"))
                         : QCoreApplication::translate("VisitAct", "нет")));

    // The settings, marked where they differ from the previous visit's.
    html += heading(QCoreApplication::translate("VisitAct", "Настройки"));
    std::optional<std::vector<SettingsRow>> now, before;
    for (const store::VisitSettings& s : *settingsNow)
        if (s.phase == QLatin1String("read") || s.phase == QLatin1String("after"))
            now = settingsRows(s.lines);
    if (!settingsBefore->empty())
        before = settingsRows(settingsBefore->front().lines);
    if (!now) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(esc(QCoreApplication::translate("VisitAct", "Настройки не прочитаны.")));
    } else {
        QString rows;
        int changed = 0;
        for (std::size_t i = 0; i < now->size(); ++i) {
            const bool differs =
                before && i < before->size() && (*before)[i].value != (*now)[i].value;
            changed += differs ? 1 : 0;
            rows += row((*now)[i].label, (*now)[i].value, differs);
        }
        html += table(rows);
        if (!before) {
            html += QStringLiteral("<p>%1</p>")
                        .arg(esc(QCoreApplication::translate(
                            "VisitAct", "Настроек прошлых визитов в хранилище нет.")));
        } else {
            const std::optional<store::VisitRecord> previous =
                store.visit(settingsBefore->front().visitId);
            const QString when = previous ? locale.toString(previous->startedUtc.toLocalTime(),
                                                            QStringLiteral("dd.MM.yyyy HH:mm"))
                                          : QString();
            html +=
                QStringLiteral("<p>%1</p>")
                    .arg(esc(changed == 0 ? QCoreApplication::translate(
                                                "VisitAct",
                                                "С прошлого визита (%1) настройки не изменились.")
                                                .arg(when)
                                          : QCoreApplication::translate(
                                                "VisitAct", "* изменено с прошлого визита (%1): %2")
                                                .arg(when)
                                                .arg(changed)));
        }
    }

    // The archives.
    html += heading(QCoreApplication::translate("VisitAct", "Архивы"));
    const store::MeterSummary* meter = nullptr;
    for (const store::MeterSummary& m : *meters)
        if (m.id == v.meterId)
            meter = &m;
    const auto range = [&](store::Ring ring, const std::optional<store::Position>& from,
                           const std::optional<store::Position>& to) {
        if (!from || !to)
            return QCoreApplication::translate("VisitAct", "записей нет");
        return store::positionText(ring, *from) + QStringLiteral(" – ") +
               store::positionText(ring, *to);
    };
    QString archives;
    archives += row(QCoreApplication::translate("VisitAct", "Суточный архив в хранилище"),
                    meter ? range(store::Ring::Daily, meter->dailyFrom, meter->dailyTo) : dash());
    archives +=
        row(QCoreApplication::translate("VisitAct", "Минутный архив в хранилище"),
            meter ? range(store::Ring::Minute, meter->minuteFrom, meter->minuteTo) : dash());
    for (const auto& [ring, caption] :
         {std::pair(
              QStringLiteral("daily"),
              QCoreApplication::translate("VisitAct", "Суточный архив: прочитано в этот визит")),
          std::pair(
              QStringLiteral("minute"),
              QCoreApplication::translate("VisitAct", "Минутный архив: прочитано в этот визит"))}) {
        const QString p = ring + QLatin1Char('.');
        if (!synced.contains(p + QStringLiteral("read"))) {
            archives += row(caption, QCoreApplication::translate("VisitAct", "не читался"));
            continue;
        }
        archives +=
            row(caption, QCoreApplication::translate(
                             "VisitAct", "записей %1, новых %2, не прочитано %3, конфликтов %4")
                             .arg(synced.value(p + QStringLiteral("read")),
                                  synced.value(p + QStringLiteral("new")),
                                  synced.value(p + QStringLiteral("unreadable")),
                                  synced.value(p + QStringLiteral("conflicts"))));
    }
    for (store::Ring ring : {store::Ring::Daily, store::Ring::Minute}) {
        const auto unread = store.unread(ring, v.meterId);
        if (!unread)
            return store.error();
        qint64 count = 0;
        for (const store::UnreadRange& u : *unread)
            count += u.last - u.first + 1;
        archives +=
            row(ring == store::Ring::Daily
                    ? QCoreApplication::translate("VisitAct", "Суточный архив: ждут чтения, дней")
                    : QCoreApplication::translate("VisitAct", "Минутный архив: ждут чтения, минут"),
                QString::number(count));
    }
    html += table(archives);

    // The last twelve months and the last sixty days, up to the meter's day of the visit.
    const QDate visitDay = f.meterTime ? f.meterTime->date() : v.startedUtc.toLocalTime().date();
    const int lastDay = device::dayNumberFromDate(visitDay);
    const QDate firstMonth =
        QDate(visitDay.year(), visitDay.month(), 1).addMonths(1 - kTotalMonths);
    const auto daily = store.records(store::Ring::Daily, v.meterId,
                                     device::dayNumberFromDate(firstMonth), lastDay);
    if (!daily)
        return store.error();
    std::map<QDate, double> months;
    for (int i = 0; i < kTotalMonths; ++i)
        months[firstMonth.addMonths(i)] = 0;
    QString events;
    for (const store::StoredRecord& r : *daily) {
        const QDate day = device::dateFromDayNumber(int(r.position));
        months[QDate(day.year(), day.month(), 1)] += r.record.volumeCubicMetres();
        if (r.position > lastDay - kChartDays) {
            const QString text =
                archive::eventText(r.record.events(), archive::EventTarget::Report).trimmed();
            if (!text.isEmpty())
                events += row(dayText(day, locale), text);
        }
    }
    html += QStringLiteral("<p><b>%1</b></p>")
                .arg(esc(QCoreApplication::translate("VisitAct", "Объём по месяцам, м3")));
    // Two columns of six months, the older half on the left.
    const std::vector<std::pair<QDate, double>> list(months.begin(), months.end());
    const std::size_t half = (list.size() + 1) / 2;
    QString totals;
    const auto cells = [&](std::size_t i) {
        if (i >= list.size())
            return QStringLiteral("<td></td><td></td>");
        return QStringLiteral("<td width=\"22%\" class=\"c\">%1</td><td width=\"28%\">%2</td>")
            .arg(esc(locale.toString(list[i].first, QStringLiteral("MM.yyyy"))),
                 esc(locale.toString(list[i].second, 'f', 3)));
    };
    for (std::size_t i = 0; i < half; ++i)
        totals += QStringLiteral("<tr>") + cells(i) + cells(i + half) + QStringLiteral("</tr>");
    html += table(totals);
    html += QStringLiteral("<p><b>%1</b></p>")
                .arg(esc(QCoreApplication::translate("VisitAct", "События за последние 60 суток")));
    html += events.isEmpty()
                ? QStringLiteral("<p>%1</p>")
                      .arg(esc(QCoreApplication::translate("VisitAct", "Событий нет.")))
                : table(events);

    QTextDocument doc;
    const QImage chart = chartImage(store, v.meterId, lastDay, locale);
    if (!chart.isNull()) {
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("act:chart")), chart);
        html += QStringLiteral("<p><b>%1</b></p><p><img src=\"act:chart\" width=\"%2\"></p>")
                    .arg(esc(QCoreApplication::translate("VisitAct",
                                                         "Суточный архив за последние 60 суток")))
                    .arg(int(kPageWidth - 2 * kMargin));
    }

    // The outcome of each step and the signatures.
    html += heading(QCoreApplication::translate("VisitAct", "Итоги"));
    QString outcome;
    const std::pair<const char*, const char*> stepRows[] = {
        {"info", QT_TRANSLATE_NOOP("VisitAct", "Текущие значения и часы")},
        {"settings", QT_TRANSLATE_NOOP("VisitAct", "Чтение настроек")},
        {"sync", QT_TRANSLATE_NOOP("VisitAct", "Чтение архивов")},
        {"clock", QT_TRANSLATE_NOOP("VisitAct", "Установка часов")},
    };
    for (const auto& [step, caption] : stepRows)
        if (steps.contains(QLatin1String(step)))
            outcome += row(QCoreApplication::translate("VisitAct", caption),
                           outcomeText(steps.value(QLatin1String(step))));
    outcome +=
        row(QCoreApplication::translate("VisitAct", "Визит в целом"), outcomeText(f.outcome));
    html += table(outcome);
    html +=
        QStringLiteral("<p><br><br>%1 ______________________ / %2 /</p>"
                       "<p><br>%3 ______________________ / ______________________ /</p>"
                       "<p><br>%4 %5</p>")
            .arg(esc(QCoreApplication::translate("VisitAct", "Инженер")),
                 esc(f.engineer.isEmpty() ? QStringLiteral("______________") : f.engineer),
                 esc(QCoreApplication::translate("VisitAct", "Представитель заказчика")),
                 esc(QCoreApplication::translate("VisitAct", "Дата")),
                 esc(QCoreApplication::translate("VisitAct", "«____» ______________ 20____ г.")));

    const QString family = actFamily();
    QFont font(family.isEmpty() ? QStringLiteral("Sans Serif") : family);
    font.setPointSizeF(9.5);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral(
        "h2 { font-size: 15pt; } h3 { font-size: 11pt; margin-top: 10px; margin-bottom: 4px; } "
        "td { border-bottom: 1px solid #c0c0c0; } td.c { color: #303030; }"));
    doc.setPageSize(QSizeF(kPageWidth, kPageHeight));
    doc.setDocumentMargin(kMargin);
    doc.setHtml(QStringLiteral("<html><body>") + html + QStringLiteral("</body></html>"));

    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(300);
        writer.setTitle(
            QCoreApplication::translate("VisitAct", "Акт обслуживания расходомера, заводской № %1")
                .arg(v.identity.serial));
        writer.setCreator(QStringLiteral("zetra %1").arg(v.programVersion));
        doc.print(&writer);
    }
    QString reason;
    if (!device::saveFileSafely(file, bytes, &reason))
        return reason.isEmpty() ? QCoreApplication::translate("VisitAct", "файл не записан")
                                : reason;
    return {};
}

} // namespace documents
