#include "Fiche.h"

#include "PouvoirTalentWidget.h"
#include "model/Aides.h"
#include "model/Personnage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHelpEvent>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>

namespace
{
QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

// The entries of a list, filled from a catalogue in its order, beside the names the character holds, in the same
// order: for each entry, what it is and why the character cannot take it now (empty when it can).
template <class Catalogue, class Aide, class Obstacle>
void Griser(QComboBox* poListe, const Catalogue& oCatalogue, const std::vector<Niveau>& oTenus, Aide fAide,
            Obstacle fObstacle)
{
    auto* poModele = qobject_cast<QStandardItemModel*>(poListe->model());
    // Nothing the list shows changes: the pop-up reads its entries again when it opens.
    const QSignalBlocker oBloque(poModele);
    const QBrush oGris = poListe->palette().brush(QPalette::Disabled, QPalette::Text);
    auto oTenu = oTenus.begin();
    int nEntree = 0;
    for (const auto& [oNom, poRecord] : oCatalogue)
    {
        while (oTenu != oTenus.end() && oTenu->moNom < oNom)
            ++oTenu;
        const bool bTenu = oTenu != oTenus.end() && oTenu->moNom == oNom;
        const QString oPourquoi = bTenu ? QObject::tr("Déjà acquis") : fObstacle(*poRecord);
        QStandardItem* poEntree = poModele->item(nEntree++);
        // What an entry is never changes: it is worded once.
        if (!poEntree->data(Qt::UserRole).isValid())
            poEntree->setData(QString::fromStdString(fAide(*poRecord)), Qt::UserRole);
        poEntree->setToolTip(oPourquoi.isEmpty() ? poEntree->data(Qt::UserRole).toString() : oPourquoi);
        poEntree->setForeground(oPourquoi.isEmpty() ? QBrush() : oGris);
    }
}
}

void Fiche::Annoncer(const QString& oTexte, bool bRefus)
{
    if (BarreEtat->font().bold() != bRefus)
    {
        QFont oPolice = BarreEtat->font();
        oPolice.setBold(bRefus);
        BarreEtat->setFont(oPolice);
    }
    BarreEtat->setText(oTexte);
    BarreEtat->setToolTip(oTexte);
}

void Fiche::AnnoncerRaisons()
{
    QStringList oTextes;
    const std::string& oRaison = mpoPerso->GetRaison();
    if (!oRaison.empty())
        oTextes << Texte(oRaison);
    for (const std::string& oRemarque : mpoPerso->GetRemarques())
        oTextes << Texte(oRemarque);
    Annoncer(oTextes.join(QStringLiteral(" ; ")), !oRaison.empty());
}

QString Fiche::AideLigne(bool bTalent, const std::string& oNom) const
{
    const int nGrade = mpoPerso->GetGrade();
    if (bTalent)
        return Texte(Aides::ValeurTalent(*mpoPerso->GetListeDesTalents()->at(oNom), nGrade));
    return Texte(Aides::ValeurPouvoir(*mpoPerso->GetListeDesPouvoirs()->at(oNom), nGrade));
}

void Fiche::MettreAJourAides()
{
    const int nGrade = mpoPerso->GetGrade();
    if (nGrade == mnGradeDesAides)
        return;
    mnGradeDesAides = nGrade;
    for (const BoiteCaract& oBoite : moBoitesCaract)
        oBoite.mpoBox->setToolTip(Texte(Aides::Caracteristique(oBoite.meCaract, nGrade)));
    PPValue->setToolTip(Texte(Aides::PP(nGrade)));
    for (auto [poColonne, bTalent] : {std::pair{vboxLayout1, true}, std::pair{vboxLayout, false}})
    {
        for (int i = 0; i < poColonne->count(); ++i)
        {
            if (auto* poLigne = qobject_cast<PouvoirTalentWidget*>(poColonne->itemAt(i)->widget()))
                poLigne->findChild<QDoubleSpinBox*>()->setToolTip(AideLigne(bTalent, poLigne->GetName()));
        }
    }
}

void Fiche::MettreAJourListes()
{
    if (const ListePouvoirs::Map* poPouvoirs = mpoPerso->GetListeDesPouvoirs())
    {
        Griser(PouvoirsListe, *poPouvoirs, mpoEtat->moPouvoirs, Aides::EntreePouvoir, [this](Pouvoir& oModele) {
            return mpoPerso->AllConditionsPouvoir(&oModele)
                ? QString()
                : tr("Réservé aux serviteurs de %1").arg(Texte(oModele.GetSpecialOf()));
        });
    }
    Griser(comboBoxTalents, *mpoPerso->GetListeDesTalents(), mpoEtat->moTalents, Aides::EntreeTalent,
           [](const Talent&) { return QString(); });
}

void Fiche::OrdonnerTabulation()
{
    QList<QWidget*> oOrdre;
    for (QWidget* poWidget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        if (poWidget->focusPolicy() & Qt::TabFocus)
            oOrdre << poWidget;
    }
    std::stable_sort(oOrdre.begin(), oOrdre.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    // The powers' column stands on the left, the talents' on the right.
    for (QVBoxLayout* poColonne : {vboxLayout, vboxLayout1})
    {
        for (int i = 0; i < poColonne->count(); ++i)
        {
            if (QWidget* poLigne = poColonne->itemAt(i)->widget())
                oOrdre << poLigne->findChild<QCheckBox*>() << poLigne->findChild<QDoubleSpinBox*>();
        }
    }
    for (qsizetype i = 1; i < oOrdre.size(); ++i)
        setTabOrder(oOrdre[i - 1], oOrdre[i]);
}

bool Fiche::eventFilter(QObject* poObjet, QEvent* poEvent)
{
    const bool bOuvre = poEvent->type() == QEvent::MouseButtonPress || poEvent->type() == QEvent::KeyPress;
    if (bOuvre && mpoPerso && !mbListesAJour)
    {
        MettreAJourListes();
        mbListesAJour = true;
    }
    return QWidget::eventFilter(poObjet, poEvent);
}

bool Fiche::event(QEvent* poEvent)
{
    // The sheet's own tool tip is for its empty background; a widget without a tool tip of its own shows none.
    if (poEvent->type() == QEvent::ToolTip && childAt(static_cast<QHelpEvent*>(poEvent)->pos()) != nullptr)
    {
        QToolTip::hideText();
        poEvent->ignore();
        return true;
    }
    return QWidget::event(poEvent);
}
