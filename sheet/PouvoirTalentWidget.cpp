#include "PouvoirTalentWidget.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>

PouvoirTalentWidget::PouvoirTalentWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PouvoirTalentWidget"));
    // Tall enough for the value box, so a long column scrolls instead of squeezing its rows.
    setMinimumHeight(22);
    resize(QSize(183, 40).expandedTo(minimumSizeHint()));
    setMaximumSize(250, 25);
    setToolTip(tr("Pouvoir"));

    mpoCheck = new QCheckBox(this);
    mpoCheck->setObjectName(QStringLiteral("mpoCheck"));
    mpoCheck->move(0, 0);
    // Its own size only: a larger box would lie over the name and beyond the row.
    mpoCheck->resize(mpoCheck->sizeHint());

    poName = new QLabel(this);
    poName->setObjectName(QStringLiteral("poName"));
    poName->setGeometry(20, 0, 170, 20);
    // A name is text, whatever it holds.
    poName->setTextFormat(Qt::PlainText);
    poName->setText(QCoreApplication::translate("Form", "name"));

    doubleSpinBox = new QDoubleSpinBox(this);
    doubleSpinBox->setObjectName(QStringLiteral("doubleSpinBox"));
    doubleSpinBox->setGeometry(180, 0, 62, 20);
    doubleSpinBox->setSingleStep(0.5);
    // The value changes once the player has typed all of it, not at each digit.
    doubleSpinBox->setKeyboardTracking(false);

    connect(doubleSpinBox, &QDoubleSpinBox::valueChanged, this, &PouvoirTalentWidget::Changed);
}

// Text goes from the model to the screen as UTF-8 and comes back as Latin-1, as everywhere on the sheet.
void PouvoirTalentWidget::SetName(const char* name)
{
    poName->setText(QString::fromUtf8(name));
}

std::string PouvoirTalentWidget::GetName() const
{
    return poName->text().toLatin1().toStdString();
}

void PouvoirTalentWidget::SetValue(double v)
{
    doubleSpinBox->setValue(v);
}

double PouvoirTalentWidget::GetValue() const
{
    return doubleSpinBox->value();
}

bool PouvoirTalentWidget::IsChecked() const
{
    return mpoCheck->checkState() != Qt::Unchecked;
}

void PouvoirTalentWidget::Changed()
{
    emit ValueChanged();
}
