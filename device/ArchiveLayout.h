#pragma once

#include <QtGlobal>

namespace device {

// The meter's archive memory, addressed by ReadRecord/WriteRecord with the byte address of an
// 8-byte record: a daily ring of 731 day records and a minute ring of 7200 minute records.
namespace archive_layout {
constexpr int kRecordSize = 8;

constexpr quint16 kDailyFirst = 0;
constexpr quint16 kDailyLast = 5840;
constexpr int kDailyRecords = 731;

constexpr quint16 kMinuteFirst = 5848;
constexpr quint16 kMinuteLast = 63440;
constexpr int kMinuteRecords = 7200;
constexpr int kMinutesPerDay = 1440;

static_assert(kDailyLast == kDailyFirst + (kDailyRecords - 1) * kRecordSize);
static_assert(kMinuteLast == kMinuteFirst + (kMinuteRecords - 1) * kRecordSize);
} // namespace archive_layout

} // namespace device
