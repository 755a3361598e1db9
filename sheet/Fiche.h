#ifndef VEXAL_SHEET_FICHE_H
#define VEXAL_SHEET_FICHE_H

#include "model/Regles.h"
#include "ui_VEXALFiche.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>

class Personnage;
class PouvoirTalentWidget;
class QComboBox;
class QDoubleSpinBox;
class QScrollArea;
class QSpacerItem;
class QVBoxLayout;

// The form, under the name that the sheet's meta-object answers a cast for.
using VEXALFiche = Ui::VEXALFiche;

// The character sheet window. It holds no rule: each edit of the player becomes one call on the
// character, and the whole sheet is then read again from the character, so a refused edit springs back.
class Fiche : public QWidget, public VEXALFiche
{
    Q_OBJECT

public:
    explicit Fiche(QWidget* parent = nullptr);
    ~Fiche() override;

    // The sheet takes ownership of the character.
    void SetPerso(Personnage* perso);
    Personnage* GetPerso() const { return mpoPerso.get(); }

    void UpdateFiche();
    void ConnectAll();
    void UpdateCaract(QDoubleSpinBox* box, CARACT c);
    void UpdatePP();
    void UpdateGrade();
    void UpdateTotalPA();

    void FillComboBoxListes();
    void FillPouvoirsAttributes();
    void FillTalentListe();
    void FillPrincesDemons();
    void FillArchanges();
    void AddTalentItem();
    void RemoveTalentItem();
    void AddPouvoirItem();
    void RemovePouvoirItem();
    void UpdateTalents();
    void UpdatePouvoirs();
    void UpdateSuperieur();
    void ExportAction();

    // The scrolling columns of power rows (left) and talent rows (right), named like the form's widgets.
    QScrollArea* PouvoirsArea;
    QScrollArea* TalentsArea;

protected:
    // Only the sheet asks its lists to empty themselves.
    Q_SIGNAL void FillComboBox();

public slots:
    void ForceChanged();
    void AgiliteChanged();
    void PerceptionChanged();
    void PresenceChanged();
    void VolonteChanged();
    void FoiChanged();
    void PPChanged();
    void AddTalentPressed();
    void RemoveTalentPressed();
    void RemovePouvoirPressed();
    void AddPouvoirPressed();
    void TalentChanged();
    void PouvoirChanged();
    void ChangedSuperieur();
    void ChangedGrade();
    void ChangedTotalPA();
    void ExportPressed();

private:
    bool TalentExisteDeja(std::string name);
    bool TalentBoxExisteDeja(std::string name);
    QSpacerItem* TrouverSpacerTalent();
    QSpacerItem* TrouverSpacerPouvoir();

    // Half points travel between the sheet and the character as whole steps, the fraction dropped.
    static int EnDemiPoints(double fDifference) { return static_cast<int>(fDifference * 2); }
    // The entry a list shows, as the 8-bit name the character knows it by.
    static std::string NomChoisi(const QComboBox* poListe);
    qreal TaillePolice() const;
    void SetTaillePolice(qreal fTaille);
    void SetCaractMaximum(float fMaximum);
    void UpdateLignesTalents();
    void UpdateLignesPouvoirs();
    void ViderColonnes();
    void AjouterLigne(QVBoxLayout* poColonne, const std::string& oNom, double fValeur, const QString& oToolTip,
                      void (Fiche::*pSlot)());
    static QSpacerItem* TrouverSpacer(QVBoxLayout* poColonne);
    static void RetirerSpacer(QVBoxLayout* poColonne, QSpacerItem* poSpacer);
    static void AjouterSpacer(QVBoxLayout* poColonne);

    struct BoiteCaract
    {
        QDoubleSpinBox* mpoBox;
        CARACT meCaract;
    };

    // None until SetPerso: a sheet without a character leaves every edit where the player put it.
    std::unique_ptr<Personnage> mpoPerso;
    std::array<BoiteCaract, 6> moBoitesCaract;
};

#endif
