// SPDX-License-Identifier: GPL-3.0-or-later
#include "records.h"

#include <QLatin1StringView>

#include <algorithm>
#include <array>

namespace j3k {

namespace {

enum class FieldKind : quint8 {
    Digit,  // one character, the value itself (a combo's index)
    Hex,    // two upper-case hex digits, value + offset
    Alarm,  // the alarm's tenths + offset, written like a hex field
};

struct RecordField {
    RecordId record;
    int pos;
    int width;
    FieldKind kind;
    int offset;
    const char *param;
};

constexpr RecordId S = RecordId::S;
constexpr RecordId G = RecordId::G;
constexpr FieldKind D = FieldKind::Digit;
constexpr FieldKind H = FieldKind::Hex;

// Characters no field covers keep these: the record letters, the closing
// letter and the G record's constant 6 and 6D2.
constexpr const char kTemplateS[] = "S00000000787878787878787876767676767676767575757575757875323232323264323201236D2Y";
constexpr const char kTemplateG[] = "G41E2D3C4855680DCDCDCDCDC14096329696674747474747474740074746464646464640135006D2Z";

// Both directions read this table, so each position and offset lives here
// only. Rows are sorted by record, then position.
// clang-format off
constexpr std::array<RecordField, 89> kFields{{
    // REVERSE CH1..CH8
    {S, 1, 1, D, 0, "spinBox"}, {S, 2, 1, D, 0, "spinBox_2"}, {S, 3, 1, D, 0, "spinBox_3"},
    {S, 4, 1, D, 0, "spinBox_4"}, {S, 5, 1, D, 0, "spinBox_5"}, {S, 6, 1, D, 0, "spinBox_6"},
    {S, 7, 1, D, 0, "spinBox_7"}, {S, 8, 1, D, 0, "spinBox_8"},
    // SUB-TRIM
    {S, 9, 2, H, 120, "spinBox_9"}, {S, 11, 2, H, 120, "spinBox_10"}, {S, 13, 2, H, 120, "spinBox_11"},
    {S, 15, 2, H, 120, "spinBox_12"}, {S, 17, 2, H, 120, "spinBox_13"}, {S, 19, 2, H, 120, "spinBox_14"},
    {S, 21, 2, H, 120, "spinBox_15"}, {S, 23, 2, H, 120, "spinBox_16"},
    // END POINT L
    {S, 25, 2, H, 16, "spinBox_17"}, {S, 27, 2, H, 16, "spinBox_18"}, {S, 29, 2, H, 16, "spinBox_19"},
    {S, 31, 2, H, 16, "spinBox_20"}, {S, 33, 2, H, 16, "spinBox_21"}, {S, 35, 2, H, 16, "spinBox_22"},
    {S, 37, 2, H, 16, "spinBox_23"}, {S, 39, 2, H, 16, "spinBox_24"},
    // END POINT R
    {S, 41, 2, H, 16, "spinBox_25"}, {S, 43, 2, H, 16, "spinBox_26"}, {S, 45, 2, H, 16, "spinBox_27"},
    {S, 47, 2, H, 16, "spinBox_28"}, {S, 49, 2, H, 16, "spinBox_29"}, {S, 51, 2, H, 16, "spinBox_30"},
    {S, 53, 2, H, 16, "spinBox_31"}, {S, 55, 2, H, 16, "spinBox_32"},
    // FAIL SAFE
    {S, 57, 2, H, 16, "spinBox_33"}, {S, 59, 2, H, 16, "spinBox_34"}, {S, 61, 2, H, 16, "spinBox_35"},
    {S, 63, 2, H, 16, "spinBox_36"}, {S, 65, 2, H, 16, "spinBox_37"}, {S, 67, 2, H, 16, "spinBox_38"},
    {S, 69, 2, H, 16, "spinBox_39"}, {S, 71, 2, H, 16, "spinBox_40"},
    // AUX-CH CH5..CH8, TX-ALARM, STK-MODE
    {S, 73, 1, D, 0, "spinBox_41"}, {S, 74, 1, D, 0, "spinBox_42"}, {S, 75, 1, D, 0, "spinBox_43"},
    {S, 76, 1, D, 0, "spinBox_44"}, {S, 77, 2, FieldKind::Alarm, 16, "doubleSpinBox"},
    {S, 79, 1, D, 0, "spinBox_45"},

    // ATTITUDE: channel, ATTI1..ATTI6
    {G, 1, 1, D, 0, "comboBox_4"},
    {G, 2, 2, H, 16, "spinBox_81"}, {G, 4, 2, H, 16, "spinBox_82"}, {G, 6, 2, H, 16, "spinBox_83"},
    {G, 8, 2, H, 16, "spinBox_84"}, {G, 10, 2, H, 16, "spinBox_85"}, {G, 12, 2, H, 16, "spinBox_86"},
    // ELEVON: MIX, then the values top to bottom (ELEV2 before ELEV1)
    {G, 14, 1, D, 0, "comboBox_5"},
    {G, 15, 2, H, 120, "spinBox_87"}, {G, 17, 2, H, 120, "spinBox_88"}, {G, 19, 2, H, 120, "spinBox_89"},
    {G, 21, 2, H, 120, "spinBox_90"}, {G, 23, 2, H, 120, "spinBox_91"}, {G, 25, 2, H, 120, "spinBox_92"},
    // V-TAIL: MIX, then the values top to bottom
    {G, 27, 1, D, 0, "comboBox_6"},
    {G, 28, 2, H, 116, "spinBox_93"}, {G, 30, 2, H, 116, "spinBox_94"}, {G, 32, 2, H, 116, "spinBox_95"},
    {G, 34, 2, H, 116, "spinBox_96"},
    // DELAY CH1..CH8
    {G, 37, 2, H, 16, "spinBox_71"}, {G, 39, 2, H, 16, "spinBox_72"}, {G, 41, 2, H, 16, "spinBox_73"},
    {G, 43, 2, H, 16, "spinBox_74"}, {G, 45, 2, H, 16, "spinBox_75"}, {G, 47, 2, H, 16, "spinBox_76"},
    {G, 49, 2, H, 16, "spinBox_77"}, {G, 51, 2, H, 16, "spinBox_78"},
    // D/R: MIX, the channel, then that channel's rates (the channel comes
    // first so that applying it selects the pair the rates belong to)
    {G, 53, 1, D, 0, "comboBox"}, {G, 54, 1, D, 0, "comboBox_2"},
    {G, 55, 2, H, 16, "spinBox_79"}, {G, 57, 2, H, 16, "spinBox_80"},
    // PROG.MIX1 and PROG.MIX2 interleaved: UP, DOWN, OFFSET, MAS, SLA, MIX
    {G, 59, 2, H, 116, "spinBox_98"}, {G, 61, 2, H, 116, "spinBox_101"},
    {G, 63, 2, H, 116, "spinBox_99"}, {G, 65, 2, H, 116, "spinBox_102"},
    {G, 67, 2, H, 116, "spinBox_97"}, {G, 69, 2, H, 116, "spinBox_100"},
    {G, 71, 1, D, 0, "comboBox_11"}, {G, 72, 1, D, 0, "comboBox_9"},
    {G, 73, 1, D, 0, "comboBox_12"}, {G, 74, 1, D, 0, "comboBox_10"},
    {G, 75, 1, D, 0, "comboBox_7"}, {G, 76, 1, D, 0, "comboBox_8"},
}};
// clang-format on

// A slip in the table would shift or overwrite neighbouring fields, which
// no transmitter reports; refuse to compile instead.
constexpr bool tableIsSound()
{
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const RecordField &f = kFields[i];
        if (f.width != (f.kind == D ? 1 : 2) || f.pos < 1 || f.pos + f.width > RecordLength - 1)
            return false;
        if (i > 0 && kFields[i - 1].record == f.record && kFields[i - 1].pos + kFields[i - 1].width > f.pos)
            return false;
        if (i > 0 && kFields[i - 1].record == G && f.record == S)
            return false;
    }
    return sizeof kTemplateS == RecordLength + 1 && sizeof kTemplateG == RecordLength + 1;
}
static_assert(tableIsSound(), "record fields must be ascending, disjoint and inside the record");

const std::array<int, kFields.size()> &paramIndexes()
{
    static const std::array<int, kFields.size()> indexes = [] {
        std::array<int, kFields.size()> out{};
        for (std::size_t i = 0; i < kFields.size(); ++i) {
            out[i] = paramIndex(QString::fromLatin1(kFields[i].param));
            Q_ASSERT_X(out[i] >= 0, "records", kFields[i].param);
        }
        return out;
    }();
    return indexes;
}

// Calls fn(field, parameter index) for the record's fields in ascending
// position order.
template<typename Fn>
void forEachField(RecordId id, Fn fn)
{
    const auto &indexes = paramIndexes();
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].record == id)
            fn(kFields[i], indexes[i]);
    }
}

QString fieldText(const RecordField &f, int value)
{
    if (f.kind == FieldKind::Digit)
        return QString(QChar(u'0' + std::clamp(value, 0, 9)));
    // Hex and the alarm alike: two digits hold 16..255, and anything wider
    // would push every later field (and the closing letter) along.
    return QString::number(std::clamp(value + f.offset, 16, 255), 16).toUpper();
}

bool isHexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

}  // namespace

QString buildRecord(RecordId id, const ParamSet &params)
{
    QString record = QLatin1StringView(id == RecordId::S ? kTemplateS : kTemplateG);
    forEachField(id, [&](const RecordField &f, int index) {
        record.replace(f.pos, f.width, fieldText(f, params.value(index)));
    });
    return record;
}

RawValues decodeRecord(RecordId id, QStringView record)
{
    RawValues values;
    forEachField(id, [&](const RecordField &f, int index) {
        // A field cut off by the end of the text reads what is left of it.
        const QStringView text = f.pos < record.size()
                                     ? record.sliced(f.pos, std::min<qsizetype>(f.width, record.size() - f.pos))
                                     : QStringView();
        bool ok = false;
        int n = text.toInt(&ok, 16);
        if (!ok)
            n = 0;
        values.append({index, n - f.offset});
    });
    return values;
}

QList<int> applyRecord(RecordId id, QStringView record, ParamSet &params)
{
    return applyRawValues(decodeRecord(id, record), params);
}

bool isWellFormedRecord(RecordId id, QStringView text)
{
    const bool isS = id == RecordId::S;
    if (text.size() != RecordLength || text.front() != QLatin1Char(isS ? 'S' : 'G')
        || text.back() != QLatin1Char(isS ? 'Y' : 'Z'))
        return false;
    bool allHex = true;
    forEachField(id, [&](const RecordField &f, int) {
        for (int i = f.pos; i < f.pos + f.width; ++i)
            allHex = allHex && isHexDigit(text[i]);
    });
    return allHex;
}

}  // namespace j3k
