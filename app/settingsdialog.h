#pragma once

#include "app/choices.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

// The grown-ups' settings: a plain dialog in the desktop's style with one list a choice,
// each named by its label for keyboards and screen readers. A choice is told at once; the
// dialog keeps nothing, and has only Close, as Escape does.
class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    // desktopLanguage: the one "the desktop's" stands for, named beside it.
    SettingsDialog(const Choices& current, Language desktopLanguage, QWidget* parent = nullptr);

signals:
    void chosen(Choice choice, int index);

protected:
    // Texts follow a change of language, made here or anywhere.
    void changeEvent(QEvent* event) override;

private:
    void showTexts();
    QString labelOf(Choice choice) const;
    QStringList itemsOf(Choice choice) const;

    struct Row {
        Choice choice;
        QLabel* label;
        QComboBox* list;
    };
    std::vector<Row> rows;
    QPushButton* closeButton = nullptr;
    Language desktop;
};
