#include "PropertySearch.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <vector>

#include "HitPass.h"
#include "catalogue/Catalogue.h"
#include "duplicates/DuplicateGroups.h"
#include "duplicates/DuplicateSearch.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

/// Plain decimal digits, as nearly every cell holds them: read without the locale.
std::optional<double> digitsOnly(QStringView text)
{
    if (text.isEmpty() || text.size() > 15)
        return std::nullopt;
    double value = 0;
    for (const QChar unit : text) {
        if (unit < u'0' || unit > u'9')
            return std::nullopt;
        value = value * 10 + (unit.unicode() - u'0');
    }
    return value;
}

enum class Operator { None, Less, Equal, Greater };

Operator operatorOf(const QString& text)
{
    if (text == u">")
        return Operator::Greater;
    if (text == u"=")
        return Operator::Equal;
    return text == u"<" ? Operator::Less : Operator::None;
}

template <typename Value> bool compare(Operator op, const Value& cell, const Value& chosen)
{
    switch (op) {
    case Operator::Greater: return cell > chosen;
    case Operator::Equal: return cell == chosen;
    case Operator::Less: return cell < chosen;
    case Operator::None: break;
    }
    return false;
}

QString cut(const QString& text, qsizetype characters)
{
    return characters < 0 ? text : text.left(characters);
}

/// One checked condition, its chosen value read once for the whole search.
class ConditionTest
{
public:
    ConditionTest(PropertyRow row, const PropertyCondition& condition);
    bool operator()(const FileRecord& record) const;

private:
    Field m_field = Field::MpegLayer;
    qsizetype m_characters = -1; // how much of both texts is read; -1 for all of it
    bool m_numeric = true;
    Operator m_operator;
    QString m_chosen;
    std::optional<double> m_chosenNumber;
};

ConditionTest::ConditionTest(PropertyRow row, const PropertyCondition& condition)
    : m_operator(operatorOf(condition.operatorText))
{
    switch (row) {
    case PropertyRow::Bitrate: m_field = Field::Bitrate, m_characters = 3; break;
    case PropertyRow::Frequency: m_field = Field::Frequency, m_characters = 5; break;
    case PropertyRow::Size: m_field = Field::FileSize; break;
    case PropertyRow::MpegVersion: m_field = Field::MpegVersion, m_numeric = false; break;
    case PropertyRow::MpegLayer: break;
    }
    m_chosen = cut(condition.valueText, m_characters);
    m_chosenNumber = wholeNumber(m_chosen);
}

bool ConditionTest::operator()(const FileRecord& record) const
{
    const QString& text = record.value(m_field);
    const QStringView cell = m_characters < 0 ? QStringView(text) : QStringView(text).left(m_characters);
    if (!m_numeric)
        return compare(m_operator, cell, QStringView(m_chosen));
    if (m_operator == Operator::None)
        return false;
    const std::optional<double> cellNumber = wholeNumber(cell);
    // A number that cannot be read (an empty cell, a WAV file's codec name) meets any test.
    if (!cellNumber || !m_chosenNumber)
        return true;
    return compare(m_operator, *cellNumber, *m_chosenNumber);
}

} // namespace

std::optional<double> wholeNumber(QStringView text)
{
    if (const std::optional<double> digits = digitsOnly(text))
        return digits;
    bool ok = false;
    const double value = QLocale::system().toDouble(text, &ok);
    return ok ? std::optional<double>(std::floor(value)) : std::nullopt;
}

bool meetsCondition(const FileRecord& record, PropertyRow row, const PropertyCondition& condition)
{
    return ConditionTest(row, condition)(record);
}

namespace {

bool faulty(PropertyRow row, const PropertyCondition& condition)
{
    if (condition.operatorText.isEmpty())
        return true;
    if (row != PropertyRow::Size)
        return condition.valueText.isEmpty();
    const std::optional<double> size = wholeNumber(condition.valueText);
    return !size || *size == 0;
}

/// Shows the first refusal that applies; false when the search must not run.
bool acceptable(const ListSearchContext& context, const PropertySearchChoices& choices)
{
    bool anyChecked = false;
    for (int row = 0; row < PropertyRowCount; ++row) {
        const PropertyCondition& condition = choices.conditions[size_t(row)];
        anyChecked = anyChecked || condition.checked;
        if (condition.checked && faulty(PropertyRow(row), condition)) {
            context.services.prompt.tell("Not all needed options selected!", MessageIcon::Exclamation);
            return false;
        }
    }
    if (!anyChecked)
        context.services.prompt.tell("No search method was selected!", MessageIcon::Exclamation);
    return anyChecked;
}

HitPass::RowTest rowTest(const PropertySearchChoices& choices)
{
    std::vector<ConditionTest> tests;
    for (int row = 0; row < PropertyRowCount; ++row) {
        const PropertyCondition& condition = choices.conditions[size_t(row)];
        if (condition.checked)
            tests.emplace_back(PropertyRow(row), condition);
    }
    return [tests = std::move(tests)](const FileRecord& record) {
        return std::all_of(tests.begin(), tests.end(), [&record](const ConditionTest& test) { return test(record); });
    };
}

} // namespace

void findProperty(const ListSearchContext& context, const PropertySearchChoices& choices)
{
    context.window.clearStop();
    if (!acceptable(context, choices)) {
        context.window.cancelas();
        return;
    }
    StatusDisplay& status = context.services.status;
    Catalogue& catalogue = context.catalogue;
    status.setProgressVisible(true);
    catalogue.Duplicates.clear();
    status.setStatusText("Seaching for songs. Please wait...");
    std::vector<SearchedRows> sources;
    if (choices.Option11)
        sources.emplace_back(catalogue.ListFiles, catalogue.ListFiles2);
    if (choices.Option12)
        sources.emplace_back(catalogue.ListFiles);
    const HitPass::RowTest isHit = rowTest(choices);
    HitPass pass(context);
    for (const SearchedRows& source : sources) {
        catalogue.Duplicates.clear();
        if (!pass.run(source, isHit)) {
            status.setStatusText("Canceled " + itemsFound(pass.hits()));
            return;
        }
    }
    finishListSearch(context, pass.hits());
}

} // namespace twinsweep
