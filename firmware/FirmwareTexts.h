#pragma once

#include <QString>

// Texts of the Update tab and of the programming procedure.
namespace firmware::texts {
QString versionCaption();      // "Версия прошивки:"
QString creationDateCaption(); // "Дата создания:"
QString openDialogFilter();    // "файл прошивки ЗЕТРА (*.zet)"
QString cannotReadImage(const QString& path, const QString& reason);
QString wrongImageSize(const QString& path, qint64 size);
QString notARegularFile(); // the reason for a device, a pipe or a folder

QString startQuestion(); // "Вы действительно хотите начать прошивку?"
QString noticeCaption(); // "Обновление"
QString notice();        // three lines, carriage returns between them
QString programming();   // "Программирование..."
QString verifying();     // "Проверка..."
// The day of the programming has a year the meter's four year bits cannot hold: the image
// carries `stamped` instead.
QString stampedDateNote(const QString& today, const QString& stamped);
} // namespace firmware::texts
