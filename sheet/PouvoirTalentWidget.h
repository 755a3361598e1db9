#ifndef VEXAL_SHEET_POUVOIRTALENTWIDGET_H
#define VEXAL_SHEET_POUVOIRTALENTWIDGET_H

#include <QWidget>

#include <string>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;

// One row of the power or talent column: a check box marking it for removal, a name and a value.
// The row knows nothing of powers or talents.
class PouvoirTalentWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PouvoirTalentWidget(QWidget* parent = nullptr);

    void SetName(const char* name);
    std::string GetName() const;
    void SetValue(double v);
    double GetValue() const;
    bool IsChecked() const;

signals:
    void ValueChanged();

public slots:
    void Changed();

private:
    QCheckBox* mpoCheck;
    QLabel* poName;
    QDoubleSpinBox* doubleSpinBox;
};

#endif
