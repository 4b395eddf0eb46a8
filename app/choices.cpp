#include "app/choices.h"

namespace
{
struct ChoiceTable {
    QString key;
    QStringList words;
};

// In the order of Choice; each choice's words in the order of its values.
const std::array<ChoiceTable, kChoiceCount>& table()
{
    static const std::array<ChoiceTable, kChoiceCount> choices = {{
        // The desktop's language first, then those of Language.
        {QStringLiteral("language"), QStringList{QStringLiteral("desktop")} + languageCodes()},
        {QStringLiteral("numerals"), {QStringLiteral("arabic"), QStringLiteral("roman")}},
        {QStringLiteral("size"), {QStringLiteral("design"), QStringLiteral("fill")}},
        {QStringLiteral("hours"),
         {QStringLiteral("12"), QStringLiteral("ampm"), QStringLiteral("24")}},
    }};
    return choices;
}
} // namespace

QString choiceKey(Choice choice)
{
    return table()[std::size_t(choice)].key;
}

const QStringList& choiceWords(Choice choice)
{
    return table()[std::size_t(choice)].words;
}

QString wordsInProse(Choice choice)
{
    QStringList words = choiceWords(choice);
    const QString last = words.takeLast();
    return words.join(QLatin1String(", ")) + QLatin1String(" or ") + last;
}

std::optional<int> choiceIndex(Choice choice, const QString& word)
{
    const QStringList& words = choiceWords(choice);
    for (int index = 0; index < words.size(); ++index)
        if (words[index].compare(word, Qt::CaseInsensitive) == 0)
            return index;
    return std::nullopt;
}

void Choices::set(Choice choice, int index)
{
    if (index >= 0 && index < choiceWords(choice).size())
        picked[std::size_t(choice)] = index;
}

std::optional<Language> Choices::language() const
{
    const int chosen = index(Choice::language);
    return chosen == 0 ? std::nullopt : std::optional<Language>(Language(chosen - 1));
}

Language languageToUse(const Choices& choices, const EnvironmentLookup& environment)
{
    return choices.language().value_or(languageFromEnvironment(environment));
}
