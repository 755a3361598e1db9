#include "Fiche.h"

#include "ColonneLignes.h"
#include "FiltreSaisie.h"
#include "PouvoirTalentWidget.h"
#include "TextePlain.h"
#include "model/Aides.h"
#include "model/Personnage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

namespace
{
QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}
}

void Fiche::RefuserHorsBornes(QAbstractSpinBox* poBoite, double fValeur)
{
    // The box goes exactly as far as the rules allow: asked for half a point beyond, they say why not.
    for (const BoiteCaract& oBoite : moBoitesCaract)
    {
        if (oBoite.mpoBox == poBoite)
        {
            const double fAuDela =
                fValeur > oBoite.mpoBox->maximum() ? oBoite.mpoBox->maximum() + 0.5 : oBoite.mpoBox->minimum() - 0.5;
            mpoDocument->ChangerCaracteristique(oBoite.meCaract, fAuDela);
            return;
        }
    }
    const std::pair<QAbstractSpinBox*, QString> kNoms[] = {
        {spinBoxPATOT, tr("Total PA")}, {spinBoxGRADE, tr("Grade")}, {PPValue, tr("PP")}};
    QString oNom;
    for (const auto& [poCase, oCase] : kNoms)
    {
        if (poCase == poBoite)
            oNom = oCase;
    }
    if (const auto* poLigne = qobject_cast<const PouvoirTalentWidget*>(poBoite->parentWidget()))
        oNom = Texte(poLigne->GetName());
    if (oNom.isEmpty())
        return;
    const auto [fMinimum, fMaximum] = FiltreSaisie::Bornes(poBoite);
    const QLocale oLocale = poBoite->locale();
    Annoncer(tr("%1 va de %2 à %3").arg(oNom, oLocale.toString(fMinimum), oLocale.toString(fMaximum)), true);
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
    BarreEtat->setToolTip(TextePlain::Bulle(oTexte));
    // A long message wraps upward over the foot of the columns rather than being cut at the window's edge.
    const int nHauteur = std::max(moPlaceBarre.height(), BarreEtat->heightForWidth(moPlaceBarre.width()));
    BarreEtat->setGeometry(moPlaceBarre.adjusted(0, moPlaceBarre.height() - nHauteur, 0, 0));
    BarreEtat->setAutoFillBackground(nHauteur > moPlaceBarre.height());
    // Over the columns, which were made after it.
    BarreEtat->raise();
}

QString Fiche::AideLigne(bool bTalent, const std::string& oNom) const
{
    const int nGrade = GetPerso()->GetGrade();
    if (bTalent)
        return Texte(Aides::ValeurTalent(*GetPerso()->GetListeDesTalents()->at(oNom), nGrade));
    return Texte(Aides::ValeurPouvoir(*GetPerso()->GetListeDesPouvoirs()->at(oNom), nGrade));
}

void Fiche::MettreAJourAides()
{
    const int nGrade = GetPerso()->GetGrade();
    if (nGrade == mnGradeDesAides)
        return;
    mnGradeDesAides = nGrade;
    for (const BoiteCaract& oBoite : moBoitesCaract)
        oBoite.mpoBox->setToolTip(Texte(Aides::Caracteristique(oBoite.meCaract, nGrade)));
    PPValue->setToolTip(Texte(Aides::PP(nGrade)));
    spinBoxGRADE->setToolTip(Texte(Aides::ValeurGrade(nGrade)));
    mpoColonneTalents->Aider([this](const std::string& oNom) { return AideLigne(true, oNom); });
    mpoColonnePouvoirs->Aider([this](const std::string& oNom) { return AideLigne(false, oNom); });
}

void Fiche::OrdonnerTabulation()
{
    // The character first: its name, then its fields from top to bottom and left to right, then its rows. The
    // commands on the right come last.
    const QList<QWidget*> oCommandes = {Export,   PageWeb, Ouvrir,   Enregistrer,   Annuler,
                                        Retablir, Pdf,     Imprimer, JournalBouton, Notes};
    QList<QWidget*> oChamps;
    for (QWidget* poWidget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        if ((poWidget->focusPolicy() & Qt::TabFocus) && poWidget != NomValue && !oCommandes.contains(poWidget))
            oChamps << poWidget;
    }
    std::stable_sort(oChamps.begin(), oChamps.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QList<QWidget*> oOrdre = {NomValue};
    oOrdre << oChamps;
    // The powers' column stands on the left, the talents' on the right.
    for (const ColonneLignes* poColonne : {mpoColonnePouvoirs, mpoColonneTalents})
    {
        for (PouvoirTalentWidget* poLigne : poColonne->Lignes())
            oOrdre << poLigne->findChild<QCheckBox*>() << poLigne->findChild<QDoubleSpinBox*>();
    }
    oOrdre << oCommandes;
    for (qsizetype i = 1; i < oOrdre.size(); ++i)
        setTabOrder(oOrdre[i - 1], oOrdre[i]);
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
