#ifndef VEXAL_SHEET_DIALOGUEATTRIBUTION_H
#define VEXAL_SHEET_DIALOGUEATTRIBUTION_H

#include <QDialog>

#include <string>

class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

// The amount, the reason and the date of an award, for one character or several. An amount no total could take is
// refused as it is typed; the date is today's at first, left empty when unknown, and one that cannot be taken, like
// anything else the award cannot be given with, keeps the dialog open with its reason.
class DialogueAttribution : public QDialog
{
public:
    int PA() const;
    std::string Raison() const;
    std::string Date() const;

    void accept() override;

protected:
    DialogueAttribution(const QString& oTitre, QWidget* poParent);

    // Why the award cannot be dated so; empty when it can.
    virtual std::string RaisonDate(const std::string& oDate) const = 0;
    // Why the award cannot be given as the dialog stands, apart from its date; empty when it can.
    virtual QString Refus() const { return {}; }
    // A box for an amount of PA, refused with its reason past what a total holds.
    QSpinBox* BoitePA(QWidget* poParent);
    QSpinBox* BoitePACommune() const { return mpoPA; }
    // A part of the form, under the date and before the buttons; Tab goes through oOrdre after the date.
    void Ajouter(QWidget* poPartie, const QList<QWidget*>& oOrdre);
    void showEvent(QShowEvent* poEvent) override;

private:
    QToolButton* Calendrier();
    void Refuser(const QString& oRaison);

    QSpinBox* mpoPA;
    QLineEdit* mpoRaison;
    QLineEdit* mpoDate;
    QLabel* mpoRefus;
    QFormLayout* mpoFormulaire;
    QWidget* mpoDernier;  // the last widget Tab reaches before the buttons
};

#endif
