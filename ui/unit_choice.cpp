// The list of the units.
#include "ui/unit_choice.h"

#include "ui/window_layout.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>

namespace quorvelle::ui {

UnitChoice createUnitChoice(const QString& toolTip, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("unitBox"));
    box->addItem(QCoreApplication::translate("quorvelle::ui", "formes"), static_cast<int>(CountingUnit::Forms));
    box->addItem(QCoreApplication::translate("quorvelle::ui", "lemmes"), static_cast<int>(CountingUnit::Lemmas));
    box->setToolTip(toolTip);
    auto* label = new QLabel(QCoreApplication::translate("quorvelle::ui", "&Unité :"), parent);
    label->setObjectName(QStringLiteral("unitLabel"));
    labelControl(label, box);
    return {label, box};
}

CountingUnit chosenUnit(const QComboBox* box)
{
    return static_cast<CountingUnit>(box->currentData().toInt());
}

void showUnit(QComboBox* box, bool ofLemmas)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findData(static_cast<int>(ofLemmas ? CountingUnit::Lemmas : CountingUnit::Forms)));
}

} // namespace quorvelle::ui
