// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>

namespace j3k {

// How a parameter is held by its widget in the editor.
enum class ParamKind {
    Spin,   // QSpinBox value, clamped into [min, max]
    Combo,  // QComboBox index; an index outside [min, max] is refused
    Alarm,  // the TX-ALARM QDoubleSpinBox, kept here in tenths
};

struct ParamInfo {
    const char *name;   // the editor widget's object name
    const char *label;  // what a person calls it, in the window's own words
    ParamKind kind;
    int min;
    int max;
    int start;                    // the value the editor starts with
    const char *items = nullptr;  // a combo box's item texts, '|' between them
    const char *unit = nullptr;   // shown after the label, as in "TX-ALARM (V)"
};

inline constexpr std::size_t ParamCount = 90;

// Every transmitter parameter the editor shows, in the window's order.
const std::array<ParamInfo, ParamCount> &paramTable();

// Index of a parameter in paramTable(), or -1 for a name that is none.
int paramIndex(QStringView name);

// The transmitter's whole parameter set as plain values. Every value is
// always within its parameter's range, so anything built from a ParamSet is
// well-formed.
class ParamSet
{
public:
    ParamSet();  // start values

    int value(int index) const { return m_values[std::size_t(index)]; }
    int value(QStringView name) const;

    // Sets a value the way the editor's widget would take it: spin values
    // and the alarm are clamped into range, a combo index outside its item
    // list is refused. Returns whether the stored value is now `v`'s result.
    bool set(int index, int v);
    bool set(QStringView name, int v);

    friend bool operator==(const ParamSet &a, const ParamSet &b) { return a.m_values == b.m_values; }
    friend bool operator!=(const ParamSet &a, const ParamSet &b) { return !(a == b); }

private:
    std::array<int, ParamCount> m_values;
};

// The alarm widget shows tenths as a decimal value; these convert between the
// two without ever rounding a shown value up (11.15 is 111 tenths).
int alarmTenths(double shown);
double alarmShown(int tenths);

}  // namespace j3k
