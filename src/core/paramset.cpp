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

// name, kind, min, max, start
// clang-format off
constexpr std::array<ParamInfo, ParamCount> kParams{{
    // BASIC MENU: REVERSE, CH1..CH8
    {"spinBox", S, 0, 1, 0}, {"spinBox_2", S, 0, 1, 0}, {"spinBox_3", S, 0, 1, 1}, {"spinBox_4", S, 0, 1, 0},
    {"spinBox_5", S, 0, 1, 0}, {"spinBox_6", S, 0, 1, 0}, {"spinBox_7", S, 0, 1, 0}, {"spinBox_8", S, 0, 1, 0},
    // SUB-TRIM
    {"spinBox_9", S, -100, 100, 0}, {"spinBox_10", S, -100, 100, 0}, {"spinBox_11", S, -100, 100, 0},
    {"spinBox_12", S, -100, 100, 0}, {"spinBox_13", S, -100, 100, 0}, {"spinBox_14", S, -100, 100, 0},
    {"spinBox_15", S, -100, 100, 0}, {"spinBox_16", S, -100, 100, 0},
    // END POINT, L then R
    {"spinBox_17", S, 0, 120, 96}, {"spinBox_18", S, 0, 120, 96}, {"spinBox_19", S, 0, 120, 96},
    {"spinBox_20", S, 0, 120, 96}, {"spinBox_21", S, 0, 120, 96}, {"spinBox_22", S, 0, 120, 96},
    {"spinBox_23", S, 0, 120, 96}, {"spinBox_24", S, 0, 120, 96},
    {"spinBox_25", S, 0, 120, 96}, {"spinBox_26", S, 0, 120, 96}, {"spinBox_27", S, 0, 120, 96},
    {"spinBox_28", S, 0, 120, 96}, {"spinBox_29", S, 0, 120, 96}, {"spinBox_30", S, 0, 120, 96},
    {"spinBox_31", S, 0, 120, 96}, {"spinBox_32", S, 0, 120, 96},
    // FAIL SAFE
    {"spinBox_33", S, 0, 100, 50}, {"spinBox_34", S, 0, 100, 50}, {"spinBox_35", S, 0, 100, 0},
    {"spinBox_36", S, 0, 100, 50}, {"spinBox_37", S, 0, 100, 50}, {"spinBox_38", S, 0, 100, 50},
    {"spinBox_39", S, 0, 100, 50}, {"spinBox_40", S, 0, 100, 50},
    // PARAMENTER: TX-ALARM (tenths), STK-MODE, VERSION
    {"doubleSpinBox", A, 0, 239, 111}, {"spinBox_45", S, 1, 4, 2}, {"spinBox_46", S, 0, 99999, 0},
    // AUX-CH, CH5..CH8
    {"spinBox_41", S, 0, 4, 1}, {"spinBox_42", S, 0, 4, 3}, {"spinBox_43", S, 0, 4, 0}, {"spinBox_44", S, 0, 4, 2},
    // DELAY
    {"spinBox_71", S, 0, 100, 100}, {"spinBox_72", S, 0, 100, 100}, {"spinBox_73", S, 0, 100, 100},
    {"spinBox_74", S, 0, 100, 100}, {"spinBox_75", S, 0, 100, 100}, {"spinBox_76", S, 0, 100, 100},
    {"spinBox_77", S, 0, 100, 100}, {"spinBox_78", S, 0, 100, 100},
    // ADVACNE MENU: D/R
    {"comboBox", C, 0, 1, 0}, {"comboBox_2", C, 0, 3, 0}, {"spinBox_79", S, 0, 100, 100}, {"spinBox_80", S, 0, 100, 100},
    // ATTITUDE
    {"comboBox_4", C, 0, 4, 0}, {"spinBox_81", S, 0, 100, 14}, {"spinBox_82", S, 0, 100, 29},
    {"spinBox_83", S, 0, 100, 44}, {"spinBox_84", S, 0, 100, 56}, {"spinBox_85", S, 0, 100, 69},
    {"spinBox_86", S, 0, 100, 88},
    // ELEVON
    {"comboBox_5", C, 0, 1, 0}, {"spinBox_87", S, -100, 100, 100}, {"spinBox_88", S, -100, 100, 100},
    {"spinBox_89", S, -100, 100, 100}, {"spinBox_90", S, -100, 100, 100}, {"spinBox_91", S, -100, 100, 100},
    {"spinBox_92", S, -100, 100, -100},
    // V-TAIL
    {"comboBox_6", C, 0, 1, 0}, {"spinBox_93", S, -100, 100, 50}, {"spinBox_94", S, -100, 100, -50},
    {"spinBox_95", S, -100, 100, 50}, {"spinBox_96", S, -100, 100, 50},
    // PROG.MIX1: MIX, MAS, SLA, OFFSET, UP, DOWN
    {"comboBox_7", C, 0, 2, 0}, {"comboBox_11", C, 0, 7, 0}, {"comboBox_12", C, 0, 7, 3},
    {"spinBox_97", S, -100, 100, 0}, {"spinBox_98", S, -100, 100, 0}, {"spinBox_99", S, -100, 100, 0},
    // PROG.MIX2
    {"comboBox_8", C, 0, 2, 0}, {"comboBox_9", C, 0, 7, 1}, {"comboBox_10", C, 0, 7, 5},
    {"spinBox_100", S, -100, 100, 0}, {"spinBox_101", S, -100, 100, 0}, {"spinBox_102", S, -100, 100, 0},
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
