#include "app/settingsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

namespace
{
// Each language by its own name, so that whoever reads it finds theirs, in the order of
// Language.
const char* const kLanguageNames[] = {"English (US)", "English (UK)",     "Deutsch",
                                      "Français",     "Español (España)", "Español (Latinoamérica)",
                                      "Nederlands"};
static_assert(std::size(kLanguageNames) == std::size_t(Language::Dutch) + 1,
              "a name for every language");
} // namespace

SettingsDialog::SettingsDialog(const Choices& current, Language desktopLanguage, QWidget* parent)
    : QDialog(parent), desktop(desktopLanguage)
{
    auto* form = new QFormLayout;
    for (Choice choice : kChoices) {
        Row row{choice, new QLabel(this), new QComboBox(this)};
        row.list->setObjectName(choiceKey(choice));
        row.list->addItems(itemsOf(choice));
        // Each language's words are as long as they are: the list grows with them.
        row.list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        row.list->setCurrentIndex(current.index(choice));
        row.label->setBuddy(row.list);
        form->addRow(row.label, row.list);
        connect(row.list, &QComboBox::currentIndexChanged, this,
                [this, choice](int index) { emit chosen(choice, index); });
        // The entry already shown, chosen again: a choice the command line gave for one run is
        // how a grown-up keeps it.
        connect(row.list, &QComboBox::activated, this,
                [this, choice](int index) { emit chosen(choice, index); });
        rows.push_back(row);
    }
    auto* buttons = new QDialogButtonBox(this);
    // Not the toolkit's standard Close, whose text it sets again, untranslated, whenever the
    // language changes.
    closeButton = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    showTexts();
}

void SettingsDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    QDialog::changeEvent(event);
}

void SettingsDialog::showTexts()
{
    //: The title of the window where a parent or teacher sets the clock up.
    setWindowTitle(tr("Settings for grown-ups"));
    for (const Row& row : rows) {
        row.label->setText(labelOf(row.choice));
        const QStringList items = itemsOf(row.choice);
        for (int i = 0; i < items.size(); ++i)
            row.list->setItemText(i, items[i]);
    }
    closeButton->setText(tr("Close"));
    // A language chosen here retells the window's own texts while it is open: it takes the
    // size they need now, not the size of the texts it first opened with.
    adjustSize();
}

QString SettingsDialog::labelOf(Choice choice) const
{
    switch (choice) {
    case Choice::language:
        return tr("&Language:");
    case Choice::numerals:
        //: The numbers round the dial.
        return tr("&Numerals:");
    case Choice::size:
        return tr("&Size:");
    case Choice::hours:
        //: How the clock tells the hours of the day.
        return tr("&Hours:");
    }
    return {};
}

QStringList SettingsDialog::itemsOf(Choice choice) const
{
    switch (choice) {
    case Choice::language: {
        //: %1 is the name of the desktop's language in that language, such as Deutsch.
        QStringList names{
            tr("The desktop's (%1)").arg(QString::fromUtf8(kLanguageNames[int(desktop)]))};
        for (const char* name : kLanguageNames)
            names << QString::fromUtf8(name);
        return names;
    }
    case Choice::numerals:
        return {tr("1 to 12"), tr("I to XII")};
    case Choice::size:
        //: The clock's panel at the size it was designed for, centred on the screen.
        return {tr("The clock's own size"), tr("Fill the screen")};
    case Choice::hours:
        //: The dial's twelve hours alone, as the clock has always told them; each time in the
        //: morning or the afternoon; the 24-hour clock, 00:00 to 23:59.
        return {tr("12-hour"), tr("a.m. and p.m."), tr("24-hour")};
    }
    return {};
}
