// SPDX-License-Identifier: GPL-3.0-or-later
#include "paramset.h"

#include <QHash>
#include <QLatin1StringView>

#include <algorithm>
#include <cmath>

namespace j3k {

namespace {
constexpr ParamKind S = ParamKind::Spin;
constexpr ParamKind C = ParamKind::Combo;
constexpr ParamKind A = ParamKind::Alarm;

// object name, label, kind, min, max, start, combo items, unit
// clang-format off
constexpr std::array<ParamInfo, ParamCount> kParams{{
    // BASIC MENU: REVERSE, CH1..CH8
    {"spinBox",        "REVERSE CH1",         S,    0,     1,    0},
    {"spinBox_2",      "REVERSE CH2",         S,    0,     1,    0},
    {"spinBox_3",      "REVERSE CH3",         S,    0,     1,    1},
    {"spinBox_4",      "REVERSE CH4",         S,    0,     1,    0},
    {"spinBox_5",      "REVERSE CH5",         S,    0,     1,    0},
    {"spinBox_6",      "REVERSE CH6",         S,    0,     1,    0},
    {"spinBox_7",      "REVERSE CH7",         S,    0,     1,    0},
    {"spinBox_8",      "REVERSE CH8",         S,    0,     1,    0},
    // SUB-TRIM
    {"spinBox_9",      "SUB-TRIM CH1",        S, -100,   100,    0},
    {"spinBox_10",     "SUB-TRIM CH2",        S, -100,   100,    0},
    {"spinBox_11",     "SUB-TRIM CH3",        S, -100,   100,    0},
    {"spinBox_12",     "SUB-TRIM CH4",        S, -100,   100,    0},
    {"spinBox_13",     "SUB-TRIM CH5",        S, -100,   100,    0},
    {"spinBox_14",     "SUB-TRIM CH6",        S, -100,   100,    0},
    {"spinBox_15",     "SUB-TRIM CH7",        S, -100,   100,    0},
    {"spinBox_16",     "SUB-TRIM CH8",        S, -100,   100,    0},
    // END POINT, L then R
    {"spinBox_17",     "END POINT L CH1",     S,    0,   120,   96},
    {"spinBox_18",     "END POINT L CH2",     S,    0,   120,   96},
    {"spinBox_19",     "END POINT L CH3",     S,    0,   120,   96},
    {"spinBox_20",     "END POINT L CH4",     S,    0,   120,   96},
    {"spinBox_21",     "END POINT L CH5",     S,    0,   120,   96},
    {"spinBox_22",     "END POINT L CH6",     S,    0,   120,   96},
    {"spinBox_23",     "END POINT L CH7",     S,    0,   120,   96},
    {"spinBox_24",     "END POINT L CH8",     S,    0,   120,   96},
    {"spinBox_25",     "END POINT R CH1",     S,    0,   120,   96},
    {"spinBox_26",     "END POINT R CH2",     S,    0,   120,   96},
    {"spinBox_27",     "END POINT R CH3",     S,    0,   120,   96},
    {"spinBox_28",     "END POINT R CH4",     S,    0,   120,   96},
    {"spinBox_29",     "END POINT R CH5",     S,    0,   120,   96},
    {"spinBox_30",     "END POINT R CH6",     S,    0,   120,   96},
    {"spinBox_31",     "END POINT R CH7",     S,    0,   120,   96},
    {"spinBox_32",     "END POINT R CH8",     S,    0,   120,   96},
    // FAIL SAFE
    {"spinBox_33",     "FAIL SAFE CH1",       S,    0,   100,   50},
    {"spinBox_34",     "FAIL SAFE CH2",       S,    0,   100,   50},
    {"spinBox_35",     "FAIL SAFE CH3",       S,    0,   100,    0},
    {"spinBox_36",     "FAIL SAFE CH4",       S,    0,   100,   50},
    {"spinBox_37",     "FAIL SAFE CH5",       S,    0,   100,   50},
    {"spinBox_38",     "FAIL SAFE CH6",       S,    0,   100,   50},
    {"spinBox_39",     "FAIL SAFE CH7",       S,    0,   100,   50},
    {"spinBox_40",     "FAIL SAFE CH8",       S,    0,   100,   50},
    // PARAMENTER: TX-ALARM (tenths), STK-MODE, VERSION
    {"doubleSpinBox",  "TX-ALARM",            A,    0,   239,  111, nullptr, "V"},
    {"spinBox_45",     "STK-MODE",            S,    1,     4,    2},
    {"spinBox_46",     "VERSION",             S,    0, 99999,    0},
    // AUX-CH, CH5..CH8
    {"spinBox_41",     "AUX-CH CH5",          S,    0,     4,    1},
    {"spinBox_42",     "AUX-CH CH6",          S,    0,     4,    3},
    {"spinBox_43",     "AUX-CH CH7",          S,    0,     4,    0},
    {"spinBox_44",     "AUX-CH CH8",          S,    0,     4,    2},
    // DELAY
    {"spinBox_71",     "DELAY CH1",           S,    0,   100,  100},
    {"spinBox_72",     "DELAY CH2",           S,    0,   100,  100},
    {"spinBox_73",     "DELAY CH3",           S,    0,   100,  100},
    {"spinBox_74",     "DELAY CH4",           S,    0,   100,  100},
    {"spinBox_75",     "DELAY CH5",           S,    0,   100,  100},
    {"spinBox_76",     "DELAY CH6",           S,    0,   100,  100},
    {"spinBox_77",     "DELAY CH7",           S,    0,   100,  100},
    {"spinBox_78",     "DELAY CH8",           S,    0,   100,  100},
    // ADVACNE MENU: D/R
    {"comboBox",       "D/R MIX",             C,    0,     1,    0, "OFF|OPEN"},
    {"comboBox_2",     "D/R CH",              C,    0,     3,    0, "CH1|CH2|CH3|CH4"},
    {"spinBox_79",     "D/R RATE-UP",         S,    0,   100,  100},
    {"spinBox_80",     "D/R RATE-DOWN",       S,    0,   100,  100},
    // ATTITUDE
    {"comboBox_4",     "ATTITUDE CH",         C,    0,     4,    0, "CH5|CH6|CH7|CH8|OFF"},
    {"spinBox_81",     "ATTI1",               S,    0,   100,   14},
    {"spinBox_82",     "ATTI2",               S,    0,   100,   29},
    {"spinBox_83",     "ATTI3",               S,    0,   100,   44},
    {"spinBox_84",     "ATTI4",               S,    0,   100,   56},
    {"spinBox_85",     "ATTI5",               S,    0,   100,   69},
    {"spinBox_86",     "ATTI6",               S,    0,   100,   88},
    // ELEVON
    {"comboBox_5",     "ELEVON MIX",          C,    0,     1,    0, "OFF|OPEN"},
    {"spinBox_87",     "ELEVON AILE1 L",      S, -100,   100,  100},
    {"spinBox_88",     "ELEVON AILE1 R",      S, -100,   100,  100},
    {"spinBox_89",     "ELEVON AILE2 L",      S, -100,   100,  100},
    {"spinBox_90",     "ELEVON AILE2 R",      S, -100,   100,  100},
    {"spinBox_91",     "ELEVON ELEV2 L",      S, -100,   100,  100},
    {"spinBox_92",     "ELEVON ELEV1 L",      S, -100,   100, -100},
    // V-TAIL
    {"comboBox_6",     "V-TAIL MIX",          C,    0,     1,    0, "OFF|OPEN"},
    {"spinBox_93",     "V-TAIL ELEV1",        S, -100,   100,   50},
    {"spinBox_94",     "V-TAIL ELEV2",        S, -100,   100,  -50},
    {"spinBox_95",     "V-TAIL RUDD2",        S, -100,   100,   50},
    {"spinBox_96",     "V-TAIL RUDD1",        S, -100,   100,   50},
    // PROG.MIX1: MIX, MAS, SLA, OFFSET, UP, DOWN
    {"comboBox_7",     "PROG.MIX1 MIX",       C,    0,     2,    0, "INH|OFF|OPEN"},
    {"comboBox_11",    "PROG.MIX1 MAS",       C,    0,     7,    0, "CH1|CH2|CH3|CH4|CH5|CH6|CH7|CH8"},
    {"comboBox_12",    "PROG.MIX1 SLA",       C,    0,     7,    3, "CH1|CH2|CH3|CH4|CH5|CH6|CH7|CH8"},
    {"spinBox_97",     "PROG.MIX1 OFFSET",    S, -100,   100,    0},
    {"spinBox_98",     "PROG.MIX1 UP",        S, -100,   100,    0},
    {"spinBox_99",     "PROG.MIX1 DOWN",      S, -100,   100,    0},
    // PROG.MIX2
    {"comboBox_8",     "PROG.MIX2 MIX",       C,    0,     2,    0, "INH|OFF|OPEN"},
    {"comboBox_9",     "PROG.MIX2 MAS",       C,    0,     7,    1, "CH1|CH2|CH3|CH4|CH5|CH6|CH7|CH8"},
    {"comboBox_10",    "PROG.MIX2 SLA",       C,    0,     7,    5, "CH1|CH2|CH3|CH4|CH5|CH6|CH7|CH8"},
    {"spinBox_100",    "PROG.MIX2 OFFSET",    S, -100,   100,    0},
    {"spinBox_101",    "PROG.MIX2 UP",        S, -100,   100,    0},
    {"spinBox_102",    "PROG.MIX2 DOWN",      S, -100,   100,    0},
}};
// clang-format on

const QHash<QString, int> &indexByName()
{
    static const QHash<QString, int> byName = [] {
        QHash<QString, int> h;
        for (std::size_t i = 0; i < kParams.size(); ++i)
            h.insert(QString::fromLatin1(kParams[i].name), int(i));
        return h;
    }();
    return byName;
}
}  // namespace

const std::array<ParamInfo, ParamCount> &paramTable() { return kParams; }

int paramIndex(QStringView name) { return indexByName().value(name.toString(), -1); }

ParamSet::ParamSet()
{
    for (std::size_t i = 0; i < kParams.size(); ++i)
        m_values[i] = kParams[i].start;
}

int ParamSet::value(QStringView name) const
{
    const int i = paramIndex(name);
    Q_ASSERT_X(i >= 0, "ParamSet::value", "unknown parameter");
    return i >= 0 ? value(i) : 0;
}

bool ParamSet::set(int index, int v)
{
    if (index < 0 || std::size_t(index) >= kParams.size())
        return false;
    const ParamInfo &p = kParams[std::size_t(index)];
    if (p.kind == ParamKind::Combo && (v < p.min || v > p.max))
        return false;  // a combo box keeps its item rather than going blank
    m_values[std::size_t(index)] = std::clamp(v, p.min, p.max);
    return true;
}

bool ParamSet::set(QStringView name, int v) { return set(paramIndex(name), v); }

int alarmTenths(double shown)
{
    // Truncation, not rounding: 11.15 is sent as 11.1, never as 11.2.
    const double tenths = std::trunc(shown * 10.0);
    if (!(tenths >= 0.0))  // also catches NaN
        return 0;
    return tenths > 239.0 ? 239 : int(tenths);
}

double alarmShown(int tenths) { return tenths / 10.0; }

}  // namespace j3k
