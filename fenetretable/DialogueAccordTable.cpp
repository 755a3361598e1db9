#include "DialogueAccordTable.h"

#include "DocumentPersonnage.h"
#include "NomsPersonnages.h"
#include "TextePlain.h"
#include "journal/Journal.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

DialogueAccordTable::DialogueAccordTable(const std::vector<PersonnageTable>& oPersonnages, QWidget* poParent)
    : DialogueAttribution(tr("Accorder à la table"), poParent)
{
    setObjectName(QStringLiteral("DialogueAccordTable"));
    auto* poGroupe = new QGroupBox(tr("Personnages"), this);
    auto* poGrille = new QGridLayout(poGroupe);
    QList<QWidget*> oOrdre;
    for (const PersonnageTable& oPersonnage : oPersonnages)
    {
        const int nLigne = static_cast<int>(moLignes.size());
        Ligne oLigne{oPersonnage, new QCheckBox(NomsPersonnages::Nom(oPersonnage), poGroupe), BoitePA(poGroupe)};
        oLigne.mpoCoche->setChecked(oPersonnage.mpoDocument != nullptr);
        oLigne.mpoCoche->setToolTip(TextePlain::Bulle(oPersonnage.moFichier));
        oLigne.mpoPA->setValue(PA());
        poGrille->addWidget(oLigne.mpoCoche, nLigne, 0);
        poGrille->addWidget(oLigne.mpoPA, nLigne, 1);
        if (!oPersonnage.mpoDocument)
        {
            auto* poRaison = new QLabel(tr("illisible : %1").arg(oPersonnage.moRaison), poGroupe);
            poRaison->setTextFormat(Qt::PlainText);
            poRaison->setWordWrap(true);
            poGrille->addWidget(poRaison, nLigne, 2);
        }
        connect(oLigne.mpoPA, &QSpinBox::valueChanged, this, [this, nLigne] {
            moLignes[static_cast<std::size_t>(nLigne)].mbAPart = true;
        });
        oOrdre << oLigne.mpoCoche << oLigne.mpoPA;
        moLignes.push_back(oLigne);
    }
    poGrille->setColumnStretch(2, 1);
    Ajouter(poGroupe, oOrdre);
    connect(BoitePACommune(), &QSpinBox::valueChanged, this, &DialogueAccordTable::Suivre);
}

std::vector<PartAttribution> DialogueAccordTable::Parts() const
{
    std::vector<PartAttribution> oParts;
    for (const Ligne& oLigne : moLignes)
    {
        const PersonnageTable& oPersonnage = oLigne.moPersonnage;
        if (oLigne.mpoCoche->isChecked())
            oParts.push_back({oPersonnage.mpoDocument, oPersonnage.moFichier, oPersonnage.moRaison,
                              oLigne.mpoPA->value()});
    }
    return oParts;
}

std::string DialogueAccordTable::RaisonDate(const std::string& oDate) const
{
    // A date that is none is no character's fault.
    if (std::string oRaison = Journaux::RaisonDate({}, 0, oDate); !oRaison.empty())
        return oRaison;
    for (const Ligne& oLigne : moLignes)
    {
        const DocumentPersonnage* poDocument = oLigne.moPersonnage.mpoDocument.get();
        if (!oLigne.mpoCoche->isChecked() || poDocument == nullptr || !poDocument->GetJournal())
            continue;
        const Journal& oJournal = *poDocument->GetJournal();
        if (const std::string oRaison = Journaux::RaisonDate(oJournal, oJournal.size(), oDate); !oRaison.empty())
            return NomsPersonnages::Nom(oLigne.moPersonnage).toStdString() + " : " + oRaison;
    }
    return {};
}

QString DialogueAccordTable::Refus() const
{
    for (const Ligne& oLigne : moLignes)
    {
        if (oLigne.mpoCoche->isChecked())
            return {};
    }
    return tr("Cochez au moins un personnage");
}

void DialogueAccordTable::Suivre(int nPA)
{
    for (const Ligne& oLigne : moLignes)
    {
        if (oLigne.mbAPart)
            continue;
        const QSignalBlocker oBloque(oLigne.mpoPA);
        oLigne.mpoPA->setValue(nPA);
    }
}
