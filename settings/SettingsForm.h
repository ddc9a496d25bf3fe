#pragma once

#include <QDate>
#include <QString>

// The Settings tab as texts and selections, the way the window shows them and zetra-cli fills
// them. Reading the meter produces one, the settings file saves and restores one, and writing
// the meter takes one.
namespace settings {

struct SettingsForm {
    enum class Medium { None, Water, Oil }; // ComboBox2: nothing, "вода", "нефтепродукты"
    enum class Period { None, OneSecond, FourSeconds }; // ComboBox3: nothing, "1", "4"

    bool diametral = false; // RadioButton2 "ВТК-Б (диаметральное)"; else RadioButton1
    bool sensorsType3 = false; // RadioButton4 "тип 3"; else RadioButton3 "тип 6"
    Medium medium = Medium::None;
    Period period = Period::None;

    QString diameter;             // Edit3, mm
    QString base;                 // Edit4, mm
    QString angle;                // Edit5, degrees
    QString cableLength;          // Edit11, m
    QString k;                    // Edit6
    QString a;                    // Edit7
    QString b;                    // Edit8
    QString c;                    // Edit9
    QString zeroCutoff;           // Edit1, in the unit below
    bool cutoffInPercent = false; // RadioButton6 "%"; else RadioButton5 "м3/ч"
    QString pulseWeight;          // Edit2, litres per pulse
    QString zeroOffset;           // Edit12, µs
    int windowOffset = 0;         // RzSpinEdit1, µs, -100..100

    QDate date;               // DateTimePicker1: the clock date written with the settings
    QString time;             // Edit13: HH:MM
    bool clearDaily = false;  // CheckBox1
    bool clearMinute = false; // CheckBox2

    // The angle field, its label and the correction calculator follow the insertion type; the
    // channel-length calculator is offered for water only.
    bool angleEnabled() const { return diametral; }
    bool channelCalculatorEnabled() const { return medium == Medium::Water; }
};

namespace form {
constexpr int kWindowOffsetMinimum = -100;
constexpr int kWindowOffsetMaximum = 100;
int clampWindowOffset(long long value);
} // namespace form

} // namespace settings
