#pragma once

#include "clockface/numeralring.h"
#include "practice/modes.h"
#include "speech/language/language.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The grown-ups' choices: how the clock shows itself and speaks for a child or a class.
// Each is one of a few words, the same in the settings file and on the command line; the
// first word is what the clock does when nobody has chosen. A new choice is a new name
// here, its words in choices.cpp, an accessor below and a row in the settings window.
enum class Choice { language, numerals, size, hours };
inline constexpr Choice kChoices[] = {Choice::language, Choice::numerals, Choice::size,
                                      Choice::hours};
inline constexpr std::size_t kChoiceCount = std::size(kChoices);

// The panel at its design size, centred, or grown to fill the screen.
enum class PanelSize { design, fill };

// The key in the settings file, which is also the command line's option.
QString choiceKey(Choice choice);
// Its words, in the order of the values they stand for.
const QStringList& choiceWords(Choice choice);
// The words as a sentence lists them: "arabic or roman".
QString wordsInProse(Choice choice);
// The index of a word among the choice's, compared without regard to case as language
// codes are; nothing for a word the choice does not have.
std::optional<int> choiceIndex(Choice choice, const QString& word);

class Choices
{
public:
    int index(Choice choice) const { return picked[std::size_t(choice)]; }
    // An index outside the choice's words leaves it as it was.
    void set(Choice choice, int index);
    QString word(Choice choice) const { return choiceWords(choice).at(index(choice)); }

    // Nothing for the desktop's language.
    std::optional<Language> language() const;
    Numerals numerals() const { return Numerals(index(Choice::numerals)); }
    PanelSize size() const { return PanelSize(index(Choice::size)); }
    Hours hours() const { return Hours(index(Choice::hours)); }

    bool operator==(const Choices&) const = default;

private:
    std::array<int, kChoiceCount> picked{};
};

// Choices given for one run, as the command line gives them: nothing where none was.
using GivenChoices = std::array<std::optional<int>, kChoiceCount>;

// The language to speak and show: the one chosen, or the desktop's.
Language languageToUse(const Choices& choices, const EnvironmentLookup& environment);
